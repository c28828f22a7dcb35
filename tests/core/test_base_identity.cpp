// Base object: names and hashes, version checks, the object tree, creation
// by class name and what destruction undoes.
#include "CapturedText.h"
#include "FakeResources.h"
#include "SampleWidgets.h"
#include "_TQCbase.h"
#include "_TQCbaseList.h"
#include "_TQCprocedure.h"
#include "_TQGFtrigger.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

long listIndex(TQClistData& list, void* p)
{
    for (long i = 0; i < list.getNum(); ++i) {
        if (list.getData(i) == p)
            return i;
    }
    return -1;
}

} // namespace

TEST(BaseIdentity, NamesCarryTheirHash)
{
    for (const char* none : {static_cast<const char*>(nullptr), ""}) {
        TQCbase unnamed(nullptr, none);
        EXPECT_STREQ(unnamed.getInstanceName(), "");
        EXPECT_EQ(unnamed.getInstanceNameHashValue(), 0);
    }

    TQCbase object(nullptr, "abc");
    EXPECT_STREQ(object.getInstanceName(), "abc");
    EXPECT_EQ(object.getInstanceNameHashValue(), ('a' + 4 * 'c') & 31);

    object.setInstanceNameNC(nullptr);
    EXPECT_STREQ(object.getInstanceName(), "none");
    EXPECT_EQ(object.getInstanceNameHashValue(), 2);

    char name[] = "zq";
    object.setInstanceName(name);
    name[0] = 'x';
    EXPECT_STREQ(object.getInstanceName(), "zq") << "setInstanceName keeps a copy";
    EXPECT_EQ(object.getInstanceNameHashValue(), ('z' + 4 * 'q') & 31);
}

TEST(BaseIdentity, VersionCheckAcceptsTheSameTenth)
{
    testing::internal::CaptureStderr();
    EXPECT_EQ(TQCbase::checkVersion(1000), 1);
    EXPECT_EQ(TQCbase::checkVersion(1009), 1);
    EXPECT_EQ(capturedStderr(), "");

    testing::internal::CaptureStderr();
    EXPECT_EQ(TQCbase::checkVersion(1010), 0);
    EXPECT_EQ(capturedStderr(),
              "VERSION error. TQCbase object_version=1000, This TQCbase object_version=1010\n");
}

TEST(BaseIdentity, DerivedVersionChecksNameTheClassAndAskTheParent)
{
    testing::internal::CaptureStderr();
    EXPECT_EQ(SampleForm::checkVersion(1015), 1);
    EXPECT_EQ(capturedStderr(), "");

    testing::internal::CaptureStderr();
    EXPECT_EQ(SampleForm::checkVersion(1000), 0);
    EXPECT_EQ(capturedStderr(),
              "VERSION error. class=SampleForm object_version=1010  <- differ -> object_version=1000\n");
}

TEST(BaseIdentity, StaleClassReportsOnFirstConstructionAndRegistersAnyway)
{
    testing::internal::CaptureStderr();
    SampleStale stale(nullptr, "stale");
    SampleStale second(nullptr, "stale2");
    EXPECT_EQ(capturedStderr(),
              "VERSION error. class=SampleWidget object_version=1000  <- differ -> object_version=1020\n"
              "Target CLASS:SampleStale    Please recompile.\n");
    stale.initialize();
    EXPECT_EQ(stale.getProperty("interval").getLong(), 7);
}

TEST(BaseTree, InitializeMakesTheObjectItsParentsChild)
{
    SampleForm form(nullptr, "form");
    form.initialize();
    TQCprocedure* internal = new TQCprocedure("added", TQCbase::TRIGGER_CHILD_ADDED);
    internal->setInternal(1);
    internal->setFunction([](TQCbase*) { sampleLog().push_back("added"); }, "childAdded");
    EXPECT_EQ(form.addProcedure(internal), 0);

    sampleLog().clear();
    SampleWidget* a = new SampleWidget(&form, "a");
    EXPECT_EQ(form.getNextChild(nullptr), nullptr) << "not a child before initialize";
    a->initialize();
    SampleWidget* b = new SampleWidget(&form, "b");
    b->initialize();
    EXPECT_EQ(sampleLog(), (std::vector<std::string>{"added", "added"}));

    EXPECT_EQ(form.getNextChild(nullptr), a);
    EXPECT_EQ(form.getNextChild(a), b);
    EXPECT_EQ(form.getNextChild(b), nullptr);
    EXPECT_EQ(form.getNextChild(&form), nullptr);
    EXPECT_EQ(a->getNextChild(nullptr), nullptr) << "no child list";
    EXPECT_EQ(form.setChild(nullptr), -1);
    EXPECT_EQ(a->setChild(b), 0) << "accepted, though a keeps no children";
    EXPECT_EQ(a->getParentWindow(), &form);
    EXPECT_EQ(form.getParentWindow(), &form);
    EXPECT_EQ(a->isParent(&form), 1);
    EXPECT_EQ(form.isParent(a), 0);
}

