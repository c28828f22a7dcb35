// The split form: a form whose inner area is divided into panes by separator
// bars that the user drags. Each pane holds one managed child, in child
// order; the bar positions are the text of barValue, numbers joined by the
// separator, each the centre of a bar measured from the inset (shadow plus
// leading margin). Dragging a bar rewrites barValue and runs VALUE_CH.
#ifndef _TQCSFORM_H
#define _TQCSFORM_H

#include "_TQCform.h"

#include <vector>

class TQCwindow;
class TQDkeyboard;
class TQDprivateTimer;

class TQCsform : public TQCform {
public:
    TQ_CLASS_FRAME(TQCsform, TQCform, 1010, 1010)
    TQCsform(TQCbase* parent, const char* name);
    // A drag in progress ends here: the shared timer and the ghost bar must
    // not keep a pointer to a form that is gone.
    ~TQCsform() override;

    void onMouseMove(TQCpoint* point) override;
    void onMousePress(TQCpoint* point) override;
    void onMouseRelease(TQCpoint* point) override;
    void onResize(TQCrect* rect) override;
    void onVisibleChange(unsigned char on) override;
    void onParentVisibleChange(unsigned char on) override;
    // A window-less child takes the presses and releases on it; it hands
    // them on, so that a bar is grabbed also where a pane's widget lies.
    void onChildAdded(TQCbase* child) override;
    long _device_initialize() override;
    void update() override;
    long draw() override;
    // The panes place the children; anchors play no part.
    unsigned char adjustAnchor() override { return 0; }
    void _exec_child_adjust_for_anchors() override {}
    void setWorkTQNwidth(unsigned short width) override;
    void setWorkTQNheight(unsigned short height) override;

    TQ_PROPERTY_WORK_HOOK(barThickness, unsigned short)
    TQ_PROPERTY_WORK_HOOK(barValue, char*)
    TQ_PROPERTY_WORK_HOOK(orientation, unsigned char)
    TQ_PROPERTY_WORK_HOOK(marginTop, unsigned char)
    TQ_PROPERTY_WORK_HOOK(marginBottom, unsigned char)
    TQ_PROPERTY_WORK_HOOK(marginLeft, unsigned char)
    TQ_PROPERTY_WORK_HOOK(marginRight, unsigned char)
    TQ_PROPERTY_HOOKS(refreshing, TQCbool)
    TQ_PROPERTY_WORK_HOOK(minimum, unsigned char)
    TQ_PROPERTY_WORK_HOOK(separator, char*)

    // Runs the VALUE_CH procedures.
    virtual void onValueChange();

    // With it on, a shrinking form pulls bars past its end back inside.
    void setAdjustChildren(unsigned char on) { m_adjustChildren = on ? 1 : 0; }
    // A child marked unmanaged keeps its geometry and takes no pane.
    unsigned char getManaged(TQCbase* child);
    // -1 when child is not a child of this form.
    long setManaged(TQCbase* child, unsigned char managed);
    // True while a bar is being dragged.
    unsigned char getStatus() const { return m_dragging; }
    // The parsed bar positions.
    const std::vector<long>& getPositions() const { return m_positions; }

    // Presses and releases handed on by a window-less child.
    static void _child_press(TQCbase* child);
    static void _child_release(TQCbase* child);
    // The ghost bar's timer procedure and the keys that end a drag.
    static void _move_adjust_work(void* form);
    static unsigned char _special_key_handler(void* form, TQDkeyboard* keyboard,
                                              unsigned char press);

private:
    // One axis seen from the bars: the size along them and the margins at
    // their two ends.
    long mainSize() const { return m_orientation ? m_width : m_height; }
    long leadingMargin() const { return m_orientation ? m_marginLeft : m_marginTop; }
    long trailingMargin() const { return m_orientation ? m_marginRight : m_marginBottom; }
    long inset() const { return m_shadowThickness + leadingMargin(); }
    long mainOf(const TQCpoint* point) const { return m_orientation ? point->x : point->y; }

    void _parse_pos(const char* text);
    void ensureParsed();
    void _adjust_pos();
    void rebuildText();
    void _adjust();
    void runLayout();
    void placeChild(TQCbase* child, long start, long end);
    void mainSizeChanged();
    void _get_ext_children(TQClistData& managed);
    long activeBars();
    long barAt(long pointer);
    void showCursor(long pointer);
    void dragTo(long pointer);
    void finishDrag();
    void endGhost();
    void _clear_area();
    static TQDprivateTimer* sharedTimer();
    static TQCwindow*& separatorWindow();

    char* m_barValue = nullptr;
    char* m_separator = nullptr;
    std::vector<long> m_positions;
    unsigned short m_barThickness = 5;
    unsigned short m_dragBar = 0;
    unsigned char m_minimum = 30;
    unsigned char m_marginTop : 4;
    unsigned char m_marginBottom : 4;
    unsigned char m_marginLeft : 4;
    unsigned char m_marginRight : 4;
    unsigned char m_orientation : 1;
    TQCbool m_refreshing : 1;
    unsigned char m_dragging : 1;
    unsigned char m_parsed : 1;
    unsigned char m_notifyChildren : 1;
    unsigned char m_adjustChildren : 1;
    unsigned char m_layoutPending : 1;
    TQ_BIT_FIELD_SLOT(m_marginTop)
    TQ_BIT_FIELD_SLOT(m_marginBottom)
    TQ_BIT_FIELD_SLOT(m_marginLeft)
    TQ_BIT_FIELD_SLOT(m_marginRight)
    TQ_BIT_FIELD_SLOT(m_orientation)
    TQ_BIT_FIELD_SLOT(m_refreshing)
};

void* TQCsform_create(void* parent);
void TQCsform_delete(void* object);

#endif
