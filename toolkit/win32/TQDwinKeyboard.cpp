// The keyboard on Win32: key dispatch, input method and clipboard.
#include "TQDwinKeyboard.h"

#include "TQGFwinAppWindow.h"
#include "TQGFwinSystemText.h"
#include "TQwin32.h"
#include "_TQCfontSet.h"
#include "_TQDdev.h"
#include "_TQDfont.h"

#include <imm.h>

#include <string>

namespace {

// Conversion and sentence modes of the input method's states.
const DWORD kNativeFullRoman = 0x19;
const DWORD kClosedConversion = 0x10;
const DWORD kFullKatakana = 0x0B;
const DWORD kHalfKatakana = 0x03;
const DWORD kSentence = 8;

// Where the last setFepPos placed the composition, to place it again when
// the input method eats a key.
struct FepPlace {
    bool known;
    TQDdev* dev;
    short x;
    short y;
    short font;
    short extra1;
    short extra2;
};
FepPlace g_lastFepPlace = {false, nullptr, 0, 0, 0, 0, 0};

bool keyDown(int vk)
{
    return (GetKeyState(vk) & 0x8000) != 0;
}

bool capsLockOn()
{
    return (GetKeyState(VK_CAPITAL) & 1) != 0;
}

bool isPunctuation(unsigned long c)
{
    return (c >= 0x21 && c <= 0x2F) || (c >= 0x3A && c <= 0x40) || (c >= 0x5B && c <= 0x60) ||
           (c >= 0x7B && c <= 0x7E);
}

bool isDigit(unsigned long c)
{
    return c >= '0' && c <= '9';
}

bool isLetter(unsigned long c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The toolkit's code of a character: 0x100 + its code for punctuation,
// digits and letters, the blank as itself, 0 for anything else.
long characterKey(unsigned long c)
{
    if (c == ' ')
        return TQDkeyboard::KEY_SPACE;
    if (isPunctuation(c) || isDigit(c) || isLetter(c))
        return static_cast<long>(TQDkeyboard::KEY_CHAR + c);
    return 0;
}

// Keys without a character, delivered with their virtual-key code; the
// Windows keys count only without Ctrl.
bool isSpecialKey(unsigned long vk, bool withCtrl)
{
    switch (vk) {
    case VK_BACK: case VK_RETURN: case VK_SHIFT: case VK_MENU: case VK_APPS:
    case VK_ESCAPE: case VK_INSERT: case VK_DELETE: case VK_TAB: case VK_CANCEL:
    case VK_PRIOR: case VK_CLEAR: case VK_NEXT: case VK_END: case VK_HOME:
    case VK_PAUSE: case VK_CAPITAL: case VK_NUMLOCK: case VK_SCROLL: case VK_SNAPSHOT:
        return true;
    case VK_LWIN: case VK_RWIN:
        return !withCtrl;
    default:
        return (vk >= VK_LEFT && vk <= VK_DOWN) || (vk >= VK_F1 && vk <= VK_F12);
    }
}

bool isCursorVk(unsigned long vk)
{
    return vk >= VK_PRIOR && vk <= VK_DOWN;
}

bool isFunctionKey(unsigned long vk)
{
    return vk >= VK_F1 && vk <= VK_F12;
}

bool isInsertOrDelete(unsigned long vk)
{
    return vk == VK_INSERT || vk == VK_DELETE;
}

// Ctrl with a letter gives the letter in the case typing it would give.
long controlKey(unsigned long vk)
{
    if (isSpecialKey(vk, true))
        return static_cast<long>(vk);
    if (isPunctuation(vk) || isDigit(vk))
        return static_cast<long>(TQDkeyboard::KEY_CHAR + vk);
    if (vk >= 'A' && vk <= 'Z') {
        bool upper = keyDown(VK_SHIFT) != capsLockOn();
        return static_cast<long>(TQDkeyboard::KEY_CHAR + (upper ? vk : vk - 'A' + 'a'));
    }
    return static_cast<long>(vk);
}

// Built anew in one pass: replacing in place would move the rest of the
// text at every line of a large clipboard text.
std::string replaced(const std::string& text, const std::string& from, const std::string& to)
{
    std::string out;
    out.reserve(text.size());
    size_t done = 0;
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, done)) {
        out.append(text, done, at - done).append(to);
        done = at + from.size();
    }
    return out.append(text, done, std::string::npos);
}


} // namespace

TQDwinKeyboard::TQDwinKeyboard()
    : m_context(nullptr), m_window(nullptr), m_compositionFont(-1), m_reopen(0),
      m_keyBytes{0, 0, 0}, m_leadPending(0), m_savedSentence(0)
{
    TQDwinKeyboard::initialize();
}

TQDwinKeyboard::~TQDwinKeyboard()
{
    if (m_context != nullptr) {
        if (m_window != nullptr)
            ImmAssociateContext(m_window, nullptr);
        ImmDestroyContext(m_context);
    }
}

