// The built-in icons linked into the program: 101 and 202-235 load from the
// module as 32 x 32 icons, each drawn differently.
#include <gtest/gtest.h>

#include "TQwin32.h"

#include <set>
#include <string>

namespace {

// The colour pixels of an icon resource loaded at its own size; empty when
// it does not load or is not 32 x 32.
std::string iconPixels(int id)
{
    HICON icon = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, 0, 0, 0));
    ICONINFO info = {};
    BITMAP colour = {};
    BITMAPINFO header = {};
    header.bmiHeader = {sizeof(BITMAPINFOHEADER), 32, 32, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::string pixels(32 * 32 * 4, '\0');
    HDC context = CreateCompatibleDC(nullptr);
    if (icon == nullptr || !GetIconInfo(icon, &info) ||
        GetObjectA(info.hbmColor, sizeof colour, &colour) == 0 || colour.bmWidth != 32 ||
        colour.bmHeight != 32 ||
        GetDIBits(context, info.hbmColor, 0, 32, &pixels[0], &header, DIB_RGB_COLORS) != 32)
        pixels.clear();
    DeleteDC(context);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
    return pixels;
}

} // namespace

TEST(BuiltInIcons, ProgramIconAndDefaultImagesLoadAsDistinct32By32Icons)
{
    std::set<std::string> seen = {iconPixels(101)};
    EXPECT_NE("", *seen.begin()) << "icon 101";
    for (int id = 202; id <= 235; ++id) {
        std::string pixels = iconPixels(id);
        EXPECT_NE("", pixels) << "icon " << id;
        EXPECT_TRUE(seen.insert(pixels).second) << "icon " << id << " looks like another";
    }
    EXPECT_EQ("", iconPixels(236)) << "no icon 236";
}
