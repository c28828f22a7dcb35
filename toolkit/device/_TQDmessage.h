// A named channel for short texts between applications of the same user,
// and the entry points that send texts to other applications' channels.
// The transport belongs to the platform: it installs a factory for its own
// channel class and the procedures that carry a text to a named channel.
#ifndef _TQDMESSAGE_H
#define _TQDMESSAGE_H

#include "_TQCroot.h"
#include "_TQCstring.h"
#include "_TQDcreateInstance.h"

class TQDmessage : public TQCroot {
public:
    typedef void (*Handler)(char* text);
    typedef void (*DataHandler)(char* text, void* data);
    typedef TQDmessage* (*CreateHandler)();
    // What the platform installs to carry a text to the channel published as
    // target; host is reserved for transports that reach other machines.
    typedef long (*SendProc)(const char* host, const char* target, const char* text);

    TQDmessage();
    ~TQDmessage() override;
    TQ_ROOT_FRAME(TQDmessage, TQCroot)

    // Publishes the channel under its name; the base channel publishes
    // nothing.
    virtual void initialize();
    // A text has arrived for this channel. The base channel drops it; the
    // platform's channel hands it on with deliver().
    virtual void sendMessage(char* text);

    TQ_CREATE_HANDLER_FRAME(TQDmessage)

    // A channel of the platform's class, or a base channel when no factory
    // is installed. Never null; the caller owns it.
    static TQDmessage* getNewInstance();
    static void setCreateHandler(CreateHandler handler);
    // Installs the send procedure and the send-new procedure (SendProc
    // addresses, or null to remove them).
    static void _setup_ext_send_msg_proc(void* sendProc, void* sendNewProc);

    // Names the channel, sets its handler and publishes it.
    void setupMessage(const char* name, Handler handler);
    void setupMessage(const char* name, DataHandler handler, void* data);

    // Send a text to the channel published as target; without an installed
    // procedure nothing is sent. The result is 0 whatever the transport
    // reports: a sender learns nothing about delivery.
    static long extSendMessage(const char* host, const char* target, const char* text);
    static long sendMessageEx(const char* host, const char* target, const char* text);
    static long extSendNewMessage(const char* host, const char* target, const char* text);

protected:
    // The channel's name, for publishing.
    char* getName();
    // Calls the one-argument handler when it is set, else the data handler
    // with the user data; nothing when neither is set.
    void deliver(char* text);

private:
    void publish(const char* name);

    TQCstring name;
    void* userData = nullptr;
    Handler handler = nullptr;
    DataHandler dataHandler = nullptr;
};

#endif
