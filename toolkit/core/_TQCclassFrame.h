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
//             TQ_WATCH(r, value, 0);
//             TQ_WATCH(r, labelString, nullptr);
//             r.changeDefault<&TQCgauge::m_width>(_TQNwidth(), 80);
//             r.triggers({TQEV_EXPOSE, TQEV_VALUE_CH});
//         });
//     }
//
// TQ_WATCH takes a choice table as a fourth argument (TQ_WATCH(r, align, 0,
// alignmentH)); a bit field registers with TQ_WATCH_BITS through the slot
// TQ_BIT_FIELD_SLOT declares, a TQCbool bit field with TQ_WATCH_FLAG, a
// value kept elsewhere with TQ_WATCH_SLOT. A class that an extended look can
// paint adds one look line, TQ_LOOK_HOOK (_TQClookHook.h). The registrar's
// own forms are in _TQCclassRegistrar.h.
#ifndef _TQCCLASSFRAME_H
#define _TQCCLASSFRAME_H

#include "_TQCbase.h"
#include "_TQCclassRegistrar.h"
#include "_TQN.h"
#include "_TQR.h"
#include "_TQS.h"

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

// The hooks of the properties every widget keeps in its TQCbase part, as
// TQCbaseProperties registers them: name, userString and userValue have none;
// vis shows or hides; det sets the sensitivity, except in edit mode, which
// keeps the object sensitive.
#define TQ_IDENTITY_HOOKS                                                        \
    TQ_PROPERTY_HOOKS(name, char*)                                               \
    TQ_PROPERTY_HOOKS(userString, char*)                                         \
    TQ_PROPERTY_HOOKS(userValue, long)
#define TQ_VIS_HOOKS                                                             \
    virtual void setWorkTQNvis(TQCbool on) { setVisible(on); }                   \
    virtual void getWorkTQNvis(TQCbool*) {}
#define TQ_DET_HOOKS                                                             \
    virtual void setWorkTQNdet(TQCbool on)                                       \
    {                                                                            \
        if (!getPropertyEditMode())                                              \
            setSensitive(on);                                                    \
    }                                                                            \
    virtual void getWorkTQNdet(TQCbool*) {}

// The hook pair of prop, as a watched property registers it.
#define TQ_HOOKS(prop) &ThisClass::setWorkTQN##prop, &ThisClass::getWorkTQN##prop

// One line a watched property, its name written once: the name _TQNprop(),
// the hooks of prop and the builder title _TQSprop(), with the choices
// _TQRchoice() and _TQRchoiceD() when a choice table is named. r is the
// class's registrar; each form yields the TQCproperty*.
//   TQ_WATCH(r, prop, def [, choice])             kept in the member m_prop
//   TQ_WATCH_BITS(r, prop, def [, choice])        kept in the bit field m_prop
//                                                 (TQ_BIT_FIELD_SLOT(m_prop))
//   TQ_WATCH_FLAG(r, prop, def, choice)           a TQCbool bit field m_prop
//   TQ_WATCH_SLOT(r, prop, Slot, def [, choice])  kept where Slot says
#define TQ_WATCH(...)                                                            \
    TQ_PICK_4_(__VA_ARGS__, TQ_WATCH_CHOICE_, TQ_WATCH_PLAIN_, ~)(__VA_ARGS__)
#define TQ_WATCH_BITS(...)                                                       \
    TQ_PICK_4_(__VA_ARGS__, TQ_WATCH_BITS_CHOICE_, TQ_WATCH_BITS_PLAIN_, ~)(__VA_ARGS__)
