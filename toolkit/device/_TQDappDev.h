// The device that stands for the running application. This is the part of
// it the object model reads: the singleton made by the platform's factory,
// the process-wide procedure trace switch and the start-up state.
#ifndef _TQDAPPDEV_H
#define _TQDAPPDEV_H

#include "_TQDdev.h"

class TQDappDev : public TQDdev {
public:
    typedef TQDappDev* (*CreateInstanceHandler)();

    TQ_ROOT_FRAME(TQDappDev, TQDdev)
    static const char* getThisClassName() { return "TQDappDev"; }

    static void setCreateInstanceHandler(CreateInstanceHandler handler);
    static CreateInstanceHandler getCreateInstanceHandler();

    // Read by the procedure runner; switched by the application's own
    // message channel.
    static void setTraceMode(unsigned char on);
    static unsigned char getTraceMode();

    // The object list's initialisation pass waits for the start-up run of
    // the init handlers and does not run inside it.
    unsigned char getUnderExecInitialize() const { return underExecInitialize; }
    static unsigned char getInitializeExecuted();

private:
    unsigned char underExecInitialize = 0;
};

// The application device, made once by the installed factory; null while
// no factory is installed.
TQDappDev* TQGIappDev();

#endif
