// Base object: visibility and sensitivity with their propagation down the
// tree, the own device and its set-up, the update queue and the data-source
// link.
#include "ObjectListProbes.h"
#include "VisibilityProbes.h"
#include "_TQCbaseList.h"
#include "_TQCdevice.h"
#include "_TQGFtrigger.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

typedef std::vector<std::string> Log;

long countOf(const Log& log, const std::string& entry)
{
    return static_cast<long>(std::count(log.begin(), log.end(), entry));
}

// Runs the queue left by a test, so the next one starts empty.
class BaseVisibility : public ::testing::Test {
protected:
    void SetUp() override
    {
        TQGIappObjectList()->execUpdate();
        visLog().clear();
    }
    void TearDown() override
    {
        TQGIappObjectList()->execUpdate();
        TQGIappDevice()->clearDeleteList();
    }
};

// A shown top-level window with children "<prefix>a" and "<prefix>b", both
// shown; the log is cleared.
struct Tree {
    explicit Tree(const std::string& prefix)
    {
        window = VisProbe::make(nullptr, (prefix + "w").c_str(), 7);
        a = VisProbe::make(window, (prefix + "a").c_str());
        b = VisProbe::make(window, (prefix + "b").c_str());
        window->setVisible(1);
        a->setVisible(1);
        b->setVisible(1);
        visLog().clear();
    }
    ~Tree() { delete window; }

    VisProbe* window;
    VisProbe* a;
    VisProbe* b;
};

} // namespace

// ---------------------------------------------------------------------------
// Visibility

TEST_F(BaseVisibility, ParentlessObjectIsVisibleOnlyAsATopLevelWindow)
{
    std::unique_ptr<VisProbe> widget(VisProbe::make(nullptr, "lone"));
    std::unique_ptr<VisProbe> form(VisProbe::make(nullptr, "lone-form", 6));
    std::unique_ptr<VisProbe> window(VisProbe::make(nullptr, "lone-win", 7));
    for (VisProbe* p : {widget.get(), form.get(), window.get()}) {
        EXPECT_EQ(p->getVisible(), 0) << p->getInstanceName() << " before showing";
        p->setVisible(1);
    }
    EXPECT_EQ(widget->getVisible(), 0);
    EXPECT_EQ(widget->getParentVisible(), 0);
    EXPECT_EQ(form->getVisible(), 0);
    EXPECT_EQ(window->getVisible(), 1);
}

TEST_F(BaseVisibility, ShowingTwiceRaisesTheChangeOnce)
{
    std::unique_ptr<VisProbe> window(VisProbe::make(nullptr, "twice", 7));
    window->setVisible(1);
    window->setVisible(1);
    EXPECT_EQ(countOf(visLog(), "twice:T5"), 1);
    EXPECT_EQ(countOf(visLog(), "twice.onVisibleChange(1)"), 1);
    window->setVisible(0);
    window->setVisible(0);
    EXPECT_EQ(countOf(visLog(), "twice:T5"), 2);
}

TEST_F(BaseVisibility, HidingAParentTellsEachChildAndKeepsTheirOwnFlags)
{
    Tree tree("hp-");
    tree.b->setVisible(0);
    VisProbe* grandchild = VisProbe::make(tree.b, "hp-bb");
    grandchild->setVisible(1);
    visLog().clear();

    tree.window->setVisible(0);
    EXPECT_EQ(visLog(), (Log{"hp-w.onVisibleChange(0)", "hp-w:T5",
                             "hp-a.onParentVisibleChange(0)", "hp-a:T7",
                             "hp-b.onParentVisibleChange(0)", "hp-b:T7"}))
        << "a hidden child does not pass the change on";
    EXPECT_EQ(tree.a->getVisible(), 0);

    tree.window->setVisible(1);
    EXPECT_EQ(tree.a->getVisible(), 1) << "its own flag was kept";
    EXPECT_EQ(tree.b->getVisible(), 0);
    EXPECT_EQ(grandchild->getVisible(), 0);
    tree.b->setVisible(1);
    EXPECT_EQ(grandchild->getVisible(), 1);
}

