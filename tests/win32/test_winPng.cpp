// PNG files: the writer's files read back exactly, hand-made palette and
// grey files become RGB plus mask, and damaged files fail cleanly.
#include "TQGFwinPng.h"

#include <gtest/gtest.h>

#include "AllocationCount.h"
#include "CapturedText.h"
#include "FileBytes.h"
#include "TempDir.h"
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

std::string deflated(const std::string& bytes)
{
    uLongf packedSize = compressBound(bytes.size());
    std::string packed(packedSize, '\0');
    compress(reinterpret_cast<Bytef*>(&packed[0]), &packedSize,
             reinterpret_cast<const Bytef*>(bytes.data()), bytes.size());
    packed.resize(packedSize);
    return packed;
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
    return std::string("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + chunksBeforeData +
           pngChunk("IDAT", deflated(rows)) + pngChunk("IEND", "");
}

// A chunk as a part of a mutation seed: its length, and in the header the
// sides, bit depth, colour type and interlace method, are numbers to forge.
FilePart chunkPart(const std::string& chunk)
{
    FilePart part = {chunk, {{0, 4, true}}, true};
    if (chunk.compare(4, 4, "IHDR") == 0)
        part.numbers.insert(part.numbers.end(), {{8, 4, true}, {12, 4, true}, {16, 1, true},
                                                 {17, 1, true}, {20, 1, true}});
    return part;
}

// The signature, then every chunk as a part.
FileSeed pngParts(const std::string& file)
{
    FileSeed parts = {{file.substr(0, 8), {}, false}};
    for (std::size_t at = 8; at + 12 <= file.size();) {
        std::size_t length = static_cast<unsigned char>(file[at]) << 24 |
                             static_cast<unsigned char>(file[at + 1]) << 16 |
                             static_cast<unsigned char>(file[at + 2]) << 8 |
                             static_cast<unsigned char>(file[at + 3]);
        parts.push_back(chunkPart(file.substr(at, 12 + length)));
        at += 12 + length;
    }
    return parts;
}

// Makes a chunk's checksum fit its type and data again.
void sealChunk(std::string& chunk)
{
    if (chunk.size() < 12)
        return;
    std::string crc;
    appendBig32(crc, static_cast<std::uint32_t>(crc32(
                         0, reinterpret_cast<const Bytef*>(chunk.data() + 4), chunk.size() - 8)));
    chunk.replace(chunk.size() - 4, 4, crc);
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

TEST_F(PngFiles, SizesTheFileCannotHoldAreRefusedBeforeTheyAreAllocated)
{
    const std::string signature("\x89PNG\r\n\x1a\n", 8);
    auto header = [](std::uint32_t side, char colourType) {
        std::string fields;
        appendBig32(fields, side);
        appendBig32(fields, side);
        return pngChunk("IHDR", fields + std::string{8, colourType, 0, 0, 0});
    };
    // A text chunk that declares 0x0C000011 bytes and holds seven.
    std::string text;
    appendBig32(text, 0x0C000011);
    const std::string textFile = signature + header(1, 2) + text + "tEXtComment";
    // 8000 x 8000 RGBA from two bytes of image data.
    const std::string hugeFile = signature + header(8000, 6) + pngChunk("IDAT", "x\x9c");
    ASSERT_EQ(48u, textFile.size());
    ASSERT_EQ(47u, hugeFile.size());
    // Text and colour profiles are never read, so a real file whose text
    // inflates far beyond the file still loads.
    const std::string longText =
        std::string("Comment\0\0", 9) + deflated(std::string(200000, 'a'));
    const std::string withText =
        pngFile(1, 1, 8, 2, std::string("\0\1\2\3", 4), pngChunk("zTXt", longText));

    for (const std::string& bytes : {textFile, hugeFile}) {
        ReadPicture picture;
        ::testing::internal::CaptureStderr();
        AllocationCount count;
        read(bytes, &picture);
        const unsigned long long allocated = count.total();
        capturedStderr();
        EXPECT_EQ(nullptr, picture.bitmap) << bytes.size() << " bytes";
        EXPECT_LT(allocated, 65536u) << bytes.size() << " bytes";
    }
    ReadPicture picture;
    read(withText, &picture);
    EXPECT_EQ((std::vector<std::uint32_t>{0x010203}), picture.colours());
}

TEST_F(PngFiles, FuzzedFilesEndInRefusalOrAWholeBitmapWithinTimeAndMemory)
{
    std::string rgba16(2 * (1 + 2 * 8), '\0');
    for (std::size_t i = 0; i < rgba16.size(); ++i)
        rgba16[i] = i % 17 == 0 ? '\0' : static_cast<char>(i * 37);
    std::string greyAlpha;
    for (int row = 0; row < 3; ++row)
        greyAlpha += std::string("\0\x10\xFF\x80\x7F\xF0\x00", 7);
    std::string gamma;
    appendBig32(gamma, 45455);
    MutationRun run;
    run.seeds = {
        pngParts(pngFile(3, 2, 8, 3, std::string("\0\0\1\2\0\2\1\0", 8),
                         pngChunk("PLTE", std::string(9, '\x40')) +
                             pngChunk("tRNS", std::string("\xFF\x00", 2)))),
        pngParts(pngFile(2, 2, 16, 6, rgba16)),
        pngParts(pngFile(3, 3, 8, 4, greyAlpha,
                         pngChunk("gAMA", gamma) + pngChunk("tEXt", std::string("Title\0x", 7)))),
        pngParts(pngFile(17, 3, 1, 0, std::string("\0\xAA\x55\x80\0\x0F\xF0\0\0\xFF\0\x80", 12))),
        // One wide row: a forged height asks for many rows from little data.
        pngParts(pngFile(300, 1, 8, 6, std::string(1 + 4 * 300, '\x01')))};
    run.randomSeed = 8;
    run.cases = 2000;
    run.seal = sealChunk;
    ReadPicture picture;
    run.prepare = [&](const std::string& bytes) { writeFileBytes(path, bytes); };
    run.read = [&](const std::string&) {
        picture.bitmap =
            PngReadFileToBitmap(path.c_str(), &picture.width, &picture.height, &picture.mask);
    };
    run.judge = [&] { return judgePicture(picture); };
    // A byte of image data inflates to at most 1032 bytes of rows, a row
    // byte to at most 8 pixels (1 bit each), and a pixel takes at most 10
    // bytes (its RGBA row, the picture and the mask); the library and zlib
    // keep their own state and window besides.
    run.allocationBound = [](std::size_t size) { return 262144 + 1032ull * 8 * 10 * size; };
    ::testing::internal::CaptureStderr();
    expectSoundMutations(run, "PNG");
    capturedStderr();
}
