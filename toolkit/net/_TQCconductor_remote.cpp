// Remote calls through the conductor: a call opened on the one client
// socket, the connections of the dispatch socket served one by one on the
// application thread, and the exported instances published to the instance
// directory from the application timer.
#include "_TQCconductor.h"

#include "_TQCRbaseList.h"
#include "_TQCbase.h"
#include "_TQCbaseList.h"
#include "_TQCremoteCall.h"
#include "_TQCremoteInstanceData.h"
#include "_TQDserialize.h"
#include "_TQDsocket.h"
#include "_TQDsocketSerialize.h"
#include "_TQDtimer.h"

#include <cstring>
#include <memory>

namespace {

bool isLoopback(const char* address)
{
    return address[0] == '\0' || std::strcmp(address, "127.0.0.1") == 0 ||
           std::strcmp(address, "localhost") == 0;
}

} // namespace

void TQCconductor::setAddr(const char* address)
{
    m_addr.setString(address != nullptr ? address : "", -2);
}

// A new "SOCKET" serialiser in stream mode on the socket's own connection,
// or on the given accepted one.
TQDserialize* TQCconductor::openCallStream(TQDsocket* socket, void* connection)
{
    TQDserialize* s = getNewSerialize("SOCKET");
    if (s == nullptr)
        return nullptr;
    if (beginTransaction("SOCKET", "", s, 2) == nullptr) {
        delete s;
        return nullptr;
    }
    auto* stream = static_cast<TQDsocketSerialize*>(s->cast("TQDsocketSerialize"));
    if (stream != nullptr) {
        stream->setSocket(socket);
        if (connection != nullptr)
            stream->setSocket(connection);
    }
    return s;
}

// ---------------------------------------------------------------------------
// Client side

TQDserialize* TQCconductor::beginRemoteCall(TQCremoteCall* call)
{
    if (call == nullptr || !call->isComplete())
        return nullptr;
    if (m_clientSocket == nullptr)
        m_clientSocket = TQDsocket::getNewInstance();
    if (m_clientSocket == nullptr)
        return nullptr;
    // Each setter drops the previous call's connection.
    m_clientSocket->setDestPort(call->getPort());
    m_clientSocket->setDestAddr(call->getAddr());
    m_clientSocket->setTimeout(m_timeout);
    if (m_clientSocket->connect() != 0)
        return nullptr;
    TQDserialize* s = openCallStream(m_clientSocket, nullptr);
    if (s == nullptr)
        return nullptr;
    if (s->save("TQCremoteCall", "call1", call) < 0) {
        endRemoteCall(s);
        return nullptr;
    }
    return s;
}

long TQCconductor::endRemoteCall(TQDserialize* s)
{
    if (s != nullptr) {
        endTransaction(s);
        delete s;
    }
    return 0;
}

// ---------------------------------------------------------------------------
// Serving

void TQCconductor::addNetServerHandler(const char* className, void* handler)
{
    if (className != nullptr)
        m_netServerHandlers.setData(className, handler);
}

void TQCconductor::_accepted_work(TQDsocket* socket, void* connection, unsigned long peer)
{
    if (socket == nullptr)
        return;
    auto* conductor = static_cast<TQCconductor*>(socket->getUserData());
    if (conductor != nullptr)
        conductor->serveConnection(socket, connection, peer);
    else
        socket->close(connection);
}

// The connection is closed in every case, whatever arrived on it.
void TQCconductor::serveConnection(TQDsocket* socket, void* connection, unsigned long peer)
{
    socket->_set_dest_addr_(peer);
    TQCstring caller = socket->getDestAddr();
    TQDserialize* s = openCallStream(socket, connection);
    if (s != nullptr) {
        serveCall(s, caller.getString());
        endTransaction(s);
        delete s;
    }
    socket->close(connection);
}

// A header short of its class or operation name, or naming a class without
// handler, is not answered; one without an instance name is, as far as the
// operation needs none.
void TQCconductor::serveCall(TQDserialize* s, const char* caller)
{
    void* loaded = nullptr;
    s->loadAlloc("TQCremoteCall", "*", &loaded, nullptr);
    std::unique_ptr<TQCremoteCall> call(static_cast<TQCremoteCall*>(loaded));
    if (!call || call->getClassName() == nullptr || call->getOperationName() == nullptr)
        return;
    auto handler =
        reinterpret_cast<NetServerHandler>(m_netServerHandlers.getData(call->getClassName()));
    if (handler == nullptr)
        return;
    call->setData(caller);
    handler(s, call.get());
    // What the call changed is redrawn before the caller hears the close.
    TQGIappObjectList()->execUpdate();
}

bool TQCconductor::startAccepting()
{
    if (m_dispatchSocket->acceptEx(_accepted_work) != 0)
        return false;
    m_listening = 1;
    return true;
}

// Stopping also lets the port go, so that dispatch can start there again.
void TQCconductor::stopAccepting()
{
    if (m_dispatchSocket == nullptr || !m_listening)
        return;
    m_dispatchSocket->stopAcceptEx();
    m_dispatchSocket->destroy();
    m_listening = 0;
}

