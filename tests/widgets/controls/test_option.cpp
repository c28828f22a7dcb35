// Option button on the recording devices: its items and the label they
// give, the index operations, and where it draws its label and menu mark.
#include "ControlScene.h"
#include "_TQCoption.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

class Option : public ControlScene {
protected:
    void SetUp() override { option = add<TQCoption>("o", 0, 0, 80, 24); }
    std::string label()
    {
        char* text = nullptr;
        option->getPropertyV("labelString", &text);
        return text != nullptr ? text : "";
    }
    void set(const char* name, long v) { option->setProperty(name, TQCvariant(v)); }

    TQCoption* option = nullptr;
};

} // namespace

TEST_F(Option, ItemsGiveTheLabelFirstByValueAndLastByList)
{
    EXPECT_STREQ(TQCoption::defaultItems(), option->getProperty("menuItems").getCharPtrConst());
    EXPECT_EQ(0, option->getValue());
    EXPECT_EQ("", label()) << "no item has id 0";
    set("value", 2);
    EXPECT_EQ("item2", label());
    set("value", 9);
    EXPECT_EQ("item2", label()) << "an id no item has keeps the label";

    option->setPropertyV("menuItems", "A:5,B:5");
    set("value", 5);
    EXPECT_EQ("A", label());
    option->setPropertyV("menuItems", "C:1");
    option->setPropertyV("menuItems", "A:5,B:5");
    EXPECT_EQ("B", label());

    option->setPropertyV("menuItems", "a:1\nb:2");
    EXPECT_EQ(1, option->getItemNum()) << "the index operations count commas only";
    option->setPropertyV("menuItems", "a:1,b:2,c:x");
    EXPECT_EQ(-1, option->setItemSensitive(5, 0));
    EXPECT_EQ(0, option->getItemValue(2)) << "an id that is no number";
    EXPECT_EQ(-1, option->setSelectValue(7, 0));
}

TEST_F(Option, LabelLeavesRoomForTheMenuMarkAtTheRight)
{
    option->setPropertyV("labelString", "x");
    Calls calls = repaint(option);
    EXPECT_EQ((Calls{"drawString(4,4,49,16,\"x\",0,2,-1,0,0,0)"}), draw.callStrings("drawString"));
    auto mark = std::find_if(calls.begin(), calls.end(), [](const std::string& c) {
        return c.find("(55,8,") != std::string::npos || c.find("(55,8)") != std::string::npos;
    });
    EXPECT_NE(calls.end(), mark) << "the mark at x W - 25, centred";

    // A frame of 15 on a button 20 wide leaves nothing to fill.
    option->setPropertyV("width", static_cast<unsigned short>(20));
    option->setPropertyV("shadowThickness", static_cast<unsigned char>(15));
    repaint(option);
    for (const std::string& c : draw.callStrings("drawFillRect"))
        EXPECT_EQ(std::string::npos, c.find("(15,15,")) << c;
}
