// Text field on the recording devices: its parts and their class, the
// layout in both looks, the bars and the lines following the text both
// ways, the wheel, a font that measures nothing, and the parts' events on
// the text field's triggers in order. Line heights come from the font set.
#include "ControlScene.h"
#include "GuiPolicyScope.h"
#include "_TQCfontSet.h"
#include "_TQCtextField.h"
#include "_TQCvmifield.h"
#include "_TQDfont.h"
#include "_TQDkeyboard.h"
#include "_TQDmouse.h"

#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

struct Box {
    long x, y, w, h;
    bool operator==(const Box& o) const { return x == o.x && y == o.y && w == o.w && h == o.h; }
};

long number(TQCbase* object, const char* property)
{
    return object->getProperty(property).getLong();
}

Box box(TQCbase* object)
{
    return {number(object, "x"), number(object, "y"), number(object, "width"),
            number(object, "height")};
}

long offsetY(TQCtextField* field)
{
    long x = 0, y = 0;
    field->getTextFrame()->getCursorBase(&x, &y);
    return y;
}

std::string lines(int n)
{
    std::string text = "line 0";
    for (int i = 1; i < n; ++i)
        text += "\nline " + std::to_string(i);
    return text;
}

// At each KEY_PRESS of the text field: the vertical bar's value and the
// text's offset; at each VALUE_CH: the text a data-source client holds.
std::vector<std::pair<long, long>> g_atKeyPress;
Calls g_clientAtValueChange;
TQCbase* g_client = nullptr;

void noteKeyPress(TQCbase* object)
{
    TQCtextField* field = static_cast<TQCtextField*>(object);
    g_atKeyPress.push_back({static_cast<long>(field->getVScrBar()->getValue()), offsetY(field)});
}

void noteClient(TQCbase*)
{
    g_clientAtValueChange.push_back(g_client->getProperty("labelString").getCharPtrConst());
}

class TextField : public ControlScene {
protected:
    // A 200 x 100 field: bars 16 thick, margin 4, frame 2.
    TQCtextField* make(const char* name, long w = 200, long h = 100)
    {
        TQCtextField* field = new TQCtextField(form, name);
        field->initialize();
        for (auto [prop, v] : {std::pair{"x", 10L}, {"y", 10L}, {"width", w}, {"height", h},
                               {"barThickness", 16L}, {"margin", 4L}, {"shadowThickness", 2L}})
            field->setProperty(prop, TQCvariant(v));
        field->setVisible(1);
        TQGIappObjectList()->execUpdate();
        return field;
    }
    static long lh() { return TQGIappFontSet()->getFont(0)->getStringHeight("H", -2); }
    static void wheel(TQCtextField* field, u32 button)
    {
        TQGIappMouse()->setTargetBtn(button);
        TQCpoint point = {5, 5};
        field->onMousePress(&point);
        TQGIappMouse()->setTargetBtn(0);
    }
    static void press(long code, const char* text)
    {
        TQDkeyboard* k = keyboard();
        k->setKey(code);
        k->setText(const_cast<char*>(text), 16);
        k->setIsCursorKey(code == TQDkeyboard::KEY_DOWN);
        k->executeHandler(1);
        k->executeHandler(0);
    }
};

} // namespace

TEST_F(TextField, PartsAreNamedAfterItInternalAndOfTheChosenBarClass)
{
    TQCtextField* field = make("notes");
    for (const char* suffix : {"-form", "-ifd", "-hscr", "-vscr"}) {
        TQCbase* part = field->getChildInstance((std::string("notes") + suffix).c_str());
        ASSERT_NE(part, nullptr) << suffix;
        EXPECT_TRUE(part->getInternalObject()) << suffix;
    }
    EXPECT_EQ(field->getTextFrame()->getParent(), field->getChildInstance("notes-form"));
    EXPECT_STREQ(field->getVScrBar()->getClassName(), "TQCvbscrBar");
    EXPECT_STREQ(TQCtextField::getUseScrBarClass(), "TQCvbscrBar");
    EXPECT_EQ(field->cast("TQCform"), field);

    field->setPropertyV("labelString", "typed");
    EXPECT_STREQ(field->getString().getString(16), "typed") << "the text lives in the input field";

    for (const char* notABar : {"TQCnoSuchBar", "TQCvlabel"}) {
        TQCtextField::setUseScrBarClass(notABar);
        TQCtextField* other = make("other");
        EXPECT_STREQ(other->getHScrBar()->getClassName(), "TQCvscrBar") << notABar;
        delete other;
    }
    TQCtextField::setUseScrBarClass(nullptr);
    EXPECT_STREQ(TQCtextField::getUseScrBarClass(), "TQCvbscrBar");
}

