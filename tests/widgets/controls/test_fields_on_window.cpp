// Input fields, toggles, radio and option buttons on a form in a top-level
// window, on the real devices under Xvfb: posted key and mouse messages
// edit, select and move the focus, the clipboard carries text between
// fields, a long text scrolls, the cursor blinks on the real timer, the
// input method opens in each mode, clicks switch toggles and radio members,
// and the option menu pops up over its button and chooses. Widths come from
// the font set, colours from the system. Each scenario runs in a process of
// its own.
#include "FreshProcess.h"
#include "GuiControlScene.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "TQDwinwinDev.h"
#include "_TQCbaseList.h"
#include "_TQCfontSet.h"
#include "_TQCoption.h"
#include "_TQCvifield.h"
#include "_TQCvradio.h"
#include "_TQDfont.h"
#include "_TQGFtrigger.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <imm.h>

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

Log g_log;

template <long Trigger>
void note(TQCbase* object)
{
    g_log.push_back(std::string(object->getInstanceName()) + " " + TQGFtriggerToName(Trigger));
}

void notePicked(TQCbase* object)
{
    g_log.push_back(std::string(object->getInstanceName()) + " picked");
}

// A field that shows which character its view starts with.
class ViewField : public TQCvifield {
public:
    using TQCvifield::TQCvifield;
    long firstShown() const { return m_firstShown; }
};

std::string text(TQCvifield* field)
{
    return field->getString().getString(16);
}

long width(const std::string& s)
{
    return TQGIappFontSet()->getFont(0)->getStringWidth(s.c_str(), -2);
}

// A point a quarter into character i of the text of a field at x, whose
// text area starts 4 pixels in: the cursor goes before that character.
int insideOf(long fieldX, const std::string& s, size_t i)
{
    return static_cast<int>(fieldX + 4 + width(s.substr(0, i)) + width(s.substr(i, 1)) / 4);
}

void editingScenario()
{
    armWatchdog(30000, "the field editing scenario hung");
    GuiControlScene scene;
    TQCvifield* one = scene.add<TQCvifield>("one", 10, 10, 150, 24);
    TQCvifield* two = scene.add<TQCvifield>("two", 10, 50, 150, 24);
    one->setPropertyV(_TQNenableFocusMove(), static_cast<unsigned char>(1));
    two->addProcedureV("a", nullptr, note<TQEV_ACTIVATE>, TQEV_ACTIVATE);
    scene.show();

    scene.click(20, 22);
    requireInChild(TQCbase::getFocusInstance() == one, "a click gives the field the focus");
    scene.type("hello world");
    scene.key(VK_HOME);
    scene.key(VK_RIGHT);
    scene.type("x");
    scene.key(VK_DELETE);
    scene.key(VK_END);
    scene.key(VK_BACK);
    requireInChild(text(one) == "hxllo worl", "typed, moved, deleted backwards and forwards");

    scene.hold({VK_SHIFT}, true);
    scene.key(VK_LEFT);
    scene.key(VK_LEFT);
    scene.hold({VK_SHIFT}, false);
    scene.hold({VK_CONTROL}, true);
    scene.key('C');
    scene.hold({VK_CONTROL}, false);
    requireInChild(clipboardText() == "rl", "Shift+Left selects, Ctrl+C puts it on the clipboard");

    scene.key(VK_TAB);
    requireInChild(TQCbase::getFocusInstance() == two, "Tab moves the focus on");
    scene.hold({VK_CONTROL}, true);
    scene.key('V');
    scene.hold({VK_CONTROL}, false);
    requireInChild(text(two) == "rl", "Ctrl+V pastes from the clipboard");
    scene.key(VK_RETURN);
    requireInChild(g_log == Log{"two TQEV_ACTIVATE"} && text(two) == "rl",
                   "Return activates and adds nothing");

    // A drag from the second character to the fifth.
    std::string hello = "hello world";
    one->setPropertyV(_TQNlabelString(), hello.c_str());
    int from = insideOf(10, hello, 1), to = insideOf(10, hello, 4);
    // The real pointer stands where the drag happens, so the tick's check
    // for a pointer that left the window finds it inside.
    POINT start = {from, 22};
    ClientToScreen(scene.hwnd(), &start);
    SetCursorPos(start.x, start.y);
    scene.post(WM_MOUSEMOVE, 0, from, 22);
    scene.post(WM_LBUTTONDOWN, MK_LBUTTON, from, 22);
    scene.post(WM_MOUSEMOVE, MK_LBUTTON, to, 22);
    scene.post(WM_LBUTTONUP, 0, to, 22);
    requireInChild(std::string(one->getSelectedString().getString(16)) == "ell",
                   "the drag selects three characters");
    passInChild();
}

