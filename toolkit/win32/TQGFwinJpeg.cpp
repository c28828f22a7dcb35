// JPEG reading and writing through libjpeg. A library error jumps back to
// the function that set the recovery point; those functions change nothing
// but what their caller owns, and no C++ object lives across the jump.
#include "TQGFwinJpeg.h"

#include "TQGFwinDib.h"
#include "_TQGFdebug.h"

#include <csetjmp>
#include <cstdlib>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace {

const int kWriteQuality = 100;
// Huffman coding spends at least one bit on every 8 x 8 block of a picture,
// so a whole picture holds at least a byte for every 8 blocks, and one cut
// in half a byte for every 16. A picture declaring more blocks than that
// for the data behind its header is refused before anything is allocated.
const unsigned long long kMostBlocksPerByte = 16;
const unsigned long kBlockSide = 8;
// Each scan of a progressive picture visits every block it covers, however
// few bytes it has: the count of scans is bounded so that a small file
// cannot ask for thousands of passes. Encoders write about ten.
const int kMostScans = 100;

// The standard error manager with a way back to the recovery point.
struct JpegRecovery {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

// Hands a memory buffer to the decompressor, then end-of-image markers for
// as long as it asks for more, so a buffer cut short ends cleanly.
struct jpeg_buf_src_mgr {
    jpeg_source_mgr pub;
    const JOCTET* buffer;
    JOCTET endOfImage[2];
    long size;
    long handedOver;
    boolean startOfFile;
};

struct JpegRead {
    jpeg_decompress_struct cinfo;
    JpegRecovery error;
    jpeg_progress_mgr progress;
    // The length of the file or buffer.
    unsigned long long dataLength;
    unsigned char* dib;
    unsigned char* cmykRow;
};

struct JpegWrite {
    jpeg_compress_struct cinfo;
    JpegRecovery error;
};

void exhandler(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<JpegRecovery*>(cinfo->err)->jump, 1);
}

// Warnings of damaged data are not shown.
void ehandler(j_common_ptr, int)
{
}

// A failed save says why, as the library would, but the program goes on.
void writeErrorExit(j_common_ptr cinfo)
{
    (*cinfo->err->output_message)(cinfo);
    std::longjmp(reinterpret_cast<JpegRecovery*>(cinfo->err)->jump, 1);
}

void init_source_from_buf(j_decompress_ptr cinfo)
{
    reinterpret_cast<jpeg_buf_src_mgr*>(cinfo->src)->startOfFile = TRUE;
}

boolean fill_input_buffer_from_buf(j_decompress_ptr cinfo)
{
    jpeg_buf_src_mgr* src = reinterpret_cast<jpeg_buf_src_mgr*>(cinfo->src);
    if (src->handedOver < src->size) {
        src->pub.next_input_byte = src->buffer + src->handedOver;
        src->pub.bytes_in_buffer = static_cast<std::size_t>(src->size - src->handedOver);
        src->handedOver = src->size;
    } else {
        src->pub.next_input_byte = src->endOfImage;
        src->pub.bytes_in_buffer = sizeof src->endOfImage;
    }
    src->startOfFile = FALSE;
    return TRUE;
}

void skip_input_data_from_buf(j_decompress_ptr cinfo, long count)
{
    if (count <= 0)
        return;
    jpeg_source_mgr* src = cinfo->src;
    std::size_t step = static_cast<unsigned long>(count) < src->bytes_in_buffer
                           ? static_cast<std::size_t>(count)
                           : src->bytes_in_buffer;
    src->next_input_byte += step;
    src->bytes_in_buffer -= step;
}

void term_source_from_buf(j_decompress_ptr)
{
}

void jpeg_buf_src(j_decompress_ptr cinfo, const unsigned char* buffer, long size)
{
    if (cinfo->src == nullptr)
        cinfo->src = static_cast<jpeg_source_mgr*>((*cinfo->mem->alloc_small)(
            reinterpret_cast<j_common_ptr>(cinfo), JPOOL_PERMANENT, sizeof(jpeg_buf_src_mgr)));
    jpeg_buf_src_mgr* src = reinterpret_cast<jpeg_buf_src_mgr*>(cinfo->src);
    src->pub.init_source = init_source_from_buf;
    src->pub.fill_input_buffer = fill_input_buffer_from_buf;
    src->pub.skip_input_data = skip_input_data_from_buf;
    src->pub.resync_to_restart = jpeg_resync_to_restart;
    src->pub.term_source = term_source_from_buf;
    src->pub.next_input_byte = nullptr;
    src->pub.bytes_in_buffer = 0;
    src->buffer = buffer;
    src->endOfImage[0] = 0xFF;
    src->endOfImage[1] = JPEG_EOI;
    src->size = size;
    src->handedOver = 0;
    src->startOfFile = TRUE;
}

