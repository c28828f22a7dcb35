// The single-line input field: a framed label whose text is an editable
// UCS-2 buffer with a cursor, a selection, insert or overwrite mode and a
// length limit. It takes keys while it has the focus, blinks its cursor on
// the application timer, drives the keyboard's input method, and can take
// its text from another object or a file.
#ifndef _TQCVIFIELD_H
#define _TQCVIFIELD_H

#include "_TQCvlabel.h"

#include <memory>

class TQDkeyboard;

class TQCvifield : public TQCvlabel {
public:
    TQ_CLASS_FRAME(TQCvifield, TQCvlabel, 1001, 1000)
    TQCvifield(TQCbase* parent, const char* name);
    // Leaves the keyboard, the blink timer, the selection and the focus.
    ~TQCvifield() override;

    // Sources of dataSource.
    enum { SOURCE_NONE = 0, SOURCE_INSTANCE = 1, SOURCE_FILE = 2 };

    // Pointer handling: a press places the cursor and takes the focus, a
    // drag with the first button selects.
    void onMouseMove(TQCpoint* point) override;
    void onMousePress(TQCpoint* point) override;
    void onMouseRelease(TQCpoint* point) override;
    // Hidden while focused, the field gives the focus up.
    void onVisibleChange(unsigned char on) override;
    void onParentVisibleChange(unsigned char on) override;
    void onFocusChange(unsigned char on) override;
    void onWindowFocusChange(unsigned char on) override;
    void onSpecialFocusChange(unsigned char on) override;
    // Losing the copied text collapses the selection.
    void onSelectionChange(unsigned char on) override;
    long _device_initialize() override;
    // The server's text becomes labelString.
    void setData(TQCvariant* value, long mode) override;
    long getDataSourceType() override { return m_dataSource; }
    const char* getDataSourcePropertyName() override;
    // Retries a data-source name not found yet, then the label's update.
    void update() override;
    long draw() override;

    // labelString is a cache of the buffer in the default encoding: a set
    // replaces the buffer, a get rebuilds the cache when needed.
    void setWorkTQNlabelString(char* text) override;
    void getWorkTQNlabelString(char** text) override;
    void setWorkTQNmaxLength(unsigned short length) override;

    TQ_PROPERTY_WORK_HOOK(cursorPos, short)
    TQ_PROPERTY_WORK_HOOK(enableFep, unsigned char)
    TQ_PROPERTY_WORK_HOOK(interCur, unsigned char)
    TQ_PROPERTY_HOOKS(enableFocusMove, unsigned char)
    TQ_FOCUS_NAME_HOOKS
    TQ_PROPERTY_WORK_HOOK(fillSpace, unsigned char)
    TQ_PROPERTY_HOOKS(cursorAdjust, unsigned char)
    TQ_PROPERTY_HOOKS(ifieldSkipMode, unsigned char)
    TQ_PROPERTY_HOOKS(noHatch, unsigned char)
    TQ_PROPERTY_HOOKS(returnKeyFocus, unsigned char)
    TQ_PROPERTY_WORK_HOOK(dataSource, unsigned char)
    TQ_PROPERTY_WORK_HOOK(dataSourceName, char*)
    TQ_PROPERTY_HOOKS(displayOnly, unsigned char)

    // One key event while the field has the focus (a release does
    // nothing): KEY_HOOK, then the edit, cursor move or focus move.
    virtual void _on_key_input(TQDkeyboard* keyboard, unsigned char press);
    // Moves the cursor left (0), right (1), up (3) or down (4): 0, or -1
    // at an edge the focus may move across (enableFocusMove) and for any
    // other direction.
    virtual long _cursor_move(char direction);
    // Shows or hides the cursor, on the blink timer.
    virtual void onCursorBlink();
    // Called before a key is processed; nothing here.
    virtual void onKeyHook(TQDkeyboard* keyboard);
    virtual void onKeyInput(TQDkeyboard* keyboard, unsigned char press);
    // Return pressed activates.
    virtual void onKey(TQDkeyboard* keyboard, unsigned char press);
    // Runs the ACTIVATE procedures.
    virtual void onActivate();
    // Hands the text to the data-source clients, then runs VALUE_CH.
    virtual void onValueChange();

