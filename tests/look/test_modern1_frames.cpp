// What the "Modern1" procedures share, on the recording device: the
// registration of both halves in the GUI policy, the shifted colours and
// the two flat frames.
#include "FakeDevices.h"
#include "FakeResources.h"
#include "RecordingDraw.h"
#include "_TQCcolorSet.h"
#include "_TQCguiPolicy.h"
#include "_TQGFgeometry.h"
#include "_TQGFmodern1.h"
#include "_TQextguipolicy_tq.h"
#include "_TQextguipolicy_tqc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

typedef std::vector<std::string> Calls;

short named(const char* name)
{
    return TQGIappColorSet()->getColorNo(name);
}

std::string nameOf(short no)
{
    return TQGIappColorSet()->getColorName(no);
}

void otherButtonLook(void*)
{
}

class Modern1Frames : public ::testing::Test {
protected:
    void SetUp() override
    {
        TQGIappColorSet()->setCreateHandler(FakeColor::create);
        savedDraw = TQDdev::getDraw();
        TQDdev::setDraw(&draw);
    }
    void TearDown() override { TQDdev::setDraw(savedDraw); }

    // The calls of the frame in (2, 3, w, h) in type and thickness t, with
    // c1 to c4 numbered 11 to 14 and c5 grey.
    Calls frame(bool button, long type, unsigned short t, unsigned short w, unsigned short h,
                unsigned char flat = 0)
    {
        draw.clear();
        if (button)
            TQGFdrawModern1BtnShadow(&dev, type, t, 11, 12, 13, 14, named("#808080"), 2, 3, w,
                                     h, 0, flat);
        else
            TQGFdrawModern1Shadow(&dev, type, t, 11, 12, 13, 14, named("#808080"), 2, 3, w, h,
                                  0);
        return draw.callStrings();
    }
    Calls classic(char type, unsigned short t, unsigned short w, unsigned short h)
    {
        draw.clear();
        TQGFdrawShadow(&dev, type, t, 11, 12, 13, 14, 2, 3, w, h, 0);
        return draw.callStrings();
    }

    RecordingDraw draw;
    FakeDev dev;
    TQDdraw* savedDraw = nullptr;
};

} // namespace

namespace {

typedef std::vector<std::pair<const char*, TQCguiPolicy::DrawProc>> Table;

// Each key finds its procedure, and stands in the look's key list after the
// one before it.
void expectRegisteredInOrder(const Table& table)
{
    TQCguiPolicy* policy = TQGIappGuiPolicy();
    TQCindexData* keys =
        static_cast<TQCindexData*>(policy->getExtGuiPolicyList()->getData("Modern1"));
    ASSERT_NE(nullptr, keys);
    long last = -1;
    for (const auto& [key, procedure] : table) {
        EXPECT_EQ(procedure, policy->getExtGuiPolicyProc(key)) << key;
        long at = 0;
        while (at < keys->getNum() && std::string(keys->getIndex(at)) != key)
            ++at;
        EXPECT_GT(at, last) << key << " registered after the one before it";
        last = at;
    }
}

} // namespace

// The test program makes no reference to the registrations themselves: they
// are there because the toolkit is linked whole.
TEST(Modern1Registration, EachHalfRegistersItsSixKeysInTableOrderAndALaterOneReplaces)
{
    TQCguiPolicy* policy = TQGIappGuiPolicy();
    policy->setExtGuiPolicy(nullptr, 0);
    EXPECT_EQ(nullptr, policy->getExtGuiPolicyProc("TQCvbtn::draw")) << "no look selected";
    EXPECT_EQ(nullptr, policy->getExtGuiPolicyProc("TQCvscrBar::draw")) << "no look selected";
    policy->setExtGuiPolicy("Modern1", 0);
    expectRegisteredInOrder({{"TQCvbtn::draw", TQCvbtn_draw_mdr1},
                             {"TQCform::draw", TQCform_draw_mdr1},
                             {"TQCvtoggle::draw", TQCvtoggle_draw_mdr1},
                             {"TQCvradio::draw", TQCvradio_draw_mdr1},
                             {"TQCoption::draw", TQCoption_draw_mdr1},
                             {"TQCpopupFrame::draw", TQCpopupFrame_draw_mdr1}});
    expectRegisteredInOrder({{"TQCindexForm::draw", TQCindexForm_draw_mdr1},
                             {"TQCmenuArea::draw", TQCmenuArea_draw_mdr1},
                             {"TQCpulldownMenuPopup::draw", TQCpulldownMenuPopup_draw_mdr1},
                             {"TQCvscrBar::draw", TQCvscrBar_draw_mdr1},
                             {"TQCscrForm::draw", TQCscrForm_draw_mdr1},
                             {"TQCpulldownMenu::draw", TQCpulldownMenu_draw_mdr1}});
    EXPECT_EQ(nullptr, policy->getExtGuiPolicyProc("TQCvscrbar::draw")) << "keys are exact";
    policy->setExtGuiPolicyProc("Modern1", "TQCvbtn::draw", otherButtonLook);
    EXPECT_EQ(otherButtonLook, policy->getExtGuiPolicyProc("TQCvbtn::draw"));
    policy->setExtGuiPolicyProc("Modern1", "TQCvbtn::draw", TQCvbtn_draw_mdr1);
    policy->setExtGuiPolicy("", 0);
}

