// Lists in a real top-level window under Xvfb, laid out by the update pass
// that follows every handled message: presses and keys posted to the
// windows, Shift ranges typed through SendInput, a thumb dragged on the
// scroll bar, the tree expander, the title bar of a Detail list, and the
// pixels read back. Each scenario runs in a process of its own.
#include "FreshProcess.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "TQDwinScrFrameDev.h"
#include "_TQCguiPolicy.h"
#include "_TQClist.h"
#include "_TQCscrFrame.h"
#include "_TQCsform.h"
#include "_TQCvscrBar.h"
#include "_TQCwindow.h"
#include "_TQGFtrigger.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const DWORD kPatience = 5000;
const int kRow = 20;

long g_selections = 0;
long g_activations = 0;

void countSelection(TQCbase*) { ++g_selections; }
void countActivation(TQCbase*) { ++g_activations; }

// A 300 x 200 list at (10, 10) of a borderless window, under look bit 0:
// its view, and the work window the rows are drawn in, start at (2, 2).
struct ListScene {
    explicit ListScene(const char* what)
    {
        armWatchdog(90000, what);
        startGuiScenario(TQCguiPolicy::LOOK_A);
        window = makeToolkitWindow("w", 50, 60, 320, 220);
        list = new TQClist(window, "lst");
        list->initialize();
        for (auto [name, value] : {std::pair{_TQNx(), 10L}, {_TQNy(), 10L},
                                   {_TQNwidth(), 300L}, {_TQNheight(), 200L}})
            list->setProperty(name, TQCvariant(value));
        list->addProcedureV("sel", "countSelection", countSelection,
                            TQClist::TRIGGER_ITEM_SELECTED);
        list->addProcedureV("act", "countActivation", countActivation, TQEV_ACTIVATE);
        list->setVisible(1);
    }
    void show()
    {
        requireInChild(showAndPaint(window), "the window is painted");
        frameDev = scrFrameDevOf(list);
        requireInChild(frameDev != nullptr, "the rows lie on the scrolled-frame device");
    }
    // Changes made by the program are laid out by the update pass that
    // follows the next handled message: a pointer move over the frame.
    void settle() { post(formWindowOf(list), WM_MOUSEMOVE, 0, 0, 0); }
    void setText(const char* name, const char* text)
    {
        list->setPropertyV(name, text);
        settle();
    }
    // A pointer message to a window, with the pointer itself put there
    // (the widgets that hand presses on read it), then every message it
    // leads to.
    static void post(HWND target, UINT message, WPARAM wParam, int x, int y)
    {
        postInput(target, message, wParam, MAKELPARAM(x, y));
        pumpPendingMessages(kPatience);
    }
    static void key(HWND target, WPARAM vk)
    {
        PostMessageA(target, WM_KEYDOWN, vk, 0x00000001);
        PostMessageA(target, WM_KEYUP, vk, 0xC0000001);
        pumpPendingMessages(kPatience);
    }
    // A click in the work window, where the rows are.
    void clickRow(int x, int y)
    {
        HWND work = frameDev->getHWND();
        post(work, WM_MOUSEMOVE, 0, x, y);
        post(work, WM_LBUTTONDOWN, MK_LBUTTON, x, y);
        post(work, WM_LBUTTONUP, 0, x, y);
    }
    COLORREF viewPixel(int x, int y) { return windowPixel(frameDev->getViewport(), x, y); }
    bool highlighted(int slot) { return viewPixel(250, slot * kRow + kRow / 2) == highlight; }
    long value(const char* name) { return list->getProperty(name).getLong(); }
    long rowY(long pos) { return list->getLabel(pos)->getProperty(_TQNy()).getLong(); }

    TQCwindow* window;
    TQClist* list;
    TQDwinScrFrameDev* frameDev = nullptr;
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
};

std::string rowsText(long count)
{
    std::string text;
    for (long i = 0; i < count; ++i)
        text += "row " + std::to_string(i) + (i + 1 < count ? "\n" : "");
    return text;
}

