// Top-level window: properties and the keys they hand the device, showing,
// hiding and the exit rule, closing from the frame and the active window.
#include "CapturedText.h"
#include "FakeAppDev.h"
#include "FakeResources.h"
#include "FreshProcess.h"
#include "ProbeWindow.h"
#include "SampleWidgets.h"
#include "_TQCbaseList.h"
#include "_TQGFdebug.h"
#include "_TQGFtrigger.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace {

typedef std::vector<std::string> Log;
Log& trail() { return probeWindowLog(); }

void logExit1(TQCbase*) { trail().push_back("exit1"); }
void logExit2(TQCbase*) { trail().push_back("exit2"); }
void logVisible(TQCbase*) { trail().push_back("visible"); }
void logClosed(TQCbase*) { trail().push_back("closed"); }
void logHandler() { trail().push_back("handler"); }
void showAgainWhenHidden(TQCbase* w)
{
    if (!w->getOwnVisible())
        w->setVisible(1);
}

class Window : public ::testing::Test {
protected:
    void SetUp() override
    {
        TQDtimer::setCreateInstanceHandler(FakeTimer::create);
        trail().clear();
    }
    void TearDown() override
    {
        for (TQCbase* w : made)
            delete w;
        TQGIappDevice()->clearDeleteList();
        TQCwindow::setGlobalExitHandler(nullptr);
        TQGFsetActiveWindow(nullptr);
        TQGFsetActiveWindow(nullptr);
    }
    ProbeWindow* make(const char* name, bool show = false)
    {
        ProbeWindow* w = ProbeWindow::make(name);
        made.push_back(w);
        if (show)
            w->setVisible(1);
        return w;
    }

    std::vector<TQCbase*> made;
};

} // namespace

TEST_F(Window, VersionCheckAcceptsTheSameTenthAndNamesTheClassOtherwise)
{
    EXPECT_NE(0, TQCwindow::checkVersion(1009));
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(0, TQCwindow::checkVersion(1010));
    EXPECT_EQ("VERSION error. class=TQCwindow object_version=1000  <- differ -> object_version=1010\n",
              capturedStderr());
}

TEST_F(Window, PropertiesKeepTheirBitsTheNameAndChangeNothingWhenEqual)
{
    ProbeWindow* w = make("first", true);
    EXPECT_STREQ("first", w->getProperty(_TQNname()).getCharPtrConst()) << "not reset by the default";
    w->setPropertyV(_TQNname(), "second");
    EXPECT_EQ(w, TQGIappObjectList()->getInstance("TQCwindow", "second"));
    w->setPropertyV(_TQNshadowThickness(), static_cast<unsigned char>(17));
    EXPECT_EQ(1, w->getProperty(_TQNshadowThickness()).getUnsignedChar());

    w->update();
    trail().clear();
    long adjusted = w->adjustForms;
    w->setPropertyV(_TQNwidth(), static_cast<unsigned short>(100));
    EXPECT_EQ(adjusted, w->adjustForms) << "the width it already has";
    EXPECT_EQ(0, w->isNeedUpdate());
    EXPECT_EQ(Log{}, trail());
}

TEST_F(Window, DeviceSetUpHandsOverEverySettingThenTheParent)
{
    ProbeWindow* owner = make("owner", true);
    ProbeWindow* w = ProbeWindow::make("dlg", owner);
    w->setPropertyV(_TQNtitleBar(), static_cast<char>(6));
    w->setPropertyV(_TQNtitleString(), "Title");
    w->setPropertyV(_TQNx(), static_cast<short>(10));
    w->setPropertyV(_TQNy(), static_cast<short>(20));
    w->setPropertyV(_TQNwidth(), static_cast<unsigned short>(120));
    w->setPropertyV(_TQNmouse(), static_cast<unsigned short>(3));
    EXPECT_EQ(1, w->adjustForms) << "width set before the device exists";
    trail().clear();
    w->setVisible(1);
    trail().resize(std::min<size_t>(13, trail().size()));
    EXPECT_EQ((Log{"5=0", "25=1", "28=3", "0=10", "1=20", "2=120", "3=30", "4=-1", "16=-1",
                   "6=0", "22=Title", "events 0xe00", "27=owner"}),
              trail());
    trail().clear();
    w->setPropertyV(_TQNtitleBar(), static_cast<char>(3));
    w->setPropertyV(_TQNtitleBar(), static_cast<char>(6));
    EXPECT_EQ((Log{"25=0", "5=3", "25=1", "5=0"}), trail()) << "realised: the pop-up flag first";
}

