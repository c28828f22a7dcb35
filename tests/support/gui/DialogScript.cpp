// Scripted answers to a real modal loop.
#include "DialogScript.h"

#include "ScenarioSteps.h"

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
    postClick(button);
}

void DialogScript::key(WPARAM virtualKey, DWORD ms)
{
    at(ms, [this, virtualKey] { keyNow(dialog, virtualKey); });
}

void DialogScript::keyNow(TQCbaseDialog* dialog, WPARAM virtualKey)
{
    postKey(frameOf(dialog), virtualKey);
}

void DialogScript::type(const char* text, DWORD ms)
{
    at(ms, [this, characters = std::string(text)] {
        postChars(frameOf(dialog), characters.c_str());
    });
}
