// Titled frame form: the title and its font, and the group-box drawing.
#include "_TQCtform.h"

#include "_TQCfontSet.h"
#include "_TQCstring.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDdev.h"
#include "_TQGFgeometry.h"
#include "_TQGFstring.h"
#include "_TQGFtrigger.h"

#include <string>

TQ_TYPE_SERVER_FRAME(TQCtform, TQCform);

namespace {

// The title is written centred in its box.
const char kCentred = 2;

// A size that would come out below 0 on a form smaller than the inset.
unsigned short sizeAfter(unsigned short size, long inset)
{
    return static_cast<unsigned short>(size > inset ? size - inset : 0);
}

} // namespace

TQCtform::TQCtform(TQCbase* parent, const char* name)
    : TQCform(parent, name), m_titleString(TQGFstrdup("")),
      m_font(static_cast<unsigned char>(TQGIappFontSet()->getDefaultFontNo()))
{
    m_shadowType = TQSHADOW_ETCHED_IN;
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, titleString, "");
        TQ_WATCH_BITS(r, font, 0)->setGetDefaultValueHandler(TQGFdefaultFontNo);
        r.changeDefault<m_shadowTypeSlot>(_TQNshadowType(), TQSHADOW_ETCHED_IN);
        r.triggers({TQEV_VALUE_CH});
    });
}

long TQCtform::draw()
{
    TQDdev* dev = nullptr;
    long ready = readyToDraw(&dev);
    if (ready != 1)
        return ready;
    if (!openGround(dev, DOTS_INSIDE_AREA))
        return 0;
    drawTitledFrame(dev);
    dev->endDraw();
    return 0;
}

// The title " <title> " in a box th high and tw wide at (th, 1), over a
// frame set in by th / 2 at the left and top only. Without any font the
// title takes no room and the frame lies on the form's edges.
void TQCtform::drawTitledFrame(TQDdev* dev)
{
    std::string title = " " + std::string(m_titleString != nullptr ? m_titleString : "") + " ";
    TQCstring text(title.c_str(), -2);
    long tw = TQGIappFontSet()->getStringWidth(m_font, &text);
    long th = TQGIappFontSet()->getStringHeight(m_font, &text);
    long half = th / 2;
    TQGFdrawShadow(dev, m_shadowType, m_shadowThickness, m_foreColor, m_topShadowColor,
                   m_bottomShadowColor, m_backColor, static_cast<short>(half),
                   static_cast<short>(half), sizeAfter(m_width, half), sizeAfter(m_height, half), 0);
    if (th <= 0)
        return;
    dev->setForeColor(m_foreColor);
    dev->setBackColor(m_backColor);
    dev->drawFillString(th, 1, tw, th, &text, m_font, kCentred, -1, 0);
}
