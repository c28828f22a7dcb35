// Grip handle: the drag that polls the pointer, the undo step taken when a
// drag begins, and the maker the object model reaches through its hook.
#include "_TQCgripHand.h"

#include <cstdint>

#include "_TQCpropUndoProc.h"
#include "_TQCtypeServerFrame.h"
#include "_TQCundoManager.h"
#include "_TQDdev.h"
#include "_TQDmouse.h"
#include "_TQDprivateTimer.h"
#include "_TQGFdebug.h"

TQ_TYPE_SERVER_FRAME(TQCgripHand, TQCform);

namespace {

const char kSourceName[] = "_TQCgripHand";
const long kDragRate = 100;
const long kPressAndRelease = 0x6000;

typedef void (*GeometryHandler)(TQCbase* client, short number, short dx, short dy);

unsigned int addressOf(const void* p)
{
    return static_cast<unsigned int>(reinterpret_cast<uintptr_t>(p));
}

// The object model makes the handles of a selected object through this.
const bool g_makerInstalled = (TQCbase::setGripHandMaker(TQGFgetNewGripHand), true);

} // namespace

TQCgripHand::TQCgripHand(TQCbase* parent, const char* name) : TQCform(parent, name) {}

TQCgripHand::~TQCgripHand()
{
    if (m_dragTimer != nullptr) {
        m_dragTimer->stopTimer();
        delete m_dragTimer;
        m_dragTimer = nullptr;
    }
    TQCbase* client = static_cast<TQCbase*>(getUserData(GRIP_CLIENT_KEY));
    if (client == nullptr)
        return;
    TQClistData* hands = static_cast<TQClistData*>(client->getUserData(GRIP_HANDS_KEY));
    if (hands != nullptr)
        hands->del(this);
}

long TQCgripHand::_device_initialize()
{
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return -1;
    dev->setEnableEventBit(kPressAndRelease);
    TQCform::_device_initialize();
    return 0;
}

void TQCgripHand::onMousePress(TQCpoint*)
{
    if (m_dragTimer == nullptr)
        m_dragTimer = TQDprivateTimer::getNewInstance();
    if (m_dragTimer != nullptr) {
        m_dragTimer->setRate(kDragRate);
        m_dragTimer->setCont(1);
        m_dragTimer->setWorkProc(_grip_hand_update_proc, this);
        m_dragTimer->startTimer();
    }
    if (TQCbase* client = static_cast<TQCbase*>(getUserData(GRIP_CLIENT_KEY))) {
        TQCpropUndoProc* step = new TQCpropUndoProc;
        step->setTarget(client);
        TQGIappUndoManager()->addUndoProc(step);
    }
}

void TQCgripHand::onMouseRelease(TQCpoint*)
{
    if (m_dragTimer != nullptr) {
        m_dragTimer->stopTimer();
        delete m_dragTimer;
        m_dragTimer = nullptr;
    }
    if (TQCbase* client = static_cast<TQCbase*>(getUserData(GRIP_CLIENT_KEY)))
        client->redraw();
}

// The offset is positive while the pointer is left of or above the
// handle's centre; a handle that has come to rest under the pointer hands
// on nothing. The drag ends on the first tick without the first button.
void TQCgripHand::_grip_hand_update_proc(void* data)
{
    TQCgripHand* hand = static_cast<TQCgripHand*>(data);
    __dbprintf("TQCgripHand::_grip_hand_update_proc %s:%d data=0x%x\n", kSourceName, __LINE__,
               addressOf(data));
    TQDmouse* mouse = TQGIappMouse();
    if (hand == nullptr || mouse == nullptr)
        return;
    short mx = 0, my = 0;
    mouse->getMousePosition(&mx, &my, hand);
    short dx = static_cast<short>(hand->m_width / 2 - mx);
    short dy = static_cast<short>(hand->m_height / 2 - my);
    GeometryHandler handler =
        reinterpret_cast<GeometryHandler>(hand->getUserData(GRIP_HANDLER_KEY));
    TQCbase* client = static_cast<TQCbase*>(hand->getUserData(GRIP_CLIENT_KEY));
    if (handler != nullptr && (dx != 0 || dy != 0) && client != nullptr) {
        intptr_t number = reinterpret_cast<intptr_t>(hand->getUserData(GRIP_NUMBER_KEY));
        __dbprintf("TQCgripHand::_grip_hand_update_proc %s:%d client=0x%x %s\n", kSourceName,
                   __LINE__, addressOf(client), client->getInstanceName());
        LifeGuard guard(hand);
        handler(client, static_cast<short>(number), dx, dy);
        if (!guard.alive())
            return;
    }
    if (!(mouse->getStatus() & TQDmouse::STATUS_BUTTON1) && hand->m_dragTimer != nullptr)
        hand->m_dragTimer->stopTimer();
    __dbprintf("TQCgripHand::_grip_hand_update_proc %s:%d data=0x%x done.\n", kSourceName,
               __LINE__, addressOf(data));
}

TQCbase* TQGFgetNewGripHand(TQCbase* client)
{
    TQCgripHand* hand = new TQCgripHand(client, "gph");
    hand->setUseParentBaseDev(1);
    hand->initialize();
    hand->setInternalObject(1);
    hand->setProperty(_TQNx(), TQCvariant(0L));
    hand->setProperty(_TQNy(), TQCvariant(0L));
    hand->setProperty(_TQNwidth(), TQCvariant(10L));
    hand->setProperty(_TQNheight(), TQCvariant(10L));
    hand->setProperty(_TQNtopShadowColor(), TQCvariant(-3L));
    hand->setProperty(_TQNbottomShadowColor(), TQCvariant(-4L));
    hand->setProperty(_TQNbackColor(), TQCvariant(-10L));
    hand->setProperty(_TQNshadowThickness(), TQCvariant(1L));
    hand->setProperty(_TQNuserValue(), TQCvariant(-1L));
    return hand;
}
