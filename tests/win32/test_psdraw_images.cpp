// PostScript images rendered through real GDI into off-screen devices: the
// colour table and pixel data, transparency as a mask, placement, copies of
// off-screen devices, and a page for Ghostscript.
#include "_TQDpsdraw.h"

#include <gtest/gtest.h>

#include "FakeResources.h"
#include "FileBytes.h"
#include "PostScriptPages.h"
#include "RecordingDraw.h"
#include "RecordingFile.h"
#include "TQDwinImage.h"
#include "TQDwindraw.h"
#include "TQDwinmwinDev.h"
#include "TempDir.h"
#include "TestImageFiles.h"
#include "WinCodeConverter.h"
#include "_TQCcolorSet.h"
#include "_TQCdevice.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::uint32_t kOpaque = 0xFF000000;

std::string repeat(const std::string& piece, size_t times)
{
    std::string out;
    while (times-- > 0)
        out += piece;
    return out;
}

// 64 x 64 pixels of 512 colours that differ in their top three bits.
std::vector<std::uint32_t> manyColours()
{
    std::vector<std::uint32_t> pixels;
    for (std::uint32_t y = 0; y < 64; ++y)
        for (std::uint32_t x = 0; x < 64; ++x)
            pixels.push_back(kOpaque | (x % 8) << 21 | (y % 8) << 13 | (x / 8) << 5);
    return pixels;
}

// Printing as the print form does it: the PostScript object is current and
// the GDI object, the native one, renders the images.
class PostScriptImages : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        useWinCodeConverter();
        TQGIappColorSet()->setCreateHandler(FakeColor::create);
        TQGIappDevice()->setCreateHandler("mwindowDev", _tqcdwinmwindev_init_);
    }
    void SetUp() override
    {
        TQDdraw::setNativeDraw(&gdi);
        ASSERT_EQ(0, ps.beginDraw(nullptr, reinterpret_cast<long>(&file), 0, 0));
        file.take();
    }
    void TearDown() override
    {
        ps.endDraw();
        TQDdraw::setNativeDraw(savedNative);
    }

    // An image of a BMP file of w x h pixels 0xAARRGGBB, top row first, or
    // of red left and white right halves.
    TQDwinImage* image(long w, long h, std::vector<std::uint32_t> pixels = {})
    {
        for (long i = static_cast<long>(pixels.size()); i < w * h; ++i)
            pixels.push_back(kOpaque | (i % w < w / 2 ? 0xFF0000 : 0xFFFFFF));
        std::string path = dir.file("picture" + std::to_string(images.size()) + ".bmp");
        writeFileBytes(path, bmpBitFieldsFile(w, -h, pixels));
        images.emplace_back(new TQDwinImage);
        images.back()->setImageName(path.c_str());
        return images.back().get();
    }

    TQDdraw* savedNative = TQDdraw::getNativeDraw();
    TQDwindraw gdi;
    TQDpsdraw ps;
    CurrentDraw current{&ps};
    RecordingFile file;
    TempDir dir;
    std::vector<std::unique_ptr<TQDwinImage>> images;
};

} // namespace

TEST_F(PostScriptImages, ColourTableAndPixelDataWithAMaskForTransparentPixels)
{
    const std::string white = "0 [ 0.875000 0.875000 0.875000 ] tq_setpix\n";
    std::vector<std::uint32_t> pixels(10 * 3, kOpaque | 0xFFFFFF);
    ASSERT_EQ(0, ps.drawImage(5, 6, 10, 3, image(10, 3, pixels), 5));
    EXPECT_EQ("gsave\n3 1 mul array tq_setpixels\n" + white +
                  "5 6 translate 1.00 1.00 scale 0 rotate\n10 3 tq_unmaskedimage\n" +
                  repeat(repeat("00", 10) + "\n", 3) + "grestore\n",
              file.take());

    pixels[0] = 0x00FFFFFF;
    pixels[29] = 0;
    ps.setRegion(0, 0, 100, 100);
    file.take();
    ps.drawImage(5, 6, 10, 3, image(10, 3, pixels), 5);
    EXPECT_EQ("gsave\ntq_clipregion\n3 1 mul array tq_setpixels\n" + white +
                  "5 6 translate 1.00 1.00 scale 0 rotate\n10 3 tq_maskedimage\n" +
                  repeat(repeat("00", 10) + "\n", 3) + "7fc0\nffc0\nff80\ngrestore\n",
              file.take())
        << "transparent pixels print white in the data and 0 in the mask";

    // Colours alike in their top three bits share an entry; entries go by
    // the sum of their components, the dark one (64) before white (160).
    ps.drawImage(0, 0, 3, 1, image(3, 1, {kOpaque | 0x102030, kOpaque | 0x1F3F3F}), 5);
    std::string text = file.take();
    EXPECT_NE(std::string::npos, text.find("3 2 mul array tq_setpixels\n"
                                           "0 [ 0.000000 0.125000 0.125000 ] tq_setpix\n"
                                           "3 [ 0.875000 0.875000 0.875000 ] tq_setpix\n"));
    EXPECT_NE(std::string::npos, text.find("tq_unmaskedimage\n000001\ngrestore\n"));

    // More than 256 such colours: blue keeps two bits, an index one byte.
    ps.drawImage(0, 0, 64, 64, image(64, 64, manyColours()), 5);
    text = file.take();
    EXPECT_NE(std::string::npos, text.find("\n3 256 mul array"));
    size_t data = text.find("tq_unmaskedimage\n") + 17;
    EXPECT_EQ(data + 64 * (128 + 1), text.find("grestore\n", data));
}

