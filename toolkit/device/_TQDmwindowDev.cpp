// Off-screen device: drawing set-up, the RGB array copies, loading from an
// image file and the BMP writer.
#include "_TQDmwindowDev.h"

#include "_TQCcolorSet.h"
#include "_TQCdevice.h"
#include "_TQCimageSet.h"
#include "_TQDdraw.h"
#include "_TQDimage.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <new>

namespace {

const unsigned long kBmpHeaderSize = 54;
const unsigned long kBmpInfoSize = 40;
const unsigned short kBmpBitsPerPixel = 32;
const unsigned long kBmpBytesPerPixel = 4;
const unsigned long kRgbBytesPerPixel = 3;
const char* const kBackgroundColor = "#000000";

// Bytes of a w x h image at perPixel bytes plus a header. False when the
// count does not fit in 32 bits: the BMP size fields are 32 bits wide, and
// so are sizes on this target, where the product would wrap to a small
// number.
bool imageBytes(unsigned short w, unsigned short h, unsigned long perPixel,
                unsigned long header, std::size_t* bytes)
{
    std::uint64_t total = static_cast<std::uint64_t>(w) * h * perPixel + header;
    if (total > UINT32_MAX || total > SIZE_MAX)
        return false;
    *bytes = static_cast<std::size_t>(total);
    return true;
}

void put16(unsigned char* at, unsigned short value)
{
    at[0] = static_cast<unsigned char>(value);
    at[1] = static_cast<unsigned char>(value >> 8);
}

void put32(unsigned char* at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<unsigned char>(value >> (8 * i));
}

} // namespace

TQDmwindowDev::TQDmwindowDev() : width(0), height(0)
{
}

// The platform's destructor releases the image and the buffer.
TQDmwindowDev::~TQDmwindowDev()
{
}

TQDmwindowDev* TQDmwindowDev::getNewInstance()
{
    TQDdev* dev = TQGIappDevice()->getDevObject("mwindowDev", nullptr);
    if (dev == nullptr)
        return nullptr;
    TQDmwindowDev* offScreen = static_cast<TQDmwindowDev*>(dev->cast(getThisClassName()));
    // A creator that makes some other kind of device is no use here.
    if (offScreen == nullptr)
        delete dev;
    return offScreen;
}

// ---- drawing ----

// Unlike other devices, the origin stays where it is: the image itself is
// the whole device.
long TQDmwindowDev::beginDraw(short x, short y, unsigned short w, unsigned short h,
                              unsigned char, unsigned char map)
{
    if (map)
        mapArea(&x, &y, &w, &h);
    TQDdraw* draw = getDraw();
    if (draw == nullptr || !getReady())
        return -1;
    draw->beginDraw(this, getDeviceResource(), getWindowResource(), getContextResource());
    draw->setRegion(x, y, w, h);
    draw->setLineWidth(1);
    draw->setLineDashType(0);
    draw->setHatchPattern(0);
    return 0;
}

long TQDmwindowDev::endDraw()
{
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    draw->endDraw();
    return 0;
}

// All three are asked, in this order, whatever the first ones answer.
long TQDmwindowDev::getReady()
{
    long device = getDeviceResource();
    long window = getWindowResource();
    long context = getContextResource();
    return (device != -1 && window != -1 && context != -1) ? 1 : 0;
}

// ---- files ----

long TQDmwindowDev::loadFile(char* name)
{
    TQDimage* image = TQGIappImageSet()->getImage(name);
    if (image == nullptr)
        return -1;
    unsigned short w = image->getImageWidth();
    unsigned short h = image->getImageHeight();
    if (w == 0 || h == 0) {
        image->destroyImage();
        return -1;
    }
    if (createPixmap(w, h) != 0)
        return -1;
    return drawImageFile(image, w, h);
}

// The black fill shows where the image is transparent. An image that could
// not be drawn is a failure: the device would hold a blank picture.
long TQDmwindowDev::drawImageFile(TQDimage* image, unsigned short w, unsigned short h)
{
    if (beginDraw(0, 0, w, h, 1, 1) != 0)
        return -1;
    TQDcolor* black = TQGIappColorSet()->getColor(kBackgroundColor);
    setForeColor(black);
    setBackColor(black);
    drawFillRect(0, 0, w, h);
    drawImage(0, 0, w, h, image, 5);
    endDraw();
    return 0;
}

