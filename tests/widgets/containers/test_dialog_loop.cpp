// Dialogs on real windows under Xvfb, answered through their real modal
// loop by clicks and keys posted on one-shot timers. Each scenario runs in a
// process of its own and says so at its end, since the exit rule would end
// a program with status 0 as well.
#include "DialogScript.h"
#include "FreshProcess.h"
#include "GuiTestApp.h"
#include "TQDwinwinDev.h"
#include "_TQCbaseList.h"
#include "_TQCdialog.h"
#include "_TQCform.h"
#include "_TQCguiPolicy.h"
#include "_TQCinputDialog.h"
#include "_TQCmainWindow.h"
#include "_TQCmessageDialog.h"
#include "_TQCvbtn.h"
#include "_TQCvifield.h"
#include "_TQDappDev.h"
#include "_TQGFgeometry.h"
#include "_TQGFtrigger.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;
Log g_log;
bool g_hideOnAnswer = true;

// Logs the answer the activation sees; hides the dialog when asked to, as
// the application's channel dialog procedure does.
void answerProc(TQCbase* object)
{
    TQCbaseDialog* dialog = static_cast<TQCbaseDialog*>(object);
    g_log.push_back("activate " + std::to_string(dialog->getStatus()));
    if (g_hideOnAnswer)
        object->setVisible(false);
}

template <class Window>
Window* make(const char* name, TQCbase* parent, long x, long y, long w, long h)
{
    Window* window = new Window(parent, name);
    window->initialize();
    TQGFsetGeometry(window, x, y, w, h);
    return window;
}

TQCbaseDialog* answered(const char* name, TQCbase* parent = nullptr)
{
    TQCbaseDialog* dialog = make<TQCbaseDialog>(name, parent, 200, 150, 400, 100);
    dialog->addProcedureV("answer", "answerProc", answerProc, TQEV_ACTIVATE);
    return dialog;
}

// popup() with the plan's steps armed; the watchdog must not fire.
long popupWith(TQCbaseDialog* dialog, const std::function<void(DialogScript&)>& plan)
{
    DialogScript user(dialog);
    plan(user);
    long answer = dialog->popup();
    requireInChild(!user.watchdogFired(), "the loop ended before the watchdog");
    return answer;
}

long clickedAnswer(TQCbaseDialog* dialog, TQCbase* button)
{
    return popupWith(dialog, [&](DialogScript& u) { u.click(button, 300); });
}

void start(const char* what)
{
    armWatchdog(60000, what);
    requireInChild(startGuiApp() != nullptr, "the application window exists");
    TQGIappGuiPolicy()->setGuiPolicy(6, 0);
}

[[noreturn]] void scenarioDone()
{
    std::fprintf(stderr, "scenario done\n");
    passInChild();
}

