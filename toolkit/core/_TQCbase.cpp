// Base object: identity, tree and life cycle, creation by class name,
// properties by name, event procedures and user data.
#include "_TQCbase.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "_TQCbaseList.h"
#include "_TQCdevice.h"
#include "_TQCindexVariantData.h"
#include "_TQCprocedure.h"
#include "_TQCproperty.h"
#include "_TQDappDev.h"
#include "_TQDdev.h"
#include "_TQDmouse.h"
#include "_TQGFcolor.h"
#include "_TQGFdebug.h"
#include "_TQGFimage.h"
#include "_TQGFstring.h"
#include "_TQGFtrigger.h"
#include "_TQN.h"

namespace {

const char* const kFocusListKey = "FOCUS_LIST";
const char* const kExportNameKey = "export-name";
const long kNewestColourNumber = 1023;
const long kUserDataLimit = 127;
const long kUserDataStep = 4;
const size_t kTraceLineSize = 1024;

char g_emptyText[1] = "";

bool sameText(const char* a, const char* b)
{
    return a[0] == b[0] && std::strcmp(a, b) == 0;
}

// The texts an image property reads as "no image".
bool meansNoImage(const char* text)
{
    static const char* const names[] = { "", "NULL", "NONE", "null", "None" };
    for (const char* name : names) {
        if (std::strcmp(text, name) == 0)
            return true;
    }
    return false;
}

TQCbase* baseAt(const TQClistData& list, long i)
{
    return static_cast<TQCbase*>(list.getData(i));
}

// Creators by class name (names held by reference), kept for the process.
struct CreateRegistry {
    TQClistData creators{64};
    TQClistData classNames{64};
    TQClistData supported{64};
    TQCbase::CreateInstanceHandler fallback = nullptr;

    long find(const char* className) const
    {
        for (long i = 0; i < classNames.getNum(); ++i) {
            if (std::strcmp(static_cast<const char*>(classNames.getData(i)), className) == 0)
                return i;
        }
        return -1;
    }
};

CreateRegistry& createRegistry()
{
    static CreateRegistry* registry = new CreateRegistry;
    return *registry;
}

// Trace lines go, in UTF-8, to the trace viewer's channel.
void sendTraceLine(const char* line)
{
    const long kUtf8 = 16;
    TQCstring text(line);
    TQGFsendMessage("TQ-TRACER", text.getString(kUtf8));
}

bool listHolds(const TQClistData* list, const void* p)
{
    if (list == nullptr)
        return false;
    for (long i = 0; i < list->getNum(); ++i) {
        if (list->getData(i) == p)
            return true;
    }
    return false;
}

// Source name of the debug log lines of this file.
const char kSourceName[] = "_TQCbase";

// The debug log's closing line of a run, written when it goes out of scope.
// It is made together with the opening line, while the object, its name and
// the procedure still exist: a run may destroy them. Nothing is made when
// the log is closed.
class ClosingLogLine {
public:
    ClosingLogLine() { text[0] = '\0'; }
    ~ClosingLogLine()
    {
        if (text[0] != '\0')
            __dbprintf("%s", text);
    }
    void prepare(const char* format, ...) __attribute__((format(gnu_printf, 2, 3)))
    {
        va_list args;
        va_start(args, format);
        std::vsnprintf(text, sizeof text, format, args);
        va_end(args);
    }

private:
    ClosingLogLine(const ClosingLogLine&) = delete;
    ClosingLogLine& operator=(const ClosingLogLine&) = delete;

    char text[512];
};

} // namespace

// ---------------------------------------------------------------------------
// Life guards

TQCbase::LifeGuard::LifeGuard(TQCbase* objectArg) : object(objectArg), outer(objectArg->lifeGuards)
{
    objectArg->lifeGuards = this;
}

TQCbase::LifeGuard::~LifeGuard()
{
    if (object != nullptr)
        object->lifeGuards = outer;
}

// The snapshot a pass walks: the object's own array, reused from run to
// run, or, for a pass nested in another pass of the same object, an array
// of the pass's own so the outer pass keeps its entries.
class TQCbase::PassSnapshot {
public:
    PassSnapshot(TQCbase* object, long count, const LifeGuard& guardArg)
        : guard(guardArg), borrowedFrom(nullptr), own(nullptr), entries(nullptr)
    {
        if (!object->runSnapshotInUse && count <= 0xFFFF) {
            if (object->runSnapshotCapacity < count) {
                delete[] object->runSnapshot;
                object->runSnapshot = new TQCprocedure*[count];
                object->runSnapshotCapacity = static_cast<u16>(count);
            }
            object->runSnapshotInUse = true;
            borrowedFrom = object;
            entries = object->runSnapshot;
        } else {
            own = new TQCprocedure*[count];
            entries = own;
        }
    }
    // A destroyed object took its array with it.
    ~PassSnapshot()
    {
        if (borrowedFrom != nullptr && guard.alive())
            borrowedFrom->runSnapshotInUse = false;
        delete[] own;
    }
    TQCprocedure*& operator[](long i) { return entries[i]; }

private:
    PassSnapshot(const PassSnapshot&) = delete;
    PassSnapshot& operator=(const PassSnapshot&) = delete;

    const LifeGuard& guard;
    TQCbase* borrowedFrom;
    TQCprocedure** own;
    TQCprocedure** entries;
};

// ---------------------------------------------------------------------------
// Construction and destruction

TQCbase::TQCbase(TQCbase* parentArg, const char* name)
    : classInfo(nullptr), procedureList(nullptr), runSnapshot(nullptr), instanceName(nullptr),
      ownDevice(nullptr), publicDevChild(nullptr), parent(parentArg), dataSourceServer(nullptr),
      dataSourceClients(nullptr), refUserData(nullptr), copyUserData(nullptr),
      refUserDataCount(0), copyUserDataCount(0), variantData(nullptr), offsetPointers(nullptr),
      eventMask(0), runSnapshotCapacity(0), runSnapshotInUse(false), procedureRemovals(0),
      procedureAttaches(0), lifeGuards(nullptr), state()
{
    if (name != nullptr && name[0] != '\0') {
        instanceName = TQGFstrdup(name);
        state.nameHash = TQCclassInformation::getNameHash(name);
    }
    state.ownSensitive = 1;
    state.ownSensitiveSaved = 1;
    state.parentSensitive = 1;
    state.keepPixmapCache = 1;
}

TQCbase::~TQCbase()
{
    // Passes still running on this object stop when their procedure returns.
    for (LifeGuard* guard = lifeGuards; guard != nullptr; guard = guard->outer)
        guard->object = nullptr;
    lifeGuards = nullptr;

    leaveExportLists();
    releaseFocusHolders();
    _exec_del_procedure();
    // Also before initialize(): an INITIALIZE procedure queues the object.
    TQGIappObjectList()->delClient(this, classInfo ? classInfo->getClassInstanceList() : nullptr);
    TQDmouse* mouse = TQGIappMouse();
    if (mouse != nullptr && mouse->getMouseFocusClient() == this)
        mouse->setMouseFocusClient(nullptr);
    leaveParentFocusList();
    if (ownDevice != nullptr) {
        ownDevice->deleteInstance();
        ownDevice = nullptr;
    }
    if (parent != nullptr) {
        parent->delChild(this);
        parent = nullptr;
    }
    delete offsetPointers;
    releaseUserData();
    releaseDataSourceLinks();
    releaseProcedures();
    delete[] runSnapshot;
    if (variantData != nullptr)
        variantData->clear();
    delete variantData;
    delete[] instanceName;
}

// The delete entry copies the names, so it outlives the object.
void TQCbase::leaveExportLists()
{
    if (!state.exported)
        return;
    TQCbaseList* list = TQGIappObjectList();
    list->addExportInstanceDeleteList(this);
    list->delExportInstanceList(this);
    list->delExportInstanceUpdateList(this);
    state.exported = 0;
}

