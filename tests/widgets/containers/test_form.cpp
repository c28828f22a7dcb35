// Forms on a recording device: defaults and class frame, the device set-up,
// anchors, restacking and the exact drawing calls in both looks.
#include <gtest/gtest.h>

#include "CapturedText.h"
#include "ContainerProbes.h"
#include "GuiPolicyScope.h"
#include "RecordingDraw.h"
#include "_TQCbaseList.h"
#include "_TQCguiPolicy.h"
#include "_TQGFgeometry.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

class Form : public ::testing::Test {
protected:
    // Shows the form, which makes and sets up its device; the log of it.
    Strings show()
    {
        form->setVisible(1);
        TQGIappObjectList()->execUpdate();
        Strings log = containerLog();
        containerLog().clear();
        draw.clear();
        return log;
    }
    long value(const char* name) { return form->getProperty(name).getLong(); }
    void set(const char* name, long v) { form->setProperty(name, TQCvariant(v)); }
    // The RESIZE reports in the log.
    Strings resizes()
    {
        Strings out;
        for (const std::string& entry : containerLog())
            if (entry.compare(0, 7, "resize ") == 0)
                out.push_back(entry);
        return out;
    }

    RecordingDraw draw;
    CurrentDraw current{&draw};
    FormInWindow scene;
    ProbeForm* form = scene.form;
};

} // namespace

TEST_F(Form, DefaultsVersionCheckAndCasts)
{
    EXPECT_EQ(100, value("x"));
    EXPECT_EQ(100, value("y"));
    EXPECT_EQ(100, value("width"));
    EXPECT_EQ(30, value("height"));
    EXPECT_EQ(2, value("shadowThickness"));
    EXPECT_EQ(1, value("pixmapStyle"));
    set("shadowThickness", 16);
    EXPECT_EQ(0, value("shadowThickness")) << "four bits kept";

    EXPECT_EQ(1, TQCform::checkVersion(1015));
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(0, TQCform::checkVersion(1020));
    EXPECT_EQ("VERSION error. class=TQCform object_version=1010  <- differ -> "
              "object_version=1020\n",
              capturedStderr());

    EXPECT_EQ(form, form->cast(nullptr));
    EXPECT_EQ(form, form->cast("TQCroot"));
    EXPECT_EQ(nullptr, form->cast("TQCnwbase"));
    EXPECT_EQ(nullptr, TQCform_create(nullptr));
}

TEST_F(Form, RenamedFormIsFoundUnderItsNewName)
{
    form->setPropertyV("name", "renamed");
    EXPECT_STREQ("renamed", form->getInstanceName());
    EXPECT_EQ(form, TQGIappObjectList()->getInstance("TQCform", "renamed"));
}

TEST_F(Form, FirstShowingHandsTheStoredStateOverInOrderAndReportsTheSize)
{
    set("width", 120);
    Strings log = show();
    ASSERT_GE(log.size(), 11u);
    EXPECT_EQ((Strings{"hide", "value 0", "value 1", "value 28", "value 2", "value 3",
                       "value 4", "value 16", "value 6", "events 0xe00", "show"}),
              Strings(log.begin(), log.begin() + 11));
    EXPECT_EQ(120, form->device()->getWidth());
    EXPECT_NE(log.end(), std::find(log.begin(), log.end(), "resize 100,100,120,30"));

    short image = 0;
    form->getPropertyV("backPixmap", &image);
    EXPECT_EQ((Strings{"value 16"}), containerLog()) << "reading backPixmap hands it over again";
}

TEST_F(Form, BothAnchorsStretchWithTheParentAndReportAtOnce)
{
    show();
    set("anchorLeft", 10);
    set("anchorRight", 20);
    set("anchorLeftFlag", 1);
    set("anchorRightFlag", 1);
    form->_adjust_for_anchors(200, 0);
    form->_adjust_for_anchors(300, 0);
    EXPECT_EQ((Strings{"resize 10,100,170,30", "resize 10,100,270,30"}), resizes());
    EXPECT_EQ(270, form->device()->getWidth());

    TQGIappObjectList()->execUpdate();
    EXPECT_EQ(3u, resizes().size()) << "the size change reports once more";

    form->_adjust_for_anchors(25, 0);
    EXPECT_EQ(1, value("width"));
    EXPECT_EQ(10, value("x"));
}

TEST_F(Form, RightAnchorAlonePlacesWithoutAReport)
{
    set("width", 50);
    set("anchorRight", 20);
    set("anchorRightFlag", 1);
    form->_adjust_for_anchors(300, 0);
    EXPECT_EQ(230, value("x"));
    EXPECT_EQ(50, value("width"));
    EXPECT_TRUE(containerLog().empty());
}

