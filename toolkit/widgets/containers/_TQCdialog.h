// The general dialog: a base dialog whose work form "md-label" fills the
// area above the command bar. Widgets made with the dialog as their parent
// draw on the work form, counting from its corner.
#ifndef _TQCDIALOG_H
#define _TQCDIALOG_H

#include "_TQCbaseDialog.h"

class TQCdialog : public TQCbaseDialog {
public:
    TQ_CLASS_FRAME(TQCdialog, TQCbaseDialog, 1000, 1000)
    TQCdialog(TQCbase* parent, const char* name);

    // The command bar, then the work form, styled for the current look. 0.
    long initialize() override;
    // Nothing until the work form exists.
    void onGuiPolicyChange(long policy) override;
    // The work form spans the width and ends 40 pixels above the bottom
    // edge (45 when neither look bit is set); never smaller than 1 x 1.
    void adjustForm() override;

    TQ_PROPERTY_WORK_HOOK(workBackColor, short)
};

void* TQCdialog_create(void* parent);
void TQCdialog_delete(void* object);

#endif