void TQCbase::leaveParentFocusList()
{
    if (parent != nullptr) {
        TQClistData* siblings = static_cast<TQClistData*>(parent->getUserData(kFocusListKey));
        if (siblings != nullptr)
            siblings->del(this);
    }
    void** own = findUserData(kFocusListKey);
    if (own != nullptr) {
        delete static_cast<TQClistData*>(*own);
        *own = nullptr;
    }
}

void TQCbase::releaseDataSourceLinks()
{
    if (dataSourceClients != nullptr) {
        for (long i = 0; i < dataSourceClients->getNum(); ++i) {
            TQCbase* client = baseAt(*dataSourceClients, i);
            if (client != nullptr)
                client->dataSourceServer = nullptr;
        }
        delete dataSourceClients;
        dataSourceClients = nullptr;
    }
    if (dataSourceServer != nullptr) {
        if (dataSourceServer->dataSourceClients != nullptr)
            dataSourceServer->dataSourceClients->del(this);
        dataSourceServer = nullptr;
    }
}

void TQCbase::releaseProcedures()
{
    if (procedureList == nullptr)
        return;
    for (long i = 0; i < procedureList->getNum(); ++i)
        delete static_cast<TQCprocedure*>(procedureList->getData(i));
    delete procedureList;
    procedureList = nullptr;
}

long TQCbase::initialize()
{
    LifeGuard guard(this);
    TQCclassInformation* info = getClassInformation();
    classInfo = info;
    TQGIappObjectList()->addClient(this, info->getClassInstanceList());
    _property_init(info);
    if (!guard.alive())
        return 0;
    state.initialized = 1;
    if (parent != nullptr) {
        TQCbase* p = parent;
        p->setChild(this);
        p->onChildAdded(this);
    }
    info->getHashTable();
    return 0;
}

// Defaults in the class record's order; each handler gets the object as the
// class that registered the property sees it.
void TQCbase::_property_init(TQCclassInformation* info)
{
    LifeGuard guard(this);
    TQClistData* props = info->getPropertyListForInit();
    const char* castName = nullptr;
    void* castObject = nullptr;
    for (long i = 0; i < props->getNum(); ++i) {
        TQCproperty* prop = static_cast<TQCproperty*>(props->getData(i));
        if (castName == nullptr || prop->getPropObjClassName() != castName) {
            castName = prop->getPropObjClassName();
            castObject = cast(castName);
        }
        if (castObject == nullptr)
            continue;
        prop->execSetHandler(castObject);
        if (!guard.alive())
            return;
    }
}

// ---------------------------------------------------------------------------
// Identity

unsigned char TQCbase::canBurstCast(void* p)
{
    return p == static_cast<void*>(this) ? 1 : 0;
}

const char* TQCbase::getInstanceName() const
{
    return instanceName != nullptr ? instanceName : "";
}


void TQCbase::setInstanceName(const char* name)
{
    setInstanceNameNC(TQGFstrdup(name));
}

void TQCbase::setInstanceNameNC(char* name)
{
    delete[] instanceName;
    instanceName = name != nullptr ? name : TQGFstrdup("none");
    state.nameHash = TQCclassInformation::getNameHash(instanceName);
}

// ---------------------------------------------------------------------------
// Tree

TQCbase* TQCbase::getParentWindow()
{
    TQCbase* top = this;
    while (top->parent != nullptr)
        top = top->parent;
    return top;
}

unsigned char TQCbase::isParent(TQCbase* object)
{
    for (TQCbase* p = parent; p != nullptr; p = p->parent) {
        if (p == object)
            return 1;
    }
    return 0;
}

long TQCbase::setChild(TQCbase* child)
{
    if (child == nullptr)
        return -1;
    TQClistData* children = getChildrenPtr();
    if (children != nullptr)
        children->add(child);
    return 0;
}

long TQCbase::delChild(TQCbase* child)
{
    TQClistData* children = getChildrenPtr();
    if (children != nullptr)
        children->del(child);
    return 0;
}

TQCbase* TQCbase::getNextChild(TQCbase* child)
{
    TQClistData* children = getChildrenPtr();
    if (children == nullptr)
        return nullptr;
    if (child == nullptr)
        return baseAt(*children, 0);
    for (long i = 0; i + 1 < children->getNum(); ++i) {
        if (baseAt(*children, i) == child)
            return baseAt(*children, i + 1);
    }
    return nullptr;
}

TQCbase* TQCbase::getChildInstance(const char* name)
{
    if (name == nullptr)
        return nullptr;
    if (instanceName != nullptr && instanceName[0] != '\0' && std::strcmp(instanceName, name) == 0)
        return this;
    TQClistData& children = getChildren();
    for (long i = 0; i < children.getNum(); ++i) {
        TQCbase* child = baseAt(children, i);
        TQCbase* found = child != nullptr ? child->getChildInstance(name) : nullptr;
        if (found != nullptr)
            return found;
    }
    return nullptr;
}

long TQCbase::getAllChildren(TQClistData& list)
{
    TQClistData& children = getChildren();
    for (long i = 0; i < children.getNum(); ++i) {
        TQCbase* child = baseAt(children, i);
        if (child == nullptr)
            continue;
        list.add(child);
        child->getAllChildren(list);
    }
    return 0;
}

long TQCbase::setOrder(char mode)
{
    if (parent == nullptr)
        return -1;
    TQClistData& siblings = parent->getChildren();
    if (siblings.del(this) == 0)
        siblings.add(this, mode == 3 ? 0 : -1);
    if (ownDevice != nullptr)
        ownDevice->setEventOrder(ownDevice, mode);
    return 0;
}

// ---------------------------------------------------------------------------
// Creation by class name

void TQCbase::setCreateHandler(const char* className, CreateHandler creator)
{
    if (className == nullptr)
        return;
    CreateRegistry& registry = createRegistry();
    long i = registry.find(className);
    void* entry = reinterpret_cast<void*>(creator);
    if (i >= 0) {
        registry.creators.setData(i, entry);
        return;
    }
    registry.creators.add(entry);
    registry.classNames.add(const_cast<char*>(className));
}

TQClistData* TQCbase::getSupportedClassList()
{
    CreateRegistry& registry = createRegistry();
    registry.supported.clear();
    for (long i = 0; i < registry.classNames.getNum(); ++i) {
        if (registry.creators.getData(i) != nullptr)
            registry.supported.add(registry.classNames.getData(i));
    }
    return &registry.supported;
}

TQCbase* TQCbase::getNewInstance(const char* className, TQCbase* parent, const char* name)
{
    CreateRegistry& registry = createRegistry();
    if (registry.classNames.getNum() == 0 || className == nullptr)
        return nullptr;
    long i = registry.find(className);
    if (i >= 0) {
        CreateHandler creator = reinterpret_cast<CreateHandler>(registry.creators.getData(i));
        return creator != nullptr ? creator(parent, name) : nullptr;
    }
    if (registry.fallback != nullptr)
        return registry.fallback(className, parent, name);
    return nullptr;
}

void TQCbase::setCreateInstanceHandler(CreateInstanceHandler handler)
{
    createRegistry().fallback = handler;
}

// ---------------------------------------------------------------------------
// Versions

long TQCbase::checkVersion(long v)
{
    if (v / 10 == getVer(VERSION) / 10)
        return 1;
    std::fprintf(stderr, "VERSION error. TQCbase object_version=%ld, This TQCbase object_version=%ld\n",
                 static_cast<long>(VERSION), v);
    return 0;
}

