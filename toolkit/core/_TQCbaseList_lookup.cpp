// The application object list: lookup by id, the walks over
// objects, properties, procedures and select values a builder makes.
#include "_TQCbaseList.h"

#include <cstdint>

#include "_TQCbase.h"
#include "_TQCclassInformation.h"
#include "_TQCprocedure.h"
#include "_TQCproperty.h"
#include "_TQClocaleSet.h"
#include "_TQGFstring.h"
#include "_TQN.h"
#include "_TQCbaseList_internal.h"

using tqbaselist::addOnce;
using tqbaselist::sameName;

namespace {

unsigned long idOf(const void* p)
{
    return static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(p));
}

template <typename T>
T* fromId(unsigned long id)
{
    return reinterpret_cast<T*>(static_cast<std::uintptr_t>(id));
}

// Order in which the lookup interface hands out properties; names
// not listed follow in their own order.
const char* const* propertyOrder()
{
    static const char* const order[] = {
        _TQNname(), _TQNuserString(), _TQNuserValue(), _TQNx(), _TQNy(), _TQNwidth(),
        _TQNheight(), _TQNshadowType(), _TQNshadowThickness(), _TQNforeColor(),
        _TQNbackColor(), _TQNtopShadowColor(), _TQNbottomShadowColor(), _TQNlabelString(),
        _TQNtitleString(), _TQNfont(), _TQNmaxLength(), _TQNcolumns(), _TQNlabelPixmap(),
        _TQNalignmentV(), _TQNalignmentH(), _TQNmargin(), _TQNmarginTop(),
        _TQNmarginBottom(), _TQNmarginLeft(), _TQNmarginRight(), _TQNblinkColor(),
        _TQNblinkPixmap(), _TQNblinkRate(), _TQNtwinBlink(), _TQNblinkFlag(),
        _TQNblinkRefreshing(), _TQNvis(), _TQNdet(), _TQNanchorTop(), _TQNanchorTopFlag(),
        _TQNanchorBottom(), _TQNanchorBottomFlag(), _TQNanchorLeft(), _TQNanchorLeftFlag(),
        _TQNanchorRight(), _TQNanchorRightFlag(), _TQNseparator(), nullptr};
    return order;
}

// The step of a walk: the element after prev (the first for prev 0) among
// count elements, skipping those accept refuses; 0 when prev is not an
// element or nothing acceptable follows it.
template <typename Element, typename Accept>
unsigned long nextInWalk(long count, Element element, unsigned long prev, Accept accept)
{
    long start = 0;
    if (prev != 0) {
        start = -1;
        for (long i = 0; i < count; ++i) {
            if (element(i) == prev) {
                start = i + 1;
                break;
            }
        }
        if (start < 0)
            return 0;
    }
    for (long i = start; i < count; ++i) {
        if (accept(element(i)))
            return element(i);
    }
    return 0;
}

unsigned long nextInList(TQClistData& list, unsigned long prev)
{
    return nextInWalk(
        list.getNum(), [&list](long i) { return idOf(list.getData(i)); }, prev,
        [](unsigned long) { return true; });
}

bool classMarksNotUsed(TQCclassInformation* record, const char* name)
{
    for (; record != nullptr; record = record->getParentClassInformation()) {
        TQClistData* own = record->getPropertyList();
        for (long i = 0; i < own->getNum(); ++i) {
            TQCproperty* prop = static_cast<TQCproperty*>(own->getData(i));
            if (prop->getNotUse() && sameName(prop->getPropObjName(), name))
                return true;
        }
    }
    return false;
}

// Every descriptor the object answers to: its class's, then those of its
// property-inheriting child (recursively) for names the class lacks and
// does not withdraw.
void collectProperties(TQCbase* object, TQClistData& out)
{
    TQCclassInformation* record = object->getClassInformation();
    TQClistData* own = record->getAllPropertyList();
    for (long i = 0; i < own->getNum(); ++i)
        out.add(own->getData(i));

    TQCbase* child = object->getPropertyInheritChild();
    if (child == nullptr || child == object)
        return;
    TQClistData inherited;
    collectProperties(child, inherited);
    for (long i = 0; i < inherited.getNum(); ++i) {
        TQCproperty* prop = static_cast<TQCproperty*>(inherited.getData(i));
        TQCproperty* found = nullptr;
        if (record->getPropObj(prop->getPropObjName(), &found))
            continue;
        if (classMarksNotUsed(record, prop->getPropObjName()))
            continue;
        out.add(prop);
    }
}

// Moves, for each name of the order table, the first descriptor of that
// name to the front, keeping the rest in their order.
void orderProperties(TQClistData& work, TQClistData& out)
{
    for (const char* const* name = propertyOrder(); *name != nullptr && work.getNum() > 0;
         ++name) {
        for (long i = 0; i < work.getNum(); ++i) {
            TQCproperty* prop = static_cast<TQCproperty*>(work.getData(i));
            if (sameName(prop->getPropObjName(), *name)) {
                out.add(prop);
                work.delPos(i);
                break;
            }
        }
    }
    for (long i = 0; i < work.getNum(); ++i)
        out.add(work.getData(i));
}

bool listedForBuilder(TQCbase* object, TQCproperty* prop)
{
    return object->existProperty(prop->getPropObjName()) && !prop->getNotUse() &&
           prop->getBuilderVisible() && !prop->getDefaultValueChange();
}

} // namespace

