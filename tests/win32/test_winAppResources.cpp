// The application device's resources: role colours from the system, the
// work area, the palette, the update list, and the look file in a folder of
// the test's own (HOME is read as USERPROFILE). The look is process-wide,
// so every scenario runs in a process of its own.
#include "EnvGuard.h"
#include "FileBytes.h"
#include "FreshApp.h"
#include "FreshProcess.h"
#include "TQDwinformDev.h"
#include "TQGFwinMain.h"
#include "TempDir.h"
#include "_TQCcolorSet.h"
#include "_TQDcolor.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

COLORREF roleColour(long role)
{
    return static_cast<COLORREF>(TQGIappColorSet()->getDefaultColor(role)->getValue1()) &
           0xFFFFFF;
}

COLORREF lighter(COLORREF c)
{
    auto up = [](int x) { return x + 16 > 255 ? 255 : x + 16; };
    return RGB(up(GetRValue(c)), up(GetGValue(c)), up(GetBValue(c)));
}

COLORREF darker(COLORREF c)
{
    return RGB(GetRValue(c) * 31 >> 5, GetGValue(c) * 31 >> 5, GetBValue(c) * 31 >> 5);
}

int g_capsReads = 0;

long countedRasterCaps()
{
    ++g_capsReads;
    HDC screen = GetDC(nullptr);
    long caps = GetDeviceCaps(screen, RASTERCAPS);
    ReleaseDC(nullptr, screen);
    return caps;
}

bool sameEntry(const PALETTEENTRY& e, int r, int g, int b)
{
    return e.peRed == r && e.peGreen == g && e.peBlue == b && e.peFlags == PC_RESERVED;
}

void displayScenario()
{
    TQDwinAppDev* app = startAppDevice();
    requireInChild(roleColour(-2) == GetSysColor(COLOR_WINDOWTEXT) &&
                       roleColour(-11) == GetSysColor(COLOR_WINDOW) &&
                       roleColour(-17) == GetSysColor(COLOR_3DDKSHADOW) &&
                       roleColour(-9) == GetSysColor(COLOR_BTNSHADOW),
                   "role colours are the system's");
    requireInChild(roleColour(-1) == lighter(GetSysColor(COLOR_BTNFACE)) &&
                       roleColour(-12) == darker(GetSysColor(COLOR_SCROLLBAR)) &&
                       roleColour(-20) == RGB(0xE0, 0xE0, 0xFF),
                   "lightened, darkened and fixed role colours");
    app->_set_color(-21, RGB(250, 10, 0), 4);
    requireInChild(TQGIappColorSet()->getDefaultColorNo(-21) ==
                       TQGIappColorSet()->getColorNo("#ff1a10"),
                   "mode 4 turns (250, 10, 0) into #ff1a10");

    RECT area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    requireInChild(app->getWidth() == area.right - area.left &&
                       app->getHeight() == area.bottom - area.top &&
                       app->getXOffset() == area.left && app->getYOffset() == area.top,
                   "the work area");

    _TQGFsetRasterCapsReader(countedRasterCaps);
    requireInChild(app->getPalette() == nullptr && app->getPalette() == nullptr && g_capsReads == 1,
                   "no palette on a true-colour display, which is asked once");
    HPALETTE palette = TQGFmakeAppPalette(RC_PALETTE);
    PALETTEENTRY entries[150] = {};
    requireInChild(palette != nullptr && GetPaletteEntries(palette, 0, 150, entries) == 149,
                   "149 entries on a display that uses a palette");
    requireInChild(sameEntry(entries[0], 0, 0, 0) && sameEntry(entries[1], 0, 0, 64) &&
                       sameEntry(entries[5], 0, 64, 0) && sameEntry(entries[25], 64, 0, 0) &&
                       sameEntry(entries[124], 255, 255, 255) &&
                       sameEntry(entries[125], 246, 246, 246) &&
                       sameEntry(entries[148], 16, 16, 16),
                   "125 colours, blue changing fastest, then greys from 246 down to 16");
    requireInChild(TQGFmakeAppPalette(RC_BITBLT) == nullptr, "none without RC_PALETTE");

    TQDwinformDev a, b;
    app->addUpdateDev(&a);
    app->addUpdateDev(&b);
    app->addUpdateDev(&a);
    requireInChild(app->delUpdateDev(&a) == 0 && app->delUpdateDev(&a) == -1 &&
                       app->delUpdateDev(&b) == 0 && app->delUpdateDev(&b) == -1,
                   "a device is listed once and taken off once");
    passInChild();
}

// The look file lives in USERPROFILE, here a fresh folder.
class LookFile {
public:
    LookFile() : profile("USERPROFILE", folder.path().c_str()) { TQGFdeviceInitialize(); }
    std::string path() const { return folder.file(".tqrc"); }
    void write(const char* text) const { writeFileBytes(path(), text); }
    // A text file: line ends as the system writes them come back as "\n".
    std::string read() const
    {
        std::ifstream in(path());
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    TempDir folder;
    EnvGuard profile;
};

void missingLookFileScenario()
{
    LookFile look;
    requireInChild(TQGIwinAppDev()->loadGuiPolicy() == -1 &&
                       TQGIappGuiPolicy()->getGuiPolicyUnset(),
                   "a missing look file: -1 and the policy stays unset");
    passInChild();
}

void savedLookFileScenario()
{
    LookFile look;
    TQDappDev::setGuiPolicy(2, 0);
    requireInChild(TQGIwinAppDev()->saveGuiPolicy() == 0 &&
                       look.read() == "#POLICY\n2\n#EXPOLICY\n\n",
                   "policy 2 without a look is saved as four lines");
    passInChild();
}

void readLookFileScenario()
{
    LookFile look;
    look.write("  #POLICY \n1\n#EXPOLICY\nModern1\n");
    requireInChild(TQGIwinAppDev()->loadGuiPolicy() == 0 && TQDappDev::getGuiPolicy() == 9 &&
                       std::string(TQDappDev::getExtGuiPolicyName().getString(-2)) == "Modern1",
                   "the policy and the look are read, keys trimmed");
    passInChild();
}

void unsetAfterReadScenario()
{
    LookFile look;
    look.write("#policy\n1\n#EXPOLICY\n\n");
    requireInChild(TQGIwinAppDev()->loadGuiPolicy() == 0 && TQDappDev::getGuiPolicy() == 2 &&
                       !TQGIappGuiPolicy()->getGuiPolicyUnset(),
                   "a key in lower case is not read, and a read file leaves policy 2");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(WinAppResourcesDeathTest, RoleColoursWorkAreaPaletteAndUpdateList,
                      displayScenario(), "")

TQ_FRESH_PROCESS_TEST(WinLookFileDeathTest, MissingFileLeavesThePolicyUnset,
                      missingLookFileScenario(), "")

TQ_FRESH_PROCESS_TEST(WinLookFileDeathTest, SavesPolicyAndLookAsFourLines,
                      savedLookFileScenario(), "")

TQ_FRESH_PROCESS_TEST(WinLookFileDeathTest, ReadsPolicyAndLook, readLookFileScenario(), "")

TQ_FRESH_PROCESS_TEST(WinLookFileDeathTest, ReadFileWithoutPolicyGivesTwo,
                      unsetAfterReadScenario(), "")
