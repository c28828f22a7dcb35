// Child processes on Win32 threads and pipes.
#include "TQDwinExecute.h"

#include "TQGFwinAppWindow.h"
#include "TQGFwinWorkers.h"
#include "TQwin32.h"
#include "TQwinHandOverQueue.h"
#include "TQwinSectionLock.h"
#include "_TQCbaseList.h"
#include "_TQClocaleSet.h"
#include "_TQDfileSystem.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

const DWORD kChunk = 4096;

} // namespace

// One started child and what serves it, with the queue of its news for the
// application thread. The reader, the watcher and every wake-up on its way
// hold a reference, so that killProcess and the destructor can let a run go
// without waiting for its threads.
struct TQDwinExecuteRun : TQwinHandOverQueue {
    explicit TQDwinExecuteRun(TQDwinExecute* owner)
        : TQwinHandOverQueue(TQ_WM_USER_CHILD_PROCESS), owner(owner),
          taken(CreateSemaphoreA(nullptr, 0, 1, nullptr)),
          stop(CreateEventA(nullptr, TRUE, FALSE, nullptr))
    {
    }
    ~TQDwinExecuteRun() override
    {
        for (HANDLE* handle : {&process, &output, &input, &taken, &stop, &reader, &watcher})
            closeIfOpen(*handle);
    }
    static void closeIfOpen(HANDLE& handle)
    {
        if (handle != nullptr)
            CloseHandle(handle);
        handle = nullptr;
    }

    // Each item is one piece of news: output waits, or the child has ended.
    void deliver(void*) override { TQDwinExecute::_callback(this); }
    void discard(void*) override {}

    TQDwinExecute* owner;      // null once let go; application thread only
    HANDLE process = nullptr;
    HANDLE output = nullptr;   // our end of the child's output, overlapped
    HANDLE input = nullptr;    // our end of the child's input
    HANDLE taken;              // released whenever read or gets took output
    HANDLE stop;               // set when the run is let go
    HANDLE reader = nullptr;
    HANDLE watcher = nullptr;
    // Under the lock:
    char pending[kChunk];
    DWORD pendingCount = 0;
    bool ended = false;        // the child has ended and its output is drained
};

namespace {

bool stopped(TQDwinExecuteRun* run)
{
    return WaitForSingleObject(run->stop, 0) == WAIT_OBJECT_0 || TQGFworkersEnd();
}

// True when handle was signalled, false when the run was let go first.
bool waitUnlessStopped(TQDwinExecuteRun* run, HANDLE handle)
{
    HANDLE any[3] = {handle, run->stop, TQGFworkersEnding()};
    return WaitForMultipleObjects(3, any, FALSE, INFINITE) == WAIT_OBJECT_0;
}

// News of the run for the application thread; it does not wait for it.
void notify(TQDwinExecuteRun* run)
{
    run->handOver(run);
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

// One read of the child's output: the count read, 0 at its end or when the
// run was let go. The read is overlapped, so that letting go need not wait
// for the child to write.
DWORD readChunk(TQDwinExecuteRun* run, char* chunk, HANDLE done)
{
    OVERLAPPED overlapped = {};
    overlapped.hEvent = done;
    DWORD got = 0;
    if (!ReadFile(run->output, chunk, kChunk, nullptr, &overlapped)
        && GetLastError() != ERROR_IO_PENDING)
        return 0;
    if (!waitUnlessStopped(run, done)) {
        CancelIo(run->output);
        GetOverlappedResult(run->output, &overlapped, &got, TRUE);
        return 0;
    }
    return GetOverlappedResult(run->output, &overlapped, &got, FALSE) ? got : 0;
}

DWORD WINAPI readOutput(void* parameter)
{
    TQDwinExecuteRun* run = static_cast<TQDwinExecuteRun*>(parameter);
    char chunk[kChunk];
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    bool offered = true;
    for (;;) {
        DWORD got = done != nullptr ? readChunk(run, chunk, done) : 0;
        if (got == 0 || stopped(run))
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
    if (done != nullptr)
        CloseHandle(done);
    {
        TQwinSectionLock guard(run->lock);
        run->pendingCount = 0;
    }
    if (offered && !stopped(run))
        notify(run);  // the end of the output
    run->release();
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
    run->release();
    return 0;
}

HANDLE startThread(LPTHREAD_START_ROUTINE function, TQDwinExecuteRun* run)
{
    run->retain();
    HANDLE thread = TQGFstartWorker(function, run);
    if (thread == nullptr)
        run->release();
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

// The child's output comes through a named pipe whose end here is
// overlapped, so that its reader can be stopped while it waits for output;
// the child's end is an ordinary one. False when it cannot be made.
bool makeOutputPipe(HANDLE* output, HANDLE* childOutput)
{
    static volatile LONG made = 0;
    char name[64];
    std::snprintf(name, sizeof name, "\\\\.\\pipe\\tq-output-%lu-%ld",
                  GetCurrentProcessId(), InterlockedIncrement(&made));
    *output = CreateNamedPipeA(name, PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED
                                         | FILE_FLAG_FIRST_PIPE_INSTANCE,
                               PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT, 1, kChunk,
                               kChunk, 0, nullptr);
    if (*output == INVALID_HANDLE_VALUE) {
        *output = nullptr;
        return false;
    }
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    *childOutput = CreateFileA(name, GENERIC_WRITE, 0, &inheritable, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (*childOutput != INVALID_HANDLE_VALUE)
        return true;
    CloseHandle(*output);
    *output = nullptr;
    return false;
}

// The two pipes, whose child ends alone are inheritable.
bool makePipes(HANDLE* output, HANDLE* childOutput, HANDLE* input, HANDLE* childInput)
{
    if (!makeOutputPipe(output, childOutput))
        return false;
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    if (!CreatePipe(childInput, input, &inheritable, 0)) {
        CloseHandle(*output);
        CloseHandle(*childOutput);
        *output = nullptr;
        return false;
    }
    SetHandleInformation(*input, HANDLE_FLAG_INHERIT, 0);
    return true;
}

} // namespace

TQDwinExecute::TQDwinExecute() : run(new TQDwinExecuteRun(this))
{
}

TQDwinExecute::~TQDwinExecute()
{
    killProcess();
    run->owner = nullptr;
    run->release();
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
        TQDwinExecuteRun::closeIfOpen(run->output);
        TQDwinExecuteRun::closeIfOpen(run->input);
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
    TQDwinExecuteRun::closeIfOpen(run->input);
    // A reader may be inside a read of the output; it lets go of it last.
    if (run->reader == nullptr)
        TQDwinExecuteRun::closeIfOpen(run->output);
    run->owner = nullptr;
    run->release();
    run = new TQDwinExecuteRun(this);
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

void TQDwinExecute::_callback(TQDwinExecuteRun* news)
{
    TQDwinExecute* child = news->owner;
    if (child == nullptr)
        return;
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

TQ_PLATFORM_FACTORY(TQDexecute, TQDwinExecute, _win_execute_chandler, TQGFwinExecuteInit)
