// Messages to other applications and procedure tracing to the trace viewer.
#include "_TQGFdebug.h"

#include "_TQDappDev.h"
#include "_TQDmessage.h"

long TQGFsendMessage(const char* name, const char* text)
{
    return TQDmessage::extSendMessage(nullptr, name, text);
}

void TQGFtrace(TQCstring text)
{
    if (TQDappDev::getTraceMode() == 0)
        return;
    const long kUtf8 = 16;
    TQGFsendMessage("TQ-TRACER", text.getString(kUtf8));
}
