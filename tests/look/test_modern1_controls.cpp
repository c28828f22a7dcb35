// The "Modern1" procedures of the button, toggle, radio and option button,
// as the calls they make on the recording device while the look is
// selected: the gradation and its margin, the pressed face and frame, the
// label's text, the radio's tick and disc, an option button without room,
// and controls too small for their frames.
#include "Modern1Scene.h"
#include "_TQCcolorSet.h"
#include "_TQCguiPolicy.h"
#include "_TQCoption.h"
#include "_TQCvbtn.h"
#include "_TQCvradio.h"
#include "_TQCvtoggle.h"
#include "_TQGFgeometry.h"
#include "_TQGFmodern1.h"
#include "_TQN.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

std::string gradation(long kind, short a, short b, short c, long y, long w, long h, long margin)
{
    return "drawGradation(" + std::to_string(kind) + "," + std::to_string(a) + "," +
           std::to_string(b) + "," + std::to_string(c) + ",0," + std::to_string(y) + "," +
           std::to_string(w) + "," + std::to_string(h) + "," + std::to_string(margin) + ")";
}

class Modern1Controls : public Modern1Scene {
protected:
    void SetUp() override
    {
        Modern1Scene::SetUp();
        form->setPropertyV(_TQNbackColor(), named("#808080"));
    }

    std::vector<std::string> texts()
    {
        std::vector<std::string> out;
        for (const DrawCall& call : draw.calls())
            if (call.name == "drawString")
                out.push_back(call.text);
        return out;
    }
    template <class Control>
    Control* make(const char* name, long w, long h, unsigned char t)
    {
        Control* control = add<Control>(name, 0, 0, w, h);
        control->setPropertyV(_TQNshadowThickness(), t);
        control->setPropertyV(_TQNbackColor(), named("#6080a0"));
        return control;
    }
};

} // namespace

TEST_F(Modern1Controls, ButtonFaceIsAGradationFromLightToDarkAndFlatDarkWhilePressed)
{
    TQCvbtn* button = make<TQCvbtn>("b", 80, 30, 2);
    short face = named("#6080a0"), light = named("#80a0c0"), dark = named("#406080");
    Calls released = repaint(button);
    EXPECT_TRUE(contains(released, {gradation(5, light, face, dark, 1, 80, 30, 20)}));
    EXPECT_TRUE(contains(released, {"setForeColor(" + std::to_string(named("#808080")) + ")",
                                    "drawFillRect(0,0,1,1)"}))
        << "the frame's corners take the colour around";

    button->setPropertyV(_TQNheight(), static_cast<unsigned short>(400));
    EXPECT_TRUE(contains(repaint(button), {gradation(5, light, face, dark, 1, 80, 400, 10)}))
        << "the margin 266 is taken modulo 256";
    button->setPropertyV(_TQNheight(), static_cast<unsigned short>(30));

    send(button, TQEV_MOUSE_PRESS, 10, 10);
    Calls pressed = repaint(button);
    send(button, TQEV_MOUSE_RELEASE, 10, 10);
    EXPECT_TRUE(contains(pressed, {"setForeColor(" + std::to_string(dark) + ")",
                                   "drawFillRect(0,0,80,30)"}));
    EXPECT_TRUE(std::none_of(pressed.begin(), pressed.end(), [](const std::string& call) {
        return call.rfind("drawGradation", 0) == 0;
    }));
    draw.clear();
    short top = 0, bottom = 0;
    button->getPropertyV(_TQNtopShadowColor(), &top);
    button->getPropertyV(_TQNbottomShadowColor(), &bottom);
    // The press gave the button the special focus: its frame lies inside the
    // outline.
    TQGFdrawShadow(button->getowndev(), 1, 2, top, top, bottom, face, 1, 1, 78, 28, 0);
    Calls sunken = draw.callStrings();
    EXPECT_TRUE(contains(pressed, sunken)) << "pressed: the classic In frame";
}

// The escapes are made line breaks on a fresh copy each time: the label
// shows the same text at every drawing and keeps what was typed.
TEST_F(Modern1Controls, ButtonTextHasItsEscapesMadeLineBreaksOnACopy)
{
    TQCvbtn* button = make<TQCvbtn>("b", 80, 40, 2);
    button->setPropertyV(_TQNlabelString(), "a\\nb");
    repaint(button);
    EXPECT_EQ((std::vector<std::string>{"a\nb"}), texts());
    button->setPropertyV(_TQNlabelString(), "a\\\\nb");
    repaint(button);
    repaint(button);
    EXPECT_EQ((std::vector<std::string>{"a\\nb"}), texts()) << "a doubled backslash stays";
    EXPECT_STREQ("a\\\\nb", button->getInternalString()->getString());
}

TEST_F(Modern1Controls, RadioIndicatorIsATickedSquareOrADisc)
{
    TQCvradio* radio = make<TQCvradio>("r", 80, 14, 1);
    radio->setPropertyV(_TQNindicatorSize(), static_cast<unsigned char>(14));
    radio->setPropertyV(_TQNunique(), static_cast<unsigned char>(0));
    radio->setStatus(1, 0);
    repaint(radio);
    EXPECT_EQ(8, draw.count("drawLine")) << "n = 12: the tick is drawn 4 times, two lines each";
    EXPECT_EQ(1, draw.count("drawGradation"));
    EXPECT_EQ(0, draw.count("drawFillArc"));
    radio->setPropertyV(_TQNunique(), static_cast<unsigned char>(1));
    repaint(radio);
    EXPECT_EQ(5, draw.count("drawFillArc")) << "two halves of the rim, ring, inside, dot";
    radio->setStatus(0, 0);
    repaint(radio);
    EXPECT_EQ(4, draw.count("drawFillArc")) << "no dot while off";
}

TEST_F(Modern1Controls, OptionButtonWithoutRoomForTheBarDrawsNoText)
{
    TQCoption* option = make<TQCoption>("o", 20, 24, 2);
    option->setPropertyV(_TQNlabelString(), "Red");
    repaint(option);
    EXPECT_EQ(0, draw.count("drawString"));
    option->setPropertyV(_TQNwidth(), static_cast<unsigned short>(100));
    repaint(option);
    EXPECT_EQ(1, draw.count("drawString"));
}

// Sizes that a frame or the indicator's rings leave at 0 or less are left
// out, not handed on wrapped to 16 bits.
TEST_F(Modern1Controls, TinyControlsDrawNothingWrappedToHugeSizes)
{
    TQCvradio* radio = make<TQCvradio>("r", 30, 6, 2);
    radio->setPropertyV(_TQNindicatorSize(), static_cast<unsigned char>(6));
    radio->setStatus(1, 0);
    Calls calls = repaint(radio);
    for (TQCbase* control : {static_cast<TQCbase*>(make<TQCvbtn>("b", 1, 1, 2)),
                             static_cast<TQCbase*>(make<TQCvtoggle>("t", 3, 3, 2)),
                             static_cast<TQCbase*>(make<TQCoption>("o", 2, 2, 2))}) {
        Calls more = repaint(control);
        calls.insert(calls.end(), more.begin(), more.end());
    }
    EXPECT_GT(calls.size(), 20u);
    for (const std::string& call : calls)
        EXPECT_EQ(std::string::npos, call.find(",65")) << call;
}
