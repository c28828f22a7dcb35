// PNG reading and writing through libpng. A library error jumps back to the
// function that set the recovery point; those functions change nothing but
// what their caller owns, and no C++ object lives across the jump.
#include "TQGFwinPng.h"

#include "TQGFwinDib.h"

#include <png.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const double kScreenGamma = 2.2;
// The gamma of an sRGB file, and the one assumed for a file that gives none.
const double kDefaultFileGamma = 0.45455;
const std::size_t kSignatureBytes = 8;
// Length and type before a chunk's data, its checksum after it.
const unsigned long long kChunkHeaderBytes = 8;
const unsigned long long kChunkChecksumBytes = 4;
// Deflate gives at most 1032 bytes for one byte of compressed data.
const unsigned long long kDeflateMostExpansion = 1032;

// Ancillary chunks the reader has no use for. They are skipped unread, so a
// file's text or colour profile never costs memory or meets the limits.
const png_byte kUnusedChunks[] = "bKGD\0cHRM\0eXIf\0hIST\0iCCP\0iTXt\0oFFs\0pCAL\0pHYs\0"
                                 "sBIT\0sCAL\0sPLT\0tEXt\0tIME\0zTXt";

struct PngRead {
    png_structp png;
    png_infop info;
    // The file's length and the compressed image data it holds.
    unsigned long long fileLength;
    unsigned long long compressedBytes;
    unsigned char* pixels;
    png_bytep* rows;
    unsigned long width;
    unsigned long height;
    int channels;
};

struct PngWrite {
    png_structp png;
    png_infop info;
    png_bytep* rows;
};

void png_cexcept_error(png_structp png, png_const_charp message)
{
    std::fprintf(stderr, "png file read error: %s\n", message);
    png_longjmp(png, 1);
}

void png_write_fn(png_structp png, png_bytep data, png_size_t length)
{
    std::FILE* fp = static_cast<std::FILE*>(png_get_io_ptr(png));
    if (std::fwrite(data, 1, length, fp) != length)
        png_error(png, "Write error");
}

void png_flush_fn(png_structp)
{
}

bool hasPngSignature(std::FILE* fp)
{
    png_byte signature[kSignatureBytes];
    return std::fread(signature, 1, kSignatureBytes, fp) == kSignatureBytes &&
           png_sig_cmp(signature, 0, kSignatureBytes) == 0;
}

// The bytes of image data (IDAT) that the file holds, each chunk counted as
// far as the file goes; leaves the file after the signature.
unsigned long long compressedBytesPresent(std::FILE* fp, unsigned long long length)
{
    unsigned long long total = 0;
    for (unsigned long long at = kSignatureBytes; at + kChunkHeaderBytes <= length;) {
        png_byte header[kChunkHeaderBytes];
        if (std::fseek(fp, static_cast<long>(at), SEEK_SET) != 0 ||
            std::fread(header, 1, sizeof header, fp) != sizeof header)
            break;
        const unsigned long long dataStart = at + kChunkHeaderBytes;
        const unsigned long long dataEnd = dataStart + png_get_uint_32(header);
        if (std::memcmp(header + 4, "IDAT", 4) == 0)
            total += (dataEnd < length ? dataEnd : length) - dataStart;
        if (std::memcmp(header + 4, "IEND", 4) == 0)
            break;
        at = dataEnd + kChunkChecksumBytes;
    }
    std::fseek(fp, static_cast<long>(kSignatureBytes), SEEK_SET);
    return total;
}

// What a file may ask of the library: every library error ends the read
// (libpng only warns about some, an oversized chunk among them, and then
// allocates it), no chunk may allocate more than the whole file, and the
// sides stay within what a bitmap here may have.
void limitRead(const PngRead& read)
{
    png_set_benign_errors(read.png, 0);
    png_set_user_limits(read.png, TQ_DIB_MAX_SIDE, TQ_DIB_MAX_SIDE);
    png_set_chunk_malloc_max(read.png, static_cast<png_alloc_size_t>(read.fileLength));
    png_set_keep_unknown_chunks(read.png, PNG_HANDLE_CHUNK_NEVER, kUnusedChunks,
                                static_cast<int>(sizeof kUnusedChunks / 5));
}

