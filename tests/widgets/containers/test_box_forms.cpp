// Box forms on a real window under Xvfb: children that are forms with
// windows of their own, laid out in a column or a row and read back where
// GetWindowRect finds them; stretching, raising to the minimum, sharing out
// an overflow, order, exclusion and the alignments across the line. Each
// scenario runs in a process of its own.
#include "FreshProcess.h"
#include "GuiControlScene.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "_TQCbaseList.h"
#include "_TQChorzForm.h"
#include "_TQCvertForm.h"
#include "_TQCvspace.h"
#include "_TQGFgeometry.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const DWORD kPatience = 5000;

struct Placed {
    long x, y, w, h;
    bool operator==(const Placed& o) const { return x == o.x && y == o.y && w == o.w && h == o.h; }
};

// A box form at (10, 10) of the scene's shown form, and children made in it.
struct BoxScene {
    template <class Box>
    Box* box(unsigned short w, unsigned short h)
    {
        Box* made = scene.add<Box>("box", 10, 10, w, h);
        made->setPropertyV(_TQNshadowThickness(), static_cast<unsigned char>(0));
        return made;
    }
    TQCform* child(TQCbase* box, short x, short y, unsigned short w, unsigned short h)
    {
        TQCform* made = new TQCform(box, ("c" + std::to_string(++children)).c_str());
        made->initialize();
        TQGFsetGeometry(made, x, y, w, h);
        made->setVisible(1);
        return made;
    }
    TQCvspace* spacer(TQCbase* box, short y, unsigned char orientation)
    {
        TQCvspace* made = new TQCvspace(box, "space");
        made->initialize();
        TQGFsetGeometry(made, 0, y, 30, 0);
        made->setVisible(1);
        made->setPropertyV(_TQNorientation(), orientation);
        made->setPropertyV(_TQNextension(), static_cast<unsigned char>(1));
        return made;
    }
    // Updates run, then every message they lead to; a box given is laid
    // out again, as changes of its children alone do not ask for it.
    void settle(TQCbase* box = nullptr)
    {
        if (box != nullptr)
            box->needUpdate();
        TQGIappObjectList()->execUpdate();
        pumpPendingMessages(kPatience);
    }
    // Where the child's window lies in the box's window.
    static Placed onScreen(TQCbase* child)
    {
        RECT r, parent;
        GetWindowRect(formWindowOf(child), &r);
        GetWindowRect(formWindowOf(child->getParent()), &parent);
        return {r.left - parent.left, r.top - parent.top, r.right - r.left, r.bottom - r.top};
    }
    static long value(TQCbase* object, const char* name)
    {
        return object->getProperty(name).getLong();
    }
    static Placed properties(TQCbase* o)
    {
        return {value(o, "x"), value(o, "y"), value(o, "width"), value(o, "height")};
    }

    GuiControlScene scene{50, 60, 320, 260};
    int children = 0;
};

// Column 200 high, margin 4, minimum 20: 30, 10 and 40 high become 30, 20
// and 126 at y 4, 42 and 70; a middle spacer stretching down takes the 86
// instead, one stretching across is ignored.
void columnScenario()
{
    BoxScene s;
    TQCvertForm* box = s.box<TQCvertForm>(100, 200);
    requireInChild(BoxScene::value(box, "shadowType") == 3, "a box is etched in by default");
    TQCform* top = s.child(box, 0, 0, 60, 30);
    TQCform* middle = s.child(box, 0, 10, 60, 10);
    TQCform* bottom = s.child(box, 0, 20, 60, 40);
    TQCform* loose = s.child(box, 70, 15, 20, 5);
    loose->setPropertyV(_TQNuserString(), "no-adjust");
    s.scene.show();
    s.settle();
    requireInChild(BoxScene::onScreen(top) == Placed{0, 4, 60, 30} &&
                       BoxScene::onScreen(middle) == Placed{0, 42, 60, 20} &&
                       BoxScene::onScreen(bottom) == Placed{0, 70, 60, 126},
                   "the column is laid out with the last child taking the room left");
    requireInChild(BoxScene::onScreen(loose) == Placed{70, 15, 20, 5},
                   "a child tagged no-adjust keeps its place and size");

    middle->setVisible(0);
    TQGFsetGeometry(bottom, 0, 20, 60, 40);
    TQCvspace* space = s.spacer(box, 10, 1);
    s.settle(box);
    requireInChild(BoxScene::properties(space) == Placed{0, 42, 30, 106} &&
                       BoxScene::onScreen(bottom) == Placed{0, 156, 60, 40},
                   "a spacer stretching down takes the 86 in place of the last child");
    space->setPropertyV(_TQNorientation(), static_cast<unsigned char>(0));
    TQGFsetGeometry(space, 0, 35, 30, 20);
    TQGFsetGeometry(bottom, 0, 60, 60, 40);
    s.settle(box);
    requireInChild(BoxScene::properties(space).h == 20 && BoxScene::onScreen(bottom).h == 126,
                   "one stretching across is a child like any other");

    loose->setPropertyV(_TQNuserString(), "no-adjustx");
    box->setPropertyV(_TQNmargin(), static_cast<unsigned char>(2));
    requireInChild(BoxScene::properties(top).y == 2 && BoxScene::properties(loose).y != 15,
                   "a new margin is laid out at once, and no-adjustx is laid out");
    box->setPropertyV(_TQNminimum(), static_cast<unsigned short>(25));
    requireInChild(BoxScene::properties(loose).h == 20, "a new minimum waits for the update");
    s.settle();
    requireInChild(BoxScene::properties(loose).h == 25, "and is applied by it");
    passInChild();
}

