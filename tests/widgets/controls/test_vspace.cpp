// The spacer on a real window under Xvfb: its caption, the resize procedure
// it gives a plain form, which packs forms with windows of their own into a
// row read back with GetWindowRect, the share of two spacers, and that a box
// form gets no procedure. Each scenario runs in a process of its own.
#include "FreshProcess.h"
#include "GuiControlScene.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "_TQCbaseList.h"
#include "_TQCprocedure.h"
#include "_TQCvertForm.h"
#include "_TQCvspace.h"
#include "_TQGFgeometry.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const DWORD kPatience = 5000;

TQCform* childForm(TQCbase* parent, const char* name, short x, unsigned short w)
{
    TQCform* form = new TQCform(parent, name);
    form->initialize();
    TQGFsetGeometry(form, x, 10, w, 30);
    form->setVisible(1);
    return form;
}

TQCvspace* spacer(TQCbase* parent, const char* name, short x)
{
    TQCvspace* made = new TQCvspace(parent, name);
    made->initialize();
    TQGFsetGeometry(made, x, 10, 0, 30);
    made->setVisible(1);
    return made;
}

long left(TQCbase* form)
{
    RECT r, parent;
    GetWindowRect(formWindowOf(form), &r);
    GetWindowRect(formWindowOf(form->getParent()), &parent);
    return r.left - parent.left;
}

long value(TQCbase* object, const char* name)
{
    return object->getProperty(name).getLong();
}

long resizeProcedures(TQCbase* object)
{
    long count = 0;
    TQClistData* list = object->getProcedureList();
    for (long i = 0; list != nullptr && i < list->getNum(); ++i) {
        auto* procedure = static_cast<TQCprocedure*>(list->getData(i));
        count += std::strcmp(procedure->getProcName(), "resizeop") == 0 ? 1 : 0;
    }
    return count;
}

bool captionIs(TQCvspace* space, const char* text)
{
    return std::strcmp(space->getTitleString().getString(), text) == 0;
}

void rowScenario()
{
    GuiControlScene scene(50, 60, 300, 100);
    TQCform* first = childForm(scene.form, "a", 0, 40);
    TQCvspace* space = spacer(scene.form, "s", 50);
    TQCform* last = childForm(scene.form, "b", 100, 60);
    scene.show();
    requireInChild(captionIs(space, "-\n|\n|-Space-|\n|\n-"), "a fixed gap's caption");

    space->setPropertyV(_TQNextension(), static_cast<unsigned char>(1));
    pumpPendingMessages(kPatience);
    requireInChild(captionIs(space, "<-Space->"), "a spacer stretching across");
    requireInChild(value(space, "x") == 40 && value(space, "y") == 0 &&
                       value(space, "width") == 200 && value(space, "height") == 100,
                   "the spacer takes the 200 left, as high as the form, at y 0");
    requireInChild(left(first) == 0 && left(last) == 240, "the forms stand at x 0 and 240");
    requireInChild(resizeProcedures(scene.form) == 1 &&
                       scene.form->getUserData("vspace-resize-work") != nullptr,
                   "the form carries the resize procedure");

    TQCvspace* second = spacer(scene.form, "t", 280);
    second->setPropertyV(_TQNextension(), static_cast<unsigned char>(1));
    requireInChild(resizeProcedures(scene.form) == 1, "a second spacer adds no procedure");
    scene.form->setPropertyV(_TQNwidth(), static_cast<unsigned short>(201));
    TQGIappObjectList()->execUpdate();
    pumpPendingMessages(kPatience);
    requireInChild(value(space, "width") == 50 && value(second, "width") == 50 &&
                       left(last) == 90,
                   "resized, two spacers share 101 free pixels as 50 each");

    second->setPropertyV(_TQNorientation(), static_cast<unsigned char>(1));
    requireInChild(captionIs(second, "+\n|\nSpace\n|\n+"), "a spacer stretching down");
    passInChild();
}

void inBoxScenario()
{
    GuiControlScene scene(50, 60, 300, 200);
    TQCvertForm* box = scene.add<TQCvertForm>("box", 0, 0, 100, 200);
    TQCvspace* space = spacer(box, "s", 0);
    scene.show();
    space->setPropertyV(_TQNextension(), static_cast<unsigned char>(1));
    requireInChild(resizeProcedures(box) == 0 && box->getUserData("vspace-resize-work") == nullptr,
                   "a box form gets neither the procedure nor the mark");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(SpacerOnWindowDeathTest, StretchingSpacerPacksAPlainFormIntoARow,
                      rowScenario(), "")

TQ_FRESH_PROCESS_TEST(SpacerOnWindowDeathTest, BoxFormsGetNoResizeProcedure, inBoxScenario(), "")
