// A worker thread with its thread function, and a callback that the worker
// hands to the application thread. The base object does nothing and reports
// failure; the platform layer installs a factory for working objects.
#ifndef _TQDTHREAD_H
#define _TQDTHREAD_H

#include "_TQCroot.h"
#include "_TQDcreateInstance.h"

class TQDthread : public TQCroot {
public:
    typedef void* (*ThreadFunction)(TQDthread* thread, void* argument);
    typedef void (*CallbackFunction)(TQDthread* thread, void* data);

    TQDthread();
    ~TQDthread() override;
    TQ_ROOT_FRAME(TQDthread, TQCroot)

    // Starts the thread function with this object and the argument. 0, or -1
    // when nothing was started.
    virtual long createThread(void* argument);
    virtual long detachThread();
    // Waits for the thread to end and stores its exit value through result.
    virtual long joinThread(void** result);
    virtual long terminateThread();
    // 1 while the thread function runs, else 0.
    virtual long getStatus();
    // Runs the callback function with (this, data) on the application thread;
    // 0 when it was delivered, -2 when the application thread did not answer
    // in time, -1 on any other failure.
    virtual long execCallback(void* data);

    TQ_CREATE_INSTANCE_FRAME(TQDthread)

    void setFunction(ThreadFunction function) { threadFunction = function; }
    ThreadFunction getFunction() const { return threadFunction; }
    void setCallbackFunction(CallbackFunction function) { callbackFunction = function; }
    CallbackFunction getCallbackFunction() const { return callbackFunction; }

protected:
    void* threadData;
    ThreadFunction threadFunction;
    CallbackFunction callbackFunction;
};

#endif
