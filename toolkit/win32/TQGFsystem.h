// Running a command line as a new process, waiting for its end or, when the
// line ends in "&", not waiting.
#ifndef TQGFSYSTEM_H
#define TQGFSYSTEM_H

// The process's exit code, 0 when not waiting, -1 when it cannot be started.
// The line is in the application's encoding and is handed on in the system's.
int _system(char* command);
// The same in a new console, with the line handed on as it is.
int _system_console(char* command);

#endif
