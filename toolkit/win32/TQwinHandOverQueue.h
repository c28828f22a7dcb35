// Work that a worker thread hands to the application thread. The worker
// appends to a queue of its own and posts one wake-up (WM_USER with the
// queue's code) to the application window; the application thread takes
// one item per wake-up and posts the next wake-up only once that item is
// done. So nothing depends on a send that may time out: an item waits,
// whatever the application thread is doing, until that thread pumps its
// messages, and the items of one queue are handled in order, each one
// completely before the next. For the Win32 layer's own .cpp files.
#ifndef TQWINHANDOVERQUEUE_H
#define TQWINHANDOVERQUEUE_H

#include "TQwin32.h"

#include <cstddef>
#include <cstdint>
#include <deque>

class TQwinHandOverQueue {
public:
    // code is the wParam of the wake-up: TQ_WM_USER_CHILD_PROCESS,
    // TQ_WM_USER_SOCKET_EVENT or TQ_WM_USER_THREAD_CALLBACK. The maker
    // holds the first reference.
    explicit TQwinHandOverQueue(std::uintptr_t code);
    TQwinHandOverQueue(const TQwinHandOverQueue&) = delete;
    TQwinHandOverQueue& operator=(const TQwinHandOverQueue&) = delete;

    // The queue lives while its maker, its worker threads or a wake-up on
    // its way hold a reference; items still waiting at the end are
    // discarded.
    void retain();
    void release();

    // Any thread: appends the item; false, keeping nothing, when there is
    // no application window to take it.
    bool handOver(void* item);
    // Application thread: discards every item still waiting.
    void discardWaiting();
    std::size_t waiting();

    // The application window's handling of a wake-up; lParam is the queue.
    static void takeNext(std::intptr_t lParam);

    // Guards the items, and whatever the derived class shares between the
    // application thread and its workers.
    CRITICAL_SECTION lock;

protected:
    virtual ~TQwinHandOverQueue();
    // Application thread: one item, in the order handed over.
    virtual void deliver(void* item) = 0;
    // An item that will never be delivered; any thread.
    virtual void discard(void* item) = 0;

private:
    bool postWakeUp();

    std::uintptr_t m_code;
    volatile LONG m_references;
    std::deque<void*> m_items;
    // A wake-up is posted, or its item is being delivered.
    bool m_wakeUpOut;
};

#endif
