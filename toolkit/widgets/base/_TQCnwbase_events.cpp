// Window-less widget base: event dispatch with the widget's own hit test,
// the pointer-inside state and the grab, the sibling hit test and the
// cursor on entry and exit.
#include "_TQCnwbase.h"

#include "_TQDdev.h"
#include "_TQDmouse.h"
#include "_TQGFtrigger.h"
#include "_TQN.h"

namespace {

long geometryOf(TQCbase* object, const char* name)
{
    return object->existProperty(name) ? object->getProperty(name).getLong() : 0;
}

} // namespace

long TQCnwbase::execEventProc(long event, void* data)
{
    switch (event) {
    case TQEV_EXPOSE:
        return exposeEvent(static_cast<TQCrect*>(data));
    case TQEV_MOUSE_OUT:
        leavePointer();
        return 0;
    case TQEV_MOUSE_IN:
    case TQEV_MOUSE_PRESS:
    case TQEV_MOUSE_RELEASE:
    case TQEV_MOUSE_MOVE:
    case TQEV_MOUSE_DOUBLE_CLICK:
        return pointerEvent(event, static_cast<TQCpoint*>(data));
    default:
        return TQCbase::execEventProc(event, data);
    }
}

// A widget wholly left of or above the origin is not drawn.
long TQCnwbase::exposeEvent(TQCrect* area)
{
    if (m_x + static_cast<long>(m_width) < 0 || m_y + static_cast<long>(m_height) < 0)
        return 0;
    bool whole = getAbsoluteDraw() != 0;
    LifeGuard guard(this);
    if (draw() == -1)
        return -1;
    if (!guard.alive())
        return 0;
    TQDdev* dev = getowndev();
    if (dev == nullptr)
        return -1;
    if (!whole && !dev->isExposed(m_x, m_y, m_width, m_height, 1))
        return 0;
    TQCrect own = {m_x, m_y, m_width, m_height};
    onExpose(area != nullptr ? area : &own);
    if (guard.alive() && hasExposeProcedures())
        execProcedure(TQEV_EXPOSE);
    return 0;
}

void TQCnwbase::leavePointer()
{
    if (!m_pointerInside)
        return;
    m_pointerInside = 0;
    TQCbase::execEventProc(TQEV_MOUSE_OUT, nullptr);
}

// The event itself comes before the MOUSE_IN it causes. A MOUSE_IN event
// is delivered once, as itself.
long TQCnwbase::pointerEvent(long event, TQCpoint* point)
{
    if (point == nullptr)
        return -1;
    TQCpoint relative = {point->x - m_x, point->y - m_y};
    bool inside = point->x >= m_x && point->x < m_x + static_cast<long>(m_width) &&
                  point->y >= m_y && point->y < m_y + static_cast<long>(m_height);
    if (!inside)
        return outsideEvent(event, &relative);
    long answer = (event == TQEV_MOUSE_IN || event == TQEV_MOUSE_MOVE) ? -1 : 0;
    if (event == TQEV_MOUSE_PRESS)
        m_mouseGrabbed = 1;
    else if (event == TQEV_MOUSE_RELEASE)
        m_mouseGrabbed = 0;
    LifeGuard guard(this);
    TQCpoint given = relative;
    TQCbase::execEventProc(event, &given);
    if (!guard.alive() || m_pointerInside)
        return answer;
    m_pointerInside = 1;
    if (event != TQEV_MOUSE_IN)
        TQCbase::execEventProc(TQEV_MOUSE_IN, &relative);
    return answer;
}

// While grabbed, the switched-on kinds reach the widget from outside; any
// other event outside ends the pointer's stay.
long TQCnwbase::outsideEvent(long event, TQCpoint* relative)
{
    if (m_mouseGrabbed) {
        if (event == TQEV_MOUSE_MOVE && m_outsideMove) {
            TQCbase::execEventProc(event, relative);
            return -1;
        }
        if ((event == TQEV_MOUSE_RELEASE && m_outsideRelease) ||
            (event == TQEV_MOUSE_PRESS && m_outsidePress)) {
            TQCbase::execEventProc(event, relative);
            return 0;
        }
    }
    leavePointer();
    return -1;
}

TQCbase* TQCnwbase::_get_child_with_point(TQCpoint* point, unsigned char inclusive)
{
    TQCbase* parent = getParent();
    if (parent == nullptr || point == nullptr)
        return nullptr;
    TQClistData& siblings = parent->getChildren();
    TQCbase* found = nullptr;
    for (long i = 0; i < siblings.getNum(); ++i) {
        TQCbase* sibling = static_cast<TQCbase*>(siblings.getData(i));
        long x = geometryOf(sibling, _TQNx());
        long y = geometryOf(sibling, _TQNy());
        long right = x + geometryOf(sibling, _TQNwidth());
        long bottom = y + geometryOf(sibling, _TQNheight());
        bool hit = inclusive ? x <= point->x && point->x <= right && y <= point->y &&
                                   point->y <= bottom
                             : x < point->x && point->x < right && y < point->y &&
                                   point->y < bottom;
        if (hit)
            found = sibling;
    }
    return found;
}

void TQCnwbase::onMouseIn(TQCpoint* point)
{
    TQDdev* parentDev = getParentDev();
    if (parentDev == nullptr || !parentDev->getVisible() || point == nullptr)
        return;
    TQCpoint at = {m_x + point->x, m_y + point->y};
    TQCbase* over = _get_child_with_point(&at, 1);
    if (over != nullptr && over != this)
        return;
    unsigned short cursor = m_mouse;
    parentDev->setValue(TQDdev::VALUE_MOUSE_CURSOR, &cursor);
}

void TQCnwbase::onMouseOut()
{
    TQCbase* parent = getParent();
    TQDdev* parentDev = getParentDev();
    if (parent == nullptr || parentDev == nullptr || !parentDev->getVisible())
        return;
    TQCbase* over = nullptr;
    short mx = 0, my = 0;
    TQDmouse* mouse = TQGIappMouse();
    if (mouse != nullptr && mouse->getMousePosition(&mx, &my, this) == 0) {
        TQCpoint at = {m_x + mx, m_y + my};
        over = _get_child_with_point(&at, 0);
    }
    TQCbase* owner = over != nullptr && over->existProperty(_TQNmouse()) ? over : parent;
    if (!owner->existProperty(_TQNmouse()))
        return;
    unsigned short cursor = owner->getProperty(_TQNmouse()).getUnsignedShort();
    parentDev->setValue(TQDdev::VALUE_MOUSE_CURSOR, &cursor);
}
