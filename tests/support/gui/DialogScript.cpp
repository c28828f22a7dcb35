// Scripted answers to a real modal loop.
#include "DialogScript.h"

#include "TQDwinwinDev.h"
#include "_TQCbaseDialog.h"

#include <map>
#include <string>

namespace {

std::map<UINT_PTR, std::function<void()>>& dueSteps()
{
    static std::map<UINT_PTR, std::function<void()>> steps;
    return steps;
}

void CALLBACK runStep(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    auto found = dueSteps().find(id);
    if (found == dueSteps().end())
        return;
    std::function<void()> step = std::move(found->second);
    dueSteps().erase(found);
    step();
}

HWND windowOf(TQCbase* object)
{
    TQDdev* dev = object != nullptr ? object->getowndev() : nullptr;
    void* form = dev != nullptr ? dev->cast("TQDwinformDev") : nullptr;
    return form != nullptr ? static_cast<TQDwinformDev*>(form)->getHWND() : nullptr;
}

long numberOf(TQCbase* object, const char* property)
{
    return object->getProperty(property).getLong();
}

} // namespace

DialogScript::DialogScript(TQCbaseDialog* dialog, DWORD watchdogMs) : dialog(dialog)
{
    at(watchdogMs, [this] {
        fired = true;
        if (!this->dialog->getOwnVisible())
            this->dialog->setVisible(1);
        this->dialog->setVisible(0);
    });
}

DialogScript::~DialogScript()
{
    for (UINT_PTR id : timers) {
        KillTimer(nullptr, id);
        dueSteps().erase(id);
    }
}

void DialogScript::at(DWORD ms, std::function<void()> step)
{
    UINT_PTR id = SetTimer(nullptr, 0, ms, runStep);
    dueSteps()[id] = std::move(step);
    timers.push_back(id);
}

void DialogScript::click(TQCbase* button, DWORD ms)
{
    at(ms, [button] { clickNow(button); });
}

void DialogScript::clickNow(TQCbase* button)
{
    HWND form = windowOf(button->getParent());
    POINT middle = {numberOf(button, "x") + numberOf(button, "width") / 2,
                    numberOf(button, "y") + numberOf(button, "height") / 2};
    POINT onScreen = middle;
    ClientToScreen(form, &onScreen);
    SetCursorPos(onScreen.x, onScreen.y);
    PostMessageA(form, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(middle.x, middle.y));
    PostMessageA(form, WM_LBUTTONUP, 0, MAKELPARAM(middle.x, middle.y));
}

void DialogScript::post(TQCbaseDialog* dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    void* window = dialog->getowndev()->cast("TQDwinwinDev");
    PostMessageA(static_cast<TQDwinwinDev*>(window)->getShell(), message, wParam, lParam);
}

void DialogScript::key(WPARAM virtualKey, DWORD ms)
{
    at(ms, [this, virtualKey] { keyNow(dialog, virtualKey); });
}

void DialogScript::keyNow(TQCbaseDialog* dialog, WPARAM virtualKey)
{
    post(dialog, WM_KEYDOWN, virtualKey, 1);
    post(dialog, WM_KEYUP, virtualKey, 0xC0000001);
}

void DialogScript::type(const char* text, DWORD ms)
{
    at(ms, [this, characters = std::string(text)] {
        for (unsigned char c : characters)
            post(dialog, WM_CHAR, c, 1);
    });
}
