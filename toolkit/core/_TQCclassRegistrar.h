// Registration of a class's properties and triggers, run by the class's first
// construction. The handlers of a property are made from where its value
// lives (a slot), and its type text from the C++ type there, so the two
// cannot disagree. _TQCclassFrame.h shows how a class uses it.
#ifndef _TQCCLASSREGISTRAR_H
#define _TQCCLASSREGISTRAR_H

#include <initializer_list>
#include <type_traits>

#include "TQtypes.h"
#include "_TQCbase.h"
#include "_TQCclassInformation.h"
#include "_TQGFstring.h"

// Type text of a property kept as a T: the value types of TQCpropertyValue.
// TQCbool is an unsigned char to the compiler; TQCflagOf says it instead.
template <class T>
constexpr const char* TQCpropertyTypeText()
{
    if constexpr (std::is_same_v<T, char>)
        return "char";
    else if constexpr (std::is_same_v<T, unsigned char>)
        return "unsigned char";
    else if constexpr (std::is_same_v<T, short>)
        return "short";
    else if constexpr (std::is_same_v<T, unsigned short>)
        return "unsigned short";
    else if constexpr (std::is_same_v<T, long>)
        return "long";
    else if constexpr (std::is_same_v<T, unsigned long>)
        return "unsigned long";
    else if constexpr (std::is_same_v<T, float>)
        return "float";
    else if constexpr (std::is_same_v<T, double>)
        return "double";
    else if constexpr (std::is_same_v<T, void*>)
        return "void*";
    else if constexpr (std::is_same_v<T, char*>)
        return "char*";
    else
        static_assert(std::is_same_v<T, char*>,
                      "a property is kept as char, short, long (each also unsigned), float, "
                      "double, void* or char*");
}

// A slot says where a property's value lives: its Value type, its type text,
// and read/write on an object of the class. This one is a data member.
template <auto Member>
struct TQCmember;

template <class Owner, class T, T Owner::*Member>
struct TQCmember<Member> {
    typedef T Value;
    static const char* typeText() { return TQCpropertyTypeText<T>(); }
    static T read(Owner* object) { return object->*Member; }
    static void write(Owner* object, T value) { object->*Member = value; }
};

// A truth value kept in the unsigned char of another slot.
template <class Slot>
struct TQCflagOf : Slot {
    static_assert(std::is_same_v<typename Slot::Value, TQCbool>,
                  "a flag property is kept as a TQCbool");
    static const char* typeText() { return "TQCbool"; }
};

template <auto Member>
using TQCflag = TQCflagOf<TQCmember<Member>>;

// A slot whose set hook does the storing declares
//     static constexpr bool storedByHook = true;
// and a write that does nothing: a watched property then hands the hook the
// value it was given instead of the stored one.
template <class Slot, class = void>
struct TQCslotStoredByHook : std::false_type {};
template <class Slot>
struct TQCslotStoredByHook<Slot, std::void_t<decltype(Slot::storedByHook)>>
    : std::bool_constant<Slot::storedByHook> {};

template <class Class>
class TQCclassRegistrar {
public:
    // A text property's default is a text kept by reference (or null); its
    // default handler yields a new copy the caller frees.
    template <class Slot>
    using Default = std::conditional_t<std::is_same_v<typename Slot::Value, char*>, const char*,
                                       typename Slot::Value>;
    template <class Slot>
    using SetHook = void (Class::*)(typename Slot::Value);
    template <class Slot>
    using GetHook = void (Class::*)(typename Slot::Value*);
    typedef void (Class::*SetNotifier)(const char* property);
    // What the interface builder shows of a property: the catalogue key of
    // its title and, when given, its choices (display keys and values).
    struct Builder {
        const char* titleKey = "";
        char** display = nullptr;
        char** values = nullptr;
    };

    explicit TQCclassRegistrar(Class* object)
        : record(object->getClassInformation()),
          sameAddress(object->canBurstCast(static_cast<void*>(object)))
    {
    }

    TQCclassInformation* info() const { return record; }
    const char* className() const { return Class::getThisClassName(); }
    unsigned char noCast() const { return sameAddress; }

    // A plain property: the set handler stores the value (and, once the class
    // gave a notifier, tells the object the property's name), the get handler
    // reads it. A slot is a member pointer or a slot type.
    template <class Slot>
    TQCproperty* field(const char* name, Default<Slot> def, const Builder& builder = {})
    {
        return add<Slot, Plain>(name, def, builder);
    }
    template <auto Member>
    TQCproperty* field(const char* name, Default<TQCmember<Member>> def,
                       const Builder& builder = {})
    {
        return field<TQCmember<Member>>(name, def, builder);
    }

    // The plain properties of this class call notifier after each set.
    void notifySets(SetNotifier notifier) { setNotifier = notifier; }