void pressAndKeyScenario()
{
    ListScene scene("the press and key scenario hung");
    scene.show();
    scene.setText("data", "a\nb\nc");
    scene.clickRow(100, 30);
    requireInChild(scene.list->getSelectedPos() == 1, "a click selects the row under it");
    requireInChild(g_activations == 1 && g_selections == 1,
                   "the list's ACTIVATE and ITEM-SELECTED ran once each");
    requireInChild(scene.highlighted(1), "the selected row is filled with COLOR_HIGHLIGHT");
    requireInChild(!scene.highlighted(0) && !scene.highlighted(2), "and no other row");

    ListScene::key(scene.frameDev->getHWND(), VK_DOWN);
    requireInChild(scene.list->getSelectedPos() == 2 && g_selections == 2,
                   "Down selects the next row and fires ITEM-SELECTED");
    requireInChild(scene.highlighted(2) && !scene.highlighted(1), "the highlight follows");
    passInChild();
}

// Every seventh row is selected, so that the rows in view can be told
// apart by their pixels after the thumb is dragged.
void longListScenario()
{
    ListScene scene("the long list scenario hung");
    scene.list->setProperty("workWidth", TQCvariant(280L));
    scene.show();
    scene.setText("data", rowsText(1200).c_str());
    requireInChild(!scene.list->getNoScroll(), "1,200 rows of 20 pixels scroll for real");
    requireInChild(scene.rowY(1199) == 1199 * kRow, "every row stands at its slot");
    requireInChild(scene.value("workHeight") == 24000, "the work area holds them all");

    scene.list->addItem("row 1200", -1);
    scene.settle();
    requireInChild(scene.list->getNoScroll() == 1, "1,201 rows scroll virtually");
    requireInChild(scene.rowY(0) == 0 && scene.rowY(20) == -2 * kRow,
                   "rows out of view are parked at -40");
    requireInChild(scene.value("workHeight") == 24020, "the work height is that of all rows");

    scene.list->setProperty("multiSelect", TQCvariant(1L));
    for (long i = 0; i < 1201; i += 7)
        scene.list->setSelectPos(i, 0);
    scene.settle();

    TQCvscrBar* bar = scene.list->getVScrBar();
    auto number = [bar](const char* name) { return bar->getProperty(name).getLong(); };
    long bx = number(_TQNx()), by = number(_TQNy());
    long bw = number(_TQNwidth()), bh = number(_TQNheight());
    long thumb = 0;
    while (thumb < bh &&
           bar->_bar_in(static_cast<short>(bw / 2), static_cast<short>(thumb), 0, 0,
                        static_cast<unsigned short>(bw), static_cast<unsigned short>(bh),
                        static_cast<unsigned short>(number(_TQNshadowThickness()))) !=
               TQCvscrBar::PART_THUMB)
        ++thumb;
    requireInChild(thumb < bh, "the bar has a thumb");
    HWND form = formWindowOf(scene.list);
    int x = static_cast<int>(bx + bw / 2), y = static_cast<int>(by + thumb + 2);
    ListScene::post(form, WM_MOUSEMOVE, 0, x, y);
    ListScene::post(form, WM_LBUTTONDOWN, MK_LBUTTON, x, y);
    ListScene::post(form, WM_MOUSEMOVE, MK_LBUTTON, x, y + 40);
    ListScene::post(form, WM_LBUTTONUP, 0, x, y + 40);
    long V = scene.value("vbarValue");
    requireInChild(V > 0 && V % kRow == 0, "the drag scrolls by whole rows");
    long first = V / kRow;
    requireInChild(scene.list->getTopPos() == first, "the top row is the one at the value");
    for (int slot = 0; slot < 8; ++slot) {
        bool selected = (first + slot) % 7 == 0;
        requireInChild(scene.highlighted(slot) == selected,
                       "each slot in view shows the row that belongs there");
    }
    passInChild();
}

