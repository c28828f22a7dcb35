// The progress dialog: a caption, a framed bar meter and the percentage
// under it, with only the cancel button by default. A task on the
// application thread shows it, calls setValue() as it goes, which repaints
// the dialog and handles the waiting messages at once, and stops when
// getStatus() turns 0 (cancelled).
#ifndef _TQCWORKINGDIALOG_H
#define _TQCWORKINGDIALOG_H

#include "_TQCbaseDialog.h"

class TQCvmeter;

class TQCworkingDialog : public TQCbaseDialog {
public:
    TQ_CLASS_FRAME(TQCworkingDialog, TQCbaseDialog, 1001, 1000)
    TQCworkingDialog(TQCbase* parent, const char* name);
    ~TQCworkingDialog() override { delete[] m_labelString; }

    // Showing puts the status to 1 (running) until a button changes it.
    void onVisibleChange(unsigned char on) override;
    // Nothing until the work form exists.
    void onGuiPolicyChange(long policy) override;
    // The command bar, then the work form with the caption, the bar frame,
    // the meter and the percentage, laid out for the current look. 0.
    long initialize() override;
    const char* getDefaultProperty() override { return "value"; }
    // The parts first, then the dialog as any window.
    void update() override;
    // The bar in the middle of the work form, the caption right above it
    // and the percentage right below.
    void adjustForm() override;
    // OK and NO hide the dialog.
    void onActivate() override;
    // Shows the dialog with the mark on the default button and handles one
    // event at a time until it is hidden; the status then (1 when the
    // program hid it), or STATUS_NOT_SHOWN.
    long popup() override;

    TQ_PROPERTY_WORK_HOOK(lineWidth, unsigned short)
    TQ_PROPERTY_WORK_HOOK(lineType, unsigned char)
    TQ_PROPERTY_WORK_HOOK(stippled, TQCbool)
    TQ_PROPERTY_WORK_HOOK(hatchPattern, unsigned char)
    TQ_PROPERTY_WORK_HOOK(hatchColor, short)
    TQ_PROPERTY_WORK_HOOK(labelString, char*)
    TQ_PROPERTY_WORK_HOOK(workBackColor, short)
    TQ_PROPERTY_WORK_HOOK(value, unsigned short)
    TQ_PROPERTY_WORK_HOOK(foreColor, short)

    // The progress in percent: stored as value; on a shown dialog the
    // dialog is repainted and every waiting message handled before it
    // returns, a click on the cancel button included.
    void setValue(unsigned short percent);

    TQCform* getBarFrame() const { return m_barFrame; }
    TQCvmeter* getMeter() const { return m_meter; }
    TQCvlabel* getCaption() const { return m_caption; }
    TQCvlabel* getPercentLabel() const { return m_percentLabel; }

protected:
    TQCform* m_barFrame = nullptr;
    TQCvmeter* m_meter = nullptr;
    TQCvlabel* m_caption = nullptr;
    TQCvlabel* m_percentLabel = nullptr;
    char* m_labelString;
    unsigned short m_value = 0;
    unsigned short m_lineWidth = 2;
    short m_hatchColor = -14;
    unsigned char m_hatchPattern : 4;
    unsigned char m_lineType : 4;
    TQCbool m_stippled : 1;
    TQ_BIT_FIELD_SLOT(m_hatchPattern)
    TQ_BIT_FIELD_SLOT(m_lineType)
    TQ_BIT_FIELD_SLOT(m_stippled)

private:
    // A part on the work form: made, initialised, then shown by the caller.
    TQCvlabel* makeLabel(const char* text);
    void setOnMeter(const char* name, long value);
};

void* TQCworkingDialog_create(void* parent);
void TQCworkingDialog_delete(void* object);

#endif
