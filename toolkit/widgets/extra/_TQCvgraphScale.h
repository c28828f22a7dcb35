// The graph scale: a window-less axis along one edge, a tick at the centre
// of each of its slots and a label centred on each tick; tick lengths and
// labels are two comma-separated texts.
#ifndef _TQCVGRAPHSCALE_H
#define _TQCVGRAPHSCALE_H

#include "_TQCgraph.h"

class TQCgraphSlots;
class TQDdev;

class TQCvgraphScale : public TQCgraph {
public:
    TQ_CLASS_FRAME(TQCvgraphScale, TQCnwbase, 1000, 1000)
    TQCvgraphScale(TQCbase* parent, const char* name);
    ~TQCvgraphScale() override;

    const char* getDefaultProperty() override { return "value"; }
    long draw() override;

    TQ_PROPERTY_HOOKS(value, char*)
    TQ_PROPERTY_HOOKS(barThickness, char*)
    TQ_PROPERTY_HOOKS(reverseFlag, TQCbool)
    TQ_PROPERTY_HOOKS(margin, unsigned char)
    TQ_PROPERTY_HOOKS(font, unsigned char)

protected:
    char* m_value;
    char* m_barThickness;
    TQCbool m_reverseFlag = 0;
    unsigned char m_margin = 10;
    // Only font numbers 0 to 15 can be kept, as beside the dash type.
    unsigned char m_font : 4;
    TQ_BIT_FIELD_SLOT(m_font)

private:
    short fromAxisEdge(long distance) const;
    // A line from a1 to a2 along the axis and c1 to c2 across it.
    void line(TQDdev* dev, short a1, short c1, short a2, short c2);
    void drawAxis(TQDdev* dev, const TQCgraphSlots& slots);
    void drawSlots(TQDdev* dev, const TQCgraphSlots& slots);
};

void* TQCvgraphScale_create(void* parent);
void TQCvgraphScale_delete(void* object);

#endif
