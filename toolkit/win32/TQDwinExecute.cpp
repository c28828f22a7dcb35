// Child processes on Win32 threads and anonymous pipes.
#include "TQDwinExecute.h"

#include "TQGFwinAppWindow.h"
#include "TQwin32.h"
#include "TQwinSectionLock.h"
#include "_TQCbaseList.h"
#include "_TQClocaleSet.h"
#include "_TQDfileSystem.h"

#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

const DWORD kChunk = 4096;

} // namespace

// One started child and what serves it. The reader, the watcher and every
// message in flight hold a reference, so that killProcess and the
// destructor can let a run go without waiting for its threads: a thread
// may be blocked in a send to the very thread that lets it go.
struct TQDwinExecuteRun {
    CRITICAL_SECTION lock;     // guards pending, pendingCount and ended
    volatile LONG references;
    TQDwinExecute* owner;      // null once let go; application thread only
    HANDLE process;
    HANDLE output;             // our end of the child's output
    HANDLE input;              // our end of the child's input
    HANDLE taken;              // released whenever read or gets took output
    HANDLE stop;               // set when the run is let go
    HANDLE reader;
    HANDLE watcher;
    char pending[kChunk];
    DWORD pendingCount;
    bool ended;                // the child has ended and its output is drained
};

namespace {

TQDwinExecuteRun* newRun(TQDwinExecute* owner)
{
    TQDwinExecuteRun* run = new TQDwinExecuteRun();
    InitializeCriticalSection(&run->lock);
    run->references = 1;
    run->owner = owner;
    run->taken = CreateSemaphoreA(nullptr, 0, 1, nullptr);
    run->stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    return run;
}

void retain(TQDwinExecuteRun* run)
{
    InterlockedIncrement(&run->references);
}

void closeIfOpen(HANDLE& handle)
{
    if (handle != nullptr)
        CloseHandle(handle);
    handle = nullptr;
}

void release(TQDwinExecuteRun* run)
{
    if (InterlockedDecrement(&run->references) != 0)
        return;
    for (HANDLE* handle : {&run->process, &run->output, &run->input, &run->taken, &run->stop,
                           &run->reader, &run->watcher})
        closeIfOpen(*handle);
    DeleteCriticalSection(&run->lock);
    delete run;
}

bool stopped(TQDwinExecuteRun* run)
{
    return WaitForSingleObject(run->stop, 0) == WAIT_OBJECT_0;
}

// True when handle was signalled, false when the run was let go first.
bool waitUnlessStopped(TQDwinExecuteRun* run, HANDLE handle)
{
    HANDLE either[2] = {handle, run->stop};
    return WaitForMultipleObjects(2, either, FALSE, INFINITE) == WAIT_OBJECT_0;
}

// Sends news of the run to the application thread and waits until it has
// been handled; the message takes a reference that _callback gives back.
void notify(TQDwinExecuteRun* run)
{
    retain(run);
    if (TQGFsendToAppWindow(TQ_WM_USER_CHILD_PROCESS, run, INFINITE) == -1)
        release(run);
}

// Offers a piece of output until read or gets have taken all of it; false
// when the run was let go meanwhile.
bool handOver(TQDwinExecuteRun* run)
{
    for (;;) {
        notify(run);
        if (!waitUnlessStopped(run, run->taken))
            return false;
        TQwinSectionLock guard(run->lock);
        if (run->pendingCount == 0)
            return true;
    }
}

DWORD WINAPI readOutput(void* parameter)
{
    TQDwinExecuteRun* run = static_cast<TQDwinExecuteRun*>(parameter);
    char chunk[kChunk];
    bool offered = true;
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(run->output, chunk, kChunk, &got, nullptr) || got == 0 || stopped(run))
            break;
        {
            TQwinSectionLock guard(run->lock);
            std::memcpy(run->pending, chunk, got);
            run->pendingCount = got;
        }
        offered = handOver(run);
        if (!offered)
            break;
    }
    {
        TQwinSectionLock guard(run->lock);
        run->pendingCount = 0;
    }
    if (offered && !stopped(run))
        notify(run);  // the end of the output
    release(run);
    return 0;
}

DWORD WINAPI watchChild(void* parameter)
{
    TQDwinExecuteRun* run = static_cast<TQDwinExecuteRun*>(parameter);
    // Only a child with windows becomes idle for input; for a console child
    // the wait fails at once (Wine) or times out, which is fine.
    while (WaitForInputIdle(run->process, 50) == WAIT_TIMEOUT && !stopped(run)
           && WaitForSingleObject(run->process, 0) == WAIT_TIMEOUT) {
    }
    // The end is the process handle being signalled, whatever exit code
    // the child chose; then the reader drains what the child wrote last.
    bool ended = waitUnlessStopped(run, run->process)
                 && (run->reader == nullptr || waitUnlessStopped(run, run->reader));
    if (ended) {
        {
            TQwinSectionLock guard(run->lock);
            run->ended = true;
        }
        notify(run);
    }
    release(run);
    return 0;
}

