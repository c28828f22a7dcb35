// The application object list: the class arrays and the registry of
// objects, process-wide user data, export lists and builder settings.
// Queues, events and lookup by id have files of their own.
#include "_TQCbaseList.h"

#include "_TQCbase.h"
#include "_TQCclassInformation.h"
#include "_TQGFstring.h"
#include "_TQCbaseList_internal.h"

#include <cstring>

using tqbaselist::addOnce;
using tqbaselist::sameName;

namespace {

const char USER_DATA_NAME[] = "_user_data_";

TQCbaseList::InternalWindowHandler internalWindowCreateHandler = nullptr;
TQCbaseList::InternalWindowHandler internalWindowVisibleHandler = nullptr;
TQCbaseList::InternalWindowHandler internalWindowUnvisibleHandler = nullptr;
TQCbaseList::InternalWindowHandler internalWindowDestroyHandler = nullptr;

char* mutableText(const char* text)
{
    return const_cast<char*>(text);
}

void freeExportDeleteEntry(TQCbaseList::ExportDeleteEntry* entry)
{
    delete[] entry->publicName;
    delete[] entry->instanceName;
    delete[] entry->className;
    delete entry;
}

void removeEvery(TQClistData* list, void* p)
{
    while (list->del(p) == 0) {
    }
}

} // namespace

// ---------------------------------------------------------------------------
// TQCbaseArray

TQCbaseArray::TQCbaseArray(const char* name)
    : hash(TQCclassInformation::getNameHash(name)), className(TQGFstrdup(name)), items(32)
{
}

TQCbaseArray::~TQCbaseArray()
{
    delete[] className;
}

bool TQCbaseArray::isClass(const char* name, unsigned char nameHash) const
{
    return hash == nameHash && sameName(className, name);
}

// ---------------------------------------------------------------------------
// Construction

TQCbaseList::TQCbaseList()
    : searchHandler(nullptr), classList(new TQClistData(128)), updateQueue(new TQClistData(1024)),
      initializeQueue(new TQClistData(1024)), remoteInstanceListUpdated(0), currentInstanceId(0),
      eventProcHandler(nullptr), newInstancePositionMode(0), runningFrames(nullptr)
{
}

TQCbaseList::~TQCbaseList()
{
    for (long i = 0; i < classList->getNum(); ++i)
        delete static_cast<TQCbaseArray*>(classList->getData(i));
    delete classList;
    delete updateQueue;
    delete initializeQueue;
    delAllEventProc();
    for (long i = 0; i < exportDeleteList.getNum(); ++i)
        freeExportDeleteEntry(static_cast<ExportDeleteEntry*>(exportDeleteList.getData(i)));
    clearRemoteInstanceList();
}

TQCbaseList* TQGIappObjectList()
{
    static TQCbaseList* list = new TQCbaseList;
    return list;
}

// ---------------------------------------------------------------------------
// Registry

long TQCbaseList::addClient(TQCbase* object, void* array)
{
    if (object == nullptr)
        return -1;
    if (array != nullptr) {
        static_cast<TQCbaseArray*>(array)->getItems()->add(object);
        return 0;
    }
    TQCbaseArray* created = new TQCbaseArray(object->getClassName());
    created->getItems()->add(object);
    classList->add(created);
    object->getClassInformation()->setClassInstanceList(created);
    return 0;
}

TQCbaseArray* TQCbaseList::arrayOf(TQCbase* object, void* array)
{
    if (array != nullptr)
        return static_cast<TQCbaseArray*>(array);
    TQCclassInformation* record = object->getClassInformation();
    return record ? static_cast<TQCbaseArray*>(record->getClassInstanceList()) : nullptr;
}

long TQCbaseList::delClient(TQCbase* object, void* array)
{
    if (object == nullptr)
        return -1;
    removeEvery(updateQueue, object);
    removeEvery(initializeQueue, object);
    forgetInRunningFrames(object);
    TQCbaseArray* instances = arrayOf(object, array);
    if (instances == nullptr)
        return 0;
    return instances->getItems()->del(object) == 0 ? 0 : -1;
}

void TQCbaseList::forgetInRunningFrames(TQCbase* object)
{
    for (RunFrame* frame = runningFrames; frame != nullptr; frame = frame->outer) {
        for (long i = 0; i < frame->count; ++i) {
            if (frame->objects[i] == object)
                frame->objects[i] = nullptr;
        }
    }
}