void TQCbase::reportVersionMismatch(const char* className, long ownVersion, long given)
{
    std::fprintf(stderr, "VERSION error. class=%s object_version=%ld  <- differ -> object_version=%ld\n",
                 className, ownVersion, given);
}

void TQCbase::reportRecompile(const char* className)
{
    std::fprintf(stderr, "Target CLASS:%s    Please recompile.\n", className);
}

// ---------------------------------------------------------------------------
// Export

void TQCbase::setExported(unsigned char on)
{
    unsigned char flag = on ? 1 : 0;
    if (flag && !state.exported)
        TQGIappObjectList()->addExportInstanceUpdateList(this);
    else if (!flag && state.exported)
        TQGIappObjectList()->addExportInstanceDeleteList(this);
    state.exported = flag;
    state.exportState = flag;
}

void TQCbase::setExportName(const char* name)
{
    setUserStringData(kExportNameKey, name);
}

const char* TQCbase::getExportName()
{
    return getUserStringData(kExportNameKey);
}

// ---------------------------------------------------------------------------
// Visibility and sensitivity

unsigned char TQCbase::getVisible()
{
    if (state.parentVisibleValid)
        return state.ownVisible & state.parentVisible;
    if (!state.ownVisible)
        return 0;
    return _get_parent_visible();
}

unsigned char TQCbase::_get_parent_visible()
{
    if (state.parentVisibleValid)
        return state.parentVisible;
    state.parentVisibleValid = 1;
    if (parent != nullptr)
        state.parentVisible = parent->getVisible() ? 1 : 0;
    else
        state.parentVisible = (getObjectType() & OBJECT_TOP_LEVEL) ? 1 : 0;
    return state.parentVisible;
}

unsigned char TQCbase::getParentVisible()
{
    return state.parentVisibleValid ? state.parentVisible : _get_parent_visible();
}

unsigned char TQCbase::getSensitive()
{
    if (state.parentSensitiveValid)
        return state.ownSensitive & state.parentSensitive;
    if (!state.ownSensitive)
        return 0;
    return _get_parent_sensitive();
}

// A parentless object counts as sensitive here; its cached bit keeps what
// it was given (set at construction) and answers from then on.
unsigned char TQCbase::_get_parent_sensitive()
{
    if (state.parentSensitiveValid)
        return state.parentSensitive;
    state.parentSensitiveValid = 1;
    if (parent == nullptr)
        return 1;
    state.parentSensitive = parent->getSensitive() ? 1 : 0;
    return state.parentSensitive;
}

// The effective visibility before a change, from the shown bit.
unsigned char TQCbase::visibleBeforeChange()
{
    if (state.parentVisibleValid)
        return state.shown & state.parentVisible;
    return state.shown ? _get_parent_visible() : 0;
}

void TQCbase::setVisible(unsigned char v)
{
    LifeGuard guard(this);
    long type = getObjectType();
    unsigned char before = visibleBeforeChange();
    if (v == state.ownVisible && state.shown == state.ownVisible)
        return;
    if (v) {
        state.ownVisible = 1;
        state.shown = 1;
    } else {
        state.ownVisible = 0;
        state.shown = 0;
        // Repaint the area the object leaves on its parent's window.
        if (!(type & OBJECT_NATIVE_WINDOW) && !state.noClear) {
            redraw();
            if (!guard.alive())
                return;
        }
    }
    unsigned char after = getVisible();
    onVisibleChange(state.ownVisible);
    if (!guard.alive())
        return;
    execProcedure(TQEV_VISIBLE_CH);
    if (!guard.alive())
        return;
    if (before != after) {
        tellChildrenParentVisible(after, guard);
        if (!guard.alive())
            return;
    }
    if (v == 1) {
        if (!(type & OBJECT_NATIVE_WINDOW))
            setAbsoluteDraw(1);
        needUpdate();
    }
}

void TQCbase::setSensitive(unsigned char v)
{
    if (v == state.ownSensitive)
        return;
    LifeGuard guard(this);
    setAbsoluteDraw(1);
    needUpdate();
    unsigned char before = getSensitive();
    state.ownSensitive = v ? 1 : 0;
    state.ownSensitiveSaved = state.ownSensitive;
    onSensitiveChange(state.ownSensitive);
    if (!guard.alive())
        return;
    execProcedure(TQEV_SENSITIVE_CH);
    if (!guard.alive())
        return;
    unsigned char now = getSensitive();
    if (now != before)
        tellChildrenParentSensitive(now, guard);
}

// The cache's validity is left alone: an unread cache still asks the parent.
void TQCbase::setParentVisible(unsigned char v)
{
    if (v == state.parentVisible)
        return;
    LifeGuard guard(this);
    unsigned char old = state.parentVisible;
    state.parentVisible = v ? 1 : 0;
    onParentVisibleChange(v);
    if (!guard.alive())
        return;
    execProcedure(TQEV_PARENT_VISIBLE_CH);
    if (!guard.alive())
        return;
    if ((old & state.ownVisible) != (state.parentVisible & state.ownVisible))
        tellChildrenParentVisible(getVisible(), guard);
}

void TQCbase::setParentSensitive(unsigned char v)
{
    if (v == state.parentSensitive)
        return;
    LifeGuard guard(this);
    setAbsoluteDraw(1);
    needUpdate();
    unsigned char old = state.parentSensitive;
    state.parentSensitive = v ? 1 : 0;
    onParentSensitiveChange(v);
    if (!guard.alive())
        return;
    execProcedure(TQEV_PARENT_SENSITIVE_CH);
    if (!guard.alive())
        return;
    if ((old & state.ownSensitive) != (state.parentSensitive & state.ownSensitive))
        tellChildrenParentSensitive(getSensitive(), guard);
}

// A child's hooks may destroy or remove later children, or this object:
// each child is told only while it is still a child, and the walk stops
// when this object is gone.
void TQCbase::tellChildrenParentVisible(unsigned char v, LifeGuard& guard)
{
    TQClistData* children = getChildrenPtr();
    if (children == nullptr)
        return;
    TQClistData snapshot(*children);
    for (long i = 0; i < snapshot.getNum(); ++i) {
        TQCbase* child = baseAt(snapshot, i);
        if (child == nullptr || !listHolds(getChildrenPtr(), child))
            continue;
        child->setParentVisible(v);
        if (!guard.alive())
            return;
    }
}

void TQCbase::tellChildrenParentSensitive(unsigned char v, LifeGuard& guard)
{
    TQClistData* children = getChildrenPtr();
    if (children == nullptr)
        return;
    TQClistData snapshot(*children);
    for (long i = 0; i < snapshot.getNum(); ++i) {
        TQCbase* child = baseAt(snapshot, i);
        if (child == nullptr || !listHolds(getChildrenPtr(), child))
            continue;
        child->setParentSensitive(v);
        if (!guard.alive())
            return;
    }
}

// ---------------------------------------------------------------------------
// Devices

TQDdev* TQCbase::getdev()
{
    TQCbase* holder = this;
    while (holder->state.publicDevChildInUse) {
        holder = holder->publicDevChild;
        if (holder == nullptr)
            return nullptr;
    }
    return holder->ownDevice;
}

TQDdev* TQCbase::getParentDev()
{
    if (parent == nullptr)
        return nullptr;
    return state.useParentBaseDev ? parent->ownDevice : parent->getdev();
}

TQDdev* TQCbase::attachdev()
{
    if (ownDevice != nullptr)
        return ownDevice;
    TQDdev* dev = TQGIappDevice()->getDevObject(getUseDevName(), this);
    if (dev != nullptr)
        setdev(dev);
    return ownDevice;
}

long TQCbase::setdev(TQDdev* dev)
{
    ownDevice = dev;
    if (dev != nullptr) {
        dev->attachClient(this);
        _device_initialize();
    }
    return 0;
}

