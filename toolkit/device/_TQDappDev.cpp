// Application device: the singleton, the process-wide modal, focus, menu
// and selection state, the look forwarders and the start-up sequence.
#include "_TQDappDev.h"

#include <cstdint>
#include <cstdio>

#include "_TQCbase.h"
#include "_TQCbaseList.h"
#include "_TQCindexData.h"
#include "_TQDmessage.h"
#include "_TQGFdebug.h"
#include "_TQGFstring.h"

namespace {

const char kSource[] = "_TQDappDev";

TQDappDev* g_singleton = nullptr;
TQDappDev* g_instance = nullptr;
unsigned char g_traceMode = 0;
unsigned char g_initializeExecuted = 0;
// The application's own channel, kept until the process ends.
TQDmessage* g_ownChannel = nullptr;

unsigned int addressOf(const void* p)
{
    return static_cast<unsigned int>(reinterpret_cast<std::uintptr_t>(p));
}

} // namespace

// ---------------------------------------------------------------------------
// Construction

TQDappDev::TQDappDev()
    : modalClient(nullptr), modalProc(nullptr), instanceName(nullptr), argc(0), argv(nullptr),
      selectionOwner(nullptr), policyLoadMarker(-1), focusDialog(nullptr), mode(0),
      context(nullptr), context2(nullptr), rebaseHandle(0), keyedTable(new TQCindexData),
      underExecInitialize(0), exitFlag(0), lockStatus(0), popupModalClient(nullptr)
{
    if (g_instance != nullptr)
        TQGFexit(1);
}

// A destroyed device is no longer the application's: nothing may reach it
// through the singleton afterwards.
TQDappDev::~TQDappDev()
{
    if (g_instance == this)
        g_instance = nullptr;
    if (g_singleton == this)
        g_singleton = nullptr;
    delete[] instanceName;
    delete keyedTable;
}

long TQDappDev::initialize()
{
    __dbprintf("TQDappDev::initialize() %s:%d start this=0x%x\n", kSource, __LINE__,
               addressOf(this));
    setInstance(this);
    return 0;
}

void TQDappDev::setInstance(TQDappDev* dev)
{
    __dbprintf("TQDappDev::setInstance() %s:%d start dev=0x%x\n", kSource, __LINE__,
               addressOf(dev));
    g_instance = dev;
}

unsigned char TQDappDev::getInstanceExist()
{
    return g_instance != nullptr ? 1 : 0;
}

// A deleted device stops being the singleton, and the next call makes a new
// one.
TQDappDev* TQGIappDev()
{
    if (g_singleton == nullptr)
        g_singleton = TQDappDev::createFromHandler();
    return g_singleton;
}

// ---------------------------------------------------------------------------
// Base versions of the platform's operations

short TQDappDev::getWidth()
{
    return 1024;
}

short TQDappDev::getHeight()
{
    return 768;
}

short TQDappDev::getXOffset()
{
    return 0;
}

short TQDappDev::getYOffset()
{
    return 0;
}

void TQDappDev::update() {}
void TQDappDev::checkThreadSafe() {}
void TQDappDev::syncDisplay() {}

long TQDappDev::lock()
{
    std::fprintf(stderr, "TQDappDev::lock() this version does not supported.\n");
    return -1;
}

long TQDappDev::unlock()
{
    std::fprintf(stderr, "TQDappDev::unlock() this version does not supported.\n");
    return -1;
}

// ---------------------------------------------------------------------------
// Arguments, names and modes

void TQDappDev::setInitPrm(int count, char** words)
{
    argc = count;
    argv = words;
}

void TQDappDev::setInstanceName(const char* name)
{
    delete[] instanceName;
    instanceName = name != nullptr ? TQGFstrdup(name) : nullptr;
}

const char* TQDappDev::getInstanceName() const
{
    return instanceName != nullptr ? instanceName : "";
}

void TQDappDev::setTraceMode(unsigned char on)
{
    g_traceMode = on;
}

unsigned char TQDappDev::getTraceMode()
{
    return g_traceMode;
}

void TQDappDev::exit(long code)
{
    TQGFexit(static_cast<int>(code));
}

// ---------------------------------------------------------------------------
// Focus, selection, menus

void TQDappDev::setFocusDialog(TQCbase* dialog, unsigned char on)
{
    if (on)
        focusDialog = dialog;
    else if (focusDialog == dialog)
        focusDialog = nullptr;
}