// The whole file is built in memory before the file is opened, so a
// failure before the write leaves no file behind.
long TQDmwindowDev::saveFile(char* name, long type)
{
    if (name == nullptr || width == 0 || height == 0 || type != FILE_TYPE_BMP)
        return -1;
    std::size_t fileSize = 0;
    if (!imageBytes(width, height, kBmpBytesPerPixel, kBmpHeaderSize, &fileSize))
        return -1;
    std::unique_ptr<unsigned char[]> file(new (std::nothrow) unsigned char[fileSize]());
    if (!file)
        return -1;
    fillBmpHeader(file.get(), static_cast<unsigned long>(fileSize));
    if (initBuffer() != 0)
        return -1;
    fillBmpPixels(file.get() + kBmpHeaderSize);

    std::FILE* out = std::fopen(name, "wb");
    if (out == nullptr)
        return -1;
    std::size_t written = std::fwrite(file.get(), 1, fileSize, out);
    int closed = std::fclose(out);
    return (written == fileSize && closed == 0) ? 0 : -1;
}

// The block is zeroed already; only the fields that are not 0 are set.
void TQDmwindowDev::fillBmpHeader(unsigned char* file, unsigned long fileSize) const
{
    file[0] = 'B';
    file[1] = 'M';
    put32(file + 2, fileSize);
    put32(file + 10, kBmpHeaderSize);
    put32(file + 14, kBmpInfoSize);
    put32(file + 18, width);
    // A positive height: rows are stored from the bottom up.
    put32(file + 22, height);
    put16(file + 26, 1);
    put16(file + 28, kBmpBitsPerPixel);
    put32(file + 34, fileSize - kBmpHeaderSize);
}

void TQDmwindowDev::fillBmpPixels(unsigned char* pixels)
{
    unsigned char* at = pixels;
    for (unsigned long y = height; y-- > 0;) {
        for (unsigned long x = 0; x < width; ++x) {
            unsigned char r = 0, g = 0, b = 0;
            getBufferRGB(static_cast<unsigned short>(x), static_cast<unsigned short>(y), &r,
                         &g, &b);
            at[0] = b;
            at[1] = g;
            at[2] = r;
            at[3] = 0;
            at += kBmpBytesPerPixel;
        }
    }
}

long TQDmwindowDev::setClipboardData()
{
    std::fprintf(stderr, "This system does not support the clipboard.\n");
    return -1;
}

// ---- RGB arrays ----

// Zero-filled, so a caller that forgot initBuffer gets black, never stale
// heap bytes.
unsigned char* TQDmwindowDev::getBuffer()
{
    std::size_t bytes = 0;
    if (!imageBytes(width, height, kRgbBytesPerPixel, 0, &bytes))
        return nullptr;
    unsigned char* rgb = new (std::nothrow) unsigned char[bytes]();
    if (rgb == nullptr)
        return nullptr;
    unsigned char* at = rgb;
    for (unsigned long y = 0; y < height; ++y) {
        for (unsigned long x = 0; x < width; ++x) {
            getBufferRGB(static_cast<unsigned short>(x), static_cast<unsigned short>(y), &at[0],
                         &at[1], &at[2]);
            at += kRgbBytesPerPixel;
        }
    }
    return rgb;
}

// No array of a size that wraps can exist, so such a size is refused too.
long TQDmwindowDev::setBuffer(unsigned char* rgb)
{
    std::size_t bytes = 0;
    if (rgb == nullptr || !imageBytes(width, height, kRgbBytesPerPixel, 0, &bytes))
        return -1;
    const unsigned char* at = rgb;
    for (unsigned long y = 0; y < height; ++y) {
        for (unsigned long x = 0; x < width; ++x) {
            setBufferRGB(static_cast<unsigned short>(x), static_cast<unsigned short>(y), at[0],
                         at[1], at[2]);
            at += kRgbBytesPerPixel;
        }
    }
    return 0;
}
