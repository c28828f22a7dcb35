// The pool: one slot that holds the current run. Workers that have just
// finished a run keep watching the slot for a while, since the analysis
// starts runs one right after the other; after that they sleep until the
// next one. A run ends when all its calls have returned, whatever the
// workers that took none are doing.
#include "workPool.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <emmintrin.h>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// Longer than the gaps between the runs of one analysis, short enough that
// idle workers soon leave the processors to others.
const std::chrono::microseconds watchTime(500);
const unsigned maxThreads = 16;

// The thread number inside a run, and whether this thread is in one.
thread_local int t_thread = 0;
thread_local bool t_inRun = false;

// The floating-point control words of a thread: rounding and precision.
struct FloatingPointSettings {
    unsigned short x87;
    unsigned sse;
};

FloatingPointSettings settingsOfThisThread()
{
    FloatingPointSettings settings;
    __asm__ volatile("fnstcw %0" : "=m"(settings.x87));
    settings.sse = _mm_getcsr();
    return settings;
}

void takeSettings(const FloatingPointSettings& settings)
{
    __asm__ volatile("fldcw %0" : : "m"(settings.x87));
    _mm_setcsr(settings.sse);
}

class Pool {
public:
    // Workers compute with the floating-point settings of the thread that
    // starts the pool, so that they get its results to the bit.
    // Returns once every worker runs its own code: a thread the system has
    // only begun to start must not meet the end of the process.
    Pool() : m_settings(settingsOfThisThread())
    {
        unsigned threads = std::thread::hardware_concurrency();
        threads = threads < 1 ? 1 : threads > maxThreads ? maxThreads : threads;
        for (unsigned t = 1; t < threads; ++t)
            m_workers.emplace_back([this, t] { work(static_cast<int>(t)); });
        std::unique_lock<std::mutex> lock(m_mutex);
        m_wake.wait(lock, [&] { return m_started == m_workers.size(); });
    }
    ~Pool()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stopping = true;
        }
        m_wake.notify_all();
        for (std::thread& worker : m_workers)
            worker.join();
    }
    Pool(const Pool&) = delete;
    Pool& operator=(const Pool&) = delete;

    int threads() const { return static_cast<int>(m_workers.size()) + 1; }

    void run(long count, PoolTask task, void* context, void (*own)(void*), void* ownContext)
    {
        // One run at a time, whichever thread asks.
        std::lock_guard<std::mutex> running(m_running);
        const unsigned generation = open(count, task, context);
        t_inRun = true;
        if (own)
            own(ownContext);
        take(generation, task, context, count, 0);
        t_inRun = false;
        while (m_done.load() < count)
            _mm_pause();
    }

private:
    // The ticket holds the run's generation above the next index, so that a
    // worker still holding on to an earlier run can take no index of this one.
    static unsigned generationOf(unsigned long long ticket) { return ticket >> 32; }

    unsigned open(long count, PoolTask task, void* context)
    {
        m_task.store(task);
        m_context.store(context);
        m_count.store(count);
        m_done.store(0);
        const unsigned generation = generationOf(m_ticket.load()) + 1;
        m_ticket.store(static_cast<unsigned long long>(generation) << 32);
        if (m_sleepers.load() > 0) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_wake.notify_all();
        }
        return generation;
    }

    void take(unsigned generation, PoolTask task, void* context, long count, int thread)
    {
        unsigned long long ticket = m_ticket.load();
        while (generationOf(ticket) == generation &&
               static_cast<long>(ticket & 0xFFFFFFFFu) < count) {
            if (!m_ticket.compare_exchange_weak(ticket, ticket + 1))
                continue;
            task(context, static_cast<long>(ticket & 0xFFFFFFFFu), thread);
            m_done.fetch_add(1);
            ticket = m_ticket.load();
        }
    }

    void work(int thread)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            ++m_started;
        }
        m_wake.notify_all();
        takeSettings(m_settings);
        t_thread = thread;
        unsigned seen = generationOf(m_ticket.load());
        while (waitForRun(&seen)) {
            // The run's fields, read between two looks at its generation.
            const PoolTask task = m_task.load();
            void* const context = m_context.load();
            const long count = m_count.load();
            if (generationOf(m_ticket.load()) != seen)
                continue;
            t_inRun = true;
            take(seen, task, context, count, thread);
            t_inRun = false;
        }
    }

    // False when the pool stops; otherwise *seen becomes the new generation.
    bool waitForRun(unsigned* seen)
    {
        const auto until = std::chrono::steady_clock::now() + watchTime;
        for (unsigned spins = 0;; ++spins) {
            const unsigned g = generationOf(m_ticket.load());
            if (g != *seen) {
                *seen = g;
                return true;
            }
            if (spins % 64 == 63 && std::chrono::steady_clock::now() > until)
                break;
            _mm_pause();
        }
        std::unique_lock<std::mutex> lock(m_mutex);
        m_sleepers.fetch_add(1);
        m_wake.wait(lock, [&] { return m_stopping || generationOf(m_ticket.load()) != *seen; });
        m_sleepers.fetch_sub(1);
        *seen = generationOf(m_ticket.load());
        return !m_stopping;
    }

    const FloatingPointSettings m_settings;
    std::vector<std::thread> m_workers;
    std::mutex m_running;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
    std::size_t m_started = 0;
    std::atomic<int> m_sleepers{0};

    std::atomic<unsigned long long> m_ticket{0};
    std::atomic<PoolTask> m_task{nullptr};
    std::atomic<void*> m_context{nullptr};
    std::atomic<long> m_count{0};
    std::atomic<long> m_done{0};
};

Pool& pool()
{
    static Pool p;
    return p;
}

} // namespace

int poolThreads()
{
    return pool().threads();
}

void runInPoolBeside(long count, PoolTask task, void* context, void (*own)(void*),
                     void* ownContext)
{
    if (t_inRun || count <= 1 || pool().threads() == 1) {
        const bool outer = t_inRun;
        t_inRun = true;
        if (own)
            own(ownContext);
        for (long i = 0; i < count; ++i)
            task(context, i, t_thread);
        t_inRun = outer;
        return;
    }
    pool().run(count, task, context, own, ownContext);
}

void runInPool(long count, PoolTask task, void* context)
{
    runInPoolBeside(count, task, context, nullptr, nullptr);
}