HANDLE startThread(LPTHREAD_START_ROUTINE function, TQDwinExecuteRun* run)
{
    retain(run);
    HANDLE thread = CreateThread(nullptr, 0, function, run, 0, nullptr);
    if (thread == nullptr)
        release(run);
    return thread;
}

// Removes count bytes from the front of the pending output; under the lock.
void takeFront(TQDwinExecuteRun* run, DWORD count)
{
    std::memmove(run->pending, run->pending + count, run->pendingCount - count);
    run->pendingCount -= count;
}

// The name as the file system adjusts it (environment references expanded).
std::string adjustedName(const char* name)
{
    TQDfileSystem* fileSystem = TQGIappFileSystem();
    if (fileSystem == nullptr)
        return name;
    std::vector<char> copy(name, name + std::strlen(name) + 1);
    const char* adjusted = fileSystem->adjustFileName(copy.data());
    return adjusted != nullptr ? adjusted : "";
}

// "//" collapses to "/", then every "/" becomes "\"; in the system's
// encoding, as the system takes names.
std::string platformName(std::string name)
{
    for (std::string::size_type at; (at = name.find("//")) != std::string::npos;)
        name.erase(at, 1);
    for (char& c : name) {
        if (c == '/')
            c = '\\';
    }
    TQCstring converted(name.c_str(), -2);
    const char* system = converted.getString(TQGIappLocaleSet()->getSystemLocaleEncoding());
    return system != nullptr ? system : name;
}

// Two pipes whose child ends alone are inheritable.
bool makePipes(HANDLE* output, HANDLE* childOutput, HANDLE* input, HANDLE* childInput)
{
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    if (!CreatePipe(output, childOutput, &inheritable, 0))
        return false;
    if (!CreatePipe(childInput, input, &inheritable, 0)) {
        CloseHandle(*output);
        CloseHandle(*childOutput);
        return false;
    }
    SetHandleInformation(*output, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(*input, HANDLE_FLAG_INHERIT, 0);
    return true;
}

} // namespace

TQDwinExecute::TQDwinExecute() : run(newRun(this))
{
}

TQDwinExecute::~TQDwinExecute()
{
    killProcess();
    run->owner = nullptr;
    release(run);
}

long TQDwinExecute::execute(const char* commandText, long pipeMode)
{
    if (commandText == nullptr)
        return -1;
    std::string adjusted = adjustedName(commandText);
    command.setString(adjusted.c_str());
    killProcess();

    std::string line = platformName(adjusted);
    const char* directory = getCurrentDir();
    if (directory != nullptr && directory[0] != '\0') {
        // The program's own directory changes with it, and stays changed.
        std::string workingDir = platformName(adjustedName(directory));
        if (!SetCurrentDirectoryA(workingDir.c_str()))
            return -1;
    }
    std::vector<char> commandLine(line.begin(), line.end());
    commandLine.push_back('\0');
    return startChild(commandLine.data(), pipeMode);
}

long TQDwinExecute::startChild(char* commandLine, long pipeMode)
{
    bool pipes = pipeMode >= 1 && pipeMode <= 3;
    STARTUPINFOA start;
    GetStartupInfoA(&start);
    start.cb = sizeof start;
    // Our own runtime's hand-over data must not reach the child's.
    start.lpReserved = nullptr;
    start.cbReserved2 = 0;
    start.lpReserved2 = nullptr;
    start.dwFlags = STARTF_USESHOWWINDOW;
    start.wShowWindow = SW_SHOWNORMAL;
    HANDLE childOutput = nullptr;
    HANDLE childInput = nullptr;
    if (pipes) {
        if (!makePipes(&run->output, &childOutput, &run->input, &childInput))
            return -1;
        start.dwFlags |= STARTF_USESTDHANDLES;
        start.wShowWindow = SW_MINIMIZE;
        start.hStdInput = childInput;
        start.hStdOutput = childOutput;
        start.hStdError = childOutput;
    }
    PROCESS_INFORMATION child = {};
    BOOL started = CreateProcessA(nullptr, commandLine, nullptr, nullptr, pipes ? TRUE : FALSE,
                                  0, nullptr, nullptr, &start, &child);
    // The child has its own copies: once it and its heirs have gone, the
    // reader meets the end of the output.
    if (pipes) {
        CloseHandle(childOutput);
        CloseHandle(childInput);
    }
    if (!started) {
        closeIfOpen(run->output);
        closeIfOpen(run->input);
        return -1;
    }
    CloseHandle(child.hThread);
    run->process = child.hProcess;
    processId = child.hProcess;
    handle = child.hProcess;
    if (pipes)
        mode = pipeMode;
    startThreads(pipeMode);
    return 0;
}

