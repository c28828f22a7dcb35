// Wizard dialog on real windows under Xvfb, through its real modal loop
// answered by clicks posted on one-shot timers: Back and Next over three
// coloured pages read back from the screen, Finish, Escape with and without
// its key, and the limits of the page count and page. The scenario runs in
// a process of its own.
#include "DialogScript.h"
#include "FreshProcess.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "_TQCcolorSet.h"
#include "_TQCform.h"
#include "_TQCguiPolicy.h"
#include "_TQCindexForm.h"
#include "_TQCvbtn.h"
#include "_TQCwizardDialog.h"
#include "_TQGFgeometry.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

const char* const kPageNames[] = {"#ff0000", "#00ff00", "#0000ff"};
const COLORREF kPageColours[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};

std::string text(TQCbase* o, const char* name)
{
    TQCvariant v = o->getProperty(name);
    return v.getCharPtrConst() != nullptr ? v.getCharPtrConst() : "";
}

long number(TQCbase* o, const char* name)
{
    return o->getProperty(name).getLong();
}

// What the user sees at one moment: the page, the buttons and the colour in
// the middle of the page area.
struct Seen {
    long page;
    std::string left;
    bool leftSensitive;
    std::string right;
    COLORREF colour;
    bool operator==(const Seen& o) const
    {
        return page == o.page && left == o.left && leftSensitive == o.leftSensitive &&
               right == o.right && colour == o.colour;
    }
};

Seen seen(TQCwizardDialog* w)
{
    return {number(w, "value"), text(w->getLeftBtn(), "labelString"),
            w->getLeftBtn()->getSensitive() != 0, text(w->getRightBtn(), "labelString"),
            windowPixel(formWindowOf(w->getPageForm()), 60, 40)};
}

TQCwizardDialog* makeWizard()
{
    TQCwizardDialog* w = new TQCwizardDialog(nullptr, "wiz");
    w->initialize();
    TQGFsetGeometry(w, 200, 150, 400, 250);
    w->setProperty("menuItems", 3);
    for (long page = 0; page < 3; ++page) {
        TQCform* p = new TQCform(w, "page");
        p->initialize();
        TQGFsetGeometry(p, 10, 10, 200, 100);
        p->setProperty("backColor", TQGIappColorSet()->getColorNo(kPageNames[page]));
        p->setProperty("userValue", page + 1);
        p->setVisible(1);
    }
    return w;
}

long popupWith(TQCwizardDialog* w, const std::function<void(DialogScript&)>& plan)
{
    DialogScript user(w);
    plan(user);
    long answer = w->popup();
    requireInChild(!user.watchdogFired(), "the loop ended before the watchdog");
    return answer;
}

void wizardScenario()
{
    armWatchdog(60000, "the wizard scenario hung");
    startGuiScenario(TQCguiPolicy::LOOK_A);
    TQCwizardDialog* w = makeWizard();
    TQCvbtn* next = w->getRightBtn();
    std::vector<Seen> steps;
    auto look = [&](DialogScript& u, DWORD ms) { u.at(ms, [&] { steps.push_back(seen(w)); }); };
    long answer = popupWith(w, [&](DialogScript& u) {
        look(u, 200);
        u.click(next, 300);
        look(u, 600);
        u.click(next, 700);
        look(u, 1000);
        u.click(w->getLeftBtn(), 1100);
        look(u, 1400);
        u.click(next, 1500);
        u.click(next, 1800);
    });
    const std::vector<Seen> expected = {{0, "< Back", false, "Next >", kPageColours[0]},
                                        {1, "< Back", true, "Next >", kPageColours[1]},
                                        {2, "< Back", true, "Finish", kPageColours[2]},
                                        {1, "< Back", true, "Next >", kPageColours[1]}};
    requireInChild(steps == expected,
                   "Next and Back move between the pages, and only the page shown is seen");
    requireInChild(answer == 3 && number(w, "value") == 2 && !w->getVisible(),
                   "Finish on the last page answers 3 and keeps the page");

    w->setEnableEscapeKey(0);
    bool up = false;
    answer = popupWith(w, [&](DialogScript& u) {
        u.escape(300);
        u.at(600, [&] { up = w->getVisible(); });
        u.click(w->getCancelButton(), 700);
    });
    requireInChild(up && answer == 0, "with its Escape key off Escape leaves the wizard up");
    w->setEnableEscapeKey(1);
    answer = popupWith(w, [&](DialogScript& u) { u.escape(300); });
    requireInChild(answer == 0 && number(w, "value") == 2, "Escape answers 0 on the same page");

    w->setProperty("menuItems", 0);
    requireInChild(number(w, "menuItems") == 1, "no pages is one page");
    w->setProperty("menuItems", 4);
    requireInChild(text(w->getPageForm(), "menuItems") == "a,a,a,a", "one tab item per page");
    w->setProperty("menuItems", 3);
    w->setProperty("value", 9);
    requireInChild(number(w, "value") == 2 && text(next, "labelString") == "Finish",
                   "a page past the last is the last");
    w->setProperty("labelString", "x,y");
    requireInChild(text(w->getLeftBtn(), "labelString") == "x" &&
                       text(next, "labelString").empty(),
                   "two texts leave Finish empty");

    TQGFsetGeometry(w, 200, 150, 4, 47);
    requireInChild(number(w->getWorkForm(), "height") == 2 &&
                       number(w->getPageForm(), "height") == 1 &&
                       number(w->getPageForm(), "width") == 1,
                   "a tiny dialog: the page form never narrower or lower than 1");
    delete w;
    pumpPendingMessages(5000);
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(WizardDialogDeathTest, BackNextAndFinishWalkThePages, wizardScenario(), "")
