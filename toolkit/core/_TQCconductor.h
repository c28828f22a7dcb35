// The conductor: the application-wide registry of type servers and
// serialiser prototypes, the choice of a serialiser for a transaction, and
// the forwarding of save and load requests to it.
#ifndef _TQCCONDUCTOR_H
#define _TQCCONDUCTOR_H

#include "_TQClistData.h"
#include "_TQCstring.h"

class TQCbase;
class TQCtypeServer;
class TQDserialize;

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

private:

    TQClistData m_serializers;
    TQClistData m_typeServers;
    TQCstring m_serializePath;
};

// The single conductor, made on first call and never destroyed.
TQCconductor* TQGIconductor();

#endif
