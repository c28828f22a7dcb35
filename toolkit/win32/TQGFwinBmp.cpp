// BMP file reading. Only 32-bit bit-field files are decoded here; every
// field of theirs is checked against the file before it is used.
#include "TQGFwinBmp.h"

#include "TQGFwinDib.h"
#include "TQwin32.h"

#include <vector>

namespace {

// LoadImageA: from a file, as a DIB section, in VGA colours.
const UINT kPlatformLoadFlags = LR_LOADFROMFILE | LR_CREATEDIBSECTION | LR_VGACOLOR;
const long kBitFields = 3;
const unsigned long kBytesPerPixel = 4;

struct BmpHeader {
    unsigned long long pixelOffset;
    long width;
    long height;
    short bitCount;
    long compression;
};

bool readUnsigned32(std::FILE* fp, unsigned long long* value)
{
    long raw = 0;
    if (TQGFxreadLittleLong(fp, &raw) != 0)
        return false;
    *value = static_cast<unsigned long>(raw);
    return true;
}

bool validBitCount(short bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
}

// Signature, file header and the information header up to the compression.
long readHeader(std::FILE* fp, BmpHeader* header)
{
    if (TQGFxgetbyte(fp) != 'B' || TQGFxgetbyte(fp) != 'M')
        return -1;
    long fileSize = 0;
    long reserved = 0;
    long headerSize = 0;
    short planes = 0;
    if (TQGFxreadLittleLong(fp, &fileSize) != 0 || TQGFxreadLittleLong(fp, &reserved) != 0 ||
        !readUnsigned32(fp, &header->pixelOffset) || TQGFxreadLittleLong(fp, &headerSize) != 0)
        return -1;
    if (headerSize != 40 && headerSize != 108)
        return -1;
    if (TQGFxreadLittleLong(fp, &header->width) != 0 ||
        TQGFxreadLittleLong(fp, &header->height) != 0 ||
        TQGFxreadLittleShort(fp, &planes) != 0 || planes != 1 ||
        TQGFxreadLittleShort(fp, &header->bitCount) != 0 || !validBitCount(header->bitCount) ||
        TQGFxreadLittleLong(fp, &header->compression) != 0)
        return -1;
    return 0;
}

long long fileLength(std::FILE* fp)
{
    long here = std::ftell(fp);
    if (here < 0 || std::fseek(fp, 0, SEEK_END) != 0)
        return -1;
    long length = std::ftell(fp);
    if (std::fseek(fp, here, SEEK_SET) != 0)
        return -1;
    return length;
}

// Skips the rest of the information header and the palette, which a 32-bit
// picture does not use, and checks that both lie inside the file.
long skipToPixels(std::FILE* fp, const BmpHeader& header, long long length)
{
    unsigned long long imageSize, xResolution, yResolution, usedColours, importantColours;
    if (!readUnsigned32(fp, &imageSize) || !readUnsigned32(fp, &xResolution) ||
        !readUnsigned32(fp, &yResolution) || !readUnsigned32(fp, &usedColours) ||
        !readUnsigned32(fp, &importantColours))
        return -1;
    long here = std::ftell(fp);
    if (here < 0 || usedColours * 4 > static_cast<unsigned long long>(length - here))
        return -1;
    if (header.pixelOffset > static_cast<unsigned long long>(length))
        return -1;
    return std::fseek(fp, static_cast<long>(header.pixelOffset), SEEK_SET) == 0 ? 0 : -1;
}

// File rows come bottom row first unless the height is negative.
long readPixels(std::FILE* fp, unsigned long width, unsigned long height, bool topDown,
                unsigned char* dib, unsigned char* mask)
{
    unsigned long stride = TQGFdibStride(width);
    std::vector<unsigned char> row(width * kBytesPerPixel);
    for (unsigned long r = 0; r < height; ++r) {
        if (std::fread(row.data(), 1, row.size(), fp) != row.size())
            return -1;
        unsigned long dibRow = topDown ? height - 1 - r : r;
        unsigned char* colour = dib + dibRow * stride;
        unsigned char* alpha = mask + dibRow * stride;
        for (unsigned long x = 0; x < width; ++x) {
            const unsigned char* pixel = &row[x * kBytesPerPixel];
            colour[3 * x] = pixel[0];
            colour[3 * x + 1] = pixel[1];
            colour[3 * x + 2] = pixel[2];
            unsigned char transparency = static_cast<unsigned char>(255 - pixel[3]);
            alpha[3 * x] = alpha[3 * x + 1] = alpha[3 * x + 2] = transparency;
        }
    }
    return 0;
}

long decodeBitFields(std::FILE* fp, const BmpHeader& header, void** bitmap, void** mask)
{
    long long length = fileLength(fp);
    if (length < 0 || skipToPixels(fp, header, length) != 0)
        return -1;
    long long width = header.width;
    long long height = header.height < 0 ? -static_cast<long long>(header.height) : header.height;
    std::size_t bytes = 0;
    if (width < 1 || !TQGFdibBytes(width, height, &bytes))
        return -1;
    unsigned long long pixelBytes =
        static_cast<unsigned long long>(width) * height * kBytesPerPixel;
    if (pixelBytes > static_cast<unsigned long long>(length) - header.pixelOffset)
        return -1;

    std::vector<unsigned char> dib(bytes);
    std::vector<unsigned char> alpha(bytes);
    if (readPixels(fp, static_cast<unsigned long>(width), static_cast<unsigned long>(height),
                   header.height < 0, dib.data(), alpha.data()) != 0)
        return -1;
    *bitmap = TQGFdibToBitmap(dib.data(), static_cast<long>(width), static_cast<long>(height));
    *mask = TQGFdibToBitmap(alpha.data(), static_cast<long>(width), static_cast<long>(height));
    return 0;
}

} // namespace

