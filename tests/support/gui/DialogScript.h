// A user for a dialog's real modal loop: steps on one-shot timers of the
// thread, which popup() dispatches like any message, and a watchdog that
// hides the dialog (showing it first if need be, which ends any loop) when
// the loop outlives it.
#ifndef DIALOGSCRIPT_H
#define DIALOGSCRIPT_H

#include "TQwin32.h"

#include <functional>
#include <vector>

class TQCbase;
class TQCbaseDialog;

class DialogScript {
public:
    explicit DialogScript(TQCbaseDialog* dialog, DWORD watchdogMs = 5000);
    // Steps still due are dropped.
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // After ms: the pointer to the middle of the button, a press and a
    // release there posted to the window it is drawn on.
    void click(TQCbase* button, DWORD ms);
    // After ms: a key pressed and released, or characters, posted to the
    // dialog's window.
    void key(WPARAM virtualKey, DWORD ms);
    void escape(DWORD ms) { key(VK_ESCAPE, ms); }
    void type(const char* text, DWORD ms);
    void at(DWORD ms, std::function<void()> step);

    bool watchdogFired() const { return fired; }

    // The same at once, from inside a step, on a dialog that may not have
    // existed when the script was made.
    static void clickNow(TQCbase* button);
    static void keyNow(TQCbaseDialog* dialog, WPARAM virtualKey);

private:
    TQCbaseDialog* dialog;
    std::vector<UINT_PTR> timers;
    bool fired = false;
};

#endif
