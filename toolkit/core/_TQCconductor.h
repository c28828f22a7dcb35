// The conductor: the application-wide registry of type servers and
// serialiser prototypes, the choice of a serialiser for a transaction, the
// forwarding of save and load requests to it, and remote calls: opening
// them, serving them on the dispatch port, and publishing the exported
// instances to the instance directory.
#ifndef _TQCCONDUCTOR_H
#define _TQCCONDUCTOR_H

#include "_TQCindexData.h"
#include "_TQClistData.h"
#include "_TQCstring.h"

class TQCbase;
class TQCremoteCall;
class TQCremoteInstanceData;
class TQCtypeServer;
class TQDserialize;
class TQDsocket;

class TQCconductor {
public:
    TQCconductor();
    virtual ~TQCconductor();
    TQCconductor(const TQCconductor&) = delete;
    TQCconductor& operator=(const TQCconductor&) = delete;

    // Registration; nothing registered is owned. Each gives 0.
    long addSerialize(TQDserialize* prototype);
    long add(TQCtypeServer* server);
    long del(TQCtypeServer* server);

    TQCtypeServer* searchTypeServer(const char* type);
    // An idle registered serialiser of the type, else a new unregistered one
    // made by the last matching prototype; null for an unknown type.
    TQDserialize* getSerialize(const char* type);
    // Always a new serialiser, made by the first matching prototype.
    TQDserialize* getNewSerialize(const char* type);

    // Directory of the files that transactions open, in the default encoding.
    char* getSerializePath();
    void setSerializePath(const char* path);

    // A serialiser of the type with its transaction begun on name, or null.
    TQDserialize* beginTransaction(const char* type, const char* name, int mode);
    TQDserialize* beginTransaction(const char* type, const char* name, TQDserialize* s,
                                   int mode);
    // Ends s's transaction when it has one. Always 0.
    long endTransaction(TQDserialize* s);

    long save(TQDserialize* s, const char* type, const char* name, void* p);
    long load(TQDserialize* s, const char* type, const char* name, void* p);
    long loadAlloc(TQDserialize* s, const char* type, const char* name, void** out,
                   void* arg);

    // An object tree as a top-level record of the object's class, named name.
    long saveGUI(TQDserialize* s, const char* name, TQCbase* obj);
    // The first top-level record's object tree, made under parent.
    long loadGUI(TQDserialize* s, TQCbase** out, TQCbase* parent);

    // True for a registered prototype; false for a serialiser made because
    // every prototype was busy, which belongs to whoever asked for it.
    bool isRegistered(TQDserialize* s) const;

    // Remote calls. The dispatch address (empty: every local address) and
    // port, and the time-out in seconds of every connect and wait.
    void setAddr(const char* address);
    TQCstring getAddr() const { return m_addr; }
    void setPort(unsigned short port) { m_port = port; }
    unsigned short getPort() const { return m_port; }
    void setTimeout(unsigned long seconds) { m_timeout = seconds; }
    unsigned long getTimeout() const { return m_timeout; }

    // Connects to the call's address and port and writes its header: the
    // serialiser for the arguments and the answer, or null when the call
    // cannot be opened (nothing is then sent).
    TQDserialize* beginRemoteCall(TQCremoteCall* call);
    // Ends the call's transaction and deletes s. 0.
    long endRemoteCall(TQDserialize* s);

    // handler is a NetServerHandler; the class name is kept by pointer, and
    // a second handler for a name replaces the first.
    typedef void (*NetServerHandler)(TQDserialize* s, TQCremoteCall* call);
    void addNetServerHandler(const char* className, void* handler);

    // Starts serving calls on the dispatch port (again, when it already
    // does) and publishing the exported instances. 0.
    long startDispatch();
    // Withdraws the published instances from the directory and stops
    // accepting calls: 0, or -1 when dispatch was not running or a
    // withdrawal could not be made (dispatch then goes on).
    long stopDispatch();
    // The dispatch socket's accept callback: serves one connection.
    static void _accepted_work(TQDsocket* socket, void* connection, unsigned long peer);
    // The publishing pass, run every 40 ticks of the application timer.
    static void _timer_work(unsigned char tick, void* conductor);
    // Restarts the count towards the next full publication.
    void clearUpdateCounter() { m_updateCounter = 0; }
    // Whether calls to address and port would reach this process's own
    // dispatcher, which cannot answer them: the application thread that
    // serves it would be waiting for the answer.
    bool isOwnDispatcher(const char* address, unsigned short port);

    enum { DIRECTORY_PORT = 9105, PUBLISHING_RATE = 40 };

private:
    TQDserialize* openCallStream(TQDsocket* socket, void* connection);
    void serveConnection(TQDsocket* socket, void* connection, unsigned long peer);
    void serveCall(TQDserialize* s, const char* caller);
    bool startAccepting();
    void stopAccepting();
    struct Publication;
    void publishingPass();
    bool sendExported(Publication& to, bool (Publication::*send)());
    bool publishNew(Publication& to);
    bool withdrawGone(Publication& to);
    void removePublishingTimer();

    TQClistData m_serializers;
    TQClistData m_typeServers;
    TQCstring m_serializePath;

    TQCstring m_addr;
    unsigned short m_port;
    unsigned long m_timeout;
    TQDsocket* m_dispatchSocket;
    TQDsocket* m_clientSocket;
    unsigned char m_listening;
    unsigned char m_republish;
    TQCindexData m_netServerHandlers;
    long m_timerId;
    long m_updateCounter;
};

// The single conductor, made on first call and never destroyed.
TQCconductor* TQGIconductor();

#endif
