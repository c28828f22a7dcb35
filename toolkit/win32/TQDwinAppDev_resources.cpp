// The application device's resources: the role colours taken from the
// system at start-up, the work area, the palette, the form devices waiting
// for a repaint, and the look file.
#include "TQDwinAppDev.h"

#include "TQDwinformDev.h"
#include "TQGFwinAppWindow.h"
#include "TQwin32.h"
#include "_TQCcolorSet.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// A system colour, or a fixed one where system is negative.
struct RoleColour {
    short role;
    int system;
    COLORREF fixed;
    long mode;
};

const long kAsIs = 0;
const long kDarker = 1;
const long kLighter = 4;

// In binding order.
const RoleColour kRoleColours[] = {
    {-1, COLOR_BTNFACE, 0, kLighter},
    {-10, COLOR_BTNFACE, 0, kAsIs},
    {-13, COLOR_BTNFACE, 0, kAsIs},
    {-2, COLOR_WINDOWTEXT, 0, kAsIs},
    {-5, COLOR_MENU, 0, kAsIs},
    {-6, COLOR_MENUTEXT, 0, kAsIs},
    {-7, COLOR_HIGHLIGHT, 0, kAsIs},
    {-18, COLOR_HIGHLIGHTTEXT, 0, kAsIs},
    {-11, COLOR_WINDOW, 0, kAsIs},
    {-12, COLOR_SCROLLBAR, 0, kDarker},
    {-14, COLOR_BTNTEXT, 0, kAsIs},
    {-17, COLOR_3DDKSHADOW, 0, kAsIs},
    {-15, COLOR_BTNHIGHLIGHT, 0, kAsIs},
    {-3, COLOR_BTNHIGHLIGHT, 0, kAsIs},
    {-8, COLOR_BTNHIGHLIGHT, 0, kAsIs},
    {-16, COLOR_BTNSHADOW, 0, kAsIs},
    {-4, COLOR_BTNSHADOW, 0, kAsIs},
    {-9, COLOR_BTNSHADOW, 0, kAsIs},
    {-20, -1, RGB(0xE0, 0xE0, 0xFF), kAsIs},
    {-19, -1, RGB(0xD0, 0xD0, 0xFF), kAsIs},
};

const int kPaletteEntries = 149;
// The palette field once the display was found to use none.
HPALETTE const kNoPalette = reinterpret_cast<HPALETTE>(-1);

long (*g_rasterCapsReader)() = nullptr;

long adjustComponent(long x, long mode)
{
    switch (mode) {
    case 1:
        return (x * 31) >> 5;
    case 2:
        return x / 2;
    case 3:
        return x + (255 - x) / 2;
    case 4:
        return std::min(x + 16, 255L);
    default:
        return x;
    }
}

long displayRasterCaps(HWND window)
{
    HDC dc = GetDC(window);
    long caps = GetDeviceCaps(dc, RASTERCAPS);
    ReleaseDC(window, dc);
    return caps;
}

RECT workArea()
{
    RECT area = {0, 0, 0, 0};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

} // namespace

long TQDwinAppDev::initialize()
{
    TQDappDev::initialize();
    bindRoleColours();
    loadGuiPolicy();
    return 0;
}

void TQDwinAppDev::bindRoleColours()
{
    for (const RoleColour& entry : kRoleColours) {
        COLORREF colour = entry.system >= 0 ? GetSysColor(entry.system) : entry.fixed;
        _set_color(entry.role, static_cast<long>(colour), entry.mode);
    }
}

void TQDwinAppDev::_set_color(short role, long colour, long mode)
{
    long red = adjustComponent(GetRValue(colour), mode);
    long green = adjustComponent(GetGValue(colour), mode);
    long blue = adjustComponent(GetBValue(colour), mode);
    char name[8];
    std::snprintf(name, sizeof name, "#%02lx%02lx%02lx", red, green, blue);
    TQCcolorSet* colours = TQGIappColorSet();
    colours->setDefaultColorNo(role, colours->getColorNo(name));
}

