// Toggle and radio button on the recording devices: the order in which a
// group hears of a switch, bit-mask groups, the status property after a
// click, the shortcut, and the radio indicator drawn as disc and tick.
#include "ControlScene.h"
#include "_TQCvradio.h"
#include "_TQDkeyboard.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

// Logs "<instance> on" or "<instance> off" for each notified change.
void logStatus(TQCbase* object)
{
    TQCvtoggle* toggle = static_cast<TQCvtoggle*>(object->cast("TQCvtoggle"));
    triggerLog().push_back(std::string(object->getInstanceName()) +
                           (toggle->getStatus() ? " on" : " off"));
}

class Toggle : public ControlScene {
protected:
    // A member of group at row, logging its notifications.
    template <class Control = TQCvtoggle>
    Control* member(const char* name, const char* group, short id, unsigned char unique, long row)
    {
        Control* t = add<Control>(name, 10, 10 + 30 * row, 100, 24);
        t->setPropertyV("group", group);
        t->setPropertyV("id", id);
        t->setPropertyV("unique", unique);
        t->addProcedureV("status", nullptr, logStatus, TQEV_VALUE_CH);
        return t;
    }
    void TearDown() override
    {
        if (TQCbase* holder = TQCbase::getFocusInstance())
            holder->setFocus(0);
    }
};

} // namespace

TEST_F(Toggle, PressInUniqueGroupTellsTheOthersOffInListOrderThenItselfOn)
{
    TQCvtoggle* a = member("a", "g", 1, 1, 0);
    TQCvtoggle* b = member("b", "g", 2, 1, 1);
    TQCvtoggle* c = member("c", "g", 3, 1, 2);
    b->setStatus(1, 0);
    triggerLog().clear();
    send(a, TQEV_MOUSE_PRESS, 20, 20);
    EXPECT_EQ((Calls{"b off", "c off", "a on"}), triggerLog());
    for (TQCvtoggle* t : {a, b, c})
        EXPECT_EQ(1, t->getGroupValue()) << t->getInstanceName();

    triggerLog().clear();
    send(a, TQEV_MOUSE_RELEASE, 20, 20);
    send(a, TQEV_MOUSE_PRESS, 20, 20);
    EXPECT_EQ((Calls{"b off", "c off"}), triggerLog()) << "the one on stays on, untold";
    EXPECT_EQ(1, a->getStatus());
}

TEST_F(Toggle, BitMaskGroupKeepsIdsOneToThirtyTwoAndCaseSeparatesGroups)
{
    TQCvtoggle* one = member("one", "m", 1, 0, 0);
    TQCvtoggle* two = member("two", "m", 2, 0, 1);
    TQCvtoggle* top = member("top", "m", 32, 0, 2);
    TQCvtoggle* none = member("none", "m", 33, 0, 3);
    TQCvtoggle* other = member("other", "M", 1, 0, 4);
    one->setGroupValue(static_cast<long>(0x80000003UL));
    EXPECT_EQ(0x80000003UL, static_cast<unsigned long>(two->getGroupValue()));
    for (TQCvtoggle* t : {one, two, top})
        EXPECT_EQ(1, t->getStatus()) << t->getInstanceName();
    EXPECT_EQ(0, none->getStatus());
    EXPECT_EQ(0, other->getStatus()) << "\"M\" is another group";
    EXPECT_EQ(4u, triggerLog().size()) << "every member of the group is told";
}

TEST_F(Toggle, StatusWrittenAfterAClickSwitchesTheToggle)
{
    TQCvtoggle* t = member("t", nullptr, 0, 0, 0);
    t->setPropertyV("status", static_cast<unsigned char>(0));
    send(t, TQEV_MOUSE_PRESS, 20, 20);
    send(t, TQEV_MOUSE_RELEASE, 20, 20);
    t->setPropertyV("status", static_cast<unsigned char>(0));
    EXPECT_EQ(0, t->getStatus());
    EXPECT_EQ((Calls{"t on", "t off"}), triggerLog());
}

TEST_F(Toggle, ShortcutSwitchesWithAltAndAnEmptyOneIsNone)
{
    TQCvtoggle* t = member("t", nullptr, 0, 0, 0);
    auto alt = [t](const char* text) {
        keyboard()->setWithAlt(1);
        keyboard()->setText(const_cast<char*>(text), -2);
        t->execEventProc(TQEV_KEY_PRESS, nullptr);
        keyboard()->setWithAlt(0);
    };
    t->setPropertyV("shortcut", "S");
    alt("s");
    EXPECT_STREQ("", keyboard()->getText(-2)) << "the key is taken";
    t->setPropertyV("shortcut", "");
    alt("");
    EXPECT_EQ((Calls{"t on"}), triggerLog());
}

TEST_F(Toggle, RadioDrawsItsDiscAndItsTickFromTheBoxCorner)
{
    TQCvradio* radio = member<TQCvradio>("r", nullptr, 0, 1, 0);
    short color = 0;
    radio->getPropertyV("indicatorColor", &color);
    EXPECT_EQ(16, radio->getProperty("indicatorSize").getLong());
    EXPECT_EQ(-11, color);
    EXPECT_EQ(0, radio->existProperty("indicatorOn"));

    // The radio at (10, 10), 24 high: the 16 x 16 box at (13, 14).
    radio->setPropertyV("labelString", "x");
    radio->setStatus(1, 0);
    Calls calls = repaint(radio);
    EXPECT_EQ((Calls{"drawFillArc(13,14,16,16,3840,11520,0)",
                     "drawFillArc(13,14,16,16,15360,11520,0)",
                     "drawFillArc(15,16,12,12,0,23040,0)", "drawFillArc(17,18,8,8,0,23040,0)"}),
              draw.callStrings("drawFillArc"));
    EXPECT_EQ(0u, draw.callStrings("drawString")[0].find("drawString(30,")) << "text after x 20";

    radio->setPropertyV("shadowThickness", static_cast<unsigned char>(5));
    repaint(radio);
    EXPECT_EQ(3, draw.count("drawFillArc")) << "no dot of a negative size";

    radio->setPropertyV("shadowThickness", static_cast<unsigned char>(2));
    radio->setPropertyV("unique", static_cast<unsigned char>(0));
    repaint(radio);
    ASSERT_EQ(1, draw.count("drawFillPoly"));
    auto poly = std::find_if(draw.calls().begin(), draw.calls().end(),
                             [](const DrawCall& c) { return c.name == "drawFillPoly"; });
    std::vector<std::vector<long long>> tick;
    for (const auto& p : poly->items)
        tick.push_back({p[0] - 13, p[1] - 14});
    EXPECT_EQ((std::vector<std::vector<long long>>{{5, 5}, {2, 8}, {8, 14}, {14, 2}, {8, 8}}),
              tick);
}
