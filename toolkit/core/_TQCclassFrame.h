// The frame every class derived from TQCbase carries, written once: one line
// in the class gives it its name, casts, class record, version check and
// creator, and its first construction registers the properties and triggers.
//
//     class TQCgauge : public TQCnwbase {
//     public:
//         TQ_CLASS_FRAME(TQCgauge, TQCnwbase, 1000, 1000)
//         TQCgauge(TQCbase* parent, const char* name);
//         ~TQCgauge() override { delete[] m_labelString; }
//         TQ_PROPERTY_HOOKS(value, short)
//         TQ_PROPERTY_HOOKS(labelString, char*)
//     protected:
//         short m_value = 0;
//         char* m_labelString = nullptr;
//     };
//
//     TQCgauge::TQCgauge(TQCbase* parent, const char* name) : TQCnwbase(parent, name)
//     {
//         TQCregisterClass(this, VERSION, [](Registrar& r) {
//             r.watched<&TQCgauge::m_value>(_TQNvalue(), 0, TQ_HOOKS(value), {_TQSvalue()});
//             r.watched<&TQCgauge::m_labelString>(_TQNlabelString(), nullptr,
//                                                 TQ_HOOKS(labelString));
//             r.changeDefault<&TQCgauge::m_width>(_TQNwidth(), 80);
//             r.triggers({TQEV_EXPOSE, TQEV_VALUE_CH});
//         });
//     }
//
// A TQCbool member registers as TQCflag<&TQCgauge::m_on>; a bit field through
// the slot TQ_BIT_FIELD_SLOT declares (TQCflagOf<m_packedSlot> for a flag).
// The registrar's forms are in _TQCclassRegistrar.h.
#ifndef _TQCCLASSFRAME_H
#define _TQCCLASSFRAME_H

#include "_TQCbase.h"
#include "_TQCclassRegistrar.h"

// Place it in the public part of class Class, whose direct parent class is
// Parent; Class is version Version, built against version ParentVersion of
// Parent. createInstance constructs without initialising. VERSION is the
// constant the constructor registers with.
#define TQ_CLASS_FRAME(Class, Parent, Version, ParentVersion)                    \
    enum { VERSION = (Version) };                                                \
    typedef Class ThisClass;                                                     \
    typedef TQCclassRegistrar<Class> Registrar;                                  \
    static const char* getThisClassName() { return #Class; }                     \
    static TQCbase* createInstance(TQCbase* parent, const char* name)            \
    {                                                                            \
        return new Class(parent, name);                                          \
    }                                                                            \
    TQ_ROOT_FRAME(Class, Parent)                                                 \
    TQ_CLASS_INFORMATION_FRAME(Class, Parent)                                    \
    TQ_VERSION_FRAME(Class, Parent, VERSION, ParentVersion)

// The set and get hooks of property prop kept as a Type: they do nothing
// until a class overrides them.
#define TQ_PROPERTY_HOOKS(prop, Type)                                            \
    virtual void setWorkTQN##prop(Type) {}                                       \
    virtual void getWorkTQN##prop(Type*) {}

// The same pair, with a set hook that the class defines itself.
#define TQ_PROPERTY_WORK_HOOK(prop, Type)                                        \
    virtual void setWorkTQN##prop(Type);                                         \
    virtual void getWorkTQN##prop(Type*) {}

// The same pair, with both hooks defined by the class itself.
#define TQ_PROPERTY_OWN_HOOKS(prop, Type)                                        \
    virtual void setWorkTQN##prop(Type);                                         \
    virtual void getWorkTQN##prop(Type*);

// The hook pair of prop, as a watched property registers it.
#define TQ_HOOKS(prop) &ThisClass::setWorkTQN##prop, &ThisClass::getWorkTQN##prop

// Declares fieldSlot, the slot of bit field field of the class (declared
// before it): the value travels as the field's declared type and is stored
// masked to the field's width.
#define TQ_BIT_FIELD_SLOT(field)                                                 \
    struct field##Slot {                                                         \
        typedef decltype(ThisClass::field) Value;                                \
        static const char* typeText() { return TQCpropertyTypeText<Value>(); }   \
        static Value read(ThisClass* object) { return object->field; }           \
        static void write(ThisClass* object, Value value) { object->field = value; } \
    };

// Slots of the properties every widget keeps in its TQCbase part.
//   TQCnameSlot      "name": the object's name (null while unnamed); the
//                    class registers it with setInit(0), so that the default
//                    does not undo the name it was made with.
//   TQCvisSlot       "vis": the own-visible flag; stored by the set hook,
//                    which shows or hides the object.
//   TQCdetSlot       "det": the program's own sensitivity; stored by the
//                    set hook.
//   TQCexportSlot    "export": the exported state, with its list entries.
//   TQCkeepPixmapCacheSlot  "keepPixmapCache".
struct TQCnameSlot {
    typedef char* Value;
    static const char* typeText() { return "char*"; }
    static char* read(TQCbase* object) { return object->getNameText(); }
    static void write(TQCbase* object, char* value) { object->adoptName(value); }
};

struct TQCvisSlot {
    typedef TQCbool Value;
    static constexpr bool storedByHook = true;
    static const char* typeText() { return "TQCbool"; }
    static TQCbool read(TQCbase* object) { return object->getOwnVisible(); }
    static void write(TQCbase*, TQCbool) {}
};

struct TQCdetSlot {
    typedef TQCbool Value;
    static constexpr bool storedByHook = true;
    static const char* typeText() { return "TQCbool"; }
    static TQCbool read(TQCbase* object) { return object->_get_sensitive_work(); }
    static void write(TQCbase*, TQCbool) {}
};

struct TQCexportSlot {
    typedef TQCbool Value;
    static const char* typeText() { return "TQCbool"; }
    static TQCbool read(TQCbase* object) { return object->getExported(); }
    static void write(TQCbase* object, TQCbool value) { object->setExported(value); }
};

struct TQCkeepPixmapCacheSlot {
    typedef TQCbool Value;
    static const char* typeText() { return "TQCbool"; }
    static TQCbool read(TQCbase* object) { return object->getKeepPixmapCache(); }
    static void write(TQCbase* object, TQCbool value) { object->setKeepPixmapCache(value); }
};

#endif
