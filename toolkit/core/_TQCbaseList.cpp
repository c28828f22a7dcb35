// The application object list.
#include "_TQCbaseList.h"

#include "_TQCbase.h"
#include "_TQCclassInformation.h"
#include "_TQCprocedure.h"
#include "_TQCproperty.h"
#include "_TQClocaleSet.h"
#include "_TQDappDev.h"
#include "_TQGFdebug.h"
#include "_TQGFstring.h"
#include "_TQN.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

// A queue run or event broadcast under way, with its snapshot of objects.
// delClient blanks a destroyed object out of every running frame, so later
// entries of the same run never reach it.
struct TQCbaseList::RunFrame {
    TQCbase** objects;
    long count;
    RunFrame* outer;
};

namespace {

const char USER_DATA_NAME[] = "_user_data_";
// Source name in the debug log's trace lines.
const char kSource[] = "_TQCbaseList";

TQCbaseList::InternalWindowHandler internalWindowCreateHandler = nullptr;
TQCbaseList::InternalWindowHandler internalWindowVisibleHandler = nullptr;
TQCbaseList::InternalWindowHandler internalWindowUnvisibleHandler = nullptr;
TQCbaseList::InternalWindowHandler internalWindowDestroyHandler = nullptr;

bool sameName(const char* a, const char* b)
{
    return a != nullptr && b != nullptr && a[0] == b[0] && std::strcmp(a, b) == 0;
}

char* mutableText(const char* text)
{
    return const_cast<char*>(text);
}

unsigned long idOf(const void* p)
{
    return static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(p));
}

template <typename T>
T* fromId(unsigned long id)
{
    return reinterpret_cast<T*>(static_cast<std::uintptr_t>(id));
}

// Keeps a run frame on the list's frame chain for the lifetime of a run.
template <typename Frame>
class FrameScope {
public:
    FrameScope(Frame*& chainArg, Frame* frame) : chain(chainArg), previous(chainArg)
    {
        chain = frame;
    }
    ~FrameScope() { chain = previous; }
    FrameScope(const FrameScope&) = delete;
    FrameScope& operator=(const FrameScope&) = delete;

private:
    Frame*& chain;
    Frame* previous;
};

// Event codes and numeric data are kept in pointer slots.
long numberAt(const TQClistData& list, long i)
{
    return static_cast<long>(reinterpret_cast<std::intptr_t>(list.getData(i)));
}

void* numberSlot(long code)
{
    return reinterpret_cast<void*>(static_cast<std::intptr_t>(code));
}

// Order in which the introspection interface hands out properties; names
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
      initializeQueue(new TQClistData(1024)), currentInstanceId(0), eventProcHandler(nullptr),
      newInstancePositionMode(0), runningFrames(nullptr)
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
// Queues

void TQCbaseList::addNeedUpdate(TQCbase* object)
{
    updateQueue->add(object);
}

void TQCbaseList::addNeedInitialize(TQCbase* object)
{
    initializeQueue->add(object);
}

// A lone queued object is updated whatever its need-update flag says; from
// two on, only those still flagged are. Objects queued meanwhile wait for
// the next run.
void TQCbaseList::execUpdate()
{
    __dbprintf("TQCbaseList::execUpdate %s:%d start.\n", kSource, __LINE__);
    long n = updateQueue->getNum();
    if (n == 0)
        return;
    if (n == 1) {
        TQCbase* only = static_cast<TQCbase*>(updateQueue->getData(0));
        updateQueue->clear();
        only->update();
        __dbprintf("TQCbaseList::execUpdate %s:%d done3.\n", kSource, __LINE__);
        return;
    }
    enum { STACK_SNAPSHOT = 64 };
    TQCbase* onStack[STACK_SNAPSHOT];
    std::unique_ptr<TQCbase*[]> onHeap;
    TQCbase** snapshot = onStack;
    if (n > STACK_SNAPSHOT) {
        onHeap.reset(new TQCbase*[n]);
        snapshot = onHeap.get();
    }
    std::memcpy(snapshot, updateQueue->getBuf(), sizeof(TQCbase*) * n);
    updateQueue->clear();
    runUpdates(snapshot, n);
    if (onHeap)
        __dbprintf("TQCbaseList::execUpdate %s:%d done1.\n", kSource, __LINE__);
    else
        __dbprintf("TQCbaseList::execUpdate %s:%d done2.\n", kSource, __LINE__);
}

