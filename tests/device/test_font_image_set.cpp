// Fonts and images: measuring and line fitting, virtual fonts, lazy image
// loading, and the font and image sets by number and by name.
#include <gtest/gtest.h>

#include "FakeCodeConvert.h"
#include "FakeResources.h"
#include "_TQCfontSet.h"
#include "_TQCimageSet.h"
#include "_TQCstring.h"
#include "_TQGFimage.h"

#include <string>

namespace {

class FontTest : public ::testing::Test {
protected:
    void SetUp() override { FakeCodeConvert::install(); }

    long charsByWidth(const char* text, u16 width)
    {
        TQCstring string(text, TQENC_UTF8);
        return font.getCharsByWidth(&string, width);
    }

    FakeFont font;
};

} // namespace

TEST_F(FontTest, CharsByWidthStopsAtLineFeedOrOverflow)
{
    EXPECT_EQ(3, charsByWidth("ab\ncd", 1000));
    EXPECT_EQ(2, charsByWidth("ab\n", 1000));
    EXPECT_EQ(0, charsByWidth("abc", 1000));
    EXPECT_EQ(0, charsByWidth("", 1000));
    EXPECT_EQ(0, font.getCharsByWidth(nullptr, 1000));

    // Eight units per character: 16 still fits in 16, 24 does not.
    EXPECT_EQ(2, charsByWidth("abcdef", 16));
    EXPECT_EQ(1, charsByWidth("abcdef", 15));
    EXPECT_EQ(0, charsByWidth("abcdef", 7));
    EXPECT_EQ(0, charsByWidth("a\n", 0));
    EXPECT_EQ(1, charsByWidth("\nab", 0));  // the line feed comes before any width
    // Characters, not bytes: two three-byte characters fit in 16.
    EXPECT_EQ(2, charsByWidth("\xe6\x97\xa5\xe6\x9c\xac" "x", 16));
}

TEST_F(FontTest, VirtualFontKeepsItsOwnNameAndDropsThePlatformFontOnRename)
{
    font.setFontName("face-a");
    EXPECT_STREQ("face-a", font.getSrc());

    FakeFont virt;
    virt.setVirtualFlag(1);
    virt.setFontName("Face A");
    EXPECT_STREQ("Face A", virt.getFontName());
    EXPECT_STREQ("", virt.getSrc());
    virt.getValue1();
    EXPECT_EQ(0, virt.destroyCalls);

    virt.setFontName("Face B");
    EXPECT_EQ(1, virt.destroyCalls);
    EXPECT_STREQ("Face B", virt.getFontName());
    virt.getValue1();
    EXPECT_EQ(2, virt.initializeCalls);  // made again under the new name
}

TEST_F(FontTest, FontSetFallsBackToTheDefaultFont)
{
    long before = FakeFont::live;
    {
        TQCfontSet set;
        FakeFont* zero = new FakeFont(0);
        FakeFont* three = new FakeFont(3, 5);
        set.addFont(zero);
        set.addFont(three);
        set.addFont(new FakeFont(3, 9));  // a later font of the same number is never found

        EXPECT_EQ(three, set.getFont(3));
        EXPECT_EQ(zero, set.getFont(9));
        EXPECT_EQ(zero, set.getDefaultFont());
        EXPECT_EQ(15, set.getStringWidth(3, "abc", TQENC_UTF8));
        EXPECT_EQ(24, set.getStringWidth(9, "abc", TQENC_UTF8));

        set.setDefaultFont(7);
        EXPECT_EQ(7, set.getDefaultFontNo());
        EXPECT_EQ(nullptr, set.getFont(9));
        EXPECT_EQ(nullptr, set.getDefaultFont());
        EXPECT_EQ(0, set.getStringWidth(9, "abc", TQENC_UTF8));
        EXPECT_EQ(0, set.getStringHeight(9, "abc", TQENC_UTF8));
        EXPECT_EQ(0, set.getReady(9, 1));
        EXPECT_EQ(1, set.getReady(3, 1));
    }
    EXPECT_EQ(before, FakeFont::live);  // the set deletes its fonts
}

TEST(Image, SizeLoadsTheImageAndAFailedLoadIsRetried)
{
    FakeImage missing;
    missing.setImageName("missing.png");
    EXPECT_EQ(0, missing.getImageWidth());
    EXPECT_EQ(0, missing.getImageHeight());
    EXPECT_EQ(2, missing.loadCalls);
    EXPECT_EQ(0, missing.getReady());

    FakeImage image;
    image.setImageName("a.png");
    EXPECT_EQ(FakeImage::WIDTH, image.getImageWidth());
    EXPECT_EQ(FakeImage::HEIGHT, image.getImageHeight());
    EXPECT_EQ(1, image.loadCalls);
    EXPECT_EQ(1, image.getReady());

    image.setImageName("b.png");  // renaming drops the size and the platform image
    EXPECT_EQ(1, image.destroyCalls);
    EXPECT_EQ(FakeImage::WIDTH, image.getImageWidth());
    EXPECT_EQ(2, image.loadCalls);
}