    // A widget property: a value equal to the stored one changes nothing;
    // otherwise it is stored (a bit field keeps its own bits), the object is
    // queued for update (needUpdate: own-visible and not yet queued), its
    // absolute-draw mark is set and the set hook runs with the stored value.
    // The get handler writes the stored value, then the get hook may change
    // it. Text is compared by pointer: the object keeps the text it is given,
    // TQCbase::setProperty frees the one it replaced, and the class frees the
    // last one when it is destroyed.
    template <class Slot>
    TQCproperty* watched(const char* name, Default<Slot> def, SetHook<Slot> set,
                         GetHook<Slot> get, const Builder& builder = {})
    {
        Cell<Slot, Watched>::setHook = set;
        Cell<Slot, Watched>::getHook = get;
        return add<Slot, Watched>(name, def, builder);
    }
    template <auto Member>
    TQCproperty* watched(const char* name, Default<TQCmember<Member>> def,
                         SetHook<TQCmember<Member>> set, GetHook<TQCmember<Member>> get,
                         const Builder& builder = {})
    {
        return watched<TQCmember<Member>>(name, def, set, get, builder);
    }

    // Adjustments of an inherited property: a default of this class's own,
    // hidden from the builder, or withdrawn.
    template <class Slot>
    TQCproperty* changeDefault(const char* name, Default<Slot> def)
    {
        Cell<Slot, ChangedDefault>::def = def;
        return record->changeDefault(name, className(), Slot::typeText(),
                                     defaultOf<Slot, ChangedDefault>);
    }
    template <auto Member>
    TQCproperty* changeDefault(const char* name, Default<TQCmember<Member>> def)
    {
        return changeDefault<TQCmember<Member>>(name, def);
    }
    TQCproperty* hide(const char* name) { return record->hideProperty(name, className()); }
    TQCproperty* withdraw(const char* name) { return record->withdrawProperty(name, className()); }

    void triggers(std::initializer_list<long> codes)
    {
        for (long code : codes)
            record->setTrigger(code);
    }

private:
    template <class C, class Body>
    friend void TQCregisterClass(C* object, long version, Body registerMembers);

    enum { Plain, Watched, ChangedDefault };

    // What the handlers of one property need beyond its slot; one per
    // slot and kind of handler, filled in by the registration.
    template <class Slot, int Kind>
    struct Cell {
        static inline const char* name = nullptr;
        static inline Default<Slot> def{};
        static inline SetHook<Slot> setHook = nullptr;
        static inline GetHook<Slot> getHook = nullptr;
    };

    template <class Slot, int Kind>
    TQCproperty* add(const char* name, Default<Slot> def, const Builder& builder)
    {
        Cell<Slot, Kind>::name = name;
        Cell<Slot, Kind>::def = def;
        TQCproperty* prop = record->addProperty(
            name, className(), sameAddress, Slot::typeText(),
            Kind == Plain ? storePlain<Slot> : storeWatched<Slot>,
            Kind == Plain ? readPlain<Slot> : readWatched<Slot>, defaultOf<Slot, Kind>,
            builder.titleKey, builder.display, builder.values);
        prop->setInit(1);
        return prop;
    }

    template <class Slot, int Kind>
    static void defaultOf(void* value)
    {
        typedef typename Slot::Value V;
        if constexpr (std::is_same_v<V, char*>)
            *static_cast<char**>(value) = TQGFstrdup(Cell<Slot, Kind>::def);
        else
            *static_cast<V*>(value) = Cell<Slot, Kind>::def;
    }

    template <class Slot>
    static void storePlain(void* object, void* value)
    {
        Class* owner = static_cast<Class*>(object);
        Slot::write(owner, *static_cast<typename Slot::Value*>(value));
        if (setNotifier != nullptr)
            (owner->*setNotifier)(Cell<Slot, Plain>::name);
    }

    template <class Slot>
    static void readPlain(void* object, void* value)
    {
        *static_cast<typename Slot::Value*>(value) = Slot::read(static_cast<Class*>(object));
    }

    template <class Slot>
    static void storeWatched(void* object, void* value)
    {
        Class* owner = static_cast<Class*>(object);
        typename Slot::Value given = *static_cast<typename Slot::Value*>(value);
        if (Slot::read(owner) == given)
            return;
        Slot::write(owner, given);
        owner->needUpdate();
        owner->setAbsoluteDraw(1);
        if constexpr (TQCslotStoredByHook<Slot>::value)
            (owner->*Cell<Slot, Watched>::setHook)(given);
        else
            (owner->*Cell<Slot, Watched>::setHook)(Slot::read(owner));
    }

    template <class Slot>
    static void readWatched(void* object, void* value)
    {
        Class* owner = static_cast<Class*>(object);
        typename Slot::Value* out = static_cast<typename Slot::Value*>(value);
        *out = Slot::read(owner);
        (owner->*Cell<Slot, Watched>::getHook)(out);
    }

    static inline bool registered = false;
    static inline SetNotifier setNotifier = nullptr;

    TQCclassInformation* record;
    unsigned char sameAddress;
};

// The registration of class Class, run once for the process by the first
// object made: version check of the class built as version (on failure the
// recompile line, and registration goes on), then registerMembers(registrar).
template <class Class, class Body>
void TQCregisterClass(Class* object, long version, Body registerMembers)
{
    typedef TQCclassRegistrar<Class> Registrar;
    if (Registrar::registered)
        return;
    Registrar::registered = true;
    if (!Class::checkVersion(version))
        TQCbase::reportRecompile(Class::getThisClassName());
    Registrar registrar(object);
    registerMembers(registrar);
}

#endif
