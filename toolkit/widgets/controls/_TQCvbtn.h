// The push button: a framed label that looks pressed while the mouse button,
// Return or its Alt shortcut holds it down and runs its ACTIVATE procedures
// when the press completes. Arrow keys and Tab move the focus on; the
// special-focus button of a form takes Return.
#ifndef _TQCVBTN_H
#define _TQCVBTN_H

#include "_TQClookHook.h"
#include "_TQCvlabel.h"

class TQDkeyboard;

// What an extended look's "TQCvbtn::draw" procedure is handed, by address,
// instead of the button painting itself. The procedure reads the fields in
// this order.
struct TQCvbtnDrawBlock {
    TQClookHead head;
    TQClabelLook label;
    short backBlinkColor;
    short topShadowColor;
    short bottomShadowColor;
    char* labelString;
    char* shortcut;
    short labelPixmap;
    short blinkPixmap;
    short pushPixmap;
    unsigned short pressed;
    long orientation;
    TQClabelMargins margins;
    unsigned char drawFocusBorder;
    unsigned char emboss;
    unsigned char font;
    unsigned char reverseFlag;
    unsigned char enableFocusMove;
    unsigned char noBackground;
    unsigned char pixmapOverlap;
    unsigned char autoLineFeeding;
};

class TQCvbtn : public TQCvlabel {
public:
    TQ_CLASS_FRAME(TQCvbtn, TQCvlabel, 1000, 1000)
    TQ_LOOK_HOOK(TQCvbtn, TQCvbtnDrawBlock)
    TQCvbtn(TQCbase* parent, const char* name);
    // Leaves the Alt-shortcut list and the keyboard, and gives up the
    // focus and the special focus, so that nothing points at it afterwards.
    ~TQCvbtn() override;

    void onMouseIn(TQCpoint* point) override;
    // Leaving the button takes a mouse press back without activating.
    void onMouseOut() override;
    void onMousePress(TQCpoint* point) override;
    // Ends a press that never left the button: drawn raised, then ACTIVATE.
    void onMouseRelease(TQCpoint* point) override;
    void onVisibleChange(unsigned char on) override;
    void onParentVisibleChange(unsigned char on) override;
    // Gaining it installs the Return, arrow and Tab handling and takes the
    // special focus too.
    void onFocusChange(unsigned char on) override;
    void onSpecialFocusChange(unsigned char on) override;
    long _device_initialize() override;
    using TQCbase::addProcedure;
    long addProcedure(TQCprocedure* procedure) override;
    long draw() override;
    // Key events also go to the shortcut; event 2 activates once. An
    // insensitive button takes no release at all.
    long execEventProc(long event, void* data) override;

    TQ_PROPERTY_HOOKS(pushPixmap, short)
    TQ_PROPERTY_HOOKS(enableFocusMove, unsigned char)
    TQ_ARROW_NAME_HOOKS
    TQ_TAB_NAME_HOOKS
    TQ_PROPERTY_HOOKS(pixmapOverlap, unsigned char)
    // The first shortcut puts the button on the application's Alt-shortcut
    // list for good.
    TQ_PROPERTY_WORK_HOOK(shortcut, char*)

    // Runs the ACTIVATE procedures.
    virtual void onActivate();
    // The Alt shortcut: a press of Alt and the shortcut's first character,
    // in either case, activates at once and takes the key.
    virtual void onKey(TQDkeyboard* keyboard, unsigned char press);

    // Neither redraws.
    void setDrawFocusBorder(unsigned char on) { m_drawFocusBorder = on ? 1 : 0; }
    void setNoBackground(unsigned char on) { m_noBackground = on & 1; }

    // Key procedures installed with the keyboard while the button holds the
    // focus and the special focus; button is the TQCvbtn.
    static void _key_handler(void* button, TQDkeyboard* keyboard, unsigned char press);
    static unsigned char _special_key_handler(void* button, TQDkeyboard* keyboard,
                                              unsigned char press);

protected:
    char* m_upward = nullptr;
    char* m_downward = nullptr;
    char* m_leftward = nullptr;
    char* m_rightward = nullptr;
    char* m_tab = nullptr;
    char* m_backtab = nullptr;
    char* m_shortcut = nullptr;
    short m_pushPixmap = -1;
    TQCbool m_enableFocusMove : 1;
    unsigned char m_pressed : 1;
    unsigned char m_drawFocusBorder : 1;
    unsigned char m_mouseIn : 1;
    unsigned char m_noBackground : 1;
    TQCbool m_pixmapOverlap : 1;
    unsigned char m_altRegistered : 1;
    // Set while the destructor runs: losing the focus draws nothing then.
    unsigned char m_closing : 1;
    TQ_BIT_FIELD_SLOT(m_enableFocusMove)
    TQ_BIT_FIELD_SLOT(m_pixmapOverlap)

    bool hasShortcut() const { return m_shortcut != nullptr && m_shortcut[0] != '\0'; }
    // Pressed or released look: the flag, then a whole repaint at once.
    void showPressed(bool on);
    // A release that completes a press: drawn raised, then ACTIVATE.
    void completePress();
    // On losing the keyboard focus: Return no longer presses this button.
    void leaveSpecialFocus();

private:
    struct Look;

    void drawBackground(TQDdev* dev, const Look& look);
    void drawPicture(TQDdev* dev, Look& look);
    void drawFrame(TQDdev* dev, const Look& look);
    void drawLabel(TQDdev* dev, const Look& look);
    void drawFocusMark(TQDdev* dev, const Look& look);
    void moveFocus(long direction);
};

void* TQCvbtn_create(void* parent);
void TQCvbtn_delete(void* object);

#endif