    // The text in UTF-8; "" when empty.
    TQCstring getString();
    // Appends text of the encoding; VALUE_CH follows in any case.
    void addString(const char* text, long encoding);
    // Places cursor and selection at pos: -1 is the end position (maxLength
    // in insert mode, maxLength - 1 in overwrite mode, with the limit on;
    // else 0), the limit caps pos there, below -1 is 0. No repaint. 1.
    long setCurPos(long pos);
    // Selects len characters from pos (a negative len selects backwards)
    // and repaints: 1, or -1, changing nothing, for a range outside the
    // text or the limit.
    long setSelect(long pos, long len);
    // The start of the selection.
    long getSelectedPos();
    // The selected characters in UTF-8.
    TQCstring getSelectedString();
    // Replaces the selection (or inserts at the cursor) with text of the
    // encoding; the repaint follows through the update queue.
    void replaceSelectedString(const char* text, long encoding);
    void deleteSelectedString();
    // Takes text (new[], null for empty) as the buffer; VALUE_CH follows.
    void setBuf(unsigned short* text) { _set_text(text); }
    unsigned short* getBuf() { return m_buf; }
    // Column, line (0) and index of the cursor.
    void _get_cur_pos(long* column, long* line, long* index);
    // Typed text, Backspace, Delete and Insert change nothing while set.
    void setKeyInputDisable(unsigned char on) { m_keyInputDisabled = on ? 1 : 0; }
    unsigned char getKeyInputDisable() const { return m_keyInputDisabled; }
    unsigned char getCursorFore() const { return m_cursorShown; }
    void setCursorFore(unsigned char on) { m_cursorShown = on ? 1 : 0; }
    // Opens (on) or closes the input method by program: -1 with enableFep
    // 0, or without a device when closing; without a device opening waits
    // for the next focus gain. 0.
    long setFepStatus(unsigned char on);
    unsigned char _return_key_ok() const { return m_multiLine; }

    // Keyboard procedures while the field holds the focus and the special
    // focus; field is the TQCvifield.
    static void _key_handler(void* field, TQDkeyboard* keyboard, unsigned char press);
    static unsigned char _special_key_handler(void* field, TQDkeyboard* keyboard,
                                              unsigned char press);
    // The one blink timer of all fields, rate 2: the cursor changes every
    // 500 ms.
    static void _cursor_blink_handler(unsigned char tick, void* field);

protected:
    // Text model.
    void _set_text(unsigned short* text);
    void _update_text();
    void _adjust_max_len();
    // Pads to maxLength blanks with the limit on and fillSpace or
    // overwrite mode; in place, part of the text update.
    void _fill_space();
    // Editing.
    void _replace_string(unsigned short* text);
    void _delete_select_string();
    void _reset_select_string() { m_anchor = m_selEnd = m_cursor; }
    void _set_cur_pos(long p) { m_cursor = m_firstShown + p; }
    void _set_select_pos1(long p) { m_anchor = m_firstShown + p; }
    void _set_select_pos2(long p) { m_selEnd = m_firstShown + p; }
    void _focus_move_for_combo(long direction);
    // The index under a point of the field, relative to the first shown
    // character.
    long _get_absolute_pos(long x, long y);
    // Input method at the cursor.
    void _fep_cursor_adjust(TQDkeyboard* keyboard);
    // Scrolling and the cursor's pixel position (text area included).
    void _adjust_cbase();
    void _get_disp_cur_pos(long* x, long* y);
    // Inside the frame and the margins, in the field's coordinates.
    TQCrect textArea() const;
    // The multi-line view origin that shows the cursor at (cx, cy), a place
    // in the field, 2 pixels inside the text area's edges.
    void viewOriginFor(long cx, long cy, long* x, long* y);

