// Reader results and mutation runs for the image reader tests.
#include "TestImageFiles.h"

#include "TQwin32.h"

#include <random>

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

int countBadMutations(const std::string& seed, unsigned randomSeed, int runs,
                      const std::function<bool(const std::string&)>& read)
{
    std::mt19937 random(randomSeed);
    int bad = 0;
    for (int run = 0; run < runs; ++run) {
        std::string bytes = seed;
        if (random() % 4 == 0) {
            bytes.resize(random() % bytes.size());
        } else {
            for (unsigned changes = 1 + random() % 4; changes > 0; --changes)
                bytes[random() % bytes.size()] = static_cast<char>(random());
        }
        if (!read(bytes))
            ++bad;
    }
    return bad;
}

void putLittle32(std::string& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>(value >> 8 * i & 0xFF);
}

// A 32-bit bit-field file; pixels are 0xAARRGGBB in file row order.
std::string bmpBitFieldsFile(std::int32_t width, std::int32_t height,
                             const std::vector<std::uint32_t>& pixels)
{
    // File header, information header, then the three colour masks.
    const std::uint32_t headers = 14 + 40 + 12;
    std::string out = "BM";
    std::vector<std::uint32_t> fields = {headers + static_cast<std::uint32_t>(pixels.size() * 4),
                                         0, headers, 40, static_cast<std::uint32_t>(width),
                                         static_cast<std::uint32_t>(height), 1 | 32 << 16, 3,
                                         0, 0, 0, 0, 0, 0xFF0000, 0xFF00, 0xFF};
    fields.insert(fields.end(), pixels.begin(), pixels.end());
    out.resize(2 + 4 * fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i)
        putLittle32(out, 2 + 4 * i, fields[i]);
    return out;
}
