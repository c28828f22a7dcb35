// Stand-ins for the platform's resources and services, with factories to
// install in the sets: colours that realise from their "#" names, a font of
// fixed metrics, images that "load" unless their name says "missing", a
// timer ticked by hand and a mouse without a pointer. Each counts what was
// asked of it.
#ifndef FAKERESOURCES_H
#define FAKERESOURCES_H

#include "_TQDcolor.h"
#include "_TQDfont.h"
#include "_TQDimage.h"
#include "_TQDmouse.h"
#include "_TQDtimer.h"

// Value 1 becomes 0x00bbggrr for "#" names and 0 for any other name.
class FakeColor : public TQDcolor {
public:
    FakeColor();
    ~FakeColor() override;
    long initialize() override;
    long destroy() override;

    static TQDcolor* create();
    static long live;  // FakeColor objects in existence

    long initializeCalls = 0;
    long destroyCalls = 0;
};

// Every character is charWidth wide; every text, and no text, is
// ascent + descent high.
class FakeFont : public TQDfont {
public:
    enum { CHAR_WIDTH = 8, ASCENT = 10, DESCENT = 2, HEIGHT = ASCENT + DESCENT };

    explicit FakeFont(short no = 0, long charWidth = CHAR_WIDTH);
    ~FakeFont() override;
    using TQDfont::getStringHeight;
    using TQDfont::getStringWidth;

    long initialize() override;
    long destroy() override;
    long getStringWidth(TQCstring* text) override;
    long getStringHeight(TQCstring* text) override;
    long getStringWidthUCS2(u16* text) override;
    long getStringHeightUCS2(u16* text) override;
    long getAscent() override;
    long getDescent() override;

    static TQDfont* create();
    static long live;

    long charWidth;
    bool failRealise = false;
    long initializeCalls = 0;
    long destroyCalls = 0;
};

// Loading gives a new handle and a size of WIDTH x HEIGHT, or w x h for a
// file name that ends in "-<w>x<h>"; a file name that contains "missing"
// fails to load. Releasing resets the handle, as the
// platform does.
class FakeImage : public TQDimage {
public:
    enum { WIDTH = 32, HEIGHT = 16 };

    FakeImage();
    ~FakeImage() override;
    long initialize() override;
    long destroy() override;

    static TQDimage* create();
    static long live;

    long loadCalls = 0;
    long destroyCalls = 0;

private:
    static long s_nextHandle;
};

class FakeTimer : public TQDtimer {
public:
    // One platform tick.
    void tick();
    void tick(long count);

    static TQDtimer* create();
};

class FakeMouse : public TQDmouse {
public:
    unsigned long getMouseStatus() override { return getStatus(); }

    static TQDmouse* create();
};

#endif
