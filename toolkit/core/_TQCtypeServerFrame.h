// The type-server companion every serialisable class carries, written once:
// a class module adds its companion with one line at namespace scope,
//     TQ_TYPE_SERVER_FRAME(TQCform, TQCbase);
// and a root type names its own four handlers instead,
//     TQ_ROOT_TYPE_SERVER_FRAME(TQCbase, _base_create, _base_delete, _base_save, _base_load);
#ifndef _TQCTYPESERVERFRAME_H
#define _TQCTYPESERVERFRAME_H

#include <type_traits>

#include "_TQCbase.h"
#include "_TQCtypeServer.h"

class TQDserialize;

// The steps that every companion shares. A toolkit object travels through
// the serialisers as a void* holding its TQCbase*.
class TQCtypeServerFrame {
public:
    // Type name, the direct parent's name (null for a root) and the handlers.
    static void setUp(TQCtypeServer* server, const char* type, const char* parent,
                      TQCtypeServer::CreateHandler create, TQCtypeServer::DeleteHandler del,
                      TQCtypeServer::SaveHandler save, TQCtypeServer::LoadHandler load);

    // obj when className is the server's type or one of its ancestors, found
    // along the chain of direct parents; null otherwise.
    static void* parentClassPtr(TQCtypeServer* server, const char* className, void* obj);

    // The create handler of a class: the object made by its creator with
    // the parent and no name, initialised. A top-level window may have no
    // parent; any other object without one is deleted again and null given.
    template <class Class>
    static void* create(void* parent)
    {
        return initializeCreated(Class::createInstance(static_cast<TQCbase*>(parent), ""),
                                 parent);
    }
    static void* initializeCreated(TQCbase* object, void* parent);

    // The delete handler of a class: the virtual destructor; null is ignored.
    static void deleteObject(void* obj);

    // True when Class declares createInstance itself rather than inheriting
    // its parent's, which would make objects of the wrong class.
    template <class Class, class Parent>
    static constexpr bool ownsCreateInstance()
    {
        if constexpr (HasCreateInstance<Parent>::value)
            return &Class::createInstance != &Parent::createInstance;
        else
            return true;
    }

private:
    template <class T, class = void>
    struct HasCreateInstance : std::false_type {};
    template <class T>
    struct HasCreateInstance<T, std::void_t<decltype(&T::createInstance)>> : std::true_type {};
};

// Base of the companions: a class is found among the ancestors along the
// chain of direct parents.
class TQCframeTypeServer : public TQCtypeServer {
public:
    void* getParentClassPtr(const char* name, void* obj) override
    {
        return TQCtypeServerFrame::parentClassPtr(this, name, obj);
    }
};

// Companion of class Class, whose direct parent class is Parent: the four
// handlers Class_create, Class_delete, Class_save and Class_load (saving and
// loading are the root's work), the class Class_dr_client and its single
// instance Class_ins_dc, which registers the type with the conductor and
// Class::createInstance under the class name; the registration by name is
// withdrawn again at static destruction.
#define TQ_TYPE_SERVER_FRAME(Class, Parent)                                            \
    static_assert(TQCtypeServerFrame::ownsCreateInstance<Class, Parent>(),             \
                  #Class " must declare its own createInstance");                      \
    void* Class##_create(void* parent) { return TQCtypeServerFrame::create<Class>(parent); } \
    void Class##_delete(void* obj) { TQCtypeServerFrame::deleteObject(obj); }          \
    void Class##_save(TQDserialize*, void*) {}                                         \
    void Class##_load(TQDserialize*, void*) {}                                         \
    class Class##_dr_client : public TQCframeTypeServer {                              \
    public:                                                                            \
        Class##_dr_client()                                                            \
        {                                                                              \
            TQCtypeServerFrame::setUp(this, #Class, #Parent, Class##_create,           \
                                      Class##_delete, Class##_save, Class##_load);     \
            TQCbase::setCreateHandler(#Class, Class::createInstance);                  \
        }                                                                              \
        ~Class##_dr_client() override { TQCbase::setCreateHandler(#Class, nullptr); }  \
    };                                                                                 \
    Class##_dr_client Class##_ins_dc

// Companion of a root type Class with its own handlers; it has no parent and
// registers no creator by name.
#define TQ_ROOT_TYPE_SERVER_FRAME(Class, CreateFn, DeleteFn, SaveFn, LoadFn)            \
    class Class##_dr_client : public TQCframeTypeServer {                              \
    public:                                                                            \
        Class##_dr_client()                                                            \
        {                                                                              \
            TQCtypeServerFrame::setUp(this, #Class, nullptr, CreateFn, DeleteFn, SaveFn, \
                                      LoadFn);                                         \
        }                                                                              \
    };                                                                                 \
    Class##_dr_client Class##_ins_dc

#endif
