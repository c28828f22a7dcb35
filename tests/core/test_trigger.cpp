// Trigger codes, names and mask bits.
#include <gtest/gtest.h>

#include "_TQGFtrigger.h"

TEST(Trigger, MaskBits)
{
    EXPECT_EQ(TQGFeventToMaskBit(0), 0x1);
    EXPECT_EQ(TQGFeventToMaskBit(13), 0x2000);
    EXPECT_EQ(TQGFeventToMaskBit(18), 0x40000);
    EXPECT_EQ(TQGFeventToMaskBit(19), 0x2000); // double click shares the press bit
    for (long code = 20; code <= 32; ++code)
        EXPECT_EQ(TQGFeventToMaskBit(code), 0) << code;
    EXPECT_EQ(TQGFeventToMaskBit(-1), 0);
}

TEST(Trigger, NamesOfCodes)
{
    EXPECT_STREQ(TQGFtriggerToName(0), "TQEV_INITIALIZE");
    EXPECT_STREQ(TQGFtriggerToName(19), "TQEV_MOUSE_DOUBLE_CLICK");
    EXPECT_STREQ(TQGFtriggerToName(25), "TQEV_USER");
    EXPECT_STREQ(TQGFtriggerToName(31), "TQEV_USER");
    EXPECT_STREQ(TQGFtriggerToName(-1), "TQEV_NONE");
    EXPECT_STREQ(TQGFtriggerToName(32), "TQEV_NONE");
    EXPECT_STREQ(TQGFeventToName(14), "TQEV_MOUSE_RELEASE");
}

TEST(Trigger, CodesOfNames)
{
    EXPECT_EQ(TQGFnameToEvent("TQEV_MOUSE_RELEASE"), 14);
    EXPECT_EQ(TQGFnameToEvent("TQEV_DELETE"), 1);
    EXPECT_EQ(TQGFnameToEvent("TQEV_MOUSE_DOUBLE_CLICK"), 19);
    EXPECT_EQ(TQGFnameToEvent("tqev_delete"), -1);
    EXPECT_EQ(TQGFnameToEvent("TQEV_USER"), -1);
    EXPECT_EQ(TQGFnameToEvent("TQEV_NONE"), -1);
    EXPECT_EQ(TQGFnameToEvent(nullptr), -1);
    for (long code = 0; code < 20; ++code)
        EXPECT_EQ(TQGFnameToEvent(TQGFtriggerToName(code)), code);
}
