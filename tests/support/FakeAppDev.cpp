// Application device and message transport stand-ins.
#include "FakeAppDev.h"

namespace {

TQDmessage* makeChannel()
{
    RecordingChannel::last = new RecordingChannel;
    return RecordingChannel::last;
}

long logSend(const char*, const char* target, const char* text)
{
    channelLog().push_back(std::string("send ") + (target ? target : "(null)") + " " +
                           (text ? text : "(null)"));
    return 0;
}

} // namespace

std::vector<std::string>& channelLog()
{
    static std::vector<std::string> entries;
    return entries;
}

RecordingChannel* RecordingChannel::last = nullptr;

void RecordingChannel::install()
{
    TQDmessage::setCreateHandler(makeChannel);
    TQDmessage::_setup_ext_send_msg_proc(reinterpret_cast<void*>(logSend),
                                         reinterpret_cast<void*>(logSend));
}

void RecordingChannel::initialize()
{
    channelLog().push_back(std::string("publish ") + getName());
}