// Six children in a column 150 high are only raised to 20; with fewer that
// fit only after giving up room, they fill the column exactly; equal
// positions keep the child order.
void overflowScenario()
{
    BoxScene s;
    TQCvertForm* box = s.box<TQCvertForm>(100, 150);
    std::vector<TQCform*> six;
    for (short i = 0; i < 6; ++i)
        six.push_back(s.child(box, 0, static_cast<short>(i * 10), 50, i == 0 ? 60 : 5));
    s.scene.show();
    s.settle();
    requireInChild(BoxScene::properties(six[0]) == Placed{0, 0, 50, 60} &&
                       BoxScene::properties(six[5]) == Placed{0, 50, 50, 20},
                   "six children that cannot fit are only raised to the minimum");

    for (int i = 3; i < 6; ++i)
        six[i]->setVisible(0);
    TQGFsetGeometry(six[0], 0, 50, 50, 100);
    TQGFsetGeometry(six[1], 0, 10, 50, 30);
    TQGFsetGeometry(six[2], 0, 50, 50, 40);
    s.settle(box);
    Placed first = BoxScene::onScreen(six[1]);
    Placed second = BoxScene::onScreen(six[0]);
    Placed third = BoxScene::onScreen(six[2]);
    requireInChild(first.y == 4 && second.y == first.y + first.h + 8 &&
                       third.y == second.y + second.h + 8,
                   "positions 50, 10, 50 lay out second, first, third");
    requireInChild(first.h + second.h + third.h == 150 - 24 && third.y + third.h == 146,
                   "the overflow is taken from above the minimum: the children fill 126");
    requireInChild(first.h >= 20 && second.h >= 20 && third.h >= 20,
                   "and none falls below it");
    passInChild();
}

// A row lays out along x and aligns with alignmentV; centring takes the
// lower half of an odd excess, adjusting never sizes below 1.
void rowScenario()
{
    BoxScene s;
    TQChorzForm* row = s.box<TQChorzForm>(100, 100);
    requireInChild(row->existProperty(_TQNalignmentV()) && !row->existProperty(_TQNalignmentH()),
                   "a row offers alignmentV and not alignmentH");
    TQCform* a = s.child(row, 0, 7, 30, 110);
    TQCform* b = s.child(row, 40, 7, 30, 111);
    row->setPropertyV(_TQNalignmentV(), static_cast<unsigned char>(2));
    s.scene.show();
    s.settle();
    requireInChild(BoxScene::onScreen(a) == Placed{4, -5, 30, 110} &&
                       BoxScene::onScreen(b) == Placed{42, -6, 54, 111},
                   "centred across: 110 high at -5, 111 high at -6; b takes the room left");

    row->setPropertyV(_TQNalignmentV(), static_cast<unsigned char>(4));
    row->setPropertyV(_TQNwidth(), static_cast<unsigned short>(300));
    row->setPropertyV(_TQNmargin(), static_cast<unsigned char>(60));
    requireInChild(BoxScene::properties(a).y == 60 && BoxScene::properties(a).h == 1,
                   "adjusted in a row narrower than its margins: 1 high");
    row->setPropertyV(_TQNalignmentV(), static_cast<unsigned char>(9));
    TQGFsetGeometry(a, 0, 7, 30, 30);
    s.settle(row);
    requireInChild(BoxScene::properties(a).y == 7 && BoxScene::properties(a).h == 30,
                   "an unknown alignment leaves the cross axis alone");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(BoxFormsOnWindowDeathTest, ColumnStretchesLastChildOrSpacer,
                      columnScenario(), "")

TQ_FRESH_PROCESS_TEST(BoxFormsOnWindowDeathTest, OverflowIsSharedAboveTheMinimum,
                      overflowScenario(), "")

TQ_FRESH_PROCESS_TEST(BoxFormsOnWindowDeathTest, RowAlignsAcrossWithAlignmentV, rowScenario(),
                      "")
