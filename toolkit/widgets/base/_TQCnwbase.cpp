// Window-less widget base: construction, the 25 properties, the class frame,
// the device set-up, repainting, procedure registration and blinking.
// Events and layout have files of their own.
#include "_TQCnwbase.h"

#include "_TQCblink.h"
#include "_TQCprocedure.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDdev.h"
#include "_TQGFdebug.h"
#include "_TQGFtrigger.h"
#include "_TQN.h"
#include "_TQR.h"
#include "_TQS.h"

TQ_TYPE_SERVER_FRAME(TQCnwbase, TQCbase);

namespace {

// MOUSE_IN and MOUSE_OUT procedures, and the pointer moves the widget makes
// them from.
const long kPointerProcedureMask =
    (1L << TQEV_MOUSE_IN) | (1L << TQEV_MOUSE_OUT) | (1L << TQEV_MOUSE_MOVE);
const long kPointerDeviceBits = 0x800f;

} // namespace

TQCnwbase::TQCnwbase(TQCbase* parent, const char* name)
    : TQCbase(parent, name), m_blinkRate(1), m_blinkRefreshing(0), m_blinkFlag(0),
      m_twinBlink(0), m_pointerInside(0), m_outsidePress(0), m_outsideRelease(0),
      m_outsideMove(0), m_mouseGrabbed(0), m_layoutGuard(0)
{
    addEventMask((1L << TQEV_INITIALIZE) | (1L << TQEV_VALUE_CH));
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        // The name given at construction is not replaced by the default.
        TQCbaseProperties::identity(r);
        TQ_WATCH_FLAG(r, blinkRefreshing, 0, bool3);
        TQCbaseProperties::visibility(r);
        TQCbaseProperties::sensitivity(r);
        TQ_WATCH_GEOMETRY(r, 0, 0, 100, 30);
        TQ_WATCH(r, foreColor, -14);
        TQ_WATCH_FLAG(r, twinBlink, 0, bool4);
        TQ_WATCH(r, blinkColor, -13);
        TQ_WATCH_BITS(r, blinkRate, 1, rateType);
        TQ_WATCH_FLAG(r, blinkFlag, 0, bool3);
        registerAnchors(r);
        TQCbaseProperties::exported(r);
        TQ_WATCH(r, mouse, 0);
        r.triggers({TQEV_INITIALIZE, TQEV_EXPOSE, TQEV_VISIBLE_CH, TQEV_MOUSE_MOVE,
                    TQEV_MOUSE_IN, TQEV_MOUSE_OUT, TQEV_MOUSE_PRESS, TQEV_MOUSE_RELEASE,
                    TQEV_PARENT_VISIBLE_CH});
    });
}

TQCnwbase::~TQCnwbase()
{
    clearGriphand();
    if (m_blinkFlag)
        TQGIappBlink()->delBlinkInstance(this);
}

// The widget draws straight on its parent's window.
long TQCnwbase::_device_initialize()
{
    TQCbase::_device_initialize();
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return -1;
    dev->setEnableEvent(TQEV_EXPOSE);
    unsigned char usePixmap = 0;
    dev->setValue(TQDdev::VALUE_USE_PIXMAP, &usePixmap);
    return 0;
}

// ---------------------------------------------------------------------------
// Repainting

void TQCnwbase::update()
{
    if (!isNeedUpdate())
        return;
    LifeGuard guard(this);
    redraw();
    if (guard.alive())
        TQCbase::update();
}

void TQCnwbase::updateDrawing(bool transparent)
{
    if (!isNeedUpdate())
        return;
    LifeGuard guard(this);
    if (transparent)
        TQCnwbase::redraw();
    else
        draw();
    if (guard.alive())
        TQCbase::update();
}

long TQCnwbase::redraw()
{
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return -1;
    TQDdev* parentDev = dev->getParentDev();
    TQCbase* parent = parentDev != nullptr ? parentDev->getAttachedClient() : nullptr;
    if (parent != nullptr && parent->getAbsoluteDraw()) {
        parent->setAbsoluteDraw(0);
        // A parent that repaints nothing (no-refresh) leaves this widget to
        // repaint its own area.
        if (parent->redraw() == 0)
            return 0;
    }
    dev->clearArea(m_x, m_y, m_width, m_height, 1, 1);
    return 0;
}

long TQCnwbase::clear()
{
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return -1;
    dev->clearArea(m_x, m_y, m_width, m_height, 0, 1);
    return 0;
}