void TQDwinExecute::startThreads(long pipeMode)
{
    if ((pipeMode == 1 || pipeMode == 2) && receiveProc != nullptr)
        run->reader = startThread(readOutput, run);
    run->watcher = startThread(watchChild, run);
}

long TQDwinExecute::killProcess()
{
    if (processId != nullptr)
        TerminateProcess(run->process, 0);
    letRunGo();
    processId = nullptr;
    handle = nullptr;
    return 0;
}

void TQDwinExecute::letRunGo()
{
    if (run->process == nullptr)
        return;
    SetEvent(run->stop);
    closeIfOpen(run->input);
    // A reader may be inside a read of the output; it lets go of it last.
    if (run->reader == nullptr)
        closeIfOpen(run->output);
    run->owner = nullptr;
    release(run);
    run = newRun(this);
}

long TQDwinExecute::read(char* buffer, long length)
{
    if (buffer == nullptr || length < 1 || run->output == nullptr)
        return 0;
    DWORD moved = 0;
    {
        TQwinSectionLock guard(run->lock);
        if (run->pendingCount == 0)
            return 0;
        if (mode != 1 && mode != 2)
            return -1;
        moved = run->pendingCount < static_cast<DWORD>(length) ? run->pendingCount
                                                               : static_cast<DWORD>(length);
        std::memcpy(buffer, run->pending, moved);
        takeFront(run, moved);
    }
    ReleaseSemaphore(run->taken, 1, nullptr);
    return static_cast<long>(moved);
}

char* TQDwinExecute::gets(char* buffer, long size)
{
    if (buffer == nullptr || size < 2 || run->output == nullptr || (mode != 1 && mode != 2))
        return nullptr;
    {
        TQwinSectionLock guard(run->lock);
        DWORD count = run->pendingCount;
        if (count == 0)
            return nullptr;
        // A line ends at a newline, which it keeps, or at a NUL, which it
        // drops; either way the terminator is consumed.
        DWORD end = 0;
        while (end < count && run->pending[end] != '\n' && run->pending[end] != '\0')
            ++end;
        bool newline = end < count && run->pending[end] == '\n';
        DWORD consumed = end < count ? end + 1 : count;
        DWORD textLength = end;
        if (newline && end > 0 && run->pending[end - 1] == '\r')
            --textLength;
        DWORD room = static_cast<DWORD>(size - 1);
        if (textLength + (newline ? 1 : 0) > room) {
            std::memcpy(buffer, run->pending, room);
            buffer[room] = '\0';
            consumed = room;
        } else {
            std::memcpy(buffer, run->pending, textLength);
            if (newline)
                buffer[textLength++] = '\n';
            buffer[textLength] = '\0';
        }
        takeFront(run, consumed);
    }
    ReleaseSemaphore(run->taken, 1, nullptr);
    return buffer;
}

long TQDwinExecute::write(const char* buffer, long length)
{
    if ((mode != 2 && mode != 3) || run->input == nullptr)
        return -1;
    DWORD written = 0;
    if (buffer == nullptr || length < 0
        || !WriteFile(run->input, buffer, static_cast<DWORD>(length), &written, nullptr))
        return 0;
    return static_cast<long>(written);
}

void TQDwinExecute::_callback(std::intptr_t lParam)
{
    TQDwinExecuteRun* news = reinterpret_cast<TQDwinExecuteRun*>(lParam);
    if (news == nullptr)
        return;
    TQDwinExecute* child = news->owner;
    if (child != nullptr) {
        bool ended = false;
        {
            TQwinSectionLock guard(news->lock);
            ended = news->ended;
        }
        if (ended)
            child->processId = nullptr;
        if (child->receiveProc != nullptr) {
            child->receiveProc(child);
            TQGIappObjectList()->execUpdate();
        }
        // The procedure may have deleted the object, or ended the run itself.
        if (ended && news->owner == child)
            child->killProcess();
    }
    release(news);
}

TQ_PLATFORM_FACTORY(TQDexecute, TQDwinExecute, _win_execute_chandler, TQGFwinExecuteInit)
