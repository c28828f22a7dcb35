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
        r.watched<&TQCvpolyAttr::m_lineWidth>(_TQNlineWidth(), 2, TQ_HOOKS(lineWidth),
                                              {_TQSlineWidth()});
        r.watched<m_lineTypeSlot>(_TQNlineType(), 0, TQ_HOOKS(lineType),
                                  {_TQSlineType(), _TQRlineType(), _TQRlineTypeD()});
        r.watched<TQCflagOf<m_stippledSlot>>(_TQNstippled(), 0, TQ_HOOKS(stippled),
                                             {_TQSstippled(), _TQRbool4(), _TQRbool4D()});
        r.watched<m_hatchPatternSlot>(_TQNhatchPattern(), 0, TQ_HOOKS(hatchPattern),
                                      {_TQShatchPattern(), _TQRhatchPattern(),
                                       _TQRhatchPatternD()});
        r.watched<&TQCvpolyAttr::m_hatchColor>(_TQNhatchColor(), -13, TQ_HOOKS(hatchColor),
                                               {_TQShatchColor()});
        r.watched<&TQCvpolyAttr::m_hatchBlinkColor>(_TQNhatchBlinkColor(), -13,
                                                    TQ_HOOKS(hatchBlinkColor),
                                                    {_TQShatchBlinkColor()});
        r.watched<TQCflagOf<m_backColorFlagSlot>>(
            _TQNbackColorFlag(), 0, TQ_HOOKS(backColorFlag),
            {_TQSbackColorFlag(), _TQRbool4(), _TQRbool4D()});
        r.watched<&TQCvpolyAttr::m_backColor>(_TQNbackColor(), -13, TQ_HOOKS(backColor),
                                              {_TQSbackColor()});
        r.watched<&TQCvpolyAttr::m_backBlinkColor>(_TQNbackBlinkColor(), -13,
                                                   TQ_HOOKS(backBlinkColor),
                                                   {_TQSbackBlinkColor()});
        r.watched<m_blinkTypeSlot>(_TQNblinkType(), 0, TQ_HOOKS(blinkType),
                                   {_TQSblinkType(), _TQRblinkType(), _TQRblinkTypeD()});
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
