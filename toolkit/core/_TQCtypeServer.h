// The type server of one serialisable structure type: its name, its parent
// types and the handlers that create, delete, save and load an instance.
// Every server registers itself with the conductor when it is made.
#ifndef _TQCTYPESERVER_H
#define _TQCTYPESERVER_H

#include "_TQClistData.h"

class TQDserialize;

class TQCtypeServer {
public:
    typedef void* (*CreateHandler)(void* arg);
    typedef void (*DeleteHandler)(void* obj);
    typedef void (*SaveHandler)(TQDserialize* s, void* obj);
    typedef void (*LoadHandler)(TQDserialize* s, void* obj);

    TQCtypeServer();
    // Frees the lists; the server stays registered.
    virtual ~TQCtypeServer();
    TQCtypeServer(const TQCtypeServer&) = delete;
    TQCtypeServer& operator=(const TQCtypeServer&) = delete;

    // obj viewed as the named class: obj when className is the type or one
    // of its ancestors, else null.
    virtual void* getParentClassPtr(const char* className, void* obj) = 0;

    // The name is kept by pointer, never copied.
    void setType(const char* name);
    // Appends a parent type name, kept by pointer.
    void addParentClassName(const char* name);
    void setCreateHandler(CreateHandler handler) { m_create = handler; }
    void setDeleteHandler(DeleteHandler handler) { m_delete = handler; }
    void setSaveHandler(SaveHandler handler) { m_save = handler; }
    void setLoadHandler(LoadHandler handler) { m_load = handler; }
    SaveHandler getSaveHandler() const { return m_save; }
    LoadHandler getLoadHandler() const { return m_load; }

    unsigned char isHit(const char* name) const;
    long getParentClassNum() const { return m_parentNames.getNum(); }
    const char* getParentClassName(long i) const;
    // The server of parent i, looked up once and cached (null included);
    // stores the parent's name through name. Null for i outside the list.
    TQCtypeServer* getParentClassServer(long i, const char** name);
    // 1 when name is a parent of this type at any distance.
    unsigned char isParentClass(const char* name);

    void* createInstance(void* arg);
    void deleteInstance(void* obj);

private:
    TQClistData m_parentNames;
    TQClistData m_parentServers;
    CreateHandler m_create;
    DeleteHandler m_delete;
    SaveHandler m_save;
    LoadHandler m_load;
    const char* m_typeName;
};

#endif
