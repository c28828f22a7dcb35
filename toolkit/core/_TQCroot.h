// Root of every polymorphic toolkit class: the class name at run time and a
// checked cast by class name.
#ifndef _TQCROOT_H
#define _TQCROOT_H

#include <cstring>

class TQCroot {
public:
    virtual ~TQCroot();
    virtual const char* getClassName();
    // The object when name is null or names this class or one of its
    // ancestors (exact comparison), else null.
    virtual void* cast(const char* name);
    // Same answer, asked from the named class downwards; name must not be null.
    virtual void* cast2(const char* name);

    // Class-name equality of the casts: exact bytes, terminator included.
    static bool sameClassName(const char* a, const char* b)
    {
        return std::strcmp(a, b) == 0;
    }
};

// The three overrides every class derived from TQCroot carries. Place it in
// the public part of class Class, whose direct parent class is Parent.
#define TQ_ROOT_FRAME(Class, Parent)                                   \
    const char* getClassName() override { return #Class; }           \
    void* cast(const char* name) override                              \
    {                                                                  \
        if (name == nullptr)                                           \
            return this;                                               \
        if (TQCroot::sameClassName(name, #Class))                      \
            return static_cast<Class*>(this);                          \
        return Parent::cast(name);                                     \
    }                                                                  \
    void* cast2(const char* name) override                             \
    {                                                                  \
        if (TQCroot::sameClassName(name, #Class))                      \
            return static_cast<Class*>(this);                          \
        return Parent::cast2(name);                                    \
    }

#endif
