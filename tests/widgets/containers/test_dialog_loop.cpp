// Dialogs on real windows under Xvfb, answered through their real modal
// loop: clicks posted on the command bar's buttons and keys posted to the
// dialog's window, each on a one-shot timer that popup() dispatches. Each
// scenario runs in a process of its own.
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
#include "_TQGFtrigger.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;
using Plan = std::function<void(DialogScript&)>;

Log g_log;
bool g_hideOnAnswer = true;

// Logs the answer the activation sees, and hides the dialog when asked to.
void answerProc(TQCbase* object)
{
    TQCbaseDialog* dialog = static_cast<TQCbaseDialog*>(object);
    g_log.push_back("activate " + std::to_string(dialog->getStatus()));
    if (g_hideOnAnswer)
        dialog->setVisible(0);
}

// The application's channel dialog procedure: any answer hides it.
void dialogRadioAct_ep(TQCbase* object)
{
    object->setVisible(false);
}

void startApp()
{
    requireInChild(startGuiApp() != nullptr, "the application window exists");
    TQGIappGuiPolicy()->setGuiPolicy(6, 0);
}

template <class Dialog>
Dialog* makeDialog(const char* name, TQCbase* parent, long x, long y, long w, long h)
{
    Dialog* dialog = new Dialog(parent, name);
    dialog->initialize();
    dialog->setProperty("titleString", name);
    dialog->setProperty("x", x);
    dialog->setProperty("y", y);
    dialog->setProperty("width", w);
    dialog->setProperty("height", h);
    return dialog;
}

TQCbaseDialog* answeredDialog(const char* name, TQCbase* parent = nullptr)
{
    TQCbaseDialog* dialog = makeDialog<TQCbaseDialog>(name, parent, 200, 150, 400, 100);
    dialog->addProcedureV("answer", "answerProc", answerProc, TQEV_ACTIVATE);
    return dialog;
}

// popup() with the plan's steps armed; the watchdog must not have fired.
long popupWith(TQCbaseDialog* dialog, const Plan& plan)
{
    DialogScript user(dialog);
    plan(user);
    long answer = dialog->popup();
    requireInChild(!user.watchdogFired(), "the loop ended before the watchdog");
    return answer;
}

// A scenario that gets here says so: a program ended early by the exit rule
// also ends with status 0.
[[noreturn]] void scenarioDone()
{
    std::fprintf(stderr, "scenario done\n");
    passInChild();
}

HWND shellOf(TQCbase* window)
{
    return static_cast<TQDwinwinDev*>(window->getowndev()->cast("TQDwinwinDev"))->getShell();
}

void answersScenario()
{
    armWatchdog(60000, "the answers scenario hung");
    startApp();
    TQCbaseDialog* d = answeredDialog("d");
    TQCvbtn* ok = d->getOkButton();
    TQCvbtn* cancel = d->getCancelButton();

    requireInChild(popupWith(d, [&](DialogScript& u) { u.click(ok, 300); }) == 1 &&
                       !d->getVisible(),
                   "OK with a hiding procedure answers 1 and the dialog is hidden");
    requireInChild(popupWith(d, [&](DialogScript& u) { u.click(d->getNoButton(), 300); }) == 2,
                   "NO answers 2");
    g_log.clear();
    requireInChild(popupWith(d, [&](DialogScript& u) { u.click(cancel, 300); }) == 0 &&
                       !d->getVisible() && g_log == Log{"activate 0"},
                   "Cancel answers 0 after the activation and hides the dialog");
    g_log.clear();
    requireInChild(popupWith(d, [&](DialogScript& u) { u.escape(300); }) == 0 && g_log.empty(),
                   "Escape answers 0 without any activation");

    // Nothing hides the dialog: OK leaves it up, back at 0.
    g_hideOnAnswer = false;
    g_log.clear();
    d->setFocusBtn(TQCbaseDialog::FOCUS_CANCEL);
    d->setFocusBtn(5);
    TQCbase* focused = nullptr;
    bool stayed = false;
    long answer = popupWith(d, [&](DialogScript& u) {
        u.at(200, [&] { focused = TQCbase::getFocusInstance(); });
        u.click(ok, 300);
        u.at(800, [&] { stayed = d->getVisible() && d->getStatus() == 0; });
        u.escape(900);
    });
    requireInChild(focused == cancel, "setFocusBtn(5) kept the cancel button as the default");
    requireInChild(answer == 0 && stayed && g_log == Log{"activate 1"},
                   "OK with nothing hiding the dialog leaves it up with status 0");

    d->setEnableEscapeKey(0);
    bool up = false;
    answer = popupWith(d, [&](DialogScript& u) {
        u.escape(300);
        u.at(700, [&] { up = d->getVisible() && TQGIappDev()->getFocusDialog() != d; });
        u.click(cancel, 900);
    });
    requireInChild(answer == 0 && up, "with the Escape key off Escape leaves the dialog up");
    d->setEnableEscapeKey(1);

    // Cancel without close-on-cancel: the loop goes on while the dialog is
    // up, and ends when the activation hid it.
    d->setEnableCloseOnCancel(0);
    up = false;
    answer = popupWith(d, [&](DialogScript& u) {
        u.click(cancel, 300);
        u.at(800, [&] { up = d->getVisible(); });
        u.escape(900);
    });
    requireInChild(answer == 0 && up, "Cancel without close-on-cancel keeps the dialog up");
    g_hideOnAnswer = true;
    requireInChild(popupWith(d, [&](DialogScript& u) { u.click(cancel, 300); }) == 0,
                   "a dialog hidden by the cancel activation ends its loop");
    scenarioDone();
}

