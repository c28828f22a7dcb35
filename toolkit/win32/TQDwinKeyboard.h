// The keyboard on Win32: key messages turned into the toolkit's key code,
// key text and modifier flags and handed to the keyboard's receivers; the
// input method of the input fields; the selection carried on the clipboard.
#ifndef TQDWINKEYBOARD_H
#define TQDWINKEYBOARD_H

#include "_TQDkeyboard.h"

// MSG, HWND and HIMC, declared without the Win32 headers.
struct tagMSG;
struct HWND__;
struct HIMC__;

class TQDwinKeyboard : public TQDkeyboard {
public:
    // Makes the input context (initialize runs here).
    TQDwinKeyboard();
    // Detaches the context from its window and destroys it.
    ~TQDwinKeyboard() override;
    TQ_ROOT_FRAME(TQDwinKeyboard, TQDkeyboard)

    long initialize() override;
    // Turning input-method input off also closes the input method.
    void setEnableFep(TQDdev* dev, unsigned char enable) override;
    long startFep(TQDdev* dev, short x, short y, short font, short, short) override;
    long startAscii(TQDdev* dev, short x, short y, short font, short, short) override;
    long setFepPos(TQDdev* dev, short x, short y, short font, short, short) override;
    long resetFep(TQDdev* dev) override;
    long setFepStatus(long status) override;
    void setSelectedString(char* text, long encoding) override;
    char* getSelectedString(long encoding) override;

    // One key message of the window procedure (message, wParam and lParam;
    // the window is not read). False when the key was consumed, true when
    // the window procedure should go on with the message.
    bool _dispatch_key(tagMSG* msg);
    // The window the input method's context belongs to.
    void setHwnd(HWND__* window);
    // Follows a change of the input method's open status.
    void updateFepStatus();
    // A device that moves while a composition runs ends the composition.
    static void _device_move_handler(TQDdev* dev, void* keyboard);

private:
    bool dispatchChar(tagMSG* msg);
    bool dispatchKeyDown(unsigned long vk);
    bool dispatchSysKeyDown(unsigned long vk);
    bool dispatchKeyUp(tagMSG* msg);
    bool deliverPress(unsigned long vk);
    bool isLeadByte(unsigned char c) const;
    void setKeyBytes(const char* bytes);

    void makeContext();
    HWND__* attachTo(TQDdev* dev);
    void openWithModes(unsigned long conversion, unsigned long sentence);
    void closeWithModes();
    void placeComposition(TQDdev* dev, short x, short y, short font);

    HIMC__* m_context;
    HWND__* m_window;
    short m_compositionFont;
    unsigned char m_reopen;
    char m_keyBytes[3];
    unsigned long m_leadPending;
    unsigned long m_savedSentence;
};

TQDkeyboard* _winKeyboard_create_handler();
void TQGFinitializeWinKeyboard();
// The application's keyboard as the Win32 keyboard; null when it is not one.
TQDwinKeyboard* TQGIwinKeyboard();

#endif
