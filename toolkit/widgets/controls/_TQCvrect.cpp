// Rectangle: background, fill and outline on one rectangle inset by half
// the pen.
#include "_TQCvrect.h"

#include "_TQCtypeServerFrame.h"

TQ_TYPE_SERVER_FRAME(TQCvrect, TQCvpolyAttr);

namespace {

const char kClassName[] = "TQCvrect";

// A pen wider than the side leaves an empty rectangle, not one that wraps
// round to 65535 pixels.
unsigned short insetSide(unsigned short side, unsigned short pen)
{
    return side > pen ? static_cast<unsigned short>(side - pen) : 0;
}

} // namespace

TQCvrect::TQCvrect(TQCbase* parent, const char* name) : TQCvpolyAttr(parent, name)
{
    TQCregisterClass(this, VERSION, [](Registrar&) {});
}

long TQCvrect::draw()
{
    long drawing = openBlinkingDrawing(kClassName, __LINE__);
    if (drawing != 1)
        return drawing;
    TQDdev* dev = getowndev();
    setPen(dev, m_lineWidth, m_lineType);
    short at = static_cast<short>(m_lineWidth / 2);
    unsigned short w = insetSide(m_width, m_lineWidth);
    unsigned short h = insetSide(m_height, m_lineWidth);
    Colours colours = passColours();
    fillArea(dev, colours, [&](TQDdev* d) { d->drawFillRect(at, at, w, h); });
    dev->setForeColor(colours.outline);
    if (m_lineWidth != 0) {
        dev->setHatchPattern(0);
        dev->drawRect(at, at, w, h);
    }
    dev->endDraw();
    return 0;
}