TEST(ImageSet, NumberOfANewFileIsMadeOnceAndLoaded)
{
    TQCimageSet set;
    set.setCreateHandler(FakeImage::create);
    EXPECT_EQ(1, set.getImageNo("a.png"));
    EXPECT_EQ(1, set.getImageNo("a.png"));
    FakeImage* a = static_cast<FakeImage*>(set.getImage(static_cast<short>(1)));
    ASSERT_NE(nullptr, a);
    EXPECT_EQ(1, a->loadCalls);
    EXPECT_EQ(a, set.getImage("a.png"));
    EXPECT_EQ(2, set.getImageNo("b.png"));

    FakeImage* c = static_cast<FakeImage*>(set.getImage("c.png"));  // made but not loaded
    ASSERT_NE(nullptr, c);
    EXPECT_EQ(3, c->getId());
    EXPECT_EQ(0, c->loadCalls);

    EXPECT_STREQ("a.png", set.getImageName(1));
    EXPECT_STREQ("", set.getImageName(-1));
    EXPECT_STREQ("", set.getImageName(99));
    EXPECT_EQ(nullptr, set.getImage(static_cast<short>(-1)));
}

TEST(ImageSet, CollidingNamesAndNumbersStillFindTheirImages)
{
    TQCimageSet set;
    set.setCreateHandler(FakeImage::create);
    // "a1" and "a9" share a name slot; numbers 1 and 33 share a number slot.
    EXPECT_EQ(1, set.getImageNo("a1"));
    EXPECT_EQ(2, set.getImageNo("a9"));
    for (int i = 3; i <= 33; ++i)
        EXPECT_EQ(i, set.getImageNo(("x" + std::to_string(i)).c_str()));
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(1, set.getImageNo("a1"));
        EXPECT_EQ(2, set.getImageNo("a9"));
        EXPECT_STREQ("a1", set.getImageName(1));
        EXPECT_STREQ("x33", set.getImageName(33));
    }

    // "" and "@" share name slot 0; the list finds the image of "" again.
    EXPECT_EQ(34, set.getImageNo(""));
    EXPECT_EQ(35, set.getImageNo("@"));
    EXPECT_EQ(34, set.getImageNo(""));
    EXPECT_EQ(36, set.getImageNo("y"));  // nothing else was made
}

TEST(ImageSet, ReleasedImagesReloadOnNextUse)
{
    TQCimageSet set;
    set.setCreateHandler(FakeImage::create);
    short no = set.getImageNo("a.png");
    FakeImage* a = static_cast<FakeImage*>(set.getImage(no));
    long handle = a->getValue1();

    EXPECT_EQ(0, set.destroyImage(no));
    EXPECT_EQ(1, a->destroyCalls);
    EXPECT_NE(handle, a->getValue1());
    EXPECT_EQ(2, a->loadCalls);

    EXPECT_EQ(0, set.update("a.png"));  // released and loaded at once
    EXPECT_EQ(2, a->destroyCalls);
    EXPECT_EQ(3, a->loadCalls);

    EXPECT_EQ(0, set.destroyAllImage());
    EXPECT_EQ(3, a->destroyCalls);

    EXPECT_EQ(0, set.destroyImage("never-used.png"));
    FakeImage* fresh = static_cast<FakeImage*>(set.getImage("never-used.png"));
    ASSERT_NE(nullptr, fresh);
    EXPECT_EQ(0, fresh->loadCalls);
    EXPECT_EQ(fresh->getId(), set.getImageNo("never-used.png"));
}

TEST(ImageSet, WithoutFactoryNothingIsMade)
{
    TQCimageSet set;
    EXPECT_EQ(nullptr, set.getImage("a.png"));
    EXPECT_EQ(-1, set.getImageNo("a.png"));
    EXPECT_EQ(0, set.destroyImage("a.png"));
    EXPECT_EQ(-1, set.getImageNo(nullptr));

    int icon = 0;  // built-in images are kept all the same
    set.setDefaultImageHandle("$(TQDIR)/sys/pixmaps/bi23.ico", &icon);
    EXPECT_EQ(&icon, set.getDefaultImageHandle("$(TQDIR)/sys/pixmaps/bi23.ico"));
    EXPECT_EQ(nullptr, set.getDefaultImageHandle("$(TQDIR)/sys/pixmaps/bi24.ico"));
}

TEST(ImageText, RenumberingKeepsTheNumberAndShowsTheNewFile)
{
    TQGIappImageSet()->setCreateHandler(FakeImage::create);
    short no = TQGFimage("first.png");
    ASSERT_GT(no, 0);
    EXPECT_EQ(no, TQGFimage("first.png"));
    TQDimage* image = TQGIappImageSet()->getImage(no);
    long firstHandle = image->getValue1();

    EXPECT_EQ(no, TQGFimage("second.png", no));
    EXPECT_STREQ("second.png", TQGFimageName(no));
    EXPECT_NE(firstHandle, image->getValue1());  // loads the new file on next use

    short other = TQGFimage("third.png", 999);
    EXPECT_NE(no, other);
    EXPECT_STREQ("third.png", TQGFimageName(other));
}
