// The application's one keyboard: the state of the key being delivered, the
// input-method switches, and the receivers a key is handed to in a fixed
// order (global hook, special focus, Alt to menus, focus, Escape). The
// platform keyboard derives from it, fills in the state for every key
// message and calls executeHandler; it also supplies the input method and
// the clipboard-backed selection, which the base leaves inert.
#ifndef _TQDKEYBOARD_H
#define _TQDKEYBOARD_H

#include "_TQCroot.h"
#include "_TQCstring.h"
#include "_TQDcreateInstance.h"

class TQCbase;
class TQDdev;

class TQDkeyboard : public TQCroot {
public:
    // Codes of getKey(). Below 0x100 a Win32 virtual-key code of a key
    // without a character; a printable character c other than the blank is
    // KEY_CHAR + c. 0 means the key text alone holds the character.
    enum {
        KEY_NONE = 0x00,
        KEY_CANCEL = 0x03,
        KEY_BACKSPACE = 0x08,
        KEY_TAB = 0x09,
        KEY_CLEAR = 0x0C,
        KEY_RETURN = 0x0D,
        KEY_SHIFT = 0x10,
        KEY_CONTROL = 0x11,
        KEY_ALT = 0x12,
        KEY_PAUSE = 0x13,
        KEY_CAPS_LOCK = 0x14,
        KEY_ESCAPE = 0x1B,
        KEY_SPACE = 0x20,
        KEY_PAGE_UP = 0x21,
        KEY_PAGE_DOWN = 0x22,
        KEY_END = 0x23,
        KEY_HOME = 0x24,
        KEY_LEFT = 0x25,
        KEY_UP = 0x26,
        KEY_RIGHT = 0x27,
        KEY_DOWN = 0x28,
        KEY_PRINT = 0x2C,
        KEY_INSERT = 0x2D,
        KEY_DELETE = 0x2E,
        KEY_LEFT_SYSTEM = 0x5B,
        KEY_RIGHT_SYSTEM = 0x5C,
        KEY_MENU = 0x5D,
        KEY_F1 = 0x70,
        KEY_F12 = 0x7B,
        KEY_NUM_LOCK = 0x90,
        KEY_SCROLL_LOCK = 0x91,
        KEY_CHAR = 0x100
    };

    typedef void (*FocusInputWorkProc)(void* data, TQDkeyboard* keyboard, unsigned char pressed);
    typedef void (*FocusReleaseProc)(void* data);
    // 0 consumes the key.
    typedef unsigned char (*SpecialInputWorkProc)(void* data, TQDkeyboard* keyboard,
                                                  unsigned char pressed);
    typedef unsigned char (*GlobalKeyHook)(long key, unsigned char pressed);

    // What the keyboard asks of the layers built on the device layer: the
    // window layer's active top-level window, and the balloon-help window
    // of the controls that shows the input mode. Each layer fills in its
    // part when it starts; a part left null answers "none" (no active
    // window, no mode window).
    struct Links {
        TQCbase* (*activeWindow)();
        TQCbase* (*newBalloonHelp)(TQCbase* parent, const char* name);
        void (*setBalloonString)(TQCbase* balloon, char* text);
    };
    static Links& links();

    TQDkeyboard();
    ~TQDkeyboard() override;
    TQ_ROOT_FRAME(TQDkeyboard, TQCroot)

    // The platform makes its input-method context and empties the
    // selection. 0.
    virtual long initialize();
    // A key of 0 also empties the key text.
    virtual void setKey(long key);
    // Stores the switch (any non-zero value is 1); the platform also applies
    // it to an open input method.
    virtual void setEnableFep(TQDdev* dev, unsigned char enable);

    // The input method is the platform's; the base does nothing and answers
    // 0. The platform answers -1, changing nothing, for a device without a
    // native window. The two trailing shorts are not used.
    // startFep: focus to the device's window, context attached, input method
    // opened when enabled (status 1) or closed (status 2), composition window
    // at (x, y) of the device following its moves, font number font of the
    // font set (else the default font); marks the input method open.
    virtual long startFep(TQDdev* dev, short x, short y, short font, short, short);
    // Focus to the device's window, then resetFep.
    virtual long startAscii(TQDdev* dev, short x, short y, short font, short, short);
    // As startFep, but reopens an input method that resetFep closed in the
    // conversion mode it had; remembers the arguments.
    virtual long setFepPos(TQDdev* dev, short x, short y, short font, short, short);
    // Attaches the context, remembers the conversion mode of an open input
    // method, closes it and marks it closed.
    virtual long resetFep(TQDdev* dev);
    // 1 full-width native with romaji, 2 closed (direct input), 3 full-width
    // katakana, 4 half-width katakana; other values change nothing.
    virtual long setFepStatus(long status);
    // The base keeps the selection here; the platform puts it on the
    // clipboard as plain text in the system encoding ("\n" as "\r\n") and
    // reads it back from there ("" without text on the clipboard).
    virtual void setSelectedString(char* text, long encoding);
    virtual char* getSelectedString(long encoding);

    TQ_CREATE_INSTANCE_FRAME(TQDkeyboard)

