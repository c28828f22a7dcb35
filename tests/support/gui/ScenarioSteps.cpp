// Polled steps on thread timers, and posted input.
#include "ScenarioSteps.h"

#include "FreshProcess.h"
#include "GuiToolkitWindow.h"
#include "TQDwinformDev.h"
#include "TQDwinwinDev.h"
#include "_TQCbase.h"

#include <cstdio>

namespace {

const UINT kPollMs = 20;

ScenarioSteps* g_running = nullptr;

long numberOf(TQCbase* object, const char* property)
{
    return object->getProperty(property).getLong();
}

} // namespace

void ScenarioSteps::when(const char* what, std::function<bool()> ready,
                         std::function<void()> action, DWORD timeoutMs)
{
    steps.push_back({what, std::move(ready), std::move(action), timeoutMs});
}

void ScenarioSteps::then(const char* what, std::function<void()> action)
{
    when(what, [] { return true; }, std::move(action));
}

void ScenarioSteps::start()
{
    g_running = this;
    arm(0);
}

void ScenarioSteps::arm(size_t index)
{
    current = index;
    since = GetTickCount();
    if (index < steps.size())
        SetTimer(nullptr, 0, kPollMs, poll);
}

void CALLBACK ScenarioSteps::poll(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    ScenarioSteps* self = g_running;
    if (self == nullptr || self->current >= self->steps.size())
        return;
    Step& step = self->steps[self->current];
    if (!step.ready()) {
        if (GetTickCount() - self->since > step.timeoutMs) {
            std::string what = "in time: " + step.what;
            requireInChild(false, what.c_str());
        }
        SetTimer(nullptr, 0, kPollMs, poll);
        return;
    }
    std::fprintf(stderr, "step: %s\n", step.what.c_str());
    std::function<void()> action = step.action;
    self->arm(self->current + 1);
    action();
}

HWND windowOf(TQCbase* widget)
{
    if (HWND own = formWindowOf(widget))
        return own;
    TQDdev* dev = widget->getParentDev();
    void* form = dev != nullptr ? dev->cast("TQDwinformDev") : nullptr;
    return form != nullptr ? static_cast<TQDwinformDev*>(form)->getHWND() : nullptr;
}

HWND frameOf(TQCbase* window)
{
    TQDdev* dev = window != nullptr ? window->getowndev() : nullptr;
    void* frame = dev != nullptr ? dev->cast("TQDwinwinDev") : nullptr;
    return frame != nullptr ? static_cast<TQDwinwinDev*>(frame)->getShell() : nullptr;
}

// A widget with a window of its own (a form) takes the press there.
void postClickAt(TQCbase* widget, int x, int y)
{
    HWND own = formWindowOf(widget);
    HWND form = windowOf(widget);
    POINT at = {x, y};
    if (own == nullptr) {
        at.x += numberOf(widget, "x");
        at.y += numberOf(widget, "y");
    }
    POINT onScreen = at;
    ClientToScreen(form, &onScreen);
    SetCursorPos(onScreen.x, onScreen.y);
    PostMessageA(form, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    PostMessageA(form, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

void postClick(TQCbase* widget)
{
    postClickAt(widget, numberOf(widget, "width") / 2, numberOf(widget, "height") / 2);
}

void postKey(HWND frame, WPARAM virtualKey)
{
    PostMessageA(frame, WM_KEYDOWN, virtualKey, 1);
    PostMessageA(frame, WM_KEYUP, virtualKey, 0xC0000001);
}

void postChars(HWND frame, const char* text)
{
    for (const char* c = text; *c != '\0'; ++c)
        PostMessageA(frame, WM_CHAR, static_cast<unsigned char>(*c), 1);
}
