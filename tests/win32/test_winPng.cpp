// PNG files: the writer's files read back exactly, hand-made palette and
// grey files become RGB plus mask, and damaged files fail cleanly.
#include "TQGFwinPng.h"

#include <gtest/gtest.h>

#include "CapturedText.h"
#include "FileBytes.h"
#include "TempDir.h"
#include "TestAppWindow.h"
#include "TestImageFiles.h"
#include "WinCodeConverter.h"

#include <zlib.h>

namespace {

void appendBig32(std::string& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>(v >> shift & 0xFF);
}

std::string pngChunk(const char* type, const std::string& data)
{
    std::string body = std::string(type, 4) + data;
    std::string out;
    appendBig32(out, static_cast<std::uint32_t>(data.size()));
    appendBig32(body, static_cast<std::uint32_t>(crc32(
                          0, reinterpret_cast<const Bytef*>(body.data()), body.size())));
    return out + body;
}

// Signature, IHDR, the given chunks, one IDAT holding the compressed rows
// (each with its filter byte) and IEND.
std::string pngFile(std::uint32_t width, std::uint32_t height, int bitDepth, int colourType,
                    const std::string& rows, const std::string& chunksBeforeData = "")
{
    std::string header;
    appendBig32(header, width);
    appendBig32(header, height);
    header += {static_cast<char>(bitDepth), static_cast<char>(colourType), 0, 0, 0};
    uLongf packedSize = compressBound(rows.size());
    std::string packed(packedSize, '\0');
    compress(reinterpret_cast<Bytef*>(&packed[0]), &packedSize,
             reinterpret_cast<const Bytef*>(rows.data()), rows.size());
    packed.resize(packedSize);
    return std::string("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + chunksBeforeData +
           pngChunk("IDAT", packed) + pngChunk("IEND", "");
}

// Names pass through the application's code converter, as in the program.
class PngFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite() { useWinCodeConverter(); }
    void read(const std::string& bytes, ReadPicture* picture)
    {
        writeFileBytes(path, bytes);
        picture->bitmap =
            PngReadFileToBitmap(path.c_str(), &picture->width, &picture->height, &picture->mask);
    }
    TempDir dir;
    std::string path = dir.file("picture.png");
};

} // namespace

TEST_F(PngFiles, WritesEightBitRgbThatReadsBackExactly)
{
    // Five pixels a row: bitmap rows are padded, file rows are not.
    std::vector<unsigned char> rgb;
    std::vector<std::uint32_t> expected;
    for (unsigned i = 0; i < 15; ++i) {
        rgb.insert(rgb.end(), {static_cast<unsigned char>(i * 17), static_cast<unsigned char>(i),
                               static_cast<unsigned char>(255 - i)});
        expected.push_back(i * 17 << 16 | i << 8 | (255 - i));
    }
    for (long side : {1, 5}) {
        long height = side == 1 ? 1 : 3;
        std::FILE* fp = std::fopen(path.c_str(), "wb");
        ASSERT_EQ(0, PngWriteBufToFp(fp, rgb.data(), side, height));
        std::fclose(fp);
        std::string bytes = readFileBytes(path);
        std::string zeros(3, '\0');
        EXPECT_EQ(zeros + char(side) + zeros + char(height) + "\x08\x02", bytes.substr(16, 10))
            << "IHDR: size, 8-bit RGB";
        ReadPicture picture;
        read(bytes, &picture);
        EXPECT_EQ(nullptr, picture.mask) << "no alpha, no mask";
        EXPECT_EQ(std::vector<std::uint32_t>(expected.begin(), expected.begin() + side * height),
                  picture.colours());
    }
}

TEST_F(PngFiles, PaletteWithTransparencyGivesRgbAndMask)
{
    std::string palette("\xFF\x00\x00" "\x00\xFF\x00" "\x00\x00\xFF", 9);
    ReadPicture picture;
    read(pngFile(3, 1, 8, 3, std::string("\0\0\1\2", 4),
                 pngChunk("PLTE", palette) + pngChunk("tRNS", std::string("\xFF\x00\x80", 3))),
         &picture);
    EXPECT_EQ((std::vector<std::uint32_t>{0xFF0000, 0x00FF00, 0x0000FF}), picture.colours());
    EXPECT_EQ((std::vector<std::uint32_t>{0x000000, 0xFFFFFF, 0x7F7F7F}), picture.transparency())
        << "opaque 0, transparent 255, half 255 - 128";
}

TEST_F(PngFiles, TwoBitGreySpreadsToEightBits)
{
    ReadPicture picture;
    read(pngFile(4, 1, 2, 0, std::string("\0\x1B", 2)), &picture);
    EXPECT_EQ(nullptr, picture.mask);
    EXPECT_EQ((std::vector<std::uint32_t>{0x000000, 0x555555, 0xAAAAAA, 0xFFFFFF}),
              picture.colours());
}

TEST_F(PngFiles, DamagedOrOversizedFilesGiveNullAndLibraryErrorsAreReported)
{
    std::string badChecksum = pngFile(1, 1, 8, 2, std::string("\0\1\2\3", 4));
    badChecksum[29] ^= 0x55;
    // A whole row of data: only the size check refuses it.
    std::string tooWide = pngFile(40000, 1, 8, 2, std::string(1 + 3 * 40000, '\0'));
    for (const std::string& bytes : {badChecksum, tooWide, std::string("not a png at all")}) {
        ReadPicture picture;
        picture.width = 7;
        ::testing::internal::CaptureStderr();
        read(bytes, &picture);
        std::string errors = capturedStderr();
        EXPECT_EQ(nullptr, picture.bitmap);
        EXPECT_EQ(nullptr, picture.mask);
        EXPECT_EQ(7u, picture.width) << "the size is written only after a whole read";
        if (bytes == badChecksum) {
            EXPECT_EQ(0u, errors.find("png file read error: ")) << errors;
        }
    }
}

TEST_F(PngFiles, WriteErrorGivesMinusOne)
{
    writeFileBytes(path, "x");
    std::FILE* fp = std::fopen(path.c_str(), "rb");
    unsigned char rgb[3] = {1, 2, 3};
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(-1, PngWriteBufToFp(fp, rgb, 1, 1));
    capturedStderr();
    std::fclose(fp);
}

TEST_F(PngFiles, MutatedFilesNeverCrashOrHang)
{
    std::string seed = pngFile(3, 2, 8, 3, std::string("\0\0\1\2\0\2\1\0", 8),
                               pngChunk("PLTE", std::string(9, '\x40')) +
                                   pngChunk("tRNS", std::string("\xFF\x00", 2)));
    int bad = -1;
    ::testing::internal::CaptureStderr();
    bool finished = finishesWithin(30000, [&] {
        bad = countBadMutations(seed, 18, 400, [&](const std::string& bytes) {
            ReadPicture picture;
            read(bytes, &picture);
            return picture.bitmap == nullptr ||
                   picture.colours().size() == picture.width * picture.height;
        });
    });
    capturedStderr();
    ASSERT_TRUE(finished) << "a damaged file hung the reader";
    EXPECT_EQ(0, bad);
}