TEST_F(PostScriptImages, AlignmentCutsOrPlacesTheImageAndStretchingScalesIt)
{
    TQDwinImage* halves = image(40, 30);
    // The middle of an image larger than the box: 10 red, then 10 white
    // (entry 0) columns.
    ps.drawImage(0, 0, 20, 10, halves, 2);
    ps.drawImage(0, 0, 100, 100, halves, 2);
    ps.drawImage(7, 8, 100, 100, halves, 9);
    ASSERT_EQ(0, ps.drawStretchedImage(1, 2, 80, 3, halves));
    std::string text = file.take();
    EXPECT_NE(std::string::npos,
              text.find("0 0 translate 1.00 1.00 scale 0 rotate\n20 10 tq_unmaskedimage\n" +
                        repeat(repeat("01", 10) + repeat("00", 10) + "\n", 10) + "grestore\n"));
    EXPECT_NE(std::string::npos, text.find("30 35 translate 1.00 1.00 scale 0 rotate\n40 30 "));
    EXPECT_NE(std::string::npos, text.find("7 8 translate 1.00 1.00 scale 0 rotate\n40 30 "))
        << "an unknown alignment is the top left";
    EXPECT_NE(std::string::npos, text.find("1 2 translate 1.00 1.00 scale 0 rotate\n80 3 "
                                           "tq_unmaskedimage\n" +
                                           repeat("01", 40) + repeat("00", 40) + "\n"));
    EXPECT_EQ(&ps, TQDdev::getDraw()) << "the current drawing object is back";
}

TEST_F(PostScriptImages, CopiesOfOffScreenDevicesTakeBlackMaskPixelsAsHoles)
{
    TQDwinmwinDev source, mask;
    ASSERT_EQ(0, source.createPixmap(4, 2));
    ASSERT_EQ(0, mask.createPixmap(4, 2));
    source.initBuffer();
    mask.initBuffer();
    for (unsigned short i = 0; i < 8; ++i) {
        source.setBufferRGB(i % 4, i / 4, 255, 255, 255);
        mask.setBufferRGB(i % 4, i / 4, 1, 0, 0);
    }
    ASSERT_EQ(0, ps.copyPixmap(&source, 1, 0, 3, 2, 9, 9, &mask));
    EXPECT_NE(std::string::npos, file.take().find("3 2 tq_unmaskedimage\n000000\n000000\n"))
        << "a mask without black is no mask";
    mask.setBufferRGB(2, 1, 0, 0, 0);
    ps.copyPixmap(&source, 1, 0, 3, 2, 9, 9, &mask);
    EXPECT_NE(std::string::npos,
              file.take().find("3 2 tq_maskedimage\n000000\n000000\ne0\na0\ngrestore\n"));
}

TEST_F(PostScriptImages, ImagesThatCannotBeWrittenWriteNothing)
{
    TQDwinImage missing;
    missing.setImageName(dir.file("absent.bmp").c_str());
    EXPECT_EQ(-1, ps.drawImage(0, 0, 4, 4, nullptr, 5));
    EXPECT_EQ(-1, ps.drawImage(0, 0, 4, 4, &missing, 5));
    EXPECT_EQ(-1, ps.drawStretchedImage(0, 0, 0, 4, image(4, 4)));
    EXPECT_EQ(-1, ps.copyPixmap(nullptr, 0, 0, 4, 4, 0, 0, nullptr));
    EXPECT_EQ(0, ps.drawGradation(0, 1, 2, 3, 0, 0, 4, 4, 0));
    EXPECT_EQ(0, ps.drawImage(0, 0, 0, 0, 4, 4, image(4, 4)));
    TQDdraw::setNativeDraw(&ps);
    EXPECT_EQ(-1, ps.drawImage(0, 0, 4, 4, image(4, 4), 5)) << "nothing renders pixels";
    EXPECT_EQ("", file.take());
}

// A page for Ghostscript: an image with a transparent corner, one of many
// colours, and a rectangle after each, which prints only when the image
// data were read exactly.
TEST_F(PostScriptImages, PageOfImagesForRendering)
{
    std::vector<std::uint32_t> cornered;
    for (long i = 0; i < 40 * 8; ++i)
        cornered.push_back(i % 40 < 8 ? 0 : kOpaque | (i % 40 < 20 ? 0xFF0000 : 0xFFFFFF));
    RecordingFile page;
    TQDpsdraw draw;
    ASSERT_EQ(0, draw.beginDraw(nullptr, reinterpret_cast<long>(&page), 0, 0));
    draw.setForeColor(TQGIappColorSet()->getColorNo("#FF00FF"));
    ASSERT_EQ(0, draw.drawImage(50, 50, 40, 30, image(40, 30, cornered), 5));
    draw.drawFillRect(100, 50, 20, 20);
    ASSERT_EQ(0, draw.drawStretchedImage(150, 50, 64, 64, image(64, 64, manyColours())));
    draw.drawFillRect(250, 50, 20, 20);
    draw.endDraw();
    savePage("images.ps", page.text);
}
