// Child processes on Win32: pipes for the child's standard streams, a
// reader thread that hands each piece of output to the application thread,
// and a watcher that reports the child's end. Both threads reach the
// application thread through the run's hand-over queue, woken by the
// private WM_USER message 1.
#ifndef TQDWINEXECUTE_H
#define TQDWINEXECUTE_H

#include "_TQDexecute.h"

struct TQDwinExecuteRun;

class TQDwinExecute : public TQDexecute {
public:
    TQDwinExecute();
    ~TQDwinExecute() override;
    TQ_ROOT_FRAME(TQDwinExecute, TQDexecute)

    // Ends any earlier child first. -1 for a null command, a working
    // directory that cannot be entered, or a child that cannot be started.
    long execute(const char* command, long mode) override;
    long killProcess() override;
    // -1 only when output is pending in a mode that does not collect it.
    long read(char* buffer, long length) override;
    // Null also for a size below 2, which has no room for any byte.
    char* gets(char* buffer, long size) override;
    // -1 outside modes 2 and 3; 0 when the write failed.
    long write(const char* buffer, long length) override;

    // One piece of news of a run, on the application thread: runs the
    // receive procedure and, once the child has ended, releases everything.
    // News of a child that was killed or whose object is gone is dropped.
    static void _callback(TQDwinExecuteRun* news);

private:
    long startChild(char* commandLine, long pipeMode);
    void startThreads(long pipeMode);
    // Lets the current run go on by itself to its end and takes a fresh one.
    void letRunGo();

    TQDwinExecuteRun* run;
};

TQDexecute* _win_execute_chandler();
void TQGFwinExecuteInit();

#endif