TEST_F(BaseVisibility, HidingRepaintsTheAreaLeftUnlessTheObjectHasItsOwnWindow)
{
    Tree tree("rp-");
    VisProbe* form = VisProbe::make(tree.window, "rp-form", 6);
    form->setVisible(1);
    visLog().clear();

    tree.a->setVisible(0);
    form->setVisible(0);
    tree.b->setNoClearFlag(1);
    tree.b->setVisible(0);
    EXPECT_EQ(countOf(visLog(), "rp-a.redraw"), 1);
    EXPECT_EQ(countOf(visLog(), "rp-form.redraw"), 0);
    EXPECT_EQ(countOf(visLog(), "rp-b.redraw"), 0);
}

TEST_F(BaseVisibility, ObjectDestroyedByItsOwnChangeProcedureStopsTheChange)
{
    Tree tree("dd-");
    tree.a->addProcedureV("bye", "dd_bye", [](TQCbase* self) { delete self; },
                          TQEV_PARENT_VISIBLE_CH);
    tree.window->setVisible(0);
    EXPECT_EQ(countOf(visLog(), "dd-b:T7"), 1) << "later children are still told";
    EXPECT_EQ(tree.window->getChildren().getNum(), 1);
}

// ---------------------------------------------------------------------------
// Sensitivity

TEST_F(BaseVisibility, InsensitiveParentTellsChildrenButNotThroughAnInsensitiveChild)
{
    Tree tree("sp-");
    tree.b->setSensitive(0);
    VisProbe* grandchild = VisProbe::make(tree.b, "sp-bb");
    visLog().clear();

    tree.window->setSensitive(0);
    EXPECT_EQ(visLog(), (Log{"sp-w.onSensitiveChange(0)", "sp-w:T6",
                             "sp-a.onParentSensitiveChange(0)", "sp-a:T8",
                             "sp-b.onParentSensitiveChange(0)", "sp-b:T8"}));
    EXPECT_EQ(tree.window->getSensitive(), 0);
    EXPECT_EQ(tree.a->getSensitive(), 0);
    EXPECT_EQ(grandchild->getSensitive(), 0);
    EXPECT_EQ(tree.a->_get_sensitive_work(), 1);
    EXPECT_EQ(tree.b->_get_sensitive_work(), 0);

    tree.window->setSensitive(1);
    EXPECT_EQ(tree.a->getSensitive(), 1);
    EXPECT_EQ(grandchild->getSensitive(), 0);
}

TEST_F(BaseVisibility, ParentlessObjectReadsItsCachedParentSensitivityOnceRead)
{
    std::unique_ptr<VisProbe> window(VisProbe::make(nullptr, "ps-lone", 7));
    EXPECT_EQ(window->getSensitive(), 1) << "no parent counts as sensitive";
    window->setParentSensitive(0);
    EXPECT_EQ(window->getParentSensitive(), 0);
    EXPECT_EQ(window->getSensitive(), 0) << "the cache answers once it was read";
    window->setParentSensitive(1);
    EXPECT_EQ(window->getSensitive(), 1);
}

TEST_F(BaseVisibility, SensitivityChangeQueuesAVisibleObjectForAFullRedraw)
{
    // No procedures: a procedure run would run the update queue at once.
    std::unique_ptr<VisProbe> window(new VisProbe(nullptr, "sq", 7));
    window->initialize();
    EXPECT_EQ(window->getSensitive(), 1) << "a new object is sensitive";
    window->setVisible(1);
    TQGIappObjectList()->execUpdate();
    window->setAbsoluteDraw(0);

    window->setSensitive(1);
    EXPECT_EQ(window->isNeedUpdate(), 0) << "no change, nothing queued";
    window->setSensitive(0);
    EXPECT_EQ(window->isNeedUpdate(), 1);
    EXPECT_EQ(window->getAbsoluteDraw(), 1);
}

// ---------------------------------------------------------------------------
// Devices

