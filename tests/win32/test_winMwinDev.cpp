// The Win32 off-screen device: the RGB buffer, saved files, the clipboard,
// and copies to a real window, its backing pixmap, a window-less device on
// it and other off-screen devices.
#include "TQDwinmwinDev.h"

#include <gtest/gtest.h>

#include "CapturedText.h"
#include "DibSurface.h"
#include "FakeDevices.h"
#include "FileBytes.h"
#include "MemoryMwindowDev.h"
#include "RecordingDraw.h"
#include "SampleWidgets.h"
#include "TQDwinImage.h"
#include "TQDwinformDev.h"
#include "TQGFwinJpeg.h"
#include "TQGFwinPng.h"
#include "TempDir.h"
#include "TestAppWindow.h"
#include "TestImageFiles.h"
#include "WinCodeConverter.h"

namespace {

const COLORREF kRed = RGB(0xFF, 0, 0);
const COLORREF kGreen = RGB(0, 0xFF, 0);
const COLORREF kBlue = RGB(0, 0, 0xFF);
const COLORREF kMagenta = RGB(0xFF, 0, 0xFF);

HDC contextOf(TQDdev& dev)
{
    return reinterpret_cast<HDC>(dev.getContextResource());
}

void fill(TQDdev& dev, COLORREF colour, int x = 0, int w = 100)
{
    RECT area = {x, 0, x + w, 100};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(contextOf(dev), &area, brush);
    DeleteObject(brush);
}

COLORREF pixel(TQDdev& dev, int x, int y)
{
    return GetPixel(contextOf(dev), x, y);
}

TQDdraw* drawing()
{
    static TQDwindraw draw;
    return &draw;
}

class OffScreen : public ::testing::Test {
protected:
    static void SetUpTestSuite() { useWinCodeConverter(); }
    CurrentDraw current{drawing()};
    TQDwinmwinDev dev;
    TempDir dir;
};

} // namespace

TEST_F(OffScreen, DrawnPixelsReachTheBufferFromTheTopAndGoBack)
{
    EXPECT_EQ(-1, dev.beginDraw(0, 0, 4, 4, 1, 0)) << "no pixmap";
    EXPECT_EQ(-1, dev.createPixmap(0, 4));
    ASSERT_EQ(0, dev.createPixmap(5, 3));
    EXPECT_EQ(-1, dev.putBufferToPixmap()) << "no buffer yet";
    fill(dev, RGB(0x10, 0x20, 0x30));
    ASSERT_EQ(0, dev.beginDraw(0, 0, 5, 3, 1, 0));
    dev.endDraw();
    SetPixel(contextOf(dev), 4, 2, RGB(1, 2, 3));
    ASSERT_EQ(0, dev.initBuffer());
    unsigned char r = 0, g = 0, b = 0;
    ASSERT_EQ(0, dev.getBufferRGB(4, 2, &r, &g, &b));
    EXPECT_EQ(RGB(1, 2, 3), RGB(r, g, b)) << "bottom right";
    EXPECT_EQ(0, dev.setBufferRGB(0, 0, 0xAA, 0xBB, 0xCC));
    EXPECT_EQ(-1, dev.setBufferRGB(5, 0, 0, 0, 0));
    ASSERT_EQ(0, dev.putBufferToPixmap());
    EXPECT_EQ(RGB(0xAA, 0xBB, 0xCC), pixel(dev, 0, 0)) << "(0, 0) is the top left";
    EXPECT_EQ(RGB(0x10, 0x20, 0x30), pixel(dev, 0, 2));

    ASSERT_EQ(0, dev.createPixmap(8, 8));
    EXPECT_EQ(-1, dev.setBufferRGB(6, 6, 0, 0, 0)) << "a new pixmap drops the old buffer";
}

