// The print form: a form whose expose procedures and window-less children
// print, through a printer device, to a PostScript or EPS file or, through
// the system's print dialog, to a printer, its work rectangle filling the
// paper. On the screen it shows the outline of the work rectangle.
#ifndef _TQCPRFORM_H
#define _TQCPRFORM_H

#include "_TQCform.h"

class TQDdraw;
class TQDfile;
class TQDprDev;

class TQCprform : public TQCform {
public:
    // Values of type.
    enum { TYPE_POSTSCRIPT = 0, TYPE_EPS = 1, TYPE_PRINTER = 2 };

    TQ_CLASS_FRAME(TQCprform, TQCform, 1000, 1010)
    TQCprform(TQCbase* parent, const char* name);
    ~TQCprform() override;

    TQ_PROPERTY_HOOKS(fileName, char*)
    TQ_PROPERTY_HOOKS(format, unsigned char)
    TQ_PROPERTY_HOOKS(type, unsigned char)
    TQ_PROPERTY_HOOKS(orientation, unsigned char)
    TQ_PROPERTY_HOOKS(workX, short)
    TQ_PROPERTY_HOOKS(workY, short)
    TQ_PROPERTY_HOOKS(workWidth, unsigned short)
    TQ_PROPERTY_HOOKS(workHeight, unsigned short)

    // Prints the expose procedures and the direct window-less children as
    // the properties say (a child with a window of its own prints only on
    // a printer). 0 when printed; -1 when the file does not open, the print
    // dialog is cancelled, the job fails or type is 3, with the screen's
    // drawing object and the form's device as they were.
    virtual long prdraw();

    // The picture on the screen is the print form's own in every look: the
    // form's ground, the outline of the work rectangle and the frame.
    bool drawThroughLook(TQDdev* dev) override;

protected:
    // What one prdraw changes and must put back.
    struct Output;
    long openOutput(Output* out);
    long closeOutput(Output* out);
    static long releaseOutput(Output* out);
    void printChild(TQCbase* child, Output* out);

    TQDprDev* m_printer = nullptr;
    // The form's own device while the printer device stands in for it.
    TQDdev* m_screenDevice = nullptr;
    char* m_fileName = nullptr;
    short m_workX = 10;
    short m_workY = 10;
    unsigned short m_workWidth = 512;
    unsigned short m_workHeight = 724;
    unsigned char m_format : 4;
    unsigned char m_type : 2;
    unsigned char m_orientation : 1;
    TQ_BIT_FIELD_SLOT(m_format)
    TQ_BIT_FIELD_SLOT(m_type)
    TQ_BIT_FIELD_SLOT(m_orientation)
};

void* TQCprform_create(void* parent);
void TQCprform_delete(void* object);

#endif