#define TQ_WATCH_FLAG(r, prop, def, choice)                                      \
    TQ_WATCH_AS_(r, prop, TQCflagOf<m_##prop##Slot>, def, TQ_CHOICES_(choice))
#define TQ_WATCH_SLOT(...)                                                       \
    TQ_PICK_5_(__VA_ARGS__, TQ_WATCH_SLOT_CHOICE_, TQ_WATCH_SLOT_PLAIN_, ~)(__VA_ARGS__)

// The four colours of a shadow frame, in this order: foreColor (the frame),
// backColor, topShadowColor and bottomShadowColor, each kept in its member.
#define TQ_WATCH_SHADOW_COLORS(r, fore, back, top, bottom)                      \
    TQ_WATCH(r, foreColor, fore);                                                \
    TQ_WATCH(r, backColor, back);                                                \
    TQ_WATCH(r, topShadowColor, top);                                            \
    TQ_WATCH(r, bottomShadowColor, bottom)

// The place and size: x, y, width and height, each kept in its member.
#define TQ_WATCH_GEOMETRY(r, defX, defY, defWidth, defHeight)                   \
    TQ_WATCH(r, x, defX);                                                        \
    TQ_WATCH(r, y, defY);                                                        \
    TQ_WATCH(r, width, defWidth);                                                \
    TQ_WATCH(r, height, defHeight)

// The parts the forms above are made of.
#define TQ_WATCH_AS_(r, prop, Slot, def, ...)                                    \
    r.template watched<Slot>(_TQN##prop(), def, TQ_HOOKS(prop), {_TQS##prop() __VA_ARGS__})
#define TQ_CHOICES_(choice) , _TQR##choice(), _TQR##choice##D()
#define TQ_WATCH_PLAIN_(r, prop, def) TQ_WATCH_AS_(r, prop, TQCmember<&ThisClass::m_##prop>, def)
#define TQ_WATCH_CHOICE_(r, prop, def, choice)                                   \
    TQ_WATCH_AS_(r, prop, TQCmember<&ThisClass::m_##prop>, def, TQ_CHOICES_(choice))
#define TQ_WATCH_BITS_PLAIN_(r, prop, def) TQ_WATCH_AS_(r, prop, m_##prop##Slot, def)
#define TQ_WATCH_BITS_CHOICE_(r, prop, def, choice)                              \
    TQ_WATCH_AS_(r, prop, m_##prop##Slot, def, TQ_CHOICES_(choice))
#define TQ_WATCH_SLOT_PLAIN_(r, prop, Slot, def) TQ_WATCH_AS_(r, prop, Slot, def)
#define TQ_WATCH_SLOT_CHOICE_(r, prop, Slot, def, choice)                        \
    TQ_WATCH_AS_(r, prop, Slot, def, TQ_CHOICES_(choice))
#define TQ_PICK_4_(a1, a2, a3, a4, form, ...) form
#define TQ_PICK_5_(a1, a2, a3, a4, a5, form, ...) form

// Registers marginTop, marginBottom, marginLeft and marginRight of the
// class, kept in the bit fields m_marginTop and so on, each with default
// def and the class's hooks; r is the class's registrar.
#define TQ_REGISTER_MARGINS(r, def)                                              \
    TQ_WATCH_BITS(r, marginTop, def);                                            \
    TQ_WATCH_BITS(r, marginBottom, def);                                         \
    TQ_WATCH_BITS(r, marginLeft, def);                                           \
    TQ_WATCH_BITS(r, marginRight, def)

// The hooks of the focus-move names: the instances that take the focus on
// the arrow keys, on Tab and Back-Tab, and (all seven) on Return too.
#define TQ_ARROW_NAME_HOOKS                                                      \
    TQ_PROPERTY_HOOKS(upward, char*)                                             \
    TQ_PROPERTY_HOOKS(downward, char*)                                           \
    TQ_PROPERTY_HOOKS(leftward, char*)                                           \
    TQ_PROPERTY_HOOKS(rightward, char*)
#define TQ_TAB_NAME_HOOKS                                                        \
    TQ_PROPERTY_HOOKS(tab, char*)                                                \
    TQ_PROPERTY_HOOKS(backtab, char*)
#define TQ_FOCUS_NAME_HOOKS                                                      \
    TQ_ARROW_NAME_HOOKS                                                          \
    TQ_PROPERTY_HOOKS(return, char*)                                             \
    TQ_TAB_NAME_HOOKS

// Registers the focus-move names, kept as the texts m_upward, m_downward,
// m_leftward and m_rightward (the arrows), m_tab and m_backtab (the tabs)
// and m_return of the class; all seven in the order arrows, return, tabs.
// r is the class's registrar.
#define TQ_REGISTER_ARROW_NAMES(r)                                               \
    TQ_WATCH(r, upward, nullptr);                                                \
    TQ_WATCH(r, downward, nullptr);                                              \
    TQ_WATCH(r, leftward, nullptr);                                              \
    TQ_WATCH(r, rightward, nullptr)
#define TQ_REGISTER_TAB_NAMES(r)                                                 \
    TQ_WATCH(r, tab, nullptr);                                                   \
    TQ_WATCH(r, backtab, nullptr)
#define TQ_REGISTER_FOCUS_NAMES(r)                                               \
    TQ_REGISTER_ARROW_NAMES(r);                                                  \
    TQ_WATCH(r, return, nullptr);                                                \
    TQ_REGISTER_TAB_NAMES(r)

// The focus-move names, then enableFocusMove and returnKeyFocus, both off
// by default and kept in the one-bit fields m_enableFocusMove and
// m_returnKeyFocus of the class.
#define TQ_REGISTER_FOCUS_MOVING(r)                                              \
    TQ_REGISTER_FOCUS_NAMES(r);                                                  \
    TQ_WATCH_FLAG(r, enableFocusMove, 0, bool1);                                 \
    TQ_WATCH_FLAG(r, returnKeyFocus, 0, bool1)

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
//   TQCuserStringSlot, TQCuserValueSlot  "userString" and "userValue".
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

struct TQCuserStringSlot {
    typedef char* Value;
    static const char* typeText() { return "char*"; }
    static char* read(TQCbase* object) { return object->getUserStringText(); }
    static void write(TQCbase* object, char* value) { object->adoptUserString(value); }
};

struct TQCuserValueSlot {
    typedef long Value;
    static const char* typeText() { return "long"; }
    static long read(TQCbase* object) { return object->getUserValue(); }
    static void write(TQCbase* object, long value) { object->setUserValue(value); }
};

// Registration of the properties kept in the TQCbase part, with their builder
// entries and the hooks of Class; a class registers each where its order of
// properties puts it. identity() registers name, userString and userValue.
struct TQCbaseProperties {
    template <class Class>
    static void identity(TQCclassRegistrar<Class>& r)
    {
        typedef Class ThisClass;
        TQ_WATCH_SLOT(r, name, TQCnameSlot, nullptr)->setInit(0);
        TQ_WATCH_SLOT(r, userString, TQCuserStringSlot, nullptr);
        TQ_WATCH_SLOT(r, userValue, TQCuserValueSlot, 0);
    }
    template <class Class>
    static void visibility(TQCclassRegistrar<Class>& r)
    {
        typedef Class ThisClass;
        TQ_WATCH_SLOT(r, vis, TQCvisSlot, 0, bool2);
    }
    template <class Class>
    static void sensitivity(TQCclassRegistrar<Class>& r)
    {
        typedef Class ThisClass;
        TQ_WATCH_SLOT(r, det, TQCdetSlot, 1, bool1);
    }
    template <class Class>
    static void exported(TQCclassRegistrar<Class>& r)
    {
        typedef Class ThisClass;
        TQ_WATCH_SLOT(r, export, TQCexportSlot, 0, bool1);
    }
    template <class Class>
    static void keepPixmapCache(TQCclassRegistrar<Class>& r)
    {
        typedef Class ThisClass;
        TQ_WATCH_SLOT(r, keepPixmapCache, TQCkeepPixmapCacheSlot, 1, bool4);
    }
};

#endif