TQCbaseDialog* g_inner = nullptr;
DialogScript* g_outerUser = nullptr;
long g_innerAnswer = 99;
TQCbase* g_clientAfterInner = nullptr;

// OK of the outer dialog asks the inner one, closed by Escape, then has the
// outer one closed by Escape too.
void askInner(TQCbase* outer)
{
    if (static_cast<TQCbaseDialog*>(outer)->getStatus() != 1)
        return;
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
    armWatchdog(60000, "the modal scenario hung");
    startApp();
    TQDappDev* app = TQGIappDev();
    TQCwindow* parent = makeDialog<TQCwindow>("parent", nullptr, 20, 20, 300, 200);
    parent->setVisible(1);
    TQCbaseDialog* d = answeredDialog("m", parent);
    d->setProperty("modal", 1);

    parent->setVisible(0);
    DWORD start = GetTickCount();
    long answer = popupWith(d, [](DialogScript&) {});
    requireInChild(answer == -1 && GetTickCount() - start < 1000,
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

    TQCbaseDialog* outer = makeDialog<TQCbaseDialog>("outer", parent, 200, 150, 400, 100);
    outer->setProperty("modal", 1);
    outer->addProcedureV("ask", "askInner", askInner, TQEV_ACTIVATE);
    g_inner = makeDialog<TQCbaseDialog>("inner", parent, 250, 200, 300, 100);
    g_inner->setProperty("modal", 1);
    DialogScript user(outer);
    g_outerUser = &user;
    user.click(outer->getOkButton(), 300);
    answer = outer->popup();
    requireInChild(!user.watchdogFired(), "the nested loops ended before the watchdog");
    requireInChild(g_innerAnswer == 0 && g_clientAfterInner == nullptr,
                   "the inner dialog closed by Escape leaves no modal client");
    requireInChild(answer == 0 && !outer->getVisible(), "the next Escape ends the outer loop");
    scenarioDone();
}

void centringScenario()
{
    armWatchdog(60000, "the centring scenario hung");
    startApp();
    TQCbaseDialog* d = answeredDialog("c");
    d->setProperty("defaultPosition", 1);
    popupWith(d, [](DialogScript& u) { u.escape(300); });
    // Shown again, the frame above the client area is known.
    RECT area = {}, frame = {};
    short frameTop = -1;
    long x = 0, y = 0;
    popupWith(d, [&](DialogScript& u) {
        u.at(300, [&] {
            SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
            d->getowndev()->getValue(TQCbaseDialog::VALUE_FRAME_TOP, &frameTop);
            GetWindowRect(shellOf(d), &frame);
            x = d->getProperty("x").getLong();
            y = d->getProperty("y").getLong();
        });
        u.escape(500);
    });
    const long expectedX = area.left + (area.right - area.left - 400) / 2;
    const long expectedY = area.top + (area.bottom - area.top - frameTop - 100) / 2;
    requireInChild(frameTop > 0, "the window device tells the frame above the client area");
    requireInChild(x == expectedX && y == expectedY, "centred in the work area below the frame");
    requireInChild(frame.left == expectedX && frame.top == expectedY, "the frame lands there");
    scenarioDone();
}

// The application's channel dialog, built as its window builder does, with
// a label where the builder puts the radio group; and the shared message
// dialog.
void programDialogsScenario()
{
    armWatchdog(60000, "the program dialogs scenario hung");
    startApp();
    TQCmainWindow* main = new TQCmainWindow(nullptr, "newwin000");
    main->initialize();
    main->setProperty("name", "newwin000");
    main->setProperty("titleString", "Tidewell ver.0.91");
    main->setProperty("x", 100);
    main->setProperty("y", 100);
    main->setProperty("width", 600);
    main->setProperty("height", 400);
    main->setProperty("vis", 1);
    TQCdialog* built = makeDialog<TQCdialog>("newdial_001", main, 65, 223, 284, 111);
    built->setProperty("name", "newdial_001");
    built->setProperty("titleString", "two channels exist");
    built->addProcedureV("dialogRadioAct_ep", "dialogRadioAct_ep", dialogRadioAct_ep,
                         TQEV_ACTIVATE);
    TQCvlabel* choice = new TQCvlabel(built, "newvlab_900");
    choice->initialize();
    choice->setProperty("labelString", "Left Channel");
    choice->setProperty("x", 0);
    choice->setProperty("y", 0);
    choice->setProperty("width", 283);
    choice->setProperty("height", 70);
    choice->setProperty("vis", 1);
    main->setVisible(true);
    pumpPendingMessages(2000);

    TQCbase* found = TQGIappObjectList()->getInstance("TQCdialog", "newdial_001");
    TQCdialog* dialog = found != nullptr ? static_cast<TQCdialog*>(found->cast("TQCdialog")) : nullptr;
    requireInChild(dialog == built, "the channel dialog is found by class and name");
    dialog->setProperty("x", "120");
    dialog->setProperty("y", "120");
    RECT frame = {};
    bool onWorkForm = false;
    long answer = popupWith(dialog, [&](DialogScript& u) {
        u.at(200, [&] {
            GetWindowRect(shellOf(dialog), &frame);
            TQDdev* work = dialog->getWorkForm()->getowndev();
            onWorkForm = work != nullptr && choice->getParentDev() == work &&
                         choice->getowndev() != nullptr &&
                         choice->getowndev()->getParentDev() == work;
        });
        u.click(dialog->getOkButton(), 300);
    });
    requireInChild(answer == 1, "OK answers 1 through the dialog's procedure");
    requireInChild(frame.left == 120 && frame.top == 120, "the dialog stands where it was put");
    requireInChild(onWorkForm, "a child of the dialog draws on the work form");
    requireInChild(popupWith(dialog, [&](DialogScript& u) {
                       u.click(dialog->getNoButton(), 300);
                   }) == 2,
                   "NO answers 2");
    requireInChild(popupWith(dialog, [&](DialogScript& u) {
                       u.click(dialog->getCancelButton(), 300);
                   }) == 0,
                   "Cancel answers 0");

    TQCmessageDialog* message = TQGIappMessageDialog();
    message->setProperty("labelString", "flat signal");
    requireInChild(popupWith(message, [&](DialogScript& u) {
                       u.click(message->getOkButton(), 300);
                   }) == 1 && !message->getVisible(),
                   "OK answers 1 from the message dialog and hides it");
    scenarioDone();
}

// As the file selection dialog asks for a new directory's name.
void inputScenario()
{
    armWatchdog(60000, "the input scenario hung");
    startApp();
    TQCinputDialog* dialog = makeDialog<TQCinputDialog>("fs-mkdir-dlg", nullptr, 0, 0, 500, 120);
    dialog->setInternalObject(1);
    dialog->setProperty("defaultPosition", 1);
    dialog->setProperty("titleString", "Input new directory name");
    dialog->setProperty("labelString", "");
    dialog->setProperty("modal", 1);
    TQCbase* focused = nullptr;
    long answer = popupWith(dialog, [&](DialogScript& u) {
        u.at(200, [&] { focused = TQCbase::getFocusInstance(); });
        u.type("new dir", 300);
        u.key(VK_RETURN, 600);
    });
    dialog->setProperty("modal", 0);
    requireInChild(focused == dialog->getField(), "the field has the focus");
    requireInChild(answer == 1 && !dialog->getVisible(), "Return answers OK and hides the dialog");
    TQCvariant typed = dialog->getProperty("labelString");
    requireInChild(std::string(typed.getCharPtrConst()) == "new dir",
                   "the typed text is the dialog's labelString");
    requireInChild(popupWith(dialog, [&](DialogScript& u) {
                       u.click(dialog->getCancelButton(), 300);
                   }) == 0,
                   "Cancel answers 0");
    scenarioDone();
}

} // namespace

TEST(DialogLoopDeathTest, ButtonsAndEscapeAnswerThroughTheRealLoop)
{
    EXPECT_EXIT(answersScenario(), ::testing::ExitedWithCode(0), "scenario done");
}

TEST(DialogLoopDeathTest, ModalClientFollowsShowingHidingDeletingAndNesting)
{
    EXPECT_EXIT(modalScenario(), ::testing::ExitedWithCode(0), "scenario done");
}

TEST(DialogLoopDeathTest, DefaultPositionCentresInTheWorkArea)
{
    EXPECT_EXIT(centringScenario(), ::testing::ExitedWithCode(0), "scenario done");
}

TEST(DialogLoopDeathTest, ProgramsChannelAndMessageDialogsAnswer)
{
    EXPECT_EXIT(programDialogsScenario(), ::testing::ExitedWithCode(0), "scenario done");
}

TEST(DialogLoopDeathTest, InputDialogAnswersWithTheTypedText)
{
    EXPECT_EXIT(inputScenario(), ::testing::ExitedWithCode(0), "scenario done");
}