// Whether the rows the header declares, each with its filter byte, could
// come out of the compressed data the file holds.
bool rowsFitTheData(const PngRead& read)
{
    unsigned long long rowBytes = png_get_rowbytes(read.png, read.info);
    unsigned long long rows = png_get_image_height(read.png, read.info);
    return (rowBytes + 1) * rows <= kDeflateMostExpansion * read.compressedBytes;
}

// Every picture comes out as 8-bit RGB, with alpha where it has any.
void requestRgb(png_structp png, png_infop info)
{
    png_byte bitDepth = png_get_bit_depth(png, info);
    png_byte colourType = png_get_color_type(png, info);
    if (bitDepth == 16)
        png_set_strip_16(png);
    if (bitDepth < 8)
        png_set_packing(png);
    if (colourType == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(png);
    if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8)
        png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS) != 0)
        png_set_tRNS_to_alpha(png);
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
}

void requestGamma(png_structp png, png_infop info)
{
    double fileGamma = kDefaultFileGamma;
    if (png_get_valid(png, info, PNG_INFO_sRGB) == 0)
        png_get_gAMA(png, info, &fileGamma);
    png_set_gamma(png, kScreenGamma, fileGamma);
}

// The picture's rows, once its size is known to fit.
bool allocateRows(PngRead* read, std::size_t rowBytes)
{
    std::size_t dibBytes = 0;
    unsigned long long pixelBytes = static_cast<unsigned long long>(rowBytes) * read->height;
    if (!TQGFdibBytes(read->width, read->height, &dibBytes) || rowBytes == 0 ||
        pixelBytes > INT_MAX)
        return false;
    read->pixels = static_cast<unsigned char*>(std::malloc(rowBytes * read->height));
    read->rows = static_cast<png_bytep*>(std::calloc(read->height, sizeof(png_bytep)));
    if (read->pixels == nullptr || read->rows == nullptr) {
        std::fprintf(stderr, "png read error: out of memory..\n");
        return false;
    }
    for (unsigned long r = 0; r < read->height; ++r)
        read->rows[r] = read->pixels + r * rowBytes;
    return true;
}

// The recovery point of the reader: false after any library error.
bool readPngPixels(PngRead* read, std::FILE* fp)
{
    if (setjmp(png_jmpbuf(read->png)))
        return false;
    png_init_io(read->png, fp);
    png_set_sig_bytes(read->png, static_cast<int>(kSignatureBytes));
    limitRead(*read);
    png_read_info(read->png, read->info);
    if (!rowsFitTheData(*read))
        return false;
    requestRgb(read->png, read->info);
    requestGamma(read->png, read->info);
    png_read_update_info(read->png, read->info);

    read->width = png_get_image_width(read->png, read->info);
    read->height = png_get_image_height(read->png, read->info);
    read->channels = png_get_channels(read->png, read->info);
    if ((read->channels != 3 && read->channels != 4) ||
        !allocateRows(read, png_get_rowbytes(read->png, read->info)))
        return false;
    png_read_image(read->png, read->rows);
    png_read_end(read->png, nullptr);
    return true;
}

