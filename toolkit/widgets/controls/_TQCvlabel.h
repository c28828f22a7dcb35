// The framed label: a window-less rectangle that shows a text and/or a
// picture inside a 3-D frame over a solid or gradated background. Buttons,
// toggles, input fields and list rows are built on it and use its fields,
// its alignment code and its drawing.
#ifndef _TQCVLABEL_H
#define _TQCVLABEL_H

#include "_TQCnwbase.h"
#include "_TQCstring.h"

class TQDkeyboard;

// What the draw block of a control built on the label holds after its head:
// the blink state, the shadow type and the first three colours.
struct TQClabelLook {
    long blinkFlag;
    long blinkPhase;
    long shadowType;  // -1: none
    long blinkType;
    long twinBlink;
    short foreColor;
    short backColor;
    short blinkColor;
};

// The gradation and the margins, which those draw blocks hold further on.
struct TQClabelMargins {
    long gradation;
    long gradationMargin;
    long marginLeft;
    long marginRight;
    long marginTop;
    long marginBottom;
};

class TQCvlabel : public TQCnwbase {
public:
    TQ_CLASS_FRAME(TQCvlabel, TQCnwbase, 1000, 1000)
    TQCvlabel(TQCbase* parent, const char* name);
    // Frees the labelString text.
    ~TQCvlabel() override;

    // Row modes of the class-wide list-row setting.
    enum { ROW_PLAIN = 0, ROW_TREE = 1, ROW_COLUMNS = 2 };

    long _device_initialize() override;
    const char* getDefaultProperty() override { return "labelString"; }
    // Only while queued: a transparent label has its area repainted by
    // what lies beneath, any other label draws itself.
    void update() override;
    long draw() override;

    TQ_PROPERTY_HOOKS(topShadowColor, short)
    TQ_PROPERTY_HOOKS(bottomShadowColor, short)
    TQ_PROPERTY_WORK_HOOK(shadowType, char)
    TQ_PROPERTY_HOOKS(shadowThickness, unsigned char)
    TQ_PROPERTY_HOOKS(backColor, short)
    TQ_PROPERTY_HOOKS(backBlinkColor, short)
    TQ_PROPERTY_HOOKS(reverseFlag, unsigned char)
    TQ_PROPERTY_HOOKS(blinkType, unsigned char)
    TQ_PROPERTY_HOOKS(emboss, unsigned char)
    TQ_PROPERTY_WORK_HOOK(usePixmap, unsigned char)
    TQ_PROPERTY_WORK_HOOK(labelString, char*)
    TQ_PROPERTY_HOOKS(orientation, unsigned char)
    TQ_PROPERTY_HOOKS(alignmentH, unsigned char)
    TQ_PROPERTY_HOOKS(marginTop, unsigned char)
    TQ_PROPERTY_HOOKS(marginBottom, unsigned char)
    TQ_PROPERTY_HOOKS(alignmentV, unsigned char)
    TQ_PROPERTY_HOOKS(marginLeft, unsigned char)
    TQ_PROPERTY_HOOKS(marginRight, unsigned char)
    TQ_PROPERTY_WORK_HOOK(maxLength, unsigned short)
    TQ_PROPERTY_HOOKS(font, unsigned char)
    TQ_PROPERTY_HOOKS(labelPixmap, short)
    TQ_PROPERTY_HOOKS(blinkPixmap, short)
    TQ_PROPERTY_HOOKS(gradation, unsigned char)
    TQ_PROPERTY_HOOKS(gradationMargin, unsigned char)
    TQ_PROPERTY_HOOKS(keepPixmapCache, unsigned char)
    TQ_PROPERTY_HOOKS(autoLineFeeding, unsigned char)

