// Main window and dialogs before they are shown: the main window's class
// frame, the command bar's places in either look, the work forms' sizes and
// the shared message dialog.
#include "CapturedText.h"
#include "GuiTestApp.h"
#include "WinCodeConverter.h"
#include "_TQCbaseList.h"
#include "_TQCdevice.h"
#include "_TQCdialog.h"
#include "_TQCform.h"
#include "_TQCguiPolicy.h"
#include "_TQCinputDialog.h"
#include "_TQCmainWindow.h"
#include "_TQCmessageDialog.h"
#include "_TQCvbtn.h"
#include "_TQCvifield.h"

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
    return value.getCharPtrConst() != nullptr ? value.getCharPtrConst() : "";
}

// "x,y wxh" of a part.
std::string placeOf(TQCbase* part)
{
    return std::to_string(numberOf(part, "x")) + "," + std::to_string(numberOf(part, "y")) + " " +
           std::to_string(numberOf(part, "width")) + "x" + std::to_string(numberOf(part, "height"));
}

// The dialog's own registered part: the shared message dialog, once made,
// lives for the process and registers parts under the same names.
TQCbase* partOf(TQCbase* dialog, const char* className, const char* name)
{
    TQClistData* parts = TQGIappObjectList()->getInstanceList(className);
    for (long i = 0; parts != nullptr && i < parts->getNum(); ++i) {
        TQCbase* part = static_cast<TQCbase*>(parts->getData(i));
        if (std::string(part->getInstanceName()) == name && part->isParent(dialog))
            return part;
    }
    return nullptr;
}

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The input field keeps its text through the platform's converter.
        useWinCodeConverter();
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
    Dialog* make(const char* name, long policy, long width, long height)
    {
        TQGIappGuiPolicy()->setGuiPolicy(policy, 0);
        Dialog* dialog = new Dialog(nullptr, name);
        made.push_back(dialog);
        dialog->initialize();
        dialog->setProperty("width", width);
        dialog->setProperty("height", height);
        return dialog;
    }
    // Bits 0 and 2 instead of 1 and 2, told to every dialog.
    static void switchToLookA() { TQGIappGuiPolicy()->setGuiPolicy(5, 1); }

    std::vector<TQCbase*> made;
    long savedPolicy = 6;
};

} // namespace

TEST_F(Dialogs, MainWindowHasExitOnByDefaultAndTheWindowsFrame)
{
    TQCbase* window = static_cast<TQCbase*>(TQCmainWindow_create(nullptr));
    made.push_back(window);
    TQCwindow plain(nullptr, "plain");
    plain.initialize();
    unsigned char own = 9, plainDefault = 9;
    window->getPropObj("exit")->getDefaultValue(&own);
    plain.getPropObj("exit")->getDefaultValue(&plainDefault);
    EXPECT_EQ(1, numberOf(window, "exit"));
    EXPECT_EQ(1, own);
    EXPECT_EQ(0, plainDefault);
    EXPECT_EQ(window, window->cast(nullptr));
    EXPECT_EQ(window, window->cast("TQCwindow"));
    EXPECT_EQ(window, window->cast("TQCbase"));
    EXPECT_NE(0, TQCmainWindow::checkVersion(1009));
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(0, TQCmainWindow::checkVersion(1010));
    EXPECT_EQ("VERSION error. class=TQCmainWindow object_version=1000  <- differ -> "
              "object_version=1010\n",
              capturedStderr());
}

TEST_F(Dialogs, CommandBarPlacesCancelNoAndOkForEitherLookAndTheFlags)
{
    TQCbaseDialog* dialog = make<TQCbaseDialog>("N", 6, 400, 100);
    TQCbaseList* objects = TQGIappObjectList();
    TQCbase* cancel = objects->getInstance("TQCvbtn", "N-end-btn");
    TQCbase* no = objects->getInstance("TQCvbtn", "N-no-btn");
    TQCbase* ok = objects->getInstance("TQCvbtn", "N-ok-btn");
    ASSERT_TRUE(cancel != nullptr && no != nullptr && ok != nullptr);
    EXPECT_EQ("1,65 398x30", placeOf(partOf(dialog, "TQCform", "bd-cform")));
    EXPECT_EQ("306,4 80x23 Cancel", placeOf(cancel) + " " + textOf(cancel, "labelString"));
    EXPECT_EQ("216,4 80x23", placeOf(no));
    EXPECT_EQ("126,4 80x23", placeOf(ok));

    switchToLookA();
    EXPECT_EQ("360,4 26x23 ", placeOf(cancel) + " " + textOf(cancel, "labelString"));
    EXPECT_EQ("300,4 60x23", placeOf(no));
    EXPECT_EQ("240,4 60x23", placeOf(ok));
    EXPECT_EQ(1, partOf(dialog, "TQCvlabel", "bd-t")->getOwnVisible()) << "icon and title";
    dialog->setProperty("cancelString", "Quit");
    TQGIappGuiPolicy()->setGuiPolicy(6, 1);
    EXPECT_EQ("Quit", textOf(cancel, "labelString")) << "kept while the look showed a picture";

    dialog->setProperty("no", 0);
    EXPECT_EQ(400 - 184, numberOf(ok, "x")) << "OK takes NO's place";
    dialog->setProperty("no", 1);
    dialog->setProperty("cancel", 0);
    EXPECT_EQ(400 - 120, numberOf(no, "x"));
    EXPECT_EQ(400 - 210, numberOf(ok, "x"));
    dialog->setProperty("width", 500);
    EXPECT_EQ(500 - 210, numberOf(ok, "x"));
    dialog->setProperty("height", 150);
    EXPECT_EQ(115, numberOf(dialog->getCmdFormObject(), "y"));
    dialog->setProperty("font", 17);
    EXPECT_EQ(1, numberOf(no, "font")) << "four bits";
}