// An object with a window of its own scrolls inside it: its offsets are not
// the device's.
long TQCbase::_device_initialize()
{
    if (ownDevice == nullptr)
        return -1;
    if (offsetPointers != nullptr) {
        if (offsetPointers->scale != nullptr)
            ownDevice->setValue(TQDdev::VALUE_SCALE_PTR, offsetPointers->scale);
        if (!(getObjectType() & OBJECT_NATIVE_WINDOW)) {
            if (offsetPointers->x != nullptr)
                ownDevice->setValue(TQDdev::VALUE_X_OFFSET_PTR, offsetPointers->x);
            if (offsetPointers->y != nullptr)
                ownDevice->setValue(TQDdev::VALUE_Y_OFFSET_PTR, offsetPointers->y);
        }
    }
    ownDevice->setEnableEventBit(static_cast<long>(eventMask));
    return 0;
}

TQCbase::OffsetPointers* TQCbase::offsetRecord()
{
    if (offsetPointers == nullptr)
        offsetPointers = new OffsetPointers{nullptr, nullptr, nullptr};
    return offsetPointers;
}

void TQCbase::setScaleOffsetPtr(double* p)
{
    offsetRecord()->scale = p;
    if (ownDevice != nullptr)
        ownDevice->setValue(TQDdev::VALUE_SCALE_PTR, p);
}

// Unlike _device_initialize, only a top-level window keeps its offsets
// from the device: a form takes offsets set once its device exists.
void TQCbase::setXOffsetPtr(short* p)
{
    offsetRecord()->x = p;
    if (ownDevice != nullptr && !(getObjectType() & OBJECT_TOP_LEVEL))
        ownDevice->setValue(TQDdev::VALUE_X_OFFSET_PTR, p);
}

void TQCbase::setYOffsetPtr(short* p)
{
    offsetRecord()->y = p;
    if (ownDevice != nullptr && !(getObjectType() & OBJECT_TOP_LEVEL))
        ownDevice->setValue(TQDdev::VALUE_Y_OFFSET_PTR, p);
}

// ---------------------------------------------------------------------------
// Updates

void TQCbase::needUpdate()
{
    if (!state.ownVisible || state.queuedForUpdate)
        return;
    state.queuedForUpdate = 1;
    TQGIappObjectList()->addNeedUpdate(this);
    __dbprintf("TQCbase::needUpdate() %s:%d %s add update list...\n", kSourceName, 591,
               getInstanceName());
}

// ---------------------------------------------------------------------------
// Data-source link

long TQCbase::addDataSourceClient(TQCbase* client)
{
    if (client == nullptr)
        return -1;
    if (dataSourceClients == nullptr)
        dataSourceClients = new TQClistData(8);
    if (!listHolds(dataSourceClients, client))
        dataSourceClients->add(client);
    return 0;
}

long TQCbase::delDataSourceClient(TQCbase* client)
{
    if (dataSourceClients == nullptr || client == nullptr)
        return -1;
    return dataSourceClients->del(client) == 0 ? 0 : -1;
}

// A client may unlink itself, or be destroyed, while earlier ones take the
// value: each is called only while it is still on the list.
void TQCbase::setDataToDataSourceClients(TQCvariant* value)
{
    if (dataSourceClients == nullptr)
        return;
    TQCvariant empty(static_cast<const char*>(""));
    if (value == nullptr)
        value = &empty;
    LifeGuard guard(this);
    TQClistData snapshot(*dataSourceClients);
    for (long i = 0; i < snapshot.getNum(); ++i) {
        TQCbase* client = baseAt(snapshot, i);
        if (client == nullptr || !listHolds(dataSourceClients, client))
            continue;
        client->setData(value, -2);
        if (!guard.alive())
            return;
    }
}

void TQCbase::setData(TQCvariant* value, long mode)
{
    TQCbase* child = getPropertyInheritChild();
    if (child != nullptr)
        child->setData(value, mode);
}

long TQCbase::getDataSourceType()
{
    TQCbase* child = getPropertyInheritChild();
    return child != nullptr ? child->getDataSourceType() : 0;
}

const char* TQCbase::getDataSourcePropertyName()
{
    TQCbase* child = getPropertyInheritChild();
    return child != nullptr ? child->getDataSourcePropertyName() : "";
}

// ---------------------------------------------------------------------------
// Procedures

TQClistData* TQCbase::getProcedureList()
{
    if (procedureList != nullptr)
        return procedureList;
    static TQClistData* none = new TQClistData;
    none->clear();
    return none;
}

TQClistData TQCbase::getProcedures()
{
    return procedureList != nullptr ? TQClistData(*procedureList) : TQClistData();
}

long TQCbase::delAllProcedure()
{
    if (procedureList != nullptr) {
        for (long i = procedureList->getNum() - 1; i >= 0; --i) {
            TQCprocedure* p = static_cast<TQCprocedure*>(procedureList->getData(i));
            if (p->getTrigger() == TQEV_DELETE)
                continue;
            procedureList->delPos(i);
            delete p;
        }
    }
    ++procedureRemovals;
    return 0;
}

void TQCbase::appendProcedure(TQCprocedure* procedure)
{
    if (procedureList == nullptr)
        procedureList = new TQClistData(8);
    procedure->attachSerial = ++procedureAttaches;
    procedureList->add(procedure);
}

// A snapshot entry runs only while it is attached and was so when the pass
// began; its record is read only once it is known to be attached.
bool TQCbase::stillDue(TQCprocedure* procedure, unsigned long attachesAtStart) const
{
    return holdsProcedure(procedure) && procedure->attachSerial <= attachesAtStart;
}

bool TQCbase::holdsProcedure(TQCprocedure* procedure) const
{
    return listHolds(procedureList, procedure);
}

long TQCbase::addProcedure(TQCprocedure* procedure)
{
    if (procedure == nullptr)
        return -1;
    long trigger = procedure->getTrigger();
    if (!existTrigger(trigger) && !procedure->getInternal())
        return -1;
    eventMask |= static_cast<unsigned long>(procedure->getEffectiveTriggerMask());
    if (trigger == TQEV_INITIALIZE && !state.initializeQueued) {
        state.initializeQueued = 1;
        TQGIappObjectList()->addNeedInitialize(this);
        appendProcedure(procedure);
        return 0;
    }
    if (trigger == TQEV_EXPOSE)
        state.hasExpose = 1;
    appendProcedure(procedure);
    if (ownDevice != nullptr && procedure->getEffectiveTriggerMask() != 0)
        ownDevice->setEnableEvent(trigger);
    return 0;
}

TQCprocedure* TQCbase::addProcedure(const char* procName, const char* functionName, long trigger)
{
    TQCprocedure* procedure = new TQCprocedure(procName, trigger);
    procedure->setFunction(nullptr, functionName);
    addProcedure(procedure);
    return procedure;
}

// A refused procedure has no owner here, so it is not kept.
long TQCbase::addProcedureV(const char* procName, const char* functionName,
                            TQCprocedureFunction function, long trigger)
{
    TQCprocedure* procedure = new TQCprocedure(procName, trigger);
    procedure->setFunction(function, functionName);
    if (addProcedure(procedure) != 0)
        delete procedure;
    return 0;
}

long TQCbase::delProcedure(TQCprocedure* procedure)
{
    if (procedureList == nullptr || procedureList->del(procedure) != 0)
        return -1;
    ++procedureRemovals;
    return 0;
}

long TQCbase::delProcedure(long procedure)
{
    TQCprocedure* p = reinterpret_cast<TQCprocedure*>(static_cast<intptr_t>(procedure));
    long result = delProcedure(p);
    delete p;
    return result;
}

