// Image widget: the fourteen properties, and the drawing of background,
// picture and frame.
#include "_TQCvimage.h"

#include "_TQCimageSet.h"
#include "_TQCtypeServerFrame.h"
#include "_TQDdev.h"
#include "_TQDimage.h"
#include "_TQGFgeometry.h"

TQ_TYPE_SERVER_FRAME(TQCvimage, TQCnwbase);

namespace {

const char kClassName[] = "TQCvimage";
const char kNoFrame = -1;

// The side of the picture area: what the frame on both sides and the two
// margins leave, or 1 pixel when they leave nothing (also when the frame
// alone is wider than the side).
unsigned short areaSide(unsigned short side, long frame, long margins)
{
    long rest = static_cast<long>(side) - 2 * frame;
    return rest >= margins ? static_cast<unsigned short>(rest - margins) : 1;
}

} // namespace

TQCvimage::TQCvimage(TQCbase* parent, const char* name)
    : TQCnwbase(parent, name), m_shadowType(3), m_shadowThickness(2), m_marginTop(2),
      m_marginBottom(2), m_marginLeft(2), m_marginRight(2), m_gradation(0), m_fit(0)
{
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH_BITS(r, shadowType, 3, shadowType);
        TQ_WATCH_BITS(r, shadowThickness, 2);
        TQ_WATCH(r, backColor, -13);
        TQ_WATCH(r, topShadowColor, -15);
        TQ_WATCH(r, bottomShadowColor, -16);
        TQ_REGISTER_MARGINS(r, 2);
        TQ_WATCH(r, labelPixmap, -1);
        TQ_WATCH_BITS(r, gradation, 0, gradation);
        TQ_WATCH(r, gradationMargin, 0);
        TQ_WATCH_FLAG(r, fit, 0, bool3);
        TQCbaseProperties::keepPixmapCache(r);
        for (const char* blink : {_TQNblinkRate(), _TQNblinkColor(), _TQNtwinBlink(),
                                  _TQNblinkRefreshing(), _TQNblinkFlag()})
            r.withdraw(blink);
    });
}

void TQCvimage::update()
{
    updateDrawing(m_shadowType == kNoFrame);
}

long TQCvimage::draw()
{
    long drawing = drawable(kClassName, __LINE__);
    if (drawing != 1)
        return drawing;
    if (!drawWanted(kClassName, __LINE__) || !openDrawing(kClassName, __LINE__))
        return 0;
    TQDdev* dev = getowndev();
    const long frame = m_shadowType == kNoFrame ? 0 : m_shadowThickness;
    const short x = static_cast<short>(frame + m_marginLeft);
    const short y = static_cast<short>(frame + m_marginTop);
    const unsigned short w = areaSide(m_width, frame, m_marginLeft + m_marginRight);
    const unsigned short h = areaSide(m_height, frame, m_marginTop + m_marginBottom);
    if (m_shadowType != kNoFrame)
        drawBackground(dev);
    if (m_labelPixmap != -1)
        drawPicture(dev, x, y, w, h);
    if (m_shadowType != kNoFrame && frame != 0)
        TQGFdrawShadow(dev, m_shadowType, static_cast<unsigned short>(frame), m_topShadowColor,
                       m_topShadowColor, m_bottomShadowColor, m_backColor, 0, 0, m_width,
                       m_height, 0);
    dev->endDraw();
    return 0;
}

void TQCvimage::drawBackground(TQDdev* dev)
{
    dev->setForeColor(m_backColor);
    if (m_gradation == 0)
        dev->drawFillRect(0, 0, m_width, m_height);
    else
        dev->drawGradation(m_gradation, m_topShadowColor, m_backColor, m_bottomShadowColor, 0, 0,
                           m_width, m_height, m_gradationMargin);
}

// Fitted, the picture spans the area across its relatively longer side and
// is centred along the other; a side that reads 0 counts as 1 pixel.
void TQCvimage::drawPicture(TQDdev* dev, short x, short y, unsigned short w, unsigned short h)
{
    TQDimage* image = TQGIappImageSet()->getImage(m_labelPixmap);
    if (image == nullptr)
        return;
    if (m_fit) {
        dev->drawStretchedImage(x, y, w, h, image);
        return;
    }
    const long iw = image->getImageWidth();
    const long ih = image->getImageHeight();
    if (iw * h > static_cast<long>(w) * ih) {
        const unsigned short drawn = static_cast<unsigned short>(w * ih / (iw != 0 ? iw : 1));
        dev->drawStretchedImage(x, static_cast<short>(y + (h - drawn) / 2), w, drawn, image);
    } else {
        const unsigned short drawn = static_cast<unsigned short>(iw * h / (ih != 0 ? ih : 1));
        dev->drawStretchedImage(static_cast<short>(x + (w - drawn) / 2), y, drawn, h, image);
    }
}
