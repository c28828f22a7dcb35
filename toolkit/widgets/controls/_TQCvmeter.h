// The bar meter: a window-less bar over part of the widget's length, from
// value2 to value1 percent, growing rightwards or upwards, filled and
// outlined by the shape attributes. The working dialog's progress bar.
#ifndef _TQCVMETER_H
#define _TQCVMETER_H

#include "_TQCvpolyAttr.h"

class TQCvmeter : public TQCvpolyAttr {
public:
    TQ_CLASS_FRAME(TQCvmeter, TQCvpolyAttr, 1010, 1000)
    TQCvmeter(TQCbase* parent, const char* name);

    const char* getDefaultProperty() override { return "value2"; }
    long draw() override;

    TQ_PROPERTY_HOOKS(value1, unsigned char)
    TQ_PROPERTY_HOOKS(value2, unsigned char)
    TQ_PROPERTY_HOOKS(orientation, TQCbool)

protected:
    // Values above 100 and a value2 above value1 are kept as given; drawing
    // limits them.
    unsigned char m_value1 = 80;
    unsigned char m_value2 = 20;
    TQCbool m_orientation : 1;
    TQ_BIT_FIELD_SLOT(m_orientation)
};

void* TQCvmeter_create(void* parent);
void TQCvmeter_delete(void* object);

#endif