void TQCbase::execProcedure(long trigger)
{
    if (procedureList == nullptr)
        return;
    unsigned int code = static_cast<unsigned int>(trigger);
    bool logged = __dbprintf("TQCbase::execProcedure %s:%d %s start ev=0x%x\n", kSourceName,
                             __LINE__, getInstanceName(), code) >= 0;
    if (trigger == TQEV_EXPOSE && !state.hasExpose) {
        __dbprintf("TQCbase::execProcedure %s:%d %s done ev=0x%x\n", kSourceName, __LINE__,
                   getInstanceName(), code);
        return;
    }
    ClosingLogLine done;
    if (logged)
        done.prepare("TQCbase::execProcedure %s:%d %s done2 ev=0x%x\n", kSourceName, __LINE__,
                     getInstanceName(), code);
    runPasses(trigger, nullptr, true);
}

void TQCbase::execProcedure(const char* procName)
{
    if (procedureList == nullptr)
        return;
    if (procName == nullptr)
        procName = "";
    ClosingLogLine done;
    if (__dbprintf("TQCbase::execProcedure %s:%d %s start opname=%s\n", kSourceName, __LINE__,
                   getInstanceName(), procName) >= 0)
        done.prepare("TQCbase::execProcedure %s:%d %s done opname=%s\n", kSourceName, __LINE__,
                     getInstanceName(), procName);
    runPasses(0, procName, false);
}

void TQCbase::_exec_del_procedure()
{
    if (procedureList == nullptr)
        return;
    runPasses(TQEV_DELETE, nullptr, false);
}

// External procedures first, then the toolkit's own wiring.
void TQCbase::runPasses(long trigger, const char* procName, bool runUpdates)
{
    LifeGuard guard(this);
    runPass(PassFilter{trigger, procName, 0}, runUpdates, guard);
    if (!guard.alive())
        return;
    runPass(PassFilter{trigger, procName, 1}, runUpdates, guard);
}

// Procedures attached during the pass wait for the next one; procedures
// detached during it are skipped. The pass ends when a procedure destroyed
// the object.
void TQCbase::runPass(const PassFilter& filter, bool runUpdates, LifeGuard& guard)
{
    if (filter.procName == nullptr && filter.trigger == TQEV_INITIALIZE)
        state.initializeQueued = 0;
    if (procedureList == nullptr || procedureList->getNum() == 0)
        return;
    long count = procedureList->getNum();
    PassSnapshot snapshot(this, count, guard);
    for (long i = 0; i < count; ++i)
        snapshot[i] = static_cast<TQCprocedure*>(procedureList->getData(i));
    unsigned long removalsAtStart = procedureRemovals;
    unsigned long attachesAtStart = procedureAttaches;

    for (long i = 0; i < count; ++i) {
        TQCprocedure* p = snapshot[i];
        if (procedureRemovals != removalsAtStart && !stillDue(p, attachesAtStart))
            continue;
        if (p->getInternal() != filter.internal)
            continue;
        if (filter.procName != nullptr ? std::strcmp(p->getProcName(), filter.procName) != 0
                                       : p->getTrigger() != filter.trigger)
            continue;
        _exec_procedure(p);
        if (!guard.alive())
            return;
        if (runUpdates) {
            TQGIappObjectList()->execUpdate();
            if (!guard.alive())
                return;
        }
    }
}

void TQCbase::_exec_procedure(TQCprocedure* procedure)
{
    bool traced = !procedure->getInternal() && TQDappDev::getTraceMode() != 0 &&
                  TQGIappDev() != nullptr;
    // The end line is made before the run: the procedure may be gone after it.
    char endLine[kTraceLineSize] = "";
    if (traced) {
        char line[kTraceLineSize];
        std::snprintf(line, sizeof line, "%s %s execute event procedure <%s>\n", getClassName(),
                      getInstanceName(), procedure->getProcName());
        sendTraceLine(line);
        std::snprintf(line, sizeof line, "function %s() start  ev=%s\n",
                      procedure->getFunctionName(), TQGFeventToName(procedure->getTrigger()));
        sendTraceLine(line);
        std::snprintf(endLine, sizeof endLine, "function %s() end\n",
                      procedure->getFunctionName());
    }
    ClosingLogLine done;
    if (__dbprintf("TQCbase::_exec_procedure %s:%d %s start op=%s\n", kSourceName, __LINE__,
                   getInstanceName(), procedure->getFunctionName()) >= 0)
        done.prepare("TQCbase::_exec_procedure %s:%d %s done op=%s\n", kSourceName, __LINE__,
                     getInstanceName(), procedure->getFunctionName());
    TQCprocedureFunction function = procedure->getProc();
    TQCprocedureHandler handler = reinterpret_cast<TQCprocedureHandler>(TQGFgetProcedureHandler());
    if (function != nullptr)
        function(this);
    else if (handler != nullptr)
        handler(const_cast<char*>(procedure->getFunctionName()), this);
    if (traced)
        sendTraceLine(endLine);
}

long TQCbase::existTrigger(long code)
{
    TQCclassInformation* info = classInfo != nullptr ? classInfo : getClassInformation();
    return info->existTrigger(code);
}

TQCindexData* TQCbase::getExtTriggerList()
{
    TQCclassInformation* info = classInfo != nullptr ? classInfo : getClassInformation();
    return info->getAllExtTriggerList();
}

// ---------------------------------------------------------------------------
// Event dispatch and default hooks

long TQCbase::execEventProc(long event, void* data)
{
    LifeGuard guard(this);
    ClosingLogLine done;
    if (__dbprintf("TQCbase::execEventProc %s:%d %s start ev=%d\n", kSourceName, __LINE__,
                   getInstanceName(), static_cast<int>(event)) >= 0)
        done.prepare("TQCbase::execEventProc %s:%d %s done ev=%d\n", kSourceName, __LINE__,
                     getInstanceName(), static_cast<int>(event));
    TQCpoint* point = static_cast<TQCpoint*>(data);
    switch (event) {
    case TQEV_EXPOSE:
        if (data == nullptr)
            break;
        onExpose(static_cast<TQCrect*>(data));
        if (guard.alive())
            draw();
        if (guard.alive() && state.hasExpose)
            execProcedure(TQEV_EXPOSE);
        return 0;
    case TQEV_MOUSE_PRESS:
    case TQEV_MOUSE_DOUBLE_CLICK:
    case TQEV_MOUSE_RELEASE:
    case TQEV_MOUSE_IN:
        if (data == nullptr)
            break;
        if (event == TQEV_MOUSE_PRESS)
            onMousePress(point);
        else if (event == TQEV_MOUSE_DOUBLE_CLICK)
            onMouseDoubleClick(point);
        else if (event == TQEV_MOUSE_RELEASE)
            onMouseRelease(point);
        else
            onMouseIn(point);
        if (guard.alive())
            execProcedure(event);
        return 0;
    case TQEV_MOUSE_OUT:
        onMouseOut();
        if (guard.alive())
            execProcedure(TQEV_MOUSE_OUT);
        return 0;
    case TQEV_MOUSE_MOVE:
        if (data == nullptr)
            break;
        onMouseMove(point);
        if (guard.alive())
            execProcedure(TQEV_MOUSE_MOVE);
        return -1;
    case TQEV_RESIZE:
        onResize(static_cast<TQCrect*>(data));
        if (guard.alive())
            execProcedure(TQEV_RESIZE);
        return 0;
    case TRIGGER_GUI_POLICY:
        onGuiPolicyChange(static_cast<long>(reinterpret_cast<intptr_t>(data)));
        return 0;
    default:
        break;
    }
    execProcedure(event);
    return -1;
}

void TQCbase::onMouseIn(TQCpoint*)
{
    if (!existProperty(_TQNmouse()))
        return;
    short cursor = static_cast<short>(getProperty(_TQNmouse()).getUnsignedShort());
    if (ownDevice != nullptr)
        ownDevice->setValue(TQDdev::VALUE_MOUSE_CURSOR, &cursor);
}

