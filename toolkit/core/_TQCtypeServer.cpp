// Type servers: parent names with a lazily filled cache of their servers,
// and the four handlers of a type.
#include "_TQCtypeServer.h"

#include <cstring>
#include <new>

#include "_TQCconductor.h"

namespace {
// Marks a parent whose server has not been looked up yet; a lookup that
// finds nothing caches null.
char notLookedUp;
}

TQCtypeServer::TQCtypeServer()
    : m_create(nullptr),
      m_delete(nullptr),
      m_save(nullptr),
      m_load(nullptr),
      m_typeName(nullptr)
{
    TQGIconductor()->add(this);
}

TQCtypeServer::~TQCtypeServer() = default;

void TQCtypeServer::setType(const char* name)
{
    m_typeName = name;
}

void TQCtypeServer::addParentClassName(const char* name)
{
    m_parentNames.add(const_cast<char*>(name));
    m_parentServers.add(&notLookedUp);
}

unsigned char TQCtypeServer::isHit(const char* name) const
{
    if (name == nullptr || m_typeName == nullptr)
        return 0;
    return std::strcmp(name, m_typeName) == 0 ? 1 : 0;
}

const char* TQCtypeServer::getParentClassName(long i) const
{
    return static_cast<const char*>(m_parentNames.getData(i));
}

TQCtypeServer* TQCtypeServer::getParentClassServer(long i, const char** name)
{
    if (i < 0 || i >= m_parentNames.getNum())
        return nullptr;
    const char* parent = getParentClassName(i);
    if (name != nullptr)
        *name = parent;
    void* cached = m_parentServers.getData(i);
    if (cached == &notLookedUp) {
        cached = TQGIconductor()->searchTypeServer(parent);
        m_parentServers.setData(i, cached);
    }
    return static_cast<TQCtypeServer*>(cached);
}

unsigned char TQCtypeServer::isParentClass(const char* name)
{
    if (name == nullptr)
        return 0;
    long n = getParentClassNum();
    for (long i = 0; i < n; ++i) {
        if (std::strcmp(getParentClassName(i), name) == 0)
            return 1;
    }
    for (long i = 0; i < n; ++i) {
        TQCtypeServer* parent = getParentClassServer(i, nullptr);
        if (parent != nullptr && parent->isParentClass(name))
            return 1;
    }
    return 0;
}

void* TQCtypeServer::createInstance(void* arg)
{
    return m_create != nullptr ? m_create(arg) : nullptr;
}

void TQCtypeServer::deleteInstance(void* obj)
{
    if (m_delete != nullptr)
        m_delete(obj);
    else
        ::operator delete(obj);
}
