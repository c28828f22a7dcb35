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
// the slot TQ_BIT_FIELD_SLOT declares (TQCflagOf<m_packedSlot> for a flag);
// a value kept in the TQCbase part through its slot in TQCbaseSlots. A hook
// with work of its own is declared by TQ_PROPERTY_WORK_HOOK and defined in
// the class's source. The registrar's forms are in _TQCclassRegistrar.h.
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

// Slots of the properties every widget keeps in its TQCbase part. A write
// only stores; the set hook does the work (setVisible, setSensitive,
// setExported), which then sees the change. So the flags are stored where
// the base keeps the program's wish: vis in the own-visible bit (the shown
// bit still holds the old state), det in the saved sensitivity (edit mode
// keeps the object sensitive), export in the export state.
struct TQCbaseSlots {
    struct Flag {
        typedef TQCbool Value;
        static const char* typeText() { return "TQCbool"; }
    };
    // The name is taken over as handed in (the caller frees the old one);
    // its hash follows, so the object is found under its new name.
    struct Name {
        typedef char* Value;
        static const char* typeText() { return "char*"; }
        static char* read(TQCbase* object) { return object->instanceName; }
        static void write(TQCbase* object, char* name)
        {
            object->instanceName = name;
            object->state.nameHash = name != nullptr ? TQCclassInformation::getNameHash(name) : 0;
        }
    };
    struct UserString {
        typedef char* Value;
        static const char* typeText() { return "char*"; }
        static char* read(TQCbase* object) { return object->userString; }
        static void write(TQCbase* object, char* text) { object->userString = text; }
    };
    struct UserValue {
        typedef long Value;
        static const char* typeText() { return "long"; }
        static long read(TQCbase* object) { return object->userValue; }
        static void write(TQCbase* object, long value) { object->userValue = value; }
    };
    struct Visible : Flag {
        static TQCbool read(TQCbase* object) { return object->state.ownVisible; }
        static void write(TQCbase* object, TQCbool on) { object->state.ownVisible = on & 1; }
    };
    struct Sensitive : Flag {
        static TQCbool read(TQCbase* object) { return object->state.ownSensitiveSaved; }
        static void write(TQCbase* object, TQCbool on)
        {
            object->state.ownSensitiveSaved = on & 1;
        }
    };
    struct Exported : Flag {
        static TQCbool read(TQCbase* object) { return object->state.exportState; }
        static void write(TQCbase* object, TQCbool on) { object->state.exportState = on & 1; }
    };
    struct KeepPixmapCache : Flag {
        static TQCbool read(TQCbase* object) { return object->state.keepPixmapCache; }
        static void write(TQCbase* object, TQCbool on)
        {
            object->state.keepPixmapCache = on & 1;
        }
    };
};

#endif
