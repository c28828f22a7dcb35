// The multi-line field and the text field on the real devices under Xvfb:
// typed lines scroll the view to keep the cursor in it, a placed view is
// copied and only the strips it uncovers are exposed, to the same pixels a
// full repaint gives; the text field scrolls by a posted wheel and by a
// click on a bar's arrow. Line heights come from the font set. Each
// scenario runs in a process of its own.
#include "FreshProcess.h"
#include "GuiControlScene.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "TQDwinformDev.h"
#include "_TQCfontSet.h"
#include "_TQCtextField.h"
#include "_TQCvmifield.h"
#include "_TQDfont.h"
#include "_TQDmouse.h"
#include "_TQGFtrigger.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Area {
    long x, y, w, h;
    bool operator==(const Area& o) const { return x == o.x && y == o.y && w == o.w && h == o.h; }
};

// A multi-line field that notes each area exposed to it, in the window's
// coordinates.
class NotingField : public TQCvmifield {
public:
    using TQCvmifield::TQCvmifield;
    long draw() override
    {
        short x = 0, y = 0;
        unsigned short w = 0, h = 0;
        TQDdev* dev = getowndev();
        if (!getAbsoluteDraw() && getVisible() && dev != nullptr &&
            dev->getExposedArea(&x, &y, &w, &h, 0) == 0)
            exposed.push_back({x, y, w, h});
        return TQCvmifield::draw();
    }
    std::vector<Area> exposed;
};

long number(TQCbase* object, const char* property)
{
    return object->getProperty(property).getLong();
}

// The field as it shows now, then as a whole repaint at the same view
// shows it.
bool showsAsRepainted(GuiControlScene& scene, TQCbase* field, const Area& at)
{
    std::unique_ptr<DibSurface> shown = captureWindow(scene.hwnd(), at.x, at.y, at.w, at.h);
    field->setAbsoluteDraw(1);
    field->draw();
    std::unique_ptr<DibSurface> repainted = captureWindow(scene.hwnd(), at.x, at.y, at.w, at.h);
    return shown->differences(*repainted, at.w, at.h) == 0;
}

void multiLineScenario()
{
    armWatchdog(60000, "the multi-line field scenario hung");
    GuiControlScene scene(50, 60, 320, 200);
    const Area at = {20, 20, 200, 80};
    NotingField* field = scene.add<NotingField>("m", at.x, at.y, at.w, at.h);
    scene.show();
    long x = -1, y = -1;
    field->getCursorBase(&x, &y);
    requireInChild(x == 0 && y == 0, "a new field's view starts at (0, 0)");

    scene.click(30, 30);
    for (int i = 0; i < 10; ++i) {
        if (i > 0)
            scene.key(VK_RETURN);
        scene.type(("line 0" + std::to_string(i)).c_str());
    }
    std::string text = field->getString().getString(16);
    requireInChild(text.size() == 79 && std::count(text.begin(), text.end(), '\n') == 9,
                   "Return adds a line feed, and the text goes past maxLength");
    long fh = TQGIappFontSet()->getFont(number(field, _TQNfont()))->getFontHeight();
    long t = number(field, _TQNshadowThickness());
    long areaHeight = at.h - 2 * t - number(field, _TQNmarginTop()) -
                      number(field, _TQNmarginBottom());
    field->getCursorBase(&x, &y);
    requireInChild(y == 10 * fh + 2 - areaHeight,
                   "the tenth line's bottom ends 2 pixels above the text area's");

    field->setFocus(0);
    pumpPendingMessages(5000);
    field->exposed.clear();
    field->setCursorBase(x + 20, y);
    long x0 = at.x + t, y0 = at.y + t, kept = at.w - 20 - 2 * t;
    requireInChild(field->exposed == std::vector<Area>{{x0 + kept - 2, y0 - 2, 24, at.h - 2 * t + 4}},
                   "a move right exposes the strip it uncovers on the right, 2 pixels wider");
    requireInChild(showsAsRepainted(scene, field, at), "copied right, as repainted");
    field->setCursorBase(x + 20, y - 2 * fh);
    requireInChild(showsAsRepainted(scene, field, at), "copied down, as repainted");

    field->exposed.clear();
    field->setCursorBase(0, y + 70000);
    requireInChild(field->exposed == std::vector<Area>{{x0, y0, at.w - 2 * t, at.h - 2 * t}},
                   "a jump beyond 16 bits exposes the whole inside");
    field->exposed.clear();
    field->setCursorBase(0, y + 70000);
    requireInChild(field->exposed.empty(), "the same origin again exposes nothing");

    field->setVisible(0);
    pumpPendingMessages(5000);
    field->exposed.clear();
    field->setCursorBase(3, 4);
    field->getCursorBase(&x, &y);
    requireInChild(x == 3 && y == 4 && field->exposed.empty(), "hidden, the origin is only kept");
    passInChild();
}

