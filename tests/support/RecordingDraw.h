// A drawing object that draws nothing and records every call it receives,
// in order, with its arguments, so tests can compare exact call sequences
// such as "drawFillRect(0,0,2,10)". It keeps the pass protocol of a real
// implementation: setters and primitives answer -1 outside a pass.
#ifndef RECORDINGDRAW_H
#define RECORDINGDRAW_H

#include "_TQDdev.h"
#include "_TQDdraw.h"

#include <string>
#include <vector>

// One recorded call. toString() gives the call as written in code:
// numbers in argument order; texts, colour names and image sources quoted;
// a device by its class name; points as (x,y) and rectangles as (x,y,w,h);
// null for a null pointer. Example: drawString(4,5,60,12,"ab",0,1,-1,0,0,0).
struct DrawCall {
    std::string name;
    std::vector<long long> args;  // the number arguments; arrays give their count
    std::vector<std::vector<long long>> items;  // the points or rectangles of an array
    std::string text;     // a TQCstring's own bytes, UCS-2 text as UTF-8, a colour
                          // name or an image source
    const void* object;   // the device, colour or image passed, else null
    std::string written;  // what toString() returns

    const std::string& toString() const { return written; }
};

class RecordingDraw : public TQDdraw {
public:
    RecordingDraw();

    const std::vector<DrawCall>& calls() const { return recorded; }
    // Every call as toString() writes it; or only the calls of one name.
    std::vector<std::string> callStrings() const;
    std::vector<std::string> callStrings(const char* name) const;
    long count(const char* name) const;
    void clear() { recorded.clear(); }

    long setForeColor(short color) override;
    long setBackColor(short color) override;
    long setForeColor(TQDcolor* color) override;
    long setBackColor(TQDcolor* color) override;
    long setLineWidth(short width) override;
    long setHatchPattern(char pattern) override;
    long setLineDashType(char dashType) override;
    long setRegion(short x, short y, unsigned short w, unsigned short h) override;
    long beginDraw(TQDdev* dev, long deviceResource, long windowResource,
                   long contextResource) override;
    long endDraw() override;
    long drawArc(short x, short y, unsigned short w, unsigned short h, short angle1,
                 short angle2) override;
    long drawFillArc(short x, short y, unsigned short w, unsigned short h, short angle1,
                     short angle2, char fillMode) override;
    long drawLine(short x1, short y1, short x2, short y2) override;
    long drawLines(TQCpoint* points, long count) override;
    long drawRect(short x, short y, unsigned short w, unsigned short h) override;
    long drawGradation(long kind, short value1, short value2, short value3, short x,
                       short y, unsigned short w, unsigned short h,
                       unsigned char direction) override;
    long drawFillRect(short x, short y, unsigned short w, unsigned short h) override;
    long drawRects(TQCrect* rects, long count) override;
    long drawFillRects(TQCrect* rects, long count) override;
    long drawPoly(TQCpoint* points, long count) override;
    long drawFillPoly(TQCpoint* points, long count) override;
    long drawImage(short x, short y, unsigned short w, unsigned short h, TQDimage* image,
                   char mode) override;
    long drawImage(short dx, short dy, short sx, short sy, unsigned short w,
                   unsigned short h, TQDimage* image) override;
    long drawStretchedImage(short x, short y, unsigned short w, unsigned short h,
                            TQDimage* image) override;
    long drawString(long x, long y, unsigned long w, unsigned long h, TQCstring* text,
                    char fontNo, char alignment, long charPos, unsigned char charMode,
                    long selStart, long selEnd) override;
    long drawUString(long x, long y, unsigned long w, unsigned long h,
                     unsigned short* text, char fontNo, char alignment, long charPos,
                     unsigned char charMode, long selStart, long selEnd) override;
    long drawFillString(long x, long y, unsigned long w, unsigned long h,
                        TQCstring* text, char fontNo, char alignment, long charPos,
                        unsigned char charMode) override;
    long drawFillUString(long x, long y, unsigned long w, unsigned long h,
                         unsigned short* text, char fontNo, char alignment,
                         long charPos, unsigned char charMode) override;
    long setValue(long key, long value) override;
    long setOperation(unsigned char operation) override;
    void setUnderLineChar(long value1, long value2) override;

    // The scratch image of exclusive-or drawing is not a call; it is only
    // counted. failExclusiveOr makes opening it fail.
    long exclusiveOrBegun = 0;
    long exclusiveOrEnded = 0;
    bool failExclusiveOr = false;

protected:
    long beginExclusiveOr() override;
    long endExclusiveOr() override;

private:
    class Call;
    void add(Call& call);
    long drawnResult() const { return isBound() ? 0 : -1; }

    std::vector<DrawCall> recorded;
};

// Makes a drawing object the current one for as long as it lives, then
// puts the previous one back.
class CurrentDraw {
public:
    explicit CurrentDraw(TQDdraw* draw) : previous(TQDdev::getDraw()) { TQDdev::setDraw(draw); }
    ~CurrentDraw() { TQDdev::setDraw(previous); }
    CurrentDraw(const CurrentDraw&) = delete;
    CurrentDraw& operator=(const CurrentDraw&) = delete;

private:
    TQDdraw* previous;
};

#endif