long TQDwinKeyboard::initialize()
{
    makeContext();
    TQDkeyboard::setSelectedString(const_cast<char*>(""), -2);
    return 0;
}

void TQDwinKeyboard::makeContext()
{
    if (m_context == nullptr)
        m_context = ImmCreateContext();
}

// ---------------------------------------------------------------------------
// Key dispatch

bool TQDwinKeyboard::_dispatch_key(MSG* msg)
{
    if (!getGlobalKeySensitive())
        return false;
    unsigned long vk = static_cast<unsigned long>(msg->wParam);
    switch (msg->message) {
    case WM_KEYDOWN:
        if (vk == VK_PROCESSKEY) {
            long encoding = TQGFwinSystemEncoding();
            if ((encoding == 30 || encoding == 40) && g_lastFepPlace.known)
                setFepPos(g_lastFepPlace.dev, g_lastFepPlace.x, g_lastFepPlace.y,
                          g_lastFepPlace.font, g_lastFepPlace.extra1, g_lastFepPlace.extra2);
            return false;
        }
        return dispatchKeyDown(vk);
    case WM_CHAR:
    case WM_SYSCHAR:
        return dispatchChar(msg);
    case WM_SYSKEYDOWN:
        return dispatchSysKeyDown(vk);
    case WM_KEYUP:
    case WM_SYSKEYUP:
        return dispatchKeyUp(msg);
    default:
        return true;
    }
}

bool TQDwinKeyboard::isLeadByte(unsigned char c) const
{
    switch (TQGFwinSystemEncoding()) {
    case 21:
        return (c >= 0x80 && c <= 0x9F) || c >= 0xE0;
    case 30:
    case 40:
        return c >= 0x80 && c <= 0xFE;
    default:
        return false;
    }
}

// The key text comes in the system encoding.
void TQDwinKeyboard::setKeyBytes(const char* bytes)
{
    setText(const_cast<char*>(bytes), TQGFwinSystemEncoding());
}

bool TQDwinKeyboard::dispatchChar(MSG* msg)
{
    setIsPressed(1);
    bool rightAlt = keyDown(VK_RMENU);
    // Ctrl combinations were delivered with their WM_KEYDOWN.
    if (keyDown(VK_CONTROL) && !rightAlt)
        return msg->message == WM_CHAR;
    unsigned char c = static_cast<unsigned char>(msg->wParam);
    // Delivered as special keys with WM_KEYDOWN.
    if (c == 3 || c == 8 || c == 9 || c == 0x0D || c == 0x1B)
        return false;

    if (!m_leadPending) {
        m_keyBytes[0] = static_cast<char>(c);
        m_keyBytes[1] = '\0';
        if (isLeadByte(c)) {
            setKey(0);
            m_leadPending = 1;
            return true;
        }
        setKey(characterKey(c));
        setKeyBytes(m_keyBytes);
        setIsTtyFunction(0);
        // A character is never one of F1 to F12, whatever its code.
        setIsFuncKey(0);
    } else {
        m_keyBytes[1] = static_cast<char>(c);
        m_keyBytes[2] = '\0';
        setKeyBytes(m_keyBytes);
        setIsCursorKey(0);
        setIsFuncKey(0);
        setIsTtyFunction(0);
        m_leadPending = 0;
    }
    setWithCntl(0);
    setWithAlt(keyDown(VK_MENU) && !rightAlt);
    setWithShift(keyDown(VK_SHIFT));
    return executeHandler(1) == 0;
}

bool TQDwinKeyboard::dispatchKeyDown(unsigned long vk)
{
    setIsPressed(1);
    if (keyDown(VK_CONTROL)) {
        setKey(controlKey(vk));
        setWithCntl(1);
        return deliverPress(vk);
    }
    if (isSpecialKey(vk, false)) {
        setKey(static_cast<long>(vk));
        setWithCntl(0);
        return deliverPress(vk);
    }
    // The character follows as WM_CHAR, which delivers the key.
    setKey(characterKey(vk));
    setIsCursorKey(isCursorVk(vk));
    setWithCntl(0);
    setWithAlt(keyDown(VK_MENU));
    setWithShift(keyDown(VK_SHIFT));
    setIsFuncKey(isFunctionKey(vk));
    return true;
}

// setKey(0) has emptied the text of keys without a character; others get
// an empty text here.
bool TQDwinKeyboard::deliverPress(unsigned long vk)
{
    setText(const_cast<char*>(""), -2);
    setWithAlt(keyDown(VK_MENU));
    setWithShift(keyDown(VK_SHIFT));
    setIsCursorKey(isCursorVk(vk));
    setIsFuncKey(isFunctionKey(vk));
    setIsTtyFunction(isInsertOrDelete(vk));
    return executeHandler(1) == 0;
}

