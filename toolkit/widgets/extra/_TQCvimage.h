// The image widget: one picture of the application image set in a framed
// rectangle, over a solid or gradated background, either stretched over
// the area inside the frame and margins or fitted into it with its aspect
// kept and centred. With shadow type "None" only the picture is drawn, over
// what lies beneath. It does not blink.
#ifndef _TQCVIMAGE_H
#define _TQCVIMAGE_H

#include "_TQCnwbase.h"

class TQCvimage : public TQCnwbase {
public:
    TQ_CLASS_FRAME(TQCvimage, TQCnwbase, 1000, 1000)
    TQCvimage(TQCbase* parent, const char* name);

    const char* getDefaultProperty() override { return "labelPixmap"; }
    // While queued: without a frame, what lies beneath is repainted first.
    void update() override;
    long draw() override;

    TQ_PROPERTY_HOOKS(topShadowColor, short)
    TQ_PROPERTY_HOOKS(bottomShadowColor, short)
    TQ_PROPERTY_HOOKS(shadowType, char)
    TQ_PROPERTY_HOOKS(shadowThickness, unsigned char)
    TQ_PROPERTY_HOOKS(backColor, short)
    TQ_PROPERTY_HOOKS(marginTop, unsigned char)
    TQ_PROPERTY_HOOKS(marginBottom, unsigned char)
    TQ_PROPERTY_HOOKS(marginLeft, unsigned char)
    TQ_PROPERTY_HOOKS(marginRight, unsigned char)
    TQ_PROPERTY_HOOKS(labelPixmap, short)
    TQ_PROPERTY_HOOKS(gradation, unsigned char)
    TQ_PROPERTY_HOOKS(gradationMargin, unsigned char)
    TQ_PROPERTY_HOOKS(fit, TQCbool)
    TQ_PROPERTY_HOOKS(keepPixmapCache, TQCbool)

private:
    void drawBackground(TQDdev* dev);
    // The picture in the area at (x, y), w x h; nothing for a number the
    // image set does not hold.
    void drawPicture(TQDdev* dev, short x, short y, unsigned short w, unsigned short h);

    short m_backColor = -13;
    short m_topShadowColor = -15;
    short m_bottomShadowColor = -16;
    short m_labelPixmap = -1;
    unsigned char m_gradationMargin = 0;
    char m_shadowType : 4;
    unsigned char m_shadowThickness : 4;
    unsigned char m_marginTop : 4;
    unsigned char m_marginBottom : 4;
    unsigned char m_marginLeft : 4;
    unsigned char m_marginRight : 4;
    unsigned char m_gradation : 4;
    TQCbool m_fit : 1;
    TQ_BIT_FIELD_SLOT(m_shadowType)
    TQ_BIT_FIELD_SLOT(m_shadowThickness)
    TQ_BIT_FIELD_SLOT(m_marginTop)
    TQ_BIT_FIELD_SLOT(m_marginBottom)
    TQ_BIT_FIELD_SLOT(m_marginLeft)
    TQ_BIT_FIELD_SLOT(m_marginRight)
    TQ_BIT_FIELD_SLOT(m_gradation)
    TQ_BIT_FIELD_SLOT(m_fit)
};

void* TQCvimage_create(void* parent);
void TQCvimage_delete(void* object);

#endif
