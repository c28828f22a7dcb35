// The password field: a single-line input field drawn with every character
// of its text replaced by one mask character ("*" unless set). Only the
// drawing and copying differ: typing, the value the owner reads, the caret,
// keys, focus and procedures are the input field's, but Ctrl+C copies
// nothing.
#ifndef _TQCVPIFIELD_H
#define _TQCVPIFIELD_H

#include "_TQCstring.h"
#include "_TQCvifield.h"

class TQCvpifield : public TQCvifield {
public:
    TQ_CLASS_FRAME(TQCvpifield, TQCvifield, 1000, 1001)
    TQCvpifield(TQCbase* parent, const char* name);

    // The first character of mask, in the default encoding, masks from the
    // next drawing on; an empty mask shows no characters.
    void setMaskChar(TQCstring mask) { m_mask = mask; }
    // The input field's drawing of as many mask characters as the text
    // has; the text itself is never handed to the device. 0.
    long draw() override;

protected:
    // A password never leaves the field through the clipboard.
    void copySelection(TQDkeyboard*) override {}

private:
    TQCstring m_mask;
};

void* TQCvpifield_create(void* parent);
void TQCvpifield_delete(void* object);

#endif
