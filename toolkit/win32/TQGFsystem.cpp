// Command lines run as new processes.
#include "TQGFsystem.h"

#include "TQwin32.h"
#include "_TQClocaleSet.h"
#include "_TQCstring.h"

#include <string>
#include <vector>

namespace {

struct CommandLine {
    std::string text;
    bool wait;
};

// A final "&" becomes a blank and asks not to wait.
CommandLine readCommandLine(const char* command)
{
    CommandLine line = {command, true};
    if (!line.text.empty() && line.text.back() == '&') {
        line.text.back() = ' ';
        line.wait = false;
    }
    return line;
}

std::string withoutOuterBlanks(const std::string& text)
{
    std::string::size_type first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string inSystemEncoding(const std::string& text)
{
    TQCstring converted(text.c_str(), -2);
    return converted.getString(TQGIappLocaleSet()->getSystemLocaleEncoding());
}

// Waiting on the process itself ends with it, also for a process whose
// exit code happens to be STILL_ACTIVE.
int exitCodeOf(HANDLE process)
{
    DWORD waited;
    while ((waited = WaitForSingleObject(process, 1000)) == WAIT_TIMEOUT) {
    }
    DWORD code = 0;
    if (waited != WAIT_OBJECT_0 || !GetExitCodeProcess(process, &code))
        return -1;
    return static_cast<int>(code);
}

int run(const std::string& text, DWORD flags, bool wait)
{
    STARTUPINFOA startUp = {};
    startUp.cb = sizeof startUp;
    startUp.dwFlags = STARTF_USESHOWWINDOW;
    startUp.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    std::vector<char> line(text.begin(), text.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr,
                        &startUp, &process))
        return -1;
    CloseHandle(process.hThread);
    int result = 0;
    if (wait) {
        // Fails at once for a console program, which has no message queue.
        WaitForInputIdle(process.hProcess, INFINITE);
        result = exitCodeOf(process.hProcess);
    }
    CloseHandle(process.hProcess);
    return result;
}

} // namespace

int _system(char* command)
{
    if (command == nullptr)
        return -1;
    CommandLine line = readCommandLine(command);
    return run(inSystemEncoding(withoutOuterBlanks(line.text)), 0, line.wait);
}

int _system_console(char* command)
{
    if (command == nullptr)
        return -1;
    CommandLine line = readCommandLine(command);
    std::string text = line.wait ? line.text : withoutOuterBlanks(line.text);
    return run(text, CREATE_NEW_CONSOLE, line.wait);
}
