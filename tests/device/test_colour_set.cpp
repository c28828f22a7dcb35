// Resources and the colour set: lazy realisation, "#" names, colour numbers,
// role colours, the two caches and the colour-property text functions.
#include <gtest/gtest.h>

#include "FakeResources.h"
#include "_TQCcolorSet.h"
#include "_TQGFcolor.h"

#include <string>

namespace {

FakeColor* numberedColor(short no, const char* name)
{
    FakeColor* color = new FakeColor();
    color->setColorName(name);
    color->setId(no);
    return color;
}

// "<result>: r,g,b" of a colour of the given name, from r = g = b = 7.
std::string rgbOf(const char* name)
{
    TQDcolor color;
    color.setColorName(name);
    long r = 7, g = 7, b = 7;
    long result = color.getRGB(&r, &g, &b);
    return std::to_string(result) + ": " + std::to_string(r) + "," + std::to_string(g) + "," +
           std::to_string(b);
}

} // namespace

TEST(Resource, SameSourceKeepsRealisationNewSourceDropsIt)
{
    FakeColor color;
    color.setColorName("#102030");
    EXPECT_EQ(1, color.initializeCalls);
    EXPECT_EQ(0x302010, color.getValue1());

    color.setSrc("#102030");
    EXPECT_EQ(0, color.destroyCalls);
    EXPECT_EQ(0x302010, color.getValue1());
    EXPECT_EQ(1, color.initializeCalls);

    color.setSrc("#ffffff");
    EXPECT_EQ(1, color.destroyCalls);
    EXPECT_EQ(0xffffff, color.getValue1());
    EXPECT_EQ(2, color.initializeCalls);
    EXPECT_STREQ("#ffffff", color.getSrc());
}

TEST(Resource, ShorterSourceMayComeFromTheCurrentOne)
{
    TQDres res;
    EXPECT_STREQ("", res.getSrc());
    res.setSrc("longer name");
    res.setSrc(res.getSrc() + 7);
    EXPECT_STREQ("name", res.getSrc());
    res.setSrc(nullptr);
    EXPECT_STREQ("", res.getSrc());
}

TEST(Colour, RgbIsReadFromHashNamesOnly)
{
    EXPECT_EQ("-1: 7,7,7", rgbOf("red"));
    EXPECT_EQ("0: 240,240,240", rgbOf("#fff"));
    EXPECT_EQ("0: 161,178,195", rgbOf("#a1B2c3"));
    EXPECT_EQ("0: 0,0,0", rgbOf("#12345"));
}

TEST(ColourSet, NamedColourIsMadeOnceAndNumberedFrom1024)
{
    TQCcolorSet set;
    set.setCreateHandler(FakeColor::create);
    EXPECT_EQ(1024, set.getColorNo("#102030"));
    EXPECT_EQ(1024, set.getColorNo("#102030"));
    EXPECT_EQ(1, set.getColorList()->getNum());
    EXPECT_EQ(1025, set.getColorNo("#405060"));

    TQDcolor* color = set.getColor("#102030");
    ASSERT_NE(nullptr, color);
    EXPECT_EQ(1024, color->getId());
    EXPECT_EQ(1, static_cast<FakeColor*>(color)->initializeCalls);  // realised when named
    EXPECT_EQ(color, set.getColor(static_cast<short>(1024)));
    EXPECT_STREQ("#102030", set.getColorName(1024));
    EXPECT_STREQ("", set.getColorName(999));
    EXPECT_EQ(1, set.existColor(1024));
    EXPECT_EQ(0, set.existColor(999));

    TQDcolor* byParts = set.getColor(0x12, 0xab, 0x05);
    ASSERT_NE(nullptr, byParts);
    EXPECT_STREQ("#12ab05", byParts->getColorName());
    EXPECT_EQ(1026, byParts->getId());
}

TEST(ColourSet, RoleColoursByNameAndNumber)
{
    TQCcolorSet set;
    set.setCreateHandler(FakeColor::create);
    FakeColor* five = numberedColor(5, "#050505");
    FakeColor* six = numberedColor(6, "#060606");
    set.addColor(five);
    set.addColor(six);

    EXPECT_EQ(nullptr, set.getColor(static_cast<short>(-3)));  // role -3 holds 1, which no colour has
    EXPECT_EQ(0, set.setDefaultColorNo(-3, 5));
    EXPECT_EQ(five, set.getColor(static_cast<short>(-3)));
    EXPECT_EQ(five, set.getColor("DEF3"));
    EXPECT_EQ(-3, set.getColorNo("DEF3"));
    EXPECT_EQ(-300, set.getColorNo("DEF300"));  // no range check on names
    EXPECT_STREQ("DEF3", set.getColorName(-3));
    EXPECT_STREQ("", set.getColorName(0));

    EXPECT_EQ(0, set.setDefaultColorNo(-3, 6));  // a new number replaces the cached colour
    EXPECT_EQ(six, set.getColor(static_cast<short>(-3)));

    EXPECT_EQ(-1, set.setDefaultColorNo(-2, 0));
    EXPECT_EQ(1, set.getDefaultColorNo(-2));
    EXPECT_EQ(-1, set.setDefaultColorNo(-24, 5));
    EXPECT_EQ(-1, set.setDefaultColorNo(1, 5));
    EXPECT_EQ(0, set.setDefaultColorNo(-23, 5));
    EXPECT_EQ(5, set.getDefaultColorNo(-23));
    EXPECT_EQ(1, set.getDefaultColorNo(5));
    EXPECT_EQ(nullptr, set.getColor(static_cast<short>(-24)));
    EXPECT_EQ(nullptr, set.getDefaultColor(3));
}

