// The multi-column list and the directory tree in a real window under Xvfb:
// header clicks sort, a dragged divider moves the second column of every
// row, and presses on the open/close boxes of a directory tree read a
// temporary folder while the selected row keeps its highlight; the first
// presses on a new tree open it and select. Each scenario runs in a process
// of its own.
#include "FreshProcess.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "ScenarioSteps.h"
#include "TQDwinScrFrameDev.h"
#include "TempDir.h"
#include "_TQCdirTree.h"
#include "_TQCguiPolicy.h"
#include "_TQCsform.h"
#include "_TQCverbList.h"
#include "_TQCwindow.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

const DWORD kPatience = 5000;
const int kRow = 20;

// A list of class className, 300 x 400 at (10, 10) of a borderless window.
struct Scene {
    Scene(const char* className, const char* what)
    {
        armWatchdog(90000, what);
        startGuiScenario(TQCguiPolicy::LOOK_A);
        window = makeToolkitWindow("w", 50, 60, 320, 420);
        list = static_cast<TQClist*>(TQCbase::getNewInstance(className, window, "tl"));
        list->initialize();
        for (auto [name, value] : {std::pair{_TQNx(), 10L}, {_TQNy(), 10L},
                                   {_TQNwidth(), 300L}, {_TQNheight(), 400L}})
            list->setProperty(name, TQCvariant(value));
        list->setVisible(1);
    }
    void show()
    {
        requireInChild(showAndPaint(window), "the window is painted");
        frameDev = scrFrameDevOf(list);
        requireInChild(frameDev != nullptr, "the rows lie on the scrolled-frame device");
    }
    // The update pass that follows a handled message lays out what changed.
    void settle()
    {
        PostMessageA(formWindowOf(list), WM_MOUSEMOVE, 0, 0);
        pumpPendingMessages(kPatience);
    }
    void press(TQCbase* widget, int x, int y)
    {
        postClickAt(widget, x, y);
        pumpPendingMessages(kPatience);
    }
    // The first pixel from x0 on, in row pos, that is not the row's ground.
    int firstInk(long pos, int x0)
    {
        int y = static_cast<int>(rowY(pos) - value("vbarValue")) + kRow / 2;
        COLORREF ground = viewPixel(295, y);
        for (int x = x0; x < 295; ++x)
            if (viewPixel(x, y) != ground)
                return x;
        return -1;
    }
    COLORREF viewPixel(int x, int y) { return windowPixel(frameDev->getViewport(), x, y); }
    long value(const char* name) { return list->getProperty(name).getLong(); }
    long rowY(long pos) { return list->getLabel(pos)->getProperty(_TQNy()).getLong(); }
    std::string text(long pos) { return list->getItem(pos, -1).getString(); }

    TQCwindow* window;
    TQClist* list;
    TQDwinScrFrameDev* frameDev = nullptr;
};

std::vector<std::string> shownTitles(TQCsform* bar)
{
    std::vector<std::string> titles;
    for (long i = 0; i < bar->getChildren().getNum(); ++i) {
        TQCbase* button = static_cast<TQCbase*>(bar->getChildren().getData(i));
        if (button->getOwnVisible() && std::string(button->getInstanceName()) == "bt-tl")
            titles.push_back(TQCstring(button->getProperty(_TQNlabelString())).getString());
    }
    return titles;
}

void multiColumnScenario()
{
    Scene scene("TQCverbList", "the multi-column scenario hung");
    scene.list->setPropertyV("barValue", "100");
    scene.list->setPropertyV("titleString", "Name,Size");
    scene.list->setPropertyV("data", ",beta,2\n,alpha,1");
    scene.show();
    TQCsform* bar = scene.list->getTitleBar();
    requireInChild(bar != nullptr && std::string(bar->getInstanceName()) == "sf-tl" &&
                       bar->getInternalObject() && bar->getVisible(),
                   "the list shows its internal header sf-tl");
    requireInChild(shownTitles(bar) == std::vector<std::string>{"Name", "Size"},
                   "one position gives two buttons bt-tl, Name and Size");

    TQCbase* name = static_cast<TQCbase*>(bar->getChildren().getData(0));
    scene.press(name, 20, 10);
    requireInChild(scene.list->getUserLongData("SORT-DIR") == 1 && scene.text(0) == "alpha,1",
                   "a click on Name sorts ascending: SORT-DIR 1");
    scene.press(name, 20, 10);
    requireInChild(static_cast<long>(scene.list->getUserLongData("SORT-DIR")) == -1 &&
                       scene.text(0) == "beta,2",
                   "a second click sorts descending: SORT-DIR -1");

    int before = scene.firstInk(0, 90);
    HWND header = formWindowOf(bar);
    for (auto [message, keys, x] : {std::tuple{WM_MOUSEMOVE, 0, 100},
                                    {WM_LBUTTONDOWN, MK_LBUTTON, 100},
                                    {WM_MOUSEMOVE, MK_LBUTTON, 150},
                                    {WM_LBUTTONUP, 0, 150}}) {
        POINT at = {x, 10};
        ClientToScreen(header, &at);
        SetCursorPos(at.x, at.y);
        PostMessageA(header, message, static_cast<WPARAM>(keys), MAKELPARAM(x, 10));
        pumpPendingMessages(kPatience);
    }
    requireInChild(TQCstring(scene.list->getProperty("barValue")) == TQCstring("150", -2),
                   "the dragged divider is the list's barValue");
    requireInChild(scene.text(0) == "beta,2" &&
                       static_cast<long>(scene.list->getUserLongData("SORT-DIR")) == -1,
                   "letting go over the button that moved with the divider sorts nothing");
    scene.settle();
    int after = scene.firstInk(0, 90);
    requireInChild(before > 0 && after == before + 50,
                   "the second column of the rows is drawn 50 pixels further right");

    scene.list->setProperty("type", TQCvariant(0L));
    scene.settle();
    requireInChild(!bar->getOwnVisible() && scene.value("titleHeight") == 0,
                   "type 0 hides the header and gives up its height");
    passInChild();
}

