// BMP files: 32-bit bit-field files are decoded with a mask, others go to
// the platform loader, and every damaged header field is refused.
#include "TQGFwinBmp.h"

#include <gtest/gtest.h>

#include "FileBytes.h"
#include "TempDir.h"
#include "TestImageFiles.h"
#include "TQwin32.h"

namespace {

// Header offsets of the fields the tests damage.
enum BmpField {
    BMP_PIXEL_OFFSET = 10,
    BMP_HEADER_SIZE = 14,
    BMP_WIDTH = 18,
    BMP_HEIGHT = 22,
    BMP_COMPRESSION = 30,
    BMP_IMAGE_SIZE = 34,
    BMP_USED_COLOURS = 46
};

class BmpFiles : public ::testing::Test {
protected:
    long read(const std::string& bytes, ReadPicture* picture, unsigned long w = 3,
              unsigned long h = 2)
    {
        writeFileBytes(path, bytes);
        picture->width = w;
        picture->height = h;
        long width = -7;
        long height = -7;
        long result = TQGFxBmpReadFileToPixmap(path.c_str(), &picture->bitmap, &picture->mask,
                                               &width, &height);
        EXPECT_TRUE(width == -7 && height == -7) << "the size is not written";
        return result;
    }
    TempDir dir;
    std::string path = dir.file("picture.bmp");
};

// Three pixels a row, two rows; alpha 0, 0x7F and 0xFE in each row.
const std::vector<std::uint32_t> kPixels = {0x00102030, 0x7F405060, 0xFE708090,
                                            0x00A0B0C0, 0x7FD0E0F0, 0xFE010203};

} // namespace

TEST_F(BmpFiles, BitFieldPixelsAndAlphaMaskInBothRowOrders)
{
    const std::vector<std::uint32_t> firstFileRowOnTop = {0x102030, 0x405060, 0x708090,
                                                          0xA0B0C0, 0xD0E0F0, 0x010203};
    const std::vector<std::uint32_t> firstFileRowBelow = {0xA0B0C0, 0xD0E0F0, 0x010203,
                                                          0x102030, 0x405060, 0x708090};
    for (std::int32_t height : {-2, 2}) {
        ReadPicture picture;
        ASSERT_EQ(0, read(bmpBitFieldsFile(3, height, kPixels), &picture));
        EXPECT_EQ(height < 0 ? firstFileRowOnTop : firstFileRowBelow, picture.colours())
            << "height " << height;
        EXPECT_EQ((std::vector<std::uint32_t>{0xFFFFFF, 0x808080, 0x010101, 0xFFFFFF, 0x808080,
                                              0x010101}),
                  picture.transparency())
            << "255 - alpha";
    }
}

TEST_F(BmpFiles, UncompressedFileGoesToThePlatformLoaderWithoutMask)
{
    // 2 x 1, 24 bits: a blue and a red pixel, the row padded to 8 bytes.
    std::string file = bmpBitFieldsFile(2, 1, {});
    putLittle32(file, BMP_PIXEL_OFFSET, 54);
    putLittle32(file, BMP_COMPRESSION - 2, 24);
    file.replace(54, 12, std::string("\xFF\0\0\0\0\xFF\0\0", 8));
    ReadPicture picture;
    ASSERT_EQ(0, read(file, &picture, 2, 1));
    EXPECT_EQ(nullptr, picture.mask);
    DIBSECTION section = {};
    EXPECT_EQ(int(sizeof section), GetObjectA(picture.bitmap, sizeof section, &section))
        << "loaded as a DIB section";
    EXPECT_EQ((std::vector<std::uint32_t>{0x0000FF, 0xFF0000}), picture.colours());
}

TEST_F(BmpFiles, DamagedHeaderFieldsAreRefused)
{
    const std::string good = bmpBitFieldsFile(3, 2, kPixels);
    struct Damage {
        const char* what;
        std::size_t at;
        std::uint32_t value;
        std::uint32_t height; // 0 keeps the height
    };
    const Damage damages[] = {
        {"core header size 12", BMP_HEADER_SIZE, 12, 0},
        {"pixel offset beyond the file", BMP_PIXEL_OFFSET, 0x7FFFFFF0, 0},
        {"width 0", BMP_WIDTH, 0, 0},
        {"width 32768", BMP_WIDTH, 32768, 0},
        {"negative width", BMP_WIDTH, 0xFFFFFFFD, 0},
        {"height -32768", BMP_HEIGHT, 0xFFFF8000, 0},
        {"largest sides, little data", BMP_WIDTH, 32767, 32767},
        {"colour count wrapping in 32 bits", BMP_USED_COLOURS, 0x40000000, 0},
        {"too little pixel data", BMP_HEIGHT, 3, 0},
        // Bit count 24 and compression still 3, in one write.
        {"bit fields at 24 bits", BMP_COMPRESSION - 2, 24 | 3 << 16, 0},
        {"unknown compression", BMP_COMPRESSION, 4, 0},
    };
    for (const Damage& damage : damages) {
        std::string bytes = good;
        putLittle32(bytes, damage.at, damage.value);
        if (damage.height != 0)
            putLittle32(bytes, BMP_HEIGHT, damage.height);
        ReadPicture picture;
        EXPECT_EQ(-1, read(bytes, &picture)) << damage.what;
        EXPECT_EQ(nullptr, picture.bitmap) << damage.what;
        EXPECT_EQ(nullptr, picture.mask) << damage.what;
    }
    for (std::size_t cut : {std::size_t(1), std::size_t(20), good.size() - 1}) {
        ReadPicture picture;
        EXPECT_EQ(-1, read(good.substr(0, cut), &picture)) << "cut at " << cut;
    }
}