TEST_F(TextField, LaysOutItsPartsByTheLook)
{
    {
        GuiPolicyScope bevelled(TQCguiPolicy::LOOK_A);
        TQCtextField* field = make("a");
        EXPECT_EQ(box(field->getChildInstance("a-form")), (Box{2, 2, 176, 76}));
        EXPECT_EQ(box(field->getTextFrame()), (Box{0, 0, 176, 76}));
        EXPECT_EQ(box(field->getVScrBar()), (Box{184, 0, 16, 80}));
        EXPECT_EQ(box(field->getHScrBar()), (Box{0, 84, 180, 16}));
        EXPECT_EQ(field->getVScrBar()->getSliderSize(), 76u);
        EXPECT_EQ(field->getHScrBar()->getSliderSize(), 176u);
        field->setPropertyV("margin", static_cast<unsigned char>(7));
        EXPECT_EQ(box(field->getTextFrame()).w, 176) << "the margin waits for the next layout";
        field->setPropertyV("width", static_cast<unsigned short>(201));
        EXPECT_EQ(box(field->getTextFrame()).w, 201 - 16 - 7 - 4);
    }
    TQCtextField* field = make("b");
    EXPECT_EQ(box(field->getChildInstance("b-form")), (Box{2, 2, 180, 80}));
    EXPECT_EQ(box(field->getVScrBar()), (Box{182, 2, 16, 80}));
    EXPECT_EQ(box(field->getHScrBar()), (Box{2, 82, 180, 16}));
    EXPECT_EQ(field->getVScrBar()->getSliderSize(), 80u);
    EXPECT_EQ(field->getHScrBar()->getSliderSize(), 180u);
    field->setPropertyV("vbarVisible", static_cast<unsigned char>(0));
    EXPECT_EQ(box(field->getTextFrame()).w, 196);
    EXPECT_EQ(box(field->getHScrBar()).w, 196);
    EXPECT_EQ(field->getHScrBar()->getSliderSize(), 180u);
    EXPECT_FALSE(field->getVScrBar()->getOwnVisible());

    TQCtextField* tiny = make("tiny", 20, 10);
    EXPECT_EQ(box(tiny->getTextFrame()), (Box{0, 0, 1, 1})) << "parts that do not fit are 1";
    EXPECT_EQ(box(tiny->getVScrBar()).h, 1);
    EXPECT_EQ(tiny->getVScrBar()->getSliderSize(), 1u);
    tiny->setPropertyV("labelString", "a\nb");
    EXPECT_EQ(tiny->getVScrBar()->getMaxSlideValue(), lh() + 2);
}

TEST_F(TextField, BarsAndLinesFollowTheTextBothWays)
{
    GuiPolicyScope bevelled(TQCguiPolicy::LOOK_A);  // a view 76 high
    TQCtextField* field = make("t");
    TQCvscrBar* bar = field->getVScrBar();
    long h = lh();
    EXPECT_EQ(bar->getMaximum(), 78u);
    EXPECT_EQ(field->getLines(), 1);

    field->setPropertyV("labelString", "one\ntwo\nthree");
    EXPECT_EQ(static_cast<long>(bar->getMaximum()), 76 + 2 * h + 2);
    EXPECT_EQ(bar->getMaxSlideValue(), 2 * h + 2);
    field->setPropertyV("vbarValue", static_cast<unsigned long>(2 * h));
    EXPECT_EQ(offsetY(field), 2 * h);
    EXPECT_EQ(static_cast<long>(bar->getValue()), 2 * h);
    EXPECT_EQ(field->getTopLine(), 2);
    EXPECT_EQ(field->getBottomLine(), 3);
    field->setTopLine(1);
    EXPECT_EQ(offsetY(field), h);
    field->setBottomLine(0);
    EXPECT_EQ(offsetY(field), 0);
    field->setTopLine(-1);
    EXPECT_EQ(offsetY(field), 2 * h + 2) << "the bar keeps the last page in range";
    field->setPropertyV("vbarValue", static_cast<unsigned long>(100000));
    EXPECT_EQ(offsetY(field), 2 * h + 2);
    EXPECT_EQ(number(field, "vbarValue"), 2 * h + 2);
    field->setPropertyV("hbarValue", static_cast<unsigned long>(40));
    EXPECT_EQ(number(field, "hbarValue"), 40);

    field->setPropertyV("labelString", lines(20).c_str());
    field->setPropertyV("vbarValue", static_cast<unsigned long>(10));
    wheel(field, 0x800);
    EXPECT_EQ(offsetY(field), 0);
    wheel(field, 0x1000);
    EXPECT_EQ(offsetY(field), 30) << "a notch is 30 pixels, whatever the line height";
    long largest = bar->getMaxSlideValue();
    field->setPropertyV("vbarValue", static_cast<unsigned long>(largest - 10));
    wheel(field, 0x1000);
    EXPECT_EQ(offsetY(field), largest);
    field->setSensitive(0);
    wheel(field, 0x800);
    field->setSensitive(1);
    field->setVisible(0);
    wheel(field, 0x800);
    EXPECT_EQ(offsetY(field), largest) << "no wheel while insensitive or hidden";
    field->setVisible(1);

    // Offsets beyond 16 bits keep their sign and size.
    field->setPropertyV("labelString", lines(4000).c_str());
    field->setTopLine(3500);
    EXPECT_EQ(offsetY(field), 3500 * h);
    EXPECT_EQ(field->getTopLine(), 3500);
    field->setTopLine(0);
    EXPECT_EQ(offsetY(field), 0);
}