TEST_F(Dialogs, WorkFormsFillTheDialogAboveTheCommandBarAndNeverShrinkBelowOne)
{
    TQCdialog* dialog = make<TQCdialog>("D", 6, 284, 111);
    TQCform* work = dialog->getWorkForm();
    EXPECT_EQ(work, partOf(dialog, "TQCform", "md-label"));
    EXPECT_EQ(work, dialog->getPublicDevChild()) << "children draw on the work form";
    EXPECT_EQ("0,0 284x71", placeOf(work));
    TQCinputDialog* fresh = new TQCinputDialog(nullptr, "fresh");
    made.push_back(fresh);
    EXPECT_EQ("", textOf(fresh, "labelString")) << "no field before initialize()";
    TQCinputDialog* input = make<TQCinputDialog>("I", 6, 500, 120);
    EXPECT_EQ(0, input->getNoButton()->getOwnVisible());
    input->setProperty("labelString", "abc");
    EXPECT_EQ("abc", std::string(input->getField()->getString().getString()));
    switchToLookA();
    EXPECT_EQ("0,5 284x66", placeOf(work));
    EXPECT_EQ("0,5 500x75", placeOf(input->getWorkForm()));
    EXPECT_EQ("10,27 478x20", placeOf(input->getField()));
    EXPECT_EQ("10,-3 478x30", placeOf(input->getPrompt()));
    TQCbaseDialog* both[] = {dialog, input};
    for (TQCbaseDialog* d : both) {
        d->setProperty("height", 40);
        d->setProperty("width", 2);
        EXPECT_EQ("0,5 1x1", placeOf(d->getWorkForm())) << d->getInstanceName();
    }
    EXPECT_EQ("10,1 1x20", placeOf(input->getField()));
}

TEST_F(Dialogs, SharedMessageDialogIsMadeOnceWithOkAndCancel)
{
    TQGIappGuiPolicy()->setGuiPolicy(6, 1);
    TQCmessageDialog* shared = TQGIappMessageDialog();
    EXPECT_EQ(shared, TQGIappMessageDialog());
    EXPECT_EQ(shared, TQGIappObjectList()->getInstance("TQCmessageDialog", "app-fselect"));
    EXPECT_EQ("Message 400x120", textOf(shared, "titleString") + " " +
                                     std::to_string(numberOf(shared, "width")) + "x" +
                                     std::to_string(numberOf(shared, "height")));
    EXPECT_EQ(1, shared->getOkButton()->getOwnVisible());
    EXPECT_EQ(0, shared->getNoButton()->getOwnVisible());
    EXPECT_EQ(1, shared->getCancelButton()->getOwnVisible());
    EXPECT_EQ("0,0 400x80", placeOf(shared->getWorkForm()));
    EXPECT_EQ("1,7 398x67", placeOf(shared->getLabel()));
    switchToLookA();
    EXPECT_EQ("0,5 400x75", placeOf(shared->getWorkForm()));
    EXPECT_EQ("1,7 398x62", placeOf(shared->getLabel()));

    TQCmessageDialog* small = make<TQCmessageDialog>("small", 6, 20, 40);
    EXPECT_EQ("0,0 20x1", placeOf(small->getWorkForm()));
    EXPECT_EQ("1,7 1x1", placeOf(small->getLabel()));
    small->setProperty("height", 50);
    EXPECT_EQ(1, numberOf(small->getLabel(), "height")) << "a label height below 1 becomes 1";
}

TEST_F(Dialogs, TheDialogsPictureShowsInItsCommandBar)
{
    startGuiApp();
    TQCdialog* dialog = make<TQCdialog>("pictured", 5, 300, 120);
    dialog->setProperty("labelPixmap", "pictured.xpm");
    short picture = -1, shown = -2;
    dialog->getPropertyV("labelPixmap", &picture);
    dialog->getCmdFormObject()->getChildInstance("bd-t")->getPropertyV("labelPixmap", &shown);
    EXPECT_NE(-1, picture) << "the picture has a number";
    EXPECT_EQ(picture, shown) << "the icon label shows the dialog's picture";
}