TEST_F(Window, FirstShowResizesOnceToTheWindowsOwnGeometry)
{
    ProbeWindow* w = make("w");
    w->setPropertyV(_TQNx(), static_cast<short>(5));
    w->setPropertyV(_TQNy(), static_cast<short>(6));
    w->setPropertyV(_TQNheight(), static_cast<unsigned short>(40));
    w->setVisible(1);
    w->setVisible(0);
    w->setVisible(1);
    Log resizes;
    std::copy_if(trail().begin(), trail().end(), std::back_inserter(resizes),
                 [](const std::string& e) { return e.compare(0, 7, "resize ") == 0; });
    EXPECT_EQ(Log{"resize 5,6,100,40"}, resizes);
}

TEST_F(Window, HidingAnExitWindowRunsTheHandlerThenEachExitProcedureOnce)
{
    ProbeWindow* w = make("w", true);
    w->setPropertyV(_TQNexit(), static_cast<unsigned char>(1));
    w->addProcedureV("e1", "logExit1", logExit1, TQCwindow::TRIGGER_EXIT);
    w->addProcedureV("e2", "logExit2", logExit2, TQCwindow::TRIGGER_EXIT);
    w->addProcedureV("v", "logVisible", logVisible, TQEV_VISIBLE_CH);
    trail().clear();
    w->setVisible(0);
    TQCwindow::setGlobalExitHandler(logHandler);
    w->setVisible(1);
    w->setVisible(0);
    EXPECT_EQ((Log{"hide", "exit1", "exit2", "visible", "show", "visible", "hide", "handler",
                   "exit1", "exit2", "visible"}),
              trail());
}

// Shows asked for from an "EXIT" or a visibility procedure; one window is
// destroyed before the tick.
TEST_F(Window, AShowFromInsideTheWindowsOwnVisibilityChangeWaitsForTheNextTick)
{
    ProbeWindow* exiting = make("exiting", true);
    exiting->setPropertyV(_TQNexit(), static_cast<unsigned char>(1));
    exiting->addProcedureV("again", "showAgainWhenHidden", showAgainWhenHidden,
                           TQCwindow::TRIGGER_EXIT);
    ProbeWindow* stubborn = make("stubborn", true);
    ProbeWindow* gone = ProbeWindow::make("gone");
    gone->setVisible(1);
    for (TQCbase* w : {static_cast<TQCbase*>(stubborn), static_cast<TQCbase*>(gone)})
        w->addProcedureV("again", "showAgainWhenHidden", showAgainWhenHidden, TQEV_VISIBLE_CH);
    exiting->setVisible(0);
    stubborn->setVisible(0);
    gone->setVisible(0);
    EXPECT_EQ(0, exiting->getVisible() + stubborn->getVisible());
    delete gone;
    static_cast<FakeTimer*>(TQGIappTimer())->tick();
    EXPECT_EQ(1, exiting->getVisible());
    EXPECT_EQ(1, stubborn->getVisible());
    EXPECT_EQ(1, exiting->device()->getVisible());
}

TEST_F(Window, UniqueWindowHidesOnlyTheOtherWindowsOfItsGroup)
{
    ProbeWindow* same = make("same", true);
    same->setPropertyV(_TQNgroup(), "g");
    ProbeWindow* other = make("other", true);
    other->setPropertyV(_TQNgroup(), "h");
    ProbeWindow* none = make("none", true);
    ProbeWindow* w = make("w");
    w->setPropertyV(_TQNgroup(), "g");
    w->setPropertyV(_TQNunique(), static_cast<unsigned char>(1));
    w->setVisible(1);
    EXPECT_EQ(0, same->getVisible());
    EXPECT_EQ(3, other->getVisible() + none->getVisible() + w->getVisible())
        << "another group, no group, the window itself";
}

