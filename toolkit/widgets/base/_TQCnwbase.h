// The base of every widget without a native window ("nwDev"): a rectangle in
// its parent's coordinates that hit-tests the pointer events its parent's
// device offers, makes them relative and keeps its own pointer-inside
// state; it blinks through the blink manager and keeps its anchors.
//
// A subclass draws in draw() (on getowndev(), between beginDraw and
// endDraw, in its parent's coordinates at x, y) and reacts in the on...
// handlers of TQCbase, which receive points relative to the widget.
#ifndef _TQCNWBASE_H
#define _TQCNWBASE_H

#include "_TQCanchored.h"

class TQCnwbase : public TQCbase, public TQCanchored {
public:
    TQ_CLASS_FRAME(TQCnwbase, TQCbase, 1000, 1000)
    TQCnwbase(TQCbase* parent, const char* name);
    // Leaves the blink manager.
    ~TQCnwbase() override;

    // Sets the parent device's cursor to this widget's, unless a later
    // sibling covers the point.
    void onMouseIn(TQCpoint* point) override;
    // Sets the parent device's cursor to that of the sibling now under the
    // pointer, or else to the parent's.
    void onMouseOut() override;
    // Hands the offset pointers to every new child.
    void onChildAdded(TQCbase* child) override;
    long _device_initialize() override;
    // Keeps the anchored distances to a parent of that size; repaints at
    // once when anything moved.
    void _adjust_for_anchors(unsigned short width, unsigned short height) override;
    // The pointers also go to the internal window-less parts.
    void setScaleOffsetPtr(double* p) override;
    void setXOffsetPtr(short* p) override;
    void setYOffsetPtr(short* p) override;
    void update() override;
    // MOUSE_IN and MOUSE_OUT procedures also ask for pointer moves.
    using TQCbase::addProcedure;
    long addProcedure(TQCprocedure* procedure) override;
    // Clears the widget's area without an expose.
    long clear() override;
    // Clears the area and exposes it, or repaints the parent when the
    // parent waits for a full repaint anyway.
    long redraw() override;
    long cdraw() override;
    const char* getUseDevName() override { return "nwDev"; }
    // Events from the parent's device, points in the parent's coordinates:
    // 0 when the widget took the event, -1 when not (moves always -1).
    long execEventProc(long event, void* data) override;

    TQ_IDENTITY_HOOKS
    TQ_PROPERTY_WORK_HOOK(blinkRefreshing, unsigned char)
    TQ_VIS_HOOKS
    TQ_DET_HOOKS
    TQ_PROPERTY_WORK_HOOK(x, short)
    TQ_PROPERTY_WORK_HOOK(y, short)
    TQ_PROPERTY_WORK_HOOK(width, unsigned short)
    TQ_PROPERTY_WORK_HOOK(height, unsigned short)
    TQ_PROPERTY_HOOKS(foreColor, short)
    TQ_PROPERTY_WORK_HOOK(blinkFlag, unsigned char)
    TQ_PROPERTY_HOOKS(twinBlink, unsigned char)
    TQ_PROPERTY_WORK_HOOK(blinkColor, short)
    TQ_PROPERTY_WORK_HOOK(blinkRate, unsigned char)
    TQ_ANCHOR_HOOKS
    TQ_PROPERTY_HOOKS(export, TQCbool)
    TQ_PROPERTY_HOOKS(mouse, unsigned short)

