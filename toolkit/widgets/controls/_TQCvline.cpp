// Line: its five properties, the points grammar and the polyline drawing.
#include "_TQCvline.h"

#include "_TQCtypeServerFrame.h"
#include "_TQCvpolyAttr.h"
#include "_TQDdev.h"

TQ_TYPE_SERVER_FRAME(TQCvline, TQCnwbase);

namespace {

const char kClassName[] = "TQCvline";
const char kDefaultX[] = "0,10,20,30,40,50,60,70,80,90,100";
const char kDefaultY[] = "0,80,20,60,10,70,40,90,50,30,100";

// Digits read of one number; the rest of a longer run is skipped.
const int kMaxDigits = 17;
const long long kLargest = 32767;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

TQCvline::TQCvline(TQCbase* parent, const char* name) : TQCnwbase(parent, name), m_lineType(0)
{
    m_points.rebuild(m_lineNum, kDefaultX, kDefaultY);
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, lineWidth, 2);
        TQ_WATCH_BITS(r, lineType, 0, lineType);
        TQ_WATCH(r, lineX, kDefaultX);
        TQ_WATCH(r, lineY, kDefaultY);
        TQ_WATCH(r, lineNum, 11);
        TQCvpolyAttr::dropMouseTriggers(r.info());
    });
}

TQ_POINT_LIST_DEFINITIONS(TQCvline)

long TQCvline::_str_to_addr(const char* text, short* array, short n)
{
    if (array == nullptr)
        return -1;
    short stored = 0;
    for (const char* p = text != nullptr ? text : ""; *p != '\0' && stored < n;) {
        if (!isDigit(*p)) {
            ++p;
            continue;
        }
        long long value = 0;
        for (int digits = 0; isDigit(*p); ++p, ++digits)
            if (digits < kMaxDigits)
                value = value * 10 + (*p - '0');
        array[stored++] = static_cast<short>(value > kLargest ? kLargest : value);
    }
    for (short i = stored; i < n; ++i)
        array[i] = 0;
    return 0;
}

long TQCvline::draw()
{
    long drawing = openBlinkingDrawing(kClassName, __LINE__);
    if (drawing != 1)
        return drawing;
    TQDdev* dev = getowndev();
    if (m_lineWidth != 0) {
        dev->setForeColor(getBlinkPhase() && m_twinBlink ? m_blinkColor : m_foreColor);
        TQCvpolyAttr::setPen(dev, m_lineWidth, m_lineType);
        std::vector<TQCpoint> points = m_points.points(m_lineNum);
        if (!points.empty())
            dev->drawLines(points.data(), static_cast<long>(points.size()));
    }
    dev->endDraw();
    return 0;
}
