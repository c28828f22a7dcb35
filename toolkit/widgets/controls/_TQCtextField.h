// The text field: a scrollable multi-line viewer and editor. It owns no text
// of its own but four internal parts named after it: an inner form
// ("-form") framing a multi-line input field ("-ifd") that holds, edits and
// draws the text, and a horizontal and a vertical scroll bar ("-hscr",
// "-vscr") kept in step with the text's scroll offsets, the view and the
// wheel. The parts' key, mouse, value and focus events reach the text
// field's own triggers.
#ifndef _TQCTEXTFIELD_H
#define _TQCTEXTFIELD_H

#include "_TQCform.h"
#include "_TQCstring.h"
#include "_TQCvscrBar.h"

class TQCvmifield;
class TQDkeyboard;

class TQCtextField : public TQCform {
public:
    TQ_CLASS_FRAME(TQCtextField, TQCform, 1002, 1010)
    TQCtextField(TQCbase* parent, const char* name);
    // Leaves the mouse service; the form deletes the parts.
    ~TQCtextField() override;

    // Named triggers: the inner form's pointer events and the input
    // field's focus change.
    enum {
        TRIGGER_SCR_MOUSE_PRESS = 44,
        TRIGGER_SCR_MOUSE_RELEASE = 45,
        TRIGGER_SCR_MOUSE_MOVE = 46,
        TRIGGER_SCR_FOCUS_CH = 57
    };

    // Makes the parts, hands them the geometry and colours stored so far,
    // lays them out and ranges the bars.
    long initialize() override;
    // A wheel notch scrolls the text by 30 pixels.
    void onMousePress(TQCpoint* point) override;
    // Shown, the text field takes the wheel.
    void onVisibleChange(unsigned char on) override;
    void onParentVisibleChange(unsigned char on) override;
    // A focus gained goes on to the input field.
    void onFocusChange(unsigned char on) override;
    const char* getDefaultProperty() override { return "labelString"; }
    // Brings the bars up to the text's scroll offsets, then repaints.
    void update() override;
    long draw() override;
    // The input field answers for the properties the text field lacks,
    // its text above all.
    TQCbase* getPropertyInheritChild() override;

    void setWorkTQNwidth(unsigned short width) override;
    void setWorkTQNheight(unsigned short height) override;
    void setWorkTQNshadowThickness(unsigned char thickness) override;
    void setWorkTQNforeColor(short color) override;
    void setWorkTQNbackColor(short color) override;
    void setWorkTQNtopShadowColor(short color) override;
    void setWorkTQNbottomShadowColor(short color) override;

    TQ_PROPERTY_WORK_HOOK(workBackColor, short)
    TQ_PROPERTY_WORK_HOOK(barThickness, unsigned short)
    TQ_PROPERTY_WORK_HOOK(barShadowColor, short)
    TQ_PROPERTY_HOOKS(margin, unsigned char)
    TQ_PROPERTY_WORK_HOOK(enableInput, TQCbool)
    TQ_PROPERTY_OWN_HOOKS(vbarValue, unsigned long)
    TQ_PROPERTY_OWN_HOOKS(hbarValue, unsigned long)
    TQ_PROPERTY_WORK_HOOK(font, unsigned char)
    TQ_PROPERTY_WORK_HOOK(hbarVisible, TQCbool)
    TQ_PROPERTY_WORK_HOOK(vbarVisible, TQCbool)

    // Places and sizes the parts by the look; nothing before initialize.
    virtual void _adjust();
    // Each runs the trigger of its name on the text field.
    virtual void onActivate();
    // Hands the text to the data-source clients first.
    virtual void onValueChange();
    // KEY_PRESS when press is 1, else KEY_RELEASE.
    virtual void onKey(TQDkeyboard* keyboard, unsigned char press);
    virtual void onKeyHook(TQDkeyboard* keyboard);
    // Pointer events of the inner form, relative to it.
    virtual void onScrMousePress(TQCpoint* point);
    virtual void onScrMouseRelease(TQCpoint* point);
    virtual void onScrMouseMove(TQCpoint* point);
    virtual void onScrFocusChange(unsigned char on);

    TQCvmifield* getTextFrame() const { return m_textFrame; }
    TQCvscrBar* getHScrBar() const { return m_hbar; }
    TQCvscrBar* getVScrBar() const { return m_vbar; }

