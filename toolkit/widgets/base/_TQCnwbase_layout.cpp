// Window-less widget base: the geometry and anchor hooks, the anchor layout
// step and the offset pointers shared with the widget's parts.
#include "_TQCnwbase.h"

#include <cstring>

#include "_TQN.h"

// ---------------------------------------------------------------------------
// Geometry and anchor hooks

// The near anchor fixes the position at once; the far one alone leaves the
// position to the parent's layout.
void TQCnwbase::anchorPosition(bool horizontal)
{
    TQCbase* parent = anchoringParent(this);
    if (nearAnchored(horizontal) && parent != nullptr)
        (horizontal ? m_x : m_y) = static_cast<short>(nearDistance(horizontal));
    else if (!nearAnchored(horizontal) && farAnchored(horizontal) && parent != nullptr)
        parent->needLayout();
    setGeometryChanged(1);
}

// Anchored on both sides, the size is the parent's layout's.
void TQCnwbase::anchorSize(bool horizontal)
{
    TQCbase* parent = anchoringParent(this);
    if (nearAnchored(horizontal) && farAnchored(horizontal) && parent != nullptr)
        parent->needLayout();
    setGeometryChanged(1);
}

void TQCnwbase::setWorkTQNx(short)
{
    anchorPosition(true);
}

void TQCnwbase::setWorkTQNy(short)
{
    anchorPosition(false);
}

void TQCnwbase::setWorkTQNwidth(unsigned short)
{
    anchorSize(true);
}

void TQCnwbase::setWorkTQNheight(unsigned short)
{
    anchorSize(false);
}

// Switching an anchor on asks the widget and its parent for a new layout;
// switching it off asks for none.
void TQCnwbase::anchorSwitched(TQCbool on)
{
    if (!on)
        return;
    needLayout();
    if (getParent() != nullptr)
        getParent()->needLayout();
}

// ---------------------------------------------------------------------------
// Layout step

// The old area is cleared once, before the first change; the widget is then
// repainted at its new place at once. No RESIZE is sent.
void TQCnwbase::_adjust_for_anchors(unsigned short width, unsigned short height)
{
    bool changed = false;
    if (width != 0)
        layoutAxis(true, width, changed);
    if (height != 0)
        layoutAxis(false, height, changed);
    if (!changed || m_layoutGuard)
        return;
    LifeGuard guard(this);
    m_layoutGuard = 1;
    update();
    if (guard.alive())
        m_layoutGuard = 0;
}

// One axis: left and right (horizontal) or top and bottom. Anchored on both
// sides the widget is never thinner than 5 pixels; narrower than its anchors
// it keeps its place and is 2 wide, or 5 high.
void TQCnwbase::layoutAxis(bool horizontal, unsigned short parentSize, bool& changed)
{
    TQCbool nearFlag = nearAnchored(horizontal);
    TQCbool farFlag = farAnchored(horizontal);
    long nearDistance = TQCanchored::nearDistance(horizontal);
    long farDistance = TQCanchored::farDistance(horizontal);
    const char* positionName = horizontal ? _TQNx() : _TQNy();
    const char* sizeName = horizontal ? _TQNwidth() : _TQNheight();
    long size = horizontal ? m_width : m_height;

    if (nearFlag && farFlag) {
        setAxisAnchors(horizontal, 0, 0);
        if (parentSize < nearDistance + farDistance) {
            changeGeometry(sizeName, horizontal ? 2 : 5, changed);
        } else {
            changeGeometry(positionName, nearDistance, changed);
            long stretched = parentSize - farDistance - nearDistance;
            changeGeometry(sizeName, stretched <= 5 ? 5 : stretched, changed);
        }
        setAxisAnchors(horizontal, 1, 1);
    } else if (nearFlag) {
        changeGeometry(positionName, nearDistance, changed);
    } else if (farFlag) {
        setAxisAnchors(horizontal, 0, 0);
        changeGeometry(positionName, parentSize - farDistance - size, changed);
        setAxisAnchors(horizontal, 0, 1);
    }
}

// Sets a geometry property that differs, clearing the old area before the
// pass's first change.
void TQCnwbase::changeGeometry(const char* name, long value, bool& changed)
{
    if (getProperty(name).getLong() == value)
        return;
    if (!changed) {
        clear();
        changed = true;
    }
    setProperty(name, TQCvariant(value));
}

// ---------------------------------------------------------------------------
// Offset pointers

template <class Pointer>
void TQCnwbase::passToInternalParts(void (TQCbase::*set)(Pointer*), Pointer* p)
{
    TQClistData parts(getChildren());
    for (long i = 0; i < parts.getNum(); ++i) {
        TQCbase* part = static_cast<TQCbase*>(parts.getData(i));
        const char* devName = part->getUseDevName();
        if (part->getInternalObject() && devName != nullptr && std::strcmp(devName, "nwDev") == 0)
            (part->*set)(p);
    }
}

void TQCnwbase::setXOffsetPtr(short* p)
{
    TQCbase::setXOffsetPtr(p);
    passToInternalParts(&TQCbase::setXOffsetPtr, p);
}

void TQCnwbase::setYOffsetPtr(short* p)
{
    TQCbase::setYOffsetPtr(p);
    passToInternalParts(&TQCbase::setYOffsetPtr, p);
}

void TQCnwbase::setScaleOffsetPtr(double* p)
{
    TQCbase::setScaleOffsetPtr(p);
    passToInternalParts(&TQCbase::setScaleOffsetPtr, p);
}

// Every new child shares the offsets; the scale is not handed on here.
void TQCnwbase::onChildAdded(TQCbase* child)
{
    if (getXOffsetPtr() != nullptr)
        child->setXOffsetPtr(getXOffsetPtr());
    if (getYOffsetPtr() != nullptr)
        child->setYOffsetPtr(getYOffsetPtr());
    TQCbase::onChildAdded(child);
}