void TQCbaseList::runUpdates(TQCbase** snapshot, long n)
{
    RunFrame frame = {snapshot, n, runningFrames};
    FrameScope<RunFrame> scope(runningFrames, &frame);
    for (long i = 0; i < n; ++i) {
        TQCbase* object = snapshot[i];
        if (object != nullptr && object->isNeedUpdate())
            object->update();
    }
}

// Nothing runs before the application device's first initialise run has
// happened, nor while it is under way. The device is asked only once that
// process-wide flag is set, so this never brings the device into being.
void TQCbaseList::execInitialize()
{
    __dbprintf("TQCbaseList::execInitialize %s:%d start.\n", kSource, __LINE__);
    if (!TQDappDev::getInitializeExecuted())
        return;
    TQDappDev* app = TQGIappDev();
    if (app != nullptr && app->getUnderExecInitialize())
        return;
    runInitializeQueue();
    __dbprintf("TQCbaseList::execInitialize %s:%d done.\n", kSource, __LINE__);
}

void TQCbaseList::runInitializeQueue()
{
    long n = initializeQueue->getNum();
    if (n == 0)
        return;
    std::unique_ptr<TQCbase*[]> snapshot(new TQCbase*[n]);
    std::memcpy(snapshot.get(), initializeQueue->getBuf(), sizeof(TQCbase*) * n);
    initializeQueue->clear();

    RunFrame frame = {snapshot.get(), n, runningFrames};
    FrameScope<RunFrame> scope(runningFrames, &frame);
    for (long i = 0; i < n; ++i) {
        TQCbase* object = snapshot[i];
        if (object != nullptr)
            object->execProcedure(0L);
    }
}

// ---------------------------------------------------------------------------
// Application-wide events

long TQCbaseList::addEvent(TQCbase* object, long code)
{
    eventCodes.add(numberSlot(code));
    eventInstances.add(object);
    return 0;
}

long TQCbaseList::delEvent(TQCbase* object, long code)
{
    for (long i = 0; i < eventInstances.getNum(); ++i) {
        if (eventInstances.getData(i) == object &&
            numberAt(eventCodes, i) == code) {
            eventInstances.delPos(i);
            eventCodes.delPos(i);
            return 0;
        }
    }
    return -1;
}

bool TQCbaseList::isRegistered(TQCbase* object, long code) const
{
    for (long i = 0; i < eventInstances.getNum(); ++i) {
        if (eventInstances.getData(i) == object &&
            numberAt(eventCodes, i) == code)
            return true;
    }
    return false;
}

namespace {

void deliverEventProc(TQCbase* object, long code, void* data)
{
    object->execEventProc(code, data);
}

void deliverProcedure(TQCbase* object, long code, void*)
{
    object->execProcedure(code);
}

void deliverNamedProcedure(TQCbase* object, long, void* name)
{
    object->execProcedure(static_cast<const char*>(name));
}

} // namespace

// A broadcast walks a snapshot of its (code, object) registrations. A
// registration withdrawn by an earlier call of the same broadcast, or an
// object destroyed meanwhile, is passed over.
void TQCbaseList::broadcast(bool anyCode, long code, Delivery deliver, void* arg)
{
    std::vector<TQCbase*> objects;
    std::vector<long> codes;
    for (long i = 0; i < eventInstances.getNum(); ++i) {
        long registered = numberAt(eventCodes, i);
        if (anyCode || registered == code) {
            objects.push_back(static_cast<TQCbase*>(eventInstances.getData(i)));
            codes.push_back(registered);
        }
    }
    if (objects.empty())
        return;

    RunFrame frame = {objects.data(), static_cast<long>(objects.size()), runningFrames};
    FrameScope<RunFrame> scope(runningFrames, &frame);
    for (std::size_t k = 0; k < objects.size(); ++k) {
        TQCbase* object = objects[k];
        if (object != nullptr && isRegistered(object, codes[k]))
            deliver(object, codes[k], arg);
    }
}

void TQCbaseList::execEvent(long code, void* data)
{
    broadcast(false, code, deliverEventProc, data);
}

void TQCbaseList::execEvent(long code)
{
    broadcast(false, code, deliverProcedure, nullptr);
}

void TQCbaseList::execEvent(const char* procedureName)
{
    if (procedureName != nullptr)
        broadcast(true, 0, deliverNamedProcedure, const_cast<char*>(procedureName));
}

// ---------------------------------------------------------------------------
// Global event procedures

