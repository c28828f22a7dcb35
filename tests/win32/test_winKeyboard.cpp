// The Win32 keyboard on real key input: SendInput into a focused window
// whose procedure hands key messages to the keyboard the way the
// application's window procedure does; the input method's state as Wine
// keeps it; the clipboard.
#include <gtest/gtest.h>

#include "FakeDevices.h"
#include "SystemEncoding.h"
#include "TQDwinKeyboard.h"
#include "TestAppWindow.h"

#include "TQwin32.h"

#include <imm.h>

#include <string>
#include <vector>

namespace {

struct Delivered {
    long key;
    std::string text;
    bool pressed;
    bool alt;
    bool shift;
    bool ctrl;
};

std::vector<Delivered> g_delivered;
std::vector<UINT> g_reachedDefault;

void recordKey(void*, TQDkeyboard* keyboard, unsigned char pressed)
{
    g_delivered.push_back({keyboard->getKey(), keyboard->getText(16), pressed != 0,
                           keyboard->withAlt() != 0, keyboard->withShift() != 0,
                           keyboard->withCntl() != 0});
}

// Key messages go to the keyboard first; what it leaves goes on as in the
// application's window procedure for a window with a device.
LRESULT CALLBACK keyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN: case WM_KEYUP: case WM_CHAR: case WM_SYSKEYDOWN: case WM_SYSKEYUP: {
        MSG msg = {};
        msg.message = message;
        msg.wParam = wParam;
        msg.lParam = lParam;
        if (!TQGIwinKeyboard()->_dispatch_key(&msg))
            return 0;
        break;
    }
    case WM_SYSCHAR:
        return 0;
    default:
        break;
    }
    if (message >= WM_KEYFIRST && message <= WM_KEYLAST)
        g_reachedDefault.push_back(message);
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND makeKeyWindow()
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = keyWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "TQ test key window";
        registered = RegisterClassA(&windowClass) != 0;
    }
    HWND window = CreateWindowExA(0, "TQ test key window", "keys", WS_POPUP, 10, 10,
                                  200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetFocus(window);
    return window;
}