void TQCnwbase::traceDraw(const char* className, int line, const char* state)
{
    __dbprintf("%s::draw _%s:%d %s %s\n", className, className, line, getInstanceName(), state);
}

long TQCnwbase::drawable(const char* className, int line)
{
    traceDraw(className, line, "begin..");
    if (!getVisible()) {
        traceDraw(className, line, "vis=False");
        return 0;
    }
    if (getowndev() == nullptr) {
        traceDraw(className, line, "dev=NULL");
        return -1;
    }
    return 1;
}

bool TQCnwbase::drawWanted(const char* className, int line)
{
    if (getAbsoluteDraw() || getowndev()->isExposed(m_x, m_y, m_width, m_height, 1))
        return true;
    traceDraw(className, line, "not exposed..");
    return false;
}

bool TQCnwbase::openDrawing(const char* className, int line)
{
    if (getowndev()->beginDraw(m_x, m_y, m_width, m_height, getAbsoluteDraw(), 1) != 0) {
        traceDraw(className, line, "not ready..");
        return false;
    }
    TQCbase::update();
    setAbsoluteDraw(0);
    return true;
}

long TQCnwbase::openBlinkingDrawing(const char* className, int line)
{
    long drawing = drawable(className, line);
    if (drawing != 1)
        return drawing;
    if (!drawWanted(className, line))
        return 0;
    if (getBlinkPhase() && !m_twinBlink) {
        traceDraw(className, line, "not draw..");
        return 0;
    }
    return openDrawing(className, line) ? 1 : 0;
}

long TQCnwbase::cdraw()
{
    needUpdate();
    setAbsoluteDraw(1);
    return draw();
}

// ---------------------------------------------------------------------------
// Procedures

long TQCnwbase::addProcedure(TQCprocedure* procedure)
{
    if (!acceptsProcedure(procedure))
        return -1;
    long trigger = procedure->getTrigger();
    if (trigger != TQEV_MOUSE_IN && trigger != TQEV_MOUSE_OUT) {
        TQCbase::addProcedure(procedure);
        return 0;
    }
    attachWithEvents(procedure, kPointerProcedureMask, kPointerDeviceBits);
    return 0;
}

bool TQCnwbase::acceptsProcedure(TQCprocedure* procedure)
{
    return procedure != nullptr &&
           (existTrigger(procedure->getTrigger()) || procedure->getInternal());
}

void TQCnwbase::attachWithEvents(TQCprocedure* procedure, long mask, long deviceBits)
{
    procedure->setEffectiveTriggerMask(mask);
    addEventMask(mask);
    _add_prcs(procedure);
    if (TQDdev* dev = getowndev())
        dev->setEnableEventBit(deviceBits);
}

long TQCnwbase::addProcedureWithEvents(TQCprocedure* procedure, long trigger, long mask)
{
    if (!acceptsProcedure(procedure))
        return -1;
    if (procedure->getTrigger() != trigger)
        return TQCnwbase::addProcedure(procedure);
    attachWithEvents(procedure, mask, mask);
    return 0;
}

void TQCnwbase::moveFocusFrom(TQCbase* container, long direction)
{
    if (TQCbase* target = container->giveFocusToward(direction))
        target->redraw();
}

// ---------------------------------------------------------------------------
// Blinking

// Registered once, with the current rate and mode, while blinkFlag is on.
void TQCnwbase::setWorkTQNblinkFlag(unsigned char on)
{
    if (on)
        TQGIappBlink()->addBlinkInstance(this, m_blinkRate, m_blinkRefreshing);
    else
        TQGIappBlink()->delBlinkInstance(this);
}

unsigned char TQCnwbase::getBlinkPhase()
{
    if (!m_blinkFlag || m_blinkRate == 0)
        return 0;
    return TQGIappBlink()->getBlinkFore(m_blinkRate);
}

void TQCnwbase::rejoinBlink()
{
    if (!m_blinkFlag)
        return;
    TQGIappBlink()->delBlinkInstance(this);
    TQGIappBlink()->addBlinkInstance(this, m_blinkRate, m_blinkRefreshing);
}

void TQCnwbase::setWorkTQNblinkRate(unsigned char)
{
    rejoinBlink();
}

void TQCnwbase::setWorkTQNblinkRefreshing(unsigned char)
{
    rejoinBlink();
}

void TQCnwbase::setWorkTQNblinkColor(short)
{
    rejoinBlink();
}
