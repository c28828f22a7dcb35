// Big-endian value copier.
#include <gtest/gtest.h>

#include <cstring>

#include "_TQCbinType.h"

namespace {

std::string hex(const char* bytes, int n)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string s;
    for (int i = 0; i < n; ++i) {
        unsigned char b = static_cast<unsigned char>(bytes[i]);
        if (i)
            s += ' ';
        s += digits[b >> 4];
        s += digits[b & 15];
    }
    return s;
}

} // namespace

TEST(BinType, WritesMostSignificantFirst)
{
    TQCbinType* bt = TQGIbinType();
    ASSERT_EQ(bt, TQGIbinType());
    char out[8];
    bt->memcpy4b(out, 1);
    EXPECT_EQ(hex(out, 4), "00 00 00 01");
    bt->memcpy4b(out, 0x12345678);
    EXPECT_EQ(hex(out, 4), "12 34 56 78");
    bt->memcpy2b(out, -2);
    EXPECT_EQ(hex(out, 2), "FF FE");
    double one = 1.0;
    bt->memcpy8b(out, &one);
    EXPECT_EQ(hex(out, 8), "3F F0 00 00 00 00 00 00");
}

TEST(BinType, ReadersInvertWriters)
{
    TQCbinType* bt = TQGIbinType();
    char buf[32];
    long l;
    bt->memscan4b(&l, "\x00\x00\x00\x01");
    EXPECT_EQ(l, 1);
    bt->memcpy4b(buf, -123456);
    bt->memscan4b(&l, buf);
    EXPECT_EQ(l, -123456);
    short s;
    bt->memcpy2b(buf, -300);
    bt->memscan2b(&s, buf);
    EXPECT_EQ(s, -300);
    double d = -2.5e-7, back = 0;
    bt->memcpy8b(buf, &d);
    bt->memscan8b(&back, buf);
    EXPECT_EQ(back, d);

    unsigned char wide[32], again[32];
    for (int i = 0; i < 32; ++i)
        wide[i] = static_cast<unsigned char>(i);
    bt->memcpy16b(buf, wide);
    EXPECT_EQ(static_cast<unsigned char>(buf[0]), 15);
    bt->memscan16b(again, buf);
    EXPECT_EQ(memcmp(again, wide, 16), 0);
    bt->memcpy32b(buf, wide);
    EXPECT_EQ(static_cast<unsigned char>(buf[0]), 31);
    bt->memscan32b(again, buf);
    EXPECT_EQ(memcmp(again, wide, 32), 0);
}
