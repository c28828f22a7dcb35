// Form: the anchor layout, of the form in its parent and of its children,
// and the stacking order of the children.
#include "_TQCform.h"

#include "_TQN.h"

// The anchors in force are switched off while the geometry is set, so that
// the hooks move and size the window instead of deferring to this layout.
void TQCform::_adjust_for_anchors(unsigned short width, unsigned short height)
{
    bool stretched = false;
    if (width != 0) {
        stretched = layoutAxis(true, width);
        needUpdate();
        setAbsoluteDraw(1);
    }
    if (height != 0) {
        stretched = layoutAxis(false, height) || stretched;
        needUpdate();
        setAbsoluteDraw(1);
    }
    if (stretched)
        execResizeEvent();
}

// One axis: left and right (horizontal) or top and bottom. True when both
// anchors are in force, which stretches the form.
bool TQCform::layoutAxis(bool horizontal, unsigned short parentSize)
{
    TQCbool nearFlag = nearAnchored(horizontal);
    TQCbool farFlag = farAnchored(horizontal);
    long nearDistance = TQCanchored::nearDistance(horizontal);
    long farDistance = TQCanchored::farDistance(horizontal);
    long position = horizontal ? m_x : m_y;
    long size = horizontal ? m_width : m_height;
    const char* positionName = horizontal ? _TQNx() : _TQNy();
    const char* sizeName = horizontal ? _TQNwidth() : _TQNheight();

    if (!nearFlag && farFlag) {
        setAxisAnchors(horizontal, 0, 0);
        setGeometryProperty(positionName, parentSize - farDistance - size);
        setAxisAnchors(horizontal, 0, 1);
        return false;
    }
    if (nearFlag && farFlag) {
        setAxisAnchors(horizontal, 0, 0);
        // Narrower than its two anchors: one pixel, where it is.
        if (parentSize < nearDistance + farDistance) {
            setGeometryProperty(sizeName, 1);
        } else {
            setGeometryProperty(positionName, nearDistance);
            setGeometryProperty(sizeName, parentSize - farDistance - nearDistance);
        }
        setAxisAnchors(horizontal, 1, 1);
        return true;
    }
    if (nearFlag && position != nearDistance)
        setGeometryProperty(positionName, nearDistance);
    return false;
}

void TQCform::setGeometryProperty(const char* name, long value)
{
    setProperty(name, TQCvariant(value));
}

// A child may leave the list, or be destroyed, while earlier ones are laid
// out: each is visited only while it is still a child. The geometry mark
// stays set until the form's own update.
void TQCform::_exec_child_adjust_for_anchors()
{
    if (!adjustAnchor() || !getGeometryChanged())
        return;
    anchorChildren(m_width, m_height);
}

void TQCform::anchorChildren(unsigned short width, unsigned short height)
{
    forEachStillIn(m_children, [this, width, height](TQCbase* child) {
        LifeGuard guard(this);
        LifeGuard childGuard(child);
        child->_adjust_for_anchors(width, height);
        if (!guard.alive())
            return;
        // With a pixmap the child's window is repainted now, not later.
        if (!childGuard.alive() || m_pixmapStyle != 1 || !child->isNeedUpdate() ||
            child->getUpdateGuard())
            return;
        child->setUpdateGuard(1);
        child->update();
        if (guard.alive() && childGuard.alive())
            child->setUpdateGuard(0);
    });
}

long TQCform::restackChild(TQCbase* child, int position)
{
    return restackIn(m_children, child, position);
}
