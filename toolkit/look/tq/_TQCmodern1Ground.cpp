// The ground of the "Modern1" form-like procedures.
#include "_TQCmodern1Ground.h"

#include "_TQCcolorSet.h"
#include "_TQGFmodern1.h"
#include "_TQGFmodern1Paint.h"
#include "_TQN.h"

namespace {

const long kDotSpacing = 10;

} // namespace

TQCmodern1Ground::TQCmodern1Ground(const TQCformDrawBlock& block)
    : b(block),
      form(static_cast<TQCform*>(block.head.instance)),
      dev(block.head.device),
      w(block.head.width),
      h(block.head.height)
{
}

bool TQCmodern1Ground::open()
{
    unsigned char whole = form->getAbsoluteDraw();
    if (!TQGFopenModern1Drawing(b.head, 0, 0))
        return false;
    m_ew = b.head.width;
    m_eh = b.head.height;
    if (!whole)
        dev->getExposedArea(&m_ex, &m_ey, &m_ew, &m_eh, 1);
    return true;
}

void TQCmodern1Ground::paintBackground(short fill)
{
    if (b.backPixmap != -1)
        return;
    if (b.gradation == 0) {
        dev->setForeColor(fill);
        modern1Fill(dev, 0, 0, w, h);
        return;
    }
    dev->drawGradation(b.gradation, b.topShadowColor, b.backColor, b.bottomShadowColor, 0, 0,
                       b.head.width, b.head.height,
                       static_cast<unsigned char>(b.gradationMargin));
}

void TQCmodern1Ground::drawDotGrid()
{
    if (form->getDotMode() != 1)
        return;
    dev->setForeColor(b.foreColor);
    for (long x = 0; x < w; x += kDotSpacing) {
        for (long y = 0; y < h; y += kDotSpacing) {
            if (m_ex <= x && x <= m_ex + m_ew && m_ey <= y && y <= m_ey + m_eh)
                modern1Dot(dev, x, y);
        }
    }
}

void TQCmodern1Ground::drawFrame(short around)
{
    if (b.head.shadowThickness != 0)
        TQGFdrawModern1Shadow(dev, b.shadowType, b.head.shadowThickness, b.topShadowColor,
                              b.topShadowColor, b.bottomShadowColor, b.backColor, around, 0, 0,
                              b.head.width, b.head.height, 0);
}

short TQCmodern1Ground::parentBackColor() const
{
    TQCbase* parent = form->getParent();
    short colour = 0;
    if (parent != nullptr && parent->getPropertyV(_TQNbackColor(), &colour))
        return colour;
    return TQGIappColorSet()->getColorNo("DEF1");
}

void TQCmodern1Ground::close()
{
    dev->endDraw();
}
