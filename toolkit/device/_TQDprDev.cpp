// Printer device: the page settings and the hand-over to the drawing object.
#include "_TQDprDev.h"

#include "_TQDdraw.h"

#include <cstdint>

namespace {

long longAt(void* value)
{
    return *static_cast<long*>(value);
}

unsigned char byteAt(void* value)
{
    return *static_cast<unsigned char*>(value);
}

} // namespace

TQDprDev::TQDprDev()
    : m_file(nullptr), m_pageX(0), m_pageY(0), m_pageWidth(512), m_pageHeight(724), m_paper(0),
      m_printMode(MODE_POSTSCRIPT), m_upright(1)
{
}

TQDprDev::~TQDprDev() = default;

long TQDprDev::setValue(long key, void* value)
{
    if (value == nullptr)
        return 0;
    switch (key) {
    case TQDdraw::VALUE_PAGE_WIDTH:
        m_pageWidth = static_cast<unsigned short>(longAt(value));
        break;
    case TQDdraw::VALUE_PAGE_HEIGHT:
        m_pageHeight = static_cast<unsigned short>(longAt(value));
        break;
    case TQDdraw::VALUE_PAGE_X:
        m_pageX = static_cast<short>(longAt(value));
        break;
    case TQDdraw::VALUE_PAGE_Y:
        m_pageY = static_cast<short>(longAt(value));
        break;
    case TQDdraw::VALUE_PRINT_MODE:
        m_printMode = byteAt(value) & 3;
        break;
    case TQDdraw::VALUE_PAPER:
        m_paper = byteAt(value) & 15;
        break;
    case TQDdraw::VALUE_UPRIGHT:
        m_upright = byteAt(value) & 1;
        break;
    default:
        break;
    }
    return 0;
}

long TQDprDev::getExposedArea(short* x, short* y, unsigned short* w, unsigned short* h,
                              unsigned char scaled)
{
    getGeom(x, y, w, h);
    if (scaled && getScaled()) {
        double s = getScale();
        *w = static_cast<unsigned short>(truncToInt64(*w * s));
        *h = static_cast<unsigned short>(truncToInt64(*h * s));
    }
    return 0;
}

long TQDprDev::beginDraw(short x, short y, unsigned short w, unsigned short h,
                         unsigned char flag, unsigned char map)
{
    if (map)
        mapArea(&x, &y, &w, &h);
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    setWholeArea(flag);
    setOrigin(x, y);
    setWH(w, h);
    // The page set-up is the PostScript object's alone: the GDI object
    // scales to the printer from its own job settings.
    if (draw->cast("TQDpsdraw") != nullptr) {
        draw->setValue(TQDdraw::VALUE_PRINT_MODE, m_printMode);
        draw->setValue(TQDdraw::VALUE_PAPER, m_paper);
        draw->setValue(TQDdraw::VALUE_UPRIGHT, m_upright);
        draw->setValue(TQDdraw::VALUE_PAGE_X, m_pageX);
        draw->setValue(TQDdraw::VALUE_PAGE_Y, m_pageY);
        draw->setValue(TQDdraw::VALUE_PAGE_WIDTH, m_pageWidth);
        draw->setValue(TQDdraw::VALUE_PAGE_HEIGHT, m_pageHeight);
    }
    draw->beginDraw(this, getDeviceResource(), getWindowResource(), getContextResource());
    return 0;
}

long TQDprDev::endDraw()
{
    setWholeArea(0);
    TQDdraw* draw = getDraw();
    if (draw == nullptr)
        return -1;
    draw->endDraw();
    return 0;
}

long TQDprDev::getDeviceResource()
{
    return static_cast<long>(reinterpret_cast<std::intptr_t>(m_file));
}