TEST_F(Modern1Frames, ShiftsClampOnTheSideTheyMoveToAndNameTheColour)
{
    long r, g, b;
    TQGFgetFixedRGB(250, 10, 128, 16, &r, &g, &b);
    EXPECT_EQ((std::vector<long>{255, 26, 144}), (std::vector<long>{r, g, b}));
    TQGFgetFixedRGB(5, 10, 128, -16, &r, &g, &b);
    EXPECT_EQ((std::vector<long>{0, 0, 112}), (std::vector<long>{r, g, b}));
    TQGFgetFixedRGB(300, -4, 7, 0, &r, &g, &b);
    EXPECT_EQ((std::vector<long>{300, 0, 7}), (std::vector<long>{r, g, b}))
        << "delta 0 clamps only below";

    EXPECT_EQ(named("#ffffff"), TQGFgetFixedColor(named("#ffffff"), +16));
    EXPECT_EQ(named("#000000"), TQGFgetFixedColor(named("#000000"), -16));
    EXPECT_EQ("#70a0b0", nameOf(TQGFgetFixedColor(named("#6090a0"), +16)));
    EXPECT_EQ(999, TQGFgetFixedColor(999, +16)) << "an unknown colour stays as it is";
}

TEST_F(Modern1Frames, ContainerFrameIsFlatForOutAndInAndClassicOtherwise)
{
    const Calls flat = {"setLineDashType(0)", "setLineWidth(1)",
                        "setForeColor(" + std::to_string(named("#909090")) + ")",
                        "drawRect(2,3,20,10)",
                        "setForeColor(" + std::to_string(named("#707070")) + ")",
                        "drawFillRect(2,3,1,10)", "drawFillRect(2,3,20,1)", "setForeColor(13)",
                        "drawRect(3,4,18,8)"};
    EXPECT_EQ(flat, frame(false, 0, 1, 20, 10));
    EXPECT_EQ(flat, frame(false, 1, 4, 20, 10)) << "In is the same, whatever the thickness";
    for (char type : {-1, 2, 3, 4}) {
        Calls modern = frame(false, type, 2, 20, 10);
        EXPECT_EQ(classic(type, 2, 20, 10), Calls(modern.begin() + 2, modern.end()))
            << "type " << int(type) << " is the classic frame after the solid line";
    }
    Calls clamped = frame(false, 2, 3, 5, 10);
    EXPECT_EQ(classic(2, 2, 5, 10), Calls(clamped.begin() + 2, clamped.end()))
        << "thickness 3 on width 5 draws as 2";
    EXPECT_TRUE(frame(false, 0, 3, 1, 10).empty()) << "width 1: nothing";
    EXPECT_TRUE(frame(true, 0, 3, 10, 1).empty()) << "height 1: nothing";
}

TEST_F(Modern1Frames, ButtonFrameIsRoundedOnlyWhenRaised)
{
    // The solid line, outline, four shading lines, dark edges, the inner
    // outline with its rounded corners, and the outer corners.
    Calls raised = frame(true, 0, 2, 20, 10);
    ASSERT_EQ(32u, raised.size());
    EXPECT_EQ("setForeColor(" + std::to_string(named("#808080")) + ")", raised[27])
        << "the outer corners take the colour around";
    EXPECT_EQ((Calls{"drawFillRect(2,3,1,1)", "drawFillRect(21,12,1,1)", "drawFillRect(2,12,1,1)",
                     "drawFillRect(21,3,1,1)"}),
              Calls(raised.begin() + 28, raised.end()));
    EXPECT_EQ(24u, frame(true, 0, 2, 20, 10, 1).size()) << "flat: no shading lines";
    Calls sunk = frame(true, 1, 2, 20, 10);
    EXPECT_EQ(classic(1, 2, 20, 10), Calls(sunk.begin() + 2, sunk.end())) << "In: classic";
}