void answersScenario()
{
    start("the answers scenario hung");
    TQCbaseDialog* d = answered("d");
    TQCvbtn* cancel = d->getCancelButton();
    requireInChild(clickedAnswer(d, d->getOkButton()) == 1 &&
                       clickedAnswer(d, d->getNoButton()) == 2,
                   "OK and NO with a hiding procedure answer 1 and 2");
    g_log.clear();
    requireInChild(clickedAnswer(d, cancel) == 0 && !d->getVisible() &&
                       g_log == Log{"activate 0"},
                   "Cancel answers 0 after the activation and hides the dialog");
    g_log.clear();
    requireInChild(popupWith(d, [&](DialogScript& u) { u.escape(300); }) == 0 && g_log.empty(),
                   "Escape answers 0 without any activation");

    // Nothing hides the dialog: OK leaves it up, back at 0.
    g_hideOnAnswer = false;
    d->setFocusBtn(TQCbaseDialog::FOCUS_CANCEL);
    d->setFocusBtn(5);
    TQCbase* focused = nullptr;
    bool up = false;
    long answer = popupWith(d, [&](DialogScript& u) {
        u.at(200, [&] { focused = TQCbase::getFocusInstance(); });
        u.click(d->getOkButton(), 300);
        u.at(800, [&] { up = d->getVisible() && d->getStatus() == 0; });
        u.escape(900);
    });
    requireInChild(focused == cancel, "setFocusBtn(5) kept the cancel button as the default");
    requireInChild(answer == 0 && up, "OK with nothing hiding the dialog leaves it up at 0");

    d->setEnableEscapeKey(0);
    up = false;
    answer = popupWith(d, [&](DialogScript& u) {
        u.escape(300);
        u.at(700, [&] { up = d->getVisible() && TQGIappDev()->getFocusDialog() != d; });
        u.click(cancel, 900);
    });
    requireInChild(answer == 0 && up, "with the Escape key off Escape leaves the dialog up");
    d->setEnableEscapeKey(1);

    // Without close-on-cancel the loop goes on while the dialog is up, and
    // ends when the activation hid it.
    d->setEnableCloseOnCancel(0);
    up = false;
    popupWith(d, [&](DialogScript& u) {
        u.click(cancel, 300);
        u.at(800, [&] { up = d->getVisible(); });
        u.escape(900);
    });
    requireInChild(up, "Cancel without close-on-cancel keeps the dialog up");
    g_hideOnAnswer = true;
    clickedAnswer(d, cancel);
    scenarioDone();
}

TQCbaseDialog* g_inner = nullptr;
DialogScript* g_outerUser = nullptr;
long g_innerAnswer = 99;
TQCbase* g_clientAfterInner = nullptr;

// OK of the outer dialog asks the inner one, which Escape closes; then
// Escape is armed for the outer one.
void askInner(TQCbase*)
{
    {
        DialogScript user(g_inner);
        user.escape(300);
        g_innerAnswer = g_inner->popup();
    }
    g_clientAfterInner = TQGIappDev()->getModalClient();
    g_outerUser->escape(300);
}

void modalScenario()
{
    start("the modal scenario hung");
    TQDappDev* app = TQGIappDev();
    TQCwindow* parent = make<TQCwindow>("parent", nullptr, 20, 20, 300, 200);
    parent->setVisible(1);
    TQCbaseDialog* d = answered("m", parent);
    d->setProperty("modal", 1);
    parent->setVisible(0);
    DWORD begun = GetTickCount();
    requireInChild(popupWith(d, [](DialogScript&) {}) == -1 && GetTickCount() - begun < 1000,
                   "under a hidden parent popup() answers -1 without a loop");
    parent->setVisible(1);
    d->setVisible(0);
    d->setVisible(1);
    requireInChild(app->getModalClient() == d, "a shown modal dialog is the modal client");
    d->setVisible(0);
    requireInChild(app->getModalClient() == nullptr, "hidden, it is not");
    d->setVisible(1);
    delete d;
    requireInChild(app->getModalClient() == nullptr, "deleted while shown, it is not either");

    TQCbaseDialog* outer = make<TQCbaseDialog>("outer", parent, 200, 150, 400, 100);
    outer->addProcedureV("ask", "askInner", askInner, TQEV_ACTIVATE);
    g_inner = make<TQCbaseDialog>("inner", parent, 250, 200, 300, 100);
    for (TQCbase* modal : {static_cast<TQCbase*>(outer), static_cast<TQCbase*>(g_inner)})
        modal->setProperty("modal", 1);
    DialogScript user(outer);
    g_outerUser = &user;
    user.click(outer->getOkButton(), 300);
    long answer = outer->popup();
    requireInChild(!user.watchdogFired() && g_innerAnswer == 0 && g_clientAfterInner == nullptr,
                   "the inner dialog closed by Escape leaves no modal client");
    requireInChild(answer == 0 && !outer->getVisible(), "the next Escape ends the outer loop");
    scenarioDone();
}

