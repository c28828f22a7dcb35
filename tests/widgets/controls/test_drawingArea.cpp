// Drawing area on a recording device: operations only inside a pass, the
// text and image forms it adapts onto the device, the expose that runs the
// owner's procedures inside a pass, and the edit-mode caption.
#include <gtest/gtest.h>

#include "ContainerProbes.h"
#include "RecordingDraw.h"
#include "_TQCimageSet.h"
#include "_TQCbaseList.h"
#include "_TQCvdrawingArea.h"
#include "_TQGFgeometry.h"

#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

TQCvdrawingArea* g_area = nullptr;

void drawCross(TQCbase*)
{
    g_area->drawLine(0, 0, 4, 4);
}

// A 60 x 20 area at (10, 5) of a shown form whose window has no pixmap.
class DrawingArea : public ::testing::Test {
protected:
    void SetUp() override
    {
        // No image loads here, whatever an earlier test installed.
        TQGIappImageSet()->setCreateHandler(nullptr);
        scene.form->setProperty("pixmapStyle", TQCvariant(0L));
        scene.form->setVisible(1);
        area = g_area = new TQCvdrawingArea(scene.form, "da");
        area->initialize();
        area->setdev(new FakeNwDev);
        TQGFsetGeometry(area, 10, 5, 60, 20);
        area->setVisible(1);
        TQGIappObjectList()->execUpdate();
        draw.clear();
    }
    Strings names()
    {
        Strings out;
        for (const DrawCall& call : draw.calls())
            out.push_back(call.name);
        return out;
    }

    RecordingDraw draw;
    CurrentDraw current{&draw};
    FormInWindow scene;
    TQCvdrawingArea* area = nullptr;
};

} // namespace

TEST_F(DrawingArea, OperationsWorkOnlyInsideAPass)
{
    EXPECT_EQ(-1, area->drawLine(0, 0, 4, 4)) << "before any pass";
    EXPECT_EQ(-1, area->beginDraw()) << "nothing of the area is exposed";
    EXPECT_EQ(0, area->getDrawing());

    area->setAbsoluteDraw(1);
    ASSERT_EQ(0, area->beginDraw());
    EXPECT_EQ(0, area->drawLine(0, 0, 4, 4));
    EXPECT_EQ(-1, area->drawImage(0, 0, 8, 8, "missing.png", 0));
    EXPECT_EQ(0, area->drawString(0, 0, 60, 20, 0, 2, "abc", -1));
    EXPECT_EQ(0, area->drawFillString(0, 0, 60, 20, 0, 2, "abc", 2));
    EXPECT_EQ(0, area->endDraw());
    EXPECT_EQ(-1, area->drawLine(0, 0, 4, 4)) << "after the pass";
    EXPECT_EQ((Strings{"drawLine(10,5,14,9)"}), draw.callStrings("drawLine"));
    EXPECT_EQ((Strings{"drawString(10,5,60,20,\"abc\",0,2,-1,0,0,0)"}),
              draw.callStrings("drawString"))
        << "font 0, centred, the whole text";
    EXPECT_EQ((Strings{"drawFillString(10,5,60,20,\"ab\",0,2,-1,0)"}),
              draw.callStrings("drawFillString"));

    area->setVisible(0);
    EXPECT_EQ(0, area->beginDraw());
    EXPECT_EQ(-1, area->drawLine(0, 0, 4, 4));
    EXPECT_EQ(0, area->endDraw());
}

TEST_F(DrawingArea, ExposeFillsThePixmapThenRunsTheProceduresInsideAPass)
{
    area->setProperty("usePixmap", TQCvariant(1L));
    area->addProcedureV("expose", "drawCross", drawCross, 9);
    scene.form->getowndev()->setExposedArea(0, 0, 100, 30);
    draw.clear();
    TQCrect exposed = {0, 0, 100, 30};
    EXPECT_EQ(0, area->execEventProc(9, &exposed));
    Strings drawing;
    for (const std::string& name : names())
        if (name == "setForeColor" || name == "drawFillRect" || name == "drawLine" ||
            name == "endDraw")
            drawing.push_back(name);
    EXPECT_EQ((Strings{"setForeColor", "drawFillRect", "endDraw", "endDraw", "setForeColor",
                       "drawLine", "endDraw", "endDraw"}),
              drawing)
        << "two passes, each through the area's pixmap and the form's window";
    EXPECT_EQ((Strings{"setForeColor(-14)", "setForeColor(-14)"}), draw.callStrings("setForeColor"))
        << "foreColor fills, and is the colour the procedures start with";
    EXPECT_EQ((Strings{"drawFillRect(0,0,60,20)"}), draw.callStrings("drawFillRect"))
        << "in the pixmap, from its corner";
}

TEST_F(DrawingArea, EditModeShowsAFramedCaption)
{
    area->setPropertyEditMode(1);
    area->setAbsoluteDraw(1);
    EXPECT_EQ(0, area->draw());
    EXPECT_EQ((Strings{"drawRect(10,5,60,20)"}), draw.callStrings("drawRect"));
    EXPECT_EQ((Strings{"drawString(10,5,60,20,\"DrawingArea\",0,2,-1,0,0,0)"}),
              draw.callStrings("drawString"));
    EXPECT_EQ(0, draw.count("drawFillRect")) << "no fill without usePixmap";
}
