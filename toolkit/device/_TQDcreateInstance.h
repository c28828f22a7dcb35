// The class-wide create handler of an abstract platform service, and the
// one way a platform layer installs its factory into it.
#ifndef _TQDCREATEINSTANCE_H
#define _TQDCREATEINSTANCE_H

#include <cstddef>

#include "_TQCdevice.h"

// Place it in the public part of class Class. The handler is a function
// without arguments that returns a new Class*; it may be given typed or as
// void*. createFromHandler() makes an object with it, null while none is
// installed; the caller owns the object.
#define TQ_CREATE_HANDLER_FRAME(Class)                                     \
    typedef Class* (*CreateInstanceHandler)();                             \
    static void setCreateInstanceHandler(CreateInstanceHandler handler)    \
    {                                                                      \
        createHandlerSlot() = handler;                                     \
    }                                                                      \
    static void setCreateInstanceHandler(void* handler)                    \
    {                                                                      \
        setCreateInstanceHandler(                                          \
            reinterpret_cast<CreateInstanceHandler>(handler));             \
    }                                                                      \
    static void setCreateInstanceHandler(std::nullptr_t)                   \
    {                                                                      \
        createHandlerSlot() = nullptr;                                     \
    }                                                                      \
    static void* getCreateInstanceHandler()                                \
    {                                                                      \
        return reinterpret_cast<void*>(createHandlerSlot());               \
    }                                                                      \
    static Class* createFromHandler()                                      \
    {                                                                      \
        CreateInstanceHandler handler = createHandlerSlot();               \
        return handler != nullptr ? handler() : nullptr;                   \
    }                                                                      \
                                                                           \
private:                                                                   \
    static CreateInstanceHandler& createHandlerSlot()                      \
    {                                                                      \
        static CreateInstanceHandler handler = nullptr;                    \
        return handler;                                                    \
    }                                                                      \
                                                                           \
public:

// The frame of a service of which every user makes its own object:
// getNewInstance() makes it with the handler or, while none is installed, as
// a plain base object whose operations fail.
#define TQ_CREATE_INSTANCE_FRAME(Class)                                    \
    TQ_CREATE_HANDLER_FRAME(Class)                                         \
    static const char* getThisClassName() { return #Class; }              \
    static Class* getNewInstance()                                         \
    {                                                                      \
        CreateInstanceHandler handler = createHandlerSlot();               \
        return handler != nullptr ? handler() : new Class;                 \
    }

// The process's one object of a service reached through an accessor: made
// with the service's handler on the first call after one is installed, then
// kept for the life of the process; null while no handler is installed.
template <class Service>
Service* TQGFappInstance()
{
    static Service* instance = nullptr;
    if (instance == nullptr)
        instance = Service::createFromHandler();
    return instance;
}

// Runs installer (a function without arguments) during static
// initialisation. One line at namespace scope, without a semicolon.
#define TQ_RUN_AT_START_UP(installer)                                      \
    namespace {                                                            \
    struct installer##AtStartUp {                                          \
        installer##AtStartUp() { installer(); }                            \
    } installer##AtStartUpRun;                                             \
    }

// Makes PlatformClass the object of Service: defines the factory and the
// installer that hands it to Service, and runs the installer during static
// initialisation (device start-up may run it again). One line at namespace
// scope in the platform class's .cpp:
//     TQ_PLATFORM_FACTORY(TQDmutex, TQDwinMutex, _win_mutex_chandler, TQGFinitializeWinMutex)
#define TQ_PLATFORM_FACTORY(Service, PlatformClass, factory, installer)   \
    Service* factory() { return new PlatformClass; }                       \
    void installer() { Service::setCreateInstanceHandler(factory); }       \
    TQ_RUN_AT_START_UP(installer)

// The same for a named device kind of the device registry (TQGIappDevice):
// makes PlatformClass the device that kind names, the one place the kind is
// registered. One line at namespace scope in the platform class's .cpp:
//     TQ_PLATFORM_DEVICE("formDev", TQDwinformDev, _tqcdwinformdev_init_, registerFormDevice)
#define TQ_PLATFORM_DEVICE(kind, PlatformClass, factory, installer)       \
    TQDdev* factory() { return new PlatformClass; }                        \
    void installer() { TQGIappDevice()->setCreateHandler(kind, factory); } \
    TQ_RUN_AT_START_UP(installer)

#endif
