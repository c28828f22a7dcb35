// The multi-page dialog: a tab form without a tab row holds the pages, and
// the OK and NO buttons become "< Back" and "Next >", which reads "Finish"
// on the last page. The program makes the pages' widgets children of the
// dialog; the dialog hands its device to the tab form, which shows only the
// widgets of the current page. popup() answers STATUS_FINISHED when Finish
// is pressed.
#ifndef _TQCWIZARDDIALOG_H
#define _TQCWIZARDDIALOG_H

#include "_TQCbaseDialog.h"
#include "_TQCstring.h"

class TQCindexForm;

class TQCwizardDialog : public TQCbaseDialog {
public:
    TQ_CLASS_FRAME(TQCwizardDialog, TQCbaseDialog, 1000, 1000)
    // Two pages, the first shown, the button texts from the catalogue.
    // Until initialize() the dialog's children find no device.
    TQCwizardDialog(TQCbase* parent, const char* name);
    ~TQCwizardDialog() override { delete[] m_labelString; }

    // Nothing until the work form exists.
    void onGuiPolicyChange(long policy) override;
    // The command bar, then the work form with the page form, which takes
    // the dialog's children; the buttons read "< Back" and "Next >". 0.
    long initialize() override;
    void getMadeValues(TQCindexVariantData* values) override;
    // The page form fills the work form but for a margin of 1 (3 on the
    // right).
    void adjustForm() override;
    // Back and Next move between the pages; Next on the last page finishes
    // and hides the dialog. The ACTIVATE procedures see the new page.
    void onActivate() override;
    // Shows the dialog with Back insensitive on the first page and the
    // focus on Next, and handles one event at a time until it is hidden;
    // STATUS_FINISHED after Finish, else the status then, or
    // STATUS_NOT_SHOWN.
    long popup() override;

    TQ_PROPERTY_WORK_HOOK(labelString, char*)
    TQ_PROPERTY_WORK_HOOK(menuItems, unsigned char)
    TQ_PROPERTY_WORK_HOOK(value, unsigned char)
    TQ_PROPERTY_WORK_HOOK(workBackColor, short)

    TQCvbtn* getLeftBtn() const { return m_okBtn; }
    TQCvbtn* getRightBtn() const { return m_noBtn; }
    TQCindexForm* getPageForm() const { return m_pageForm; }
    // Texts and sensitivity of the buttons and the page shown, for the
    // current page.
    void _btn_adjust();

protected:
    char* m_labelString;
    TQCindexForm* m_pageForm = nullptr;
    TQCstring m_nextText;
    TQCstring m_backText;
    TQCstring m_finishText;
    unsigned char m_menuItems = 2;
    unsigned char m_value = 0;

private:
    bool onLastPage() const { return m_value == m_menuItems - 1; }
};

void* TQCwizardDialog_create(void* parent);
void TQCwizardDialog_delete(void* object);

#endif
