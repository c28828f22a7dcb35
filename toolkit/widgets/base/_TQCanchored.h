// The anchors of forms and window-less widgets: the distances to the
// parent's edges and which of them are in force. A parent that lays out its
// children keeps an anchored child at its distances when it is resized.
#ifndef _TQCANCHORED_H
#define _TQCANCHORED_H

#include "_TQCclassFrame.h"

class TQCanchored {
protected:
    typedef TQCanchored ThisClass;

    TQCanchored()
        : m_anchorTopFlag(0), m_anchorBottomFlag(0), m_anchorLeftFlag(0), m_anchorRightFlag(0)
    {
    }

    // The object's parent when it lays out its anchored children, else null.
    static TQCbase* anchoringParent(TQCbase* object)
    {
        TQCbase* parent = object->getParent();
        return parent != nullptr && parent->adjustAnchor() ? parent : nullptr;
    }

    // One axis: the near side is left (horizontal) or top, the far side
    // right or bottom.
    TQCbool nearAnchored(bool horizontal) const
    {
        return horizontal ? m_anchorLeftFlag : m_anchorTopFlag;
    }
    TQCbool farAnchored(bool horizontal) const
    {
        return horizontal ? m_anchorRightFlag : m_anchorBottomFlag;
    }
    long nearDistance(bool horizontal) const { return horizontal ? m_anchorLeft : m_anchorTop; }
    long farDistance(bool horizontal) const { return horizontal ? m_anchorRight : m_anchorBottom; }
    // A layout switches the anchors of an axis off while it sets the
    // geometry, so that the geometry hooks do not defer to it.
    void setAxisAnchors(bool horizontal, TQCbool nearFlag, TQCbool farFlag)
    {
        if (horizontal) {
            m_anchorLeftFlag = nearFlag;
            m_anchorRightFlag = farFlag;
        } else {
            m_anchorTopFlag = nearFlag;
            m_anchorBottomFlag = farFlag;
        }
    }

    // The four distances, then the four flags, with the hooks of Class.
    template <class Class>
    static void registerAnchors(TQCclassRegistrar<Class>& r);

    unsigned short m_anchorTop = 0;
    unsigned short m_anchorBottom = 0;
    unsigned short m_anchorLeft = 0;
    unsigned short m_anchorRight = 0;
    TQCbool m_anchorTopFlag : 1;
    TQCbool m_anchorBottomFlag : 1;
    TQCbool m_anchorLeftFlag : 1;
    TQCbool m_anchorRightFlag : 1;
    TQ_BIT_FIELD_SLOT(m_anchorTopFlag)
    TQ_BIT_FIELD_SLOT(m_anchorBottomFlag)
    TQ_BIT_FIELD_SLOT(m_anchorLeftFlag)
    TQ_BIT_FIELD_SLOT(m_anchorRightFlag)
};

#define TQ_REGISTER_ANCHOR(Side)                                                 \
    r.template watched<&TQCanchored::m_anchor##Side>(                            \
        _TQNanchor##Side(), 0, &Class::setWorkTQNanchor##Side,                   \
        &Class::getWorkTQNanchor##Side, {_TQSanchor##Side()});
#define TQ_REGISTER_ANCHOR_FLAG(Side)                                            \
    r.template watched<TQCflagOf<m_anchor##Side##FlagSlot>>(                     \
        _TQNanchor##Side##Flag(), 0, &Class::setWorkTQNanchor##Side##Flag,       \
        &Class::getWorkTQNanchor##Side##Flag,                                    \
        {_TQSanchor##Side##Flag(), _TQRbool3(), _TQRbool3D()});

template <class Class>
void TQCanchored::registerAnchors(TQCclassRegistrar<Class>& r)
{
    TQ_REGISTER_ANCHOR(Top)
    TQ_REGISTER_ANCHOR(Bottom)
    TQ_REGISTER_ANCHOR(Left)
    TQ_REGISTER_ANCHOR(Right)
    TQ_REGISTER_ANCHOR_FLAG(Top)
    TQ_REGISTER_ANCHOR_FLAG(Bottom)
    TQ_REGISTER_ANCHOR_FLAG(Left)
    TQ_REGISTER_ANCHOR_FLAG(Right)
}

#undef TQ_REGISTER_ANCHOR
#undef TQ_REGISTER_ANCHOR_FLAG

// The hooks of the anchors, in registration order, for a class with
// TQCanchored: a new distance in force asks the parent for a new layout; a
// flag switched goes to the class's own anchorSwitched(on).
#define TQ_ANCHOR_DISTANCE_HOOKS(Side)                                           \
    virtual void setWorkTQNanchor##Side(unsigned short)                          \
    {                                                                            \
        if (m_anchor##Side##Flag && getParent() != nullptr)                      \
            getParent()->needLayout();                                           \
    }                                                                            \
    virtual void getWorkTQNanchor##Side(unsigned short*) {}
#define TQ_ANCHOR_FLAG_HOOKS(Side)                                               \
    virtual void setWorkTQNanchor##Side##Flag(unsigned char on) { anchorSwitched(on); } \
    virtual void getWorkTQNanchor##Side##Flag(unsigned char*) {}
#define TQ_ANCHOR_HOOKS                                                          \
    TQ_ANCHOR_DISTANCE_HOOKS(Top)                                                \
    TQ_ANCHOR_DISTANCE_HOOKS(Bottom)                                             \
    TQ_ANCHOR_DISTANCE_HOOKS(Left)                                               \
    TQ_ANCHOR_DISTANCE_HOOKS(Right)                                              \
    TQ_ANCHOR_FLAG_HOOKS(Top)                                                    \
    TQ_ANCHOR_FLAG_HOOKS(Bottom)                                                 \
    TQ_ANCHOR_FLAG_HOOKS(Left)                                                   \
    TQ_ANCHOR_FLAG_HOOKS(Right)

#endif
