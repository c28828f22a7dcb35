// The combo box on the recording devices: its field and arrow button placed
// in it, its value kept by the field, and the rows an item text makes.
#include "ControlScene.h"
#include "_TQCcomboBox.h"
#include "_TQCvifield.h"
#include "_TQDkeyboard.h"

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Geometry = std::array<long, 4>;

class OnProbeFormBox : public TQCcomboBox {
public:
    using TQCcomboBox::TQCcomboBox;
    const char* getUseDevName() override { return probeFormDevName(); }
};

class ComboBoxParts : public ControlScene {
protected:
    TQCcomboBox* box(const char* name, long w, long h)
    {
        TQCcomboBox* b = new OnProbeFormBox(form, name);
        b->initialize();
        resize(b, w, h);
        return b;
    }
    static void resize(TQCbase* b, long w, long h)
    {
        b->setProperty("width", TQCvariant(w));
        b->setProperty("height", TQCvariant(h));
    }
    static TQCbase* part(const char* className, const char* name)
    {
        return TQGIappObjectList()->getInstance(className, name);
    }
    static Geometry geometry(TQCbase* o)
    {
        Geometry g;
        const char* names[] = {"x", "y", "width", "height"};
        for (int i = 0; i < 4; ++i)
            g[i] = o->getProperty(names[i]).getLong();
        return g;
    }
};

TEST_F(ComboBoxParts, FieldFillsTheLeftAndTheButtonSitsInTheSquareAtTheRight)
{
    TQCcomboBox* b = box("newcomb_000", 160, 20);
    TQCbase* field = part("TQCvifield", "cw-if-newcomb_000");
    TQCbase* button = part("TQCvarrow", "cw-btn-newcomb_000");
    ASSERT_NE(field, nullptr);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(b->getTextFrame(), field);
    EXPECT_EQ(b->getPropertyInheritChild(), field);
    EXPECT_EQ(geometry(field), (Geometry{0, 0, 140, 20}));
    EXPECT_EQ(geometry(button), (Geometry{143, 3, 14, 14}));
    EXPECT_EQ(button->getProperty("arrowDirection").getLong(), 4);

    resize(b, 20, 20);
    EXPECT_EQ(geometry(field)[2], 1) << "no wider than high: a field of one pixel";
    EXPECT_EQ(geometry(button), (Geometry{3, 3, 14, 14}));
    resize(b, 30, 4);
    EXPECT_EQ(geometry(button), (Geometry{29, 3, 1, 1}))
        << "a button that would be -2 pixels is one pixel, not 65534";
}

TEST_F(ComboBoxParts, ValueIsTheFieldsTextAndSettingItRunsNothing)
{
    TQCcomboBox* b = box("newcomb_000", 160, 20);
    watch<TQEV_ACTIVATE>(b);
    watch<TQEV_VALUE_CH>(b);
    watch<TQEV_KEY_HOOK>(b);
    std::string text = "256" + std::string(61, ' ');
    b->setPropertyV("labelString", text.c_str());
    long size = 0;
    EXPECT_EQ(std::sscanf(TQCstring(b->getProperty("labelString")).getString(), "%ld", &size), 1);
    EXPECT_EQ(size, 256);
    EXPECT_TRUE(triggerLog().empty());
    EXPECT_STREQ(b->getDefaultProperty(), "labelString");

    // Return in the field hands the typed text on as a drop-down choice.
    b->setVisible(1);
    b->setFocus(1);
    keyboard()->setKey(TQDkeyboard::KEY_RETURN);
    keyboard()->executeHandler(1);
    keyboard()->executeHandler(0);
    b->setFocus(0);
    EXPECT_EQ((std::vector<std::string>{"newcomb_000 TQEV_KEY_HOOK", "newcomb_000 TQEV_ACTIVATE"}),
              triggerLog());

    b->setPropertyV("font", static_cast<unsigned char>(17));
    EXPECT_EQ(b->getProperty("font").getLong(), 1) << "four bits kept";
    b->setPropertyV("workBackColor", static_cast<short>(-5));
    short color = 0;
    b->getTextFrame()->getPropertyV("backColor", &color);
    EXPECT_EQ(color, -5) << "the field's background follows at once";
}

TEST(ComboBoxItems, CommasSplitRowsUnlessEscapedAndEveryOtherByteStays)
{
    using Rows = std::vector<std::string>;
    EXPECT_EQ(TQCcomboBox::itemTexts("x\\,y,z"), (Rows{"x,y", "z"}));
    EXPECT_EQ(TQCcomboBox::itemTexts("a\xFF" "b,c"), (Rows{"a\xFF" "b", "c"}))
        << "a real 0xFF byte is not taken for an escaped comma";
    EXPECT_EQ(TQCcomboBox::itemTexts(""), (Rows{""}));
    EXPECT_EQ(TQCcomboBox::itemTexts("a,,b\\"), (Rows{"a", "", "b\\"}));
}

} // namespace
