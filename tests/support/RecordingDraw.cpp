// A drawing object that records its calls for tests.
#include "RecordingDraw.h"

#include "_TQCstring.h"
#include "_TQDcolor.h"
#include "_TQDdev.h"
#include "_TQDimage.h"

#include <cstdio>

namespace {

std::string escapedInQuotes(const std::string& text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

void appendUtf8(std::string& out, unsigned unit)
{
    if (unit < 0x80) {
        out += static_cast<char>(unit);
    } else if (unit < 0x800) {
        out += static_cast<char>(0xC0 | (unit >> 6));
        out += static_cast<char>(0x80 | (unit & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (unit >> 12));
        out += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (unit & 0x3F));
    }
}

} // namespace

// Builds one DrawCall argument by argument, writing its text form as it goes.
class RecordingDraw::Call {
public:
    explicit Call(const char* name)
    {
        call.name = name;
        call.object = nullptr;
    }

    Call& number(long long value)
    {
        call.args.push_back(value);
        return write(std::to_string(value));
    }

    Call& numbers(long long a, long long b, long long c, long long d)
    {
        return number(a).number(b).number(c).number(d);
    }

    Call& string(TQCstring* text)
    {
        if (text == nullptr)
            return write("null");
        call.text = text->getString(text->getEncoding());  // its own bytes, unconverted
        return write(escapedInQuotes(call.text));
    }

    Call& ucs2(const unsigned short* text)
    {
        if (text == nullptr)
            return write("null");
        for (const unsigned short* unit = text; *unit != 0; ++unit)
            appendUtf8(call.text, *unit);
        return write(escapedInQuotes(call.text));
    }

    Call& color(TQDcolor* color)
    {
        call.object = color;
        if (color == nullptr)
            return write("null");
        call.text = color->getColorName();
        return write(escapedInQuotes(call.text));
    }

    Call& image(TQDimage* image)
    {
        call.object = image;
        if (image == nullptr)
            return write("null");
        call.text = image->getSrc();
        return write(escapedInQuotes(call.text));
    }

    Call& device(TQDdev* dev)
    {
        call.object = dev;
        return write(dev != nullptr ? dev->getClassName() : "null");
    }

    Call& points(const TQCpoint* points, long count)
    {
        call.args.push_back(count);
        if (points == nullptr)
            return write("null");
        for (long i = 0; i < count; ++i)
            item({points[i].x, points[i].y});
        return *this;
    }

    Call& rects(const TQCrect* rects, long count)
    {
        call.args.push_back(count);
        if (rects == nullptr)
            return write("null");
        for (long i = 0; i < count; ++i)
            item({rects[i].x, rects[i].y, static_cast<long long>(rects[i].width),
                  static_cast<long long>(rects[i].height)});
        return *this;
    }

    DrawCall& finish()
    {
        if (call.written.empty())
            call.written = call.name + "(";
        call.written += ')';
        return call;
    }

private:
    Call& write(const std::string& argument)
    {
        call.written += call.written.empty() ? call.name + "(" : ",";
        call.written += argument;
        return *this;
    }

    void item(const std::vector<long long>& values)
    {
        std::string written = "(";
        for (size_t i = 0; i < values.size(); ++i)
            written += (i == 0 ? "" : ",") + std::to_string(values[i]);
        call.items.push_back(values);
        write(written + ")");
    }