TEST(BaseTree, ChildSearchIsDepthFirstFromTheObjectItself)
{
    SampleForm top(nullptr, "x");
    top.initialize();
    SampleForm* inner = new SampleForm(&top, "inner");
    inner->initialize();
    SampleWidget* deep = new SampleWidget(inner, "x");
    deep->initialize();
    SampleWidget* unnamed = new SampleWidget(&top, nullptr);
    unnamed->initialize();
    SampleWidget* later = new SampleWidget(&top, "later");
    later->initialize();

    EXPECT_EQ(top.getChildInstance("x"), &top) << "the object's own name comes first";
    EXPECT_EQ(inner->getChildInstance("x"), deep);
    EXPECT_EQ(top.getChildInstance("later"), later);
    EXPECT_EQ(top.getChildInstance(""), nullptr) << "unnamed objects never match";
    EXPECT_EQ(top.getChildInstance("nobody"), nullptr);

    TQClistData all;
    EXPECT_EQ(top.getAllChildren(all), 0);
    ASSERT_EQ(all.getNum(), 4);
    EXPECT_EQ(all.getData(0), inner);
    EXPECT_EQ(all.getData(1), deep);
    EXPECT_EQ(all.getData(2), unnamed);
    EXPECT_EQ(all.getData(3), later);
}

TEST(BaseTree, SetOrderMovesAmongSiblings)
{
    SampleForm form(nullptr, "form");
    form.initialize();
    SampleWidget* a = new SampleWidget(&form, "a");
    SampleWidget* b = new SampleWidget(&form, "b");
    SampleWidget* c = new SampleWidget(&form, "c");
    a->initialize();
    b->initialize();
    c->initialize();

    EXPECT_EQ(c->setOrder(3), 0);
    EXPECT_EQ(listIndex(form.getChildren(), c), 0);
    EXPECT_EQ(c->setOrder(0), 0);
    EXPECT_EQ(listIndex(form.getChildren(), c), 2);
    EXPECT_EQ(a->setOrder(1), 0);
    EXPECT_EQ(listIndex(form.getChildren(), a), 2);
    EXPECT_EQ(form.getChildren().getNum(), 3);
    EXPECT_EQ(form.setOrder(3), -1) << "no parent";
}

TEST(BaseCreation, ClassNamesSelectCreators)
{
    TQCbase::setCreateHandler("SampleButton", SampleWidget::createInstance);
    TQCbase::setCreateHandler("SampleButton", SampleButton::createInstance);
    TQCbase::setCreateHandler("SampleNothing", nullptr);
    std::unique_ptr<TQCbase> made(TQCbase::getNewInstance("SampleButton", nullptr, "b"));
    ASSERT_NE(made, nullptr);
    EXPECT_STREQ(made->getClassName(), "SampleButton") << "the later creator replaced the first";
    EXPECT_STREQ(made->getInstanceName(), "b");
    EXPECT_EQ(TQCbase::getNewInstance("SampleNothing", nullptr, "n"), nullptr);
    EXPECT_EQ(TQCbase::getNewInstance("SampleUnknown", nullptr, "u"), nullptr);

    TQClistData* supported = TQCbase::getSupportedClassList();
    bool hasButton = false;
    for (long i = 0; i < supported->getNum(); ++i) {
        std::string name = static_cast<const char*>(supported->getData(i));
        EXPECT_NE(name, "SampleNothing") << "null creators are not listed";
        hasButton = hasButton || name == "SampleButton";
    }
    EXPECT_TRUE(hasButton);

    TQCbase::setCreateInstanceHandler([](const char* className, TQCbase* parent,
                                         const char* name) -> TQCbase* {
        return std::string(className) == "SampleUnknown" ? new SampleWidget(parent, name) : nullptr;
    });
    std::unique_ptr<TQCbase> fallback(TQCbase::getNewInstance("SampleUnknown", nullptr, "u"));
    EXPECT_NE(fallback, nullptr);
    EXPECT_EQ(TQCbase::getNewInstance("SampleNothing", nullptr, "n"), nullptr)
        << "a registered null creator does not fall back";
    TQCbase::setCreateInstanceHandler(nullptr);
}

TEST(BaseLifecycle, DestructionUndoesRegistration)
{
    TQDmouse::setCreateInstanceHandler(FakeMouse::create);
    SampleForm parent(nullptr, "lifeParent");
    parent.initialize();
    SampleWidget* child = new SampleWidget(&parent, "lifeChild");
    child->initialize();
    TQClistData* focusOrder = new TQClistData;
    focusOrder->add(child);
    parent.setUserData("FOCUS_LIST", focusOrder);
    child->setUserData("FOCUS_LIST", new TQClistData);
    TQGIappMouse()->setMouseFocusClient(child);

    child->addProcedureV("bye", "bye", [](TQCbase* self) {
        sampleLog().push_back(std::string("delete ") + self->getInstanceName());
    }, TQEV_DELETE);
    EXPECT_EQ(TQGIappObjectList()->getInstance("SampleWidget", "lifeChild"), child);

    sampleLog().clear();
    delete child;
    EXPECT_EQ(sampleLog(), (std::vector<std::string>{"delete lifeChild"}));
    EXPECT_EQ(TQGIappObjectList()->getInstance("SampleWidget", "lifeChild"), nullptr);
    EXPECT_EQ(parent.getNextChild(nullptr), nullptr);
    EXPECT_EQ(focusOrder->getNum(), 0);
    EXPECT_EQ(TQGIappMouse()->getMouseFocusClient(), nullptr);
}