    // Hands the current key to the receivers; 1 when one of them consumed
    // it or the focus procedure ran, else 0. The platform calls it only
    // while global key sensitive is 1: for a press after setting pressed,
    // the key (setKey), its text ("" for none) and the modifier and
    // key-class flags; for a release after clearing pressed and the flags of
    // the released key, keeping the key and text of the press.
    unsigned char executeHandler(unsigned char pressed);

    long getKey() const { return key; }
    void setText(char* text, long encoding);
    char* getText(long encoding);
    // Whether the key's text begins with the first character of an Alt
    // shortcut, in either case. An empty shortcut, or a key without text,
    // never matches: otherwise Alt alone would match every such control.
    bool matchesShortcut(const char* shortcut);
    // The first byte of the key's text upper-cased as ASCII (a byte of any
    // other character stays as it is), the form in which menu entries name
    // their shortcuts; 0 for a key without text.
    unsigned char shortcutLetter();
    // Escape, either Windows key, the Applications key, Control, Alt, or a
    // key the platform could not name (-1): the keys that leave a drop-down
    // or a drag without taking anything.
    static bool isCancelKey(long key);
    TQCstring* getTextString() { return &keyText; }

    unsigned char withShift() const { return flags.shift; }
    unsigned char withLock() const { return flags.lock; }
    unsigned char withAlt() const { return flags.alt; }
    unsigned char withCntl() const { return flags.control; }
    unsigned char isCursorKey() const { return flags.cursorKey; }
    unsigned char isFuncKey() const { return flags.functionKey; }
    unsigned char isTtyFunction() const { return flags.ttyFunction; }
    unsigned char getEnableFep() const { return flags.fepEnabled; }
    unsigned char getFepStatus() const { return flags.fepOpen; }
    unsigned char isPressed() const { return flags.pressed; }
    unsigned char getGlobalKeySensitive() const { return flags.globalKeySensitive; }
    unsigned char getKeepFocus() const { return flags.keepFocus; }
    void setWithShift(unsigned char on) { flags.shift = on & 1; }
    void setWithLock(unsigned char on) { flags.lock = on & 1; }
    void setWithAlt(unsigned char on) { flags.alt = on & 1; }
    void setWithCntl(unsigned char on) { flags.control = on & 1; }
    void setIsCursorKey(unsigned char on) { flags.cursorKey = on & 1; }
    void setIsFuncKey(unsigned char on) { flags.functionKey = on & 1; }
    void setIsTtyFunction(unsigned char on) { flags.ttyFunction = on & 1; }
    void setIsPressed(unsigned char on) { flags.pressed = on & 1; }
    void setGlobalKeySensitive(unsigned char on) { flags.globalKeySensitive = on & 1; }
    void setKeepFocus(unsigned char on) { flags.keepFocus = on & 1; }

    // The previous release procedure, if any, hears of its data being
    // replaced; resetting calls no release procedure.
    void setFocusInputWorkProc(FocusInputWorkProc proc, FocusReleaseProc release, void* data,
                               TQCbase* instance);
    void resetFocusInputWorkProc();
    void setSpecialInputWorkProc(SpecialInputWorkProc proc, void* data, TQCbase* instance);
    void resetSpecialInputWorkProc();
    TQCbase* getFocusInstance() const { return focusInstance; }
    TQCbase* getSpecialFocusInstance() const { return specialFocusInstance; }
    void setGlobalKeyHook(GlobalKeyHook hook) { globalKeyHook = hook; }

    // The input-mode window, made on first use and kept for the process.
    void setVisibleModeWindow(unsigned char visible);
    void setPositionModeWindow(short x, short y);
    void setModeString(char* text);
    // Keeps the mode window centred under the pointer while it is dragged
    // with any but the first button.
    static void _mode_win_move(TQCbase* window);

protected:
    // The platform's input method opens and closes.
    void setFepOpen(unsigned char open) { flags.fepOpen = open & 1; }

private:
    TQDkeyboard(const TQDkeyboard&) = delete;
    TQDkeyboard& operator=(const TQDkeyboard&) = delete;

    void guardSpecialFocus(TQCbase* modalClient);
    void guardFocus(TQCbase* modalClient);
    void offerToMenus(unsigned char pressed);
    void closeFocusDialog();
    static TQCbase* modeWindow(bool placeAtOrigin);

    TQCstring selectedString;
    FocusInputWorkProc focusInputWorkProc;
    FocusReleaseProc focusReleaseProc;
    SpecialInputWorkProc specialInputWorkProc;
    GlobalKeyHook globalKeyHook;
    void* focusData;
    void* specialData;
    long key;
    TQCstring keyText;
    // Modifiers, key classes and the input-method switch share one byte,
    // the dispatch and focus switches a second.
    struct Flags {
        unsigned char shift : 1;
        unsigned char lock : 1;
        unsigned char alt : 1;
        unsigned char control : 1;
        unsigned char cursorKey : 1;
        unsigned char functionKey : 1;
        unsigned char ttyFunction : 1;
        unsigned char fepEnabled : 1;
        unsigned char fepOpen : 1;
        unsigned char pressed : 1;
        unsigned char globalKeySensitive : 1;
        unsigned char keepFocus : 1;
    } flags;
    TQCbase* focusInstance;
    TQCbase* specialFocusInstance;
};

// The keyboard, made by the installed factory on first call; null, with a
// message on standard error, while none is installed.
TQDkeyboard* TQGIappKeyboard();

#endif
