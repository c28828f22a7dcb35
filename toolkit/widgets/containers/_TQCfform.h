// The floating form: a form with a grip bar (two grooves along its top or
// left edge) that the user tears off into a top-level window of its own,
// moves, resizes from its bottom-right corner and docks back into its
// parent. It behaves as a form in every other way, but its class line names
// TQCbase as its parent: a cast to "TQCform" and lookups of forms by class
// do not take it for one, and it keeps the classic look.
#ifndef _TQCFFORM_H
#define _TQCFFORM_H

#include "_TQCform.h"

class TQCwindow;
class TQDkeyboard;
class TQDprivateTimer;

class TQCfform : public TQCform {
public:
    TQ_CLASS_FRAME(TQCfform, TQCbase, 1010, 1000)
    // Trigger run after every switch between docked and floating.
    enum { TRIGGER_STATUS = 36 };

    TQCfform(TQCbase* parent, const char* name);
    // A drag, resize or switch still waiting for this form ends here: the
    // shared timers, the keyboard and the application timer must not keep
    // a pointer to a form that is gone.
    ~TQCfform() override;

    void onMousePress(TQCpoint* point) override;
    void onMouseMove(TQCpoint* point) override;
    void onMouseRelease(TQCpoint* point) override;
    // The docked form's set-up is the form's; floating, the window is a
    // captionless tool window that stays above the others.
    long _device_initialize() override;
    // A floating form is not placed by its parent.
    void _adjust_for_anchors(unsigned short width, unsigned short height) override;
    // It keeps the classic look: a look change leaves it as it is.
    void onGuiPolicyChange(long) override {}
    bool drawThroughLook(TQDdev*) override { return false; }

    TQ_PROPERTY_HOOKS(titleString, char*)
    void setWorkTQNx(short x) override;
    void setWorkTQNy(short y) override;
    // A size of 0 becomes 1, except where the parent's anchors fit the form
    // exactly between them.
    void setWorkTQNwidth(unsigned short width) override;
    void setWorkTQNheight(unsigned short height) override;
    TQ_PROPERTY_HOOKS(orientation, unsigned char)
    TQ_PROPERTY_HOOKS(indicatorOn, TQCbool)
    TQ_PROPERTY_HOOKS(barThickness, unsigned char)
    TQ_PROPERTY_HOOKS(font, unsigned char)
    TQ_PROPERTY_HOOKS(margin, unsigned char)

    // Runs the STATUS-CH procedures; floating is the new state.
    virtual void onStatusChange(unsigned char floating);

    // Asks for a switch to floating (1) or docked (0) at the next tick of
    // the application timer; ignored while a switch is pending. Asking for
    // the state the form has rebuilds its device all the same.
    void setFloated(unsigned char floating);
    unsigned char getFloated() const { return m_floating; }

    // Timer procedures: the argument is the form.
    static void _move_proc(void* form);
    static void _resize_proc(void* form);
    static void _delay_proc(unsigned char tick, void* form);
    // The switch itself: the descendants' devices dropped, a new device of
    // the state's kind, the form shown again and STATUS-CH run.
    void _set_floated();
    void _detach_dev();
    static void _detach_dev_sub(TQCbase* child);
    // Hands x and y to the device, then reports a pending resize.
    void _update_only_xy();
    // Escape, the system and menu keys, Control and Alt cancel a drag or
    // resize; other keys go on (1).
    static unsigned char _special_key_handler(void* form, TQDkeyboard* keyboard,
                                              unsigned char press);

    // Shared by every floating form, made on first need and kept: the last
    // form to start one owns it.
    static TQDprivateTimer* _move_timer;
    static TQDprivateTimer* _resize_timer;

protected:
    void drawFigure(TQDdev* dev) override;
    bool gridIncludesEdges() const override { return false; }
    bool stretchedByParent(bool horizontal) override;

private:
    void placeAxis(bool horizontal);
    long initializeFloatingDevice(TQDdev* dev);
    bool inGripStrip(const TQCpoint* point) const;
    bool inResizeCorner(const TQCpoint* point) const;
    void startTimer(TQDprivateTimer*& timer, void (*proc)(void*));
    void cancelDrag();
    void releaseSharedState();
    // Sets x and y and hands them to the device.
    void placeAt(long x, long y);
    void drawGripBar(TQDdev* dev);
    void drawResizeGrip(TQDdev* dev);

    char* m_titleString = nullptr;
    short m_pressX = 0;
    short m_pressY = 0;
    // The x and y last set while docked, where docking puts the form back.
    short m_dockX = 100;
    short m_dockY = 100;
    // The pending switch's registration on the application timer.
    long m_switchId = 0;
    unsigned char m_barThickness = 8;
    unsigned char m_margin = 0;
    unsigned char m_font : 4;
    unsigned char m_orientation : 1;
    TQCbool m_indicatorOn : 1;
    unsigned char m_pressed : 1;
    unsigned char m_floating : 1;
    unsigned char m_rememberedVisible : 1;
    unsigned char m_switchPending : 1;
    unsigned char m_resizing : 1;
    unsigned char m_dragStarted : 1;
    unsigned char m_anchorLayout : 1;
    TQ_BIT_FIELD_SLOT(m_font)
    TQ_BIT_FIELD_SLOT(m_orientation)
    TQ_BIT_FIELD_SLOT(m_indicatorOn)
};

// Type server of the class: a floating form made with a parent and no
// name, and initialised; null without a parent.
void* TQCfform_create(void* parent);
void TQCfform_delete(void* object);

// The rubber band that follows a drag: four bars 5 pixels thick, made once
// for the program; the frame's outline at (x, y), w x h on the screen; and
// hiding it, which also lets go of the keys a drag took.
extern TQCwindow* __resize_frame_top;
extern TQCwindow* __resize_frame_left;
extern TQCwindow* __resize_frame_right;
extern TQCwindow* __resize_frame_bottom;
void _create_resize_frame_();
void _move_resize_frame_(long x, long y, unsigned long w, unsigned long h);
void _popdown_resize_frame_();

#endif
