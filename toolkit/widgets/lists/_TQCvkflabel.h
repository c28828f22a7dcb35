// The row label of the file selection dialog: a list row label whose
// highlight follows the keyboard focus. The row holding the focus is drawn
// in its select colours, every other row in its normal colours; a focus
// change touches no list and runs no FOCUS_CH procedures.
#ifndef _TQCVKFLABEL_H
#define _TQCVKFLABEL_H

#include "_TQCvklabel.h"

class TQCvkflabel : public TQCvklabel {
public:
    TQ_CLASS_FRAME(TQCvkflabel, TQCvklabel, 1000, 1000)
    TQCvkflabel(TQCbase* parent, const char* name);

    void getMadeValues(TQCindexVariantData* values) override;

    // Gaining it (while sensitive): the select colours become the
    // highlight, the row takes the keyboard with the input method off and
    // draws. Losing it: no highlight, the keyboard let go, drawn again.
    void onFocusChange(unsigned char focus) override;
    unsigned char runsFocusProcedures() override { return 0; }

    // New select colours wait for the next focus gain.
    void setWorkTQNselectColor(short) override {}
    void setWorkTQNselectForeColor(short) override {}
};

void* TQCvkflabel_create(void* parent);
void TQCvkflabel_delete(void* object);

#endif
