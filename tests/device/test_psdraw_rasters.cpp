// Rasters that Ghostscript made of the pages the PostScript tests wrote:
// shapes, a hatch, text and images where the page set-up puts them. Run by
// the test step after rendering; skipped in a plain run.
#include <gtest/gtest.h>

#include "PostScriptPages.h"

#include <cmath>
#include <cstdint>
#include <set>

namespace {

const std::uint32_t kPaper = 0xFFFFFF;
// Components are written over 256: full red prints as 254. Image colours
// keep their top three bits: 224 / 256 of full.
const std::uint32_t kRed = 0xFE0000, kMagenta = 0xFE00FE, kBlue = 0x0000FE;
const std::uint32_t kImageWhite = 0xDFDFDF, kImageRed = 0xDF0000;

struct Box {
    long x, y, w, h;
    Box grown(long by) const { return {x - by, y - by, w + 2 * by, h + 2 * by}; }
};

// The whole pixels of a device rectangle of the default page (10, 10,
// 512 x 724 on A4): upright, or rotated with device x up the sheet.
Box pixelsOf(double x, double y, double w, double h, bool rotated = false)
{
    const double across = 594.8027027027026, down = 842.4;
    if (rotated) {
        double left = (y - 10) * across / 724, right = (y + h - 10) * across / 724;
        double bottom = 842 - (x - 10) * down / 512, top = 842 - (x + w - 10) * down / 512;
        return {long(std::ceil(left)), long(std::ceil(top)), long(right) - long(std::ceil(left)),
                long(bottom) - long(std::ceil(top))};
    }
    double left = (x - 10) * across / 512, top = (y - 10) * down / 724;
    return {long(std::ceil(left)), long(std::ceil(top)),
            long((x + w - 10) * across / 512) - long(std::ceil(left)),
            long((y + h - 10) * down / 724) - long(std::ceil(top))};
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
    long other(const Box& b, std::uint32_t colour) const
    {
        return raster.countOther(b.x, b.y, b.w, b.h, colour);
    }
    // Ink in the ring between the box and the box grown by width.
    long inkAround(const Box& b, long width) const
    {
        return other(b.grown(width), kPaper) - other(b, kPaper);
    }
    Raster raster;
};

} // namespace

TEST_F(PostScriptRasters, ShapesHatchAndTextLieWhereThePageSetUpPutsThem)
{
    ASSERT_NO_FATAL_FAILURE(read("shapes.ps"));
    Box red = pixelsOf(50, 50, 100, 60);
    EXPECT_EQ(0, other(red.grown(-2), kRed)) << "filled rectangle";
    EXPECT_EQ(0, inkAround(red.grown(2), 6)) << "nothing around it";

    // Horizontal lines: each row of the hatched box is blue or paper, and
    // about half of them are blue.
    Box hatch = pixelsOf(200, 50, 128, 64).grown(-3);
    std::set<std::uint32_t> colours;
    long blueRows = 0;
    for (long y = hatch.y; y < hatch.y + hatch.h; ++y) {
        std::uint32_t first = raster.at(hatch.x, y);
        colours.insert(first);
        blueRows += first == kBlue ? 1 : 0;
        EXPECT_EQ(0, raster.countOther(hatch.x, y, hatch.w, 1, first)) << "row " << y;
    }
    EXPECT_EQ((std::set<std::uint32_t>{kBlue, kPaper}), colours);
    EXPECT_NEAR(0.5, static_cast<double>(blueRows) / hatch.h, 0.15);

    Box text = pixelsOf(50, 200, 300, 30);
    EXPECT_GT(other(text, kPaper), 100) << "the text prints";
    EXPECT_EQ(0, inkAround(text.grown(1), 12)) << "and only inside its box";
}

TEST_F(PostScriptRasters, RotatedPageTurnsTheDeviceOnTheSheet)
{
    ASSERT_NO_FATAL_FAILURE(read("rotated.ps"));
    Box red = pixelsOf(100, 100, 50, 40, true);
    EXPECT_EQ(0, other(red.grown(-2), kRed));
    EXPECT_EQ(0, inkAround(red.grown(2), 6));
}

TEST_F(PostScriptRasters, ImagesPrintTheirQuantisedColoursAndKeepTransparentPaper)
{
    ASSERT_NO_FATAL_FAILURE(read("images.ps"));
    EXPECT_EQ(0, other(pixelsOf(50, 50, 8, 8).grown(-1), kPaper)) << "transparent corner";
    EXPECT_EQ(0, other(pixelsOf(50, 58, 20, 22).grown(-1), kImageRed));
    EXPECT_EQ(0, other(pixelsOf(70, 50, 20, 30).grown(-1), kImageWhite));
    Box rightEdge = pixelsOf(86, 50, 4, 30).grown(2);
    EXPECT_EQ(rightEdge.w * rightEdge.h, other(rightEdge, kImageRed))
        << "the image's left half does not show again at its right edge";
    EXPECT_GT(other(pixelsOf(150, 50, 64, 64), kPaper), 0);
    EXPECT_EQ(0, other(pixelsOf(100, 50, 20, 20).grown(-1), kMagenta))
        << "a rectangle after the masked image";
    EXPECT_EQ(0, other(pixelsOf(250, 50, 20, 20).grown(-1), kMagenta))
        << "a rectangle after the image of many colours";
}

TEST_F(PostScriptRasters, PrintFormPageShowsItsProceduresAndItsWindowlessChild)
{
    ASSERT_NO_FATAL_FAILURE(read("print_form.ps"));
    for (const Box& box : {pixelsOf(50, 50, 100, 60), pixelsOf(200, 300, 80, 40)})
        EXPECT_EQ(0, inkAround(box.grown(2), 6));
    EXPECT_EQ(0, other(pixelsOf(50, 50, 100, 60).grown(-2), kRed));
    EXPECT_EQ(0, other(pixelsOf(200, 300, 80, 40).grown(-2), kBlue));
}

// The page (50, 20, 800 x 600) of a job on the test printer, which prints
// all of an A4 sheet at 300 dots per inch, 2479 x 3508.
TEST_F(PostScriptRasters, PrinterJobSpreadsItsPageOverTheSheet)
{
    ASSERT_NO_FATAL_FAILURE(read("printer_job.ps"));
    auto sheet = [](double x, double y, double w, double h) {
        const double across = 2479 * 72.0 / 300 / 800, down = 3508 * 72.0 / 300 / 600;
        long left = long(std::ceil((x - 50) * across)), top = long(std::ceil((y - 20) * down));
        return Box{left, top, long((x + w - 50) * across) - left,
                   long((y + h - 20) * down) - top};
    };
    Box red = sheet(150, 120, 200, 100), blue = sheet(500, 400, 100, 50);
    EXPECT_EQ(0, other(red.grown(-2), 0xFF0000));
    EXPECT_EQ(0, other(blue.grown(-2), 0x0000FF));
    EXPECT_EQ(0, inkAround(red.grown(2), 6));
    EXPECT_EQ(0, inkAround(blue.grown(2), 6));
}
