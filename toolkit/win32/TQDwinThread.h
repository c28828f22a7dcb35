// Worker threads on Win32 threads. The thread's bookkeeping (handle, running
// mark, exit value) lives in a block shared by the object and its thread, so
// that either may go first; callbacks reach the application thread through
// the block's hand-over queue, woken by the private WM_USER message 3.
#ifndef TQDWINTHREAD_H
#define TQDWINTHREAD_H

#include "_TQDthread.h"

struct TQDwinThreadBlock;

class TQDwinThread : public TQDthread {
public:
    TQDwinThread();
    ~TQDwinThread() override;
    TQ_ROOT_FRAME(TQDwinThread, TQDthread)

    // -1 without a thread function, while a thread runs, or when the
    // platform could not start one.
    long createThread(void* argument) override;
    long detachThread() override;
    // Waits for a started thread, also one that has already ended, and
    // stores its exit value: 0. -1 when no thread was started since the
    // last join, or the wait failed.
    long joinThread(void** result) override;
    // Ends a running thread at once, without running any more of its
    // function: 0; -1 when no thread runs.
    long terminateThread() override;
    long getStatus() override;
    // Runs the callback function with data on the application thread: 0
    // once it has run there; -2 when it has not within a second (it still
    // runs once the application thread takes it); -1 without an
    // application window. Called on the application thread, it runs at once.
    long execCallback(void* data) override;

private:
    static unsigned long __stdcall _thread_start_handler(void* parameter);

    TQDwinThreadBlock* block;
};

TQDthread* _win_th_chandler();
void TQGFinitializeWinThread();

#endif
