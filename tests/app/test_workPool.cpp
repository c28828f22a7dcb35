// The pool of worker threads that shares the analysis.
#include "workPool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <vector>

namespace {

struct Calls {
    explicit Calls(long count) : times(new std::atomic<int>[count]()), count(count) {}
    std::unique_ptr<std::atomic<int>[]> times;
    long count;
    std::atomic<int> badThread{0};
};

} // namespace

TEST(WorkPool, EveryIndexOfEveryRunIsCalledOnceOnAThreadOfThePool)
{
    // Runs of every length one right after the other, as the analysis makes
    // them.
    for (long count = 1; count <= 300; count += count < 40 ? 1 : 37) {
        Calls calls(count);
        auto task = [&](long i, int thread) {
            calls.times[i].fetch_add(1);
            if (thread < 0 || thread >= poolThreads())
                calls.badThread.fetch_add(1);
        };
        runInPool(count, task);
        for (long i = 0; i < count; ++i)
            ASSERT_EQ(1, calls.times[i].load()) << "index " << i << " of " << count;
        ASSERT_EQ(0, calls.badThread.load()) << count;
    }
}

TEST(WorkPool, ARunFromInsideATaskRunsInOrderOnThatTasksThread)
{
    std::vector<std::vector<long>> inner(8);
    std::atomic<int> otherThread{0};
    auto outer = [&](long i, int thread) {
        auto nested = [&](long j, int innerThread) {
            inner[i].push_back(j);
            if (innerThread != thread)
                otherThread.fetch_add(1);
        };
        runInPool(5, nested);
    };
    runInPool(8, outer);
    for (const auto& calls : inner)
        EXPECT_EQ(std::vector<long>({0, 1, 2, 3, 4}), calls);
    EXPECT_EQ(0, otherThread.load());
}

TEST(WorkPool, TheCallingThreadsOwnWorkRunsBesideTheCallsAndRunsItsRunsItself)
{
    std::atomic<long> calls{0};
    auto task = [&](long, int) { calls.fetch_add(1); };
    struct Own {
        int ran = 0;
        std::vector<int> nestedThreads;
    } own;
    runInPoolBeside(
        64, [](void* c, long i, int t) { (*static_cast<decltype(task)*>(c))(i, t); }, &task,
        [](void* c) {
            Own* o = static_cast<Own*>(c);
            ++o->ran;
            auto inner = [&](long, int thread) { o->nestedThreads.push_back(thread); };
            runInPool(3, inner);
        },
        &own);
    EXPECT_EQ(64, calls.load());
    EXPECT_EQ(1, own.ran);
    EXPECT_EQ(std::vector<int>({0, 0, 0}), own.nestedThreads) << "on the calling thread";
}
