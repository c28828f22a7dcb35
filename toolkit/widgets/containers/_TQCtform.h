// The titled frame form: a form drawn as a group box, its shadow frame set
// in by half the title's height from the top-left corner and its title
// written over the frame's top edge. The figure takes no room from the
// children, which keep the places they are given.
#ifndef _TQCTFORM_H
#define _TQCTFORM_H

#include "_TQCform.h"

class TQCtform : public TQCform {
public:
    TQ_CLASS_FRAME(TQCtform, TQCform, 1000, 1010)
    TQCtform(TQCbase* parent, const char* name);
    ~TQCtform() override { delete[] m_titleString; }

    // Always drawn here, never by an extended look.
    long draw() override;
    bool drawThroughLook(TQDdev*) override { return false; }

    TQ_PROPERTY_HOOKS(titleString, char*)
    TQ_PROPERTY_HOOKS(font, unsigned char)

private:
    void drawTitledFrame(TQDdev* dev);

    char* m_titleString;
    unsigned char m_font : 4;
    TQ_BIT_FIELD_SLOT(m_font)
};

void* TQCtform_create(void* parent);
void TQCtform_delete(void* object);

#endif
