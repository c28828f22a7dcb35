// The window, form, messages and pixels of the control scenarios.
#include "GuiControlScene.h"

#include "FreshProcess.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "TQDwinformDev.h"
#include "_TQCguiPolicy.h"
#include "_TQN.h"

namespace {

const DWORD kPatience = 5000;

} // namespace

GuiControlScene::GuiControlScene(short x, short y, unsigned short w, unsigned short h)
{
    startGuiScenario(TQCguiPolicy::LOOK_B);
    window = new TQCwindow(nullptr, "w");
    window->initialize();
    window->setPropertyV(_TQNtitleBar(), static_cast<char>(0));
    place(window, x, y, w, h);
    form = new TQCform(window, "f");
    form->initialize();
    place(form, 0, 0, w, h);
    form->setVisible(1);
}

void GuiControlScene::place(TQCbase* o, short x, short y, unsigned short w, unsigned short h)
{
    o->setPropertyV(_TQNx(), x);
    o->setPropertyV(_TQNy(), y);
    o->setPropertyV(_TQNwidth(), w);
    o->setPropertyV(_TQNheight(), h);
}

void GuiControlScene::show()
{
    window->setVisible(1);
    TQDwinformDev* dev = static_cast<TQDwinformDev*>(form->getowndev()->cast("TQDwinformDev"));
    requireInChild(pumpMessagesUntil([dev] { return dev->getExposed() != 0; }, kPatience),
                   "the form is painted");
    pumpPendingMessages(kPatience);
}

HWND GuiControlScene::hwnd()
{
    return static_cast<TQDwinformDev*>(form->getowndev()->cast("TQDwinformDev"))->getHWND();
}

void GuiControlScene::post(UINT message, WPARAM wParam, LPARAM lParam)
{
    postInput(hwnd(), message, wParam, lParam);
    pumpPendingMessages(kPatience);
}

void GuiControlScene::key(UINT vk)
{
    post(WM_KEYDOWN, vk, 0x00000001);
    post(WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001));
}

void GuiControlScene::type(const char* text)
{
    for (const char* c = text; *c != '\0'; ++c)
        post(WM_CHAR, static_cast<unsigned char>(*c), 0x00000001);
}

void GuiControlScene::hold(std::initializer_list<int> vks, bool down)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    for (int vk : vks)
        keys[vk] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

void GuiControlScene::click(int x, int y)
{
    post(WM_MOUSEMOVE, 0, x, y);
    post(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
    post(WM_LBUTTONUP, 0, x, y);
}

COLORREF GuiControlScene::pixel(int x, int y)
{
    return windowPixel(hwnd(), x, y);
}

std::string clipboardText()
{
    std::string out;
    if (!OpenClipboard(nullptr))
        return out;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(data))) {
            out = p;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return out;
}
