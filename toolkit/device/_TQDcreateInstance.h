// The class-wide create handler of an abstract platform service: the
// platform layer installs a factory, and getNewInstance makes objects with
// it, or plain base objects (whose operations fail) while none is installed.
#ifndef _TQDCREATEINSTANCE_H
#define _TQDCREATEINSTANCE_H

// Place it in the public part of class Class. The handler is a function
// without arguments that returns a new Class*; the caller of getNewInstance
// owns the object.
#define TQ_CREATE_INSTANCE_FRAME(Class)                                    \
    static const char* getThisClassName() { return #Class; }              \
    static void setCreateInstanceHandler(void* handler)                    \
    {                                                                      \
        createHandlerSlot() = reinterpret_cast<Class* (*)()>(handler);     \
    }                                                                      \
    static void* getCreateInstanceHandler()                                \
    {                                                                      \
        return reinterpret_cast<void*>(createHandlerSlot());               \
    }                                                                      \
    static Class* getNewInstance()                                         \
    {                                                                      \
        Class* (*handler)() = createHandlerSlot();                         \
        return handler != nullptr ? handler() : new Class;                 \
    }                                                                      \
                                                                           \
private:                                                                   \
    static Class* (*&createHandlerSlot())()                                \
    {                                                                      \
        static Class* (*handler)() = nullptr;                              \
        return handler;                                                    \
    }                                                                      \
                                                                           \
public:

#endif
