// Base object: properties by name, with the conversion each property type
// makes, colour and image names, typed forms and the inheriting child.
#include "FakeResources.h"
#include "SampleWidgets.h"
#include "_TQCcolorSet.h"
#include "_TQCimageSet.h"
#include "_TQGFimage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class BaseProperties : public testing::Test {
protected:
    void SetUp() override
    {
        TQGIappColorSet()->setCreateHandler(FakeColor::create);
        TQGIappImageSet()->setCreateHandler(FakeImage::create);
        widget.initialize();
        button.initialize();
    }

    SampleWidget widget{nullptr, "propWidget"};
    SampleButton button{nullptr, "propButton"};
};

TQCvariant text(const char* t)
{
    return TQCvariant(t);
}

} // namespace

TEST_F(BaseProperties, TruthTakesOnlyTheExactTrueTexts)
{
    EXPECT_EQ(button.setProperty("twinBlink", text("true")), 1);
    EXPECT_EQ(button.twinBlink, 1);
    button.setProperty("twinBlink", text("True"));
    EXPECT_EQ(button.twinBlink, 1);
    button.setProperty("twinBlink", text("TRUE"));
    EXPECT_EQ(button.twinBlink, 0);
    button.setProperty("twinBlink", text("2"));
    EXPECT_EQ(button.twinBlink, 2) << "a number in text is stored as it stands";
    button.setProperty("twinBlink", TQCvariant(7L));
    EXPECT_EQ(button.twinBlink, 7);

    TQCvariant read = button.getProperty("twinBlink");
    EXPECT_EQ(read.getType(), TQVT_INT);
    EXPECT_EQ(read.getInt(), 1);
}

TEST_F(BaseProperties, StringsAreTextOwnedByTheObject)
{
    ASSERT_EQ(widget.labelString, nullptr);
    long setsAfterInit = widget.setCount("labelString");

    EXPECT_EQ(widget.setProperty("labelString", text("")), 1) << "a null string reads as empty";
    EXPECT_EQ(widget.labelString, nullptr);
    EXPECT_EQ(widget.setCount("labelString"), setsAfterInit);

    widget.setProperty("labelString", TQCvariant(42L));
    ASSERT_NE(widget.labelString, nullptr);
    EXPECT_STREQ(widget.labelString, "42");
    widget.setProperty("labelString", text("42"));
    EXPECT_EQ(widget.setCount("labelString"), setsAfterInit + 1) << "same text, no set";

    EXPECT_EQ(widget.setPropertyV("labelString", "abc"), 1);
    EXPECT_STREQ(widget.labelString, "abc");
    char* own = nullptr;
    EXPECT_EQ(widget.getPropertyV("labelString", &own), 1);
    EXPECT_EQ(own, widget.labelString) << "the object's own text, not a copy";
    EXPECT_STREQ(widget.getProperty("labelString").getCharPtr(), "abc");

    EXPECT_EQ(widget.setPropertyV("labelString", static_cast<const char*>(nullptr)), 1);
    EXPECT_STREQ(widget.labelString, "");
}

TEST_F(BaseProperties, ColoursTakeNamesNumbersAndRoles)
{
    widget.setProperty("foreColor", text("#102030"));
    short named = widget.foreColor;
    EXPECT_GE(named, 1024);
    EXPECT_STREQ(widget.getProperty("foreColor").getCharPtr(), "#102030");
    char* out = nullptr;
    EXPECT_EQ(widget.getPropertyV("foreColor", &out), 1);
    EXPECT_STREQ(out, "#102030");

    widget.setProperty("foreColor", TQCvariant(5L));
    EXPECT_EQ(widget.foreColor, 5);
    widget.setProperty("foreColor", text("12"));
    EXPECT_EQ(widget.foreColor, 12);
    widget.setPropertyV("foreColor", static_cast<short>(7));
    EXPECT_EQ(widget.getPropertyV("foreColor", &out), 1);
    EXPECT_STREQ(out, "7");

    widget.setProperty("foreColor", text("DEF3"));
    EXPECT_EQ(widget.foreColor, -3);
    EXPECT_STREQ(widget.getProperty("foreColor").getCharPtr(), "DEF3");
    widget.getPropertyV("foreColor", &out);
    EXPECT_STREQ(out, "-3");

    widget.setPropertyV("foreColor", "-7");
    EXPECT_EQ(widget.foreColor, -1);
    widget.setPropertyV("foreColor", "#102030");
    EXPECT_EQ(widget.foreColor, named);
}

