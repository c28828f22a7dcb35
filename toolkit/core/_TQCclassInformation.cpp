// Class record: registration, the merged lookup tables and trigger checks.
#include "_TQCclassInformation.h"

#include <cstdint>
#include <cstring>

#include "_TQGFtrigger.h"

namespace {

bool sameName(const char* a, const char* b)
{
    if (a == b)
        return true;
    if (a == nullptr || b == nullptr)
        return false;
    return a[0] == b[0] && std::strcmp(a, b) == 0;
}

void* codeAsPointer(long code)
{
    return reinterpret_cast<void*>(static_cast<intptr_t>(code));
}

long pointerAsCode(void* p)
{
    return static_cast<long>(reinterpret_cast<intptr_t>(p));
}

TQCproperty* propAt(const TQClistData& list, long i)
{
    return static_cast<TQCproperty*>(list.getData(i));
}

// First descriptor of the list with that name, or null.
TQCproperty* findByName(const TQClistData& list, const char* name)
{
    for (long i = 0; i < list.getNum(); ++i) {
        if (sameName(propAt(list, i)->getPropObjName(), name))
            return propAt(list, i);
    }
    return nullptr;
}

// Position of the name's descriptor in a hash bucket, which holds pairs of
// contributing class record and descriptor; -1 when absent. Names normally
// arrive as the shared vocabulary pointers: those are tried first.
long bucketPosition(const TQClistData& bucket, const char* name)
{
    for (int byPointer = 1; byPointer >= 0; --byPointer) {
        for (long i = 1; i < bucket.getNum(); i += 2) {
            const char* candidate = propAt(bucket, i)->getPropObjName();
            if (byPointer ? candidate == name : sameName(candidate, name))
                return i;
        }
    }
    return -1;
}

bool containsCode(const TQClistData& list, long code)
{
    for (long i = 0; i < list.getNum(); ++i) {
        if (pointerAsCode(list.getData(i)) == code)
            return true;
    }
    return false;
}

bool onlyOverridesDefault(const TQCproperty* p)
{
    return p->getDefaultValueChange() != 0;
}

bool onlyHidesFromBuilder(const TQCproperty* p)
{
    return p->getBuilderVisibleChange() != 0 && p->getBuilderVisible() == 0;
}

} // namespace

TQCclassInformation::TQCclassInformation(const char* classNameArg, TQCclassInformation* parentArg)
    : parent(parentArg), ownProperties(64), supportedTriggers(0), removedTriggers(0),
      hashTable(nullptr), allProperties(64), initProperties(64), removedExtTriggers(8),
      instanceList(nullptr), lastFound(nullptr), className(classNameArg),
      classNameHash(getNameHash(classNameArg)), adjustedCopies(16)
{
    allExtTriggers.setNoAllocIndex(1);
    ownExtTriggers.setNoAllocIndex(1);
}

TQCclassInformation::~TQCclassInformation()
{
    for (long i = 0; i < ownProperties.getNum(); ++i)
        delete propAt(ownProperties, i);
    for (long i = 0; i < adjustedCopies.getNum(); ++i)
        delete propAt(adjustedCopies, i);
    delete[] hashTable;
}

unsigned char TQCclassInformation::getNameHash(const char* name)
{
    if (name == nullptr || name[0] == '\0')
        return 0;
    int first = static_cast<signed char>(name[0]);
    int last = static_cast<signed char>(name[std::strlen(name) - 1]);
    return static_cast<unsigned char>((first + 4 * last) & 31);
}

void TQCclassInformation::addPropObj(TQCproperty* prop)
{
    ownProperties.add(prop, -1);
}

TQCproperty* TQCclassInformation::addProperty(const char* name, const char* classNameArg,
                                              unsigned char noCast, const char* typeName,
                                              TQCproperty::SetHandler set,
                                              TQCproperty::GetHandler get,
                                              TQCproperty::DefaultHandler def,
                                              const char* titleKey, char** display,
                                              char** values)
{
    TQCproperty* prop = new TQCproperty(name, classNameArg);
    addPropObj(prop);
    prop->setType(typeName, set, get, def);
    prop->setNoCast(noCast);
    prop->setBuilderTitleKey(titleKey);
    if (display != nullptr || values != nullptr)
        prop->setBuilderSelectValues(display, values);
    return prop;
}