    long m_scrollX = 0;
    long m_scrollY = 0;
    char* m_upward = nullptr;
    char* m_downward = nullptr;
    char* m_leftward = nullptr;
    char* m_rightward = nullptr;
    char* m_return = nullptr;
    char* m_tab = nullptr;
    char* m_backtab = nullptr;
    char* m_dataSourceName = nullptr;
    long m_cursor = 0;
    unsigned short m_firstShown = 0;
    unsigned short* m_buf = nullptr;
    long m_lineCount = -1;
    long m_anchor = 0;
    long m_selEnd = 0;
    unsigned char m_dataSource : 2;
    unsigned char m_enableFep : 4;
    TQCbool m_interCur : 1;
    TQCbool m_enableFocusMove : 1;
    TQCbool m_fillSpace : 1;
    TQCbool m_cursorAdjust : 1;
    unsigned char m_multiLine : 1;
    TQCbool m_ifieldSkipMode : 1;
    unsigned char m_lengthLimit : 1;
    unsigned char m_cursorShown : 1;
    TQCbool m_noHatch : 1;
    unsigned char m_keepScroll : 1;
    unsigned char m_mouseDrag : 1;
    unsigned char m_destroying : 1;
    TQCbool m_returnKeyFocus : 1;
    unsigned char m_keyInputDisabled : 1;
    unsigned char m_fepStartPending : 1;
    TQCbool m_displayOnly : 1;
    unsigned char m_sourcePending : 1;
    unsigned char m_setByProgram : 1;
    TQ_BIT_FIELD_SLOT(m_dataSource)
    TQ_BIT_FIELD_SLOT(m_enableFep)
    TQ_BIT_FIELD_SLOT(m_interCur)
    TQ_BIT_FIELD_SLOT(m_enableFocusMove)
    TQ_BIT_FIELD_SLOT(m_fillSpace)
    TQ_BIT_FIELD_SLOT(m_cursorAdjust)
    TQ_BIT_FIELD_SLOT(m_ifieldSkipMode)
    TQ_BIT_FIELD_SLOT(m_noHatch)
    TQ_BIT_FIELD_SLOT(m_returnKeyFocus)
    TQ_BIT_FIELD_SLOT(m_displayOnly)

private:
    // cursorPos reads the cursor; its set hook places it.
    struct CursorPosSlot {
        typedef short Value;
        static constexpr bool storedByHook = true;
        static const char* typeText() { return "short"; }
        static short read(TQCvifield* f) { return static_cast<short>(f->m_cursor); }
        static void write(TQCvifield*, short) {}
    };
    // The cursor's pixel position, valid while none of what it was
    // measured from has changed.
    struct CursorCache {
        long cursor = -1;
        unsigned short first = 0;
        unsigned short width = 0;
        unsigned short height = 0;
        unsigned char font = 0;
        unsigned char frame = 0;
        unsigned char left = 0;
        unsigned char top = 0;
        long x = 0;
        long y = 0;
    };
    struct Look;

    static void registerProperties(Registrar& r);
    // Text.
    long textLength() const;
    // The cursor as an index into the buffer.
    long cursorIndex() const;
    // maxLength in insert mode, maxLength - 1 in overwrite mode.
    long endPosition() const;
    bool atRightEdge() const;
    bool hasSelection() const { return m_anchor != m_selEnd; }
    void dropLabelCache();
    void replaceLineFeeds();
    void deleteAt(long index);
    // Keys.
    void editByKey(TQDkeyboard* keyboard, long key);
    void moveByArrow(TQDkeyboard* keyboard, char direction);
    void moveToLineEdge(TQDkeyboard* keyboard, bool end);
    void tabKey(TQDkeyboard* keyboard);
    void backspaceKey();
    void deleteKey();
    void insertKey();
    // The text update and the input method after Backspace or Delete.
    void afterDeletion();
    void typeText(TQDkeyboard* keyboard, long key);
    // Ctrl+C: the selection to the clipboard.
    virtual void copySelection(TQDkeyboard* keyboard);
    void paste(TQDkeyboard* keyboard);
    // Gives the focus to the object in the direction; an input field there
    // gets its cursor at position.
    void focusMove(long direction, long position);
    // The field's way of repainting at once: draw, or redraw with
    // blinkRefreshing.
    void repaint();
    // Focus.
    void gainFocus(TQDkeyboard* keyboard, bool windowSide);
    void loseFocus(TQDkeyboard* keyboard, bool windowSide);
    void startBlinking();
    void stopBlinking();
    void screenCursor(short* x, short* y);
    void stopUnfocusedPixmap();
    void keepFocusVisible();
    // Data source.
    void bindSource();
    void bindInstance();
    void readSourceFile();
    // Drawing.
    void drawBackground(TQDdev* dev, const Look& look);
    void drawPicture(TQDdev* dev, const Look& look);
    void drawFrame(TQDdev* dev);
    void drawText(TQDdev* dev, const Look& look);
    // What is handed to the device: a copy of part of the text with tabs
    // as blanks, the cursor and the selection in it.
    struct Shown {
        std::unique_ptr<u16[]> text;
        long cursor = -1;
        long selStart = 0;
        long selEnd = 0;
    };
    Shown shownText(long from, long to, bool withCursor);
    void linesInView(TQDdev* dev, long* y, long* from, long* to);
    void followCursor();

    CursorCache m_cursorCache;
    // The blink timer of the focused field, and that field.
    static long s_blinkTimer;
    static TQCvifield* s_blinkOwner;
};

void* TQCvifield_create(void* parent);
void TQCvifield_delete(void* object);

#endif
