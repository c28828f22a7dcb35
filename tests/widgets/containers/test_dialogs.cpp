// Main window and dialogs before they are shown: the main window's class
// frame, the command bar's places and looks, the work forms' sizes, and the
// shared message dialog.
#include "CapturedText.h"
#include "TQDwinCodeConvert.h"
#include "_TQCbaseList.h"
#include "_TQCdialog.h"
#include "_TQCform.h"
#include "_TQCguiPolicy.h"
#include "_TQCinputDialog.h"
#include "_TQCmainWindow.h"
#include "_TQCmessageDialog.h"
#include "_TQCvbtn.h"
#include "_TQCvifield.h"
#include "_TQCdevice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

long numberOf(TQCbase* object, const char* property)
{
    return object->getProperty(property).getLong();
}

std::string textOf(TQCbase* object, const char* property)
{
    TQCvariant value = object->getProperty(property);
    const char* text = value.getCharPtrConst();
    return text != nullptr ? text : "";
}

// "x,y wxh" of a part.
std::string placeOf(TQCbase* part)
{
    return std::to_string(numberOf(part, "x")) + "," + std::to_string(numberOf(part, "y")) + " " +
           std::to_string(numberOf(part, "width")) + "x" + std::to_string(numberOf(part, "height"));
}

// The input field keeps its text through the platform's code converter.
void installCodeConverter()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    TQDcodeConvert::_set_code_convert_handler(_code_convert_create_handler_);
    TQGIappCodeConvert()->initialize();
}

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        installCodeConverter();
        savedPolicy = TQGIappGuiPolicy()->getGuiPolicy();
    }
    void TearDown() override
    {
        for (TQCbase* object : made)
            delete object;
        TQGIappDevice()->clearDeleteList();
        TQGIappGuiPolicy()->setGuiPolicy(savedPolicy, 0);
    }
    template <class Dialog>
    Dialog* make(const char* name, long policy, unsigned short width, unsigned short height)
    {
        TQGIappGuiPolicy()->setGuiPolicy(policy, 0);
        Dialog* dialog = new Dialog(nullptr, name);
        made.push_back(dialog);
        dialog->initialize();
        dialog->setProperty("width", width);
        dialog->setProperty("height", height);
        return dialog;
    }
    // Policy bits 0 and 2 in place of 1 and 2, told to every dialog.
    static void switchToLookA() { TQGIappGuiPolicy()->setGuiPolicy(5, 1); }

    std::vector<TQCbase*> made;
    long savedPolicy = 6;
};

} // namespace

TEST_F(Dialogs, MainWindowHasExitOnByDefaultAndTheWindowsFrame)
{
    TQCbase* window = static_cast<TQCbase*>(TQCmainWindow_create(nullptr));
    made.push_back(window);
    EXPECT_EQ(1, numberOf(window, "exit"));
    unsigned char own = 9, plain = 9;
    window->getPropObj("exit")->getDefaultValue(&own);
    TQCwindow plainWindow(nullptr, "plain");
    plainWindow.initialize();
    plainWindow.getPropObj("exit")->getDefaultValue(&plain);
    EXPECT_EQ(1, own);
    EXPECT_EQ(0, plain);
    EXPECT_EQ(0, numberOf(&plainWindow, "exit"));
    EXPECT_EQ(window, window->cast(nullptr));
    EXPECT_EQ(window, window->cast("TQCwindow"));
    EXPECT_EQ(window, window->cast("TQCbase"));
    EXPECT_STREQ("TQCmainWindow", window->getClassName());

    EXPECT_NE(0, TQCmainWindow::checkVersion(1009));
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(0, TQCmainWindow::checkVersion(1010));
    EXPECT_EQ("VERSION error. class=TQCmainWindow object_version=1000  <- differ -> "
              "object_version=1010\n",
              capturedStderr());
}

