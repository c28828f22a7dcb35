// The spacer on a real window under Xvfb: its captions and its edit-mode
// figure, the resize procedure it gives a plain form, which packs forms
// with windows of their own into a row read back with GetWindowRect, two
// spacers sharing, and no procedure for a box form. Each scenario runs in a
// process of its own.
#include "FreshProcess.h"
#include "GuiControlScene.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "_TQCbaseList.h"
#include "_TQCcolorSet.h"
#include "_TQDcolor.h"
#include "_TQCprocedure.h"
#include "_TQCvertForm.h"
#include "_TQCvspace.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TQCvspace* stretching(TQCbase* parent, short x)
{
    TQCvspace* space = new TQCvspace(parent, "s");
    space->initialize();
    GuiControlScene::place(space, x, 10, 0, 30);
    space->setVisible(1);
    space->setPropertyV(_TQNextension(), static_cast<unsigned char>(1));
    return space;
}

long resizeProcedures(TQCbase* object)
{
    long count = 0;
    TQClistData* list = object->getProcedureList();
    for (long i = 0; list != nullptr && i < list->getNum(); ++i)
        count += std::strcmp(static_cast<TQCprocedure*>(list->getData(i))->getProcName(),
                             "resizeop") == 0;
    return count;
}

// Forms 40 and 60 wide and a spacer at x 0, 50 and 100 of a form 300 x 100.
void rowScenario()
{
    GuiControlScene scene(50, 60, 300, 100);
    TQCform* first = scene.add<TQCform>("a", 0, 10, 40, 30);
    TQCform* last = scene.add<TQCform>("b", 100, 10, 60, 30);
    scene.show();
    TQCvspace* space = stretching(scene.form, 50);
    pumpPendingMessages(5000);
    requireInChild(geometryOf(space) == std::array<long, 4>{40, 0, 200, 100},
                   "the spacer takes the 200 left, as high as the form, at y 0");
    requireInChild(placedInParent(first)[0] == 0 && placedInParent(last)[0] == 240,
                   "the forms stand at x 0 and 240");

    // Drawn as every non-graphic component is: nothing at run time, a grey
    // outline and the caption in edit mode.
    COLORREF ground = scene.pixel(140, 50);
    long r = 0, g = 0, b = 0;
    TQGIappColorSet()->getColor(TQGIappColorSet()->getColorNo("gray55"))->getRGB(&r, &g, &b);
    auto area = captureWindow(scene.hwnd(), 40, 0, 200, 100);
    requireInChild(area->count(0, 3, 200, 94, ground) == 200 * 94,
                   "nothing at run time, inside the form's frame");
    space->setPropertyEditMode(1);
    space->cdraw();
    area = captureWindow(scene.hwnd(), 40, 0, 200, 100);
    requireInChild(area->pixel(0, 0) == RGB(r, g, b) && area->pixel(100, 0) == RGB(r, g, b) &&
                       area->pixel(0, 50) == RGB(r, g, b) && area->pixel(2, 2) == ground &&
                       area->count(2, 2, 196, 96, RGB(r, g, b)) > 20,
                   "in edit mode an outline and caption in the colour of gray55");
    space->setPropertyEditMode(0);

    TQCvspace* second = stretching(scene.form, 280);
    requireInChild(resizeProcedures(scene.form) == 1 &&
                       scene.form->getUserData("vspace-resize-work") != nullptr,
                   "the form carries one resize procedure, whatever its spacers");
    scene.form->setPropertyV(_TQNwidth(), static_cast<unsigned short>(201));
    TQGIappObjectList()->execUpdate();
    pumpPendingMessages(5000);
    requireInChild(geometryOf(space)[2] == 50 && geometryOf(second)[2] == 50 &&
                       placedInParent(last)[0] == 90,
                   "resized, two spacers share 101 free pixels as 50 each");
    std::string across = space->getTitleString().getString();
    second->setPropertyV(_TQNorientation(), static_cast<unsigned char>(1));
    std::string down = second->getTitleString().getString();
    second->setPropertyV(_TQNextension(), static_cast<unsigned char>(0));
    requireInChild(across == "<-Space->" && down == "+\n|\nSpace\n|\n+" &&
                       std::string(second->getTitleString().getString()) ==
                           "-\n|\n|-Space-|\n|\n-",
                   "the caption follows the spacer's extension and orientation");
    passInChild();
}

void inBoxScenario()
{
    GuiControlScene scene;
    TQCvertForm* box = scene.add<TQCvertForm>("box", 0, 0, 100, 200);
    scene.show();
    stretching(box, 0);
    requireInChild(resizeProcedures(box) == 0 && box->getUserData("vspace-resize-work") == nullptr,
                   "a box form gets neither the procedure nor the mark");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(SpacerOnWindowDeathTest, StretchingSpacerPacksAPlainFormIntoARow,
                      rowScenario(), "")

TQ_FRESH_PROCESS_TEST(SpacerOnWindowDeathTest, BoxFormsGetNoResizeProcedure, inBoxScenario(), "")