// Picture row r becomes DIB row h - 1 - r; alpha becomes 255 - alpha.
void toDib(const PngRead& read, unsigned char* dib, unsigned char* mask)
{
    unsigned long stride = TQGFdibStride(read.width);
    for (unsigned long r = 0; r < read.height; ++r) {
        const unsigned char* pixel = read.rows[r];
        unsigned char* colour = dib + (read.height - 1 - r) * stride;
        unsigned char* alpha = mask + (read.height - 1 - r) * stride;
        for (unsigned long x = 0; x < read.width; ++x, pixel += read.channels) {
            colour[3 * x] = pixel[2];
            colour[3 * x + 1] = pixel[1];
            colour[3 * x + 2] = pixel[0];
            if (read.channels == 4)
                alpha[3 * x] = alpha[3 * x + 1] = alpha[3 * x + 2] =
                    static_cast<unsigned char>(255 - pixel[3]);
        }
    }
}

void* makeBitmaps(const PngRead& read, void** mask)
{
    std::size_t bytes = 0;
    TQGFdibBytes(read.width, read.height, &bytes);
    std::vector<unsigned char> dib(bytes);
    std::vector<unsigned char> alpha(read.channels == 4 ? bytes : 0);
    toDib(read, dib.data(), alpha.data());
    long width = static_cast<long>(read.width);
    long height = static_cast<long>(read.height);
    if (read.channels == 4)
        *mask = TQGFdibToBitmap(alpha.data(), width, height);
    return TQGFdibToBitmap(dib.data(), width, height);
}

void* decodePng(std::FILE* fp, unsigned long* width, unsigned long* height, void** mask)
{
    PngRead read = {};
    long long length = TQGFimageFileLength(fp);
    if (length < 0)
        return nullptr;
    read.fileLength = static_cast<unsigned long long>(length);
    read.compressedBytes = compressedBytesPresent(fp, read.fileLength);
    read.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, png_cexcept_error, nullptr);
    if (read.png == nullptr)
        return nullptr;
    read.info = png_create_info_struct(read.png);
    void* bitmap = nullptr;
    if (read.info != nullptr && readPngPixels(&read, fp)) {
        *width = read.width;
        *height = read.height;
        bitmap = makeBitmaps(read, mask);
    }
    png_destroy_read_struct(&read.png, &read.info, nullptr);
    std::free(read.rows);
    std::free(read.pixels);
    return bitmap;
}

// The recovery point of the writer: false after any library error.
bool writePngRows(PngWrite* write, std::FILE* fp, const unsigned char* rgb, long width,
                  long height)
{
    if (setjmp(png_jmpbuf(write->png)))
        return false;
    png_set_write_fn(write->png, fp, png_write_fn, png_flush_fn);
    png_set_IHDR(write->png, write->info, static_cast<png_uint_32>(width),
                 static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    // The library only reads the rows.
    png_bytep row = const_cast<png_bytep>(rgb);
    for (long y = 0; y < height; ++y, row += 3 * width)
        write->rows[y] = row;
    png_set_rows(write->png, write->info, write->rows);
    png_write_png(write->png, write->info, PNG_TRANSFORM_IDENTITY, nullptr);
    return true;
}

} // namespace

void* PngReadFileToBitmap(const char* path, unsigned long* width, unsigned long* height,
                          void** mask)
{
    *mask = nullptr;
    std::FILE* fp = TQGFopenImageFile(path);
    if (fp == nullptr)
        return nullptr;
    void* bitmap = hasPngSignature(fp) ? decodePng(fp, width, height, mask) : nullptr;
    std::fclose(fp);
    return bitmap;
}

long PngWriteBufToFp(std::FILE* fp, const unsigned char* rgb, long width, long height)
{
    if (fp == nullptr || rgb == nullptr || width < 1 || height < 1)
        return -1;
    PngWrite write = {};
    write.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (write.png == nullptr)
        return -1;
    write.info = png_create_info_struct(write.png);
    write.rows = static_cast<png_bytep*>(std::calloc(static_cast<std::size_t>(height),
                                                     sizeof(png_bytep)));
    bool written = write.info != nullptr && write.rows != nullptr &&
                   writePngRows(&write, fp, rgb, width, height);
    png_destroy_write_struct(&write.png, &write.info);
    std::free(write.rows);
    return written ? 0 : -1;
}