    DrawCall call;
};

RecordingDraw::RecordingDraw() = default;

void RecordingDraw::add(Call& call)
{
    recorded.push_back(call.finish());
}

std::vector<std::string> RecordingDraw::callStrings() const
{
    std::vector<std::string> out;
    for (const DrawCall& call : recorded)
        out.push_back(call.toString());
    return out;
}

std::vector<std::string> RecordingDraw::callStrings(const char* name) const
{
    std::vector<std::string> out;
    for (const DrawCall& call : recorded)
        if (call.name == name)
            out.push_back(call.toString());
    return out;
}

long RecordingDraw::count(const char* name) const
{
    long n = 0;
    for (const DrawCall& call : recorded)
        if (call.name == name)
            ++n;
    return n;
}

long RecordingDraw::setForeColor(short color)
{
    Call call("setForeColor");
    add(call.number(color));
    return drawnResult();
}

long RecordingDraw::setBackColor(short color)
{
    Call call("setBackColor");
    add(call.number(color));
    return drawnResult();
}

long RecordingDraw::setForeColor(TQDcolor* color)
{
    Call call("setForeColor");
    add(call.color(color));
    return drawnResult();
}

long RecordingDraw::setBackColor(TQDcolor* color)
{
    Call call("setBackColor");
    add(call.color(color));
    return drawnResult();
}

long RecordingDraw::setLineWidth(short width)
{
    Call call("setLineWidth");
    add(call.number(width));
    if (isBound())
        pass.lineWidth = width;
    return drawnResult();
}

long RecordingDraw::setHatchPattern(char pattern)
{
    Call call("setHatchPattern");
    add(call.number(pattern));
    if (isBound())
        pass.hatchPattern = pattern;
    return drawnResult();
}

long RecordingDraw::setLineDashType(char dashType)
{
    Call call("setLineDashType");
    add(call.number(dashType));
    if (isBound())
        pass.lineDashType = dashType;
    return drawnResult();
}

long RecordingDraw::setRegion(short x, short y, unsigned short w, unsigned short h)
{
    Call call("setRegion");
    add(call.numbers(x, y, w, h));
    return drawnResult();
}

long RecordingDraw::beginDraw(TQDdev* dev, long deviceResource, long windowResource,
                              long contextResource)
{
    Call call("beginDraw");
    add(call.device(dev).number(deviceResource).number(windowResource).number(contextResource));
    return bindPass(dev, contextResource);
}

long RecordingDraw::endDraw()
{
    Call call("endDraw");
    add(call);
    return unbindPass();
}

long RecordingDraw::drawArc(short x, short y, unsigned short w, unsigned short h,
                            short angle1, short angle2)
{
    Call call("drawArc");
    add(call.numbers(x, y, w, h).number(angle1).number(angle2));
    return drawnResult();
}

long RecordingDraw::drawFillArc(short x, short y, unsigned short w, unsigned short h,
                                short angle1, short angle2, char fillMode)
{
    Call call("drawFillArc");
    add(call.numbers(x, y, w, h).number(angle1).number(angle2).number(fillMode));
    return drawnResult();
}

long RecordingDraw::drawLine(short x1, short y1, short x2, short y2)
{
    Call call("drawLine");
    add(call.numbers(x1, y1, x2, y2));
    return drawnResult();
}

long RecordingDraw::drawLines(TQCpoint* points, long count)
{
    Call call("drawLines");
    add(call.points(points, count));
    return drawnResult();
}

long RecordingDraw::drawRect(short x, short y, unsigned short w, unsigned short h)
{
    Call call("drawRect");
    add(call.numbers(x, y, w, h));
    return drawnResult();
}

long RecordingDraw::drawGradation(long kind, short value1, short value2, short value3,
                                  short x, short y, unsigned short w, unsigned short h,
                                  unsigned char direction)
{
    Call call("drawGradation");
    add(call.numbers(kind, value1, value2, value3).numbers(x, y, w, h).number(direction));
    return drawnResult();
}

long RecordingDraw::drawFillRect(short x, short y, unsigned short w, unsigned short h)
{
    Call call("drawFillRect");
    add(call.numbers(x, y, w, h));
    return drawnResult();
}

long RecordingDraw::drawRects(TQCrect* rects, long count)
{
    Call call("drawRects");
    add(call.rects(rects, count));
    return drawnResult();
}

long RecordingDraw::drawFillRects(TQCrect* rects, long count)
{
    Call call("drawFillRects");
    add(call.rects(rects, count));
    return drawnResult();
}

long RecordingDraw::drawPoly(TQCpoint* points, long count)
{
    Call call("drawPoly");
    add(call.points(points, count));
    return drawnResult();
}

long RecordingDraw::drawFillPoly(TQCpoint* points, long count)
{
    Call call("drawFillPoly");
    add(call.points(points, count));
    return drawnResult();
}

long RecordingDraw::drawImage(short x, short y, unsigned short w, unsigned short h,
                              TQDimage* image, char mode)
{
    Call call("drawImage");
    add(call.numbers(x, y, w, h).image(image).number(mode));
    return drawnResult();
}

long RecordingDraw::drawImage(short dx, short dy, short sx, short sy, unsigned short w,
                              unsigned short h, TQDimage* image)
{
    Call call("drawImage");
    add(call.numbers(dx, dy, sx, sy).number(w).number(h).image(image));
    return drawnResult();
}

long RecordingDraw::drawStretchedImage(short x, short y, unsigned short w,
                                       unsigned short h, TQDimage* image)
{
    Call call("drawStretchedImage");
    add(call.numbers(x, y, w, h).image(image));
    return drawnResult();
}

long RecordingDraw::drawString(long x, long y, unsigned long w, unsigned long h,
                               TQCstring* text, char fontNo, char alignment, long charPos,
                               unsigned char charMode, long selStart, long selEnd)
{
    Call call("drawString");
    add(call.numbers(x, y, w, h).string(text).number(fontNo).number(alignment)
            .number(charPos).number(charMode).number(selStart).number(selEnd));
    return drawnResult();
}

long RecordingDraw::drawUString(long x, long y, unsigned long w, unsigned long h,
                                unsigned short* text, char fontNo, char alignment,
                                long charPos, unsigned char charMode, long selStart,
                                long selEnd)
{
    Call call("drawUString");
    add(call.numbers(x, y, w, h).ucs2(text).number(fontNo).number(alignment)
            .number(charPos).number(charMode).number(selStart).number(selEnd));
    return drawnResult();
}

long RecordingDraw::drawFillString(long x, long y, unsigned long w, unsigned long h,
                                   TQCstring* text, char fontNo, char alignment,
                                   long charPos, unsigned char charMode)
{
    Call call("drawFillString");
    add(call.numbers(x, y, w, h).string(text).number(fontNo).number(alignment)
            .number(charPos).number(charMode));
    return drawnResult();
}

long RecordingDraw::drawFillUString(long x, long y, unsigned long w, unsigned long h,
                                    unsigned short* text, char fontNo, char alignment,
                                    long charPos, unsigned char charMode)
{
    Call call("drawFillUString");
    add(call.numbers(x, y, w, h).ucs2(text).number(fontNo).number(alignment)
            .number(charPos).number(charMode));
    return drawnResult();
}

long RecordingDraw::setValue(long key, long value)
{
    Call call("setValue");
    add(call.number(key).number(value));
    return TQDdraw::setValue(key, value);
}

long RecordingDraw::setOperation(unsigned char operation)
{
    Call call("setOperation");
    add(call.number(operation));
    return applyOperation(operation);
}

void RecordingDraw::setUnderLineChar(long value1, long value2)
{
    Call call("setUnderLineChar");
    add(call.number(value1).number(value2));
    pass.underLine1 = value1;
    pass.underLine2 = value2;
}

long RecordingDraw::beginExclusiveOr()
{
    if (failExclusiveOr)
        return -1;
    ++exclusiveOrBegun;
    return 0;
}

long RecordingDraw::endExclusiveOr()
{
    ++exclusiveOrEnded;
    return 0;
}