INPUT key(WORD vk, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// Presses the keys in order and releases them in reverse.
void type(std::vector<WORD> chord)
{
    std::vector<INPUT> inputs;
    for (WORD vk : chord)
        inputs.push_back(key(vk, false));
    for (auto vk = chord.rbegin(); vk != chord.rend(); ++vk)
        inputs.push_back(key(*vk, true));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// One window for the suite: Wine takes seconds to destroy a focused window.
class WinKeyboard : public ::testing::Test {
protected:
    static void SetUpTestSuite() { window = makeKeyWindow(); }
    static void TearDownTestSuite() { DestroyWindow(window); }
    void SetUp() override
    {
        keyboard = TQGIwinKeyboard();
        ASSERT_NE(nullptr, keyboard);
        keyboard->setFocusInputWorkProc(recordKey, nullptr, nullptr, nullptr);
        g_delivered.clear();
        g_reachedDefault.clear();
        ASSERT_NE(nullptr, window);
        SetForegroundWindow(window);
        SetFocus(window);
        app.pumpFor(50);
        ASSERT_EQ(window, GetFocus());
    }
    void TearDown() override { keyboard->resetFocusInputWorkProc(); }
    // Types the chord and waits until count keys were delivered.
    void typeAndWait(std::vector<WORD> chord, size_t count)
    {
        type(chord);
        app.pumpUntil([count] { return g_delivered.size() >= count; }, 10000);
        app.pumpFor(30);
    }
    const Delivered* pressOf(long code)
    {
        for (const Delivered& d : g_delivered) {
            if (d.pressed && d.key == code)
                return &d;
        }
        return nullptr;
    }

    PinnedSystemEncoding encoding{0x0409};
    TestAppWindow app;
    TQDwinKeyboard* keyboard = nullptr;
    static HWND window;
};

HWND WinKeyboard::window = nullptr;

} // namespace

TEST_F(WinKeyboard, LettersArriveWithTheirCharacterAndPunctuationAsTyped)
{
    typeAndWait({'A'}, 2);
    ASSERT_EQ(2u, g_delivered.size()) << "the key down runs no handler; the character and the "
                                         "release do";
    EXPECT_EQ(0x161, g_delivered[0].key);
    EXPECT_EQ("a", g_delivered[0].text);
    EXPECT_TRUE(g_delivered[0].pressed);
    EXPECT_FALSE(g_delivered[1].pressed);
    EXPECT_EQ(0x161, g_delivered[1].key) << "a release keeps the key of the press";

    g_delivered.clear();
    typeAndWait({VK_SHIFT, '1'}, 4);
    const Delivered* bang = pressOf(0x121);
    ASSERT_NE(nullptr, bang);
    EXPECT_EQ("!", bang->text);
    EXPECT_TRUE(bang->shift);

    g_delivered.clear();
    typeAndWait({'P'}, 2);
    EXPECT_EQ(0x170, g_delivered[0].key);
    EXPECT_EQ(0, keyboard->isFuncKey()) << "a character is not a function key";
}

TEST_F(WinKeyboard, ControlLettersFollowShiftAndLeaveTheirCharacterAlone)
{
    typeAndWait({VK_CONTROL, 'A'}, 4);
    ASSERT_EQ(4u, g_delivered.size()) << "Ctrl, A, and the two releases; not the ^A character";
    EXPECT_EQ(0x161, g_delivered[1].key);
    EXPECT_TRUE(g_delivered[1].ctrl);
    EXPECT_EQ("", g_delivered[1].text);

    g_delivered.clear();
    typeAndWait({VK_CONTROL, VK_SHIFT, 'A'}, 6);
    const Delivered* upper = pressOf(0x141);
    ASSERT_NE(nullptr, upper);
    EXPECT_TRUE(upper->ctrl);
    EXPECT_TRUE(upper->shift);
}

TEST_F(WinKeyboard, AltLettersGoToTheToolkitAndNeverToTheDefaultProcedure)
{
    typeAndWait({VK_MENU, 'F'}, 4);
    const Delivered* altF = pressOf(0x146);
    ASSERT_NE(nullptr, altF);
    EXPECT_EQ("F", altF->text);
    EXPECT_TRUE(altF->alt);
    for (UINT message : g_reachedDefault)
        EXPECT_NE(static_cast<UINT>(WM_SYSKEYDOWN), message) << "reached DefWindowProcA";
}

TEST_F(WinKeyboard, DoubleByteCharactersArriveOnceWithBothBytes)
{
    PinnedSystemEncoding shiftJis(0x0411);
    for (WPARAM byte : {0x82, 0xA0}) {
        MSG msg = {};
        msg.message = WM_CHAR;
        msg.wParam = byte;
        keyboard->_dispatch_key(&msg);
    }
    ASSERT_EQ(1u, g_delivered.size());
    EXPECT_EQ(0, g_delivered[0].key);
    EXPECT_EQ("\xE3\x81\x82", g_delivered[0].text);
    EXPECT_STREQ("\x82\xA0", keyboard->getText(21));
}

TEST_F(WinKeyboard, InputMethodStatesAreKeptOnTheWindowsContext)
{
    keyboard->setHwnd(window);
    HIMC context = ImmGetContext(window);
    ASSERT_NE(nullptr, context);
    struct State {
        long status;
        BOOL open;
        DWORD conversion;
        DWORD sentence;
    };
    for (State want : {State{1, TRUE, 0x19, 8}, State{2, FALSE, 0x10, 0}, State{3, TRUE, 0x0B, 8},
                       State{4, TRUE, 0x03, 8}}) {
        EXPECT_EQ(0, keyboard->setFepStatus(want.status));
        DWORD conversion = 0, sentence = 0;
        ImmGetConversionStatus(context, &conversion, &sentence);
        EXPECT_EQ(want.open, ImmGetOpenStatus(context)) << "status " << want.status;
        EXPECT_EQ(want.conversion, conversion) << "status " << want.status;
        EXPECT_EQ(want.sentence, sentence) << "status " << want.status;
    }
    EXPECT_EQ(7, keyboard->setFepStatus(7));

    FakeDev dev;
    dev.windowResource = reinterpret_cast<long>(window);
    keyboard->setEnableFep(&dev, 1);
    EXPECT_EQ(0, keyboard->startFep(&dev, 5, 5, 0, 0, 0));
    EXPECT_TRUE(ImmGetOpenStatus(context));
    EXPECT_EQ(1, keyboard->getFepStatus());
    EXPECT_EQ(0, keyboard->resetFep(&dev));
    EXPECT_FALSE(ImmGetOpenStatus(context));
    EXPECT_EQ(0, keyboard->getFepStatus());
    EXPECT_EQ(0, keyboard->setFepPos(&dev, 5, 5, 0, 0, 0));
    EXPECT_TRUE(ImmGetOpenStatus(context)) << "reopened as resetFep found it";

    keyboard->setEnableFep(&dev, 0);
    EXPECT_FALSE(ImmGetOpenStatus(context)) << "disabling closes it";
    keyboard->updateFepStatus();
    EXPECT_EQ(0, keyboard->getFepStatus());
    dev.windowResource = -1;
    EXPECT_EQ(-1, keyboard->startFep(&dev, 0, 0, 0, 0, 0)) << "no window";
    ImmReleaseContext(window, context);
}

TEST_F(WinKeyboard, SelectionsTravelOnTheClipboardWithWindowsLineEnds)
{
    keyboard->setSelectedString(const_cast<char*>("x\ny"), 16);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_TEXT);
    ASSERT_NE(nullptr, data);
    EXPECT_STREQ("x\r\ny", static_cast<const char*>(GlobalLock(data)));
    GlobalUnlock(data);
    CloseClipboard();
    EXPECT_STREQ("x\ny", keyboard->getSelectedString(16));

    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_STREQ("", keyboard->getSelectedString(16)) << "no text on the clipboard";
}
