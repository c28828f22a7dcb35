// A worker's queue of work for the application thread, woken by posted
// messages one at a time.
#include "TQwinHandOverQueue.h"

#include "TQGFwinAppWindow.h"
#include "TQwinSectionLock.h"

#include <algorithm>

TQwinHandOverQueue::TQwinHandOverQueue(std::uintptr_t code)
    : m_code(code), m_references(1), m_wakeUpOut(false)
{
    InitializeCriticalSection(&lock);
}

TQwinHandOverQueue::~TQwinHandOverQueue()
{
    DeleteCriticalSection(&lock);
}

void TQwinHandOverQueue::retain()
{
    InterlockedIncrement(&m_references);
}

void TQwinHandOverQueue::release()
{
    if (InterlockedDecrement(&m_references) != 0)
        return;
    discardWaiting();
    delete this;
}

// The wake-up carries a reference of its own.
bool TQwinHandOverQueue::postWakeUp()
{
    HWND window = TQGFgetAppWindow();
    retain();
    if (window != nullptr
        && PostMessageA(window, WM_USER, m_code, reinterpret_cast<LPARAM>(this)))
        return true;
    release();
    return false;
}

bool TQwinHandOverQueue::handOver(void* item)
{
    if (TQGFgetAppWindow() == nullptr)
        return false;
    bool post = false;
    {
        TQwinSectionLock guard(lock);
        m_items.push_back(item);
        post = !m_wakeUpOut;
        m_wakeUpOut = true;
    }
    if (!post || postWakeUp())
        return true;
    TQwinSectionLock guard(lock);
    m_items.erase(std::find(m_items.begin(), m_items.end(), item));
    m_wakeUpOut = false;
    return false;
}

void TQwinHandOverQueue::discardWaiting()
{
    std::deque<void*> dropped;
    {
        TQwinSectionLock guard(lock);
        dropped.swap(m_items);
    }
    for (void* item : dropped)
        discard(item);
}

std::size_t TQwinHandOverQueue::waiting()
{
    TQwinSectionLock guard(lock);
    return m_items.size();
}

// While an item is delivered no other wake-up of this queue is out, so a
// delivery that pumps messages (a modal loop) never starts the next item of
// its own queue; other queues go on.
void TQwinHandOverQueue::takeNext(std::intptr_t lParam)
{
    TQwinHandOverQueue* queue = reinterpret_cast<TQwinHandOverQueue*>(lParam);
    if (queue == nullptr)
        return;
    void* item = nullptr;
    {
        TQwinSectionLock guard(queue->lock);
        if (!queue->m_items.empty()) {
            item = queue->m_items.front();
            queue->m_items.pop_front();
        }
    }
    if (item != nullptr)
        queue->deliver(item);
    bool more = false;
    {
        TQwinSectionLock guard(queue->lock);
        more = !queue->m_items.empty();
        queue->m_wakeUpOut = more;
    }
    // Without a window for the next wake-up, the next hand-over posts one.
    if (more && !queue->postWakeUp()) {
        TQwinSectionLock guard(queue->lock);
        queue->m_wakeUpOut = false;
    }
    queue->release();
}