TEST(ColourSet, NameLookupChoosesAmongColoursOfOneName)
{
    TQCcolorSet set;
    set.setCreateHandler(FakeColor::create);
    set.addColor(numberedColor(7, "#abcdef"));

    EXPECT_EQ(1024, set.getStaticColorNo("#abcdef"));  // made: 7 is not a named colour
    EXPECT_EQ(7, set.getColorNo("#abcdef"));
    EXPECT_EQ(1024, set.getStaticColorNo("#abcdef"));
    EXPECT_EQ(7, set.getColorNo("#abcdef"));
    EXPECT_EQ(2, set.getColorList()->getNum());

    // Among named duplicates the last wins, for the static lookup the first.
    set.addColor(numberedColor(2000, "#111111"));
    set.addColor(numberedColor(3000, "#111111"));
    EXPECT_EQ(3000, set.getColorNo("#111111"));
    EXPECT_EQ(2000, set.getStaticColorNo("#111111"));
}

TEST(ColourSet, CacheCollisionsDoNotChangeResults)
{
    TQCcolorSet set;
    set.setCreateHandler(FakeColor::create);
    // '1' and '9' differ by 8, so both names hash to the same slot.
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(1024, set.getColorNo("#000001"));
        EXPECT_EQ(1025, set.getColorNo("#000009"));
        EXPECT_EQ(1024, set.getColor("#000001")->getId());
        EXPECT_EQ(1025, set.getColor("#000009")->getId());
    }
    // Numbers 1024 and 1056 share a number slot as well.
    set.addColor(numberedColor(1056, "#222222"));
    for (int round = 0; round < 2; ++round) {
        EXPECT_STREQ("#000001", set.getColorName(1024));
        EXPECT_STREQ("#222222", set.getColorName(1056));
    }
    EXPECT_EQ(3, set.getColorList()->getNum());
}

TEST(ColourSet, RemovedColourLeavesCachesAndRoles)
{
    TQCcolorSet set;
    FakeColor* five = numberedColor(5, "#050505");
    set.addColor(five);
    set.setDefaultColorNo(-4, 5);
    EXPECT_EQ(five, set.getColor(static_cast<short>(-4)));
    EXPECT_EQ(five, set.getColor(static_cast<short>(5)));
    EXPECT_EQ(5, set.getColorNo("#050505"));

    set.delColor(five);
    delete five;
    EXPECT_EQ(nullptr, set.getColor(static_cast<short>(5)));
    EXPECT_EQ(nullptr, set.getColor(static_cast<short>(-4)));
    EXPECT_EQ(-1, set.getColorNo("#050505"));  // no factory to make it again
    EXPECT_EQ(0, set.existColor(5));
}

TEST(ColourSet, WithoutFactoryNothingIsMade)
{
    TQCcolorSet set;
    EXPECT_EQ(nullptr, set.getNewColor());
    EXPECT_EQ(nullptr, set.getColor("#010203"));
    EXPECT_EQ(-1, set.getColorNo("#010203"));
    EXPECT_EQ(-1, set.getStaticColorNo("#010203"));
    EXPECT_EQ(nullptr, set.getColor(static_cast<const char*>(nullptr)));
    EXPECT_EQ(0, set.getColorList()->getNum());
}

TEST(ColourSet, DeletesItsColours)
{
    long before = FakeColor::live;
    TQCcolorSet* set = new TQCcolorSet();
    set->setCreateHandler(FakeColor::create);
    set->getColorNo("#010101");
    set->addColor(new FakeColor());
    delete set;
    EXPECT_EQ(before, FakeColor::live);
}

TEST(ColourText, NumbersRolesAndNames)
{
    TQCcolorSet* set = TQGIappColorSet();
    EXPECT_EQ(set, TQGIappColorSet());
    set->setCreateHandler(FakeColor::create);

    EXPECT_EQ(12, TQGFcolor("12"));
    EXPECT_EQ(-1, TQGFcolor("-7"));
    EXPECT_EQ(-7, TQGFcolor("DEF7"));
    EXPECT_EQ(12, TQGFindexColor("12"));
    EXPECT_EQ(-1, TQGFindexColor("-7"));
    // Numbers are cut to 16 bits and never taken for colour names.
    long listed = set->getColorList()->getNum();
    EXPECT_EQ(0, TQGFcolor("65536"));
    EXPECT_EQ(0, TQGFindexColor("65536"));
    EXPECT_EQ(-25536, TQGFcolor("40000"));
    EXPECT_EQ(listed, set->getColorList()->getNum());

    short named = TQGFcolor("#0a0b0c");
    EXPECT_GE(named, 1024);
    EXPECT_EQ(named, TQGFindexColor("#0a0b0c"));
    EXPECT_STREQ("#0a0b0c", TQGFcolorName(named));
    EXPECT_STREQ("DEF5", TQGFcolorName(-5));
    EXPECT_STREQ("", TQGFcolorName(0));
}
