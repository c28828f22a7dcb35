// Win32 colours: the name table and how names become colour references.
#include <gtest/gtest.h>

#include "TQDwinColor.h"
#include "_TQCcolorSet.h"

#include <set>
#include <string>

namespace {

unsigned long reference(const char* name)
{
    TQDwinColor color;
    color.setSrc(name);
    return static_cast<unsigned long>(color.getValue1());
}

std::string rgb(const char* name)
{
    TQDwinColor color;
    color.setSrc(name);
    long r = -1, g = -1, b = -1;
    EXPECT_EQ(0, color.getRGB(&r, &g, &b));
    return std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b);
}

const TQDwinColorName* row(const char* name)
{
    for (const TQDwinColorName* r = TQDwinColorNames; r->name != nullptr; ++r) {
        if (std::string(r->name) == name)
            return r;
    }
    return nullptr;
}

} // namespace

TEST(WinColorTable, HoldsTheFirstFortyTwiceAndSevenHundredFifteenNames)
{
    long rows = 0;
    std::set<std::string> distinct;
    for (const TQDwinColorName* r = TQDwinColorNames; r->name != nullptr; ++r, ++rows)
        distinct.insert(r->name);
    EXPECT_EQ(755, rows);
    EXPECT_EQ(715u, distinct.size());
    for (long i = 0; i < 40; ++i) {
        const TQDwinColorName& head = TQDwinColorNames[i];
        const TQDwinColorName& again = TQDwinColorNames[40 + i];
        EXPECT_EQ(std::string(head.name), again.name) << "row " << i;
        EXPECT_EQ(head.red * 65536 + head.green * 256 + head.blue,
                  again.red * 65536 + again.green * 256 + again.blue);
    }
    EXPECT_STREQ("SNOW", TQDwinColorNames[0].name);
    EXPECT_STREQ("WHITE", TQDwinColorNames[39].name);
    EXPECT_STREQ("LIGHTGREEN", TQDwinColorNames[754].name);

    for (const char* absent : {"GRAY", "LIGHT GREY", "DARKSLATEGRAY", "NAVY", "NAVY BLUE",
                               "CORNFLOWERBLUE", "LIGHTSLATEBLUE", "DEBIANRED"})
        EXPECT_EQ(nullptr, row(absent)) << absent;
    for (const char* present : {"GHOST WHITE", "GHOSTWHITE", "SNOW4", "GRAY0", "GREY100",
                                "SLATEBLUE1", "SLATEGRAY1"})
        EXPECT_NE(nullptr, row(present)) << present;
}

TEST(WinColor, HashNamesReadUnscaledFieldsByLength)
{
    EXPECT_EQ(0x020000FFul, reference("#FF0000"));
    EXPECT_EQ(0x0200FF00ul, reference("#00ff00"));
    EXPECT_EQ("15,15,15", rgb("#fff"));
    EXPECT_EQ("1,2,3", rgb("#1234")) << "a fourth field is ignored";
    EXPECT_EQ("18,52,86", rgb("#12345678"));
    EXPECT_EQ("52,120,188", rgb("#123456789abc"));
    EXPECT_EQ("52,120,188", rgb("#123456789abcdef0"));
    EXPECT_EQ("255,26,16", rgb("#ff1a10"));
    for (const char* black : {"#12345", "#", "#12g", "#1234567890"})
        EXPECT_EQ(0x02000000ul, reference(black)) << black;
}

TEST(WinColor, OtherNamesAreLookedUpInUpperCase)
{
    EXPECT_EQ("144,238,144", rgb("light green"));
    EXPECT_EQ("144,238,144", rgb("LightGreen"));
    EXPECT_EQ("127,127,127", rgb("gray50"));
    EXPECT_EQ("0,100,0", rgb("DarkGreen"));
    EXPECT_EQ("0,255,0", rgb("green"));
    for (const char* black : {"light grey", "navy", "", "no such colour",
                              "an overly long name that goes on and on well past seventy-five chars"})
        EXPECT_EQ(0x02000000ul, reference(black)) << black;
}

TEST(WinColor, TheColourSetMakesWin32Colours)
{
    _win_color_init();
    TQDcolor* color = TQGIappColorSet()->getColor("Snow");
    ASSERT_NE(nullptr, color);
    EXPECT_NE(nullptr, color->cast("TQDwinColor"));
    EXPECT_EQ(0x02FAFAFF, color->getValue1());
}