TQCproperty* TQCclassInformation::hideProperty(const char* name, const char* classNameArg)
{
    TQCproperty* prop = new TQCproperty(name, classNameArg);
    addPropObj(prop);
    prop->setBuilderVisibleChange(1);
    prop->setBuilderVisible(0);
    prop->setNoCast(1);
    return prop;
}

TQCproperty* TQCclassInformation::changeDefault(const char* name, const char* classNameArg,
                                                const char* typeName,
                                                TQCproperty::DefaultHandler def)
{
    TQCproperty* prop = new TQCproperty(name, classNameArg);
    addPropObj(prop);
    prop->setType(typeName, nullptr, nullptr, def);
    prop->setDefaultValueChange(1);
    prop->setInit(1);
    return prop;
}

TQCproperty* TQCclassInformation::withdrawProperty(const char* name, const char* classNameArg)
{
    TQCproperty* prop = new TQCproperty(name, classNameArg);
    addPropObj(prop);
    prop->setNotUse(1);
    return prop;
}

TQClistData* TQCclassInformation::getHashTable()
{
    _create_inf_table();
    return hashTable;
}

TQClistData* TQCclassInformation::getAllPropertyList()
{
    _create_inf_table();
    return &allProperties;
}

TQClistData* TQCclassInformation::getPropertyListForInit()
{
    _create_inf_table();
    return &initProperties;
}

TQCindexData* TQCclassInformation::getAllExtTriggerList()
{
    _create_inf_table();
    return &allExtTriggers;
}

// Builds the four merged tables once. Descriptors registered afterwards do
// not reach them; classes register everything in their first constructor.
void TQCclassInformation::_create_inf_table()
{
    if (hashTable != nullptr)
        return;
    hashTable = new TQClistData[HASH_BUCKETS];
    for (int i = 0; i < HASH_BUCKETS; ++i)
        hashTable[i] = TQClistData(16);

    TQClistData hidden(16);
    TQClistData defaults(16);
    TQClistData builderHidden(16);
    TQClistData removedExtCodes(16);
    mergeExtTriggers(removedExtCodes);
    mergeProperties(hidden, defaults, builderHidden);
    buildInitList(defaults, builderHidden);
}

// Walks from this class to the root. A class that removes an extension
// trigger removes it from itself and what it inherits; a descendant that
// names the code again keeps its own entry. Where two classes give the same
// trigger name, the ancestor's code is the one kept.
void TQCclassInformation::mergeExtTriggers(TQClistData& removedCodes)
{
    for (TQCclassInformation* r = this; r != nullptr; r = r->parent) {
        for (long i = 0; i < r->removedExtTriggers.getNum(); ++i)
            removedCodes.add(r->removedExtTriggers.getData(i), -1);
        for (long i = 0; i < r->ownExtTriggers.getNum(); ++i) {
            void* code = r->ownExtTriggers.getData(i);
            if (!containsCode(removedCodes, pointerAsCode(code)))
                allExtTriggers.setData(r->ownExtTriggers.getIndex(i), code);
        }
    }
}

// Walks from this class to the root; an override applies to the descriptors
// met after it: later ones of the same class and all of its ancestors'.
void TQCclassInformation::mergeProperties(TQClistData& hidden, TQClistData& defaults,
                                          TQClistData& builderHidden)
{
    for (TQCclassInformation* r = this; r != nullptr; r = r->parent) {
        for (long i = 0; i < r->ownProperties.getNum(); ++i) {
            TQCproperty* p = propAt(r->ownProperties, i);
            if (onlyOverridesDefault(p)) {
                defaults.add(p, -1);
            } else if (onlyHidesFromBuilder(p)) {
                builderHidden.add(p, -1);
            } else if (p->getNotUse()) {
                hidden.add(p, -1);
            } else if (findByName(hidden, p->getPropObjName()) == nullptr) {
                TQCproperty* e = adjusted(p, defaults, builderHidden);
                TQClistData& bucket = hashTable[getNameHash(e->getPropObjName())];
                bucket.add(r, -1);
                bucket.add(e, -1);
                allProperties.add(e, -1);
            }
        }
    }
}

