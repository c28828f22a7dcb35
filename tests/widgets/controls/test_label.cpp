// Framed label: defaults and packed fields, the class frame, and its drawing
// on the recording device: escapes, line feeding, emboss, blinking and the
// list-row modes.
#include "CapturedText.h"
#include "ControlScene.h"
#include "_TQCblink.h"
#include "_TQCvlabel.h"

#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

class Label : public ControlScene {
protected:
    void SetUp() override { label = add<TQCvlabel>("l", 0, 0, 100, 30); }
    long value(const char* name) { return label->getProperty(name).getLong(); }
    void set(const char* name, long v) { label->setProperty(name, TQCvariant(v)); }
    void setText(const char* text) { label->setPropertyV("labelString", text); }
    Calls strings() { return repaintOnly("drawString"); }
    Calls repaintOnly(const char* name)
    {
        repaint(label);
        return draw.callStrings(name);
    }

    TQCvlabel* label = nullptr;
};

} // namespace

TEST_F(Label, NewLabelReadsItsDefaultsAndFieldsKeepTheirBits)
{
    TQCbase* made = TQCbase::getNewInstance("TQCvlabel", form, "made");
    made->initialize();
    auto read = [made](const char* name) {
        short v = 0;
        made->getPropertyV(name, &v);
        return v;
    };
    EXPECT_EQ(3, made->getProperty("shadowType").getLong());
    EXPECT_EQ(2, made->getProperty("shadowThickness").getLong());
    for (const char* margin : {"marginTop", "marginBottom", "marginLeft", "marginRight"})
        EXPECT_EQ(2, made->getProperty(margin).getLong()) << margin;
    EXPECT_EQ(64, made->getProperty("maxLength").getLong());
    EXPECT_EQ((std::vector<short>{-13, -15, -16, -13}),
              (std::vector<short>{read("backColor"), read("topShadowColor"),
                                  read("bottomShadowColor"), read("backBlinkColor")}));
    EXPECT_EQ(-1, read("labelPixmap"));
    EXPECT_EQ(1, made->getProperty("keepPixmapCache").getLong());
    EXPECT_STREQ("labelString", made->getDefaultProperty());

    set("maxLength", 5000);
    EXPECT_EQ(1024, value("maxLength"));
    set("maxLength", 1000);
    EXPECT_EQ(1000, value("maxLength"));
    set("marginLeft", 17);
    EXPECT_EQ(1, value("marginLeft"));
    set("shadowType", 8);
    EXPECT_EQ(-8, value("shadowType"));
    set("alignmentH", 1);
    set("alignmentV", 4);
    EXPECT_EQ(8, label->getAlignment());
}

TEST_F(Label, VersionCheckNamesTheClass)
{
    EXPECT_EQ(1, TQCvlabel::checkVersion(1009));
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(0, TQCvlabel::checkVersion(2000));
    EXPECT_EQ("VERSION error. class=TQCvlabel object_version=1000  <- differ -> "
              "object_version=2000\n",
              capturedStderr());
}

TEST_F(Label, EscapedLineBreakIsDrawnAsTwoLinesEveryTime)
{
    setText("a\\nb");
    EXPECT_EQ((Calls{"drawString(4,4,92,22,\"a\\nb\",0,2,-1,0,0,0)"}), strings());
    EXPECT_STREQ("a\\nb", label->getProperty("labelString").getCharPtrConst());

    setText("a\\\\nb");
    Calls first = strings();
    EXPECT_EQ((Calls{"drawString(4,4,92,22,\"a\\\\nb\",0,2,-1,0,0,0)"}), first)
        << "a doubled backslash keeps the backslash and the n";
    EXPECT_EQ(first, strings()) << "and the second drawing shows the same";
}

TEST_F(Label, LineFeedingBreaksForTheWidthInsideTheFrameWhateverTheMargins)
{
    set("width", 40);
    set("autoLineFeeding", 1);
    setText("abcdef");
    for (long margin : {2, 10}) {
        set("marginLeft", margin);
        set("marginRight", margin);
        Calls drawn = strings();
        ASSERT_EQ(1u, drawn.size());
        EXPECT_NE(std::string::npos, drawn[0].find("\"abcd\\nef\"")) << drawn[0];
    }
}

