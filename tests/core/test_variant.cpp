// Tagged values: conversions, rendering and ownership.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "_TQCvariant.h"

TEST(Variant, DoubleTruncatesTowardZero)
{
    EXPECT_EQ(TQCvariant(3.99).getShort(), 3);
    EXPECT_EQ(TQCvariant(-3.99).getLong(), -3);
    EXPECT_EQ(TQCvariant(-3.99f).getInt(), -3);
    EXPECT_EQ(TQCvariant(300.7).getChar(), 44); // 300 & 0xFF
    EXPECT_EQ(TQCvariant(300.7).getUnsignedChar(), 44);
}

TEST(Variant, OutOfRangeFloatingGivesMostNegative)
{
    TQCvariant big(70000.0);
    EXPECT_EQ(big.getShort(), -32768);
    EXPECT_EQ(big.getUnsignedShort(), 4464); // through 32 bits
    EXPECT_EQ(big.getChar(), 0);             // low byte of -32768
    EXPECT_EQ(TQCvariant(5e9).getLong(), std::numeric_limits<long>::min());
    EXPECT_EQ(TQCvariant(-5e9).getInt(), std::numeric_limits<int>::min());
    EXPECT_EQ(TQCvariant(5e9).getUnsignedLong(), 705032704UL); // 5e9 in 64 bits, low 32
    EXPECT_EQ(TQCvariant(-1.0).getUnsignedLong(), 4294967295UL);
    EXPECT_EQ(TQCvariant(1e30).getUnsignedLong(), 0UL);   // 64-bit minimum, low 32
    EXPECT_EQ(TQCvariant(std::nan("")).getShort(), -32768);
    EXPECT_EQ(TQCvariant(std::nan("")).getLong(), std::numeric_limits<long>::min());
}

TEST(Variant, IntegerWidthsAndSigns)
{
    TQCvariant minusOne(static_cast<short>(-1));
    EXPECT_EQ(minusOne.getUnsignedShort(), 65535);
    EXPECT_STREQ(minusOne.getCharPtr(), "-1");
    EXPECT_EQ(minusOne.getLong(), -1);

    TQCvariant uc(static_cast<unsigned char>(200));
    EXPECT_EQ(uc.getChar(), -56);
    EXPECT_EQ(uc.getLong(), 200);
    EXPECT_STREQ(uc.getTypeName(), "unsigned uchar");

    TQCvariant ul(4294967295UL);
    EXPECT_EQ(ul.getDouble(), -1.0);
    EXPECT_STREQ(ul.getCharPtr(), "-1");
    EXPECT_EQ(ul.getUnsignedLong(), 4294967295UL);
    EXPECT_EQ(TQCvariant(static_cast<char>(-5)).getUnsignedShort(), 65531);
}

TEST(Variant, TextConversions)
{
    TQCvariant hex("0x10");
    EXPECT_EQ(hex.getUnsignedLong(), 16UL);
    EXPECT_EQ(hex.getLong(), 0);
    EXPECT_EQ(TQCvariant("-0x10").getUnsignedLong(), 0UL);
    EXPECT_EQ(TQCvariant("017").getUnsignedInt(), 15u);
    EXPECT_EQ(TQCvariant("12abc").getInt(), 12);
    EXPECT_EQ(TQCvariant("70000").getShort(), 4464);
    EXPECT_EQ(TQCvariant("300").getUnsignedChar(), 44);
    EXPECT_DOUBLE_EQ(TQCvariant("2.5").getDouble(), 2.5);
    EXPECT_FLOAT_EQ(TQCvariant("2.5").getFloat(), 2.5f);
    EXPECT_EQ(TQCvariant("99999999999").getLong(), std::numeric_limits<long>::max());
}

TEST(Variant, RenderingFormats)
{
    EXPECT_STREQ(TQCvariant(1.5f).getCharPtr(), "1.5000000000");
    EXPECT_STREQ(TQCvariant(-2.25).getCharPtr(), "-2.2500000000");
    EXPECT_STREQ(TQCvariant(7L).getCharPtr(), "7");
    // The widest double still renders whole.
    TQCvariant huge(std::numeric_limits<double>::max());
    EXPECT_EQ(strlen(huge.getCharPtr()), 309u + 11u);

    // A rendering is kept until the value changes.
    TQCvariant v(5L);
    char* first = v.getCharPtr();
    EXPECT_EQ(v.getCharPtr(), first);
    EXPECT_STREQ(v.getCharPtrConst(), "");
    v = 6L;
    EXPECT_STREQ(v.getCharPtr(), "6");
}