TEST_F(BaseProperties, ImagesAreSetByName)
{
    widget.setProperty("labelPixmap", text("first.png"));
    short first = widget.labelPixmap;
    EXPECT_GE(first, 1);
    EXPECT_STREQ(widget.getProperty("labelPixmap").getCharPtr(), "first.png");

    widget.setProperty("labelPixmap", text("None"));
    EXPECT_EQ(widget.labelPixmap, -1);
    widget.setProperty("labelPixmap", TQCvariant(3L));
    EXPECT_EQ(widget.labelPixmap, -1) << "a number is no image name";
    widget.setPropertyV("labelPixmap", "first.png");
    EXPECT_EQ(widget.labelPixmap, first);
    widget.setPropertyV("labelPixmap", "NULL");
    EXPECT_EQ(widget.labelPixmap, -1);

    widget.setProperty("labelPixmap", text("first.png"));
    widget.setKeepPixmapCache(0);
    widget.setProperty("labelPixmap", text("second.png"));
    EXPECT_EQ(widget.labelPixmap, first) << "without the cache the number is reused";
    char* out = nullptr;
    widget.getPropertyV("labelPixmap", &out);
    EXPECT_STREQ(out, "second.png");

    widget.setKeepPixmapCache(1);
    widget.setProperty("labelPixmap", text("third.png"));
    EXPECT_NE(widget.labelPixmap, first);
}

TEST_F(BaseProperties, EachTypeConvertsTheVariant)
{
    button.setProperty("userValue", text("123"));
    EXPECT_EQ(button.userValue, 123);
    button.setProperty("maxLength", TQCvariant(3.9));
    EXPECT_EQ(button.maxLength, 3u);
    button.setProperty("width", TQCvariant(65L));
    EXPECT_EQ(button.width, 65);
    button.setProperty("cont", text("65"));
    EXPECT_EQ(button.cont, 65);
    button.setProperty("shadowThickness", TQCvariant(300L));
    EXPECT_EQ(button.shadowThickness, 44);
    button.setProperty("workWidth", text("1.5"));
    EXPECT_FLOAT_EQ(button.workWidth, 1.5f);
    button.setProperty("barValue", TQCvariant(2L));
    EXPECT_DOUBLE_EQ(button.barValue, 2.0);
    int target = 0;
    button.setProperty("extension", TQCvariant(static_cast<void*>(&target)));
    EXPECT_EQ(button.extension, &target);
    EXPECT_EQ(button.getProperty("extension").getUnsignedLong(),
              static_cast<unsigned long>(reinterpret_cast<uintptr_t>(&target)));
    EXPECT_EQ(button.getProperty("width").getType(), TQVT_USHORT);
    EXPECT_EQ(button.getProperty("x").getType(), TQVT_SHORT);

    EXPECT_EQ(button.setProperty("running", TQCvariant(1L)), 0) << "void properties take nothing";
    EXPECT_STREQ(button.getProperty("running").getCharPtrConst(), "");
}

