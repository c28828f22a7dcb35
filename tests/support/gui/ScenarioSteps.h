// A user for a whole program on its real event loop: steps that wait for a
// condition, polled on one-shot timers of the thread, and input posted to
// the windows the widgets are drawn on. Each step arms the next before it
// acts, so that a step may open a modal loop and the steps after it go on
// inside that loop. A step whose condition does not come true in time ends
// the process as a failed check (FreshProcess.h).
//
//     ScenarioSteps user;
//     user.when("the file dialog is up", [&] { return dialog->getOwnVisible(); },
//               [&] { postClick(dialog->getOkButton()); });
//     user.start();
#ifndef SCENARIOSTEPS_H
#define SCENARIOSTEPS_H

#include "TQwin32.h"

#include <functional>
#include <string>
#include <vector>

class TQCbase;

class ScenarioSteps {
public:
    void when(const char* what, std::function<bool()> ready, std::function<void()> action,
              DWORD timeoutMs = 10000);
    // A step that is due at once, after the one before.
    void then(const char* what, std::function<void()> action);
    void start();

private:
    struct Step {
        std::string what;
        std::function<bool()> ready;
        std::function<void()> action;
        DWORD timeoutMs;
    };
    static void CALLBACK poll(HWND, UINT, UINT_PTR id, DWORD);
    void arm(size_t index);

    std::vector<Step> steps;
    size_t current = 0;
    DWORD since = 0;
};

// The window the widget draws on: its own, or the one it shares.
HWND windowOf(TQCbase* widget);
// The top-level frame of a window or dialog widget.
HWND frameOf(TQCbase* window);
// The pointer moved to the middle of the widget, then a press and a release
// of the left button there posted to the window it is drawn on: its own, or
// its parent's.
void postClick(TQCbase* widget);
// The same at (x, y) of the widget.
void postClickAt(TQCbase* widget, int x, int y);
// A key pressed and released, or characters, posted to the frame.
void postKey(HWND frame, WPARAM virtualKey);
void postChars(HWND frame, const char* text);

#endif
