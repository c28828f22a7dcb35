// Rasters that Ghostscript made of the PostScript pages the device and
// Win32 tests wrote: shapes, hatches, text and images where the page
// set-up puts them. Run by the test step after rendering; skipped alone.
#include <gtest/gtest.h>

#include "PostScriptPages.h"

#include <cmath>
#include <cstdint>
#include <set>
#include <string>

namespace {

const std::uint32_t kPaper = 0xFFFFFF;
// Components are written over 256: full red prints as 254.
const std::uint32_t kRed = 0xFE0000;
const std::uint32_t kMagenta = 0xFE00FE;
// Image colours keep their top three bits: 224 / 256 of full.
const std::uint32_t kImageWhite = 0xDFDFDF;
const std::uint32_t kImageRed = 0xDF0000;

// The pixels of a device rectangle on the default upright A4 page (page
// 10, 10, 512 x 724), cut by a margin on each side for the edges' rounding.
struct Box {
    long x, y, w, h;
};

Box upright(double x, double y, double w, double h, long margin)
{
    const double sx = 594.8027027027026 / 512, sy = 842.4 / 724;
    long left = static_cast<long>(std::ceil((x - 10) * sx)) + margin;
    long top = static_cast<long>(std::ceil((y - 10) * sy)) + margin;
    long right = static_cast<long>((x + w - 10) * sx) - margin;
    long bottom = static_cast<long>((y + h - 10) * sy) - margin;
    return {left, top, right - left, bottom - top};
}

// The same page rotated: device x runs up the sheet, device y across it.
Box rotated(double x, double y, double w, double h, long margin)
{
    const double sx = 842.4 / 512, sy = 594.8027027027026 / 724;
    long left = static_cast<long>(std::ceil((y - 10) * sy)) + margin;
    long right = static_cast<long>((y + h - 10) * sy) - margin;
    long top = 842 - static_cast<long>((x + w - 10) * sx) + margin;
    long bottom = 842 - static_cast<long>(std::ceil((x - 10) * sx)) - margin;
    return {left, top, right - left, bottom - top};
}

Box grow(const Box& b, long by)
{
    return {b.x - by, b.y - by, b.w + 2 * by, b.h + 2 * by};
}

long other(const Raster& r, const Box& b, std::uint32_t colour)
{
    return r.countOther(b.x, b.y, b.w, b.h, colour);
}

long count(const Raster& r, const Box& b, std::uint32_t colour)
{
    return b.w * b.h - other(r, b, colour);
}

// Pixels of the ring between the box and the box grown by width.
long inkAround(const Raster& r, const Box& b, long width)
{
    Box outer = grow(b, width);
    return other(r, outer, kPaper) - other(r, b, kPaper);
}

class PostScriptRasters : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (postScriptFolder().empty())
            GTEST_SKIP() << "rasters are read by the step after Ghostscript";
    }
    void read(const char* page)
    {
        ASSERT_TRUE(readRaster(page, &raster)) << page;
        ASSERT_EQ(595, raster.width);
        ASSERT_EQ(842, raster.height);
    }
    Raster raster;
};

} // namespace

TEST_F(PostScriptRasters, ShapesHatchAndTextLieWhereThePageSetUpPutsThem)
{
    ASSERT_NO_FATAL_FAILURE(read("shapes.ps"));
    Box red = upright(50, 50, 100, 60, 0);
    EXPECT_EQ(0, other(raster, grow(red, -2), kRed)) << "filled rectangle";
    EXPECT_EQ(0, inkAround(raster, grow(red, 2), 6)) << "nothing around it";

    // Horizontal lines: each row of the hatched box is blue or paper, and
    // about half of them are blue.
    Box hatch = upright(200, 50, 128, 64, 3);
    std::set<std::uint32_t> colours;
    long blueRows = 0;
    for (long y = hatch.y; y < hatch.y + hatch.h; ++y) {
        std::uint32_t first = raster.at(hatch.x, y);
        colours.insert(first);
        blueRows += first != kPaper ? 1 : 0;
        EXPECT_EQ(0, raster.countOther(hatch.x, y, hatch.w, 1, first)) << "row " << y;
    }
    EXPECT_EQ((std::set<std::uint32_t>{0x0000FE, kPaper}), colours);
    EXPECT_NEAR(0.5, static_cast<double>(blueRows) / hatch.h, 0.15);

    Box text = upright(50, 200, 300, 30, 0);
    EXPECT_GT(other(raster, text, kPaper), 100) << "the text prints";
    EXPECT_EQ(0, inkAround(raster, grow(text, 1), 12)) << "and only inside its box";
}

TEST_F(PostScriptRasters, RotatedPageTurnsTheDeviceOnTheSheet)
{
    ASSERT_NO_FATAL_FAILURE(read("rotated.ps"));
    Box red = rotated(100, 100, 50, 40, 2);
    EXPECT_EQ(0, other(raster, red, kRed));
    EXPECT_EQ(0, inkAround(raster, grow(red, 4), 6));
}

TEST_F(PostScriptRasters, ImagesPrintTheirQuantisedColoursAndKeepTransparentPaper)
{
    ASSERT_NO_FATAL_FAILURE(read("images.ps"));
    EXPECT_EQ(0, other(raster, upright(50, 50, 8, 8, 1), kPaper)) << "transparent corner";
    EXPECT_EQ(0, other(raster, upright(50, 58, 20, 22, 1), kImageRed));
    EXPECT_EQ(0, other(raster, upright(70, 50, 20, 30, 1), kImageWhite));
    Box rightEdge = grow(upright(86, 50, 4, 30, 0), 2);
    EXPECT_EQ(0, count(raster, rightEdge, kImageRed))
        << "the image's left half does not show again at its right edge";
    EXPECT_EQ(0, other(raster, upright(100, 50, 20, 20, 1), kMagenta))
        << "a rectangle after the masked image";
    EXPECT_EQ(0, other(raster, upright(250, 50, 20, 20, 1), kMagenta))
        << "a rectangle after the image of many colours";
    EXPECT_GT(other(raster, upright(150, 50, 64, 64, 1), kPaper), 0);
}
