// The directory record and its type server "TQCremoteInstanceData".
#include "_TQCremoteInstanceData.h"

#include "_TQCtypeServerFrame.h"
#include "_TQDserialize.h"

#include <cstring>

namespace {

bool sameText(TQCstring& a, TQCstring& b)
{
    return std::strcmp(a.getString(-2), b.getString(-2)) == 0;
}

} // namespace

TQCremoteInstanceData::TQCremoteInstanceData()
    : m_port(0)
{
}

bool TQCremoteInstanceData::isEqual(TQCremoteInstanceData& other)
{
    return sameText(m_publicInstanceName, other.m_publicInstanceName) &&
           sameText(m_instanceName, other.m_instanceName) &&
           sameText(m_className, other.m_className) && sameText(m_addr, other.m_addr) &&
           m_port == other.m_port;
}

bool TQCremoteInstanceData::hasPublicName(const char* name)
{
    return name != nullptr && std::strcmp(m_publicInstanceName.getString(-2), name) == 0;
}

void _TQCremoteInstanceData_save(TQDserialize* s, void* p)
{
    TQCremoteInstanceData* record = static_cast<TQCremoteInstanceData*>(p);
    s->saveData("#str", ">pn", record->m_publicInstanceName.getString(-2));
    s->saveData("#str", ">in", record->m_instanceName.getString(-2));
    s->saveData("#str", ">cl", record->m_className.getString(-2));
    s->saveData("#str", ">ad", record->m_addr.getString(-2));
    short port = static_cast<short>(record->m_port);
    s->saveData("#sht", ">pt", &port);
}

void _TQCremoteInstanceData_load(TQDserialize* s, void* p)
{
    TQCremoteInstanceData* record = static_cast<TQCremoteInstanceData*>(p);
    TQCstring* fields[] = {&record->m_publicInstanceName, &record->m_instanceName,
                           &record->m_className, &record->m_addr};
    const char* names[] = {">pn", ">in", ">cl", ">ad"};
    for (int i = 0; i < 4; ++i) {
        void* text = nullptr;
        if (s->loadAllocData("#str", names[i], &text, nullptr) == TQDserialize::SER_OK) {
            fields[i]->setString(static_cast<char*>(text), -2);
            delete[] static_cast<char*>(text);
        }
    }
    short port = static_cast<short>(record->m_port);
    s->loadData("#sht", ">pt", &port);
    record->m_port = static_cast<unsigned short>(port);
}

void* _TQCremoteInstanceData_create(void*)
{
    return new TQCremoteInstanceData;
}

void _TQCremoteInstanceData_delete(void* record)
{
    delete static_cast<TQCremoteInstanceData*>(record);
}

TQ_ROOT_TYPE_SERVER_FRAME(TQCremoteInstanceData, _TQCremoteInstanceData_create,
                          _TQCremoteInstanceData_delete, _TQCremoteInstanceData_save,
                          _TQCremoteInstanceData_load);
