// Inter-application message channel: handlers, factory and send entry points.
#include "_TQDmessage.h"

namespace {

// Kept untyped, the way the platform hands them over.
void* g_sendProc = nullptr;
void* g_sendNewProc = nullptr;

long sendThrough(void* proc, const char* host, const char* target, const char* text)
{
    if (proc != nullptr)
        reinterpret_cast<TQDmessage::SendProc>(proc)(host, target, text);
    return 0;
}

} // namespace

TQDmessage::TQDmessage() = default;

TQDmessage::~TQDmessage() = default;

void TQDmessage::initialize()
{
}

void TQDmessage::sendMessage(char* text)
{
    (void)text;
}

TQDmessage* TQDmessage::getNewInstance()
{
    TQDmessage* channel = createFromHandler();
    return channel != nullptr ? channel : new TQDmessage;
}

void TQDmessage::setCreateHandler(CreateHandler handler)
{
    setCreateInstanceHandler(handler);
}

void TQDmessage::_setup_ext_send_msg_proc(void* sendProc, void* sendNewProc)
{
    g_sendProc = sendProc;
    g_sendNewProc = sendNewProc;
}

void TQDmessage::setupMessage(const char* channelName, Handler textHandler)
{
    handler = textHandler;
    dataHandler = nullptr;
    userData = nullptr;
    publish(channelName);
}

void TQDmessage::setupMessage(const char* channelName, DataHandler textHandler, void* data)
{
    dataHandler = textHandler;
    userData = data;
    handler = nullptr;
    publish(channelName);
}

// The handler is in place before initialize(): a transport may deliver as
// soon as the name is published.
void TQDmessage::publish(const char* channelName)
{
    name.setString(channelName != nullptr ? channelName : "");
    initialize();
}

long TQDmessage::extSendMessage(const char* host, const char* target, const char* text)
{
    return sendThrough(g_sendProc, host, target, text);
}

long TQDmessage::sendMessageEx(const char* host, const char* target, const char* text)
{
    return sendThrough(g_sendProc, host, target, text);
}

long TQDmessage::extSendNewMessage(const char* host, const char* target, const char* text)
{
    return sendThrough(g_sendNewProc, host, target, text);
}

char* TQDmessage::getName()
{
    return name.getString();
}

void TQDmessage::deliver(char* text)
{
    if (handler != nullptr)
        handler(text);
    else if (dataHandler != nullptr)
        dataHandler(text, userData);
}
