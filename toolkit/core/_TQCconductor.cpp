// The conductor's registries and transactions. It owns none of what is
// registered: type servers are static objects of their types' modules and
// serialiser prototypes live as long as the program.
#include "_TQCconductor.h"

#include "_TQCbase.h"
#include "_TQCtypeServer.h"
#include "_TQDserialize.h"
#include "_TQDsocket.h"

TQCconductor::TQCconductor()
    : m_serializePath("."),
      m_port(0),
      m_timeout(10),
      m_dispatchSocket(nullptr),
      m_clientSocket(nullptr),
      m_listening(0),
      m_republish(0),
      m_timerId(0),
      m_updateCounter(0)
{
    m_netServerHandlers.setNoAllocIndex(1);
}

// Registered type servers and serialisers are left alone.
TQCconductor::~TQCconductor()
{
    removePublishingTimer();
    stopAccepting();
    delete m_dispatchSocket;
    delete m_clientSocket;
}

long TQCconductor::addSerialize(TQDserialize* prototype)
{
    m_serializers.add(prototype);
    return 0;
}

long TQCconductor::add(TQCtypeServer* server)
{
    m_typeServers.add(server);
    return 0;
}

long TQCconductor::del(TQCtypeServer* server)
{
    m_typeServers.del(server);
    return 0;
}

TQCtypeServer* TQCconductor::searchTypeServer(const char* type)
{
    if (type == nullptr)
        return nullptr;
    long n = m_typeServers.getNum();
    for (long i = 0; i < n; ++i) {
        auto* server = static_cast<TQCtypeServer*>(m_typeServers.getData(i));
        if (server->isHit(type))
            return server;
    }
    return nullptr;
}

TQDserialize* TQCconductor::getSerialize(const char* type)
{
    if (type == nullptr)
        return nullptr;
    TQDserialize* lastMatch = nullptr;
    long n = m_serializers.getNum();
    for (long i = 0; i < n; ++i) {
        auto* s = static_cast<TQDserialize*>(m_serializers.getData(i));
        if (s->type(type) != 1)
            continue;
        if (!s->underTransaction())
            return s;
        lastMatch = s;
    }
    return lastMatch != nullptr ? lastMatch->createSerialize() : nullptr;
}

TQDserialize* TQCconductor::getNewSerialize(const char* type)
{
    if (type == nullptr)
        return nullptr;
    long n = m_serializers.getNum();
    for (long i = 0; i < n; ++i) {
        auto* s = static_cast<TQDserialize*>(m_serializers.getData(i));
        if (s->type(type) == 1)
            return s->createSerialize();
    }
    return nullptr;
}

char* TQCconductor::getSerializePath()
{
    return m_serializePath.getString(-2);
}

void TQCconductor::setSerializePath(const char* path)
{
    m_serializePath.setString(path, -2);
}

bool TQCconductor::isRegistered(TQDserialize* s) const
{
    long n = m_serializers.getNum();
    for (long i = 0; i < n; ++i) {
        if (m_serializers.getData(i) == s)
            return true;
    }
    return false;
}

TQDserialize* TQCconductor::beginTransaction(const char* type, const char* name, int mode)
{
    TQDserialize* s = getSerialize(type);
    if (s == nullptr)
        return nullptr;
    TQDserialize* begun = beginTransaction(type, name, s, mode);
    // A serialiser made because every prototype was busy has no other owner.
    if (begun == nullptr && !isRegistered(s))
        delete s;
    return begun;
}

TQDserialize* TQCconductor::beginTransaction(const char*, const char* name, TQDserialize* s,
                                             int mode)
{
    if (s == nullptr)
        return nullptr;
    s->setPath(getSerializePath());
    return s->beginTransaction(name, mode) == 0 ? s : nullptr;
}

long TQCconductor::endTransaction(TQDserialize* s)
{
    if (s != nullptr && s->underTransaction())
        s->endTransaction();
    return 0;
}

long TQCconductor::save(TQDserialize* s, const char* type, const char* name, void* p)
{
    return s != nullptr ? s->save(type, name, p) : -1;
}

long TQCconductor::load(TQDserialize* s, const char* type, const char* name, void* p)
{
    return s != nullptr ? s->load(type, name, p) : -1;
}

long TQCconductor::loadAlloc(TQDserialize* s, const char* type, const char* name, void** out,
                             void* arg)
{
    return s != nullptr ? s->loadAlloc(type, name, out, arg) : -1;
}

long TQCconductor::saveGUI(TQDserialize* s, const char* name, TQCbase* obj)
{
    if (obj == nullptr)
        return -1;
    return save(s, obj->getClassName(), name, static_cast<void*>(obj));
}

// Objects travel as void* holding their TQCbase*.
long TQCconductor::loadGUI(TQDserialize* s, TQCbase** out, TQCbase* parent)
{
    if (out == nullptr)
        return -1;
    void* loaded = nullptr;
    long result = loadAlloc(s, "TQCbase", "*", &loaded, static_cast<void*>(parent));
    *out = static_cast<TQCbase*>(loaded);
    return result;
}

TQCconductor* TQGIconductor()
{
    static TQCconductor* instance = new TQCconductor();
    return instance;
}
