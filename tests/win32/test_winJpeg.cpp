// JPEG files and buffers: the writer's pictures read back, buffers cut
// short decode up to the cut, and a write error ends the save, not the
// program.
#include "TQGFwinJpeg.h"

#include <gtest/gtest.h>

#include "CapturedText.h"
#include "FileBytes.h"
#include "TempDir.h"
#include "TestAppWindow.h"
#include "TestImageFiles.h"
#include "WinCodeConverter.h"

#include <cstdlib>
#include <jpeglib.h>

namespace {

// Names pass through the application's code converter, as in the program.
class JpegFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite() { useWinCodeConverter(); }

    // w x h pixels, the top rows of one colour and the rest of another.
    std::string write(long w, long h, long topRows, std::uint32_t top, std::uint32_t bottom)
    {
        std::vector<unsigned char> rgb;
        for (long i = 0; i < w * h; ++i) {
            std::uint32_t c = i < w * topRows ? top : bottom;
            for (int shift : {16, 8, 0})
                rgb.push_back(static_cast<unsigned char>(c >> shift));
        }
        std::FILE* fp = std::fopen(path.c_str(), "wb");
        long result = JpegWriteBufToFp(fp, rgb.data(), w, h);
        std::fclose(fp);
        return result == 0 ? readFileBytes(path) : "";
    }
    static void readBuffer(const std::string& bytes, std::size_t size, ReadPicture* picture)
    {
        picture->bitmap = JpegReadFileToBitmap(bytes.data(), static_cast<long>(size),
                                               &picture->width, &picture->height);
    }
    TempDir dir;
    std::string path = dir.file("picture.jpg");
};

// Lossy coding moves a flat colour by a step or two.
bool allCloseTo(const std::vector<std::uint32_t>& pixels, std::uint32_t colour)
{
    for (std::uint32_t p : pixels) {
        for (int shift = 0; shift < 24; shift += 8) {
            if (std::abs(int(p >> shift & 0xFF) - int(colour >> shift & 0xFF)) > 3)
                return false;
        }
    }
    return !pixels.empty();
}

} // namespace

TEST_F(JpegFiles, WrittenPictureReadsBackFromFileAndBuffer)
{
    std::string bytes = write(5, 3, 3, 0xC81E5A, 0);
    ASSERT_EQ("\xFF\xD8", bytes.substr(0, 2));
    ReadPicture fromFile;
    fromFile.bitmap = JpegReadFileToBitmap(path.c_str(), 0, &fromFile.width, &fromFile.height);
    EXPECT_EQ(5u, fromFile.width);
    EXPECT_EQ(3u, fromFile.height);
    EXPECT_TRUE(allCloseTo(fromFile.colours(), 0xC81E5A));
    ReadPicture fromBuffer;
    readBuffer(bytes, bytes.size(), &fromBuffer);
    EXPECT_EQ(fromFile.colours(), fromBuffer.colours());
    EXPECT_EQ(nullptr, JpegReadFileToBitmap(dir.file("none.jpg").c_str(), 0, &fromFile.width,
                                            &fromFile.height));
}

TEST_F(JpegFiles, BufferCutShortDecodesUpToTheCut)
{
    std::string bytes = write(16, 64, 32, 0xF00000, 0x0000F0);
    std::size_t scan = bytes.find("\xFF\xDA");
    ASSERT_NE(std::string::npos, scan);
    ReadPicture half;
    readBuffer(bytes, scan + (bytes.size() - scan) / 2, &half);
    std::vector<std::uint32_t> pixels = half.colours();
    ASSERT_EQ(16u * 64u, pixels.size());
    EXPECT_TRUE(allCloseTo({pixels[0]}, 0xF00000)) << std::hex << pixels[0];
    ReadPicture headerOnly;
    readBuffer(bytes, 20, &headerOnly);
    EXPECT_EQ(nullptr, headerOnly.bitmap) << "cut before the picture starts";
}

TEST_F(JpegFiles, CommentIsSkippedEvenWhenItHoldsMarkerBytes)
{
    std::string bytes = write(8, 8, 8, 0x20A040, 0);
    bytes.insert(2, std::string("\xFF\xFE\x00\x06\xFF\xD9\xFF\xD9", 8));
    ReadPicture picture;
    readBuffer(bytes, bytes.size(), &picture);
    EXPECT_TRUE(allCloseTo(picture.colours(), 0x20A040));
}

TEST_F(JpegFiles, FourColourPictureBecomesRgb)
{
    // Straight through the library, which marks CMYK as Adobe does: inks
    // inverted. No cyan, full magenta, no yellow, no black is magenta.
    std::FILE* fp = std::fopen(path.c_str(), "wb");
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, fp);
    cinfo.image_width = 2;
    cinfo.image_height = 1;
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    unsigned char row[8] = {255, 0, 255, 255, 255, 0, 255, 255};
    JSAMPROW line = row;
    jpeg_write_scanlines(&cinfo, &line, 1);
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(fp);
    std::string bytes = readFileBytes(path);
    ReadPicture picture;
    readBuffer(bytes, bytes.size(), &picture);
    EXPECT_TRUE(allCloseTo(picture.colours(), 0xFF00FF));
}

TEST_F(JpegFiles, WriteErrorGivesMinusOneAndTheProgramGoesOn)
{
    writeFileBytes(path, "x");
    std::FILE* fp = std::fopen(path.c_str(), "rb");
    std::vector<unsigned char> rgb(64 * 64 * 3, 0x40);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(-1, JpegWriteBufToFp(fp, rgb.data(), 64, 64));
    EXPECT_NE("", capturedStderr()) << "the library's message is shown";
    std::fclose(fp);
}

TEST_F(JpegFiles, MutatedBuffersNeverCrashOrHang)
{
    std::string seed = write(12, 10, 5, 0xFF8000, 0x0080FF);
    int bad = -1;
    bool finished = finishesWithin(30000, [&] {
        bad = countBadMutations(seed, 18, 400, [](const std::string& bytes) {
            ReadPicture picture;
            readBuffer(bytes, bytes.size(), &picture);
            return picture.bitmap == nullptr ||
                   picture.colours().size() == picture.width * picture.height;
        });
    });
    ASSERT_TRUE(finished) << "a damaged buffer hung the reader";
    EXPECT_EQ(0, bad);
}
