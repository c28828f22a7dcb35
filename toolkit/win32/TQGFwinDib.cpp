// The 24-bit picture layout of the image readers and its GDI bitmaps.
#include "TQGFwinDib.h"

#include "TQGFwinAppWindow.h"
#include "TQGFwinGdi.h"
#include "TQwin32.h"
#include "_TQClocaleSet.h"
#include "_TQCstring.h"

#include <climits>

namespace {

void* (*g_imageWindowSource)() = nullptr;

HWND imageWindow()
{
    if (g_imageWindowSource != nullptr)
        return static_cast<HWND>(g_imageWindowSource());
    return TQGFgetAppWindow();
}

// Made in the window's own format; GetDC of no window is the screen.
HBITMAP compatibleBitmap(long width, long height)
{
    HWND window = imageWindow();
    HDC windowContext = GetDC(window);
    if (windowContext == nullptr)
        return nullptr;
    HBITMAP bitmap = CreateCompatibleBitmap(windowContext, width, height);
    ReleaseDC(window, windowContext);
    return bitmap;
}

} // namespace

unsigned long TQGFdibStride(unsigned long width)
{
    return (3 * width + 3) & ~3UL;
}

bool TQGFdibBytes(unsigned long long width, unsigned long long height, std::size_t* bytes)
{
    if (width < 1 || width > TQ_DIB_MAX_SIDE || height < 1 || height > TQ_DIB_MAX_SIDE)
        return false;
    unsigned long long total = TQGFdibStride(static_cast<unsigned long>(width)) * height;
    // GDI takes sizes as int.
    if (total > INT_MAX)
        return false;
    *bytes = static_cast<std::size_t>(total);
    return true;
}

void* TQGFdibToBitmap(const unsigned char* dib, long width, long height)
{
    HBITMAP bitmap = compatibleBitmap(width, height);
    if (bitmap == nullptr)
        return nullptr;
    BITMAPINFO info = tqgdi::dibHeader(width, height);
    HDC memory = CreateCompatibleDC(nullptr);
    int lines = memory != nullptr
                    ? SetDIBits(memory, bitmap, 0, static_cast<UINT>(height), dib, &info,
                                DIB_RGB_COLORS)
                    : 0;
    GdiFlush();
    if (memory != nullptr)
        DeleteDC(memory);
    if (lines == 0) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}

void TQGFsetImageWindowSource(void* (*source)())
{
    g_imageWindowSource = source;
}

std::FILE* TQGFopenImageFile(const char* name)
{
    if (name == nullptr)
        return nullptr;
    TQCstring converted;
    converted.setString(name, -2);
    const char* systemName = converted.getString(TQGIappLocaleSet()->getSystemLocaleEncoding());
    return systemName != nullptr ? std::fopen(systemName, "rb") : nullptr;
}

long long TQGFimageFileLength(std::FILE* fp)
{
    long here = std::ftell(fp);
    if (here < 0 || std::fseek(fp, 0, SEEK_END) != 0)
        return -1;
    long length = std::ftell(fp);
    return std::fseek(fp, here, SEEK_SET) == 0 ? length : -1;
}
