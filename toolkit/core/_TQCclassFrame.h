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

// Registers marginTop, marginBottom, marginLeft and marginRight of the
// class, kept in the slots m_marginTopSlot and so on, each with default def
// and the class's hooks; r is the class's registrar.
#define TQ_REGISTER_MARGINS(r, def)                                              \
    r.watched<m_marginTopSlot>(_TQNmarginTop(), def, TQ_HOOKS(marginTop),        \
                               {_TQSmarginTop()});                               \
    r.watched<m_marginBottomSlot>(_TQNmarginBottom(), def, TQ_HOOKS(marginBottom), \
                                  {_TQSmarginBottom()});                         \
    r.watched<m_marginLeftSlot>(_TQNmarginLeft(), def, TQ_HOOKS(marginLeft),     \
                                {_TQSmarginLeft()});                             \
    r.watched<m_marginRightSlot>(_TQNmarginRight(), def, TQ_HOOKS(marginRight),  \
                                 {_TQSmarginRight()})

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
    r.watched<&ThisClass::m_upward>(_TQNupward(), nullptr, TQ_HOOKS(upward),     \
                                    {_TQSupward()});                             \
    r.watched<&ThisClass::m_downward>(_TQNdownward(), nullptr, TQ_HOOKS(downward), \
                                      {_TQSdownward()});                         \
    r.watched<&ThisClass::m_leftward>(_TQNleftward(), nullptr, TQ_HOOKS(leftward), \
                                      {_TQSleftward()});                         \
    r.watched<&ThisClass::m_rightward>(_TQNrightward(), nullptr, TQ_HOOKS(rightward), \
                                       {_TQSrightward()})
#define TQ_REGISTER_TAB_NAMES(r)                                                 \
    r.watched<&ThisClass::m_tab>(_TQNtab(), nullptr, TQ_HOOKS(tab), {_TQStab()}); \
    r.watched<&ThisClass::m_backtab>(_TQNbacktab(), nullptr, TQ_HOOKS(backtab),  \
                                     {_TQSbacktab()})
#define TQ_REGISTER_FOCUS_NAMES(r)                                               \
    TQ_REGISTER_ARROW_NAMES(r);                                                  \
    r.watched<&ThisClass::m_return>(_TQNreturn(), nullptr, TQ_HOOKS(return),     \
                                    {_TQSreturn()});                             \
    TQ_REGISTER_TAB_NAMES(r)

// The focus-move names, then enableFocusMove and returnKeyFocus, both off
// by default and kept in the one-bit slots m_enableFocusMoveSlot and
// m_returnKeyFocusSlot of the class.
#define TQ_REGISTER_FOCUS_MOVING(r)                                              \
    TQ_REGISTER_FOCUS_NAMES(r);                                                  \
    r.watched<TQCflagOf<m_enableFocusMoveSlot>>(                                 \
        _TQNenableFocusMove(), 0, TQ_HOOKS(enableFocusMove),                     \
        {_TQSenableFocusMove(), _TQRbool1(), _TQRbool1D()});                     \
    r.watched<TQCflagOf<m_returnKeyFocusSlot>>(                                  \
        _TQNreturnKeyFocus(), 0, TQ_HOOKS(returnKeyFocus),                       \
        {_TQSreturnKeyFocus(), _TQRbool1(), _TQRbool1D()})

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
        r.template watched<TQCnameSlot>(_TQNname(), nullptr, &Class::setWorkTQNname,
                                        &Class::getWorkTQNname, {_TQSname()})
            ->setInit(0);
        r.template watched<TQCuserStringSlot>(_TQNuserString(), nullptr,
                                              &Class::setWorkTQNuserString,
                                              &Class::getWorkTQNuserString, {_TQSuserString()});
        r.template watched<TQCuserValueSlot>(_TQNuserValue(), 0, &Class::setWorkTQNuserValue,
                                             &Class::getWorkTQNuserValue, {_TQSuserValue()});
    }
    template <class Class>
    static void visibility(TQCclassRegistrar<Class>& r)
    {
        r.template watched<TQCvisSlot>(_TQNvis(), 0, &Class::setWorkTQNvis,
                                       &Class::getWorkTQNvis,
                                       {_TQSvis(), _TQRbool2(), _TQRbool2D()});
    }
    template <class Class>
    static void sensitivity(TQCclassRegistrar<Class>& r)
    {
        r.template watched<TQCdetSlot>(_TQNdet(), 1, &Class::setWorkTQNdet,
                                       &Class::getWorkTQNdet,
                                       {_TQSdet(), _TQRbool1(), _TQRbool1D()});
    }
    template <class Class>
    static void exported(TQCclassRegistrar<Class>& r)
    {
        r.template watched<TQCexportSlot>(_TQNexport(), 0, &Class::setWorkTQNexport,
                                          &Class::getWorkTQNexport,
                                          {_TQSexport(), _TQRbool1(), _TQRbool1D()});
    }
    template <class Class>
    static void keepPixmapCache(TQCclassRegistrar<Class>& r)
    {
        r.template watched<TQCkeepPixmapCacheSlot>(
            _TQNkeepPixmapCache(), 1, &Class::setWorkTQNkeepPixmapCache,
            &Class::getWorkTQNkeepPixmapCache,
            {_TQSkeepPixmapCache(), _TQRbool4(), _TQRbool4D()});
    }
};

#endif