void TQCbase::onMouseOut() {}
void TQCbase::onMouseMove(TQCpoint*) {}
void TQCbase::onMousePress(TQCpoint*) {}
void TQCbase::onMouseDoubleClick(TQCpoint*) {}
void TQCbase::onMouseRelease(TQCpoint*) {}
void TQCbase::onExpose(TQCrect*) {}
void TQCbase::onResize(TQCrect*) {}

// The device is made on the first showing, once the parents are visible.
void TQCbase::onVisibleChange(unsigned char on)
{
    if (!on) {
        if (ownDevice != nullptr)
            ownDevice->setVisible(0);
        return;
    }
    if (ownDevice != nullptr) {
        ownDevice->setVisible(1);
        return;
    }
    if (!getParentVisible())
        return;
    TQDdev* dev = attachdev();
    if (dev == nullptr)
        return;
    dev->setEnableEventBit(static_cast<long>(eventMask));
    dev->setVisible(1);
    setAbsoluteDraw(1);
    needUpdate();
}

void TQCbase::onSensitiveChange(unsigned char)
{
    setAbsoluteDraw(1);
    needUpdate();
}

// Hiding a parent hides its window and with it the children's; only
// showing needs the child's own device.
void TQCbase::onParentVisibleChange(unsigned char on)
{
    if (!on || !state.ownVisible)
        return;
    TQDdev* dev = ownDevice != nullptr ? ownDevice : attachdev();
    if (dev == nullptr)
        return;
    dev->setEnableEventBit(static_cast<long>(eventMask));
    dev->setVisible(1);
    setAbsoluteDraw(1);
    needUpdate();
}

void TQCbase::onParentSensitiveChange(unsigned char) {}

// Edit mode makes an insensitive object sensitive so that it can be
// selected; the saved copy keeps the program's value.
void TQCbase::onEditModeChange(unsigned char on)
{
    if (on && !state.ownSensitive && !sensitiveForEditMode())
        return;
    execProcedure(TRIGGER_EDIT_MODE);
}

// False when the object did not survive its sensitivity procedures.
bool TQCbase::sensitiveForEditMode()
{
    LifeGuard guard(this);
    setSensitive(1);
    if (!guard.alive())
        return false;
    state.ownSensitiveSaved = 0;
    return true;
}

void TQCbase::onFocusChange(unsigned char) {}
void TQCbase::onWindowFocusChange(unsigned char) {}

void TQCbase::onSpecialFocusChange(unsigned char)
{
    execProcedure(TRIGGER_SPECIAL_FOCUS);
}

void TQCbase::onChildAdded(TQCbase*)
{
    execProcedure(TRIGGER_CHILD_ADDED);
}

void TQCbase::onSelectionChange(unsigned char)
{
    execProcedure(TRIGGER_SELECTION);
}

void TQCbase::onGuiPolicyChange(long)
{
    execProcedure(TRIGGER_GUI_POLICY);
}

void TQCbase::onDefaultColorChange() {}
void TQCbase::onDataSave(TQDserialize*) {}
void TQCbase::onDataLoad(TQDserialize*) {}

// ---------------------------------------------------------------------------
// Base versions of the simple virtual operations

void TQCbase::_adjust_for_anchors(unsigned short, unsigned short) {}

long TQCbase::getObjectType()
{
    return 0;
}

const char* TQCbase::getDefaultProperty()
{
    return "";
}

TQCclassInformation* TQCbase::getClassInformation()
{
    static TQCclassInformation* record = new TQCclassInformation("TQCbase", nullptr);
    return record;
}

unsigned char TQCbase::canFocus()
{
    return 1;
}

TQCbase* TQCbase::getFocusMoveInternalInstance(long)
{
    return nullptr;
}

TQClistData& TQCbase::getChildren()
{
    static TQClistData* none = new TQClistData;
    none->clear();
    return *none;
}

TQClistData* TQCbase::getChildrenPtr()
{
    return nullptr;
}

long TQCbase::restackChild(TQCbase*, int)
{
    return -1;
}

void TQCbase::setChildren(TQClistData&) {}

void TQCbase::update()
{
    state.queuedForUpdate = 0;
    state.geometryChanged = 0;
    __dbprintf("TQCbase::update() %s:%d %s updated...\n", kSourceName, 585, getInstanceName());
}

void TQCbase::internalUpdate() {}

long TQCbase::draw()
{
    return 0;
}

long TQCbase::clear()
{
    return 0;
}

long TQCbase::redraw()
{
    return 0;
}

long TQCbase::cdraw()
{
    return 0;
}

const char* TQCbase::getUseDevName()
{
    return nullptr;
}

TQCbase* TQCbase::getPropertyInheritChild()
{
    return nullptr;
}

unsigned char TQCbase::adjustAnchor()
{
    return 1;
}

unsigned char TQCbase::getMouseAddr(short* x, short* y)
{
    TQDmouse* mouse = TQGIappMouse();
    if (mouse == nullptr)
        return 0;
    return static_cast<unsigned char>(mouse->getMousePosition(x, y, this));
}

// ---------------------------------------------------------------------------
// Properties by name

// Before initialize() the object has no class record and knows no name.
TQCproperty* TQCbase::findProperty(const char* name)
{
    if (classInfo == nullptr || name == nullptr)
        return nullptr;
    TQCproperty* prop = nullptr;
    return classInfo->getPropObj(name, &prop) ? prop : nullptr;
}

long TQCbase::setProperty(const char* name, const TQCvariant& value)
{
    TQCproperty* prop = findProperty(name);
    if (prop == nullptr) {
        TQCbase* child = getPropertyInheritChild();
        return child != nullptr ? child->setProperty(name, value) : 0;
    }
    TQCpropertyValue cell = {};
    switch (prop->getPropObjType()) {
    case TQPROP_LONG:
        cell.l = value.getLong();
        break;
    case TQPROP_ULONG:
        cell.ul = value.getUnsignedLong();
        break;
    case TQPROP_SHORT:
        if (prop->isPixmapPropObj()) {
            setImageProperty(prop, value);
            return 1;
        }
        cell.s = value.getShort();
        if (prop->isColorPropObj() && cell.s == 0 && value.getType() == TQVT_CHARPTR)
            cell.s = TQGFcolor(value.getCharPtrConst());
        break;
    case TQPROP_USHORT:
        cell.us = value.getUnsignedShort();
        break;
    case TQPROP_CHAR:
        cell.c = value.getChar();
        break;
    case TQPROP_UCHAR:
        cell.uc = value.getUnsignedChar();
        break;
    case TQPROP_FLOAT:
        cell.f = value.getFloat();
        break;
    case TQPROP_DOUBLE:
        cell.d = value.getDouble();
        break;
    case TQPROP_POINTER:
        cell.p = value.getVoidPtr();
        break;
    case TQPROP_STRING: {
        TQCvariant copy(value);
        const char* text = copy.getCharPtr();
        setStringProperty(prop, text != nullptr ? text : "");
        return 1;
    }
    case TQPROP_BOOL: {
        char truth = value.getChar();
        if (truth == 0 && value.getType() == TQVT_CHARPTR) {
            const char* text = value.getCharPtrConst();
            truth = std::strcmp(text, "True") == 0 || std::strcmp(text, "true") == 0 ? 1 : 0;
        }
        cell.uc = static_cast<unsigned char>(truth);
        break;
    }
    default:
        return 0;
    }
    prop->setValue(this, &cell);
    return 1;
}

