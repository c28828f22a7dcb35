// The base thread, mutex and semaphore that a program without a platform
// factory gets: none of them reports a thread or a lock it cannot give.
#include "_TQDmutex.h"
#include "_TQDsemaphore.h"
#include "_TQDthread.h"

#include <gtest/gtest.h>

#include <memory>

TEST(ThreadAndLockBase, WithoutHandlerNothingStartsAndNothingLocks)
{
    std::unique_ptr<TQDthread> thread(TQDthread::getNewInstance());
    std::unique_ptr<TQDmutex> mutex(TQDmutex::getNewInstance());
    std::unique_ptr<TQDsemaphore> semaphore(TQDsemaphore::getNewInstance());

    thread->setFunction([](TQDthread*, void* a) { return a; });
    EXPECT_EQ(-1, thread->createThread(nullptr));
    EXPECT_EQ(0, thread->getStatus());
    int calls = 0;
    thread->setCallbackFunction([](TQDthread*, void* c) { ++*static_cast<int*>(c); });
    EXPECT_EQ(0, thread->execCallback(&calls));
    EXPECT_EQ(0, calls);

    EXPECT_EQ(-1, mutex->initialize());
    EXPECT_EQ(-1, mutex->lock());
    EXPECT_EQ(-1, mutex->trylock());
    EXPECT_EQ(-1, semaphore->initialize());
    EXPECT_EQ(-1, semaphore->lock());
}