TEST_F(BaseVisibility, AttachdevMakesTheNamedDeviceAndHandsItOffsetsAndEventMask)
{
    ProbeDevice::registerCreator();
    std::unique_ptr<VisProbe> widget(VisProbe::make(nullptr, "dev-w"));
    short x = 3;
    short y = 4;
    double scale = 2.0;
    widget->setXOffsetPtr(&x);
    widget->setYOffsetPtr(&y);
    widget->setScaleOffsetPtr(&scale);

    EXPECT_EQ(widget->attachdev(), nullptr) << "the object asks for no device";
    widget->deviceName = "probeDev";
    ProbeDevice* dev = static_cast<ProbeDevice*>(widget->attachdev());
    ASSERT_NE(dev, nullptr);
    EXPECT_EQ(dev, ProbeDevice::last);
    EXPECT_EQ(widget->getowndev(), dev);
    EXPECT_EQ(dev->getAttachedClient(), widget.get());
    EXPECT_EQ(dev->calls, (Log{"value 17", "value 18", "value 19", "bits 0x1e0"}))
        << "procedures on triggers 5 to 8 make the mask";
    EXPECT_EQ(dev->valueOf[17], &scale);
    EXPECT_EQ(dev->valueOf[18], &x);
    EXPECT_EQ(widget->attachdev(), dev) << "the own device is kept";
}

TEST_F(BaseVisibility, OwnWindowKeepsOffsetsFromItsDeviceUntilSetLaterAndATopLevelAlways)
{
    ProbeDevice::registerCreator();
    short x = 1;
    std::unique_ptr<VisProbe> form(VisProbe::make(nullptr, "off-form", 6));
    std::unique_ptr<VisProbe> window(VisProbe::make(nullptr, "off-win", 7));
    for (VisProbe* p : {form.get(), window.get()}) {
        p->deviceName = "probeDev";
        p->setXOffsetPtr(&x);
        ProbeDevice* dev = static_cast<ProbeDevice*>(p->attachdev());
        ASSERT_NE(dev, nullptr);
        EXPECT_EQ(countOf(dev->calls, "value 18"), 0) << p->getInstanceName();
        p->setXOffsetPtr(&x);
        p->setYOffsetPtr(&x);
    }
    ProbeDevice* formDev = static_cast<ProbeDevice*>(form->getowndev());
    ProbeDevice* windowDev = static_cast<ProbeDevice*>(window->getowndev());
    EXPECT_EQ(countOf(formDev->calls, "value 18"), 1);
    EXPECT_EQ(countOf(formDev->calls, "value 19"), 1);
    EXPECT_EQ(countOf(windowDev->calls, "value 18"), 0);
}

TEST_F(BaseVisibility, ShowingMakesTheDeviceOnceTheParentsAreVisible)
{
    ProbeDevice::registerCreator();
    std::unique_ptr<VisProbe> window(VisProbe::make(nullptr, "sh-w", 7));
    VisProbe* child = VisProbe::make(window.get(), "sh-c");
    window->deviceName = "probeDev";
    child->deviceName = "probeDev";

    child->setVisible(1);
    EXPECT_EQ(child->getowndev(), nullptr) << "its parent is hidden";
    window->setVisible(1);
    ProbeDevice* windowDev = static_cast<ProbeDevice*>(window->getowndev());
    ProbeDevice* childDev = static_cast<ProbeDevice*>(child->getowndev());
    ASSERT_NE(windowDev, nullptr);
    ASSERT_NE(childDev, nullptr) << "made when its parent was shown";
    EXPECT_EQ(childDev->calls.back(), "visible 1");
    EXPECT_EQ(windowDev->calls.back(), "visible 1");

    window->setVisible(0);
    EXPECT_EQ(windowDev->calls.back(), "visible 0");
    EXPECT_EQ(childDev->calls.back(), "visible 1") << "hidden with its parent's window";
}

TEST_F(BaseVisibility, DeviceLookupFollowsThePublicDeviceChildAndTheBaseDeviceFlag)
{
    ProbeDevice::registerCreator();
    std::unique_ptr<VisProbe> dialog(VisProbe::make(nullptr, "pd-dialog", 6));
    dialog->deviceName = "probeDev";
    TQDdev* dialogDev = dialog->attachdev();
    dialog->setPublicDevChildInUse(1);
    EXPECT_EQ(dialog->getdev(), nullptr) << "no public device child yet";

    VisProbe* work = VisProbe::make(dialog.get(), "pd-work", 6);
    work->deviceName = "probeDev";
    TQDdev* workDev = work->attachdev();
    dialog->setPublicDevChild(work);
    EXPECT_EQ(dialog->getdev(), workDev);
    EXPECT_EQ(work->getParentDev(), workDev) << "its parent hands it its own device";
    work->setUseParentBaseDev(1);
    EXPECT_EQ(work->getParentDev(), dialogDev);
    EXPECT_EQ(dialog->getParentDev(), nullptr);
}

