// The remote-call record and its type server "TQCremoteCall".
#include "_TQCremoteCall.h"

#include "_TQCtypeServerFrame.h"
#include "_TQDserialize.h"
#include "_TQGFstring.h"

TQCremoteCall::TQCremoteCall()
    : m_port(0), m_className(nullptr), m_instanceName(nullptr), m_operationName(nullptr)
{
}

TQCremoteCall::~TQCremoteCall()
{
    delete[] m_className;
    delete[] m_instanceName;
    delete[] m_operationName;
}

void TQCremoteCall::replace(char*& field, const char* name)
{
    adopt(field, name != nullptr ? TQGFstrdup(name) : nullptr);
}

void TQCremoteCall::adopt(char*& field, char* name)
{
    delete[] field;
    field = name;
}

bool TQCremoteCall::isComplete() const
{
    return m_className != nullptr && m_instanceName != nullptr && m_operationName != nullptr;
}

void _TQCremoteCall_save(TQDserialize* s, void* p)
{
    TQCremoteCall* call = static_cast<TQCremoteCall*>(p);
    s->saveData("#str", ">cl", call->m_className);
    s->saveData("#str", ">in", call->m_instanceName);
    s->saveData("#str", ">op", call->m_operationName);
}

// A name that is not in the record stays as it was.
void _TQCremoteCall_load(TQDserialize* s, void* p)
{
    TQCremoteCall* call = static_cast<TQCremoteCall*>(p);
    char** fields[] = {&call->m_className, &call->m_instanceName, &call->m_operationName};
    const char* names[] = {">cl", ">in", ">op"};
    for (int i = 0; i < 3; ++i) {
        void* text = nullptr;
        if (s->loadAllocData("#str", names[i], &text, nullptr) == TQDserialize::SER_OK)
            TQCremoteCall::adopt(*fields[i], static_cast<char*>(text));
    }
}

void* _TQCremoteCall_create(void*)
{
    return new TQCremoteCall;
}

void _TQCremoteCall_delete(void* call)
{
    delete static_cast<TQCremoteCall*>(call);
}

TQ_ROOT_TYPE_SERVER_FRAME(TQCremoteCall, _TQCremoteCall_create, _TQCremoteCall_delete,
                          _TQCremoteCall_save, _TQCremoteCall_load);
