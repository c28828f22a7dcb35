// Box forms on a real window under Xvfb, their children forms with windows
// of their own read back where GetWindowRect finds them: the room left
// over, spacers, the minimum, an overflow, order, exclusion and the
// alignments across. Each scenario runs in a process of its own.
#include "FreshProcess.h"
#include "GuiControlScene.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "_TQCbaseList.h"
#include "_TQChorzForm.h"
#include "_TQCvspace.h"
#include "_TQGFgeometry.h"
#include "_TQN.h"

#include <gtest/gtest.h>

namespace {

using Rect = std::array<long, 4>;

TQCbase* child(TQCbase* made, short y, unsigned short w, unsigned short h)
{
    made->initialize();
    TQGFsetGeometry(made, 0, y, w, h);
    made->setVisible(1);
    return made;
}

TQCbase* form(TQCbase* box, short y, unsigned short w, unsigned short h)
{
    return child(new TQCform(box, "c"), y, w, h);
}

// Updates run and every message they lead to; a box given is asked to lay
// out again, as changes of its children alone do not ask for it.
void settle(TQCbase* box = nullptr)
{
    if (box != nullptr)
        box->needUpdate();
    TQGIappObjectList()->execUpdate();
    pumpPendingMessages(5000);
}

// A column 200 high (margin 4, minimum 20) whose children 30, 10 and 40
// high become 30, 20 and 126 at y 4, 42 and 70, and one 150 high.
void columnScenario()
{
    GuiControlScene scene(50, 60, 320, 260);
    TQCvertForm* box = scene.add<TQCvertForm>("box", 10, 10, 100, 200);
    TQCvertForm* small = scene.add<TQCvertForm>("small", 150, 10, 100, 150);
    requireInChild(box->getProperty(_TQNshadowType()).getLong() == 3, "etched in by default");
    TQCbase* top = form(box, 0, 60, 30);
    TQCbase* middle = form(box, 10, 60, 10);
    TQCbase* bottom = form(box, 20, 60, 40);
    TQCbase* loose = form(box, 15, 20, 5);
    loose->setPropertyV(_TQNuserString(), "no-adjust");
    TQCbase* six[6];
    for (short i = 0; i < 6; ++i)
        six[i] = form(small, static_cast<short>(i * 10), 50, i == 0 ? 60 : 5);
    scene.show();
    settle();
    requireInChild(placedInParent(top) == Rect{0, 4, 60, 30} &&
                       placedInParent(middle) == Rect{0, 42, 60, 20} &&
                       placedInParent(bottom) == Rect{0, 70, 60, 126},
                   "the last child takes the room left");
    requireInChild(placedInParent(loose) == Rect{0, 15, 20, 5}, "no-adjust is left alone");
    requireInChild(geometryOf(six[0]) == Rect{0, 0, 50, 60} &&
                       geometryOf(six[5]) == Rect{0, 50, 50, 20},
                   "six that cannot fit in 150 are only raised to the minimum");

    middle->setVisible(0);
    TQGFsetGeometry(bottom, 0, 20, 60, 40);
    TQCbase* space = child(new TQCvspace(box, "s"), 10, 30, 10);
    space->setPropertyV(_TQNorientation(), static_cast<unsigned char>(1));
    space->setPropertyV(_TQNextension(), static_cast<unsigned char>(1));
    settle(box);
    requireInChild(geometryOf(space) == Rect{0, 42, 30, 106} &&
                       placedInParent(bottom) == Rect{0, 156, 60, 40},
                   "a spacer stretching down takes the 86 instead");
    space->setPropertyV(_TQNorientation(), static_cast<unsigned char>(0));
    TQGFsetGeometry(space, 0, 42, 30, 10);
    settle(box);
    requireInChild(placedInParent(bottom)[3] == 126, "one stretching across is passed over");

    loose->setPropertyV(_TQNuserString(), "no-adjustx");
    box->setPropertyV(_TQNmargin(), static_cast<unsigned char>(2));
    requireInChild(geometryOf(top)[1] == 2 && geometryOf(loose)[3] == 20,
                   "a new margin is laid out at once, and no-adjustx is laid out");
    box->setPropertyV(_TQNminimum(), static_cast<unsigned short>(25));
    requireInChild(geometryOf(loose)[3] == 20, "a new minimum waits for the update");
    settle();
    requireInChild(geometryOf(loose)[3] == 25, "and is applied by it");

    for (int i = 3; i < 6; ++i)
        six[i]->setVisible(0);
    TQGFsetGeometry(six[0], 0, 50, 50, 100);
    TQGFsetGeometry(six[1], 0, 10, 50, 30);
    TQGFsetGeometry(six[2], 0, 50, 50, 40);
    settle(small);
    Rect first = placedInParent(six[1]), second = placedInParent(six[0]),
         third = placedInParent(six[2]);
    requireInChild(first[1] == 4 && second[1] == 42 && third[1] == second[1] + second[3] + 8,
                   "positions 50, 10, 50 lay out second, first, third");
    requireInChild(first[3] + second[3] + third[3] == 126 && third[1] + third[3] == 146 &&
                       first[3] >= 20 && second[3] >= 20 && third[3] >= 20,
                   "an overflow is taken from above the minimum: they fill 126 exactly");
    passInChild();
}

// A row lays out along x and aligns with alignmentV: centring takes the
// lower half of an odd excess; adjusting never sizes below 1.
void rowScenario()
{
    GuiControlScene scene(50, 60, 320, 260);
    TQChorzForm* row = scene.add<TQChorzForm>("row", 10, 10, 100, 100);
    requireInChild(row->existProperty(_TQNalignmentV()) && !row->existProperty(_TQNalignmentH()),
                   "a row offers alignmentV and not alignmentH");
    TQCbase* a = form(row, 7, 30, 110);
    TQCbase* b = form(row, 7, 30, 111);
    b->setPropertyV(_TQNx(), static_cast<short>(40));
    row->setPropertyV(_TQNalignmentV(), static_cast<unsigned char>(2));
    scene.show();
    settle();
    requireInChild(placedInParent(a) == Rect{4, -5, 30, 110} &&
                       placedInParent(b) == Rect{42, -6, 54, 111},
                   "centred: 110 high at -5, 111 high at -6; the last takes the room left");

    row->setPropertyV(_TQNalignmentV(), static_cast<unsigned char>(4));
    row->setPropertyV(_TQNwidth(), static_cast<unsigned short>(300));
    row->setPropertyV(_TQNmargin(), static_cast<unsigned char>(60));
    requireInChild(geometryOf(a)[1] == 60 && geometryOf(a)[3] == 1,
                   "adjusted in a row thinner than its margins: 1 high");
    row->setPropertyV(_TQNalignmentV(), static_cast<unsigned char>(9));
    TQGFsetGeometry(a, 0, 7, 30, 30);
    settle(row);
    requireInChild(geometryOf(a)[1] == 7 && geometryOf(a)[3] == 30,
                   "an unknown alignment leaves the cross axis alone");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(BoxFormsOnWindowDeathTest, ColumnStretchesMinimumAndOverflow,
                      columnScenario(), "")

TQ_FRESH_PROCESS_TEST(BoxFormsOnWindowDeathTest, RowAlignsAcrossWithAlignmentV, rowScenario(),
                      "")
