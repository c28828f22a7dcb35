// The message box: a base dialog with OK and Cancel whose work form holds a
// separator line and the message label. One shared instance serves the
// whole application.
#ifndef _TQCMESSAGEDIALOG_H
#define _TQCMESSAGEDIALOG_H

#include "_TQCbaseDialog.h"

class TQCmessageDialog : public TQCbaseDialog {
public:
    TQ_CLASS_FRAME(TQCmessageDialog, TQCbaseDialog, 1000, 1000)
    TQCmessageDialog(TQCbase* parent, const char* name);
    // Frees the message text.
    ~TQCmessageDialog() override;

    // The command bar, the work form with the separator and the label,
    // styled for the current look. 0.
    long initialize() override;
    // Nothing until the work form exists.
    void onGuiPolicyChange(long policy) override;
    const char* getDefaultProperty() override { return "labelString"; }
    // The work form spans the width and ends above the command bar; the
    // label fills it. Neither is ever smaller than 1 x 1.
    void adjustForm() override;
    // OK and NO hide the dialog.
    void onActivate() override;

    TQ_PROPERTY_WORK_HOOK(labelString, char*)
    TQ_PROPERTY_WORK_HOOK(workBackColor, short)

    // The message label; null before initialize().
    TQCvlabel* getLabel() const { return m_label; }

protected:
    char* m_labelString = nullptr;
    TQCvlabel* m_label = nullptr;
};

// The application's message dialog "app-fselect", 400 x 120 with the title
// "Message", made on the first call and kept for the program's life. What a
// caller sets stays for the next one.
TQCmessageDialog* TQGIappMessageDialog();

void* TQCmessageDialog_create(void* parent);
void TQCmessageDialog_delete(void* object);

#endif
