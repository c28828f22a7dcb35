// Reader results and mutation runs for the image reader tests.
#include "TestImageFiles.h"

#include "TQwin32.h"


namespace {

std::vector<std::uint32_t> bitmapPixels(void* bitmap, unsigned long width, unsigned long height)
{
    BITMAP object = {};
    HBITMAP handle = static_cast<HBITMAP>(bitmap);
    if (GetObjectA(handle, sizeof object, &object) == 0 ||
        object.bmWidth != static_cast<LONG>(width) || object.bmHeight != static_cast<LONG>(height))
        return {};
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = object.bmWidth;
    info.bmiHeader.biHeight = -object.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<std::uint32_t> pixels(width * height);
    HDC context = CreateCompatibleDC(nullptr);
    int lines = GetDIBits(context, handle, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteDC(context);
    if (lines != object.bmHeight)
        return {};
    for (std::uint32_t& p : pixels)
        p &= 0xFFFFFF;
    return pixels;
}

} // namespace

ReadPicture::~ReadPicture()
{
    DeleteObject(static_cast<HGDIOBJ>(bitmap));
    DeleteObject(static_cast<HGDIOBJ>(mask));
}

std::vector<std::uint32_t> ReadPicture::colours() const
{
    return bitmapPixels(bitmap, width, height);
}

std::vector<std::uint32_t> ReadPicture::transparency() const
{
    return bitmapPixels(mask, width, height);
}

ReadOutcome judgePicture(ReadPicture& picture)
{
    ReadOutcome outcome = ReadOutcome::Refused;
    if (picture.bitmap != nullptr) {
        BITMAP object = {};
        if (picture.width == 0 &&
            GetObjectA(static_cast<HBITMAP>(picture.bitmap), sizeof object, &object) != 0) {
            picture.width = static_cast<unsigned long>(object.bmWidth);
            picture.height = static_cast<unsigned long>(object.bmHeight);
        }
        const std::size_t pixels = picture.width * picture.height;
        const bool whole = pixels > 0 && picture.colours().size() == pixels &&
                           (picture.mask == nullptr || picture.transparency().size() == pixels);
        outcome = whole ? ReadOutcome::Whole : ReadOutcome::Broken;
    } else if (picture.mask != nullptr) {
        outcome = ReadOutcome::Broken;
    }
    DeleteObject(static_cast<HGDIOBJ>(picture.bitmap));
    DeleteObject(static_cast<HGDIOBJ>(picture.mask));
    picture.bitmap = picture.mask = nullptr;
    picture.width = picture.height = 0;
    return outcome;
}

void putLittle32(std::string& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>(value >> 8 * i & 0xFF);
}

FileSeed bmpFileParts(std::int32_t width, std::int32_t height, int bitCount, int compression,
                      const std::vector<std::string>& after)
{
    const std::uint32_t headers = 14 + 40;
    std::uint32_t offset = headers;
    std::uint32_t total = headers;
    for (std::size_t i = 0; i < after.size(); ++i) {
        total += static_cast<std::uint32_t>(after[i].size());
        if (i + 1 < after.size())
            offset += static_cast<std::uint32_t>(after[i].size());
    }
    std::string head = "BM";
    const std::uint32_t fields[] = {total, 0, offset, 40, static_cast<std::uint32_t>(width),
                                    static_cast<std::uint32_t>(height),
                                    1u | static_cast<std::uint32_t>(bitCount) << 16,
                                    static_cast<std::uint32_t>(compression),
                                    after.empty() ? 0u
                                                  : static_cast<std::uint32_t>(after.back().size()),
                                    0, 0, bitCount <= 8 ? (offset - headers) / 4 : 0, 0};
    head.resize(headers);
    for (std::size_t i = 0; i < sizeof fields / sizeof fields[0]; ++i)
        putLittle32(head, 2 + 4 * i, fields[i]);
    // File size, pixel offset, header size, sides, bit count, compression,
    // image size and colours used.
    FileSeed parts = {{head,
                       {{2, 4, false}, {10, 4, false}, {14, 4, false}, {18, 4, false},
                        {22, 4, false}, {28, 2, false}, {30, 4, false}, {34, 4, false},
                        {46, 4, false}},
                       false}};
    for (const std::string& bytes : after)
        if (!bytes.empty())
            parts.push_back({bytes, {}, true});
    return parts;
}

// Pixels are 0xAARRGGBB in file row order.
std::string bmpBitFieldsFile(std::int32_t width, std::int32_t height,
                             const std::vector<std::uint32_t>& pixels)
{
    std::string masks(12, '\0');
    putLittle32(masks, 0, 0xFF0000);
    putLittle32(masks, 4, 0xFF00);
    putLittle32(masks, 8, 0xFF);
    std::string data(4 * pixels.size(), '\0');
    for (std::size_t i = 0; i < pixels.size(); ++i)
        putLittle32(data, 4 * i, pixels[i]);
    return joinedParts(bmpFileParts(width, height, 32, 3, {masks, data}));
}
