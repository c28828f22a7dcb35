// The input dialog: asks for one line of text. Its work form holds the
// prompt (the dialog's title) above an input field; the dialog's own
// labelString is the field's text. OK or Cancel ends its own modal loop.
#ifndef _TQCINPUTDIALOG_H
#define _TQCINPUTDIALOG_H

#include "_TQCbaseDialog.h"

class TQCvifield;

class TQCinputDialog : public TQCbaseDialog {
public:
    TQ_CLASS_FRAME(TQCinputDialog, TQCbaseDialog, 1001, 1000)
    TQCinputDialog(TQCbase* parent, const char* name);

    // The command bar, then the work form with the prompt and the field,
    // styled for the current look. 0.
    long initialize() override;
    // Nothing until the work form exists.
    void onGuiPolicyChange(long policy) override;
    const char* getDefaultProperty() override { return "labelString"; }
    // Properties the dialog does not have go to the field.
    TQCbase* getPropertyInheritChild() override;
    // The work form as in the general dialog; the field sits in the middle
    // of it and the prompt right above; neither is narrower than 1.
    void adjustForm() override;
    // OK and NO hide the dialog.
    void onActivate() override;
    // Shows the dialog with the mark on the default button and the focus
    // in the field, and handles one event at a time until it is hidden;
    // the status then, or STATUS_NOT_SHOWN.
    long popup() override;

    TQ_PROPERTY_WORK_HOOK(titleString, char*)
    TQ_PROPERTY_WORK_HOOK(foreColor, short)
    TQ_PROPERTY_WORK_HOOK(workBackColor, short)

    TQCvifield* getField() const { return m_field; }
    TQCvlabel* getPrompt() const { return m_prompt; }

    // The field's PARENT_VISIBLE_CH procedure: a shown field takes the
    // focus.
    static void _label_focus_work(TQCbase* field);

protected:
    TQCvifield* m_field = nullptr;
    TQCvlabel* m_prompt = nullptr;
};

void* TQCinputDialog_create(void* parent);
void TQCinputDialog_delete(void* object);

#endif