void TQDappDev::setSelectionOwner(TQCbase* object)
{
    if (object == selectionOwner)
        return;
    TQCbase* previous = selectionOwner;
    selectionOwner = object;
    if (previous != nullptr)
        previous->onSelectionChange(0);
    if (object != nullptr)
        object->onSelectionChange(1);
}

void TQDappDev::addMenu(TQCbase* menu)
{
    menuList.add(menu);
}

void TQDappDev::delMenu(TQCbase* menu)
{
    menuList.del(menu);
}

void TQDappDev::addAltFocusInstance(TQCbase* object)
{
    altFocusList.add(object);
}

void TQDappDev::delAltFocusInstance(TQCbase* object)
{
    altFocusList.del(object);
}

// ---------------------------------------------------------------------------
// Look

void TQDappDev::setGuiPolicy(long bits, unsigned char broadcast)
{
    TQGIappGuiPolicy()->setGuiPolicy(bits, broadcast);
}

long TQDappDev::getGuiPolicy()
{
    return TQGIappGuiPolicy()->getGuiPolicy();
}

void TQDappDev::setExtGuiPolicy(const char* name, unsigned char broadcast)
{
    TQGIappGuiPolicy()->setExtGuiPolicy(name, broadcast);
}

TQCstring TQDappDev::getExtGuiPolicyName()
{
    return TQGIappGuiPolicy()->getExtGuiPolicyName();
}

unsigned char TQDappDev::getExtGuiPolicySelected()
{
    return TQGIappGuiPolicy()->getExtGuiPolicySelected();
}

void TQDappDev::setExtGuiPolicyProc(const char* policy, const char* key,
                                    TQCguiPolicy::DrawProc proc)
{
    TQGIappGuiPolicy()->setExtGuiPolicyProc(policy, key, proc);
}

TQCguiPolicy::DrawProc TQDappDev::getExtGuiPolicyProc(const char* key)
{
    return TQGIappGuiPolicy()->getExtGuiPolicyProc(key);
}

TQCindexData* TQDappDev::getExtGuiPolicyList()
{
    return TQGIappGuiPolicy()->getExtGuiPolicyList();
}

// ---------------------------------------------------------------------------
// Start-up

TQClistData* TQDappDev::getInitHandler()
{
    static TQClistData* handlers = new TQClistData;
    return handlers;
}

void TQDappDev::setInitHandler(InitHandler handler)
{
    if (handler == nullptr)
        return;
    if (getInstanceExist()) {
        handler();
        return;
    }
    getInitHandler()->add(reinterpret_cast<void*>(handler));
}

unsigned char TQDappDev::getInitializeExecuted()
{
    return g_initializeExecuted;
}

// The object list keeps its initialisation pass out of the init handlers,
// which build the windows; the pass this run makes itself comes after them.
long TQDappDev::execInitHandler()
{
    __dbprintf("TQDappDev::execInitHandler() %s:%d start this=0x%x inst=0x%x\n", kSource,
               __LINE__, addressOf(this), addressOf(g_instance));
    if (g_instance == nullptr) {
        __dbprintf("TQDappDev::execInitHandler() %s:%d No TQDappDev exists. exit..\n", kSource,
                   __LINE__);
        TQGFexit(0);
    }
    underExecInitialize = 1;
    g_initializeExecuted = 1;
    runInitHandlers();
    underExecInitialize = 0;
    TQGIappObjectList()->execInitialize();
    openOwnChannel();
    __dbprintf("TQDappDev::execInitHandler() %s:%d done. \n", kSource, __LINE__);
    return 0;
}

// Handlers registered while this runs have run at once already.
void TQDappDev::runInitHandlers()
{
    TQClistData* handlers = getInitHandler();
    long count = handlers->getNum();
    for (long i = 0; i < count; ++i) {
        __dbprintf("TQDappDev::execInitHandler() %s:%d call init function[%ld]\n", kSource,
                   __LINE__, i);
        InitHandler handler = reinterpret_cast<InitHandler>(handlers->getData(i));
        if (handler != nullptr)
            handler();
        __dbprintf("TQDappDev::execInitHandler() %s:%d call init function[%ld] done.\n",
                   kSource, __LINE__, i);
    }
}

void TQDappDev::openOwnChannel()
{
    if (g_ownChannel == nullptr)
        g_ownChannel = TQDmessage::getNewInstance();
    g_ownChannel->setupMessage(getInstanceName(), _trace_msg);
}

void TQDappDev::_trace_msg(char* text)
{
    if (text != nullptr && text[0] == '1') {
        setTraceMode(1);
        TQDmessage::extSendMessage(nullptr, "TR-START", "0");
        return;
    }
    setTraceMode(0);
}
