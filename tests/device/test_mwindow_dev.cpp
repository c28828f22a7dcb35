// Off-screen device: the drawing set-up, the RGB buffer and arrays, loading
// an image file, the BMP writer and the refusal of sizes that wrap.
#include <gtest/gtest.h>

#include "FakeResources.h"
#include "FileBytes.h"
#include "FreshProcess.h"
#include "MemoryMwindowDev.h"
#include "RecordingDraw.h"
#include "TempDir.h"
#include "_TQCcolorSet.h"
#include "_TQCdevice.h"
#include "_TQCimageSet.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;
using Bytes = std::vector<unsigned char>;

Bytes readFile(const std::string& path)
{
    std::string bytes = readFileBytes(path);
    return Bytes(bytes.begin(), bytes.end());
}

unsigned long le32(const Bytes& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<unsigned long>(b[at + 3]) << 24);
}

// A recording drawing object is current for the test.
class OffScreenDraw : public ::testing::Test {
protected:
    RecordingDraw draw;
    CurrentDraw current{&draw};
    MemoryMwindowDev dev;
};

std::string saveTo(TempDir& dir, MemoryMwindowDev& dev, long type, long* result)
{
    std::string path = dir.file("out.bmp");
    *result = dev.saveFile(&path[0], type);
    return path;
}

} // namespace

TEST_F(OffScreenDraw, ScaledRectangleTruncatesTowardZeroAndPreparesTheDrawingInOrder)
{
    double half = 0.5;
    dev.setScalePtr(&half);
    ASSERT_EQ(0, dev.createPixmap(40, 40));
    EXPECT_EQ(0, dev.beginDraw(-3, 20, 30, 40, 0, 1));
    EXPECT_EQ((Strings{"beginDraw(TQDmwindowDev,0,7,7)", "setRegion(-1,10,15,20)",
                       "setLineWidth(1)", "setLineDashType(0)", "setHatchPattern(0)"}),
              draw.callStrings());
    EXPECT_EQ(0, dev.endDraw());

    // Unscaled, only the offsets move the rectangle; unmapped, nothing does.
    dev.setScalePtr(nullptr);
    short ox = 3, oy = -4;
    dev.setXOffsetPtr(&ox);
    dev.setYOffsetPtr(&oy);
    draw.clear();
    dev.beginDraw(5, 6, 10, 11, 1, 1);
    dev.endDraw();
    dev.beginDraw(5, 6, 10, 11, 1, 0);
    EXPECT_EQ((Strings{"setRegion(8,2,10,11)", "setRegion(5,6,10,11)"}),
              draw.callStrings("setRegion"));
    dev.endDraw();
}

TEST_F(OffScreenDraw, FailsWithoutAnImageOrADrawingObject)
{
    EXPECT_EQ(0, dev.getReady());
    EXPECT_EQ(-1, dev.beginDraw(0, 0, 10, 10, 1, 1));
    ASSERT_EQ(0, dev.createPixmap(10, 10));
    EXPECT_EQ(1, dev.getReady());
    TQDdev::setDraw(nullptr);
    EXPECT_EQ(-1, dev.beginDraw(0, 0, 10, 10, 1, 1));
    EXPECT_EQ(-1, dev.endDraw());
    EXPECT_TRUE(draw.calls().empty());
}

TEST_F(OffScreenDraw, LoadFileDrawsTheImageOnBlackAtItsNaturalSize)
{
    TQGIappImageSet()->setCreateHandler(FakeImage::create);
    TQGIappColorSet()->setCreateHandler(FakeColor::create);
    char name[] = "pic.png";
    ASSERT_EQ(0, dev.loadFile(name));
    unsigned short w = 0, h = 0;
    dev.getGeometry(&w, &h);
    EXPECT_EQ(FakeImage::WIDTH, w);
    EXPECT_EQ(FakeImage::HEIGHT, h);
    EXPECT_EQ((Strings{"beginDraw(TQDmwindowDev,0,7,7)", "setRegion(0,0,32,16)",
                       "setLineWidth(1)", "setLineDashType(0)", "setHatchPattern(0)",
                       "setForeColor(\"#000000\")", "setBackColor(\"#000000\")",
                       "drawFillRect(0,0,32,16)", "drawImage(0,0,32,16,\"pic.png\",5)",
                       "endDraw()"}),
              draw.callStrings());

    // An image without a size is released and no image is made for it.
    MemoryMwindowDev other;
    char missing[] = "missing.png";
    EXPECT_EQ(-1, other.loadFile(missing));
    EXPECT_EQ(0, other.createPixmapCalls);
    EXPECT_GE(static_cast<FakeImage*>(TQGIappImageSet()->getImage(missing))->destroyCalls, 1);
}

TEST(OffScreenBmp, OnePixelFileHoldsTheHeaderAndBlueGreenRedZero)
{
    TempDir dir;
    MemoryMwindowDev dev;
    ASSERT_EQ(0, dev.createPixmap(1, 1));
    dev.setPixel(0, 0, 0x112233);
    long result = -1;
    Bytes file = readFile(saveTo(dir, dev, 2, &result));
    ASSERT_EQ(0, result);
    ASSERT_EQ(58u, file.size());
    EXPECT_EQ('B', file[0]);
    EXPECT_EQ('M', file[1]);
    EXPECT_EQ(58u, le32(file, 2));
    EXPECT_EQ(54u, le32(file, 10));
    EXPECT_EQ(40u, le32(file, 14));
    EXPECT_EQ(1u, le32(file, 18));
    EXPECT_EQ(1u, le32(file, 22));
    EXPECT_EQ(0x00200001u, le32(file, 26));  // 1 plane, 32 bits
    EXPECT_EQ(4u, le32(file, 34));
    EXPECT_EQ((Bytes{0x33, 0x22, 0x11, 0}), Bytes(file.begin() + 54, file.end()));
}

