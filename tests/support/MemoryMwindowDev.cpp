// In-memory off-screen device for tests.
#include "MemoryMwindowDev.h"

TQDdev* MemoryMwindowDev::create()
{
    return new MemoryMwindowDev();
}

const unsigned char* MemoryMwindowDev::Pixels::at(long x, long y) const
{
    if (!present || x < 0 || y < 0 || x >= w || y >= h)
        return nullptr;
    return &rgb[(static_cast<std::size_t>(y) * w + static_cast<std::size_t>(x)) * 3];
}

MemoryMwindowDev* MemoryMwindowDev::asMemory(TQDdev* dev)
{
    return dynamic_cast<MemoryMwindowDev*>(dev);
}

// A new image starts black; a refused size keeps the earlier image.
long MemoryMwindowDev::createPixmap(unsigned short w, unsigned short h)
{
    ++createPixmapCalls;
    setGeometry(w, h);
    if (w == 0 || h == 0 || static_cast<unsigned long>(w) * h > MAX_PIXELS)
        return -1;
    image.clear();
    image.present = true;
    image.w = w;
    image.h = h;
    image.rgb.assign(static_cast<std::size_t>(w) * h * 3, 0);
    return 0;
}

long MemoryMwindowDev::destroyPixmap()
{
    image.clear();
    return 0;
}

void MemoryMwindowDev::copyRect(const Pixels& from, long x, long y, long w, long h, Pixels& to,
                                long dx, long dy, const Pixels* mask)
{
    for (long j = 0; j < h; ++j) {
        for (long i = 0; i < w; ++i) {
            const unsigned char* source = from.at(x + i, y + j);
            unsigned char* target = to.at(dx + i, dy + j);
            if (source == nullptr || target == nullptr)
                continue;
            if (mask != nullptr) {
                const unsigned char* m = mask->at(x + i, y + j);
                if (m == nullptr || (m[0] | m[1] | m[2]) == 0)
                    continue;
            }
            target[0] = source[0];
            target[1] = source[1];
            target[2] = source[2];
        }
    }
}

long MemoryMwindowDev::copyToWindow(TQDdev* dst, short x, short y, unsigned short w,
                                    unsigned short h, short dx, short dy)
{
    if (!image.present)
        return -1;
    MemoryMwindowDev* target = asMemory(dst);
    if (target != nullptr)
        copyRect(image, x, y, w, h, target->image, dx, dy, nullptr);
    return 0;
}

long MemoryMwindowDev::copyFromWindow(TQDdev* src, short x, short y, unsigned short w,
                                      unsigned short h, short dx, short dy)
{
    if (!image.present)
        return -1;
    MemoryMwindowDev* source = asMemory(src);
    if (source != nullptr)
        copyRect(source->image, x, y, w, h, image, dx, dy, nullptr);
    return 0;
}

long MemoryMwindowDev::copyToWindowWithMask(TQDdev* dst, short x, short y, unsigned short w,
                                            unsigned short h, short dx, short dy, TQDimage*)
{
    return copyToWindow(dst, x, y, w, h, dx, dy);
}

long MemoryMwindowDev::copyToWindowWithMask(TQDdev* dst, short x, short y, unsigned short w,
                                            unsigned short h, short dx, short dy,
                                            TQDmwindowDev* mask)
{
    MemoryMwindowDev* maskDev = asMemory(mask);
    if (!image.present || maskDev == nullptr)
        return -1;
    MemoryMwindowDev* target = asMemory(dst);
    if (target != nullptr)
        copyRect(image, x, y, w, h, target->image, dx, dy, &maskDev->image);
    return 0;
}

long MemoryMwindowDev::initBuffer()
{
    ++initBufferCalls;
    if (!image.present)
        return -1;
    buffer = image;
    return 0;
}

// The buffer keeps the size of its snapshot: a later, larger image does not
// make it larger.
long MemoryMwindowDev::setBufferRGB(unsigned short x, unsigned short y, unsigned char r,
                                    unsigned char g, unsigned char b)
{
    unsigned short w = 0, h = 0;
    getGeometry(&w, &h);
    unsigned char* p = buffer.at(x, y);
    if (p == nullptr || x >= w || y >= h)
        return -1;
    p[0] = r;
    p[1] = g;
    p[2] = b;
    return 0;
}

long MemoryMwindowDev::getBufferRGB(unsigned short x, unsigned short y, unsigned char* r,
                                    unsigned char* g, unsigned char* b)
{
    ++getBufferRGBCalls;
    unsigned short w = 0, h = 0;
    getGeometry(&w, &h);
    unsigned char* p = buffer.at(x, y);
    if (p == nullptr || x >= w || y >= h)
        return -1;
    *r = p[0];
    *g = p[1];
    *b = p[2];
    return 0;
}

long MemoryMwindowDev::putBufferToPixmap()
{
    if (!buffer.present)
        return -1;
    if (!image.present)
        return 0;
    copyRect(buffer, 0, 0, buffer.w, buffer.h, image, 0, 0, nullptr);
    return 0;
}

long MemoryMwindowDev::pixel(unsigned short x, unsigned short y) const
{
    const unsigned char* p = image.at(x, y);
    if (p == nullptr)
        return -1;
    return (static_cast<long>(p[0]) << 16) | (p[1] << 8) | p[2];
}

long MemoryMwindowDev::setPixel(unsigned short x, unsigned short y, unsigned long rgb)
{
    unsigned char* p = image.at(x, y);
    if (p == nullptr)
        return -1;
    p[0] = static_cast<unsigned char>(rgb >> 16);
    p[1] = static_cast<unsigned char>(rgb >> 8);
    p[2] = static_cast<unsigned char>(rgb);
    return 0;
}