// Shift and Control ranges need the modifier state that only real input
// sets, so they are typed through SendInput.
void typeChord(std::vector<WORD> chord)
{
    std::vector<INPUT> inputs;
    for (bool up : {false, true}) {
        for (size_t i = 0; i < chord.size(); ++i) {
            WORD vk = up ? chord[chord.size() - 1 - i] : chord[i];
            INPUT input = {};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = vk;
            input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
            input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
            inputs.push_back(input);
        }
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void shiftRangeScenario()
{
    ListScene scene("the Shift range scenario hung");
    scene.list->setProperty("multiSelect", TQCvariant(1L));
    scene.show();
    scene.setText("data", rowsText(8).c_str());
    HWND top = clientWindowOf(scene.window);
    SetForegroundWindow(top);
    SetFocus(scene.frameDev->getHWND());
    pumpMessagesFor(100);
    scene.clickRow(100, 3 * kRow + 10);
    typeChord({VK_SHIFT, VK_DOWN});
    pumpMessagesUntil([&] { return scene.list->getSelected(4) != 0; }, kPatience);
    requireInChild(scene.list->getSelected(3) && scene.list->getSelected(4),
                   "Shift+Down from row 3 selects rows 3 and 4");
    long before = g_selections;
    typeChord({VK_SHIFT, VK_DOWN});
    pumpMessagesUntil([&] { return scene.list->getSelected(5) != 0; }, kPatience);
    pumpPendingMessages(kPatience);
    for (long i = 0; i < 8; ++i)
        requireInChild((scene.list->getSelected(i) != 0) == (i >= 3 && i <= 5),
                       "from anchor 3 at row 4, Shift+Down selects rows 3 to 5 only");
    requireInChild(g_selections == before + 1, "and fires ITEM-SELECTED once");
    requireInChild(TQCbase::getFocusInstance() == scene.list->getLabel(5),
                   "the focus is on row 5");
    passInChild();
}

void expanderScenario()
{
    ListScene scene("the expander scenario hung");
    scene.list->setProperty("type", TQCvariant(static_cast<long>(TQClist::TYPE_TREE)));
    scene.show();
    scene.setText("data", "0,0,Root\n1,0,Leaf\n0,0,Next");
    requireInChild(!scene.list->getLabel(1)->getOwnVisible() && scene.rowY(2) == kRow,
                   "the child of a closed row is hidden and takes no slot");
    scene.clickRow(10, 10);
    long open = 0;
    scene.list->getItemValue(0, 0, &open);
    requireInChild(open == 1, "a press on the box opens the row");
    requireInChild(scene.list->getLabel(1)->getOwnVisible() && scene.rowY(1) == kRow &&
                       scene.rowY(2) == 2 * kRow,
                   "its child shows under it and the next row moves down");
    requireInChild(scene.list->getSelectedPos() == -1 && g_selections == 0 &&
                       g_activations == 0,
                   "and nothing is selected");
    passInChild();
}

// The column buttons of the title bar that show.
std::vector<std::string> shownTitles(TQCsform* bar)
{
    std::vector<std::string> titles;
    TQClistData& buttons = bar->getChildren();
    for (long i = 0; i < buttons.getNum(); ++i) {
        TQCbase* button = static_cast<TQCbase*>(buttons.getData(i));
        if (button->getOwnVisible())
            titles.push_back(TQCstring(button->getProperty(_TQNlabelString())).getString());
    }
    return titles;
}

// Bars at 40 and 120 divide the title bar into three column buttons.
void titleBarScenario()
{
    ListScene scene("the title bar scenario hung");
    scene.list->setProperty("titleHeight", TQCvariant(20L));
    requireInChild(scene.value("titleHeight") == 0, "a Normal list keeps no title band");
    scene.list->setProperty("type", TQCvariant(static_cast<long>(TQClist::TYPE_DETAIL)));
    scene.list->setProperty("titleHeight", TQCvariant(20L));
    scene.list->setPropertyV("titleString", "A,B,C");
    scene.list->setPropertyV("barValue", "40,120");
    scene.show();
    scene.setText("data", "b,2,x\na,1,y\nc,3,z");
    TQCsform* bar = scene.list->getTitleBar();
    requireInChild(bar != nullptr && std::string(bar->getInstanceName()) == "sf-lst" &&
                       bar->getVisible(),
                   "a Detail list shows its title bar");
    requireInChild(scene.list->getScrFrame()->getProperty(_TQNy()).getLong() == 22,
                   "the rows start below the 20-pixel title band");
    requireInChild(shownTitles(bar) == std::vector<std::string>{"A", "B", "C"},
                   "two bar positions give three titled column buttons");
    HWND titles = formWindowOf(bar);
    ListScene::post(titles, WM_MOUSEMOVE, 0, 80, 10);
    ListScene::post(titles, WM_LBUTTONDOWN, MK_LBUTTON, 80, 10);
    ListScene::post(titles, WM_LBUTTONUP, 0, 80, 10);
    requireInChild(scene.list->getItem(0, -1) == TQCstring("a,1,y", -2) &&
                       scene.list->getItem(2, -1) == TQCstring("c,3,z", -2),
                   "a click on the second title sorts by the second column");

    ListScene::post(titles, WM_MOUSEMOVE, 0, 40, 10);
    ListScene::post(titles, WM_LBUTTONDOWN, MK_LBUTTON, 40, 10);
    ListScene::post(titles, WM_MOUSEMOVE, MK_LBUTTON, 70, 10);
    ListScene::post(titles, WM_LBUTTONUP, 0, 70, 10);
    requireInChild(TQCstring(scene.list->getProperty("barValue")) == TQCstring("70,120", -2),
                   "dragging the first bar moves the list's first column edge");
    scene.setText("barValue", "60");
    requireInChild(shownTitles(bar) == std::vector<std::string>{"A", "B"},
                   "one bar position hides the third button");
    passInChild();
}

std::vector<std::string> g_inputEvents;

void noteInputStarted(TQCbase*)
{
    g_inputEvents.push_back("started");
}

// INPUT-FIXED sees the row as it was and the input as typed.
void noteInputFixed(TQCbase* object)
{
    TQClist* list = static_cast<TQClist*>(object);
    long pos = -1;
    list->getInputPos(&pos, nullptr);
    g_inputEvents.push_back(std::string("fixed ") + list->getItem(pos, -1).getString() + " -> " +
                            list->getInputString().getString());
}

struct EditScene : ListScene {
    explicit EditScene(const char* what) : ListScene(what), clock(12 * 3600 * 1000L)
    {
        list->setProperty("enableInput", TQCvariant(1L));
        list->addProcedureV("in", "noteInputStarted", noteInputStarted,
                            TQClist::TRIGGER_INPUT_STARTED);
        list->addProcedureV("fix", "noteInputFixed", noteInputFixed,
                            TQClist::TRIGGER_INPUT_FIXED);
    }
    // A press at (x, y) of the work window and its release at (x, releaseY).
    void press(long afterMs, int x, int y, int releaseY)
    {
        clock.advance(afterMs);
        HWND work = frameDev->getHWND();
        post(work, WM_MOUSEMOVE, 0, x, y);
        post(work, WM_LBUTTONDOWN, MK_LBUTTON, x, y);
        post(work, WM_MOUSEMOVE, MK_LBUTTON, x, releaseY);
        post(work, WM_LBUTTONUP, 0, x, releaseY);
    }
    long started() { return static_cast<long>(g_inputEvents.size()); }

    GuiTestClock clock;
};

void doublePressScenario()
{
    EditScene scene("the double press scenario hung");
    scene.show();
    scene.setText("data", "a\nb\nc");
    scene.press(0, 100, 10, 10);
    scene.press(250, 100, 10, 10);
    requireInChild(scene.started() == 0, "presses 250 ms apart start no edit");

    scene.press(1000, 100, 30, 30);
    scene.press(100, 100, 30, 50);
    scene.press(100, 100, 50, 50);
    requireInChild(scene.started() == 0,
                   "a quick press released over another row starts nothing and the "
                   "timing begins afresh");

    scene.press(1000, 100, 30, 30);
    scene.press(249, 100, 30, 30);
    requireInChild(g_inputEvents == std::vector<std::string>{"started"},
                   "presses 249 ms apart on one row start an edit");
    long pos = -1;
    requireInChild(scene.list->getInputPos(&pos, nullptr) == 0 && pos == 1 &&
                       scene.list->getInputString() == TQCstring("b", -2),
                   "the input holds the row's text");
    requireInChild(!scene.list->getLabel(1)->getSensitive(), "the row waits for the edit");

    scene.list->setInputString(TQCstring("bee", -2));
    ListScene::key(scene.frameDev->getHWND(), VK_RETURN);
    requireInChild(g_inputEvents.size() == 2 && g_inputEvents[1] == "fixed b -> bee",
                   "Return fires INPUT-FIXED while the row still holds the old text");
    requireInChild(scene.list->getItem(1, -1) == TQCstring("bee", -2) &&
                       scene.list->getLabel(1)->getSensitive(),
                   "then the row takes the new text and input again");
    passInChild();
}

// Bars at 20 and 60: the third column runs from 60 to the row's end.
void detailColumnScenario()
{
    EditScene scene("the column edit scenario hung");
    scene.list->setProperty("type", TQCvariant(static_cast<long>(TQClist::TYPE_DETAIL)));
    scene.list->setPropertyV("barValue", "20,60");
    scene.show();
    scene.setText("data", "a,b,c");
    scene.press(0, 70, 10, 10);
    scene.press(200, 70, 10, 10);
    long pos = -1, col = -1;
    requireInChild(scene.list->getInputPos(&pos, &col) == 0 && pos == 0 && col == 2,
                   "a start at x 70 edits column 2");
    requireInChild(scene.list->getInputString() == TQCstring("c", -2),
                   "with that column's text");
    scene.list->setInputString(TQCstring("z", -2));
    ListScene::key(scene.frameDev->getHWND(), VK_RETURN);
    requireInChild(scene.list->getItem(0, -1) == TQCstring("a,b,z", -2),
                   "Return replaces that column only");
    passInChild();
}

// Row 1 takes digits only.
void switchAndDigitsScenario()
{
    EditScene scene("the digits-only scenario hung");
    scene.list->setInputStatus(2, 1, 0);
    scene.show();
    scene.setText("data", "1\n2");
    scene.press(0, 100, 10, 10);
    scene.press(100, 100, 10, 10);
    scene.list->setInputString(TQCstring("9", -2));
    scene.press(1000, 100, 30, 30);
    scene.press(100, 100, 30, 30);
    requireInChild(g_inputEvents == std::vector<std::string>{"started", "fixed 1 -> 9", "started"},
                   "starting on another row fixes the first edit before the second starts");
    for (char c : {'a', '7', '+'})
        ListScene::post(scene.frameDev->getHWND(), WM_CHAR, static_cast<WPARAM>(c), 0, 0);
    std::string typed = scene.list->getInputString().getString();
    requireInChild(typed.find('7') != std::string::npos && typed.find('+') != std::string::npos &&
                       typed.find('a') == std::string::npos,
                   "a digits-only cell takes digits and signs, not letters");
    delete scene.list;
    pumpPendingMessages(kPatience);
    requireInChild(g_inputEvents.size() == 3, "a list deleted while editing writes nothing back");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(ListOnWindowDeathTest, DoublePressEditsARowAndReturnFixesIt,
                      doublePressScenario(), "")

TQ_FRESH_PROCESS_TEST(ListOnWindowDeathTest,
                      EditingAnotherRowFixesTheFirstAndDigitCellsRefuseLetters,
                      switchAndDigitsScenario(), "")

TQ_FRESH_PROCESS_TEST(ListOnWindowDeathTest, DoublePressInADetailListEditsTheColumnUnderThePointer,
                      detailColumnScenario(), "")

TQ_FRESH_PROCESS_TEST(ListOnWindowDeathTest, ClickAndDownSelectAndTheRowShowsTheHighlight,
                      pressAndKeyScenario(), "")

TQ_FRESH_PROCESS_TEST(ListOnWindowDeathTest, LongListsScrollVirtuallyAndShowTheRightRowsAfterADrag,
                      longListScenario(), "")

TQ_FRESH_PROCESS_TEST(ListOnWindowDeathTest, ShiftDownExtendsTheRangeFromTheAnchor,
                      shiftRangeScenario(), "")

TQ_FRESH_PROCESS_TEST(ListOnWindowDeathTest, ExpanderPressOpensTheRowWithoutSelectingIt,
                      expanderScenario(), "")

TQ_FRESH_PROCESS_TEST(ListOnWindowDeathTest, TitleBarClicksSortAndDragsMoveTheColumns,
                      titleBarScenario(), "")
