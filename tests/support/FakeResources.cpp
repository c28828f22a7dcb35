// Fake platform resources and services for tests.
#include "FakeResources.h"

#include "_TQCstring.h"
#include "_TQGFstring.h"

#include <cstdio>
#include <cstring>

long FakeColor::live = 0;

FakeColor::FakeColor()
{
    ++live;
}

FakeColor::~FakeColor()
{
    --live;
}

long FakeColor::initialize()
{
    ++initializeCalls;
    long r = 0;
    long g = 0;
    long b = 0;
    setValue1(getRGB(&r, &g, &b) == 0 ? (b << 16) | (g << 8) | r : 0);
    return 0;
}

long FakeColor::destroy()
{
    ++destroyCalls;
    return 0;
}

TQDcolor* FakeColor::create()
{
    return new FakeColor();
}

long FakeFont::live = 0;

FakeFont::FakeFont(short no, long width) : charWidth(width)
{
    setId(no);
    ++live;
}

FakeFont::~FakeFont()
{
    --live;
}

long FakeFont::initialize()
{
    ++initializeCalls;
    if (failRealise)
        return -1;
    setValue1(1);
    return 0;
}

long FakeFont::destroy()
{
    ++destroyCalls;
    return 0;
}

long FakeFont::getStringWidth(TQCstring* text)
{
    return text != nullptr ? getStringWidthUCS2(text->getInternalUcs2()) : 0;
}

long FakeFont::getStringHeight(TQCstring*)
{
    return HEIGHT;
}

long FakeFont::getStringWidthUCS2(u16* text)
{
    return text != nullptr ? TQGFstrlenUCS2(text) * charWidth : 0;
}

long FakeFont::getStringHeightUCS2(u16*)
{
    return HEIGHT;
}

long FakeFont::getAscent()
{
    return ASCENT;
}

long FakeFont::getDescent()
{
    return DESCENT;
}

TQDfont* FakeFont::create()
{
    return new FakeFont();
}

long FakeImage::live = 0;
long FakeImage::s_nextHandle = 100;

FakeImage::FakeImage()
{
    ++live;
}

FakeImage::~FakeImage()
{
    --live;
}

long FakeImage::initialize()
{
    ++loadCalls;
    if (std::strstr(getSrc(), "missing") != nullptr)
        return -1;
    setValue1(s_nextHandle++);
    setValue2(0);
    setValue3(0);
    unsigned width = WIDTH, height = HEIGHT;
    const char* size = std::strrchr(getSrc(), '-');
    if (size == nullptr || std::sscanf(size, "-%ux%u", &width, &height) != 2) {
        width = WIDTH;
        height = HEIGHT;
    }
    setImageWidth(static_cast<u16>(width));
    setImageHeight(static_cast<u16>(height));
    return 0;
}

long FakeImage::destroy()
{
    ++destroyCalls;
    setValue1(-1);
    setValue2(-1);
    return 0;
}

TQDimage* FakeImage::create()
{
    return new FakeImage();
}

void FakeTimer::tick()
{
    addTick();
    execProcs();
}

void FakeTimer::tick(long count)
{
    for (long i = 0; i < count; ++i)
        tick();
}

TQDtimer* FakeTimer::create()
{
    return new FakeTimer();
}

TQDmouse* FakeMouse::create()
{
    return new FakeMouse();
}
