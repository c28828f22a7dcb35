// Drag and drop inside the program: sites kept as user data of the widgets,
// the drag as a state of the service, ended by the form devices' release.
#include "TQDwinDragDrop.h"

#include "TQDwinMouse.h"
#include "TQDwinformDev.h"
#include "_TQCbase.h"
#include "_TQCbaseList.h"
#include "_TQCprocedure.h"
#include "_TQDcreateInstance.h"
#include "_TQDmouse.h"
#include "_TQGFtrigger.h"

namespace {

const char* const kStartProcedure = "TQDRAG-START";
const char* const kStartFunction = "_btn_press_drag_start";
const char* const kProcedureKey = "TQDRAG-AC";
const char* const kMessageKey = "TQDRAG-MSG";
const char* const kServiceKey = "TQDRAG-SERV";
const char* const kDropProcKey = "DROP-PROC";

typedef void (*DropProc)(TQCbase* target, TQCbase* source);

// Sites and sources are widgets that may be deleted while registered or
// during a drag.
bool alive(TQCbase* widget)
{
    return TQGIappObjectList()->existInstance(widget) != 0;
}

// Only a site that has a message copy is touched.
void forgetMessage(TQCbase* site)
{
    if (site->getUserData(kMessageKey) != nullptr)
        site->setUserStringData(kMessageKey, nullptr);
}

} // namespace

// ---------------------------------------------------------------------------
// Sites

long TQDwinDragDrop::registerDragSite(TQCbase* site, char* message)
{
    if (site == nullptr)
        return -1;
    site->setUserStringData(kMessageKey, message);
    site->setUserData(kServiceKey, this);
    if (site->getUserData(kProcedureKey) != nullptr)
        return 0;
    TQCprocedure* start = new TQCprocedure(kStartProcedure, TQEV_MOUSE_PRESS);
    start->setFunction(_btn_press_drag_start, kStartFunction);
    if (site->addProcedure(start) != 0) {
        delete start;
        return -1;
    }
    site->setUserData(kProcedureKey, start);
    return 0;
}

long TQDwinDragDrop::unregisterDragSite(TQCbase* site)
{
    if (site == nullptr)
        return -1;
    forgetMessage(site);
    if (auto* start = static_cast<TQCprocedure*>(site->getUserData(kProcedureKey))) {
        site->delProcedure(start);
        delete start;
        site->setUserData(kProcedureKey, nullptr);
    }
    return 0;
}

long TQDwinDragDrop::registerDropSite(TQCbase* site, char* message, DropProc dropProc)
{
    if (site == nullptr)
        return -1;
    site->setUserStringData(kMessageKey, message);
    site->setUserData(kDropProcKey, reinterpret_cast<void*>(dropProc));
    m_dropSites.del(site);
    m_dropSites.add(site);
    return 0;
}

long TQDwinDragDrop::unregisterDropSite(TQCbase* site)
{
    if (site == nullptr)
        return -1;
    forgetMessage(site);
    m_dropSites.del(site);
    return 0;
}

// ---------------------------------------------------------------------------
// The drag

void TQDwinDragDrop::_btn_press_drag_start(TQCbase* site)
{
    auto* service = static_cast<TQDwinDragDrop*>(site->getUserData(kServiceKey));
    if (service != nullptr && !service->m_dragging)
        service->startDrag(site);
}

// Without a form device the drag runs with the cursor unchanged.
void TQDwinDragDrop::startDrag(TQCbase* site)
{
    m_dragging = 1;
    m_source = site;
    m_savedCursor = 0;
    TQDwinformDev* device = formDeviceOf(site);
    if (device == nullptr)
        return;
    m_savedCursor = device->getMouseNo();
    showCursorOf(device, DRAG_CURSOR);
}

void TQDwinDragDrop::executeDrop()
{
    TQCbase* source = m_source;
    m_source = nullptr;
    if (!m_dragging)
        return;
    m_dragging = 0;
    if (!alive(source))
        return;
    TQCbase* target = dropSiteUnderPointer();
    if (target != nullptr) {
        if (auto dropProc = reinterpret_cast<DropProc>(target->getUserData(kDropProcKey)))
            dropProc(target, source);
    }
    if (!alive(source))
        return;
    if (TQDwinformDev* device = formDeviceOf(source))
        showCursorOf(device, m_savedCursor);
}

// The last registered site whose own window is the one under the pointer;
// sites deleted since they registered leave the list.
TQCbase* TQDwinDragDrop::dropSiteUnderPointer()
{
    HWND__* under = TQDwinMouse::getCurrentMouseWindow();
    for (long i = m_dropSites.getNum() - 1; i >= 0; --i) {
        auto* site = static_cast<TQCbase*>(m_dropSites.getData(i));
        if (!alive(site)) {
            m_dropSites.delPos(i);
            continue;
        }
        TQDdev* dev = site->getdev();
        auto* form = dev != nullptr ? static_cast<TQDwinformDev*>(dev->cast("TQDwinformDev"))
                                    : nullptr;
        if (form != nullptr && form->getHWND() != nullptr && form->getHWND() == under)
            return site;
    }
    return nullptr;
}

TQDwinformDev* TQDwinDragDrop::formDeviceOf(TQCbase* widget)
{
    TQDdev* dev = widget->getdev();
    if (dev == nullptr)
        return nullptr;
    if (auto* form = static_cast<TQDwinformDev*>(dev->cast("TQDwinformDev")))
        return form;
    TQDdev* parent = dev->getParentDev();
    return parent != nullptr ? static_cast<TQDwinformDev*>(parent->cast("TQDwinformDev"))
                             : nullptr;
}

void TQDwinDragDrop::showCursorOf(TQDwinformDev* device, unsigned short id)
{
    short value = static_cast<short>(id);
    device->setValue(TQDdev::VALUE_MOUSE_CURSOR, &value);
    TQDmouse* mouse = TQGIappMouse();
    long cursor = mouse != nullptr ? mouse->getMouseCursor(id) : 0;
    TQDwinformDev::applyCursor(reinterpret_cast<HICON__*>(cursor));
}

// ---------------------------------------------------------------------------
// Installation

TQ_PLATFORM_FACTORY(TQDdragDrop, TQDwinDragDrop, _winDrag_drop_create_handler_,
                    TQGFinitializeWinDragDrop)

TQDwinDragDrop* TQGIwinAppDragDrop()
{
    return static_cast<TQDwinDragDrop*>(TQGIappDragDrop()->cast("TQDwinDragDrop"));
}