TEST_F(Label, EmbossDrawsTheLightCopyBelowRightThenTheTextInTheDarkColour)
{
    set("emboss", 1);
    set("gradation", 5);
    set("reverseFlag", 1);
    setText("x");
    Calls calls = repaint(label);
    EXPECT_EQ((Calls{"drawGradation(5,-15,-13,-16,0,0,100,30,0)"}),
              draw.callStrings("drawGradation"))
        << "the gradation ignores reverse video";
    ASSERT_GE(calls.size(), 6u);
    EXPECT_EQ((Calls{"setForeColor(-15)", "drawString(5,5,92,22,\"x\",0,2,-1,0,0,0)",
                     "setForeColor(-16)", "drawString(4,4,92,22,\"x\",0,2,-1,0,0,0)"}),
              Calls(calls.end() - 6, calls.end() - 2));
}

TEST_F(Label, BlinkRateZeroIsNeverInTheBlinkPhase)
{
    setText("x");
    set("blinkFlag", 1);
    TQCblink::_blink_proc(1, TQGIappBlink());
    if (!TQGIappBlink()->getBlinkFore(1))
        TQCblink::_blink_proc(2, TQGIappBlink());
    EXPECT_TRUE(strings().empty()) << "foreground blinking without twinBlink hides the text";
    set("blinkRate", 16);
    EXPECT_EQ(1u, strings().size());
    set("blinkFlag", 0);
}

TEST_F(Label, TransparentLabelDrawsNeitherBackgroundNorFrame)
{
    set("usePixmap", 1);
    set("shadowType", -1);
    EXPECT_EQ(0, value("usePixmap"));
    setText("x");
    Calls calls = repaint(label);
    EXPECT_EQ(0, draw.count("drawFillRect"));
    EXPECT_EQ(0, draw.count("drawRect"));
    EXPECT_EQ((Calls{"drawString(2,2,96,26,\"x\",0,2,-1,0,0,0)"}), draw.callStrings("drawString"));
}

TEST_F(Label, ColumnRowDrawsOneStringPerColumnAndTheSettingsAreClassWide)
{
    TQCvlabel* other = add<TQCvlabel>("other", 0, 40, 10, 10);
    other->set_vk_draw(TQCvlabel::ROW_COLUMNS);
    other->set_bar_pos(TQCstring("100,200"));
    EXPECT_EQ(TQCvlabel::ROW_COLUMNS, label->get_vk_draw());
    set("width", 300);
    setText("a,b");
    Calls drawn = strings();
    other->set_vk_draw(TQCvlabel::ROW_PLAIN);
    other->set_bar_pos(TQCstring(""));
    EXPECT_EQ((Calls{"drawString(4,4,100,22,\"a\",0,2,-1,0,0,0)",
                     "drawString(104,4,100,22,\"b\",0,2,-1,0,0,0)",
                     "drawString(204,4,92,22,\"\",0,2,-1,0,0,0)"}),
              drawn);
}

TEST_F(Label, TreeRowOfDepthTwoIndentsLinesAndText)
{
    set("height", 24);  // content height 16
    label->setUserData("list-indent-level", reinterpret_cast<void*>(2));
    label->setUserData("list-indent-status", reinterpret_cast<void*>(2));
    setText("t");
    label->set_vk_draw(TQCvlabel::ROW_TREE);
    Calls lines = repaintOnly("drawLine");
    Calls text = draw.callStrings("drawString");
    label->set_vk_draw(TQCvlabel::ROW_PLAIN);
    EXPECT_EQ((Calls{"drawLine(42,2,42,18)", "drawLine(42,10,50,10)"}), lines)
        << "its line at mL + 40, its stub to mL + 48";
    EXPECT_EQ((Calls{"drawString(52,4,92,16,\"t\",0,2,-1,0,0,0)"}), text);
}