// With Alt every key goes by its virtual-key code alone: Alt+Left is 0x125.
bool TQDwinKeyboard::dispatchSysKeyDown(unsigned long vk)
{
    setIsPressed(1);
    long code = characterKey(vk);
    setKey(code != 0 ? code : static_cast<long>(vk));
    char text[2] = {vk >= 0x20 && vk <= 0x7F ? static_cast<char>(vk) : '\0', '\0'};
    if (keyDown(VK_MENU)) {
        setWithAlt(1);
        setKeyBytes(text);
    } else {
        setWithAlt(0);
        setText(const_cast<char*>(""), -2);
    }
    setWithShift(keyDown(VK_SHIFT));
    setWithCntl(keyDown(VK_CONTROL));
    executeHandler(1);
    return false;
}

// The key and its text stay those of the press.
bool TQDwinKeyboard::dispatchKeyUp(MSG* msg)
{
    setIsPressed(0);
    unsigned long vk = static_cast<unsigned long>(msg->wParam);
    if (vk == VK_MENU)
        setWithAlt(0);
    else if (vk == VK_SHIFT)
        setWithShift(0);
    else if (vk == VK_CONTROL)
        setWithCntl(0);
    else if (isCursorVk(vk))
        setIsCursorKey(0);
    else if (isFunctionKey(vk))
        setIsFuncKey(0);
    else if (isInsertOrDelete(vk))
        setIsTtyFunction(0);
    unsigned char taken = executeHandler(0);
    return msg->message == WM_KEYUP && taken == 0;
}

// ---------------------------------------------------------------------------
// Input method

void TQDwinKeyboard::setHwnd(HWND window)
{
    m_window = window;
    if (m_context != nullptr && window != nullptr)
        ImmAssociateContext(window, m_context);
}

// The context moves from the window it was attached to onto the device's.
HWND__* TQDwinKeyboard::attachTo(TQDdev* dev)
{
    if (dev == nullptr)
        return nullptr;
    long resource = dev->getWindowResource();
    if (resource == 0 || resource == -1)
        return nullptr;
    HWND window = reinterpret_cast<HWND>(resource);
    if (m_window != window) {
        if (m_window != nullptr)
            ImmAssociateContext(m_window, nullptr);
        ImmAssociateContext(window, m_context);
        m_window = window;
    }
    return window;
}

void TQDwinKeyboard::openWithModes(unsigned long conversion, unsigned long sentence)
{
    ImmSetOpenStatus(m_context, TRUE);
    ImmSetConversionStatus(m_context, conversion, sentence);
}

void TQDwinKeyboard::closeWithModes()
{
    ImmSetOpenStatus(m_context, FALSE);
    ImmSetConversionStatus(m_context, kClosedConversion, 0);
}

// Composition window at the device point on the screen, following the
// device's moves; the font handed over only when its number changes.
void TQDwinKeyboard::placeComposition(TQDdev* dev, short x, short y, short font)
{
    short ax = 0;
    short ay = 0;
    dev->getAbsoluteAddr(x, y, &ax, &ay);
    COMPOSITIONFORM form = {};
    form.dwStyle = CFS_POINT;
    form.ptCurrentPos.x = ax;
    form.ptCurrentPos.y = ay;
    ImmSetCompositionWindow(m_context, &form);
    dev->setAbsoluteAddrChangeHandler(_device_move_handler, this);

    if (font == m_compositionFont)
        return;
    TQDfont* source = TQGIappFontSet()->getFont(font);
    LOGFONTA logFont;
    if (source != nullptr &&
        GetObjectA(reinterpret_cast<HGDIOBJ>(source->getValue1()), sizeof logFont, &logFont) ==
            sizeof logFont)
        ImmSetCompositionFontA(m_context, &logFont);
    m_compositionFont = font;
}

long TQDwinKeyboard::startFep(TQDdev* dev, short x, short y, short font, short, short)
{
    makeContext();
    HWND window = attachTo(dev);
    if (window == nullptr)
        return -1;
    SetFocus(window);
    if (getEnableFep())
        openWithModes(kNativeFullRoman, kSentence);
    else
        closeWithModes();
    placeComposition(dev, x, y, font);
    setFepOpen(1);
    return 0;
}

