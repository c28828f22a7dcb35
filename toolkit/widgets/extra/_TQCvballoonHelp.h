// The balloon-help component: a non-graphic component that names a client
// widget by instance name and holds its help text, and registers the pair
// with the application's balloon whenever either changes. In edit mode its
// caption names the client it is bound to.
#ifndef _TQCVBALLOONHELP_H
#define _TQCVBALLOONHELP_H

#include "_TQCngbase.h"

class TQCvballoonHelp : public TQCngbase {
public:
    TQ_CLASS_FRAME(TQCvballoonHelp, TQCngbase, 1000, 1000)
    TQCvballoonHelp(TQCbase* parent, const char* name);
    // The client stays registered with its text.
    ~TQCvballoonHelp() override;

    const char* getDefaultProperty() override { return "labelString"; }

    TQ_PROPERTY_WORK_HOOK(client, char*)
    TQ_PROPERTY_WORK_HOOK(labelString, char*)

    // Registers the client found under the name again with the current
    // text ("" when there is none); nothing for a name no instance bears.
    void _register();

private:
    char* m_client = nullptr;
    char* m_labelString = nullptr;
};

void* TQCvballoonHelp_create(void* parent);
void TQCvballoonHelp_delete(void* object);

#endif
