// BMP files: 32-bit bit-field files are decoded with a mask, others go to
// the platform loader, and every damaged header field is refused.
#include "TQGFwinBmp.h"

#include <gtest/gtest.h>

#include "FileBytes.h"
#include "TempDir.h"
#include "TestAppWindow.h"
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

TEST_F(BmpFiles, MutatedFilesNeverCrashOrHang)
{
    int bad = -1;
    bool finished = finishesWithin(30000, [&] {
        bad = countBadMutations(bmpBitFieldsFile(3, -2, kPixels), 18, 400,
                                [&](const std::string& bytes) {
                                    ReadPicture picture;
                                    return read(bytes, &picture) == 0 ||
                                           (picture.bitmap == nullptr && picture.mask == nullptr);
                                });
    });
    ASSERT_TRUE(finished) << "a damaged file hung the reader";
    EXPECT_EQ(0, bad);
}