// Waits until the cursor is shown (or hidden), as the blink timer has it.
bool cursorBecomes(TQCvifield* field, bool shown)
{
    return pumpMessagesUntil([field, shown] { return (field->getCursorFore() != 0) == shown; },
                             2000);
}

void viewScenario()
{
    armWatchdog(30000, "the field view scenario hung");
    GuiControlScene scene;
    ViewField* field = scene.add<ViewField>("v", 10, 10, 60, 24);
    TQCvifield* dimmed = scene.add<TQCvifield>("d", 10, 50, 80, 24);
    dimmed->setPropertyV(_TQNlabelString(), "MMM");
    dimmed->setSensitive(0);
    scene.show();

    std::string alphabet = "abcdefghijklmnopqrstuvwxyz";
    field->setPropertyV(_TQNlabelString(), alphabet.c_str());
    scene.click(20, 22);
    scene.key(VK_END);
    long first = field->firstShown();
    long room = 60 - 8;
    requireInChild(first > 0 && width(alphabet.substr(first)) <= room &&
                       width(alphabet.substr(first - 1)) > room,
                   "at the end the view starts where the text left of the cursor just fits");
    scene.key(VK_HOME);
    requireInChild(field->firstShown() == 0, "Home shows the first character at once");

    // The insert cursor is a bar in the text colour after the last character.
    field->setPropertyV(_TQNlabelString(), "ab");
    scene.key(VK_END);
    int barX = 10 + 4 + static_cast<int>(width("ab"));
    COLORREF ink = GetSysColor(COLOR_BTNTEXT);
    COLORREF paper = GetSysColor(COLOR_WINDOW);
    requireInChild(cursorBecomes(field, false), "the cursor goes out on the timer");
    requireInChild(scene.pixel(barX, 22) == paper, "hidden: the window colour at the cursor");
    requireInChild(cursorBecomes(field, true), "and comes back");
    requireInChild(scene.pixel(barX, 22) == ink, "shown: the bar in the text colour");

    scene.click(20, 62);
    requireInChild(TQCbase::getFocusInstance() != dimmed, "an insensitive field takes no focus");
    auto shot = captureWindow(scene.hwnd(), 14, 54, 72, 16);
    requireInChild(shot->count(0, 0, 72, 16, ink) > 0, "its text is drawn");
    passInChild();
}

void inputMethodScenario()
{
    armWatchdog(30000, "the input method scenario hung");
    GuiControlScene scene;
    TQCvifield* field = scene.add<TQCvifield>("f", 10, 10, 150, 24);
    TQCvifield* other = scene.add<TQCvifield>("g", 10, 50, 150, 24);
    scene.show();
    const DWORD conversions[] = {0, 0, IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE | IME_CMODE_ROMAN,
                                 IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE | IME_CMODE_KATAKANA,
                                 IME_CMODE_NATIVE | IME_CMODE_KATAKANA};
    for (unsigned char mode : {2, 3, 4}) {
        field->setPropertyV(_TQNenableFep(), mode);
        scene.click(20, 22);
        requireInChild(TQCbase::getFocusInstance() == field, "focused");
        HIMC context = ImmGetContext(scene.hwnd());
        DWORD conversion = 0, sentence = 0;
        if (context != nullptr) {
            requireInChild(ImmGetOpenStatus(context), "open on focus");
            if (ImmGetConversionStatus(context, &conversion, &sentence))
                requireInChild(conversion == conversions[mode], "in the mode's conversion");
        }
        scene.type("a");
        scene.click(20, 62);
        requireInChild(TQCbase::getFocusInstance() == other, "left");
        if (context != nullptr) {
            requireInChild(!ImmGetOpenStatus(context), "closed on leaving");
            ImmReleaseContext(scene.hwnd(), context);
        }
    }
    requireInChild(text(field) == "aaa", "typing reached the field in every mode");
    passInChild();
}

void toggleScenario()
{
    armWatchdog(30000, "the toggle scenario hung");
    GuiControlScene scene;
    TQCvtoggle* toggle = scene.add<TQCvtoggle>("t", 10, 10, 100, 24);
    TQCvradio* red = scene.add<TQCvradio>("red", 10, 50, 100, 24);
    TQCvradio* blue = scene.add<TQCvradio>("blue", 10, 80, 100, 24);
    for (TQCvradio* r : {red, blue}) {
        r->setPropertyV(_TQNgroup(), "colour");
        r->setPropertyV(_TQNunique(), static_cast<unsigned char>(1));
    }
    scene.show();

    scene.click(50, 22);
    requireInChild(toggle->getStatus() == 1, "a click switches the toggle on");
    scene.click(50, 22);
    requireInChild(toggle->getStatus() == 0, "and off");
    scene.click(50, 62);
    scene.click(50, 92);
    requireInChild(red->getStatus() == 0 && blue->getStatus() == 1,
                   "the second radio takes over");
    // The 16 x 16 indicator starts 3 pixels in, centred vertically.
    requireInChild(scene.pixel(21, 92) == GetSysColor(COLOR_HIGHLIGHT) &&
                       scene.pixel(21, 62) == GetSysColor(COLOR_WINDOW),
                   "the dot of the one on, the empty disc of the other");
    passInChild();
}