TQCbaseArray* TQCbaseList::findArray(const char* className)
{
    unsigned char hash = TQCclassInformation::getNameHash(className);
    for (long i = 0; i < classList->getNum(); ++i) {
        TQCbaseArray* array = static_cast<TQCbaseArray*>(classList->getData(i));
        if (array->isClass(className, hash))
            return array;
    }
    return nullptr;
}

TQCbase* TQCbaseList::findIn(TQCbaseArray* array, const char* instanceName, unsigned char hash)
{
    TQClistData* items = array->getItems();
    for (long i = 0; i < items->getNum(); ++i) {
        TQCbase* object = static_cast<TQCbase*>(items->getData(i));
        if (object->getInstanceNameHashValue() == hash &&
            std::strcmp(object->getInstanceName(), instanceName) == 0)
            return object;
    }
    return nullptr;
}

TQCbase* TQCbaseList::getInstance(const char* className, const char* instanceName)
{
    if (className == nullptr || instanceName == nullptr)
        return nullptr;
    unsigned char hash = TQCclassInformation::getNameHash(instanceName);
    if (std::strcmp(className, "TQCbase") == 0) {
        for (long i = 0; i < classList->getNum(); ++i) {
            TQCbase* found =
                findIn(static_cast<TQCbaseArray*>(classList->getData(i)), instanceName, hash);
            if (found != nullptr)
                return found;
        }
        return nullptr;
    }
    TQCbaseArray* array = findArray(className);
    return array ? findIn(array, instanceName, hash) : nullptr;
}

TQCbase* TQCbaseList::searchInstance(const char* className, const char* instanceName)
{
    if (searchHandler != nullptr)
        return searchHandler(mutableText(className), mutableText(instanceName));
    return getInstance(className, instanceName);
}

void TQCbaseList::setSearchInstanceHandler(void* handler)
{
    searchHandler = reinterpret_cast<SearchHandler>(handler);
}

TQCbaseArray* TQCbaseList::arrayHolding(TQCbase* object)
{
    for (long i = 0; i < classList->getNum(); ++i) {
        TQCbaseArray* array = static_cast<TQCbaseArray*>(classList->getData(i));
        TQClistData* items = array->getItems();
        for (long j = 0; j < items->getNum(); ++j) {
            if (items->getData(j) == object)
                return array;
        }
    }
    return nullptr;
}

long TQCbaseList::existInstance(TQCbase* object)
{
    return object != nullptr && arrayHolding(object) != nullptr ? 1 : 0;
}

TQClistData* TQCbaseList::getInstanceList(const char* className)
{
    TQCbaseArray* array = className ? findArray(className) : nullptr;
    return array ? array->getItems() : nullptr;
}

long TQCbaseList::countObject(const char* className)
{
    if (className == nullptr)
        return 0;
    if (std::strcmp(className, "TQCbase") == 0)
        return classList->getNum();
    TQCbaseArray* array = findArray(className);
    return array ? array->getItems()->getNum() : 0;
}

// ---------------------------------------------------------------------------
// Process-wide user data

TQCbase* TQCbaseList::userDataHolder(bool create)
{
    static TQCbase* holder = nullptr;
    if (holder == nullptr && create) {
        holder = new TQCbase(nullptr, USER_DATA_NAME);
        holder->initialize();
    }
    return holder;
}

// The holder copies the keys stored here (the non-const key form).
void TQCbaseList::setUserData(const char* key, void* value)
{
    userDataHolder(true)->setUserData(mutableText(key), value);
}

void* TQCbaseList::getUserData(const char* key)
{
    TQCbase* holder = userDataHolder(false);
    return holder ? holder->getUserData(key) : nullptr;
}

void TQCbaseList::setUserLongData(const char* key, unsigned long value)
{
    userDataHolder(true)->setUserLongData(key, value);
}

unsigned long TQCbaseList::getUserLongData(const char* key)
{
    TQCbase* holder = userDataHolder(false);
    return holder ? holder->getUserLongData(key) : 0;
}

void TQCbaseList::setUserStringData(const char* key, const char* text)
{
    userDataHolder(true)->setUserStringData(key, text);
}

