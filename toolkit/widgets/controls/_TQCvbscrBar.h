// The scroll bar whose trough gradation follows the look: on while the look
// asks for gradations (policy bit 2), set again at every look change.
#ifndef _TQCVBSCRBAR_H
#define _TQCVBSCRBAR_H

#include "_TQCvscrBar.h"

class TQCvbscrBar : public TQCvscrBar {
public:
    TQ_CLASS_FRAME(TQCvbscrBar, TQCvscrBar, 1010, 1000)
    TQCvbscrBar(TQCbase* parent, const char* name);

    long initialize() override;
    void getMadeValues(TQCindexVariantData* values) override;

    void onGuiPolicyChange(long policy) override;
};

void* TQCvbscrBar_create(void* parent);
void TQCvbscrBar_delete(void* object);

#endif
