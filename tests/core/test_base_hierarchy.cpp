// A window-like tree of sample widgets built, driven by name and procedures,
// and torn down, the way generated window builders use the object model.
#include "SampleWidgets.h"
#include "_TQCbaseList.h"
#include "_TQCfunctionRegister.h"
#include "_TQCprocedure.h"
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

    // Classes and casts.
    EXPECT_EQ(ok->cast("SampleWidget"), static_cast<SampleWidget*>(ok));
    EXPECT_EQ(ok->cast("TQCbase"), static_cast<TQCbase*>(ok));
    EXPECT_EQ(ok->cast("SampleForm"), nullptr);
    EXPECT_EQ(pick->cast2("SampleForm"), static_cast<SampleForm*>(pick));

    // Found by name, through the object list and through the tree.
    TQCbaseList* objects = TQGIappObjectList();
    EXPECT_EQ(objects->getInstance("TQCbase", "ok"), ok);
    EXPECT_EQ(objects->getInstance("SampleButton", "ok"), ok);
    EXPECT_EQ(objects->getInstance("SampleWidget", "ok"), nullptr);
    EXPECT_EQ(form->getChildInstance("pick-btn"), pick->part);
    EXPECT_EQ(pick->part->getInternalObject(), 1);

    // Which triggers each class takes.
    EXPECT_NE(form->addProcedure("changed", "fn", TQEV_VALUE_CH), nullptr);
    EXPECT_EQ(form->getProcedureList()->getNum(), 2);
    TQCprocedure* refused = ok->addProcedure("changed", "fn", TQEV_VALUE_CH);
    EXPECT_EQ(ok->getProcedureList()->getNum(), 1);
    delete refused;

    // The application's procedure reaches its neighbours by name.
    ok->addProcedureV("act", "hierarchy_ok_act_ep", nullptr, TQEV_ACTIVATE);
    TQCbase* found = objects->getInstance("TQCbase", "ok");
    found->setProperty("interval", TQCvariant("500"));
    EXPECT_EQ(found->execEventProc(TQEV_ACTIVATE, nullptr), -1);
    EXPECT_STREQ(form->titleString, "pressed");
    EXPECT_EQ(pick->part->interval, 501) << "set on the combo, kept by its inner button";
    EXPECT_EQ(form->getProperty("titleString").getCharPtr(), std::string("pressed"));

    TQClistData changed;
    ok->getPropertyArray(&changed, 0);
    ASSERT_EQ(changed.getNum(), 4) << "a void property never counts as default";
    EXPECT_STREQ(static_cast<char*>(changed.getData(0)), "interval");
    EXPECT_STREQ(static_cast<char*>(changed.getData(1)), "500");
    EXPECT_STREQ(static_cast<char*>(changed.getData(2)), "running");
    EXPECT_STREQ(static_cast<char*>(changed.getData(3)), "");
    for (long i = 0; i < changed.getNum(); ++i)
        delete[] static_cast<char*>(changed.getData(i));

    // Children go first, each before its own parent.
    sampleLog().clear();
    delete form;
    EXPECT_EQ(sampleLog(), (Log{"delete ok", "delete pick-btn", "delete pick", "delete note",
                                "delete main"}));
    for (const char* name : {"main", "ok", "pick", "pick-btn", "note"})
        EXPECT_EQ(objects->getInstance("TQCbase", name), nullptr) << name;
}
