// Application device: the singleton and the trace switch.
#include "_TQDappDev.h"

namespace {

TQDappDev::CreateInstanceHandler g_createInstanceHandler = nullptr;
unsigned char g_traceMode = 0;

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

TQDappDev* TQGIappDev()
{
    static TQDappDev* instance = nullptr;
    if (instance == nullptr && g_createInstanceHandler != nullptr)
        instance = g_createInstanceHandler();
    return instance;
}
