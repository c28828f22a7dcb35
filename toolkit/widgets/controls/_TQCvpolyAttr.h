// The attributes every filled shape shares: the outline's width and dash
// type, the fill (hatch pattern and colour, a solid background under a
// hatch), the blink alternatives of those colours and which of them blink.
// It draws nothing itself; the rectangle and the polygon draw by its rules.
#ifndef _TQCVPOLYATTR_H
#define _TQCVPOLYATTR_H

#include "_TQCnwbase.h"
#include "_TQDdev.h"

class TQCvpolyAttr : public TQCnwbase {
public:
    TQ_CLASS_FRAME(TQCvpolyAttr, TQCnwbase, 1000, 1000)
    TQCvpolyAttr(TQCbase* parent, const char* name);

    TQ_PROPERTY_HOOKS(lineWidth, unsigned short)
    TQ_PROPERTY_HOOKS(lineType, unsigned char)
    TQ_PROPERTY_HOOKS(stippled, TQCbool)
    TQ_PROPERTY_HOOKS(hatchPattern, unsigned char)
    TQ_PROPERTY_HOOKS(hatchColor, short)
    TQ_PROPERTY_HOOKS(hatchBlinkColor, short)
    TQ_PROPERTY_HOOKS(backColorFlag, TQCbool)
    TQ_PROPERTY_HOOKS(backColor, short)
    TQ_PROPERTY_HOOKS(backBlinkColor, short)
    TQ_PROPERTY_HOOKS(blinkType, unsigned char)

    // The pen of every shape: a width of 1 reaches the device as 0, its
    // thinnest line; then the dash type.
    static void setPen(TQDdev* dev, unsigned short width, unsigned char dashType);
    // No shape takes mouse procedures.
    static void dropMouseTriggers(TQCclassInformation* info);

protected:
    struct Colours {
        short outline;
        short fill;
        short back;
    };
    // The colours of this pass: the blink colours that blinkType names in
    // the blink phase with twinBlink, the normal ones otherwise.
    Colours passColours();
    // With stippled: the solid background under a hatch when asked for,
    // then the fill in the hatch pattern; fill(dev) fills the area once.
    template <class Fill>
    void fillArea(TQDdev* dev, const Colours& colours, Fill fill);

    unsigned short m_lineWidth = 2;
    short m_hatchColor = -13;
    short m_hatchBlinkColor = -13;
    short m_backColor = -13;
    short m_backBlinkColor = -13;
    unsigned char m_hatchPattern : 4;
    unsigned char m_lineType : 4;
    unsigned char m_blinkType : 2;
    TQCbool m_stippled : 1;
    TQCbool m_backColorFlag : 1;
    TQ_BIT_FIELD_SLOT(m_hatchPattern)
    TQ_BIT_FIELD_SLOT(m_lineType)
    TQ_BIT_FIELD_SLOT(m_blinkType)
    TQ_BIT_FIELD_SLOT(m_stippled)
    TQ_BIT_FIELD_SLOT(m_backColorFlag)
};

template <class Fill>
void TQCvpolyAttr::fillArea(TQDdev* dev, const Colours& colours, Fill fill)
{
    if (!m_stippled)
        return;
    if (m_hatchPattern != 0 && m_backColorFlag) {
        dev->setForeColor(colours.back);
        dev->setHatchPattern(0);
        fill(dev);
    }
    dev->setHatchPattern(static_cast<char>(m_hatchPattern));
    dev->setForeColor(colours.fill);
    fill(dev);
}

void* TQCvpolyAttr_create(void* parent);
void TQCvpolyAttr_delete(void* object);

#endif
