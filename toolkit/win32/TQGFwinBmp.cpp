// BMP file reading. Only 32-bit bit-field files are decoded here; every
// header field of every file is checked against the file's length before
// the file is decoded or handed to the platform loader.
#include "TQGFwinBmp.h"

#include "TQGFwinDib.h"
#include "TQwin32.h"

#include <vector>

namespace {

// LoadImageA: from a file, as a DIB section, in VGA colours.
const UINT kPlatformLoadFlags = LR_LOADFROMFILE | LR_CREATEDIBSECTION | LR_VGACOLOR;
const long kBitFields = 3;
const unsigned long kBytesPerPixel = 4;
const unsigned long kFileHeaderBytes = 14;
const unsigned long kCoreHeaderBytes = 12;
const unsigned long kInfoHeaderBytes = 40;
const unsigned long kV4HeaderBytes = 108;
// Red, green and blue masks after the 40-byte header of a bit-field file.
const unsigned long kColourMaskBytes = 12;
// The loader reads at most this many palette entries, whatever the file says.
const unsigned long kMostPaletteEntries = 256;

struct BmpHeader {
    unsigned long long pixelOffset;
    unsigned long headerSize;
    long width;
    long height;
    short planes;
    short bitCount;
    long compression;
    unsigned long imageSize;
    unsigned long usedColours;
};

bool readUnsigned32(std::FILE* fp, unsigned long* value)
{
    long raw = 0;
    if (TQGFxreadLittleLong(fp, &raw) != 0)
        return false;
    *value = static_cast<unsigned long>(raw);
    return true;
}

// The old core header: 16-bit sides, no compression, 3-byte palette entries.
bool readCoreHeader(std::FILE* fp, BmpHeader* header)
{
    short width = 0;
    short height = 0;
    if (TQGFxreadLittleShort(fp, &width) != 0 || TQGFxreadLittleShort(fp, &height) != 0 ||
        TQGFxreadLittleShort(fp, &header->planes) != 0 ||
        TQGFxreadLittleShort(fp, &header->bitCount) != 0)
        return false;
    header->width = static_cast<unsigned short>(width);
    header->height = static_cast<unsigned short>(height);
    header->compression = BI_RGB;
    return true;
}

bool readInfoHeader(std::FILE* fp, BmpHeader* header)
{
    unsigned long xResolution = 0;
    unsigned long yResolution = 0;
    return TQGFxreadLittleLong(fp, &header->width) == 0 &&
           TQGFxreadLittleLong(fp, &header->height) == 0 &&
           TQGFxreadLittleShort(fp, &header->planes) == 0 &&
           TQGFxreadLittleShort(fp, &header->bitCount) == 0 &&
           TQGFxreadLittleLong(fp, &header->compression) == 0 &&
           readUnsigned32(fp, &header->imageSize) && readUnsigned32(fp, &xResolution) &&
           readUnsigned32(fp, &yResolution) && readUnsigned32(fp, &header->usedColours);
}

// Signature, file header and the information header in any of the forms
// the platform loader knows.
bool readHeader(std::FILE* fp, BmpHeader* header)
{
    if (TQGFxgetbyte(fp) != 'B' || TQGFxgetbyte(fp) != 'M')
        return false;
    unsigned long fileSize = 0;
    unsigned long reserved = 0;
    unsigned long pixelOffset = 0;
    if (!readUnsigned32(fp, &fileSize) || !readUnsigned32(fp, &reserved) ||
        !readUnsigned32(fp, &pixelOffset) || !readUnsigned32(fp, &header->headerSize))
        return false;
    header->pixelOffset = pixelOffset;
    switch (header->headerSize) {
    case kCoreHeaderBytes:
        return readCoreHeader(fp, header);
    // The later headers of 52, 56, 108 and 124 bytes begin as the first.
    case kInfoHeaderBytes:
    case 52:
    case 56:
    case kV4HeaderBytes:
    case 124:
        return readInfoHeader(fp, header);
    default:
        return false;
    }
}

bool isRle(const BmpHeader& header)
{
    return header.compression == BI_RLE8 || header.compression == BI_RLE4;
}

bool validBitCount(const BmpHeader& header)
{
    switch (header.compression) {
    case BI_RGB:
        return header.bitCount == 1 || header.bitCount == 4 || header.bitCount == 8 ||
               header.bitCount == 16 || header.bitCount == 24 || header.bitCount == 32;
    case BI_RLE8:
        return header.bitCount == 8;
    case BI_RLE4:
        return header.bitCount == 4;
    case kBitFields:
        return header.bitCount == 16 || header.bitCount == 32;
    default:
        return false;
    }
}

// Where the pixels may start at the earliest: after the headers, the colour
// masks of a bit-field file with the short header, and the palette, all as
// the platform loader reads them.
unsigned long long headersEnd(const BmpHeader& header)
{
    if (header.headerSize == kCoreHeaderBytes) {
        unsigned long entries = header.bitCount <= 8 ? 1ul << header.bitCount : 0;
        return kFileHeaderBytes + kCoreHeaderBytes + 3ull * entries;
    }
    unsigned long long info = header.headerSize;
    if (header.compression == kBitFields && info < kInfoHeaderBytes + kColourMaskBytes)
        info = kInfoHeaderBytes + kColourMaskBytes;
    unsigned long entries = header.usedColours;
    if (entries > kMostPaletteEntries)
        entries = kMostPaletteEntries;
    if (entries == 0 && header.bitCount <= 8)
        entries = 1ul << header.bitCount;
    return kFileHeaderBytes + info + 4ull * entries;
}

// Whether everything the platform loader (or the decoder here) reads lies
// within the file: the loader itself trusts every one of these fields.
bool fitsTheFile(const BmpHeader& header, unsigned long long length)
{
    unsigned long long height =
        header.height < 0 ? -static_cast<long long>(header.height) : header.height;
    if (header.width < 1 || header.width > TQ_DIB_MAX_SIDE || height < 1 ||
        height > TQ_DIB_MAX_SIDE || header.planes != 1 || !validBitCount(header))
        return false;
    // Compressed rows always run bottom-up.
    if (isRle(header) && header.height < 0)
        return false;
    if (header.pixelOffset < headersEnd(header) || header.pixelOffset >= length)
        return false;
    unsigned long long available = length - header.pixelOffset;
    if (isRle(header))
        return header.imageSize > 0 && header.imageSize <= available;
    unsigned long long stride =
        (static_cast<unsigned long long>(header.width) * header.bitCount + 31) / 32 * 4;
    return stride * height <= available;
}

bool readFittingHeader(std::FILE* fp, BmpHeader* header)
{
    long long length = TQGFimageFileLength(fp);
    return length >= 0 && readHeader(fp, header) && fitsTheFile(*header, length);
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

// A 32-bit bit-field file whose header fits the file.
long decodeBitFields(std::FILE* fp, const BmpHeader& header, void** bitmap, void** mask)
{
    unsigned long width = static_cast<unsigned long>(header.width);
    unsigned long height = static_cast<unsigned long>(header.height < 0 ? -header.height
                                                                         : header.height);
    std::size_t bytes = 0;
    if (!TQGFdibBytes(width, height, &bytes) ||
        std::fseek(fp, static_cast<long>(header.pixelOffset), SEEK_SET) != 0)
        return -1;
    std::vector<unsigned char> dib(bytes);
    std::vector<unsigned char> alpha(bytes);
    if (readPixels(fp, width, height, header.height < 0, dib.data(), alpha.data()) != 0)
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
    // This reader takes the 40- and 108-byte headers, and no 16-bit pixels.
    if (!readFittingHeader(fp, &header) ||
        (header.headerSize != kInfoHeaderBytes && header.headerSize != kV4HeaderBytes) ||
        header.bitCount == 16)
        return -1;
    if (header.compression == BI_RGB || isRle(header)) {
        *bitmap = LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, kPlatformLoadFlags);
        return 0;
    }
    if (header.compression != kBitFields || header.bitCount != 32)
        return -1;
    return decodeBitFields(fp, header, bitmap, mask);
}

bool TQGFxBmpLoadable(const char* path)
{
    std::FILE* fp = path != nullptr ? std::fopen(path, "rb") : nullptr;
    if (fp == nullptr)
        return false;
    BmpHeader header = {};
    bool fits = readFittingHeader(fp, &header);
    std::fclose(fp);
    return fits;
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
