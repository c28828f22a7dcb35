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

// A step runs once: its timer goes before it does.
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
    TQDwinformDev* form = dev != nullptr ? static_cast<TQDwinformDev*>(dev->cast("TQDwinformDev"))
                                         : nullptr;
    return form != nullptr ? form->getHWND() : nullptr;
}

long numberOf(TQCbase* object, const char* property)
{
    return object->getProperty(property).getLong();
}

} // namespace

DialogScript::DialogScript(TQCbaseDialog* dialog, DWORD watchdogMs) : dialog(dialog), fired(false)
{
    // Shown once more if need be: hiding a shown dialog ends any loop.
    arm(watchdogMs, [this] {
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

UINT_PTR DialogScript::arm(DWORD ms, std::function<void()> step)
{
    UINT_PTR id = SetTimer(nullptr, 0, ms, runStep);
    if (id != 0) {
        dueSteps()[id] = std::move(step);
        timers.push_back(id);
    }
    return id;
}

void DialogScript::at(DWORD ms, std::function<void()> step)
{
    arm(ms, std::move(step));
}

// Over the window-less button, on the window of the form it draws on.
void DialogScript::click(TQCbase* button, DWORD ms)
{
    arm(ms, [button] {
        HWND form = windowOf(button->getParent());
        if (form == nullptr)
            return;
        POINT middle = {numberOf(button, "x") + numberOf(button, "width") / 2,
                        numberOf(button, "y") + numberOf(button, "height") / 2};
        POINT onScreen = middle;
        ClientToScreen(form, &onScreen);
        SetCursorPos(onScreen.x, onScreen.y);
        LPARAM at = MAKELPARAM(middle.x, middle.y);
        PostMessageA(form, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(form, WM_LBUTTONUP, 0, at);
    });
}

HWND DialogScript::dialogWindow() const
{
    TQDdev* dev = dialog->getowndev();
    TQDwinwinDev* window =
        dev != nullptr ? static_cast<TQDwinwinDev*>(dev->cast("TQDwinwinDev")) : nullptr;
    return window != nullptr ? window->getShell() : nullptr;
}

void DialogScript::key(WPARAM virtualKey, DWORD ms)
{
    arm(ms, [this, virtualKey] {
        HWND window = dialogWindow();
        if (window == nullptr)
            return;
        PostMessageA(window, WM_KEYDOWN, virtualKey, 1);
        PostMessageA(window, WM_KEYUP, virtualKey, 0xC0000001);
    });
}

void DialogScript::type(const char* text, DWORD ms)
{
    std::string characters(text);
    arm(ms, [this, characters] {
        HWND window = dialogWindow();
        if (window == nullptr)
            return;
        for (unsigned char c : characters)
            PostMessageA(window, WM_CHAR, c, 1);
    });
}
