// One entry of the instance directory: the public name under which an
// object is offered, its instance and class name in its own process, and
// the address and dispatcher port of that process. It travels as the
// structure "TQCremoteInstanceData".
#ifndef _TQCREMOTEINSTANCEDATA_H
#define _TQCREMOTEINSTANCEDATA_H

#include "_TQCstring.h"

class TQDserialize;

class TQCremoteInstanceData {
public:
    TQCremoteInstanceData();

    // The setters copy; null is taken as empty. The getters hand out copies.
    void setAddr(const char* address) { set(m_addr, address); }
    void setPort(unsigned short port) { m_port = port; }
    void setPublicInstanceName(const char* name) { set(m_publicInstanceName, name); }
    void setInstanceName(const char* name) { set(m_instanceName, name); }
    void setClassName(const char* name) { set(m_className, name); }
    TQCstring getAddr() const { return m_addr; }
    unsigned short getPort() const { return m_port; }
    TQCstring getPublicInstanceName() const { return m_publicInstanceName; }
    TQCstring getInstanceName() const { return m_instanceName; }
    TQCstring getClassName() const { return m_className; }

    // Equal in all five fields, the texts byte for byte in the default
    // encoding.
    bool isEqual(TQCremoteInstanceData& other);
    bool hasPublicName(const char* name);

private:
    friend void _TQCremoteInstanceData_save(TQDserialize* s, void* record);
    friend void _TQCremoteInstanceData_load(TQDserialize* s, void* record);
    static void set(TQCstring& field, const char* text) { field.setString(text ? text : ""); }

    TQCstring m_addr;
    unsigned short m_port;
    TQCstring m_publicInstanceName;
    TQCstring m_instanceName;
    TQCstring m_className;
};

// The handlers of its type server. Loading fills only the fields present.
void _TQCremoteInstanceData_save(TQDserialize* s, void* record);
void _TQCremoteInstanceData_load(TQDserialize* s, void* record);
void* _TQCremoteInstanceData_create(void* unused);
void _TQCremoteInstanceData_delete(void* record);

#endif