// Rows: the temporary folder opened, with "sub1" (holding "inner") and
// "sub2" under it. sub2 is selected; opening sub1 moves sub2 down a row,
// and it keeps its selection and highlight.
void directoryTreeChecks(const TempDir& tmp)
{
    for (const char* dir : {"sub1/inner", "sub2"})
        std::filesystem::create_directories(std::filesystem::path(tmp.path()) / dir);
    Scene scene("TQCdirTree", "the directory tree scenario hung");
    TQCdirTree* tree = static_cast<TQCdirTree*>(scene.list);
    scene.show();
    requireInChild(tree->setSelectedDirName(tmp.path().c_str(), 1) == 0,
                   "the temporary folder on C: is opened by name");
    long folder = tree->getSelectedPos();
    tree->setTopPos(folder);
    scene.settle();
    long level = 0;
    tree->getItemValue(folder, 1, &level);
    auto at = [&](long pos) { return tree->getLabel(pos); };
    requireInChild(scene.text(folder + 1) == "sub1" && scene.text(folder + 3) == "sub2" &&
                       !at(folder + 2)->getOwnVisible(),
                   "sub1 and sub2 are shown, inner waits hidden under sub1");

    scene.press(at(folder + 3), 150, kRow / 2);
    requireInChild(tree->getSelectedPos() == folder + 3, "a press on sub2 selects it");
    COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    auto lit = [&](long pos) {
        return scene.viewPixel(250, static_cast<int>(scene.rowY(pos) - scene.value("vbarValue")) +
                                        kRow / 2) == highlight;
    };
    requireInChild(lit(folder + 3), "sub2 shows the highlight");

    scene.press(at(folder + 1), kRow * static_cast<int>(level + 1) + kRow / 2, kRow / 2);
    requireInChild(at(folder + 2)->getOwnVisible() && scene.text(folder + 2) == "inner" &&
                       scene.rowY(folder + 3) == scene.rowY(folder + 1) + 2 * kRow,
                   "a press on the box of sub1 shows inner and moves sub2 down");
    requireInChild(tree->getSelectedPos() == folder + 3 && lit(folder + 3) && !lit(folder + 1),
                   "sub2, outside the rebuilt branch, keeps its selection and highlight");
}

// The folder goes before the process ends.
void directoryTreeScenario()
{
    {
        TempDir tmp;
        directoryTreeChecks(tmp);
    }
    passInChild();
}

// A new tree fills itself while its window is first shown, before the
// frame its rows are drawn on had a device: the rows must take presses all
// the same. The first press on the top row's box shows the drives, a press
// on a row's text selects it.
void firstPressScenario()
{
    Scene scene("TQCdirTree", "the first-press scenario hung");
    TQCdirTree* tree = static_cast<TQCdirTree*>(scene.list);
    scene.show();
    requireInChild(tree->getNum() == 2 && scene.text(0) == "My computer" &&
                       !tree->getLabel(1)->getOwnVisible(),
                   "the first layout gives the top row and its hidden child");
    scene.press(tree->getLabel(0), kRow / 2, kRow / 2);
    long open = 0;
    tree->getItemValue(0, 0, &open);
    long drive = -1;
    for (long i = 1; i < tree->getNum(); ++i)
        if (scene.text(i) == "C:")
            drive = i;
    requireInChild(open == 1 && drive > 0 && tree->getLabel(drive)->getOwnVisible(),
                   "the first press on the top row's box opens it and shows drive C:");
    requireInChild(tree->getSelectedPos() == -1, "a press on the box selects nothing");

    scene.press(tree->getLabel(drive), 150, kRow / 2);
    requireInChild(tree->getSelectedPos() == drive &&
                       std::string(tree->getSelectedDirName()) == "C:",
                   "a press on the text of C: selects it");
    scene.press(tree->getLabel(0), 150, kRow / 2);
    requireInChild(tree->getSelectedPos() == 0, "a press on the top row's text selects it");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(TreeListsOnWindowDeathTest, HeaderClicksSortAndADividerDragMovesTheColumn,
                      multiColumnScenario(), "")

TQ_FRESH_PROCESS_TEST(TreeListsOnWindowDeathTest,
                      BoxPressesReadTheFolderAndASelectionOutsideTheBranchStays,
                      directoryTreeScenario(), "")

TQ_FRESH_PROCESS_TEST(TreeListsOnWindowDeathTest, FirstPressesOnANewDirectoryTreeOpenAndSelect,
                      firstPressScenario(), "")
