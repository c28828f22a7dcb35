// The base of the remote proxies: where the remote object lives (the
// address and dispatcher port of its process), which instance it stands
// for, and one remote call at a time through the conductor.
#ifndef _TQCRROOT_H
#define _TQCRROOT_H

#include "_TQCroot.h"
#include "_TQCstring.h"

#include <initializer_list>

class TQCremoteCall;
class TQDserialize;

class TQCRroot : public TQCroot {
public:
    TQCRroot();
    ~TQCRroot() override;
    TQCRroot(const TQCRroot&) = delete;
    TQCRroot& operator=(const TQCRroot&) = delete;
    TQ_ROOT_FRAME(TQCRroot, TQCroot)

    // An empty address means the local host; texts are copied.
    void setInstanceName(const char* name);
    void setAddr(const char* address);
    void setPort(unsigned short port) { m_port = port; }
    TQCstring getInstanceName() const { return m_instanceName; }
    TQCstring getAddr() const { return m_addr; }
    unsigned short getPort() const { return m_port; }

    // Opens a call to this proxy's instance: 0, or -1 (nothing is sent)
    // without call record or instance name, or when the conductor cannot
    // connect.
    long beginRemoteCall(TQCremoteCall* call);
    // Ends the call under way: the conductor's result, -1 without one.
    long endRemoteCall();
    // Whether the answer of the last operation arrived.
    unsigned char wasAnswered() const { return m_answered; }

protected:
    struct Argument {
        const char* type;
        const char* name;
        const void* value;
    };

    // One whole operation on class className: the call opened, the
    // arguments saved in order, the answer "ret" of answerType loaded into
    // answer, the call ended. The answer keeps its preset when none
    // arrives. 0 when the call was opened, else -1.
    long call(const char* className, const char* operation,
              std::initializer_list<Argument> arguments, const char* answerType = nullptr,
              void* answer = nullptr);
    // The same with an answer allocated by the serialiser into *answer.
    long callAlloc(const char* className, const char* operation,
                   std::initializer_list<Argument> arguments, const char* answerType,
                   void** answer);
    // For an operation this process answers itself.
    void answeredHere() { m_answered = 1; }

private:
    long run(const char* className, const char* operation,
             std::initializer_list<Argument> arguments, const char* answerType, void* answer,
             bool allocated);

    TQCstring m_addr;
    unsigned short m_port;
    TQCstring m_instanceName;
    TQDserialize* m_call;
    unsigned char m_answered;
};

#endif
