// JPEG files and buffers: the writer's pictures read back, buffers cut
// short decode up to the cut, and a write error ends the save, not the
// program.
#include "TQGFwinJpeg.h"

#include <gtest/gtest.h>

#include "AllocationCount.h"
#include "CapturedText.h"
#include "FileBytes.h"
#include "TempDir.h"
#include "TestImageFiles.h"
#include "WinCodeConverter.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
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

unsigned big16(const std::string& bytes, std::size_t at)
{
    return static_cast<unsigned char>(bytes[at]) << 8 | static_cast<unsigned char>(bytes[at + 1]);
}

// SOI, then each marker segment, each scan with its data, and what follows
// the last; a segment's length, and in a frame header the height and
// width, are numbers to forge.
FileSeed jpegParts(const std::string& file)
{
    FileSeed parts = {{file.substr(0, 2), {}, false}};
    std::size_t at = 2;
    while (at + 4 <= file.size() && static_cast<unsigned char>(file[at + 1]) != JPEG_EOI) {
        const unsigned marker = static_cast<unsigned char>(file[at + 1]);
        std::size_t end = at + 2 + big16(file, at + 2);
        // Scan data runs to the next marker that is no stuffed byte or restart.
        while (marker == 0xDA && end + 1 < file.size() &&
               !(file[end] == '\xFF' && file[end + 1] != 0 &&
                 (static_cast<unsigned char>(file[end + 1]) & 0xF8) != 0xD0))
            ++end;
        FilePart part = {file.substr(at, end - at), {{2, 2, true}}, true};
        if (marker == 0xC0 || marker == 0xC2)
            part.numbers.insert(part.numbers.end(), {{5, 2, true}, {7, 2, true}});
        parts.push_back(part);
        at = end;
    }
    parts.push_back({file.substr(at), {}, true});
    return parts;
}

// A picture written straight through the library: w x h pixels of the
// given components (each byte from pixel(x, y, component)).
std::string libraryJpeg(const std::string& path, int width, int height, int components,
                        J_COLOR_SPACE space, bool progressive, int quality,
                        const std::function<int(int, int, int)>& pixel)
{
    std::FILE* fp = std::fopen(path.c_str(), "wb");
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, fp);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.optimize_coding = TRUE;
    if (progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width * components));
    for (int y = 0; y < height; ++y) {
        for (int i = 0; i < width * components; ++i)
            row[i] = static_cast<unsigned char>(pixel(i / components, y, i % components));
        JSAMPROW line = row.data();
        jpeg_write_scanlines(&cinfo, &line, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(fp);
    return readFileBytes(path);
}

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
    std::string bytes = libraryJpeg(path, 2, 1, 4, JCS_CMYK, false, 75,
                                    [](int, int, int c) { return c == 1 ? 0 : 255; });
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

TEST_F(JpegFiles, PhotographsAndFlatPicturesCutInHalfDecodeToTheirWholeSize)
{
    // Light and shade with grain, as in a photograph, and about the flattest
    // picture Huffman coding can carry: one grey in optimised tables, two
    // bits a block, whose half is near the limit of the rule.
    const std::string photograph =
        libraryJpeg(path, 320, 240, 3, JCS_RGB, false, 75, [](int x, int y, int c) {
            int grain = static_cast<int>((x * 7919u + y * 104729u + c * 31u) * 2654435761u >> 27);
            return (x * (c + 1) + y * (3 - c)) / 3 % 200 + grain;
        });
    const std::string flat =
        libraryJpeg(path, 512, 512, 1, JCS_GRAYSCALE, false, 75, [](int, int, int) { return 90; });
    const std::string progressive =
        libraryJpeg(path, 320, 240, 3, JCS_RGB, true, 75,
                    [](int x, int y, int c) { return (x + y * c) % 256; });
    for (const std::string& bytes : {photograph, flat, progressive}) {
        const std::size_t half = bytes.size() / 2;
        ReadPicture fromBuffer;
        readBuffer(bytes, half, &fromBuffer);
        writeFileBytes(path, bytes.substr(0, half));
        ReadPicture fromFile;
        fromFile.bitmap = JpegReadFileToBitmap(path.c_str(), 0, &fromFile.width, &fromFile.height);
        const std::size_t pixels = bytes == flat ? 512 * 512 : 320 * 240;
        EXPECT_EQ(pixels, fromBuffer.colours().size()) << bytes.size() << " bytes, half of them";
        EXPECT_EQ(pixels, fromFile.colours().size()) << bytes.size() << " bytes, half of them";
    }
}

TEST_F(JpegFiles, SizesAndScansTheDataCannotCarryAreRefusedBeforeTheyCost)
{
    // A picture of about 300 bytes whose frame header is made to say
    // 8000 x 8000.
    std::string huge =
        libraryJpeg(path, 8, 8, 3, JCS_RGB, false, 50, [](int, int, int) { return 128; });
    const std::size_t frame = huge.find("\xFF\xC0");
    ASSERT_NE(std::string::npos, frame);
    huge.replace(frame + 5, 4, "\x1F\x40\x1F\x40");
    // A progressive picture whose last scan comes 150 times.
    FileSeed parts = jpegParts(
        libraryJpeg(path, 16, 16, 1, JCS_GRAYSCALE, true, 75, [](int x, int, int) { return x; }));
    const FilePart lastScan = parts[parts.size() - 2];
    parts.insert(parts.end() - 1, 150, lastScan);
    const std::string manyScans = joinedParts(parts);

    ASSERT_LT(huge.size(), 400u);
    for (const std::string& bytes : {huge, manyScans}) {
        writeFileBytes(path, bytes);
        ReadPicture fromBuffer;
        ReadPicture fromFile;
        AllocationCount count;
        readBuffer(bytes, bytes.size(), &fromBuffer);
        fromFile.bitmap = JpegReadFileToBitmap(path.c_str(), 0, &fromFile.width, &fromFile.height);
        EXPECT_EQ(nullptr, fromBuffer.bitmap) << bytes.size() << " bytes";
        EXPECT_EQ(nullptr, fromFile.bitmap) << bytes.size() << " bytes";
        EXPECT_LT(count.total(), 262144u) << bytes.size() << " bytes";
    }
}

TEST_F(JpegFiles, FuzzedBuffersEndInRefusalOrAWholeBitmapWithinTimeAndMemory)
{
    MutationRun run;
    run.seeds = {
        jpegParts(write(16, 16, 5, 0xFF8000, 0x0080FF)),
        jpegParts(libraryJpeg(path, 24, 16, 3, JCS_RGB, true, 75,
                              [](int x, int y, int c) { return x * 10 + y * c; })),
        jpegParts(libraryJpeg(path, 9, 7, 1, JCS_GRAYSCALE, false, 50,
                              [](int x, int y, int) { return x * y * 3; })),
        jpegParts(libraryJpeg(path, 4, 3, 4, JCS_CMYK, false, 75,
                              [](int x, int, int c) { return x * 60 + c; }))};
    run.randomSeed = 32;
    run.cases = 25000;
    ReadPicture picture;
    run.read = [&](const std::string& bytes) { readBuffer(bytes, bytes.size(), &picture); };
    run.judge = [&] { return judgePicture(picture); };
    // At most 16 blocks of 64 pixels for a byte of data, and a pixel takes
    // at most 12 bytes (the picture, and coefficients of four colours for a
    // progressive one); the library keeps its own tables besides.
    run.allocationBound = [](std::size_t size) { return 262144 + 16ull * 64 * 12 * size; };
    expectSoundMutations(run, "JPEG");
}