    // Switches that let presses, releases and moves outside the rectangle
    // reach the widget while the mouse is grabbed.
    void setOutSideMousePress(unsigned char on) { m_outsidePress = on ? 1 : 0; }
    void setOutSideMouseRelease(unsigned char on) { m_outsideRelease = on ? 1 : 0; }
    void setOutSideMouseMove(unsigned char on) { m_outsideMove = on ? 1 : 0; }
    unsigned char getOutSideMousePress() const { return m_outsidePress; }
    unsigned char getOutSideMouseRelease() const { return m_outsideRelease; }
    unsigned char getOutSideMouseMove() const { return m_outsideMove; }
    // Set by a press inside, cleared by a release inside.
    void setMouseGrabed(unsigned char on) { m_mouseGrabbed = on ? 1 : 0; }
    unsigned char getMouseGrabed() const { return m_mouseGrabbed; }
    // The topmost of the parent's children (this widget and its siblings)
    // under the point, edges counting when inclusive; null when none.
    TQCbase* _get_child_with_point(TQCpoint* point, unsigned char inclusive);
    unsigned char getBlinkRate() const { return m_blinkRate; }
    // Whether the widget shows its blink look now: blinking is on and the
    // blink service is in the phase of the widget's rate. A rate of 0 never
    // is.
    unsigned char getBlinkPhase();
    unsigned char getBlinkRefresh() const { return m_blinkRefreshing; }

protected:
    // The steps a subclass's drawing begins with, each writing its line to
    // the debug log while that is open, "<className>::draw _<className>:<line>
    // <instance> <state>", line being the caller's.
    // -1 without a device ("dev=NULL"), 0 while hidden ("vis=False"), else 1.
    long drawable(const char* className, int line);
    // Whether there is anything to paint: a whole drawing was asked for, or
    // the device reports the rectangle exposed ("not exposed..").
    bool drawWanted(const char* className, int line);
    // Opens drawing on the rectangle ("not ready.." when the device cannot
    // draw now), then takes the object off the update queue and clears its
    // absolute-draw flag.
    bool openDrawing(const char* className, int line);
    // The steps above for a widget that is not drawn at all in its blink
    // phase unless twinBlink gives it blink colours ("not draw.."): -1
    // without a device, 1 with the drawing open, else 0.
    long openBlinkingDrawing(const char* className, int line);
    // The update of a widget that may be transparent: while it is queued,
    // a transparent one has its area repainted by what lies beneath (its
    // own draw follows from there), any other draws itself.
    void updateDrawing(bool transparent);
    void traceDraw(const char* className, int line, const char* state);
    // Whether the class takes a procedure: its trigger is one of the
    // class's, or it is internal.
    bool acceptsProcedure(TQCprocedure* procedure);
    // Attaches a procedure that needs device events: mask becomes its
    // effective trigger mask and joins the object's event mask, and the
    // device is asked for deviceBits.
    void attachWithEvents(TQCprocedure* procedure, long mask, long deviceBits);
    // addProcedure of a class whose procedures on trigger need the events
    // of mask (attachWithEvents); the others are attached as here. 0, or -1
    // for a procedure the class does not take.
    long addProcedureWithEvents(TQCprocedure* procedure, long trigger, long mask);
    // The object that a focus move in the direction from container reaches
    // takes the focus and is redrawn; nothing when there is none.
    static void moveFocusFrom(TQCbase* container, long direction);

    short m_x = 0;
    short m_y = 0;
    short m_foreColor = -14;
    short m_blinkColor = -13;
    unsigned short m_width = 100;
    unsigned short m_height = 30;
    unsigned short m_mouse = 0;
    // Ticks of the 250 ms application timer.
    unsigned char m_blinkRate : 4;
    TQCbool m_blinkRefreshing : 1;
    TQCbool m_blinkFlag : 1;
    TQCbool m_twinBlink : 1;
    unsigned char m_pointerInside : 1;
    unsigned char m_outsidePress : 1;
    unsigned char m_outsideRelease : 1;
    unsigned char m_outsideMove : 1;
    unsigned char m_mouseGrabbed : 1;
    unsigned char m_layoutGuard : 1;
    TQ_BIT_FIELD_SLOT(m_blinkRate)
    TQ_BIT_FIELD_SLOT(m_blinkRefreshing)
    TQ_BIT_FIELD_SLOT(m_blinkFlag)
    TQ_BIT_FIELD_SLOT(m_twinBlink)

private:
    void rejoinBlink();
    long exposeEvent(TQCrect* area);
    long pointerEvent(long event, TQCpoint* point);
    long outsideEvent(long event, TQCpoint* relative);
    void leavePointer();
    void anchorPosition(bool horizontal);
    void anchorSize(bool horizontal);
    void anchorSwitched(TQCbool on);
    void layoutAxis(bool horizontal, unsigned short parentSize, bool& changed);
    void changeGeometry(const char* name, long value, bool& changed);
    template <class Pointer>
    void passToInternalParts(void (TQCbase::*set)(Pointer*), Pointer* p);
};

// Type server of the class: a widget made with a parent and no name, and
// initialised; null without a parent.
void* TQCnwbase_create(void* parent);
void TQCnwbase_delete(void* object);

#endif
