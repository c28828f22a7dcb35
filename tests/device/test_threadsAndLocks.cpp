// The base thread, mutex and semaphore that a program without a platform
// factory gets: every operation reports its base result.
#include "_TQDmutex.h"
#include "_TQDsemaphore.h"
#include "_TQDthread.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Clears a class's create handler for one test and puts it back after.
template <class Service>
class NoHandler {
public:
    NoHandler() : saved(Service::getCreateInstanceHandler())
    {
        Service::setCreateInstanceHandler(nullptr);
    }
    ~NoHandler() { Service::setCreateInstanceHandler(saved); }

private:
    void* saved;
};

} // namespace

TEST(ThreadBase, WithoutHandlerGivesBaseObjectsThatFail)
{
    NoHandler<TQDthread> noHandler;
    std::unique_ptr<TQDthread> thread(TQDthread::getNewInstance());
    EXPECT_STREQ("TQDthread", thread->getClassName());
    thread->setFunction([](TQDthread*, void* a) { return a; });
    EXPECT_EQ(-1, thread->createThread(nullptr));
    EXPECT_EQ(-1, thread->detachThread());
    void* result = reinterpret_cast<void*>(3);
    EXPECT_EQ(0, thread->joinThread(&result));
    EXPECT_EQ(reinterpret_cast<void*>(3), result) << "nothing stored";
    EXPECT_EQ(0, thread->terminateThread());
    EXPECT_EQ(0, thread->getStatus());
    int calls = 0;
    thread->setCallbackFunction([](TQDthread*, void* c) { ++*static_cast<int*>(c); });
    EXPECT_EQ(0, thread->execCallback(&calls));
    EXPECT_EQ(0, calls);
}

TEST(LockBase, WithoutHandlerEveryOperationFails)
{
    NoHandler<TQDmutex> noMutexHandler;
    NoHandler<TQDsemaphore> noSemaphoreHandler;
    std::unique_ptr<TQDmutex> mutex(TQDmutex::getNewInstance());
    std::unique_ptr<TQDsemaphore> semaphore(TQDsemaphore::getNewInstance());
    EXPECT_STREQ("TQDmutex", mutex->getClassName());
    EXPECT_STREQ("TQDsemaphore", semaphore->getClassName());
    EXPECT_EQ(-1, mutex->initialize());
    EXPECT_EQ(-1, mutex->lock());
    EXPECT_EQ(-1, mutex->trylock());
    EXPECT_EQ(-1, mutex->unlock());
    EXPECT_EQ(-1, mutex->destroy());
    EXPECT_EQ(-1, semaphore->initialize());
    EXPECT_EQ(-1, semaphore->lock());
    EXPECT_EQ(-1, semaphore->unlock());
    EXPECT_EQ(-1, semaphore->destroy());
}