long TQDwinKeyboard::setFepPos(TQDdev* dev, short x, short y, short font, short extra1,
                               short extra2)
{
    g_lastFepPlace = {true, dev, x, y, font, extra1, extra2};
    makeContext();
    HWND window = attachTo(dev);
    if (window == nullptr)
        return -1;
    SetFocus(window);
    DWORD conversion = 0;
    DWORD sentence = 0;
    if (!getEnableFep()) {
        closeWithModes();
    } else if (m_reopen) {
        m_reopen = 0;
        ImmGetConversionStatus(m_context, &conversion, &sentence);
        if (!(conversion & IME_CMODE_NATIVE))
            conversion = kNativeFullRoman;
        openWithModes(conversion, m_savedSentence);
    } else {
        ImmGetConversionStatus(m_context, &conversion, &sentence);
        m_savedSentence = sentence;
        if (!(conversion & IME_CMODE_NATIVE) && TQGFwinSystemEncoding() == 21)
            ImmSetConversionStatus(m_context, kNativeFullRoman, kSentence);
    }
    placeComposition(dev, x, y, font);
    setFepOpen(1);
    return 0;
}

long TQDwinKeyboard::startAscii(TQDdev* dev, short, short, short, short, short)
{
    long resource = dev != nullptr ? dev->getWindowResource() : 0;
    if (resource == 0 || resource == -1)
        return -1;
    SetFocus(reinterpret_cast<HWND>(resource));
    resetFep(dev);
    return 0;
}

long TQDwinKeyboard::resetFep(TQDdev* dev)
{
    if (m_context != nullptr) {
        if (attachTo(dev) == nullptr)
            return -1;
        if (ImmGetOpenStatus(m_context)) {
            m_reopen = 1;
            DWORD conversion = 0;
            DWORD sentence = 0;
            ImmGetConversionStatus(m_context, &conversion, &sentence);
            m_savedSentence = sentence;
        }
        ImmSetOpenStatus(m_context, FALSE);
    } else if (dev == nullptr || dev->getWindowResource() == 0 ||
               dev->getWindowResource() == -1) {
        return -1;
    }
    setFepOpen(0);
    return 0;
}

long TQDwinKeyboard::setFepStatus(long status)
{
    if (m_context == nullptr)
        return -1;
    switch (status) {
    case 1:
        openWithModes(kNativeFullRoman, kSentence);
        return 0;
    case 2:
        closeWithModes();
        return 0;
    case 3:
        openWithModes(kFullKatakana, kSentence);
        return 0;
    case 4:
        openWithModes(kHalfKatakana, kSentence);
        return 0;
    default:
        return status;
    }
}

void TQDwinKeyboard::setEnableFep(TQDdev* dev, unsigned char enable)
{
    TQDkeyboard::setEnableFep(dev, enable);
    if (enable == 0)
        setFepStatus(2);
}

void TQDwinKeyboard::updateFepStatus()
{
    bool open = m_context != nullptr && ImmGetOpenStatus(m_context);
    if (open && getEnableFep()) {
        setFepOpen(1);
        return;
    }
    if (!getEnableFep())
        setFepStatus(2);
    setFepOpen(0);
}

void TQDwinKeyboard::_device_move_handler(TQDdev* dev, void* keyboard)
{
    TQDwinKeyboard* self = static_cast<TQDwinKeyboard*>(keyboard);
    if (self->getFepStatus())
        self->startAscii(dev, 0, 0, 0, 0, 0);
}

// ---------------------------------------------------------------------------
// Clipboard: plain text in the system encoding, lines ended by CR LF.

void TQDwinKeyboard::setSelectedString(char* text, long encoding)
{
    TQDkeyboard::setSelectedString(text, encoding);
    std::string lines = replaced(TQGFtoSystemText(text, encoding), "\n", "\r\n");
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, lines.size() + 1);
    if (block == nullptr)
        return;
    if (void* bytes = GlobalLock(block)) {
        lines.copy(static_cast<char*>(bytes), lines.size());
        GlobalUnlock(block);
    }
    if (!OpenClipboard(TQGFgetAppWindow())) {
        GlobalFree(block);
        return;
    }
    EmptyClipboard();
    // The clipboard owns the block once it took it.
    if (SetClipboardData(CF_TEXT, block) == nullptr)
        GlobalFree(block);
    CloseClipboard();
}

char* TQDwinKeyboard::getSelectedString(long encoding)
{
    static char empty[1] = "";
    if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(TQGFgetAppWindow()))
        return empty;
    std::string text;
    if (HANDLE block = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(block))) {
            text = bytes;
            GlobalUnlock(block);
        }
    }
    CloseClipboard();
    std::string lines = replaced(TQGFfromSystemText(text.c_str()), "\r\n", "\n");
    TQDkeyboard::setSelectedString(&lines[0], -2);
    return TQDkeyboard::getSelectedString(encoding);
}

TQ_PLATFORM_FACTORY(TQDkeyboard, TQDwinKeyboard, _winKeyboard_create_handler,
                    TQGFinitializeWinKeyboard)

TQDwinKeyboard* TQGIwinKeyboard()
{
    TQDkeyboard* keyboard = TQGIappKeyboard();
    return keyboard != nullptr ? static_cast<TQDwinKeyboard*>(keyboard->cast("TQDwinKeyboard"))
                               : nullptr;
}