TEST(Variant, ClearKeepsIntegerValueButNotText)
{
    TQCvariant n(5L);
    n.clear();
    EXPECT_EQ(n.getType(), TQVT_LONG);
    EXPECT_EQ(n.getLong(), 5);

    TQCvariant t(const_cast<char*>("abc"));
    t.clear();
    EXPECT_EQ(t.getType(), TQVT_LONG);
    EXPECT_EQ(t.getLong(), 0);

    TQCvariant d(2.0);
    d.clear();
    EXPECT_EQ(d.getLong(), 0);
}

TEST(Variant, CopiesShareBorrowedAndDuplicateOwnedText)
{
    const char* shared = "borrowed";
    TQCvariant borrowed(shared);
    TQCvariant copy1(borrowed);
    EXPECT_EQ(copy1.getCharPtr(), shared);
    EXPECT_EQ(copy1.getNoAllocated(), 1);

    char text[] = "owned";
    TQCvariant owned(text);
    EXPECT_NE(owned.getCharPtr(), text);
    TQCvariant copy2(owned);
    EXPECT_NE(copy2.getCharPtr(), owned.getCharPtr());
    EXPECT_STREQ(copy2.getCharPtr(), "owned");
    EXPECT_EQ(copy2.getNoAllocated(), 0);

    TQCvariant d(2.5);
    TQCvariant copy3 = d;
    d = 1.0;
    EXPECT_DOUBLE_EQ(copy3.getDouble(), 2.5);

    copy3 = copy3; // self-assignment keeps the value
    EXPECT_DOUBLE_EQ(copy3.getDouble(), 2.5);

    // Later setters forget borrowed text; new text is a copy the variant owns.
    TQCvariant v("borrowed");
    v = 3L;
    EXPECT_EQ(v.getNoAllocated(), 0);
    v = text;
    EXPECT_EQ(v.getNoAllocated(), 0);
    EXPECT_NE(v.getCharPtr(), text);
}

TEST(Variant, HandingOwnedTextAway)
{
    char text[] = "x";
    char* given;
    {
        TQCvariant v(text);
        given = v.getCharPtr();
        v.setNoAllocated(1);
    }
    EXPECT_STREQ(given, "x"); // still alive: the variant gave it up
    delete[] given;
}

TEST(Variant, PointersAndTypeNames)
{
    int target = 0;
    TQCvariant typed(&target, "MyThing*");
    EXPECT_STREQ(typed.getTypeName(), "MyThing*");
    EXPECT_EQ(typed.getVoidPtr(), &target);
    EXPECT_EQ(typed.getInstancePtr(), nullptr);

    TQCvariant plain(static_cast<void*>(&target));
    EXPECT_STREQ(plain.getTypeName(), "void*");
    EXPECT_EQ(plain.getInstancePtr(), nullptr);

    TQCbase* object = reinterpret_cast<TQCbase*>(&target);
    TQCvariant base(object);
    EXPECT_STREQ(base.getTypeName(), "TQCbase*");
    EXPECT_EQ(base.getInstancePtr(), object);
    TQCvariant copy(base);
    EXPECT_EQ(copy.getInstancePtr(), object);

    base = static_cast<void*>(&target); // the type name goes with the old value
    EXPECT_EQ(base.getInstancePtr(), nullptr);
    EXPECT_STREQ(base.getTypeName(), "void*");
}

TEST(Variant, NullTextIsReadAsEmpty)
{
    TQCvariant borrowed(static_cast<const char*>(nullptr));
    EXPECT_STREQ(borrowed.getCharPtr(), "");
    EXPECT_EQ(borrowed.getLong(), 0);
    TQCvariant sharing(borrowed);
    EXPECT_EQ(sharing.getCharPtr(), borrowed.getCharPtr()) << "the pointer is shared as it is";
    TQCvariant copied(static_cast<char*>(nullptr));
    EXPECT_STREQ(copied.getCharPtr(), "");
}

TEST(Variant, SettingFromItsOwnTextOrTypeNameCopiesFirst)
{
    TQCvariant number(1234567L);
    number = number.getCharPtr(); // the rendering becomes the text
    EXPECT_EQ(number.getType(), TQVT_CHARPTR);
    EXPECT_STREQ(number.getCharPtr(), "1234567");

    TQCvariant text(const_cast<char*>("a text longer than a heap header"));
    text.setValue(text.getCharPtr());
    EXPECT_STREQ(text.getCharPtr(), "a text longer than a heap header");

    int target = 0;
    TQCvariant typed(&target, "AnotherLongTypeName*");
    typed.setValue(&target, typed.getTypeName());
    EXPECT_STREQ(typed.getTypeName(), "AnotherLongTypeName*");
}