// Walks from the root down to this class. Withdrawn properties are still
// initialised; "vis" always comes last so that an object becomes visible
// only once every other property holds its default.
void TQCclassInformation::buildInitList(TQClistData& defaults, TQClistData& builderHidden)
{
    TQClistData chain(16);
    for (TQCclassInformation* r = this; r != nullptr; r = r->parent)
        chain.add(r, 0);

    TQCproperty* visibility = nullptr;
    for (long c = 0; c < chain.getNum(); ++c) {
        TQCclassInformation* r = static_cast<TQCclassInformation*>(chain.getData(c));
        for (long i = 0; i < r->ownProperties.getNum(); ++i) {
            TQCproperty* p = propAt(r->ownProperties, i);
            if (onlyOverridesDefault(p) || onlyHidesFromBuilder(p) || p->getNotUse())
                continue;
            TQCproperty* e = adjusted(p, defaults, builderHidden);
            if (!e->getInit())
                continue;
            if (sameName(e->getPropObjName(), "vis"))
                visibility = e;
            else
                initProperties.add(e, -1);
        }
    }
    if (visibility != nullptr)
        initProperties.add(visibility, -1);
}

// The descriptor as this class sees it: with the default handler and init
// flag of the first default override of its name, and the builder-visible
// flag of the first builder override. Adjusted versions are copies owned by
// this record; the registering class's descriptor stays untouched.
TQCproperty* TQCclassInformation::adjusted(TQCproperty* prop, TQClistData& defaults,
                                           TQClistData& builderHidden)
{
    TQCproperty* def = findByName(defaults, prop->getPropObjName());
    TQCproperty* vis = findByName(builderHidden, prop->getPropObjName());
    if (def == nullptr && vis == nullptr)
        return prop;
    TQCproperty* copy = new TQCproperty(*prop);
    if (def != nullptr) {
        copy->setGetDefaultValueHandler(def->getGetDefaultValueHandler());
        copy->setInit(def->getInit());
    }
    if (vis != nullptr)
        copy->setBuilderVisible(vis->getBuilderVisible());
    adjustedCopies.add(copy, -1);
    return copy;
}

long TQCclassInformation::getPropObj(const char* name, TQCproperty** prop)
{
    if (hashTable == nullptr || name == nullptr)
        return 0;
    if (lastFound != nullptr && sameName(lastFound->getPropObjName(), name)) {
        *prop = lastFound;
        return 1;
    }
    const TQClistData& bucket = hashTable[getNameHash(name)];
    long pos = bucketPosition(bucket, name);
    if (pos < 0)
        return 0;
    lastFound = propAt(bucket, pos);
    *prop = lastFound;
    return 1;
}

long TQCclassInformation::getPropObj(const char* name, const char** contributingClassName)
{
    if (hashTable == nullptr || name == nullptr)
        return 0;
    const TQClistData& bucket = hashTable[getNameHash(name)];
    long pos = bucketPosition(bucket, name);
    if (pos < 0)
        return 0;
    auto* owner = static_cast<TQCclassInformation*>(bucket.getData(pos - 1));
    *contributingClassName = owner->getClassName();
    return 1;
}

void TQCclassInformation::setTrigger(long code)
{
    supportedTriggers |= static_cast<unsigned long>(TQGFeventToMaskBit(code));
}

void TQCclassInformation::setDelTrigger(long code)
{
    removedTriggers |= static_cast<unsigned long>(TQGFeventToMaskBit(code));
}

void TQCclassInformation::setExtTrigger(long code, const char* name)
{
    ownExtTriggers.setData(name, codeAsPointer(code));
}

void TQCclassInformation::setDelExtTrigger(long code)
{
    removedExtTriggers.add(codeAsPointer(code), -1);
}

// Initialise, delete and "none" exist for every class. Otherwise a class's
// own removal beats its own support, which beats what the ancestors say; an
// extension trigger of the merged map passes as well. A removed extension
// code stops the question going up, as a removed mask bit does.
long TQCclassInformation::existTrigger(long code)
{
    if (code == -1 || code == 0 || code == 1)
        return 1;
    unsigned long bit = static_cast<unsigned long>(TQGFeventToMaskBit(code));
    bool removed = (bit & removedTriggers) != 0 || containsCode(removedExtTriggers, code);
    if (!removed) {
        if ((bit & supportedTriggers) != 0)
            return 1;
        if (parent != nullptr && parent->existTrigger(code))
            return 1;
    }
    return extTriggerValueExists(code) ? 1 : 0;
}

// Reads the merged map as it stands; does not build the tables.
bool TQCclassInformation::extTriggerValueExists(long code) const
{
    for (long i = 0; i < allExtTriggers.getNum(); ++i) {
        if (pointerAsCode(allExtTriggers.getData(i)) == code)
            return true;
    }
    return false;
}