bool nextSourceByte(j_decompress_ptr cinfo, unsigned int* byte)
{
    jpeg_source_mgr* src = cinfo->src;
    if (src->bytes_in_buffer == 0 && !(*src->fill_input_buffer)(cinfo))
        return false;
    *byte = *src->next_input_byte++;
    --src->bytes_in_buffer;
    return true;
}

// Comments are skipped whole, so that no byte inside one is taken for a
// marker.
boolean chandler(j_decompress_ptr cinfo)
{
    unsigned int high = 0;
    unsigned int low = 0;
    if (!nextSourceByte(cinfo, &high) || !nextSourceByte(cinfo, &low))
        return FALSE;
    long length = static_cast<long>(high << 8 | low);
    if (length > 2)
        (*cinfo->src->skip_input_data)(cinfo, length - 2);
    return TRUE;
}

void limitScans(j_common_ptr cinfo)
{
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMostScans)
        exhandler(cinfo);
}

// The bytes of the file or buffer that the decompressor has not taken yet.
unsigned long long bytesLeft(j_decompress_ptr cinfo, std::FILE* fp, unsigned long long length)
{
    long position = fp != nullptr
                        ? std::ftell(fp)
                        : reinterpret_cast<jpeg_buf_src_mgr*>(cinfo->src)->handedOver;
    unsigned long long handedOver = position > 0 ? static_cast<unsigned long long>(position) : 0;
    unsigned long long waiting = cinfo->src->bytes_in_buffer;
    unsigned long long taken = handedOver > waiting ? handedOver - waiting : 0;
    return length > taken ? length - taken : 0;
}

// Whether the data after the header could carry the declared picture.
bool sizeFitsTheData(j_decompress_ptr cinfo, std::FILE* fp, unsigned long long length)
{
    unsigned long long across = (cinfo->image_width + kBlockSide - 1) / kBlockSide;
    unsigned long long down = (cinfo->image_height + kBlockSide - 1) / kBlockSide;
    return across * down <= kMostBlocksPerByte * bytesLeft(cinfo, fp, length);
}

// The library gives blue, green, red itself for grey, RGB and YCbCr
// pictures; four-colour pictures are converted here.
bool isFourColour(j_decompress_ptr cinfo)
{
    return cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK;
}

// Adobe stores the inks inverted: 255 is no ink.
void cmykToBgr(const unsigned char* cmyk, unsigned char* bgr, unsigned long width,
               bool inverted)
{
    for (unsigned long x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
        unsigned int c = inverted ? cmyk[0] : 255u - cmyk[0];
        unsigned int m = inverted ? cmyk[1] : 255u - cmyk[1];
        unsigned int y = inverted ? cmyk[2] : 255u - cmyk[2];
        unsigned int k = inverted ? cmyk[3] : 255u - cmyk[3];
        bgr[0] = static_cast<unsigned char>(y * k / 255);
        bgr[1] = static_cast<unsigned char>(m * k / 255);
        bgr[2] = static_cast<unsigned char>(c * k / 255);
    }
}