// Shown a second time, the frame above the client area is known.
void centringScenario()
{
    start("the centring scenario hung");
    TQCbaseDialog* d = answered("c");
    d->setProperty("defaultPosition", 1);
    popupWith(d, [](DialogScript& u) { u.escape(300); });
    RECT area = {}, frame = {};
    short frameTop = -1;
    long x = 0, y = 0;
    popupWith(d, [&](DialogScript& u) {
        u.at(300, [&] {
            SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
            d->getowndev()->getValue(TQCbaseDialog::VALUE_FRAME_TOP, &frameTop);
            GetWindowRect(static_cast<TQDwinwinDev*>(d->getowndev())->getShell(), &frame);
            x = d->getProperty("x").getLong();
            y = d->getProperty("y").getLong();
        });
        u.escape(500);
    });
    const long expectedX = area.left + (area.right - area.left - 400) / 2;
    const long expectedY = area.top + (area.bottom - area.top - frameTop - 100) / 2;
    requireInChild(frameTop > 0 && x == expectedX && y == expectedY,
                   "centred in the work area less the frame above the client area");
    requireInChild(frame.left == expectedX && frame.top == expectedY, "the frame lands there");
    scenarioDone();
}

// The channel dialog as the application's builder makes it, with a label
// where it puts the radio group; the shared message dialog.
void programDialogsScenario()
{
    start("the program dialogs scenario hung");
    TQCmainWindow* main = make<TQCmainWindow>("newwin000", nullptr, 100, 100, 600, 400);
    main->setProperty("titleString", "Tidewell ver.0.91");
    TQCdialog* built = make<TQCdialog>("newdial_001", main, 65, 223, 284, 111);
    built->setProperty("titleString", "two channels exist");
    built->addProcedureV("dialogRadioAct_ep", "dialogRadioAct_ep", answerProc, TQEV_ACTIVATE);
    TQCvlabel* choice = make<TQCvlabel>("newvlab_900", built, 0, 0, 283, 70);
    choice->setProperty("labelString", "Left Channel");
    choice->setProperty("vis", 1);
    main->setVisible(true);

    TQCbase* found = TQGIappObjectList()->getInstance("TQCdialog", "newdial_001");
    TQCdialog* dialog = static_cast<TQCdialog*>(found->cast("TQCdialog"));
    dialog->setProperty("x", "120");
    dialog->setProperty("y", "120");
    RECT frame = {};
    bool onWorkForm = false;
    long answer = popupWith(dialog, [&](DialogScript& u) {
        u.at(200, [&] {
            GetWindowRect(static_cast<TQDwinwinDev*>(dialog->getowndev())->getShell(), &frame);
            TQDdev* work = dialog->getWorkForm()->getowndev();
            onWorkForm = work != nullptr && choice->getowndev() != nullptr &&
                         choice->getowndev()->getParentDev() == work;
        });
        u.click(dialog->getOkButton(), 300);
    });
    requireInChild(answer == 1 && frame.left == 120 && frame.top == 120,
                   "OK answers 1 from the dialog where it was put");
    requireInChild(onWorkForm, "a child of the dialog draws on the work form");
    requireInChild(clickedAnswer(dialog, dialog->getNoButton()) == 2 &&
                       clickedAnswer(dialog, dialog->getCancelButton()) == 0,
                   "NO answers 2, Cancel 0");
    TQCmessageDialog* message = TQGIappMessageDialog();
    requireInChild(clickedAnswer(message, message->getOkButton()) == 1 && !message->getVisible(),
                   "OK answers 1 from the message dialog and hides it");
    scenarioDone();
}

