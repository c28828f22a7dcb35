// Base object: identity, tree and life cycle, creation by class name,
// visibility, devices, data-source links and event dispatch. Properties,
// procedures, user data and focus have files of their own.
#include "_TQCbase.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "_TQCbaseList.h"
#include "_TQCdevice.h"
#include "_TQCindexVariantData.h"
#include "_TQCproperty.h"
#include "_TQDappDev.h"
#include "_TQDdev.h"
#include "_TQDwindowDev.h"
#include "_TQDmouse.h"
#include "_TQGFbuilder.h"
#include "_TQGFdebug.h"
#include "_TQGFstring.h"
#include "_TQGFtrigger.h"
#include "_TQN.h"
#include "_TQCbase_internal.h"

using tqbase::ClosingLogLine;
using tqbase::kExportNameKey;
using tqbase::kSourceName;
using tqbase::listHolds;

namespace {

const char* const kFocusListKey = "FOCUS_LIST";
const char* const kEditorClientKey = "PCLIENT";

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

// ---------------------------------------------------------------------------
// Construction and destruction

TQCbase::TQCbase(TQCbase* parentArg, const char* name)
    : classInfo(nullptr), procedureList(nullptr), runSnapshot(nullptr), instanceName(nullptr),
      userString(nullptr), userValue(0), ownDevice(nullptr), publicDevChild(nullptr), parent(parentArg), dataSourceServer(nullptr),
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

    leaveBuilder();
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
    delete[] userString;
}

// The property editor lets go of an object that goes, and the object's
// grip handles go with it.
void TQCbase::leaveBuilder()
{
    TQCbase* editor = TQGIappPropertyEditor();
    if (editor != nullptr && editor != this && editor->existProperty(_TQNclient()) &&
        editor->getProperty(_TQNclient()).getVoidPtr() == this) {
        editor->setUserData(kEditorClientKey, nullptr);
        editor->setPropertyV(_TQNclient(), static_cast<void*>(nullptr));
    }
    TQGFnotifyPropertyEditor(this, 2);
    clearGriphand();
}

// Also an object no longer exported may still be listed, waiting for its
// withdrawal; the delete entry copies the names, so it outlives the object.
void TQCbase::leaveExportLists()
{
    TQGIappObjectList()->exportedObjectGone(this, state.exported);
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

void TQCbase::adoptName(char* text)
{
    instanceName = text;
    state.nameHash = text != nullptr ? TQCclassInformation::getNameHash(text) : 0;
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

void TQCbase::deleteOwnedChildren(TQClistData& children)
{
    while (children.getNum() > 0) {
        TQCbase* child = baseAt(children, 0);
        delete child;
        if (children.getNum() > 0 && children.getData(0) == child)
            children.delPos(0);
    }
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
    // Exported again before its withdrawal went out: it is published anew
    // instead of withdrawn.
    if (flag && !state.exported) {
        TQGIappObjectList()->delExportInstanceDeleteList(this);
        TQGIappObjectList()->addExportInstanceUpdateList(this);
    }
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

void TQCbase::followDataSource(TQCbase* server)
{
    if (dataSourceServer != nullptr)
        dataSourceServer->delDataSourceClient(this);
    dataSourceServer = server;
    if (server != nullptr)
        server->addDataSourceClient(this);
}

TQCbase* TQCbase::findDataSource(const char* name)
{
    if (name == nullptr || name[0] == '\0')
        return nullptr;
    return TQGIappObjectList()->searchInstance("TQCbase", name);
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
    // The handles are made again on the device that now shows the object.
    if (state.showGriphand) {
        clearGriphand();
        drawGriphand();
    }
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

long TQCbase::setPropertyEditMode(unsigned char on)
{
    if (on) {
        if (state.editMode)
            return 0;
        state.editMode = 1;
        eventMask |= TQDdev::PRESS_GROUP_MASK;
        if (ownDevice != nullptr)
            ownDevice->setEnableEventBit(static_cast<long>(eventMask));
        onEditModeChange(1);
        return 0;
    }
    setPropertyEditExecute(0);
    state.editMode = 0;
    onEditModeChange(0);
    return 0;
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
void TQCbase::getMadeValues(TQCindexVariantData*) {}

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
    if (state.showGriphand && state.queuedForUpdate && state.geometryChanged)
        drawGriphand();
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

long TQCbase::redrawOwnArea(unsigned short width, unsigned short height)
{
    if (ownDevice == nullptr || !getVisible())
        return -1;
    ownDevice->clearArea(0, 0, width, height, 1, 1);
    return 0;
}

bool TQCbase::isListed(const TQClistData& list, const void* entry)
{
    return listHolds(&list, entry);
}

long TQCbase::restackIn(TQClistData& children, TQCbase* child, int position)
{
    long count = children.getNum();
    long target = count - (position > count ? count : position);
    long index = -1;
    for (long i = 0; i < count && index < 0; ++i) {
        if (children.getData(i) == child)
            index = i;
    }
    if (index < 0)
        return -1;
    if (index + 1 == target)
        return 0;
    children.delPos(index);
    if (target > 0)
        --target;
    children.add(child, target);
    TQDwindowDev* window = ownDevice != nullptr
                               ? static_cast<TQDwindowDev*>(ownDevice->cast("TQDwindowDev"))
                               : nullptr;
    if (window != nullptr)
        window->restackChildren();
    return 0;
}

void TQCbase::dropOwnPixmap()
{
    if (ownDevice == nullptr)
        return;
    unsigned char style = 1;
    ownDevice->getValue(TQDdev::VALUE_PIXMAP_STYLE, &style);
    TQDwindowDev* window = static_cast<TQDwindowDev*>(ownDevice->cast("TQDwindowDev"));
    if (style == 1 && window != nullptr)
        window->destroyPixmap();
}

long TQCbase::clearOwnArea(unsigned short width, unsigned short height)
{
    if (ownDevice == nullptr || !getVisible())
        return -1;
    if (ownDevice->beginDraw(0, 0, width, height, 1, 1) == 0) {
        ownDevice->clearArea(0, 0, width, height, 0, 1);
        ownDevice->endDraw();
    }
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