    // The combined alignment code of alignmentH and alignmentV handed to
    // the device's string and image calls: 0 left, 1 right, 2 centre, 3
    // centre-top, 4 centre-bottom, 5 left-top, 6 left-bottom, 7 right-top,
    // 8 right-bottom. Values outside the enumerations count as centre.
    char getAlignment();
    // The text as the label draws it, before escapes are processed.
    TQCstring* getInternalString() { return &m_internalString; }
    // The two steps of the text that every look of the label's controls
    // shares, the extended look's procedures included.
    // The text with every backslash-n made a line break: vertical text
    // (orientation 1) instead has a break after every character; with
    // autoLineFeeding the text is broken for the width W - 2t (W when that
    // leaves nothing). A new string, made from labelString at every call.
    TQCstring* preparedText(unsigned short t);
    // Underlines the first place in the text where the shortcut stands,
    // case aside; nothing for a null or empty shortcut.
    static void underlineShortcut(TQDdev* dev, const TQCstring& text, const char* shortcut);

    // Keys of the row data a list keeps on each of its row labels: the
    // tree depth, the open mark and the mark of its change by the user, the
    // tree-line bits, the mark of the first row, the list of rows, and the
    // selection.
    static const char* const ROW_LEVEL;
    static const char* const ROW_OPEN;
    static const char* const ROW_OPEN_CHANGED;
    static const char* const ROW_STATUS;
    static const char* const ROW_FIRST;
    static const char* const ROW_LIST;
    static const char* const ROW_SELECTED;
    // Bits of ROW_STATUS: deeper rows follow (the row has an expand box);
    // a later shown row of the same level follows (the line runs on).
    enum { ROW_HAS_CHILDREN = 1, ROW_SIBLING_FOLLOWS = 2 };

    // Class-wide list-row settings, one copy for every label: the row
    // mode, the icon flag and the column positions (decimal pixel
    // positions joined by the column separator). Whoever sets them draws,
    // then puts back mode 0, icon 0 and empty positions.
    unsigned char get_vk_draw();
    void set_vk_draw(unsigned char mode);
    unsigned char get_use_icon();
    void set_use_icon(unsigned char on);
    TQCstring get_bar_pos();
    void set_bar_pos(TQCstring positions);

protected:
    // The set-up of a control that asks for events beyond its procedures'
    // triggers: the events, then the label's own set-up. -1 without a
    // device.
    long initializeDeviceWith(long events);
    // The focus move the keyboard's key asks for: the arrows, Tab and
    // Shift+Tab; -1 for any other key.
    static long focusDirectionOf(TQDkeyboard* keyboard);
    // Sends the keyboard's focus keys to the handler and resets the input
    // method on this control's device. Nothing without a keyboard.
    void takeFocusKeys(TQDkeyboard* keyboard,
                       void (*handler)(void* data, TQDkeyboard* keyboard, unsigned char pressed));
    // Where the phase of blinking leaves the fore- and background.
    struct BlinkState {
        bool phase;  // the blink look is due now
        bool fore;   // in the phase, and blinkType blinks the foreground
        bool back;   // in the phase, and blinkType blinks the background
    };
    BlinkState blinkState();
    // Content rectangle inside a frame t pixels thick and the margins; a
    // side that leaves less than one pixel is one pixel.
    TQCrect contentRect(unsigned short t) const;
    // The text colour: _select_fore_color when set, else foreColor.
    short textColor() const { return _select_fore_color != 0 ? _select_fore_color : m_foreColor; }
    // The parts every draw block of a control built on the label has.
    void fillLabelLook(TQClabelLook& b)
    {
        b.blinkFlag = m_blinkFlag;
        b.blinkPhase = getBlinkPhase();
        b.shadowType = m_shadowType;
        b.blinkType = m_blinkType;
        b.twinBlink = m_twinBlink;
        b.foreColor = m_foreColor;
        b.backColor = m_backColor;
        b.blinkColor = m_blinkColor;
    }
    void fillLabelMargins(TQClabelMargins& b)
    {
        b.gradation = m_gradation;
        b.gradationMargin = m_gradationMargin;
        b.marginLeft = m_marginLeft;
        b.marginRight = m_marginRight;
        b.marginTop = m_marginTop;
        b.marginBottom = m_marginBottom;
    }

