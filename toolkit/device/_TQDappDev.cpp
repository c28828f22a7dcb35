// Application device: the singleton, the trace switch and start-up state.
#include "_TQDappDev.h"

namespace {

TQDappDev::CreateInstanceHandler g_createInstanceHandler = nullptr;
unsigned char g_traceMode = 0;
unsigned char g_initializeExecuted = 0;

} // namespace

void TQDappDev::setCreateInstanceHandler(CreateInstanceHandler handler)
{
    g_createInstanceHandler = handler;
}

TQDappDev::CreateInstanceHandler TQDappDev::getCreateInstanceHandler()
{
    return g_createInstanceHandler;
}

void TQDappDev::setTraceMode(unsigned char on)
{
    g_traceMode = on;
}

unsigned char TQDappDev::getTraceMode()
{
    return g_traceMode;
}

unsigned char TQDappDev::getInitializeExecuted()
{
    return g_initializeExecuted;
}

TQDappDev* TQGIappDev()
{
    static TQDappDev* instance = nullptr;
    if (instance == nullptr && g_createInstanceHandler != nullptr)
        instance = g_createInstanceHandler();
    return instance;
}