TEST_F(OffScreen, SavesPngJpegAndBmpAndFailsOnAFullDisk)
{
    std::string png = dir.file("p.png"), jpeg = dir.file("p.jpg"), bmp = dir.file("p.bmp");
    EXPECT_EQ(-1, dev.saveFile(&png[0], 3)) << "no pixmap";
    ASSERT_EQ(0, dev.createPixmap(1, 1));
    SetPixel(contextOf(dev), 0, 0, RGB(0x12, 0x34, 0x56));
    ASSERT_EQ(0, dev.saveFile(&png[0], 3));
    EXPECT_EQ(std::string("\0\0\0\1\0\0\0\1\x08\x02", 10), readFileBytes(png).substr(16, 10))
        << "1 x 1, 8-bit RGB";
    ReadPicture picture;
    picture.bitmap = PngReadFileToBitmap(png.c_str(), &picture.width, &picture.height,
                                         &picture.mask);
    EXPECT_EQ(std::vector<std::uint32_t>{0x123456}, picture.colours());

    ASSERT_EQ(0, dev.createPixmap(5, 3));
    ASSERT_EQ(0, dev.saveFile(&jpeg[0], 4));
    unsigned long w = 0, h = 0;
    DeleteObject(static_cast<HGDIOBJ>(JpegReadFileToBitmap(jpeg.c_str(), 0, &w, &h)));
    EXPECT_TRUE(w == 5 && h == 3) << "the JPEG decodes to 5 x 3";
    ASSERT_EQ(0, dev.saveFile(&bmp[0], 2));
    EXPECT_EQ(54u + 5 * 3 * 4, readFileBytes(bmp).size()) << "the base's BMP";

    // The Unix /dev/full through Wine's drive Z:, where every write fails.
    char full[] = "Z:\\dev\\full";
    ASSERT_TRUE(fileExists(full));
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(-1, dev.saveFile(full, 4)) << "JPEG";
    EXPECT_EQ(-1, dev.saveFile(full, 3)) << "PNG";
    capturedStderr();
}

TEST_F(OffScreen, ClipboardGetsACopyAndTheDeviceKeepsItsOwnPicture)
{
    TestAppWindow app;
    EXPECT_EQ(-1, dev.setClipboardData()) << "no pixmap";
    ASSERT_EQ(0, dev.createPixmap(3, 2));
    fill(dev, kRed);
    ASSERT_EQ(0, dev.setClipboardData());
    ASSERT_TRUE(OpenClipboard(nullptr));
    HBITMAP copy = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    CloseClipboard();
    BITMAP size = {};
    EXPECT_TRUE(GetObjectA(copy, sizeof size, &size) && size.bmWidth == 3) << "a 3 x 2 copy";
    EXPECT_NE(dev.getBitmap(), copy);
    EXPECT_EQ(kRed, pixel(dev, 2, 1)) << "the device's own bitmap still draws";
}

namespace {

// A form device over a real window shown at the top left of the display,
// drawing through a backing pixmap of the test's own.
class ShownFormDev : public TQDwinformDev {
public:
    ShownFormDev()
        : window(CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 64,
                                 32, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)),
          pixmap(64, 32)
    {
        UpdateWindow(window);
        setPixmapStyle(1);
        pixmap.fill(kGreen);
    }
    ~ShownFormDev() override { DestroyWindow(window); }
    long getWindowResource() override { return reinterpret_cast<long>(window); }
    long getContextResource() override { return pixmap.context(); }
    COLORREF shown(int x, int y)
    {
        HDC dc = GetDC(window);
        COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(window, dc);
        return colour;
    }

    HWND window;
    DibSurface pixmap;
};

class OffScreenCopies : public OffScreen {
protected:
    void SetUp() override
    {
        ASSERT_EQ(0, dev.createPixmap(4, 4));
        fill(dev, kRed);
    }
    ShownFormDev form;
};

} // namespace