// ---------------------------------------------------------------------------
// Update queue

TEST_F(BaseVisibility, NeedUpdateQueuesOnlyAVisibleObjectAndOnlyOnce)
{
    std::vector<int> log;
    ProbeItem item("nu-item", 1, &log);
    item.initialize();
    item.needUpdate();
    EXPECT_EQ(item.isNeedUpdate(), 0) << "hidden";

    item.setVisible(1);
    EXPECT_EQ(item.isNeedUpdate(), 1) << "showing queues it";
    item.needUpdate();
    // Once queued, a lone entry is updated even with its flag cleared; a
    // second entry would make the run skip both.
    item.update();
    log.clear();
    TQGIappObjectList()->execUpdate();
    EXPECT_EQ(log, (std::vector<int>{1}));
    EXPECT_EQ(item.isNeedUpdate(), 0);

    item.needUpdate();
    EXPECT_EQ(item.isNeedUpdate(), 1) << "queued again after its update";
}

// ---------------------------------------------------------------------------
// Data-source link

TEST_F(BaseVisibility, ServerPushesItsValueToEveryClientAsTextAndNullAsEmpty)
{
    std::unique_ptr<VisProbe> server(VisProbe::make(nullptr, "ds-server"));
    std::unique_ptr<VisProbe> first(VisProbe::make(nullptr, "ds-1"));
    std::unique_ptr<VisProbe> second(VisProbe::make(nullptr, "ds-2"));
    for (VisProbe* client : {first.get(), second.get(), first.get()}) {
        client->setDataSourceServer(server.get());
        server->addDataSourceClient(client);
    }
    EXPECT_EQ(server->getDataSourceClients()->getNum(), 2);
    visLog().clear();

    server->setDataToDataSourceClients(nullptr);
    TQCvariant value(42L);
    server->setDataToDataSourceClients(&value);
    EXPECT_EQ(visLog(), (Log{"ds-1.setData(\"\",-2)", "ds-2.setData(\"\",-2)",
                             "ds-1.setData(\"42\",-2)", "ds-2.setData(\"42\",-2)"}));

    second.reset();
    EXPECT_EQ(server->getDataSourceClients()->getNum(), 1) << "a destroyed client leaves";
    server.reset();
    EXPECT_EQ(first->getDataSourceServer(), nullptr);
}

TEST_F(BaseVisibility, ClientDestroyedWhileTheValueIsPushedIsSkipped)
{
    std::unique_ptr<VisProbe> server(VisProbe::make(nullptr, "dk-server"));
    std::unique_ptr<VisProbe> first(VisProbe::make(nullptr, "dk-1"));
    VisProbe* second = VisProbe::make(nullptr, "dk-2");
    server->addDataSourceClient(first.get());
    server->addDataSourceClient(second);
    second->setDataSourceServer(server.get());
    first->onData = [second] { delete second; };
    visLog().clear();

    server->setDataToDataSourceClients(nullptr);
    EXPECT_EQ(visLog(), (Log{"dk-1.setData(\"\",-2)"}));
}

TEST_F(BaseVisibility, DataCallsGoToThePropertyInheritingChild)
{
    std::unique_ptr<VisProbe> combo(VisProbe::make(nullptr, "inh-combo"));
    std::unique_ptr<VisProbe> part(VisProbe::make(nullptr, "inh-part"));
    TQCvariant value("x");
    combo->TQCbase::setData(&value, -2);
    EXPECT_TRUE(visLog().empty());
    EXPECT_EQ(combo->getDataSourceType(), 0);
    EXPECT_STREQ(combo->getDataSourcePropertyName(), "");

    combo->inheritChild = part.get();
    combo->TQCbase::setData(&value, -2);
    EXPECT_EQ(visLog(), (Log{"inh-part.setData(\"x\",-2)"}));
}
