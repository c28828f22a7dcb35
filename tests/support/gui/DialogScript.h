// A user for a dialog's real modal loop: steps on one-shot Win32 timers of
// the calling thread, which popup() dispatches like any other message, and
// a watchdog that hides the dialog when the loop outlives it, so that no
// test waits for ever.
//
//     DialogScript user(dialog);
//     user.click(dialog->getOkButton(), 300);
//     long answer = dialog->popup();
//     EXPECT_FALSE(user.watchdogFired());
#ifndef DIALOGSCRIPT_H
#define DIALOGSCRIPT_H

#include "TQwin32.h"

#include <functional>
#include <vector>

class TQCbase;
class TQCbaseDialog;

class DialogScript {
public:
    // The watchdog is armed at once.
    explicit DialogScript(TQCbaseDialog* dialog, DWORD watchdogMs = 5000);
    // Steps still due are dropped.
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // After ms: the pointer over the middle of the button, then a press and
    // a release there, posted to the window of the form the button is on.
    void click(TQCbase* button, DWORD ms);
    // After ms: a key press and release posted to the dialog's window.
    void key(WPARAM virtualKey, DWORD ms);
    void escape(DWORD ms) { key(VK_ESCAPE, ms); }
    // After ms: one WM_CHAR per character, posted to the dialog's window.
    void type(const char* text, DWORD ms);
    // After ms: any step.
    void at(DWORD ms, std::function<void()> step);

    bool watchdogFired() const { return fired; }

private:
    UINT_PTR arm(DWORD ms, std::function<void()> step);
    HWND dialogWindow() const;

    TQCbaseDialog* dialog;
    std::vector<UINT_PTR> timers;
    bool fired;
};

#endif