long TQCbaseList::findEventProc(EventProc function, const char* functionName,
                                const char* eventName) const
{
    for (long i = 0; i < eventProcEventNames.getNum(); ++i) {
        if (!sameName(static_cast<const char*>(eventProcEventNames.getData(i)), eventName))
            continue;
        if (function != nullptr) {
            if (reinterpret_cast<EventProc>(eventProcFunctions.getData(i)) == function)
                return i;
        } else if (sameName(static_cast<const char*>(eventProcFunctionNames.getData(i)),
                            functionName)) {
            return i;
        }
    }
    return -1;
}

long TQCbaseList::addEventProc(EventProc function, const char* eventName, void* data)
{
    if (eventName == nullptr)
        return -1;
    long pos = function ? findEventProc(function, nullptr, eventName) : -1;
    if (pos >= 0) {
        eventProcData.setData(pos, data);
        return 1;
    }
    eventProcFunctions.add(reinterpret_cast<void*>(function));
    eventProcFunctionNames.add(nullptr);
    eventProcEventNames.add(TQGFstrdup(eventName));
    eventProcData.add(data);
    return 0;
}

long TQCbaseList::addEventProcByName(const char* functionName, const char* eventName, void* data)
{
    if (functionName == nullptr || eventName == nullptr)
        return -1;
    long pos = findEventProc(nullptr, functionName, eventName);
    if (pos >= 0) {
        eventProcFunctions.setData(pos, nullptr);
        eventProcData.setData(pos, data);
        return 1;
    }
    eventProcFunctions.add(nullptr);
    eventProcFunctionNames.add(TQGFstrdup(functionName));
    eventProcEventNames.add(TQGFstrdup(eventName));
    eventProcData.add(data);
    return 0;
}

long TQCbaseList::addEventProc(const char* functionName, const char* eventName, void* data)
{
    return addEventProcByName(functionName, eventName, data);
}

long TQCbaseList::addEventProc(const char* functionName, const char* eventName, long data)
{
    return addEventProcByName(functionName, eventName, numberSlot(data));
}

void TQCbaseList::removeEventProc(long pos)
{
    delete[] static_cast<char*>(eventProcFunctionNames.getData(pos));
    delete[] static_cast<char*>(eventProcEventNames.getData(pos));
    eventProcFunctions.delPos(pos);
    eventProcFunctionNames.delPos(pos);
    eventProcEventNames.delPos(pos);
    eventProcData.delPos(pos);
}

long TQCbaseList::delEventProc(EventProc function, const char* eventName)
{
    long pos = function ? findEventProc(function, nullptr, eventName) : -1;
    if (pos < 0)
        return -1;
    removeEventProc(pos);
    return 0;
}

long TQCbaseList::delEventProc(const char* functionName, const char* eventName)
{
    long pos = functionName ? findEventProc(nullptr, functionName, eventName) : -1;
    if (pos < 0)
        return -1;
    removeEventProc(pos);
    return 0;
}

void TQCbaseList::delAllEventProc()
{
    for (long i = 0; i < eventProcEventNames.getNum(); ++i) {
        delete[] static_cast<char*>(eventProcFunctionNames.getData(i));
        delete[] static_cast<char*>(eventProcEventNames.getData(i));
    }
    eventProcFunctions.clear();
    eventProcFunctionNames.clear();
    eventProcEventNames.clear();
    eventProcData.clear();
}

// Entries are re-read at every step, so a procedure may add or remove entries
// while the event runs. An entry carries either a function or a function
// name, never both.
void TQCbaseList::execEventProc(const char* eventName)
{
    if (eventName == nullptr)
        return;
    for (long i = 0; i < eventProcEventNames.getNum(); ++i) {
        if (!sameName(static_cast<const char*>(eventProcEventNames.getData(i)), eventName))
            continue;
        EventProc function = reinterpret_cast<EventProc>(eventProcFunctions.getData(i));
        char* functionName = static_cast<char*>(eventProcFunctionNames.getData(i));
        void* data = eventProcData.getData(i);
        if (function != nullptr)
            function(data);
        else if (functionName != nullptr && eventProcHandler != nullptr)
            eventProcHandler(functionName, data);
    }
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

namespace {

long addOnce(TQClistData& list, TQCbase* object)
{
    for (long i = 0; i < list.getNum(); ++i) {
        if (list.getData(i) == object)
            return -1;
    }
    list.add(object);
    return 0;
}

} // namespace

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

// ---------------------------------------------------------------------------
// Introspection by id

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