// The object keeps its string; the set handler takes a copy the object then
// owns, and the string it replaced is freed.
void TQCbase::setStringProperty(TQCproperty* prop, const char* text)
{
    char* current = nullptr;
    prop->getValue(this, &current);
    if (std::strcmp(current != nullptr ? current : "", text) == 0)
        return;
    char* copy = TQGFstrdup(text);
    if (prop->setValue(this, &copy) != 0) {
        delete[] copy;
        return;
    }
    delete[] current;
}

// Images are set by name: numbers and the "no image" texts give -1.
void TQCbase::setImageProperty(TQCproperty* prop, const TQCvariant& value)
{
    short no = -1;
    if (value.getType() == TQVT_CHARPTR && !meansNoImage(value.getCharPtrConst()))
        no = resolveImageName(prop, value.getCharPtrConst());
    prop->setValue(this, &no);
}

short TQCbase::resolveImageName(TQCproperty* prop, const char* text)
{
    if (state.keepPixmapCache)
        return TQGFimage(text);
    short current = -1;
    prop->getValue(this, &current);
    if (current != -1 && current != 0)
        return TQGFimage(text, current);
    return TQGFimage(text);
}

TQCvariant TQCbase::getProperty(const char* name)
{
    TQCproperty* prop = findProperty(name);
    if (prop == nullptr) {
        TQCbase* child = getPropertyInheritChild();
        return child != nullptr ? child->getProperty(name) : TQCvariant(static_cast<const char*>(""));
    }
    TQCpropertyValue cell = {};
    prop->getValue(this, &cell);
    switch (prop->getPropObjType()) {
    case TQPROP_LONG:
        return TQCvariant(cell.l);
    case TQPROP_ULONG:
        return TQCvariant(cell.ul);
    case TQPROP_SHORT:
        if (prop->isPixmapPropObj())
            return TQCvariant(TQGFimageName(cell.s));
        if (prop->isColorPropObj())
            return TQCvariant(TQGFcolorName(cell.s));
        return TQCvariant(cell.s);
    case TQPROP_USHORT:
        return TQCvariant(cell.us);
    case TQPROP_CHAR:
        return TQCvariant(cell.c);
    case TQPROP_UCHAR:
        return TQCvariant(cell.uc);
    case TQPROP_FLOAT:
        return TQCvariant(cell.f);
    case TQPROP_DOUBLE:
        return TQCvariant(cell.d);
    case TQPROP_POINTER:
        return TQCvariant(static_cast<unsigned long>(reinterpret_cast<uintptr_t>(cell.p)));
    case TQPROP_STRING:
        return TQCvariant(cell.str != nullptr ? cell.str : g_emptyText);
    case TQPROP_BOOL:
        return TQCvariant(static_cast<int>(cell.uc != 0 ? 1 : 0));
    default:
        return TQCvariant(static_cast<const char*>(""));
    }
}

long TQCbase::existProperty(const char* name)
{
    if (findProperty(name) != nullptr)
        return 1;
    TQCbase* child = getPropertyInheritChild();
    return child != nullptr ? child->existProperty(name) : 0;
}

long TQCbase::setDefaultValue(const char* name)
{
    TQCproperty* prop = findProperty(name);
    if (prop == nullptr)
        return 0;
    prop->setDefaultValue(this);
    return 1;
}

long TQCbase::isDefaultValue(const char* name, unsigned char* result)
{
    TQCproperty* prop = findProperty(name);
    if (prop != nullptr) {
        if (result != nullptr)
            *result = static_cast<unsigned char>(prop->isDefaultValue(this));
        return 0;
    }
    TQCbase* child = getPropertyInheritChild();
    return child != nullptr ? child->isDefaultValue(name, result) : -1;
}

TQClistData* TQCbase::getPropertyList()
{
    return classInfo != nullptr ? classInfo->getAllPropertyList() : nullptr;
}

TQCproperty* TQCbase::getPropObj(const char* name)
{
    return findProperty(name);
}

long TQCbase::getPropObjArray(TQClistData* list)
{
    if (classInfo == nullptr || list == nullptr)
        return 0;
    TQClistData* buckets = classInfo->getHashTable();
    for (long b = 0; b < TQCclassInformation::HASH_BUCKETS; ++b) {
        // Pairs of (contributing record, descriptor).
        for (long i = 1; i < buckets[b].getNum(); i += 2)
            list->add(buckets[b].getData(i));
    }
    return 0;
}

long TQCbase::getPropertyArray(TQClistData* list, unsigned char all)
{
    if (classInfo == nullptr || list == nullptr)
        return 0;
    TQClistData* props = classInfo->getAllPropertyList();
    for (long i = 0; i < props->getNum(); ++i) {
        TQCproperty* prop = static_cast<TQCproperty*>(props->getData(i));
        if (!all && prop->isDefaultValue(this))
            continue;
        TQCvariant value = getProperty(prop->getPropObjName());
        const char* text = value.getCharPtr();
        list->add(TQGFstrdup(prop->getPropObjName()));
        list->add(TQGFstrdup(text != nullptr ? text : ""));
    }
    return 0;
}

template <typename T>
long TQCbase::setTyped(const char* name, T value, int code1, int code2)
{
    TQCproperty* prop = findProperty(name);
    if (prop == nullptr) {
        TQCbase* child = getPropertyInheritChild();
        return child != nullptr ? child->setPropertyV(name, value) : 0;
    }
    int type = prop->getPropObjType();
    if (type != code1 && type != code2)
        return 0;
    prop->setValue(this, &value);
    return 1;
}

template <typename T>
long TQCbase::getTyped(const char* name, T* out, int code1, int code2)
{
    TQCproperty* prop = findProperty(name);
    if (prop == nullptr) {
        TQCbase* child = getPropertyInheritChild();
        return child != nullptr ? child->getPropertyV(name, out) : 0;
    }
    int type = prop->getPropObjType();
    if (type != code1 && type != code2)
        return 0;
    prop->getValue(this, out);
    return 1;
}

long TQCbase::setPropertyV(const char* name, char value)
{
    return setTyped(name, value, TQPROP_CHAR, TQPROP_BOOL);
}

long TQCbase::setPropertyV(const char* name, unsigned char value)
{
    return setTyped(name, value, TQPROP_UCHAR, TQPROP_BOOL);
}

long TQCbase::setPropertyV(const char* name, short value)
{
    return setTyped(name, value, TQPROP_SHORT, TQPROP_SHORT);
}

long TQCbase::setPropertyV(const char* name, unsigned short value)
{
    return setTyped(name, value, TQPROP_USHORT, TQPROP_USHORT);
}

long TQCbase::setPropertyV(const char* name, long value)
{
    return setTyped(name, value, TQPROP_LONG, TQPROP_LONG);
}

long TQCbase::setPropertyV(const char* name, unsigned long value)
{
    return setTyped(name, value, TQPROP_ULONG, TQPROP_ULONG);
}

long TQCbase::setPropertyV(const char* name, int value)
{
    return setPropertyV(name, static_cast<long>(value));
}

long TQCbase::setPropertyV(const char* name, unsigned int value)
{
    return setPropertyV(name, static_cast<unsigned long>(value));
}

long TQCbase::setPropertyV(const char* name, float value)
{
    return setTyped(name, value, TQPROP_FLOAT, TQPROP_FLOAT);
}

long TQCbase::setPropertyV(const char* name, double value)
{
    return setTyped(name, value, TQPROP_DOUBLE, TQPROP_DOUBLE);
}

long TQCbase::setPropertyV(const char* name, void* value)
{
    return setTyped(name, value, TQPROP_POINTER, TQPROP_POINTER);
}