long TQCconductor::startDispatch()
{
    if (m_dispatchSocket == nullptr)
        m_dispatchSocket = TQDsocket::getNewInstance();
    if (m_dispatchSocket == nullptr)
        return 0;
    if (m_listening) {
        m_dispatchSocket->stopAcceptEx();
        m_listening = 0;
    }
    // Setting the address or port drops the previous listener.
    m_dispatchSocket->setAddr(m_addr.getString());
    m_dispatchSocket->setPort(m_port);
    m_dispatchSocket->setClTimeout(m_timeout);
    m_dispatchSocket->setUserData(this);
    // A failure is tried again by the publishing timer.
    startAccepting();
    TQDtimer* timer = TQGIappTimer();
    if (m_timerId == 0 && timer != nullptr) {
        m_updateCounter = 0;
        m_timerId = timer->addTimerProc(_timer_work, PUBLISHING_RATE, this);
    }
    m_republish = 1;
    return 0;
}

void TQCconductor::removePublishingTimer()
{
    if (m_timerId == 0)
        return;
    if (TQDtimer* timer = TQGIappTimer())
        timer->delTimerProc(m_timerId);
    m_timerId = 0;
}

bool TQCconductor::isOwnDispatcher(const char* address, unsigned short port)
{
    if (!m_listening || port != m_port || address == nullptr)
        return false;
    const char* own = m_addr.getString();
    return std::strcmp(address, own) == 0 || (isLoopback(address) && isLoopback(own));
}

// ---------------------------------------------------------------------------
// Publishing

// The directory of this process's conductor, and the one record sent to
// it, refilled for each instance.
struct TQCconductor::Publication {
    TQCRbaseList directory;
    TQCremoteInstanceData record;

    Publication(const char* address, unsigned short port)
    {
        directory.setAddr(address);
        directory.setPort(DIRECTORY_PORT);
        record.setAddr(address);
        record.setPort(port);
    }
    void describe(const char* publicName, const char* instanceName, const char* className)
    {
        record.setPublicInstanceName(publicName);
        record.setInstanceName(instanceName);
        record.setClassName(className);
    }
    void describe(TQCbase* object)
    {
        const char* exportName = object->getExportName();
        describe(exportName[0] != '\0' ? exportName : object->getInstanceName(),
                 object->getInstanceName(), object->getClassName());
    }
    bool add() { return directory.addRemoteInstanceData(&record) == 0; }
    // Done once the directory answered, also when it did not hold the
    // record (it may have been restarted since): only a call that failed
    // is tried again.
    bool withdraw()
    {
        directory.delRemoteInstanceData(&record);
        return directory.wasAnswered() != 0;
    }
};

void TQCconductor::_timer_work(unsigned char, void* conductor)
{
    if (conductor != nullptr)
        static_cast<TQCconductor*>(conductor)->publishingPass();
}

// The first failed directory call ends the pass; what was not sent waits
// for the next one.
void TQCconductor::publishingPass()
{
    if (!m_listening && m_dispatchSocket != nullptr)
        startAccepting();
    if (++m_updateCounter > 3) {
        m_republish = 1;
        m_updateCounter = 0;
    }
    Publication to(m_addr.getString(), m_port);
    if (m_republish) {
        if (!sendExported(to, &Publication::add))
            return;
        m_republish = 0;
    }
    if (publishNew(to))
        withdrawGone(to);
}

// Every instance still exported, in order. One no longer exported stays
// listed until its withdrawal has gone out, and is left alone meanwhile.
bool TQCconductor::sendExported(Publication& to, bool (Publication::*send)())
{
    TQClistData* exported = TQGIappObjectList()->getExportInstanceList();
    for (long i = 0; i < exported->getNum(); ++i) {
        TQCbase* object = static_cast<TQCbase*>(exported->getData(i));
        if (!object->getExported())
            continue;
        to.describe(object);
        if (!(to.*send)())
            return false;
    }
    return true;
}

// Each instance published becomes one of the exported ones.
bool TQCconductor::publishNew(Publication& to)
{
    TQCbaseList* list = TQGIappObjectList();
    TQClistData* fresh = list->getExportInstanceUpdateList();
    while (fresh->getNum() > 0) {
        TQCbase* object = static_cast<TQCbase*>(fresh->getData(0));
        // No longer exported before it went out: its withdrawal follows.
        if (object->getExported()) {
            to.describe(object);
            if (!to.add())
                return false;
            list->addExportInstanceList(object);
        }
        list->delExportInstanceUpdateList(object);
    }
    return true;
}

bool TQCconductor::withdrawGone(Publication& to)
{
    TQCbaseList* list = TQGIappObjectList();
    TQClistData* gone = list->getExportInstanceDeleteList();
    while (gone->getNum() > 0) {
        auto* entry = static_cast<TQCbaseList::ExportDeleteEntry*>(gone->getData(0));
        to.describe(entry->publicName, entry->instanceName, entry->className);
        if (!to.withdraw())
            return false;
        list->dropExportDeleteEntry(0);
    }
    return true;
}

long TQCconductor::stopDispatch()
{
    // Every exported instance leaves the directory, then those waiting
    // for their withdrawal.
    if (m_timerId != 0) {
        removePublishingTimer();
        Publication to(m_addr.getString(), m_port);
        if (!sendExported(to, &Publication::withdraw) || !withdrawGone(to))
            return -1;
    }
    if (m_dispatchSocket == nullptr || !m_listening)
        return -1;
    stopAccepting();
    return 0;
}