short TQDwinAppDev::getWidth()
{
    RECT area = workArea();
    return static_cast<short>(area.right - area.left);
}

short TQDwinAppDev::getHeight()
{
    RECT area = workArea();
    return static_cast<short>(area.bottom - area.top);
}

short TQDwinAppDev::getXOffset()
{
    return static_cast<short>(workArea().left);
}

short TQDwinAppDev::getYOffset()
{
    return static_cast<short>(workArea().top);
}

// Made once and never freed: contexts everywhere may hold it selected.
HPALETTE TQDwinAppDev::getPalette()
{
    if (palette == kNoPalette)
        return nullptr;
    if (palette != nullptr)
        return palette;
    long caps = g_rasterCapsReader != nullptr ? g_rasterCapsReader() : displayRasterCaps(window);
    HPALETTE made = TQGFmakeAppPalette(caps);
    palette = made != nullptr ? made : kNoPalette;
    if (made != nullptr)
        TQGFsetAppPalette(made);
    return made;
}

HPALETTE TQGFmakeAppPalette(long rasterCaps)
{
    if ((rasterCaps & RC_PALETTE) == 0)
        return nullptr;
    std::vector<unsigned char> storage(sizeof(LOGPALETTE) +
                                       (kPaletteEntries - 1) * sizeof(PALETTEENTRY));
    LOGPALETTE* logical = reinterpret_cast<LOGPALETTE*>(storage.data());
    logical->palVersion = 0x300;
    logical->palNumEntries = kPaletteEntries;
    PALETTEENTRY* entry = logical->palPalEntry;
    auto level = [](int i) { return static_cast<BYTE>(std::min(i * 64, 255)); };
    for (int red = 0; red < 5; ++red)
        for (int green = 0; green < 5; ++green)
            for (int blue = 0; blue < 5; ++blue)
                *entry++ = {level(red), level(green), level(blue), PC_RESERVED};
    for (int grey = 246; grey >= 16; grey -= 10) {
        BYTE g = static_cast<BYTE>(grey);
        *entry++ = {g, g, g, PC_RESERVED};
    }
    return CreatePalette(logical);
}

void _TQGFsetRasterCapsReader(long (*reader)())
{
    g_rasterCapsReader = reader;
}

// ---------------------------------------------------------------------------
// Devices waiting for a repaint

void TQDwinAppDev::addUpdateDev(TQDwinformDev* dev)
{
    for (long i = 0; i < updateList.getNum(); ++i)
        if (updateList.getData(i) == dev)
            return;
    updateList.add(dev);
}

long TQDwinAppDev::delUpdateDev(TQDwinformDev* dev)
{
    return updateList.del(dev);
}

// A copy is walked: each device takes itself off the list as it repaints.
void TQDwinAppDev::update()
{
    if (updateList.getNum() != 0) {
        TQClistData waiting(updateList);
        for (long i = 0; i < waiting.getNum(); ++i) {
            TQDwinformDev* dev = static_cast<TQDwinformDev*>(waiting.getData(i));
            dev->setExposed(1);
            dev->_clear_and_expose();
        }
    }
    while (PeekMessageA(lastMessage, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(lastMessage);
        DispatchMessageA(lastMessage);
    }
}

// ---------------------------------------------------------------------------
// The look file

long TQDwinAppDev::loadGuiPolicy()
{
    TQCguiPolicy* policy = TQGIappGuiPolicy();
    long marker = policy->getGuiPolicyUnset() ? -1 : 2;
    if (policy->loadLookFile(&marker) != 0)
        return -1;
    if (policy->getGuiPolicyUnset())
        policy->setGuiPolicy(2, 0);
    return 0;
}

long TQDwinAppDev::saveGuiPolicy()
{
    return TQGIappGuiPolicy()->saveLookFile();
}