long TQCbase::setPropertyV(const char* name, const char* text)
{
    TQCproperty* prop = findProperty(name);
    if (prop == nullptr) {
        TQCbase* child = getPropertyInheritChild();
        return child != nullptr ? child->setPropertyV(name, text) : 0;
    }
    if (text == nullptr)
        text = "";
    if (prop->getPropObjType() == TQPROP_STRING) {
        setStringProperty(prop, text);
        return 1;
    }
    if (prop->isColorPropObj()) {
        short no = TQGFcolor(text);
        prop->setValue(this, &no);
        return 1;
    }
    if (prop->isPixmapPropObj()) {
        short no = meansNoImage(text) ? -1 : resolveImageName(prop, text);
        prop->setValue(this, &no);
        return 1;
    }
    return 0;
}

long TQCbase::setPropertyV(const char* name, const TQCvariant& value)
{
    return setProperty(name, value);
}

long TQCbase::getPropertyV(const char* name, char* out)
{
    return getTyped(name, out, TQPROP_CHAR, TQPROP_BOOL);
}

long TQCbase::getPropertyV(const char* name, unsigned char* out)
{
    return getTyped(name, out, TQPROP_UCHAR, TQPROP_BOOL);
}

long TQCbase::getPropertyV(const char* name, short* out)
{
    return getTyped(name, out, TQPROP_SHORT, TQPROP_SHORT);
}

long TQCbase::getPropertyV(const char* name, unsigned short* out)
{
    return getTyped(name, out, TQPROP_USHORT, TQPROP_USHORT);
}

long TQCbase::getPropertyV(const char* name, long* out)
{
    return getTyped(name, out, TQPROP_LONG, TQPROP_LONG);
}

long TQCbase::getPropertyV(const char* name, unsigned long* out)
{
    return getTyped(name, out, TQPROP_ULONG, TQPROP_ULONG);
}

long TQCbase::getPropertyV(const char* name, int* out)
{
    long value = 0;
    long found = getPropertyV(name, &value);
    if (found && out != nullptr)
        *out = static_cast<int>(value);
    return found;
}

long TQCbase::getPropertyV(const char* name, unsigned int* out)
{
    unsigned long value = 0;
    long found = getPropertyV(name, &value);
    if (found && out != nullptr)
        *out = static_cast<unsigned int>(value);
    return found;
}

long TQCbase::getPropertyV(const char* name, float* out)
{
    return getTyped(name, out, TQPROP_FLOAT, TQPROP_FLOAT);
}

long TQCbase::getPropertyV(const char* name, double* out)
{
    return getTyped(name, out, TQPROP_DOUBLE, TQPROP_DOUBLE);
}

long TQCbase::getPropertyV(const char* name, void** out)
{
    return getTyped(name, out, TQPROP_POINTER, TQPROP_POINTER);
}

long TQCbase::getPropertyV(const char* name, char** out)
{
    TQCproperty* prop = findProperty(name);
    if (prop == nullptr) {
        TQCbase* child = getPropertyInheritChild();
        return child != nullptr ? child->getPropertyV(name, out) : 0;
    }
    if (prop->getPropObjType() == TQPROP_STRING) {
        char* text = nullptr;
        prop->getValue(this, &text);
        *out = text != nullptr ? text : g_emptyText;
        return 1;
    }
    if (!prop->isColorPropObj() && !prop->isPixmapPropObj())
        return 0;
    short no = 0;
    prop->getValue(this, &no);
    if (prop->isPixmapPropObj())
        *out = TQGFimageName(no);
    else
        *out = no <= kNewestColourNumber ? TQGFltoa(no) : TQGFcolorName(no);
    return 1;
}

// ---------------------------------------------------------------------------
// User data

long TQCbase::findKey(const UserDataEntry* table, signed char count, const char* key)
{
    for (long i = 0; i < count; ++i) {
        if (sameText(table[i].key, key))
            return i;
    }
    return -1;
}

// Tables grow by four pairs and hold at most 127.
long TQCbase::appendEntry(UserDataEntry*& table, signed char& count, const char* key, void* value)
{
    if (count >= kUserDataLimit)
        return -1;
    if (count % kUserDataStep == 0) {
        UserDataEntry* grown = new UserDataEntry[count + kUserDataStep];
        for (long i = 0; i < count; ++i)
            grown[i] = table[i];
        delete[] table;
        table = grown;
    }
    table[count].key = key;
    table[count].value = value;
    ++count;
    return 0;
}

void** TQCbase::findUserData(const char* key)
{
    if (key == nullptr)
        return nullptr;
    long i = findKey(refUserData, refUserDataCount, key);
    if (i >= 0)
        return &refUserData[i].value;
    i = findKey(copyUserData, copyUserDataCount, key);
    return i >= 0 ? &copyUserData[i].value : nullptr;
}

long TQCbase::storeByReference(const char* key, void* value)
{
    if (key == nullptr)
        return -1;
    long i = findKey(copyUserData, copyUserDataCount, key);
    if (i >= 0) {
        copyUserData[i].value = value;
        return 0;
    }
    i = findKey(refUserData, refUserDataCount, key);
    if (i >= 0) {
        refUserData[i].value = value;
        return 0;
    }
    return appendEntry(refUserData, refUserDataCount, key, value);
}

long TQCbase::storeCopied(const char* key, void* value)
{
    if (key == nullptr)
        return -1;
    void** slot = findUserData(key);
    if (slot != nullptr) {
        *slot = value;
        return 0;
    }
    char* copy = TQGFstrdup(key);
    if (appendEntry(copyUserData, copyUserDataCount, copy, value) != 0) {
        delete[] copy;
        return -1;
    }
    return 0;
}

long TQCbase::setUserData(const char* key, void* value)
{
    return storeByReference(key, value);
}

long TQCbase::setUserData(char* key, void* value)
{
    return storeCopied(key, value);
}

void* TQCbase::getUserData(const char* key)
{
    void** slot = findUserData(key);
    return slot != nullptr ? *slot : nullptr;
}

long TQCbase::setUserLongData(const char* key, unsigned long value)
{
    return storeCopied(key, reinterpret_cast<void*>(static_cast<uintptr_t>(value)));
}

unsigned long TQCbase::getUserLongData(const char* key)
{
    return static_cast<unsigned long>(reinterpret_cast<uintptr_t>(getUserData(key)));
}

long TQCbase::setUserStringData(const char* key, const char* text)
{
    // Copied before the old string goes: the text may be that string.
    char* copy = TQGFstrdup(text);
    void** slot = findUserData(key);
    if (slot != nullptr) {
        delete[] static_cast<char*>(*slot);
        *slot = copy;
        return 0;
    }
    long result = storeCopied(key, copy);
    if (result != 0)
        delete[] copy;
    return result;
}

const char* TQCbase::getUserStringData(const char* key)
{
    const char* text = static_cast<const char*>(getUserData(key));
    return text != nullptr ? text : "";
}

void TQCbase::setVariantData(const char* key, const TQCvariant& value)
{
    if (variantData == nullptr)
        variantData = new TQCindexVariantData;
    if (key != nullptr)
        variantData->setData(key, value);
}

TQCvariant* TQCbase::getVariantData(const char* key)
{
    if (variantData == nullptr)
        variantData = new TQCindexVariantData;
    if (key != nullptr)
        return variantData->getData(key);
    // No entry can have a null key; hand out an empty variant of our own.
    static TQCvariant* none = new TQCvariant;
    *none = TQCvariant();
    return none;
}

// Values belong to their owners; only the export name is the object's own.
void TQCbase::releaseUserData()
{
    void** exportName = findUserData(kExportNameKey);
    if (exportName != nullptr)
        delete[] static_cast<char*>(*exportName);
    delete[] refUserData;
    refUserData = nullptr;
    refUserDataCount = 0;
    for (long i = 0; i < copyUserDataCount; ++i)
        delete[] const_cast<char*>(copyUserData[i].key);
    delete[] copyUserData;
    copyUserData = nullptr;
    copyUserDataCount = 0;
}
