// The grid on a real window under Xvfb: its cells and per-cell colours drawn
// through GDI, and a cell edited in place by posted presses (on a clock the
// test sets), characters and Return; the editable row label refusing typed
// characters until its owner enables them. Each scenario runs in a process
// of its own.
#include "FreshProcess.h"
#include "GuiControlScene.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "_TQCbaseList.h"
#include "_TQCgrid.h"
#include "_TQCstring.h"
#include "_TQCvifield.h"
#include "_TQCvkslabel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const DWORD kPatience = 10000;
const long kHour = 3600000;

std::vector<long> g_fired;

template <long Trigger>
void noteTrigger(TQCbase*)
{
    g_fired.push_back(Trigger);
}

void post(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    postInput(window, message, wParam, lParam);
    pumpPendingMessages(kPatience);
}

void pressAndRelease(TQCgrid* grid, int x, int y)
{
    post(formWindowOf(grid), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    post(formWindowOf(grid), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// A first press at (x1, y1), then, gap milliseconds later, a second press
// and its release at (x2, y2).
void pressTwice(TQCgrid* grid, GuiTestClock& clock, long gap, int x1, int y1, int x2, int y2)
{
    pressAndRelease(grid, x1, y1);
    clock.advance(gap);
    pressAndRelease(grid, x2, y2);
}

std::string cell(TQCgrid* grid, unsigned long c, unsigned long r)
{
    return TQCstring(grid->getItem(c, r)).getString();
}

std::string text(TQCbase* object, const char* property)
{
    return TQCstring(object->getProperty(property)).getString();
}

TQCbase* gridInput()
{
    return TQGIappObjectList()->searchInstance("TQCvifield", "grid-input");
}

bool shown(TQCbase* field)
{
    return field != nullptr && field->getOwnVisible();
}

// A 150 x 100 grid with the default lines: columns at 25 and 50, rows at 30
// and 70; cells 7 and 8 are empty.
void drawAndEditScenario()
{
    armWatchdog(60000, "the grid editing scenario hung");
    GuiControlScene scene(50, 60, 320, 200);
    TQCgrid* grid = scene.add<TQCgrid>("grd", 10, 10, 150, 100);
    grid->setPropertyV("data", "a,b,c,d,e,f,g");
    grid->setCellBackColor(1, 1, "DEF7");
    grid->addInternalProcedure("n3", TQEV_VALUE_CH, noteTrigger<TQEV_VALUE_CH>, "n3");
    grid->addInternalProcedure("n35", TQCgrid::TRIGGER_ITEM_SELECTED,
                               noteTrigger<TQCgrid::TRIGGER_ITEM_SELECTED>, "n35");
    scene.show();
    HWND gw = formWindowOf(grid);
    COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    requireInChild(windowPixel(gw, 28, 33) == highlight && windowPixel(gw, 47, 67) == highlight,
                   "the middle cell is filled in role colour 7, the highlight");
    requireInChild(windowPixel(gw, 15, 50) != highlight, "its neighbour is not");
    requireInChild(windowPixel(gw, 25, 50) != windowPixel(gw, 15, 50),
                   "a line at x 25 between the cells");

    GuiTestClock clock(10 * kHour);
    pressTwice(grid, clock, 0, 12, 15, 37, 85);
    requireInChild(gridInput() == nullptr, "with enableInput off no press opens a field");

    grid->setProperty("enableInput", TQCvariant(1L));
    clock.advance(1000);
    pressTwice(grid, clock, 250, 12, 15, 37, 85);
    requireInChild(gridInput() == nullptr, "presses 250 ms apart open nothing");
    clock.advance(1000);
    pressTwice(grid, clock, 249, 12, 15, 37, 85);
    TQCbase* field = gridInput();
    requireInChild(shown(field), "presses 249 ms apart, released over (1, 2), open the field");
    requireInChild(geometryOf(field) == (std::array<long, 4>{26, 71, 23, 28}),
                   "the field lies inside the cell's lines");
    post(gw, WM_CHAR, 'x', 1);
    post(gw, WM_CHAR, 'y', 1);
    post(gw, WM_KEYDOWN, VK_RETURN, 1);
    post(gw, WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC0000001));
    requireInChild(cell(grid, 1, 2) == "xy" && text(grid, "data") == "a,b,c,d,e,f,g,xy,",
                   "Return stores the text in the cell and in data");
    requireInChild(!shown(field) && g_fired.empty(), "the field hides; no trigger runs");
    unsigned long c = 9, r = 9;
    requireInChild(grid->getFocusedCell(&c, &r) == 0 && c == 1 && r == 2,
                   "the committed cell is the focused one");
    requireInChild(grid->setFocusedCell(0, 3) == -1 && !shown(field),
                   "no field for a row outside the grid");

    // A first press just before midnight and a second just after it.
    clock.set(24 * kHour - 100);
    pressTwice(grid, clock, 149 - 24 * kHour, 12, 15, 12, 15);
    requireInChild(shown(field) && text(field, "labelString") == "a",
                   "the second press is measured across midnight");
    post(gw, WM_CHAR, 'Z', 1);
    std::string edited = text(field, "labelString");
    requireInChild(grid->setFocusedCell(1, 1) == 0 && cell(grid, 0, 0) == edited &&
                       edited.size() == 2,
                   "opening another cell first stores the edit under way");
    requireInChild(shown(field) && text(field, "labelString") == "e", "the field moved");
    delete grid;
    pumpPendingMessages(kPatience);
    passInChild();
}

// Made by class name, with its own background default and key input off.
void rowLabelScenario()
{
    armWatchdog(30000, "the editable row label scenario hung");
    GuiControlScene scene(50, 60, 320, 200);
    TQCvkslabel* label = static_cast<TQCvkslabel*>(
        TQCbase::getNewInstance("TQCvkslabel", scene.form, "vks"));
    label->initialize();
    GuiControlScene::place(label, 10, 10, 120, 24);
    label->setVisible(1);
    TQCvifield* field = scene.add<TQCvifield>("vif", 10, 40, 120, 24);
    short own = 0, def = 0, fieldDef = 0;
    label->getPropertyV("backColor", &own);
    label->getPropObj("backColor")->getDefaultValue(&def);
    field->getPropObj("backColor")->getDefaultValue(&fieldDef);
    requireInChild(own == -13 && def == -13 && fieldDef == -11,
                   "background -13 as value and default; the field's default stays");
    scene.show();
    scene.click(20, 20);
    scene.type("ab");
    requireInChild(label->getString().getString(16) == std::string(),
                   "typed characters are refused");
    label->setKeyInputDisable(0);
    scene.type("ab");
    requireInChild(label->getString().getString(16) == std::string("ab"),
                   "and taken once key input is enabled");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(GridOnWindowDeathTest, CellsDrawnAndEditedInPlace, drawAndEditScenario(), "")
TQ_FRESH_PROCESS_TEST(GridOnWindowDeathTest, EditableRowLabelTakesKeysOnceEnabled,
                      rowLabelScenario(), "")