// As the file selection dialog asks for a new directory's name.
void inputScenario()
{
    start("the input scenario hung");
    TQCinputDialog* dialog = make<TQCinputDialog>("fs-mkdir-dlg", nullptr, 0, 0, 500, 120);
    dialog->setProperty("titleString", "Input new directory name");
    dialog->setProperty("labelString", "");
    dialog->setProperty("modal", 1);
    TQCbase* focused = nullptr;
    TQCbase* takesReturn = nullptr;
    std::string prompt;
    long answer = popupWith(dialog, [&](DialogScript& u) {
        u.at(200, [&] {
            focused = TQCbase::getFocusInstance();
            TQCvariant text = dialog->getPrompt()->getProperty("labelString");
            prompt = text.getCharPtrConst();
            // Through Cancel and back, as Tab and Back-Tab would go.
            dialog->getCancelButton()->setFocus(1);
            dialog->getField()->setFocus(1);
            takesReturn = TQCbase::getSpecialFocusInstance();
        });
        u.type("new dir", 300);
        u.key(VK_RETURN, 600);
    });
    TQCvariant typed = dialog->getProperty("labelString");
    requireInChild(focused == dialog->getField() && prompt == "Input new directory name",
                   "the field has the focus under the title as the prompt");
    requireInChild(takesReturn == dialog->getOkButton(),
                   "a button the focus left hands Return back to the default button");
    requireInChild(answer == 1 && !dialog->getVisible() &&
                       std::string(typed.getCharPtrConst()) == "new dir",
                   "Return answers 1 with the typed text as labelString");
    requireInChild(clickedAnswer(dialog, dialog->getCancelButton()) == 0, "Cancel answers 0");
    scenarioDone();
}

COLORREF screenPixel(POINT at)
{
    HDC screen = GetDC(nullptr);
    COLORREF pixel = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return pixel;
}

// A real click, as the system takes it from the mouse.
void clickOnScreen(POINT at)
{
    SetCursorPos(at.x, at.y);
    INPUT press[2] = {};
    press[0].type = press[1].type = INPUT_MOUSE;
    press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, press, sizeof(INPUT));
}

// A message the program waits on is not modal: a click on the program's
// main window activates that window, and the message must stay in sight.
void aboveScenario()
{
    start("the above scenario hung");
    TQCmainWindow* main = make<TQCmainWindow>("main", nullptr, 40, 40, 600, 400);
    main->setProperty("backColor", "red");
    main->setVisible(true);
    TQCmessageDialog* message = TQGIappMessageDialog();
    message->setProperty("x", 100);
    message->setProperty("y", 100);
    HWND shell = nullptr;
    POINT inMessage = {}, inMain = {};
    COLORREF before = 0, after = 0;
    long answer = popupWith(message, [&](DialogScript& u) {
        u.at(300, [&] {
            shell = static_cast<TQDwinwinDev*>(message->getowndev())->getShell();
            RECT frame = {};
            GetWindowRect(shell, &frame);
            inMessage = {(frame.left + frame.right) / 2, frame.top + 40};
            inMain = {frame.right + 60, frame.bottom + 60};
            before = screenPixel(inMessage);
            clickOnScreen(inMain);
        });
        u.at(900, [&] { after = screenPixel(inMessage); });
        u.click(message->getOkButton(), 1000);
    });
    requireInChild(answer == 1 && before != screenPixel(inMain), "the message over a red window");
    requireInChild(after == before, "after a click on the main window the message is still seen");
    scenarioDone();
}

} // namespace

TQ_FRESH_PROCESS_TEST(DialogLoopDeathTest, AMessageStaysInSightWhenItsWindowIsClicked,
                      aboveScenario(), "scenario done")

TQ_FRESH_PROCESS_TEST(DialogLoopDeathTest, ButtonsAndEscapeAnswerThroughTheRealLoop,
                      answersScenario(), "scenario done")

TQ_FRESH_PROCESS_TEST(DialogLoopDeathTest, ModalClientFollowsShowingHidingDeletingAndNesting,
                      modalScenario(), "scenario done")

TQ_FRESH_PROCESS_TEST(DialogLoopDeathTest, DefaultPositionCentresInTheWorkArea,
                      centringScenario(), "scenario done")

TQ_FRESH_PROCESS_TEST(DialogLoopDeathTest, ProgramsChannelAndMessageDialogsAnswer,
                      programDialogsScenario(), "scenario done")

TQ_FRESH_PROCESS_TEST(DialogLoopDeathTest, InputDialogAnswersWithTheTypedText,
                      inputScenario(), "scenario done")