    // The vertical bar's range, both bars' values and the vertical slider
    // from the text and the view.
    void _scr_adjust();
    // "H" in the field's font, measured on first need (0 without a font).
    long _get_font_width();
    long _get_font_height();

    // Lines: line i starts lh * i pixels down, lh being the height of "H"
    // (1 when no font measures it).
    long getLines();
    long getTopLine();
    // Line n at the top; n < 0 the last page. 0.
    long setTopLine(long n);
    // The last line the view shows, at most the line count.
    long getBottomLine();
    // The view ends at line n; n < 0 or past the end: the end. 0.
    long setBottomLine(long n);

    // The text, kept by the input field.
    void addString(const char* text, long encoding);
    unsigned short* getBuf();
    TQCstring getString();
    long setSelect(long pos, long len);
    long getSelectedPos();
    TQCstring getSelectedString();
    void replaceSelectedString(const char* text, long encoding);
    void deleteSelectedString();

    // The class of the bars of text fields made from now on; null:
    // "TQCvbscrBar". A class that is no scroll bar gives a TQCvscrBar.
    static void setUseScrBarClass(const char* className);
    static const char* getUseScrBarClass();

    // Internal procedures, each given the part its trigger ran on.
    static void _h_scr_work_op(TQCbase* bar);
    static void _v_scr_work_op(TQCbase* bar);
    static void _ha_scr_work_op(TQCbase* bar);
    static void _va_scr_work_op(TQCbase* bar);
    static void _valuech_work(TQCbase* field);
    static void _keypress_work(TQCbase* field);
    static void _keyrelease_work(TQCbase* field);
    static void _keyhook_work(TQCbase* field);
    static void _focus_ch_work(TQCbase* field);
    static void _scr_mouse_press(TQCbase* form);
    static void _scr_mouse_release(TQCbase* form);
    static void _scr_mouse_move(TQCbase* form);

private:
    // The input field's user data that names its text field.
    static constexpr const char* kOwnerKey = "CBASE";

    // Parts.
    void makeInnerForm();
    void makeTextFrame();
    TQCvscrBar* makeBar(const char* suffix, unsigned char orientation,
                        const TQCvscrBar::PartProcedures& procedures);
    void toBars(const char* property, long value);
    void relayOut();
    void placeBars();
    void shownAgain(unsigned char on);
    // Measures.
    long lookPolicy();
    long effectiveMargin();
    // The view's height V and width U, 1 when the parts do not fit.
    unsigned long viewHeight();
    unsigned long viewWidth();
    long lineHeight();
    void measureFont();
    bool frameExposed(TQDdev* dev);
    // Scrolling.
    void textOffsets(long* x, long* y);
    void scrollText(long x, long y);
    // The bars follow the text when its offsets moved since last recorded.
    void followText();
    void recordOffsets();
    static TQCtextField* ownerOf(TQCbase* part);
    static TQCtextField* ownerOfField(TQCbase* field);
    static void barMoved(TQCbase* bar, bool horizontal);
    static void passPointer(TQCbase* form, void (TQCtextField::*handler)(TQCpoint*));
    void takeWheel();

    TQCvmifield* m_textFrame = nullptr;
    TQCvscrBar* m_hbar = nullptr;
    TQCvscrBar* m_vbar = nullptr;
    TQCform* m_innerForm = nullptr;
    unsigned short m_barThickness = 16;
    short m_barShadowColor = -12;
    short m_workBackColor = -11;
    unsigned long m_vbarValue = 0;
    unsigned long m_hbarValue = 0;
    // The width and height of "H", 0 until measured; wider than the font
    // numbers, so that a tall font keeps its height.
    long m_fontWidth = 0;
    long m_fontHeight = 0;
    unsigned char m_margin : 3;
    TQCbool m_enableInput : 1;
    unsigned char m_font : 4;
    TQCbool m_hbarVisible : 1;
    TQCbool m_vbarVisible : 1;
    unsigned char m_adjusting : 1;
    TQ_BIT_FIELD_SLOT(m_margin)
    TQ_BIT_FIELD_SLOT(m_enableInput)
    TQ_BIT_FIELD_SLOT(m_font)
    TQ_BIT_FIELD_SLOT(m_hbarVisible)
    TQ_BIT_FIELD_SLOT(m_vbarVisible)
};

void* TQCtextField_create(void* parent);
void TQCtextField_delete(void* object);

#endif
