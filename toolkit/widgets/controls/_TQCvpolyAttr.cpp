// Shape attributes: the ten properties, the colours of a pass, the pen and
// the opening steps that the filled shapes share.
#include "_TQCvpolyAttr.h"

#include "_TQCtypeServerFrame.h"
#include "_TQGFtrigger.h"

TQ_TYPE_SERVER_FRAME(TQCvpolyAttr, TQCnwbase);

TQCvpolyAttr::TQCvpolyAttr(TQCbase* parent, const char* name)
    : TQCnwbase(parent, name), m_hatchPattern(0), m_lineType(0), m_blinkType(0), m_stippled(0),
      m_backColorFlag(0)
{
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, lineWidth, 2);
        TQ_WATCH_BITS(r, lineType, 0, lineType);
        TQ_WATCH_FLAG(r, stippled, 0, bool4);
        TQ_WATCH_BITS(r, hatchPattern, 0, hatchPattern);
        TQ_WATCH(r, hatchColor, -13);
        TQ_WATCH(r, hatchBlinkColor, -13);
        TQ_WATCH_FLAG(r, backColorFlag, 0, bool4);
        TQ_WATCH(r, backColor, -13);
        TQ_WATCH(r, backBlinkColor, -13);
        TQ_WATCH_BITS(r, blinkType, 0, blinkType);
        dropMouseTriggers(r.info());
    });
}

void TQCvpolyAttr::dropMouseTriggers(TQCclassInformation* info)
{
    for (long code : {TQEV_MOUSE_IN, TQEV_MOUSE_OUT, TQEV_MOUSE_MOVE, TQEV_MOUSE_PRESS,
                      TQEV_MOUSE_RELEASE})
        info->setDelTrigger(code);
}

void TQCvpolyAttr::setPen(TQDdev* dev, unsigned short width, unsigned char dashType)
{
    dev->setLineWidth(width == 1 ? 0 : static_cast<short>(width));
    dev->setLineDashType(static_cast<char>(dashType));
}

TQCvpolyAttr::Colours TQCvpolyAttr::passColours()
{
    Colours c = {m_foreColor, m_hatchColor, m_backColor};
    if (!getBlinkPhase() || !m_twinBlink)
        return c;
    if (m_blinkType != 1)
        c.outline = m_blinkColor;
    if (m_blinkType != 0) {
        c.fill = m_hatchBlinkColor;
        c.back = m_backBlinkColor;
    }
    return c;
}
