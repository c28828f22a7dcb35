// The scrolled form: a form whose work area of workWidth x workHeight may be
// larger than the form. Its children live in the work area, shown through an
// inner scroll frame (part "-scr") that a horizontal and a vertical scroll
// bar ("-hscr", "-vscr") move; the wheel and the program move it too.
#ifndef _TQCSCRFORM_H
#define _TQCSCRFORM_H

#include "_TQCform.h"

class TQCscrBarClassChoice;
class TQCscrFrame;
class TQCvscrBar;

// What the extended look's procedure ("TQCscrForm::draw") is handed, in
// this order.
struct TQCscrFormDrawBlock {
    TQClookHead head;
    short foreColor;
    short backColor;
    short topShadowColor;
    short bottomShadowColor;
    short workBackColor;
    short backPixmap;  // -1: none
    long shadowType;
    unsigned short gradation;
    unsigned short gradationMargin;
    unsigned short barThickness;
    unsigned char margin;
    unsigned char titleHeight;
    unsigned char frame;
    unsigned char vbarShown;
    unsigned char hbarShown;
};

// The hooks of a property whose change lays the bars out again.
#define TQ_LAYOUT_HOOKS(prop, Type)                                              \
    virtual void setWorkTQN##prop(Type) { relayOut(); }                          \
    virtual void getWorkTQN##prop(Type*) {}

class TQCscrForm : public TQCform {
public:
    TQ_CLASS_FRAME(TQCscrForm, TQCform, 1001, 1010)
    TQ_LOOK_HOOK(TQCscrForm, TQCscrFormDrawBlock)
    TQCscrForm(TQCbase* parent, const char* name);

    // Triggers of the view's pointer events.
    enum {
        TRIGGER_SCR_MOUSE_PRESS = 44,
        TRIGGER_SCR_MOUSE_RELEASE = 45,
        TRIGGER_SCR_MOUSE_MOVE = 46,
        TRIGGER_SCR_MOUSE_DCLICK = 51
    };

    // Makes the frame and the two bars, named after the form.
    long initialize() override;
    long getObjectType() override
    {
        return OBJECT_CONTAINER | OBJECT_NATIVE_WINDOW | OBJECT_SCROLLED;
    }
    long _device_initialize() override;
    // The wheel moves the vertical bar by pageIncrement; any other button
    // takes the pointer.
    void onMousePress(TQCpoint* point) override;
    void onVisibleChange(unsigned char on) override;
    void onParentVisibleChange(unsigned char on) override;
    void onChildAdded(TQCbase* child) override;
    long setPropertyEditMode(unsigned char on) override;
    void update() override;
    long draw() override;
    long clear() override;
    long redraw() override;
    long cdraw() override;
    // Children anchor to the work area, not to the form.
    void _exec_child_adjust_for_anchors() override;

    TQ_PROPERTY_WORK_HOOK(shadowThickness, unsigned char)
    TQ_PROPERTY_WORK_HOOK(foreColor, short)
    TQ_PROPERTY_WORK_HOOK(backColor, short)
    TQ_PROPERTY_WORK_HOOK(topShadowColor, short)
    TQ_PROPERTY_WORK_HOOK(bottomShadowColor, short)
    TQ_PROPERTY_WORK_HOOK(pixmapStyle, unsigned char)

    TQ_PROPERTY_WORK_HOOK(workWidth, unsigned short)
    TQ_PROPERTY_WORK_HOOK(workHeight, unsigned short)
    TQ_PROPERTY_WORK_HOOK(hbarValue, unsigned short)
    TQ_PROPERTY_WORK_HOOK(vbarValue, unsigned short)
    TQ_PROPERTY_WORK_HOOK(increment, unsigned short)
    TQ_PROPERTY_WORK_HOOK(pageIncrement, unsigned short)
    TQ_PROPERTY_WORK_HOOK(workBackColor, short)
    TQ_LAYOUT_HOOKS(barThickness, unsigned short)
    TQ_PROPERTY_WORK_HOOK(barShadowColor, short)
    TQ_LAYOUT_HOOKS(hbarVisible, TQCbool)
    TQ_LAYOUT_HOOKS(vbarVisible, TQCbool)
    TQ_PROPERTY_HOOKS(scrollWidth, unsigned short)
    TQ_PROPERTY_HOOKS(scrollHeight, unsigned short)
    TQ_LAYOUT_HOOKS(margin, unsigned char)
    TQ_PROPERTY_WORK_HOOK(virtualScroll, TQCbool)
    TQ_PROPERTY_HOOKS(frame, TQCbool)

    // Ranges and places both bars.
    virtual void _adjust();
    // Called instead of moving the view when a bar moves in no-scroll mode.
    virtual void _adjust_no_scroll() {}
    virtual void onActivate();
    virtual void onValueChange();
    // Pointer events in the view, relative to the frame.
    virtual void onScrMousePress(TQCpoint* point);
    virtual void onScrMouseRelease(TQCpoint* point);
    virtual void onScrMouseMove(TQCpoint* point);
    virtual void onScrMouseDoubleClick(TQCpoint* point);

    TQCscrFrame* getScrFrame() const { return m_frame; }
    TQCvscrBar* getHScrBar() const { return m_hbar; }
    TQCvscrBar* getVScrBar() const { return m_vbar; }
    unsigned short getVisibleWidth() const { return m_visibleWidth; }
    unsigned short getVisibleHeight() const { return m_visibleHeight; }
    unsigned short getWorkWidth() const { return m_workWidth; }
    unsigned short getWorkHeight() const { return m_workHeight; }
    unsigned short getHbarValue() const { return m_hbarValue; }
    unsigned short getVbarValue() const { return m_vbarValue; }
    short getWorkBackColor() const { return m_workBackColor; }
    unsigned char getNoScroll() const { return m_noScroll; }