TEST_F(OffScreenCopies, OperationOneCopiesToTheWindowButInvertsTheBackingPixmap)
{
    dev.setOperation(1);
    ASSERT_EQ(0, dev.copyToWindow(&form, 0, 0, 2, 2, 5, 6));
    EXPECT_EQ(kRed, form.shown(5, 6)) << "SRCCOPY on the window";
    EXPECT_EQ(kMagenta, form.pixmap.pixel(5, 6)) << "brush XOR green on the pixmap";
    EXPECT_EQ(kGreen, form.pixmap.pixel(7, 6));
    dev.setOperation(0);
    ASSERT_EQ(0, dev.copyToWindow(&form, 0, 0, 2, 2, 5, 6));
    EXPECT_EQ(kRed, form.pixmap.pixel(5, 6)) << "SRCCOPY on the pixmap";

    TQDwinformDev noWindow;
    EXPECT_EQ(-1, dev.copyToWindow(&noWindow, 0, 0, 2, 2, 0, 0)) << "no window there";
}

TEST_F(OffScreenCopies, WindowlessDeviceCopiesAtItsWidgetsPosition)
{
    SampleWidget widget(nullptr, "on-form");
    widget.initialize();
    widget.x = 10;
    widget.y = 5;
    FakeNwDev windowless;
    windowless.setParentDev(&form);
    windowless.attachClient(&widget);
    ASSERT_EQ(0, dev.copyToWindow(&windowless, 0, 0, 1, 1, 1, 1));
    EXPECT_EQ(kRed, form.shown(11, 6));
    EXPECT_EQ(kRed, form.pixmap.pixel(11, 6)) << "the parent's backing pixmap";
    EXPECT_NE(kRed, form.shown(1, 1));

    fill(dev, kBlue);
    ASSERT_EQ(0, dev.copyFromWindow(&windowless, 1, 1, 1, 1, 0, 0));
    EXPECT_EQ(kRed, pixel(dev, 0, 0)) << "taken from the window at (11, 6)";
    windowless.detachClient();
}

TEST_F(OffScreenCopies, MaskShowsThePictureWhereWhiteAndKeepsTheDestinationWhereBlack)
{
    TQDwinmwinDev target, mask;
    ASSERT_EQ(0, target.createPixmap(4, 1));
    ASSERT_EQ(0, mask.createPixmap(4, 1));
    fill(mask, RGB(0xFF, 0xFF, 0xFF), 0, 2);
    fill(mask, RGB(0, 0, 0), 2, 2);
    auto copied = [&](auto* maskArg) {
        fill(target, kBlue);
        EXPECT_EQ(0, dev.copyToWindowWithMask(&target, 0, 0, 4, 1, 0, 0, maskArg));
        return std::vector<COLORREF>{pixel(target, 0, 0), pixel(target, 1, 0),
                                     pixel(target, 2, 0), pixel(target, 3, 0)};
    };
    const std::vector<COLORREF> masked = {kRed, kRed, kBlue, kBlue};
    EXPECT_EQ(masked, copied(static_cast<TQDmwindowDev*>(&mask))) << "off-screen mask";

    std::string maskFile = dir.file("mask.png");
    const unsigned char whiteThenBlack[12] = {255, 255, 255, 255, 255, 255};
    std::FILE* fp = std::fopen(maskFile.c_str(), "wb");
    PngWriteBufToFp(fp, whiteThenBlack, 4, 1);
    std::fclose(fp);
    TQDwinImage maskImage;
    maskImage.setImageName(maskFile.c_str());
    EXPECT_EQ(masked, copied(static_cast<TQDimage*>(&maskImage))) << "image mask";
    TQDimage none;
    EXPECT_EQ(std::vector<COLORREF>(4, kMagenta), copied(&none)) << "no mask: ORed";

    MemoryMwindowDev foreign;
    EXPECT_EQ(-1, dev.copyToWindowWithMask(&target, 0, 0, 4, 1, 0, 0,
                                           static_cast<TQDmwindowDev*>(&foreign)));
}