TEST_F(Form, RestackCountsFromTheTopAndDeletionTakesTheChildren)
{
    std::vector<TQCbase*> c;
    for (const char* name : {"a", "b", "c"}) {
        c.push_back(new SampleWidget(form, name));
        c.back()->initialize();
    }
    TQClistData& list = form->getChildren();
    EXPECT_EQ(0, form->restackChild(c[2], 3));
    EXPECT_EQ(c[2], list.getData(0));
    EXPECT_EQ(0, form->restackChild(c[1], 2));
    EXPECT_EQ(c[1], list.getData(0));
    EXPECT_EQ(0, form->restackChild(c[2], 8)) << "beyond the count counts as the count";
    EXPECT_EQ(c[2], list.getData(0));
    EXPECT_EQ(0, form->restackChild(c[2], 0));
    EXPECT_EQ(c[2], list.getData(2));
    EXPECT_EQ(-1, form->restackChild(scene.window.get(), 0));

    delete form;
    for (TQCbase* child : c)
        EXPECT_EQ(0, TQGIappObjectList()->existInstance(child));
}

TEST_F(Form, ClassicLookFillsThenDotsThenFrame)
{
    show();
    set("backColor", 5);
    set("foreColor", 6);
    form->setPropertyEditMode(1);
    draw.clear();
    form->setAbsoluteDraw(1);
    ASSERT_EQ(0, form->draw());
    Strings calls = draw.callStrings();
    auto at = std::find(calls.begin(), calls.end(), "setForeColor(5)");
    ASSERT_NE(calls.end(), at);
    EXPECT_EQ("drawFillRect(0,0,100,30)", *++at);
    EXPECT_EQ("setForeColor(6)", *++at);
    Strings dots;
    for (int y = 0; y < 30; y += 10)
        for (int x = 0; x < 100; x += 10)
            dots.push_back("drawFillRect(" + std::to_string(x) + "," + std::to_string(y) + ",1,1)");
    EXPECT_EQ(dots, Strings(at + 1, at + 1 + dots.size()));
    Strings frame(at + 1 + dots.size(), calls.end() - 1);
    EXPECT_EQ("endDraw()", calls.back());

    ASSERT_EQ(0, form->device()->beginDraw(0, 0, 100, 30, 1, 1));
    draw.clear();
    TQGFdrawShadow(form->device(), 0, 2, 6, -3, -4, 5, 0, 0, 100, 30, 0);
    EXPECT_EQ(draw.callStrings(), frame) << "the frame in fore, shadow and back colours";
    form->device()->endDraw();
}

TEST_F(Form, GradationReplacesTheFillAndAnImageLeavesBothOut)
{
    show();
    set("gradation", 5);
    form->setAbsoluteDraw(1);
    form->draw();
    EXPECT_EQ((Strings{"drawGradation(5,-3,-1,-4,0,0,100,30,0)"}),
              draw.callStrings("drawGradation"));
    Strings fills = draw.callStrings("drawFillRect");
    EXPECT_EQ(fills.end(), std::find(fills.begin(), fills.end(), "drawFillRect(0,0,100,30)"));

    form->setPropertyV("backPixmap", static_cast<short>(3));
    draw.clear();
    form->setAbsoluteDraw(1);
    form->draw();
    EXPECT_EQ(0, draw.count("drawGradation"));
    EXPECT_GT(draw.count("drawLine") + draw.count("drawFillRect"), 0) << "the frame is drawn";
}

TEST_F(Form, NoRefreshPaintsNothingAndClearsTheMarks)
{
    show();
    form->setNoRefresh(1);
    set("backColor", 9);
    TQGIappObjectList()->execUpdate();
    EXPECT_EQ(0, draw.count("drawFillRect"));
    EXPECT_EQ(0, form->isNeedUpdate());
    EXPECT_EQ(0, form->getAbsoluteDraw());
}

TEST_F(Form, ImmediateRepaintWithoutPixmapExposesTheWholeWindow)
{
    set("pixmapStyle", 0);
    show();
    ASSERT_EQ(0, form->cdraw());
    EXPECT_EQ((Strings{"setRegion(0,0,100,30)"}), draw.callStrings("setRegion"))
        << "the window's own coordinates, wherever the form lies in its parent";
}

namespace {

std::vector<TQCformDrawBlock> g_blocks;

void recordFormDraw(void* block)
{
    g_blocks.push_back(*static_cast<TQCformDrawBlock*>(block));
}

} // namespace

TEST_F(Form, ExtendedLookPaintsInsteadOfTheClassicDrawing)
{
    show();
    long classicCalls = 0;
    {
        ExtLookScope look("FormLook", "TQCform::draw", recordFormDraw);
        TQGIappObjectList()->execUpdate();
        g_blocks.clear();
        draw.clear();
        form->setAbsoluteDraw(1);
        form->draw();
        classicCalls = draw.calls().size();
    }
    EXPECT_EQ(0, classicCalls);
    ASSERT_EQ(1u, g_blocks.size());
    EXPECT_EQ(form, g_blocks[0].head.instance);
    EXPECT_EQ(100, g_blocks[0].head.x);
    EXPECT_EQ(30, g_blocks[0].head.height);
    EXPECT_EQ(2, g_blocks[0].head.shadowThickness);
    EXPECT_EQ(-1, g_blocks[0].backPixmap);
}