long TQGFxgetbyte(std::FILE* fp)
{
    int c = std::fgetc(fp);
    return c == EOF ? -1 : c;
}

long TQGFxreadLittleShort(std::FILE* fp, short* value)
{
    long low = TQGFxgetbyte(fp);
    long high = TQGFxgetbyte(fp);
    if (low < 0 || high < 0)
        return -1;
    *value = static_cast<short>(low | high << 8);
    return 0;
}

long TQGFxreadLittleLong(std::FILE* fp, long* value)
{
    unsigned long result = 0;
    for (int i = 0; i < 4; ++i) {
        long byte = TQGFxgetbyte(fp);
        if (byte < 0)
            return -1;
        result |= static_cast<unsigned long>(byte) << (8 * i);
    }
    *value = static_cast<long>(result);
    return 0;
}

long TQGFxBmpReadFpToPixmap(const char* path, std::FILE* fp, void** bitmap, void** mask,
                            long* /*width*/, long* /*height*/)
{
    *bitmap = nullptr;
    *mask = nullptr;
    BmpHeader header = {};
    if (readHeader(fp, &header) != 0)
        return -1;
    if (header.compression == BI_RGB || header.compression == BI_RLE8 ||
        header.compression == BI_RLE4) {
        *bitmap = LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, kPlatformLoadFlags);
        return 0;
    }
    if (header.compression != kBitFields || header.bitCount != 32)
        return -1;
    return decodeBitFields(fp, header, bitmap, mask);
}

long TQGFxBmpReadFileToPixmap(const char* path, void** bitmap, void** mask, long* width,
                              long* height)
{
    *bitmap = nullptr;
    *mask = nullptr;
    std::FILE* fp = path != nullptr ? std::fopen(path, "rb") : nullptr;
    if (fp == nullptr)
        return -1;
    long result = TQGFxBmpReadFpToPixmap(path, fp, bitmap, mask, width, height);
    std::fclose(fp);
    return result;
}