std::vector<std::string> g_log;

void noteActivate(TQCbase* object)
{
    g_log.push_back(std::string(object->getInstanceName()) + " activate");
}

long offsetY(TQCtextField* field)
{
    long x = 0, y = 0;
    field->getTextFrame()->getCursorBase(&x, &y);
    return y;
}

HWND windowOf(TQCbase* form)
{
    return static_cast<TQDwinformDev*>(form->getowndev()->cast("TQDwinformDev"))->getHWND();
}

void textFieldScenario()
{
    armWatchdog(60000, "the text field scenario hung");
    GuiControlScene scene(50, 60, 320, 200);
    TQCtextField* field = new TQCtextField(scene.form, "notes");
    field->initialize();
    GuiControlScene::place(field, 10, 10, 200, 100);
    std::string text = "line 0";
    for (int i = 1; i < 30; ++i)
        text += "\nline " + std::to_string(i);
    field->setPropertyV(_TQNlabelString(), text.c_str());
    field->addProcedureV("a", nullptr, noteActivate, TQEV_ACTIVATE);
    field->setVisible(1);
    scene.show();
    requireInChild(TQGIappMouse()->getMouseFocusClient() == field, "shown, it takes the wheel");

    HWND window = windowOf(field);
    postInput(window, WM_MOUSEWHEEL, 0xFF880000, MAKELPARAM(100, 100));
    pumpPendingMessages(5000);
    requireInChild(offsetY(field) == 30 && field->getVScrBar()->getValue() == 30,
                   "a notch down scrolls the text and its bar by 30 pixels");
    postInput(window, WM_MOUSEWHEEL, 0x00780000, MAKELPARAM(100, 100));
    pumpPendingMessages(5000);
    requireInChild(offsetY(field) == 0, "a notch up scrolls back");

    // The increment arrow, wherever the bar draws it.
    TQCvscrBar* bar = field->getVScrBar();
    long bx = number(bar, _TQNx()), by = number(bar, _TQNy());
    long bw = number(bar, _TQNwidth()), bh = number(bar, _TQNheight());
    long arrow = -1;
    for (long py = bh - 1; py >= 0 && arrow < 0; --py) {
        if (bar->_bar_in(static_cast<short>(bw / 2), static_cast<short>(py), 0, 0,
                         static_cast<unsigned short>(bw), static_cast<unsigned short>(bh),
                         static_cast<unsigned short>(number(bar, _TQNshadowThickness()))) ==
            TQCvscrBar::PART_INCREMENT)
            arrow = py;
    }
    requireInChild(arrow >= 0, "the bar has an increment arrow");
    LPARAM point = MAKELPARAM(bx + bw / 2, by + arrow);
    postInput(window, WM_MOUSEMOVE, 0, point);
    postInput(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
    postInput(window, WM_LBUTTONUP, 0, point);
    pumpPendingMessages(5000);
    requireInChild(offsetY(field) == number(bar, _TQNincrement()) && offsetY(field) > 0,
                   "a click on the arrow scrolls the text by the bar's increment");
    requireInChild(g_log == std::vector<std::string>{"notes activate"},
                   "the bar's activation is the text field's");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(TextFieldsOnWindowDeathTest, MultiLineFieldScrollsByCopyAndFollowsTheCursor,
                      multiLineScenario(), "")

TQ_FRESH_PROCESS_TEST(TextFieldsOnWindowDeathTest, TextFieldScrollsByTheWheelAndTheBarArrows,
                      textFieldScenario(), "")