TEST_F(Dialogs, CommandBarPlacesCancelNoAndOkForEitherLook)
{
    TQCbaseDialog* dialog = make<TQCbaseDialog>("N", 6, 400, 100);
    TQCbaseList* objects = TQGIappObjectList();
    TQCbase* cancel = objects->getInstance("TQCvbtn", "N-end-btn");
    TQCbase* no = objects->getInstance("TQCvbtn", "N-no-btn");
    TQCbase* ok = objects->getInstance("TQCvbtn", "N-ok-btn");
    TQCbase* icon = objects->getInstance("TQCvlabel", "bd-t");
    ASSERT_TRUE(cancel != nullptr && no != nullptr && ok != nullptr && icon != nullptr);
    EXPECT_EQ(dialog->getCmdFormObject(), objects->getInstance("TQCform", "bd-cform"));
    EXPECT_NE(nullptr, objects->getInstance("TQCvlabel", "bd-ts2"));
    EXPECT_EQ("1,65 398x30", placeOf(dialog->getCmdFormObject()));
    EXPECT_EQ("306,4 80x23", placeOf(cancel));
    EXPECT_EQ("Cancel", textOf(cancel, "labelString"));
    EXPECT_EQ("216,4 80x23", placeOf(no));
    EXPECT_EQ("126,4 80x23", placeOf(ok));
    EXPECT_EQ(0, icon->getOwnVisible()) << "no icon or title in look B";

    switchToLookA();
    EXPECT_EQ("360,4 26x23", placeOf(cancel));
    EXPECT_EQ("", textOf(cancel, "labelString")) << "a picture instead";
    EXPECT_EQ("300,4 60x23", placeOf(no));
    EXPECT_EQ("240,4 60x23", placeOf(ok));
    EXPECT_EQ(1, icon->getOwnVisible());
    EXPECT_EQ(60, TQCbaseDialog::getButtonWidth());

    dialog->setProperty("cancelString", "Quit");
    EXPECT_EQ("", textOf(cancel, "labelString")) << "the text waits for look B";
    TQGIappGuiPolicy()->setGuiPolicy(6, 1);
    EXPECT_EQ("Quit", textOf(cancel, "labelString"));
}

TEST_F(Dialogs, ButtonsMoveWithTheFlagsTheWidthAndTheHeight)
{
    TQCbaseDialog* dialog = make<TQCbaseDialog>("P", 6, 400, 100);
    TQCvbtn* ok = dialog->getOkButton();
    TQCvbtn* no = dialog->getNoButton();
    dialog->setProperty("no", 0);
    EXPECT_EQ(400 - 184, numberOf(ok, "x")) << "OK takes NO's place";
    EXPECT_EQ(0, no->getOwnVisible());
    dialog->setProperty("no", 1);
    dialog->setProperty("cancel", 0);
    EXPECT_EQ(400 - 120, numberOf(no, "x"));
    EXPECT_EQ(400 - 210, numberOf(ok, "x"));
    dialog->setProperty("cancel", 1);

    dialog->setProperty("width", 500);
    EXPECT_EQ(406, numberOf(dialog->getCancelButton(), "x"));
    EXPECT_EQ(316, numberOf(no, "x"));
    EXPECT_EQ(226, numberOf(ok, "x"));
    EXPECT_EQ(498, numberOf(dialog->getCmdFormObject(), "width"));
    dialog->setProperty("height", 150);
    EXPECT_EQ(115, numberOf(dialog->getCmdFormObject(), "y"));

    dialog->setProperty("font", 17);
    EXPECT_EQ(1, numberOf(dialog, "font")) << "four bits";
    EXPECT_EQ(1, numberOf(no, "font"));
    dialog->setProperty("okString", "Yes");
    EXPECT_EQ("Yes", textOf(ok, "labelString"));
    EXPECT_EQ("P-no-btn", textOf(ok, "tab"));
    EXPECT_EQ("P-end-btn", textOf(no, "tab"));
}

