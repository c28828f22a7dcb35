// The remote proxies' common part: addressing and the frame of one call.
#include "_TQCRroot.h"

#include "_TQCconductor.h"
#include "_TQCremoteCall.h"
#include "_TQDserialize.h"

TQCRroot::TQCRroot()
    : m_port(0), m_call(nullptr), m_answered(0)
{
}

TQCRroot::~TQCRroot()
{
    endRemoteCall();
}

void TQCRroot::setInstanceName(const char* name)
{
    m_instanceName.setString(name != nullptr ? name : "", -2);
}

void TQCRroot::setAddr(const char* address)
{
    m_addr.setString(address != nullptr ? address : "", -2);
}

long TQCRroot::beginRemoteCall(TQCremoteCall* call)
{
    m_call = nullptr;
    if (call == nullptr || m_instanceName.getString(-2)[0] == '\0')
        return -1;
    call->setPort(m_port);
    call->setAddr(m_addr.getString(-2));
    call->setInstanceName(m_instanceName.getString(-2));
    m_call = TQGIconductor()->beginRemoteCall(call);
    return m_call != nullptr ? 0 : -1;
}

long TQCRroot::endRemoteCall()
{
    if (m_call == nullptr)
        return -1;
    TQDserialize* s = m_call;
    m_call = nullptr;
    return TQGIconductor()->endRemoteCall(s);
}

long TQCRroot::call(const char* className, const char* operation,
                    std::initializer_list<Argument> arguments, const char* answerType,
                    void* answer)
{
    return run(className, operation, arguments, answerType, answer, false);
}

long TQCRroot::callAlloc(const char* className, const char* operation,
                         std::initializer_list<Argument> arguments, const char* answerType,
                         void** answer)
{
    return run(className, operation, arguments, answerType, answer, true);
}

long TQCRroot::run(const char* className, const char* operation,
                   std::initializer_list<Argument> arguments, const char* answerType,
                   void* answer, bool allocated)
{
    m_answered = 0;
    TQCremoteCall call;
    call.setClassName(className);
    call.setOperationName(operation);
    if (beginRemoteCall(&call) != 0)
        return -1;
    for (const Argument& argument : arguments)
        m_call->save(argument.type, argument.name, const_cast<void*>(argument.value));
    if (answerType != nullptr) {
        long loaded = allocated ? m_call->loadAlloc(answerType, "ret", static_cast<void**>(answer),
                                                    nullptr)
                                : m_call->load(answerType, "ret", answer);
        m_answered = loaded == TQDserialize::SER_OK ? 1 : 0;
    }
    endRemoteCall();
    return 0;
}
