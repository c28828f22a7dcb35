// Start-up of a toolkit program on Win32. The program's WinMain only calls
// __win_main with its four arguments. The program's own start-up (device
// initialisation, init handlers, default encoding, instance name) is a
// procedure it registers from a static initialiser with
//     const TQGFappInitializer startUp(procedure);
// __win_main runs it before anything else, so that it always comes after
// every static initialiser of the toolkit, whatever the link order.
#ifndef TQGFWINMAIN_H
#define TQGFWINMAIN_H

// Win32 handles, declared without the Win32 headers.
struct HINSTANCE__;

// Runs the application's initialisers, then _TQGFtqMain.
int __win_main(HINSTANCE__* instance, HINSTANCE__* previous, char* commandLine, int show);
// The window class, the application window, the init handlers and the event
// loop. 0.
int _TQGFtqMain(HINSTANCE__* instance, HINSTANCE__* previous, char* commandLine, int show);
// The Win32 set-up: drawing object, window class, application window and
// the application device with the command line split into words. 0.
int _win_main2(HINSTANCE__* instance, HINSTANCE__* previous, char* commandLine, int show);
// The toolkit's one window class, shared by every window it makes.
extern const char TQGFwindowClassName[];
// Registers the window class "Quorvane Application": its atom, 0 on failure.
unsigned short InitApplication(HINSTANCE__* instance);
// Creates the hidden application window; show is not used.
bool InitInstance(HINSTANCE__* instance, int show);

// For a host with a WinMain of its own: the Win32 set-up for the process's
// module and command line, without init handlers or loop. 0.
int TQGFtqInitialize();
int TQGFtqInitialize2(int unused);

// Installs the Win32 implementations of the devices and services; only the
// first call acts.
void TQGFdeviceInitialize();

// The application's own start-up procedure; they run in the order
// registered, once, at the start of __win_main.
void TQGFsetAppInitializer(void (*initializer)());
struct TQGFappInitializer {
    explicit TQGFappInitializer(void (*initializer)()) { TQGFsetAppInitializer(initializer); }
};

// The words of a command line as argv: argc + 1 entries, the last null.
// Quotes enclose a word with its blanks; there is no escape character.
// Neither the array nor the words are ever freed.
char** TQGFsplitCommandLine(const char* commandLine, int* argc);

#endif