TEST(OffScreenBmp, FileRowsRunBottomUpWhileTheArrayRunsTopDown)
{
    TempDir dir;
    MemoryMwindowDev dev;
    ASSERT_EQ(0, dev.createPixmap(2, 2));
    dev.setPixel(0, 0, 0xA0);
    dev.setPixel(1, 0, 0xA1);
    dev.setPixel(0, 1, 0xB0);
    dev.setPixel(1, 1, 0xB1);
    long result = -1;
    Bytes file = readFile(saveTo(dir, dev, 2, &result));
    ASSERT_EQ(0, result);
    ASSERT_EQ(70u, file.size());
    EXPECT_EQ((Bytes{0xB0, 0xB1, 0xA0, 0xA1}),
              (Bytes{file[54], file[58], file[62], file[66]}));

    std::unique_ptr<unsigned char[]> rgb(dev.getBuffer());
    ASSERT_TRUE(rgb);
    EXPECT_EQ((Bytes{0xA0, 0xA1, 0xB0, 0xB1}), (Bytes{rgb[2], rgb[5], rgb[8], rgb[11]}));
}

TEST(OffScreenBmp, OtherTypesAndEmptyDevicesWriteNothing)
{
    TempDir dir;
    MemoryMwindowDev dev;
    long result = 0;
    EXPECT_FALSE(fileExists(saveTo(dir, dev, 2, &result)));
    EXPECT_EQ(-1, result);
    ASSERT_EQ(0, dev.createPixmap(2, 2));
    EXPECT_FALSE(fileExists(saveTo(dir, dev, 3, &result)));
    EXPECT_EQ(-1, result);
    EXPECT_EQ(-1, dev.createPixmap(0, 2));  // recorded, and refused
    EXPECT_FALSE(fileExists(saveTo(dir, dev, 2, &result)));
    EXPECT_EQ(-1, result);
}

TEST(OffScreenBuffer, WritesReachTheImageOnlyThroughPutBufferToPixmap)
{
    MemoryMwindowDev dev;
    unsigned char r = 0, g = 0, b = 0;
    EXPECT_EQ(-1, dev.initBuffer());
    ASSERT_EQ(0, dev.createPixmap(2, 1));
    EXPECT_EQ(-1, dev.setBufferRGB(0, 0, 1, 2, 3));
    ASSERT_EQ(0, dev.initBuffer());
    EXPECT_EQ(-1, dev.getBufferRGB(2, 0, &r, &g, &b));
    EXPECT_EQ(-1, dev.getBufferRGB(0, 1, &r, &g, &b));

    unsigned char rgb[] = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(-1, dev.setBuffer(nullptr));
    EXPECT_EQ(0, dev.setBuffer(rgb));
    EXPECT_EQ(0, dev.pixel(1, 0));
    ASSERT_EQ(0, dev.getBufferRGB(1, 0, &r, &g, &b));
    EXPECT_EQ((Bytes{4, 5, 6}), (Bytes{r, g, b}));
    EXPECT_EQ(0, dev.putBufferToPixmap());
    EXPECT_EQ(0x040506, dev.pixel(1, 0));
}

// The array of a device whose buffer was never taken is all zero, not
// whatever the heap held before.
TEST(OffScreenBuffer, ArrayTakenBeforeInitBufferIsZeroed)
{
    MemoryMwindowDev dev;
    ASSERT_EQ(0, dev.createPixmap(4, 4));
    {
        std::unique_ptr<unsigned char[]> dirty(new unsigned char[48]);
        std::memset(dirty.get(), 0xAB, 48);
    }
    std::unique_ptr<unsigned char[]> rgb(dev.getBuffer());
    ASSERT_TRUE(rgb);
    EXPECT_EQ(Bytes(48, 0), Bytes(rgb.get(), rgb.get() + 48));
}

// 4 x 32769 x 32769 + 54 and 3 x 37838 x 37838 wrap to a few hundred
// kilobytes in 32 bits; such sizes are refused before the image is touched.
TEST(OffScreenSizes, SizesThatWrapIn32BitsAreRefused)
{
    TempDir dir;
    MemoryMwindowDev dev;
    dev.createPixmap(37838, 37838);
    EXPECT_EQ(nullptr, dev.getBuffer());
    unsigned char rgb[3] = {};
    EXPECT_EQ(-1, dev.setBuffer(rgb));
    EXPECT_EQ(0, dev.getBufferRGBCalls);

    dev.createPixmap(32769, 32769);
    long result = 0;
    EXPECT_FALSE(fileExists(saveTo(dir, dev, 2, &result)));
    EXPECT_EQ(-1, result);
    EXPECT_EQ(0, dev.initBufferCalls);
}

TEST(OffScreenDevice, ClipboardIsRefusedWithTheToolkitMessage)
{
    MemoryMwindowDev dev;
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(-1, dev.setClipboardData());
    EXPECT_EQ("This system does not support the clipboard.\n",
              ::testing::internal::GetCapturedStderr());
}

namespace {

// The registry of device kinds makes the off-screen device: none before a
// creator is registered (the registration is for good).
void instanceComesFromTheRegistry()
{
    requireInChild(TQDmwindowDev::getNewInstance() == nullptr, "null without a creator");
    TQGIappDevice()->setCreateHandler("mwindowDev", MemoryMwindowDev::create);
    std::unique_ptr<TQDmwindowDev> dev(TQDmwindowDev::getNewInstance());
    requireInChild(dynamic_cast<MemoryMwindowDev*>(dev.get()) != nullptr,
                   "the registered creator's device");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(OffScreenDevice, NewInstanceComesFromTheRegisteredCreator,
                      instanceComesFromTheRegistry(), "")
