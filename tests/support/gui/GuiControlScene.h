// Controls on a form in a borderless top-level window on the real devices,
// for scenarios under Xvfb that run in a process of their own: the toolkit
// started in the process with the fonts and look B of a started program,
// messages posted to the form's window and pumped, modifier keys held
// through the keyboard state, and pixels read back.
//
//     GuiControlScene scene;
//     TQCvifield* field = scene.add<TQCvifield>("f", 10, 10, 120, 24);
//     scene.show();
//     scene.post(WM_LBUTTONDOWN, MK_LBUTTON, 20, 20);
#ifndef GUICONTROLSCENE_H
#define GUICONTROLSCENE_H

#include "TQwin32.h"
#include "_TQCform.h"
#include "_TQCwindow.h"

#include <initializer_list>
#include <string>

class GuiControlScene {
public:
    // The window's client area at (x, y) on the screen, the form w x h.
    explicit GuiControlScene(short x = 50, short y = 60, unsigned short w = 320,
                             unsigned short h = 200);

    // A shown control of the form at (x, y, w, h), initialised.
    template <class Control>
    Control* add(const char* name, short x, short y, unsigned short w, unsigned short h)
    {
        Control* control = new Control(form, name);
        control->initialize();
        place(control, x, y, w, h);
        control->setVisible(1);
        return control;
    }
    // Shown and painted; a failure ends the process.
    void show();
    // The form's window.
    HWND hwnd();
    // A message to the form's window, then every message it leads to.
    void post(UINT message, WPARAM wParam, LPARAM lParam);
    void post(UINT message, WPARAM wParam, int x, int y) { post(message, wParam, MAKELPARAM(x, y)); }
    // A key pressed and released, as the keyboard sends it.
    void key(UINT vk);
    // Characters, one WM_CHAR each.
    void type(const char* text);
    // The keys are held (or let go) for the messages that follow.
    void hold(std::initializer_list<int> vks, bool down);
    // A left click at (x, y) of the form.
    void click(int x, int y);
    COLORREF pixel(int x, int y);

    static void place(TQCbase* object, short x, short y, unsigned short w, unsigned short h);

    TQCwindow* window = nullptr;
    TQCform* form = nullptr;
};

// The text on the clipboard (CF_TEXT), "" when there is none.
std::string clipboardText();

#endif
