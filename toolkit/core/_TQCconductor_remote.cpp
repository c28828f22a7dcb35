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

// A header short of its class, instance or operation name, or naming a
// class without handler, is not answered.
void TQCconductor::serveCall(TQDserialize* s, const char* caller)
{
    void* loaded = nullptr;
    s->loadAlloc("TQCremoteCall", "*", &loaded, nullptr);
    std::unique_ptr<TQCremoteCall> call(static_cast<TQCremoteCall*>(loaded));
    if (!call || !call->isComplete())
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

long TQCconductor::stopDispatch()
{
    if (m_timerId != 0) {
        removePublishingTimer();
        if (!withdrawAll() || !withdrawGone())
            return -1;
    }
    if (m_dispatchSocket == nullptr || !m_listening)
        return -1;
    stopAccepting();
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
    if (m_republish) {
        if (!publishAll())
            return;
        m_republish = 0;
    }
    if (publishNew())
        withdrawGone();
}

// The directory record of an exported instance as this process serves it.
void TQCconductor::describe(TQCbase* object, TQCremoteInstanceData* record)
{
    const char* exportName = object->getExportName();
    record->setPublicInstanceName(exportName[0] != '\0' ? exportName : object->getInstanceName());
    record->setInstanceName(object->getInstanceName());
    record->setClassName(object->getClassName());
    record->setAddr(m_addr.getString());
    record->setPort(m_port);
}

namespace {

// The directory of this process's conductor.
void aimAtDirectory(TQCRbaseList& directory, TQCconductor& conductor)
{
    directory.setAddr(conductor.getAddr().getString());
    directory.setPort(TQCconductor::DIRECTORY_PORT);
}

} // namespace

// An instance no longer exported stays listed until its withdrawal has
// gone out; it is not published again meanwhile.
bool TQCconductor::publishAll()
{
    TQCRbaseList directory;
    aimAtDirectory(directory, *this);
    TQCremoteInstanceData record;
    TQClistData* exported = TQGIappObjectList()->getExportInstanceList();
    for (long i = 0; i < exported->getNum(); ++i) {
        TQCbase* object = static_cast<TQCbase*>(exported->getData(i));
        if (!object->getExported())
            continue;
        describe(object, &record);
        if (directory.addRemoteInstanceData(&record) != 0)
            return false;
    }
    return true;
}

// Each instance published becomes one of the exported ones.
bool TQCconductor::publishNew()
{
    TQCRbaseList directory;
    aimAtDirectory(directory, *this);
    TQCremoteInstanceData record;
    TQCbaseList* list = TQGIappObjectList();
    TQClistData* fresh = list->getExportInstanceUpdateList();
    while (fresh->getNum() > 0) {
        TQCbase* object = static_cast<TQCbase*>(fresh->getData(0));
        // No longer exported before it went out: its withdrawal follows.
        if (!object->getExported()) {
            list->delExportInstanceUpdateList(object);
            continue;
        }
        describe(object, &record);
        if (directory.addRemoteInstanceData(&record) != 0)
            return false;
        list->addExportInstanceList(object);
        list->delExportInstanceUpdateList(object);
    }
    return true;
}

// A withdrawal that the directory answered is done, also when it did not
// hold the record (it may have been restarted since): only a call that
// failed keeps the entry for the next pass.
bool TQCconductor::withdrawGone()
{
    TQCRbaseList directory;
    aimAtDirectory(directory, *this);
    TQCremoteInstanceData record;
    TQCbaseList* list = TQGIappObjectList();
    TQClistData* gone = list->getExportInstanceDeleteList();
    while (gone->getNum() > 0) {
        auto* entry = static_cast<TQCbaseList::ExportDeleteEntry*>(gone->getData(0));
        record.setPublicInstanceName(entry->publicName);
        record.setInstanceName(entry->instanceName);
        record.setClassName(entry->className);
        record.setAddr(m_addr.getString());
        record.setPort(m_port);
        directory.delRemoteInstanceData(&record);
        if (!directory.wasAnswered())
            return false;
        list->dropExportDeleteEntry(0);
    }
    return true;
}

// On stopping: every exported instance leaves the directory; the pending
// withdrawals (of those no longer exported) follow.
bool TQCconductor::withdrawAll()
{
    TQCRbaseList directory;
    aimAtDirectory(directory, *this);
    TQCremoteInstanceData record;
    TQClistData* exported = TQGIappObjectList()->getExportInstanceList();
    for (long i = 0; i < exported->getNum(); ++i) {
        TQCbase* object = static_cast<TQCbase*>(exported->getData(i));
        if (!object->getExported())
            continue;
        describe(object, &record);
        directory.delRemoteInstanceData(&record);
        if (!directory.wasAnswered())
            return false;
    }
    return true;
}