TEST_F(BaseProperties, TypedFormsAcceptOnlyTheirTypes)
{
    EXPECT_EQ(button.setPropertyV("interval", static_cast<short>(5)), 0);
    EXPECT_EQ(button.interval, 250);
    EXPECT_EQ(button.setPropertyV("interval", 5), 1);
    EXPECT_EQ(button.interval, 5);
    int asInt = 0;
    EXPECT_EQ(button.getPropertyV("interval", &asInt), 1);
    EXPECT_EQ(asInt, 5);

    EXPECT_EQ(button.setPropertyV("twinBlink", static_cast<char>(1)), 1);
    EXPECT_EQ(button.setPropertyV("twinBlink", static_cast<unsigned char>(0)), 1);
    EXPECT_EQ(button.setPropertyV("cont", static_cast<char>(9)), 1);
    EXPECT_EQ(button.setPropertyV("cont", static_cast<unsigned char>(9)), 0);
    EXPECT_EQ(button.setPropertyV("workWidth", 2.0), 0);
    EXPECT_EQ(button.setPropertyV("workWidth", 2.0f), 1);
    EXPECT_EQ(button.setPropertyV("maxLength", 8u), 1);
    unsigned long length = 0;
    EXPECT_EQ(button.getPropertyV("maxLength", &length), 1);
    EXPECT_EQ(length, 8u);
    EXPECT_EQ(button.setPropertyV("foreColor", static_cast<short>(1500)), 1) << "no name lookup";
    EXPECT_EQ(button.foreColor, 1500);

    char* out = nullptr;
    EXPECT_EQ(button.getPropertyV("interval", &out), 0);
    EXPECT_EQ(button.setPropertyV("interval", "12"), 0);
    EXPECT_EQ(button.setPropertyV("nothing", 1L), 0);
    EXPECT_EQ(button.setPropertyV("interval", TQCvariant(text("77"))), 1);
    EXPECT_EQ(button.interval, 77);
}

TEST_F(BaseProperties, UnknownNamesGoToTheInheritingChild)
{
    SampleCombo combo(nullptr, "propCombo");
    combo.initialize();
    ASSERT_NE(combo.part, nullptr);

    EXPECT_EQ(combo.existProperty("interval"), 1);
    EXPECT_EQ(widget.existProperty("interval"), 0);
    EXPECT_EQ(combo.setProperty("interval", TQCvariant(9L)), 1);
    EXPECT_EQ(combo.part->interval, 9);
    EXPECT_EQ(combo.getProperty("interval").getLong(), 9);
    EXPECT_EQ(combo.setPropertyV("interval", 8L), 1);
    EXPECT_EQ(combo.part->interval, 8);

    unsigned char isDefault = 7;
    EXPECT_EQ(combo.isDefaultValue("interval", &isDefault), 0);
    EXPECT_EQ(isDefault, 0);
    EXPECT_EQ(combo.setDefaultValue("interval"), 0) << "the child is not asked";
    EXPECT_EQ(combo.part->interval, 8);

    isDefault = 7;
    EXPECT_EQ(widget.isDefaultValue("nothing", &isDefault), -1);
    EXPECT_EQ(isDefault, 7);
    EXPECT_EQ(widget.setProperty("nothing", TQCvariant(1L)), 0);
    EXPECT_STREQ(widget.getProperty("nothing").getCharPtrConst(), "");
}

TEST_F(BaseProperties, ArraysListWhatIsOffItsDefault)
{
    TQClistData list;
    EXPECT_EQ(widget.getPropertyArray(&list, 0), 0);
    EXPECT_EQ(list.getNum(), 0);

    widget.setProperty("x", TQCvariant(5L));
    widget.getPropertyArray(&list, 0);
    ASSERT_EQ(list.getNum(), 2);
    EXPECT_STREQ(static_cast<char*>(list.getData(0)), "x");
    EXPECT_STREQ(static_cast<char*>(list.getData(1)), "5");
    for (long i = 0; i < list.getNum(); ++i)
        delete[] static_cast<char*>(list.getData(i));
    list.clear();

    widget.getPropertyArray(&list, 1);
    EXPECT_EQ(list.getNum(), 2 * widget.getPropertyList()->getNum());
    for (long i = 0; i < list.getNum(); ++i)
        delete[] static_cast<char*>(list.getData(i));

    EXPECT_EQ(widget.setDefaultValue("x"), 1);
    EXPECT_EQ(widget.x, 0);
    EXPECT_EQ(widget.setDefaultValue("nothing"), 0);
}

TEST(BasePropertiesBeforeInitialize, AreRefused)
{
    SampleWidget early(nullptr, "early");
    EXPECT_EQ(early.setProperty("x", TQCvariant(3L)), 0);
    EXPECT_EQ(early.x, 0);
    EXPECT_STREQ(early.getProperty("x").getCharPtrConst(), "");
}