    // Set by the list rows: the highlight behind the text (0 none) and the
    // colour that replaces foreColor (0 none).
    short _select_back_color = 0;
    short _select_fore_color = 0;
    short m_topShadowColor = -15;
    short m_bottomShadowColor = -16;
    short m_backColor = -13;
    short m_backBlinkColor = -13;
    char* m_labelString = nullptr;
    TQCstring m_internalString;
    short m_labelPixmap = -1;
    short m_blinkPixmap = -1;
    unsigned short m_maxLength = 64;
    unsigned char m_gradationMargin = 0;
    unsigned char m_gradation : 4;
    unsigned char m_marginTop : 4;
    unsigned char m_marginBottom : 4;
    unsigned char m_marginLeft : 4;
    unsigned char m_marginRight : 4;
    unsigned char m_shadowThickness : 4;
    char m_shadowType : 4;
    unsigned char m_font : 4;
    unsigned char m_blinkType : 2;
    TQCbool m_reverseFlag : 1;
    TQCbool m_usePixmap : 1;
    unsigned char m_alignmentV : 3;
    unsigned char m_alignmentH : 2;
    TQCbool m_emboss : 1;
    unsigned char m_orientation : 1;
    TQCbool m_autoLineFeeding : 1;
    // Set once a transparent label changed its look; never cleared.
    unsigned char _transparent_dirty : 1;
    // Set by a list row around its draw while it is the current row with
    // the focus: the highlight gets a dotted frame.
    unsigned char _focus_frame : 1;
    TQ_BIT_FIELD_SLOT(m_gradation)
    TQ_BIT_FIELD_SLOT(m_marginTop)
    TQ_BIT_FIELD_SLOT(m_marginBottom)
    TQ_BIT_FIELD_SLOT(m_marginLeft)
    TQ_BIT_FIELD_SLOT(m_marginRight)
    TQ_BIT_FIELD_SLOT(m_shadowThickness)
    TQ_BIT_FIELD_SLOT(m_shadowType)
    TQ_BIT_FIELD_SLOT(m_font)
    TQ_BIT_FIELD_SLOT(m_blinkType)
    TQ_BIT_FIELD_SLOT(m_reverseFlag)
    TQ_BIT_FIELD_SLOT(m_usePixmap)
    TQ_BIT_FIELD_SLOT(m_alignmentV)
    TQ_BIT_FIELD_SLOT(m_alignmentH)
    TQ_BIT_FIELD_SLOT(m_emboss)
    TQ_BIT_FIELD_SLOT(m_orientation)
    TQ_BIT_FIELD_SLOT(m_autoLineFeeding)

private:
    // The geometry of one drawing, relative to the label's origin.
    struct Layout {
        unsigned short width;
        unsigned short height;
        unsigned short t;        // frame thickness; 0 for a transparent label
        TQCrect content;
        char alignment;
        long textX;              // where the text (column 0 of a row) starts
        long highlightX;         // where the highlight starts
        long pictureX;
        unsigned long pictureWidth;
        char pictureAlignment;
        long depth;              // of a tree row
    };
    void layOut(Layout& l, unsigned short t);
    void rowPositions(Layout& l);
    void drawBackground(TQDdev* dev, const Layout& l, const BlinkState& blink);
    void drawHighlight(TQDdev* dev, const Layout& l);
    void drawPicture(TQDdev* dev, const Layout& l, const BlinkState& blink);
    void drawText(TQDdev* dev, const Layout& l, TQCstring* text, long dx, long dy);
    void drawColumns(TQDdev* dev, const Layout& l, TQCstring* text, long dx, long dy);
    void drawTreeLines(TQDdev* dev, const Layout& l);
    void drawAncestorLines(TQDdev* dev, const Layout& l);
    void drawExpandBox(TQDdev* dev, const Layout& l);
    TQCstring columnSeparator();
};

void* TQCvlabel_create(void* parent);
void TQCvlabel_delete(void* object);

#endif