TEST_F(TextField, FontThatMeasuresNothingCountsLinesOfOnePixel)
{
    GuiPolicyScope bevelled(TQCguiPolicy::LOOK_A);
    TQDfont* blank = new TQDfont;  // the base measures everything as 0
    blank->setId(9);
    TQGIappFontSet()->addFont(blank);
    TQCtextField* field = make("f");
    field->setPropertyV("font", static_cast<unsigned char>(9));
    field->setPropertyV("labelString", "a\nb\nc");
    EXPECT_EQ(field->_get_font_height(), 0);
    EXPECT_EQ(field->getVScrBar()->getMaximum(), 80u);
    field->setPropertyV("vbarValue", static_cast<unsigned long>(2));
    EXPECT_EQ(field->getTopLine(), 2);
    EXPECT_EQ(field->getBottomLine(), 3);
    field->setTopLine(-1);
    field->setBottomLine(-1);
    EXPECT_EQ(offsetY(field), 4);

    field->setPropertyV("font", static_cast<unsigned char>(0));
    EXPECT_EQ(field->_get_font_height(), lh());
    EXPECT_EQ(number(field->getVScrBar(), "increment"), lh() - 1);
    EXPECT_EQ(number(field->getHScrBar(), "increment"),
              TQGIappFontSet()->getFont(0)->getStringWidth("H", -2) - 1);
}

TEST_F(TextField, PartsEventsReachItsTriggersInOrder)
{
    GuiPolicyScope bevelled(TQCguiPolicy::LOOK_A);
    TQCtextField* field = make("tf");
    TQCvmifield* client = add<TQCvmifield>("client", 10, 150, 100, 24);
    client->setPropertyV("dataSourceName", "tf");
    client->setPropertyV("dataSource", static_cast<unsigned char>(1));
    g_client = client;
    g_atKeyPress.clear();
    g_clientAtValueChange.clear();
    field->addProcedureV("k", nullptr, noteKeyPress, TQEV_KEY_PRESS);
    field->addProcedureV("v", nullptr, noteClient, TQEV_VALUE_CH);
    watch<TQEV_KEY_HOOK>(field);
    watch<TQEV_KEY_RELEASE>(field);
    watch<TQEV_ACTIVATE>(field);
    watch<TQCtextField::TRIGGER_SCR_FOCUS_CH>(field);

    field->setPropertyV("labelString", lines(20).c_str());
    triggerLog().clear();
    field->setFocus(1);
    EXPECT_EQ(TQCbase::getFocusInstance(), field->getTextFrame()) << "the focus goes on";
    EXPECT_EQ(triggerLog(), (Calls{std::string("tf ") + TQGFtriggerToName(57)}));
    triggerLog().clear();
    press(TQDkeyboard::KEY_DOWN, "");
    EXPECT_EQ(triggerLog(), (Calls{"tf TQEV_KEY_HOOK", "tf TQEV_KEY_RELEASE"}));
    for (int i = 0; i < 11; ++i)
        press(TQDkeyboard::KEY_DOWN, "");
    ASSERT_EQ(g_atKeyPress.size(), 12u);
    EXPECT_GT(g_atKeyPress.back().second, 0) << "the cursor went past the view";
    for (auto [value, offset] : g_atKeyPress)
        EXPECT_EQ(value, offset) << "the bar is in step before KEY_PRESS";

    press(TQDkeyboard::KEY_CHAR + 'x', "x");
    ASSERT_FALSE(g_clientAtValueChange.empty());
    EXPECT_EQ(g_clientAtValueChange.back(), field->getProperty("labelString").getCharPtrConst())
        << "the clients have the text before VALUE_CH";

    triggerLog().clear();
    field->getHScrBar()->onActivate();
    field->getVScrBar()->onActivate();
    EXPECT_EQ(triggerLog(), (Calls{"tf TQEV_ACTIVATE", "tf TQEV_ACTIVATE"}));
    field->getTextFrame()->setFocus(0);
}
