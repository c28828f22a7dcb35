// What every window test starts from, whatever ran before it: the pointer,
// the keys and buttons and the clipboard of the shared display outlive the
// process that changed them, and the working folder an earlier test of the
// same process. Linked whole into each window-test program, it puts them in
// one known condition before each test.
#include "TQwin32.h"

#include <gtest/gtest.h>

namespace {

// Far from every window the tests open (they stay well inside the
// 1280 x 1024 screen): a window shown there finds no pointer over it unless
// its test puts one there.
const int kParkedX = 1270;
const int kParkedY = 1010;

// A test that ended between a press and its release (a failure, a
// watchdog) leaves the key or button down for the whole desktop.
void releaseHeldInput()
{
    const struct {
        int vk;
        DWORD mouseUp;
    } held[] = {{VK_LSHIFT, 0},   {VK_RSHIFT, 0},   {VK_LCONTROL, 0},
                {VK_RCONTROL, 0}, {VK_LMENU, 0},    {VK_RMENU, 0},
                {VK_LBUTTON, MOUSEEVENTF_LEFTUP}, {VK_RBUTTON, MOUSEEVENTF_RIGHTUP},
                {VK_MBUTTON, MOUSEEVENTF_MIDDLEUP}};
    for (const auto& h : held) {
        if ((GetAsyncKeyState(h.vk) & 0x8000) == 0)
            continue;
        INPUT up = {};
        if (h.mouseUp != 0) {
            up.type = INPUT_MOUSE;
            up.mi.dwFlags = h.mouseUp;
        } else {
            up.type = INPUT_KEYBOARD;
            up.ki.wVk = static_cast<WORD>(h.vk);
            up.ki.dwFlags = KEYEVENTF_KEYUP;
        }
        SendInput(1, &up, sizeof up);
    }
}

void emptyClipboard()
{
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

// The folder ctest starts every test in: the test program's own.
void workInProgramFolder()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    while (length > 0 && path[length - 1] != '\\')
        --length;
    path[length] = '\0';
    SetCurrentDirectoryA(path);
}

class KnownStart : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override
    {
        SetCursorPos(kParkedX, kParkedY);
        releaseHeldInput();
        emptyClipboard();
        workInProgramFolder();
    }
};

const bool g_installed = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new KnownStart);
    return true;
}();

} // namespace
