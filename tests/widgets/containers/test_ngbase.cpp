// The non-graphic component base: its caption, the properties it keeps out
// of the builder and its version check. What it paints is seen on the
// spacer, in the controls' tests.
#include "CapturedText.h"
#include "_TQCngbase.h"
#include "_TQCproperty.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(NonGraphicBase, KeepsItsHiddenPropertiesWorkingAndChecksItsVersion)
{
    TQCngbase component(nullptr, "ng");
    component.initialize();
    EXPECT_STREQ("Non GUI", component.getTitleString().getString());
    component._set_title_string("two\nlines");
    EXPECT_STREQ("two\nlines", component.getTitleString().getString());

    for (const char* name : {"blinkColor", "blinkRate", "twinBlink", "blinkFlag",
                             "blinkRefreshing", "foreColor", "vis", "det", "anchorTop",
                             "anchorBottom", "anchorLeft", "anchorRight", "anchorTopFlag",
                             "anchorBottomFlag", "anchorLeftFlag", "anchorRightFlag"}) {
        TQCproperty* prop = component.getPropObj(name);
        ASSERT_NE(nullptr, prop) << name;
        EXPECT_EQ(0, prop->getBuilderVisible()) << name << " is left out of the builder";
        // Colours read back as names; their numbers are asked for.
        bool colour = std::strstr(name, "Color") != nullptr;
        short number = 0;
        component.setProperty(name, TQCvariant(colour ? -5L : 1L));
        component.getPropertyV(name, &number);
        EXPECT_EQ(colour ? -5 : 1, colour ? number : component.getProperty(name).getLong())
            << name << " is still set and read by name";
    }
    EXPECT_EQ(1, component.getPropObj(_TQNwidth())->getBuilderVisible());
    EXPECT_EQ(static_cast<TQCbase*>(&component), component.cast2("TQCbase"));
    EXPECT_EQ(nullptr, component.cast("TQCform"));

    ::testing::internal::CaptureStderr();
    EXPECT_EQ(0, TQCngbase::checkVersion(1010));
    EXPECT_EQ("VERSION error. class=TQCngbase object_version=1000  <- differ -> "
              "object_version=1010\n",
              capturedStderr());
    EXPECT_EQ(1, TQCngbase::checkVersion(1009));
}
