// A window-like tree of sample widgets built, driven by name and procedures,
// and torn down, the way generated window builders use the object model.
#include "SampleWidgets.h"
#include "_TQCbaseList.h"
#include "_TQCfunctionRegister.h"
#include "_TQGFtrigger.h"

#include <gtest/gtest.h>

#include <string>

namespace {

typedef std::vector<std::string> Log;

void okActivate(TQCbase* self)
{
    TQCbase* form = self->getParent();
    form->setProperty("titleString", TQCvariant("pressed"));
    TQCbase* combo = form->getChildInstance("pick");
    combo->setProperty("interval", TQCvariant(self->getProperty("interval").getLong() + 1));
}

void noteDelete(TQCbase* self)
{
    sampleLog().push_back(std::string("delete ") + self->getInstanceName());
}

TQCfunctionRegister g_okActivate("hierarchy_ok_act_ep", reinterpret_cast<void*>(okActivate));
TQCfunctionRegister g_noteDelete("hierarchy_delete_ep", reinterpret_cast<void*>(noteDelete));

} // namespace

TEST(BaseHierarchy, AWindowTreeIsBuiltDrivenAndTornDown)
{
    SampleForm* form = new SampleForm(nullptr, "main");
    form->initialize();
    SampleButton* ok = new SampleButton(form, "ok");
    ok->initialize();
    SampleCombo* pick = new SampleCombo(form, "pick");
    pick->initialize();
    SampleWidget* note = new SampleWidget(form, "note");
    note->initialize();
    for (TQCbase* object : {static_cast<TQCbase*>(form), static_cast<TQCbase*>(ok),
                            static_cast<TQCbase*>(pick), static_cast<TQCbase*>(pick->part),
                            static_cast<TQCbase*>(note)})
        object->addProcedureV("bye", "hierarchy_delete_ep", nullptr, TQEV_DELETE);

    // Defaults, with the form's own and changed ones, and "vis" applied last.
    EXPECT_EQ(form->width, 100);
    EXPECT_EQ(ok->width, 10);
    EXPECT_EQ(ok->interval, 250);
    EXPECT_STREQ(form->titleString, "form");
    EXPECT_EQ(form->vis, 1);
    EXPECT_EQ(form->sets.back(), "vis");
    EXPECT_EQ(ok->sets.back(), "vis");
    EXPECT_EQ(form->setCount("titleString"), 1);
    EXPECT_EQ(form->existProperty("labelPixmap"), 0) << "withdrawn by the form";
    EXPECT_EQ(ok->existProperty("labelPixmap"), 1);

    EXPECT_EQ(form->getChildInstance("pick-btn"), pick->part);
    EXPECT_EQ(pick->part->getInternalObject(), 1);

    // The application's procedure, found by its registered name, reaches
    // its neighbours by name.
    ok->addProcedureV("act", "hierarchy_ok_act_ep", nullptr, TQEV_ACTIVATE);
    TQCbaseList* objects = TQGIappObjectList();
    TQCbase* found = objects->getInstance("TQCbase", "ok");
    found->setProperty("interval", TQCvariant("500"));
    EXPECT_EQ(found->execEventProc(TQEV_ACTIVATE, nullptr), -1);
    EXPECT_STREQ(form->titleString, "pressed");
    EXPECT_EQ(pick->part->interval, 501) << "set on the combo, kept by its inner button";
    EXPECT_EQ(form->getProperty("titleString").getCharPtr(), std::string("pressed"));

    // Children go first, each before its own parent.
    sampleLog().clear();
    delete form;
    EXPECT_EQ(sampleLog(), (Log{"delete ok", "delete pick-btn", "delete pick", "delete note",
                                "delete main"}));
    for (const char* name : {"main", "ok", "pick", "pick-btn", "note"})
        EXPECT_EQ(objects->getInstance("TQCbase", name), nullptr) << name;
}