TEST_F(BmpFiles, FilesThatWouldTakeThePlatformLoaderOutsideThemAreRefusedFirst)
{
    auto file = [](std::int32_t width, std::int32_t height, int bits, int compression,
                   const std::vector<std::string>& after, std::size_t field, std::uint32_t value) {
        std::string bytes = joinedParts(bmpFileParts(width, height, bits, compression, after));
        putLittle32(bytes, field, value);
        return bytes;
    };
    const std::string rle("\x04\x01\x00\x00\x04\x02\x00\x01", 8);
    const std::string palette(8, '\x7F');
    const std::string pixels(24, '\x40');
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"24 bits, height 0x80000003, cut in the header",
         file(3, 2, 24, 0, {pixels}, BMP_HEIGHT, 0x80000003).substr(0, 43)},
        {"pixel offset 0xFFFFFFEC", file(3, 1, 24, 0, {pixels.substr(0, 17)}, BMP_PIXEL_OFFSET,
                                         0xFFFFFFEC)},
        {"1 bit, width 0x80000009", file(9, 2, 1, 0, {palette, "abcdefgh"}, BMP_WIDTH, 0x80000009)},
        {"RLE8, pixel offset at the end", file(4, 2, 8, 1, {palette, rle}, BMP_PIXEL_OFFSET, 78)},
        {"RLE8, more compressed data than the file",
         file(4, 2, 8, 1, {palette, rle}, BMP_IMAGE_SIZE, 9)},
        // These two took the platform loader outside the file.
        {"24 bits, 3000 x 3000 from 24 bytes", file(3000, 3000, 24, 0, {pixels}, 0, 0x4D42)},
        {"pixel offset 0x7FFFFFF0", file(3, 2, 24, 0, {pixels}, BMP_PIXEL_OFFSET, 0x7FFFFFF0)},
    };
    ASSERT_EQ(71u, cases[1].bytes.size());
    for (const auto& c : cases) {
        ReadPicture picture;
        EXPECT_EQ(-1, read(c.bytes, &picture)) << c.what;
        EXPECT_EQ(nullptr, picture.bitmap) << c.what;
        EXPECT_FALSE(TQGFxBmpLoadable(path.c_str())) << c.what;
    }
    ReadPicture picture;
    ASSERT_EQ(0, read(joinedParts(bmpFileParts(4, 2, 8, 1, {palette, rle})), &picture, 4, 2));
    EXPECT_EQ(8u, picture.colours().size()) << "a whole RLE8 file still loads";
}

TEST_F(BmpFiles, FuzzedFilesEndInRefusalOrAWholeBitmapWithinTimeAndMemory)
{
    // Decoded here (bit fields, both row orders) or by the platform loader
    // (24, 8 and 1 bits, RLE8 and RLE4) once the header fits the file.
    std::string masks(12, '\0');
    putLittle32(masks, 0, 0xFF0000);
    putLittle32(masks, 4, 0xFF00);
    putLittle32(masks, 8, 0xFF);
    std::string pixels32;
    for (std::uint32_t p : kPixels)
        pixels32 += std::string(reinterpret_cast<const char*>(&p), 4);
    const std::string palette4 = std::string(4 * 16, '\x33');
    MutationRun run;
    run.seeds = {bmpFileParts(3, -2, 32, 3, {masks, pixels32}),
                 bmpFileParts(3, 2, 32, 3, {masks, pixels32}),
                 bmpFileParts(5, 3, 24, 0, {std::string(48, '\x5A')}),
                 bmpFileParts(3, -2, 8, 0, {palette4.substr(0, 12), "\0\1\2\0\2\1\0\0"}),
                 bmpFileParts(9, 2, 1, 0, {palette4.substr(0, 8), std::string(8, '\xA5')}),
                 bmpFileParts(4, 2, 8, 1, {palette4, "\x04\x01\x00\x00\x02\x02\x02\x03\x00\x01"}),
                 bmpFileParts(4, 2, 4, 2, {palette4, "\x04\x12\x00\x00\x04\x30\x00\x01"})};
    run.randomSeed = 32;
    run.cases = 1600;
    ReadPicture picture;
    run.prepare = [&](const std::string& bytes) { writeFileBytes(path, bytes); };
    run.read = [&](const std::string&) {
        long width = 0;
        long height = 0;
        TQGFxBmpReadFileToPixmap(path.c_str(), &picture.bitmap, &picture.mask, &width, &height);
    };
    run.judge = [&] { return judgePicture(picture); };
    // Decoding keeps a picture and a mask of 3 bytes a pixel and one file
    // row, from at least 4 bytes a pixel in the file.
    run.allocationBound = [](std::size_t size) { return 16384 + 3ull * size; };
    expectSoundMutations(run, "BMP");
}
