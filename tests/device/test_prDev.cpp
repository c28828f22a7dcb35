// The printer device: its page settings, the mapped drawing area, and what
// it hands the current drawing object when a drawing begins.
#include "_TQDprDev.h"

#include <gtest/gtest.h>

#include "RecordingDraw.h"
#include "RecordingFile.h"
#include "_TQDpsdraw.h"

#include <string>
#include <vector>

namespace {

// A PostScript object that notes the settings and the drawing it is given.
class NotingPostScript : public TQDpsdraw {
public:
    long setValue(long key, long value) override
    {
        calls.push_back("setValue(" + std::to_string(key) + "," + std::to_string(value) + ")");
        return TQDpsdraw::setValue(key, value);
    }
    long beginDraw(TQDdev* dev, long file, long window, long context) override
    {
        calls.push_back("beginDraw(" + std::string(dev->getClassName()) + "," +
                        (file == reinterpret_cast<long>(expectedFile) ? "file" : "?") + "," +
                        std::to_string(window) + "," + std::to_string(context) + ")");
        return 0;
    }
    long endDraw() override
    {
        calls.push_back("endDraw");
        return 0;
    }
    std::vector<std::string> calls;
    TQDfile* expectedFile = nullptr;
};

template <typename T>
long set(TQDprDev& dev, long key, T value)
{
    return dev.setValue(key, &value);
}

} // namespace

TEST(PrinterDevice, StartsWithoutFileAndKeepsOnlyItsOwnSettingsInTheirBits)
{
    TQDprDev dev;
    EXPECT_EQ(0, dev.getDeviceResource()) << "no file";
    EXPECT_EQ(0, dev.getPageX());
    EXPECT_EQ(0, dev.getPageY());
    EXPECT_EQ(512, dev.getPageWidth());
    EXPECT_EQ(724, dev.getPageHeight());
    EXPECT_EQ(1, dev.getUpright());
    EXPECT_EQ(0, dev.getPaper());
    EXPECT_EQ(0, dev.getPrintMode());
    EXPECT_EQ(1, dev.getReady());
    EXPECT_EQ(1, dev.isExposed(-50, -50, 1, 1, 1));

    EXPECT_EQ(0, set<unsigned char>(dev, 34, 0x1F));
    EXPECT_EQ(15, dev.getPaper());
    EXPECT_EQ(0, set<unsigned char>(dev, 33, 6));
    EXPECT_EQ(2, dev.getPrintMode());
    EXPECT_EQ(0, set<unsigned char>(dev, 35, 2));
    EXPECT_EQ(0, dev.getUpright());
    EXPECT_EQ(0, set<long>(dev, 9, 0x10005));
    EXPECT_EQ(5, dev.getPageX()) << "cut to 16 bits";
    EXPECT_EQ(0, set<long>(dev, 0, 77)) << "another device's x";
    EXPECT_EQ(0, dev.setValue(7, nullptr));
    EXPECT_EQ(5, dev.getPageX());
    EXPECT_EQ(512, dev.getPageWidth());
}

TEST(PrinterDevice, MapsTheDrawingAreaByTheScaleAndReportsItScaledAgain)
{
    RecordingDraw gdi;
    CurrentDraw current(&gdi);
    TQDprDev dev;
    double scale = 2.0;
    dev.setScalePtr(&scale);
    ASSERT_EQ(0, dev.beginDraw(3, 4, 100, 50, 0, 1));
    short x = 0, y = 0;
    unsigned short w = 0, h = 0;
    dev.getExposedArea(&x, &y, &w, &h, 0);
    EXPECT_EQ((std::vector<long>{6, 8, 200, 100}), (std::vector<long>{x, y, w, h}));
    dev.getExposedArea(&x, &y, &w, &h, 1);
    EXPECT_EQ((std::vector<long>{6, 8, 400, 200}), (std::vector<long>{x, y, w, h}));
    dev.endDraw();
    // A drawing object of another kind only draws: no page settings.
    EXPECT_EQ((std::vector<std::string>{"beginDraw(TQDprDev,0,0,0)", "endDraw()"}),
              gdi.callStrings());
}

TEST(PrinterDevice, HandsThePostScriptObjectThePageBeforeTheFileAndNeedsADrawingObject)
{
    RecordingFile file;
    NotingPostScript ps;
    ps.expectedFile = &file;
    TQDprDev dev;
    dev.setFile(&file);
    set<long>(dev, 9, 10);
    set<long>(dev, 10, 20);
    set<long>(dev, 7, 300);
    set<long>(dev, 8, 400);
    set<unsigned char>(dev, 33, 1);
    set<unsigned char>(dev, 34, 5);
    set<unsigned char>(dev, 35, 0);
    {
        CurrentDraw current(&ps);
        ASSERT_EQ(0, dev.beginDraw(0, 0, 300, 400, 1, 1));
        EXPECT_EQ(0, dev.endDraw());
    }
    EXPECT_EQ((std::vector<std::string>{"setValue(33,1)", "setValue(34,5)", "setValue(35,0)",
                                        "setValue(9,10)", "setValue(10,20)", "setValue(7,300)",
                                        "setValue(8,400)", "beginDraw(TQDprDev,file,0,0)",
                                        "endDraw"}),
              ps.calls);

    CurrentDraw none(nullptr);
    EXPECT_EQ(-1, dev.beginDraw(0, 0, 10, 10, 1, 1));
    EXPECT_EQ(-1, dev.endDraw());
}