// The recovery point of the reader: false after any library error.
bool decodeJpeg(JpegRead* read, std::FILE* fp, const unsigned char* buffer, long size,
                unsigned long* width, unsigned long* height)
{
    j_decompress_ptr cinfo = &read->cinfo;
    cinfo->err = jpeg_std_error(&read->error.pub);
    read->error.pub.error_exit = exhandler;
    read->error.pub.emit_message = ehandler;
    if (setjmp(read->error.jump))
        return false;
    jpeg_create_decompress(cinfo);
    jpeg_set_marker_processor(cinfo, JPEG_COM, chandler);
    read->progress.progress_monitor = limitScans;
    cinfo->progress = &read->progress;
    if (fp != nullptr) {
        jpeg_stdio_src(cinfo, fp);
        __dbprintf("JpegReadFileToPixmap here1 local file\n");
    } else {
        jpeg_buf_src(cinfo, buffer, size);
        __dbprintf("JpegReadFileToPixmap here2 remote file size=%d\n", static_cast<int>(size));
    }
    int header = jpeg_read_header(cinfo, TRUE);
    __dbprintf("JpegReadFileToPixmap jpeg_read_header=%d\n", header);
    if (header != JPEG_HEADER_OK || !sizeFitsTheData(cinfo, fp, read->dataLength))
        return false;

    bool fourColour = isFourColour(cinfo);
    cinfo->out_color_space = fourColour ? JCS_CMYK : JCS_EXT_BGR;
    jpeg_calc_output_dimensions(cinfo);
    std::size_t bytes = 0;
    if (!TQGFdibBytes(cinfo->output_width, cinfo->output_height, &bytes))
        return false;
    read->dib = static_cast<unsigned char*>(std::calloc(bytes, 1));
    read->cmykRow = fourColour ? static_cast<unsigned char*>(std::malloc(4 * cinfo->output_width))
                               : nullptr;
    if (read->dib == nullptr || (fourColour && read->cmykRow == nullptr))
        return false;
    jpeg_start_decompress(cinfo);
    *width = cinfo->output_width;
    *height = cinfo->output_height;
    __dbprintf("2 cinf->global_state=%d w,h=%d,%d components=%d\n", cinfo->global_state,
               static_cast<int>(*width), static_cast<int>(*height), cinfo->output_components);

    unsigned long stride = TQGFdibStride(*width);
    while (cinfo->output_scanline < cinfo->output_height) {
        unsigned char* target = read->dib + (*height - 1 - cinfo->output_scanline) * stride;
        JSAMPROW line = fourColour ? read->cmykRow : target;
        if (jpeg_read_scanlines(cinfo, &line, 1) != 1)
            return false;
        if (fourColour)
            cmykToBgr(read->cmykRow, target, *width, cinfo->saw_Adobe_marker != 0);
    }
    jpeg_finish_decompress(cinfo);
    return true;
}

// The recovery point of the writer: false after any library error.
bool encodeJpeg(JpegWrite* write, std::FILE* fp, const unsigned char* rgb, long width,
                long height)
{
    j_compress_ptr cinfo = &write->cinfo;
    cinfo->err = jpeg_std_error(&write->error.pub);
    write->error.pub.error_exit = writeErrorExit;
    if (setjmp(write->error.jump))
        return false;
    jpeg_create_compress(cinfo);
    jpeg_stdio_dest(cinfo, fp);
    cinfo->image_width = static_cast<JDIMENSION>(width);
    cinfo->image_height = static_cast<JDIMENSION>(height);
    cinfo->input_components = 3;
    cinfo->in_color_space = JCS_RGB;
    jpeg_set_defaults(cinfo);
    jpeg_set_quality(cinfo, kWriteQuality, TRUE);
    jpeg_start_compress(cinfo, TRUE);
    // The library only reads the rows.
    JSAMPROW line = const_cast<JSAMPROW>(rgb);
    for (long y = 0; y < height; ++y, line += 3 * width) {
        if (jpeg_write_scanlines(cinfo, &line, 1) != 1)
            return false;
    }
    jpeg_finish_compress(cinfo);
    return true;
}

} // namespace

void* JpegReadFileToBitmap(const char* src, long size, unsigned long* width,
                           unsigned long* height)
{
    if (src == nullptr || size < 0)
        return nullptr;
    std::FILE* fp = nullptr;
    if (size == 0 && (fp = TQGFopenImageFile(src)) == nullptr)
        return nullptr;
    JpegRead read = {};
    long long length = size > 0 ? size : TQGFimageFileLength(fp);
    read.dataLength = length > 0 ? static_cast<unsigned long long>(length) : 0;
    void* bitmap = nullptr;
    if (decodeJpeg(&read, fp, reinterpret_cast<const unsigned char*>(src), size, width, height))
        bitmap = TQGFdibToBitmap(read.dib, static_cast<long>(*width), static_cast<long>(*height));
    jpeg_destroy_decompress(&read.cinfo);
    std::free(read.dib);
    std::free(read.cmykRow);
    if (fp != nullptr)
        std::fclose(fp);
    return bitmap;
}

long JpegWriteBufToFp(std::FILE* fp, const unsigned char* rgb, long width, long height)
{
    if (fp == nullptr || rgb == nullptr || width < 1 || height < 1)
        return -1;
    JpegWrite write = {};
    bool written = encodeJpeg(&write, fp, rgb, width, height);
    jpeg_destroy_compress(&write.cinfo);
    return written ? 0 : -1;
}