TEST_F(Dialogs, WorkFormFillsTheDialogAboveTheCommandBar)
{
    TQCdialog* dialog = make<TQCdialog>("D", 6, 284, 111);
    TQCform* work = dialog->getWorkForm();
    ASSERT_NE(nullptr, work);
    EXPECT_EQ(work, TQGIappObjectList()->getInstance("TQCform", "md-label"));
    EXPECT_EQ(work, dialog->getPublicDevChild()) << "children draw on the work form";
    EXPECT_EQ("0,0 284x71", placeOf(work));
    switchToLookA();
    EXPECT_EQ("0,5 284x66", placeOf(work));
    EXPECT_EQ(1, numberOf(work, "shadowThickness"));
    dialog->setProperty("height", 40);
    dialog->setProperty("width", 2);
    EXPECT_EQ("0,5 1x1", placeOf(work)) << "never 0 or a wrapped size";

    dialog->setProperty("workBackColor", -7);
    short color = 0;
    work->getPropertyV("backColor", &color);
    EXPECT_EQ(-7, color);
}

TEST_F(Dialogs, SharedMessageDialogIsMadeOnceWithOkAndCancel)
{
    TQGIappGuiPolicy()->setGuiPolicy(6, 0);
    TQCmessageDialog* shared = TQGIappMessageDialog();
    EXPECT_EQ(shared, TQGIappMessageDialog());
    EXPECT_EQ(shared, TQGIappObjectList()->getInstance("TQCmessageDialog", "app-fselect"));
    EXPECT_EQ("Message", textOf(shared, "titleString"));
    EXPECT_EQ(1, shared->getOkButton()->getOwnVisible());
    EXPECT_EQ(0, shared->getNoButton()->getOwnVisible());
    EXPECT_EQ(1, shared->getCancelButton()->getOwnVisible());
    EXPECT_EQ("0,0 400x80", placeOf(shared->getWorkForm()));
    EXPECT_EQ("1,7 398x67", placeOf(shared->getLabel()));
    switchToLookA();
    EXPECT_EQ("0,5 400x75", placeOf(shared->getWorkForm()));
    EXPECT_EQ("1,7 398x62", placeOf(shared->getLabel()));

    shared->setProperty("labelString", "first");
    EXPECT_EQ("first", textOf(shared->getLabel(), "labelString"));

    TQCmessageDialog* small = make<TQCmessageDialog>("small", 6, 20, 40);
    EXPECT_EQ("0,0 20x1", placeOf(small->getWorkForm()));
    EXPECT_EQ("1,7 1x1", placeOf(small->getLabel()));
    small->setProperty("height", 50);
    EXPECT_EQ(1, numberOf(small->getLabel(), "height")) << "a height below 1 becomes 1";
}

TEST_F(Dialogs, InputDialogPlacesPromptAndFieldAndTakesItsTextThroughTheField)
{
    TQCinputDialog* fresh = new TQCinputDialog(nullptr, "fresh");
    made.push_back(fresh);
    EXPECT_EQ("", textOf(fresh, "labelString")) << "no field before initialize()";

    TQCinputDialog* dialog = make<TQCinputDialog>("I", 5, 500, 120);
    EXPECT_EQ(0, numberOf(dialog, "no"));
    EXPECT_EQ(0, dialog->getNoButton()->getOwnVisible());
    EXPECT_EQ("0,5 500x75", placeOf(dialog->getWorkForm()));
    EXPECT_EQ("10,27 478x20", placeOf(dialog->getField()));
    EXPECT_EQ("10,-3 478x30", placeOf(dialog->getPrompt()));
    dialog->setProperty("titleString", "Input new directory name");
    EXPECT_EQ("Input new directory name", textOf(dialog->getPrompt(), "labelString"));
    dialog->setProperty("labelString", "abc");
    EXPECT_EQ("abc", std::string(dialog->getField()->getString().getString()));
    EXPECT_EQ("abc", textOf(dialog, "labelString"));

    dialog->setProperty("height", 40);
    dialog->setProperty("width", 2);
    EXPECT_EQ("0,5 1x1", placeOf(dialog->getWorkForm())) << "1 wide below 3, as the general dialog";
    EXPECT_EQ("10,1 1x20", placeOf(dialog->getField()));
    EXPECT_EQ(1, numberOf(dialog->getPrompt(), "y"));
}