unsigned long TQCbaseList::getIdFromInstance(TQCbase* object)
{
    return idOf(object);
}

TQCbase* TQCbaseList::getInstanceFromId(unsigned long id)
{
    TQCbase* object = fromId<TQCbase>(id);
    return existInstance(object) ? object : nullptr;
}

void TQCbaseList::setInstanceId(long kind, unsigned long id)
{
    void* entry = fromId<void>(id);
    switch (kind) {
    case 3:
        addOnce(topInstanceIds, static_cast<TQCbase*>(entry));
        break;
    case 4:
        topInstanceIds.del(entry);
        break;
    case 5:
        addOnce(instanceIds, static_cast<TQCbase*>(entry));
        break;
    case 6:
        instanceIds.del(entry);
        break;
    case 46:
        currentInstanceId = id;
        break;
    default:
        break;
    }
}

unsigned long TQCbaseList::nextChild(unsigned long id, unsigned long prev)
{
    if (id == 0)
        return nextInList(topInstanceIds, prev);
    TQCbase* object = getInstanceFromId(id);
    if (object == nullptr)
        return 0;
    TQClistData children(object->getChildren());
    return nextInWalk(
        children.getNum(), [&children](long i) { return idOf(children.getData(i)); }, prev,
        [](unsigned long child) { return !fromId<TQCbase>(child)->getInternalObject(); });
}

unsigned long TQCbaseList::nextProperty(unsigned long id, unsigned long prev)
{
    TQCbase* object = getInstanceFromId(id);
    if (object == nullptr)
        return 0;
    TQClistData all;
    collectProperties(object, all);
    TQClistData ordered;
    orderProperties(all, ordered);
    return nextInWalk(
        ordered.getNum(), [&ordered](long i) { return idOf(ordered.getData(i)); }, prev,
        [object](unsigned long prop) {
            return listedForBuilder(object, fromId<TQCproperty>(prop));
        });
}

unsigned long TQCbaseList::nextProcedure(unsigned long id, unsigned long prev)
{
    TQCbase* object = getInstanceFromId(id);
    if (object == nullptr)
        return 0;
    TQClistData procedures(*object->getProcedureList());
    return nextInWalk(
        procedures.getNum(), [&procedures](long i) { return idOf(procedures.getData(i)); },
        prev, [](unsigned long proc) { return !fromId<TQCprocedure>(proc)->getInternal(); });
}

namespace {

long selectListLength(char** list)
{
    long n = 0;
    while (list != nullptr && list[n] != nullptr)
        ++n;
    return n;
}

} // namespace

unsigned long TQCbaseList::getInstanceId(unsigned long id, long kind, unsigned long prev)
{
    switch (kind) {
    case 1:
        return nextChild(id, prev);
    case 7:
        return nextInList(instanceIds, id);
    case 20:
        return nextProperty(id, prev);
    case 21:
        return nextProcedure(id, prev);
    case 22: {
        if (id == 0)
            return 0;
        char** display = nullptr;
        fromId<TQCproperty>(id)->getBuilderSelectValues(&display, nullptr);
        return nextInWalk(
            selectListLength(display), [display](long i) { return idOf(display[i]); }, prev,
            [](unsigned long) { return true; });
    }
    case 46:
        return currentInstanceId;
    default:
        return 0;
    }
}

namespace {

TQCstring propertyFlagsText(TQCproperty* prop)
{
    long flags = 0;
    if (prop->isColorPropObj())
        flags |= 1;
    if (prop->isPixmapPropObj())
        flags |= 2;
    if (prop->getFileSelect())
        flags |= 4;
    return TQCstring(TQGFltoa(flags));
}

// The entry of the value list that stands where the display list holds
// entry; "" when entry is not in the display list.
TQCstring selectValueText(TQCproperty* prop, unsigned long entry)
{
    char** display = nullptr;
    char** values = nullptr;
    prop->getBuilderSelectValues(&display, &values);
    long n = selectListLength(display);
    for (long i = 0; i < n; ++i) {
        if (idOf(display[i]) == entry)
            return TQCstring(values ? values[i] : "");
    }
    return TQCstring("");
}

} // namespace

TQCstring TQCbaseList::getInstanceData(unsigned long id, long kind, unsigned long extra)
{
    if (id == 0)
        return TQCstring("");
    TQCproperty* prop = fromId<TQCproperty>(id);
    TQCprocedure* proc = fromId<TQCprocedure>(id);
    switch (kind) {
    case 10: {
        TQCbase* object = getInstanceFromId(id);
        return TQCstring(object ? object->getInstanceName() : "");
    }
    case 11:
        return TQCstring(prop->getPropObjName());
    case 12: {
        TQCbase* object = getInstanceFromId(id);
        TQCproperty* described = fromId<TQCproperty>(extra);
        if (object == nullptr || described == nullptr)
            return TQCstring("");
        TQCvariant value = object->getProperty(described->getPropObjName());
        return TQCstring(value.getCharPtr());
    }
    case 13:
        return TQCstring(prop->getPropObjTypeName());
    case 18:
        return TQCstring(prop->getBuilderTitle());
    case 14:
        return propertyFlagsText(prop);
    case 1:
        return TQCstring(proc->getProcName());
    case 15:
        return TQCstring(proc->getFunctionName());
    case 16:
        return TQCstring(extra ? TQGFgettext(fromId<const char>(extra)) : "");
    case 17:
        return selectValueText(prop, extra);
    default:
        return TQCstring("");
    }
}