TQCbase* popupFrame()
{
    return TQGIappObjectList()->getInstance("TQCpopupFrame", "popup-m");
}

HWND popupWindow()
{
    TQCbase* frame = popupFrame();
    if (frame == nullptr || frame->getowndev() == nullptr)
        return nullptr;
    return static_cast<TQDwinwinDev*>(frame->getowndev()->cast("TQDwinwinDev"))->getShell();
}

// The button's right part lies beyond the screen's right edge: the menu
// opens moved left so that it ends at the edge.
void optionScenario()
{
    armWatchdog(30000, "the option scenario hung");
    int screenW = GetSystemMetrics(SM_CXSCREEN);
    short left = static_cast<short>(screenW - 70);
    GuiControlScene scene(left, 60, 60, 60);
    TQCoption* option = scene.add<TQCoption>("o", 10, 10, 100, 24);
    option->setPropertyV(_TQNmenuItems(), "A:1,B:2:pickB,C:3");
    option->addProcedureV("v", nullptr, note<TQEV_VALUE_CH>, TQEV_VALUE_CH);
    option->addProcedureV("pickB", nullptr, notePicked, -1);
    option->addProcedureV("a", nullptr, note<TQEV_ACTIVATE>, TQEV_ACTIVATE);
    scene.show();

    SetCursorPos(left + 30, 60 + 22);
    scene.post(WM_MOUSEMOVE, 0, 20, 22);
    scene.post(WM_LBUTTONDOWN, MK_LBUTTON, 20, 22);
    HWND menu = popupWindow();
    RECT placed = {};
    requireInChild(menu != nullptr && IsWindowVisible(menu) && GetWindowRect(menu, &placed),
                   "the press shows the menu window");
    requireInChild(placed.left == screenW - 100 && placed.right == screenW && placed.top == 70 &&
                       placed.bottom == 70 + 3 * 24 + 4,
                   "over the button, as wide as it, clamped to the screen's right edge");

    // Over the middle of the second row.
    SetCursorPos(screenW - 50, 70 + 2 + 24 + 12);
    scene.post(WM_MOUSEMOVE, MK_LBUTTON, 40, 48);
    requireInChild(windowPixel(menu, 60, 2 + 24 + 4) == GetSysColor(COLOR_HIGHLIGHT),
                   "the row under the pointer is highlighted");
    scene.post(WM_LBUTTONUP, 0, 40, 48);
    requireInChild(!IsWindowVisible(menu) || !popupFrame()->getVisible(), "the menu goes down");
    requireInChild(g_log == Log{"o TQEV_VALUE_CH", "o picked", "o TQEV_ACTIVATE"},
                   "VALUE_CH, the item's procedure, then ACTIVATE");
    requireInChild(option->getValue() == 2 &&
                       std::string(option->getProperty(_TQNlabelString()).getCharPtrConst()) == "B",
                   "the value and label of the item");

    g_log.clear();
    SetCursorPos(left + 30, 60 + 22);
    scene.post(WM_LBUTTONDOWN, MK_LBUTTON, 20, 22);
    menu = popupWindow();
    requireInChild(menu != nullptr && IsWindowVisible(menu), "a second press shows it again");
    SetCursorPos(left - 200, 300);
    scene.post(WM_MOUSEMOVE, MK_LBUTTON, 40, 200);
    scene.post(WM_LBUTTONUP, 0, 40, 200);
    requireInChild(g_log.empty() && option->getValue() == 2, "a release away from it runs nothing");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(FieldsOnWindowDeathTest, KeysAndMouseEditSelectCopyPasteAndMoveTheFocus,
                      editingScenario(), "")

TQ_FRESH_PROCESS_TEST(FieldsOnWindowDeathTest, LongTextScrollsAndTheCursorBlinksOnTheTimer,
                      viewScenario(), "")

TQ_FRESH_PROCESS_TEST(FieldsOnWindowDeathTest, InputMethodOpensInEachModeAndClosesOnLeaving,
                      inputMethodScenario(), "")

TQ_FRESH_PROCESS_TEST(FieldsOnWindowDeathTest, ClicksSwitchTogglesAndRadioMembers,
                      toggleScenario(), "")

TQ_FRESH_PROCESS_TEST(FieldsOnWindowDeathTest, OptionMenuOpensOverTheButtonAndAReleaseChooses,
                      optionScenario(), "")