// As the window device does when the user closes a window from its frame.
TEST_F(Window, ClosingWhileClosingIsOffKeepsTheWindowAndTellsIt)
{
    ProbeWindow* w = make("w", true);
    w->addProcedureV("c", "logClosed", logClosed, TQDwindowDev::TRIGGER_WINDOW_CLOSED);
    EXPECT_EQ(1, TQGFgetWindowEnableClose(w));
    w->setEnableClose(2);
    ASSERT_EQ(0, TQGFgetWindowEnableClose(w)) << "only bit 0 counts";
    trail().clear();
    EXPECT_EQ(0, w->execEventProc(TQDwindowDev::TRIGGER_WINDOW_CLOSED, nullptr));
    EXPECT_EQ((Log{"onWindowClose", "closed"}), trail());
    EXPECT_EQ(1, w->getVisible());
}

TEST_F(Window, ActiveWindowComesBackFromTheDeviceAndLeavesOnClearingOrHiding)
{
    ProbeWindow* w = make("w");
    SampleWidget widget(nullptr, "widget");
    EXPECT_EQ(-1, TQGFsetActiveWindow(w)) << "hidden";
    EXPECT_EQ(-1, TQGFsetActiveWindow(&widget)) << "not a top-level window";
    w->setVisible(1);
    trail().clear();
    EXPECT_EQ(0, TQGFsetActiveWindow(w));
    EXPECT_EQ(Log{"29=1"}, trail());
    EXPECT_EQ(nullptr, TQGFgetActiveWindow()) << "until the activation comes back";
    w->onFocusChange(1);
    EXPECT_EQ(w, TQGFgetActiveWindow());
    TQGFsetActiveWindow(nullptr);
    EXPECT_EQ(nullptr, TQGFgetActiveWindow());
    EXPECT_EQ(w, TQGFgetPreActiveWindow());

    TQCwindow::_set_active_instance(w);
    w->setVisible(0);
    EXPECT_EQ(nullptr, TQGFgetActiveWindow()) << "hidden";
    w->setVisible(1);
    EXPECT_EQ(nullptr, TQGFgetActiveWindow()) << "shown again, not activated";
}

TEST_F(Window, DestroyedWindowIsNeverHandedOutAsActiveOrPreActive)
{
    ProbeWindow* first = ProbeWindow::make("first");
    ProbeWindow* second = ProbeWindow::make("second");
    first->setVisible(1);
    second->setVisible(1);
    TQCwindow::_set_active_instance(first);
    TQCwindow::_set_active_instance(second);
    delete first;
    EXPECT_EQ(nullptr, TQGFgetPreActiveWindow());
    delete second;
    EXPECT_EQ(nullptr, TQGFgetActiveWindow());
    EXPECT_EQ(nullptr, TQGFgetPreActiveWindow());
}

namespace {

// Only a normal run ends: the message says mode 1 got through, and the
// last hide must not come back.
void exitRuleEndsOnlyANormalRun()
{
    TQDappDev::setCreateInstanceHandler(FakeAppDev::create);
    TQGIappDev()->setMode(1);
    ProbeWindow* w = ProbeWindow::make("main");
    w->setPropertyV(_TQNexit(), static_cast<unsigned char>(1));
    w->setVisible(1);
    w->setVisible(0);
    std::fprintf(stderr, "mode 1 lived on\n");
    TQGIappDev()->setMode(0);
    w->setVisible(1);
    w->setVisible(0);
    requireInChild(false, "the program ended");
}

} // namespace

TQ_FRESH_PROCESS_TEST(WindowExit, HidingTheExitWindowWithoutProceduresEndsANormalRunWithCodeZero,
                      exitRuleEndsOnlyANormalRun(), "mode 1 lived on")