    // The class of the bars of forms made from now on; null: "TQCvbscrBar".
    static void setUseScrBarClass(const char* className);
    static const char* getUseScrBarClass();

    // Places and sizes the view and records the visible size.
    void _adjust_scr_area();
    void _redraw_scr();
    // Every child container but the frame is redrawn whole.
    void _adjust_children();
    // No-scroll mode: a bar move leaves the view where it is and calls
    // _adjust_no_scroll().
    void _set_no_scroll(unsigned char on);
    unsigned char _get_hbar_visible();
    unsigned char _get_vbar_visible();

    // Internal procedures: the bars' VALUE_CH and ACTIVATE, the frame's
    // pointer events.
    static void _h_scr_work_op(TQCbase* bar);
    static void _v_scr_work_op(TQCbase* bar);
    static void _ha_scr_work_op(TQCbase* bar);
    static void _va_scr_work_op(TQCbase* bar);
    static void _scr_mouse_press(TQCbase* frame);
    static void _scr_mouse_release(TQCbase* frame);
    static void _scr_mouse_move(TQCbase* frame);
    static void _scr_mouse_dclick(TQCbase* frame);
    // GUI_POLICY: the whole form is redrawn, frame included, since a look
    // may frame it otherwise.
    static void _look_changed(TQCbase* form);

protected:
    // The title band between the top shadow and the view; 0 here.
    void setTitleBand(unsigned char height) { m_titleBand = height & 0x1F; }
    unsigned char getTitleBand() const { return m_titleBand; }
    // Sets the work height without its hook.
    void setWorkHeightField(unsigned short height) { m_workHeight = height; }
    // The view height the last layout gave the vertical bar as its slider.
    unsigned short getRangedViewHeight() const { return m_lastVSlider; }
    // The next layout places both bars again.
    void forgetBarPlaces()
    {
        m_lastVBarX = 0xFFFF;
        m_lastHBarY = 0xFFFF;
    }

private:
    static TQCscrBarClassChoice& scrBarClass();
    // _adjust() once the parts exist.
    void relayOut();

    // One axis of the form, horizontal or vertical, as the bar procedures,
    // the offset hooks and the work-size hooks see it.
    struct Axis;
    Axis axis(bool horizontal);
    static TQCscrForm* formOf(TQCbase* part);
    static void barMoved(TQCbase* bar, bool horizontal);
    void scrollTo(bool horizontal, unsigned short value);
    void workSizeChanged(bool horizontal, unsigned short size);

    TQCvscrBar* makeBar(const char* suffix, unsigned char orientation, const char* valueOp,
                        TQCprocedureFunction value, const char* activateOp,
                        TQCprocedureFunction activate);
    void addFrameProcedure(const char* name, long trigger, const char* function,
                           TQCprocedureFunction proc);
    void toBothBars(const char* property, long value);
    void placeHBar(long s, long mPrime);
    void placeVBar(long s, long mPrime);
    void rangeBars();
    void giveOffsetPointers(bool on, bool onlyNew);
    void takeMouseFocus();
    void wheel(bool down);
    // The room the bars take beside and below the view: 0 where a bar is
    // hidden.
    long barGap(bool shown);
    void paint(TQDdev* dev, long policy, long vg, long hg);
    long lookPolicy();
    long marginInLook();

    TQCscrFrame* m_frame = nullptr;
    TQCvscrBar* m_hbar = nullptr;
    TQCvscrBar* m_vbar = nullptr;
    unsigned short m_visibleWidth = 0;
    unsigned short m_visibleHeight = 0;
    unsigned short m_lastVSlider = 0;
    unsigned short m_lastHSlider = 0;
    unsigned short m_lastVMaximum = 0;
    unsigned short m_lastHMaximum = 0;
    unsigned short m_lastVBarX = 0xFFFF;
    unsigned short m_lastHBarY = 0xFFFF;
    unsigned short m_lastVBarWidth = 0xFFFF;
    unsigned short m_lastVBarHeight = 0xFFFF;
    unsigned short m_lastHBarWidth = 0xFFFF;
    unsigned short m_lastHBarHeight = 0xFFFF;
    unsigned short m_workWidth = 1000;
    unsigned short m_workHeight = 1000;
    unsigned short m_hbarValue = 0;
    unsigned short m_vbarValue = 0;
    unsigned short m_increment = 10;
    unsigned short m_pageIncrement = 100;
    unsigned short m_scrollWidth = 30;
    unsigned short m_scrollHeight = 30;
    unsigned short m_barThickness = 16;
    short m_barShadowColor = -12;
    short m_workBackColor = -11;
    // The negated hbarValue and vbarValue, which children point at in
    // virtual-scroll mode.
    short m_xOffset = 0;
    short m_yOffset = 0;
    unsigned char m_margin : 3;
    unsigned char m_titleBand : 5;
    TQCbool m_hbarVisible : 1;
    TQCbool m_vbarVisible : 1;
    TQCbool m_virtualScroll : 1;
    TQCbool m_frameFlag : 1;
    unsigned char m_noScroll : 1;
    unsigned char m_reanchor : 1;
    TQ_BIT_FIELD_SLOT(m_margin)
    TQ_BIT_FIELD_SLOT(m_hbarVisible)
    TQ_BIT_FIELD_SLOT(m_vbarVisible)
    TQ_BIT_FIELD_SLOT(m_virtualScroll)
    TQ_BIT_FIELD_SLOT(m_frameFlag)
};

void* TQCscrForm_create(void* parent);
void TQCscrForm_delete(void* object);

#endif