const char* TQCbaseList::getUserStringData(const char* key)
{
    TQCbase* holder = userDataHolder(false);
    return holder ? holder->getUserStringData(key) : "";
}

// ---------------------------------------------------------------------------
// Export lists

long TQCbaseList::addExportInstanceList(TQCbase* object)
{
    return addOnce(exportList, object);
}

long TQCbaseList::addExportInstanceUpdateList(TQCbase* object)
{
    return addOnce(exportUpdateList, object);
}

// The class name under which the object is registered. The base destructor
// makes a delete entry when the derived parts are already gone and the
// object answers getClassName() as a plain TQCbase; its class array still
// knows the real class.
const char* TQCbaseList::registeredClassName(TQCbase* object)
{
    TQCbaseArray* array = arrayHolding(object);
    return array ? array->getClassName() : object->getClassName();
}

long TQCbaseList::addExportInstanceDeleteList(TQCbase* object)
{
    for (long i = 0; i < exportDeleteList.getNum(); ++i) {
        if (static_cast<ExportDeleteEntry*>(exportDeleteList.getData(i))->object == object)
            return -1;
    }
    const char* exportName = object->getExportName();
    ExportDeleteEntry* entry = new ExportDeleteEntry;
    entry->object = object;
    entry->publicName =
        TQGFstrdup(exportName[0] != '\0' ? exportName : object->getInstanceName());
    entry->instanceName = TQGFstrdup(object->getInstanceName());
    entry->className = TQGFstrdup(registeredClassName(object));
    exportDeleteList.add(entry);
    return 0;
}

long TQCbaseList::delExportInstanceList(TQCbase* object)
{
    exportList.del(object);
    return 0;
}

long TQCbaseList::delExportInstanceUpdateList(TQCbase* object)
{
    exportUpdateList.del(object);
    return 0;
}

void TQCbaseList::dropExportDeleteEntry(long pos)
{
    auto* entry = static_cast<ExportDeleteEntry*>(exportDeleteList.getData(pos));
    if (entry == nullptr)
        return;
    exportDeleteList.delPos(pos);
    delExportInstanceList(entry->object);
    freeExportDeleteEntry(entry);
}

void TQCbaseList::exportedObjectGone(TQCbase* object, bool exported)
{
    if (exported)
        addExportInstanceDeleteList(object);
    delExportInstanceList(object);
    delExportInstanceUpdateList(object);
}

long TQCbaseList::delExportInstanceDeleteList(TQCbase* object)
{
    for (long i = 0; i < exportDeleteList.getNum(); ++i) {
        ExportDeleteEntry* entry = static_cast<ExportDeleteEntry*>(exportDeleteList.getData(i));
        if (entry->object == object) {
            exportDeleteList.delPos(i);
            freeExportDeleteEntry(entry);
            break;
        }
    }
    return 0;
}

// ---------------------------------------------------------------------------
// Builder settings and internal-window hooks

void TQCbaseList::setNewInstanceClassName(const char* className)
{
    newInstanceClassName.setString(className);
}

void TQCbaseList::setInternalWindowCreateHandler(InternalWindowHandler handler)
{
    internalWindowCreateHandler = handler;
}

void TQCbaseList::setInternalWindowVisibleHandler(InternalWindowHandler handler)
{
    internalWindowVisibleHandler = handler;
}

void TQCbaseList::setInternalWindowUnvisibleHandler(InternalWindowHandler handler)
{
    internalWindowUnvisibleHandler = handler;
}

void TQCbaseList::setInternalWindowDestroyHandler(InternalWindowHandler handler)
{
    internalWindowDestroyHandler = handler;
}

TQCbaseList::InternalWindowHandler TQCbaseList::getInternalWindowCreateHandler()
{
    return internalWindowCreateHandler;
}

TQCbaseList::InternalWindowHandler TQCbaseList::getInternalWindowVisibleHandler()
{
    return internalWindowVisibleHandler;
}

TQCbaseList::InternalWindowHandler TQCbaseList::getInternalWindowUnvisibleHandler()
{
    return internalWindowUnvisibleHandler;
}

TQCbaseList::InternalWindowHandler TQCbaseList::getInternalWindowDestroyHandler()
{
    return internalWindowDestroyHandler;
}
