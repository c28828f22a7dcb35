// User data by key: the reference and copy tables, typed accessors and the
// variant table.
#include "_TQCbase.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void* value(long n)
{
    return reinterpret_cast<void*>(n);
}

} // namespace

TEST(UserData, CopiedKeysKeepTheirValuesAcrossGrowth)
{
    TQCbase object(nullptr, "data");
    char key[] = "key0";
    for (long i = 0; i < 5; ++i) {
        key[3] = static_cast<char>('0' + i);
        EXPECT_EQ(object.setUserData(key, value(i + 1)), 0);
    }
    key[3] = 'x';
    for (long i = 0; i < 5; ++i) {
        std::string k = "key" + std::to_string(i);
        EXPECT_EQ(object.getUserData(k.c_str()), value(i + 1)) << k;
    }
}

TEST(UserData, AKeyStaysInTheTableThatFirstHeldIt)
{
    TQCbase object(nullptr, "data");
    char referenced[] = "shared";
    object.setUserData(static_cast<const char*>(referenced), value(1));
    char copied[] = "shared";
    object.setUserData(copied, value(2));
    EXPECT_EQ(object.getUserData("shared"), value(2));

    referenced[0] = 'S';
    EXPECT_EQ(object.getUserData("Shared"), value(2)) << "the key is still the caller's text";
    EXPECT_EQ(object.getUserData("shared"), nullptr) << "no copy of the key was made";

    char owned[] = "owned";
    object.setUserData(owned, value(3));
    owned[0] = 'O';
    EXPECT_EQ(object.getUserData("owned"), value(3)) << "the copying form keeps its own key";
    object.setUserData(static_cast<const char*>("owned"), value(4));
    EXPECT_EQ(object.getUserData("owned"), value(4));
}

TEST(UserData, AbsentKeysReadEmpty)
{
    TQCbase object(nullptr, "data");
    EXPECT_EQ(object.getUserData("none"), nullptr);
    EXPECT_EQ(object.getUserData(nullptr), nullptr);
    EXPECT_STREQ(object.getUserStringData("none"), "");
    EXPECT_EQ(object.getUserLongData("none"), 0u);
    TQCvariant* empty = object.getVariantData("none");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->getLong(), 0);
    EXPECT_EQ(object.setUserData(static_cast<const char*>(nullptr), value(1)), -1);
}

TEST(UserData, TypedFormsShareTheTables)
{
    TQCbase object(nullptr, "data");
    char text[] = "first";
    object.setUserStringData("label", text);
    text[0] = 'F';
    EXPECT_STREQ(object.getUserStringData("label"), "first");
    object.setUserStringData("label", "second");
    EXPECT_STREQ(object.getUserStringData("label"), "second");
    EXPECT_STREQ(static_cast<char*>(object.getUserData("label")), "second");

    object.setVariantData("v", TQCvariant(2.5));
    object.setVariantData("v", TQCvariant(3.5));
    EXPECT_DOUBLE_EQ(object.getVariantData("v")->getDouble(), 3.5);
}

TEST(UserData, EachTableHoldsAtMost127Keys)
{
    TQCbase object(nullptr, "data");
    for (long i = 0; i < 127; ++i) {
        std::string k = "k" + std::to_string(i);
        ASSERT_EQ(object.setUserData(const_cast<char*>(k.c_str()), value(i)), 0) << i;
    }
    EXPECT_EQ(object.setUserData(const_cast<char*>("k127"), value(127)), -1);
    EXPECT_EQ(object.setUserStringData("k128", "text"), -1);
    EXPECT_EQ(object.getUserData("k127"), nullptr);
    EXPECT_EQ(object.getUserData("k126"), value(126));
    EXPECT_EQ(object.setUserData(const_cast<char*>("k5"), value(55)), 0) << "replacing still works";
    EXPECT_EQ(object.getUserData("k5"), value(55));
    EXPECT_EQ(object.setUserData(static_cast<const char*>("byRef"), value(1)), 0)
        << "the other table has room";
}

TEST(UserData, StoringAStringItsOwnTextAgainKeepsTheText)
{
    TQCbase object(nullptr, "data");
    const char* text = "a text long enough to reach past the heap's own bookkeeping";
    object.setUserStringData("label", text);
    object.setUserStringData("label", object.getUserStringData("label"));
    EXPECT_STREQ(object.getUserStringData("label"), text);

    object.setExportName(text);
    object.setExportName(object.getExportName());
    EXPECT_STREQ(object.getExportName(), text);
}
