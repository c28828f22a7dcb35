// The base thread, mutex and semaphore: names, casts, factories and the
// results of their own operations.
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

class MarkedThread : public TQDthread {};
TQDthread* makeMarkedThread() { return new MarkedThread; }

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

TEST(ThreadBase, HoldsItsFunctionsAndUsesTheInstalledHandler)
{
    TQDthread thread;
    EXPECT_EQ(nullptr, thread.getFunction());
    EXPECT_EQ(nullptr, thread.getCallbackFunction());
    TQDthread::ThreadFunction function = [](TQDthread*, void*) -> void* { return nullptr; };
    TQDthread::CallbackFunction callback = [](TQDthread*, void*) {};
    thread.setFunction(function);
    thread.setCallbackFunction(callback);
    EXPECT_EQ(function, thread.getFunction());
    EXPECT_EQ(callback, thread.getCallbackFunction());

    NoHandler<TQDthread> restore;
    TQDthread::setCreateInstanceHandler(reinterpret_cast<void*>(makeMarkedThread));
    EXPECT_EQ(reinterpret_cast<void*>(makeMarkedThread), TQDthread::getCreateInstanceHandler());
    std::unique_ptr<TQDthread> made(TQDthread::getNewInstance());
    EXPECT_NE(nullptr, dynamic_cast<MarkedThread*>(made.get()));
}

TEST(ThreadBase, CastsAnswerOwnNameRootAndNull)
{
    TQDthread thread;
    EXPECT_EQ(&thread, thread.cast(nullptr));
    EXPECT_EQ(&thread, thread.cast("TQDthread"));
    EXPECT_EQ(&thread, thread.cast("TQCroot"));
    EXPECT_EQ(nullptr, thread.cast("TQDmutex"));
    EXPECT_EQ(&thread, thread.cast2("TQDthread"));
    EXPECT_EQ(nullptr, thread.cast2("TQDthreadX"));
    EXPECT_STREQ("TQDthread", TQDthread::getThisClassName());
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
    EXPECT_EQ(semaphore.get(), semaphore->cast("TQCroot"));
    EXPECT_EQ(nullptr, semaphore->cast("TQDmutex"));
    EXPECT_EQ(mutex.get(), mutex->cast2("TQDmutex"));
}
