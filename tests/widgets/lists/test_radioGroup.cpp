// Radio and check groups on the recording devices: the toggles they make,
// their layout, the value kept in step with the toggles when code sets it
// and when a toggle is clicked, and items that shrink and grow again.
#include "ControlScene.h"
#include "_TQCcheckGroup.h"
#include "_TQCfontSet.h"
#include "_TQCvtoggle.h"

#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

// Text 16 pixels high, as font 1.
class TallFont : public FakeFont {
public:
    using FakeFont::FakeFont;
    using FakeFont::getStringHeight;
    long getStringHeight(TQCstring*) override { return 16; }
};

template <class Group>
class OnProbeForm : public Group {
public:
    using Group::Group;
    const char* getUseDevName() override { return probeFormDevName(); }
};

class Groups : public ControlScene {
protected:
    Groups()
    {
        static bool installed = TQGIappFontSet()->addFont(new TallFont(1)) >= 0;
        (void)installed;
    }
    template <class Group = TQCradioGroup>
    Group* group(const char* name, const char* items)
    {
        Group* g = new OnProbeForm<Group>(form, name);
        g->initialize();
        g->setPropertyV("menuItems", items);
        watch<TQEV_VALUE_CH>(g);
        return g;
    }
    // The group shown at (0, 0), w x h, and its pending updates run.
    static void show(TQCbase* g, long w, long h)
    {
        for (auto [prop, v] : {std::pair{"x", 0L}, {"y", 0L}, {"width", w}, {"height", h}})
            g->setProperty(prop, TQCvariant(v));
        g->setVisible(1);
        TQGIappObjectList()->execUpdate();
    }
    static TQCvtoggle* toggle(TQCradioGroup* g, short n)
    {
        return static_cast<TQCvtoggle*>(g->getItem(n));
    }
    static long value(TQCbase* g) { return g->getProperty("value").getLong(); }
    static void setValue(TQCbase* g, unsigned long v)
    {
        g->setProperty("value", TQCvariant(static_cast<long>(v)));
    }
    static long at(TQCbase* t, const char* prop) { return t->getProperty(prop).getLong(); }
    // A press and release in the middle of the toggle.
    static void click(TQCvtoggle* t)
    {
        long x = at(t, "x") + 5, y = at(t, "y") + 5;
        send(t, TQEV_MOUSE_PRESS, x, y);
        send(t, TQEV_MOUSE_RELEASE, x, y);
    }
    void TearDown() override
    {
        if (TQCbase* holder = TQCbase::getFocusInstance())
            holder->setFocus(0);
    }
};

} // namespace

TEST_F(Groups, DefaultItemsGiveThreeNamedTogglesOfOneGroup)
{
    TQCradioGroup* g = group("g", "item1,item2,item3");
    show(g, 120, 100);
    for (short i = 0; i < 3; ++i) {
        ASSERT_NE(nullptr, toggle(g, i));
        EXPECT_EQ("g-" + std::to_string(i), toggle(g, i)->getInstanceName());
        EXPECT_EQ(i + 1, at(toggle(g, i), "id"));
        EXPECT_STREQ("g-group0", toggle(g, i)->getProperty("group").getCharPtr());
    }
    EXPECT_EQ(0, value(g));
}

TEST_F(Groups, ChannelChoiceSetByCodeExistsAtOnceAndAnnouncesNothing)
{
    TQCradioGroup* g = group("newradi_002", "Left Channel,Right Channel");
    g->setPropertyV("titleString", "Select Channel");
    setValue(g, 1);
    ASSERT_NE(nullptr, toggle(g, 1)) << "the toggles exist before any update";
    EXPECT_EQ(1, toggle(g, 0)->getStatus());
    EXPECT_EQ(0, toggle(g, 1)->getStatus());
    show(g, 283, 70);
    EXPECT_TRUE(triggerLog().empty());
}

TEST_F(Groups, TogglesStandBelowATitleSixteenPixelsHigh)
{
    TQCradioGroup* g = group("g", "a,b,c");
    g->setPropertyV("font", static_cast<unsigned char>(1));
    show(g, 200, 120);
    for (short i = 0; i < 3; ++i) {
        EXPECT_EQ(16, at(toggle(g, i), "x"));
        EXPECT_EQ(24 + 24 * i, at(toggle(g, i), "y"));
        EXPECT_EQ(168, at(toggle(g, i), "width"));
        EXPECT_EQ(20, at(toggle(g, i), "height"));
    }
    g->setPropertyV("orientation", static_cast<unsigned char>(0));
    g->setPropertyV("width", static_cast<unsigned short>(300));
    TQGIappObjectList()->execUpdate();
    for (short i = 0; i < 3; ++i) {
        EXPECT_EQ(16 + 89 * i, at(toggle(g, i), "x"));
        EXPECT_EQ(89, at(toggle(g, i), "width"));
        EXPECT_EQ(8 + (120 - 8 - 20) / 2, at(toggle(g, i), "y"));
    }
    g->setPropertyV("width", static_cast<unsigned short>(20));
    TQGIappObjectList()->execUpdate();
    EXPECT_EQ(1, at(toggle(g, 0), "width")) << "narrower than the title's margins";
}

// Shrinking the items hides the surplus toggle, switched off, which comes
// back on growing them again. No value set by code is skipped or announced.
TEST_F(Groups, ValuesSetByCodeAreNeverSkippedAndSurplusTogglesAreHiddenOff)
{
    TQCradioGroup* g = group("g", "a,b,c");
    show(g, 120, 100);
    for (unsigned long v : {2, 3, 2})
        setValue(g, v);
    EXPECT_EQ(2, value(g));
    EXPECT_EQ(0, toggle(g, 2)->getStatus());

    setValue(g, 3);
    TQCvtoggle* third = toggle(g, 2);
    g->setPropertyV("menuItems", "a,b");
    EXPECT_EQ(0, third->getVisible());
    EXPECT_EQ(0, value(g));
    EXPECT_EQ(third, g->getItem(-1)) << "the hidden toggle is still the last one";
    g->setPropertyV("menuItems", "a,b,c");
    EXPECT_EQ(1, third->getVisible());
    EXPECT_EQ(0, third->getStatus());
    EXPECT_EQ(-1, g->setItemSensitive(5, 0));
    EXPECT_TRUE(triggerLog().empty());
}

TEST_F(Groups, CheckGroupValueIsTheMaskOfTheItemsOn)
{
    TQCcheckGroup* g = group<TQCcheckGroup>("c", "a,b,c");
    show(g, 120, 100);
    setValue(g, 5);
    EXPECT_EQ((std::vector<int>{1, 0, 1}),
              (std::vector<int>{toggle(g, 0)->getStatus(), toggle(g, 1)->getStatus(),
                                toggle(g, 2)->getStatus()}));
    EXPECT_EQ(5, value(g));
    EXPECT_TRUE(triggerLog().empty()) << "set by code";

    click(toggle(g, 1));
    EXPECT_EQ(7, value(g));
    EXPECT_EQ((Calls{"c TQEV_VALUE_CH"}), triggerLog());
    click(toggle(g, 1));
    EXPECT_EQ(5, value(g));
    EXPECT_EQ(2u, triggerLog().size());

    setValue(g, 0xFF);
    EXPECT_EQ(7, value(g)) << "only the bits of existing items";
    setValue(g, 1);
    setValue(g, 2);
    EXPECT_EQ(2, value(g));
    EXPECT_EQ(2u, triggerLog().size());
}
