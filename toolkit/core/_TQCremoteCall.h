// The record of one remote call: where it goes, and the class, instance and
// operation it names; on the serving side also the caller's address. Only
// the three names travel, as the structure "TQCremoteCall".
#ifndef _TQCREMOTECALL_H
#define _TQCREMOTECALL_H

#include "_TQCstring.h"

class TQDserialize;

class TQCremoteCall {
public:
    TQCremoteCall();
    ~TQCremoteCall();
    TQCremoteCall(const TQCremoteCall&) = delete;
    TQCremoteCall& operator=(const TQCremoteCall&) = delete;

    void setPort(unsigned short port) { m_port = port; }
    unsigned short getPort() const { return m_port; }
    void setAddr(const char* address) { m_addr.setString(address != nullptr ? address : ""); }
    char* getAddr() { return m_addr.getString(); }
    // The caller's dotted address, stored by the dispatcher.
    void setData(const char* text) { m_data.setString(text != nullptr ? text : ""); }
    char* getData() { return m_data.getString(); }

    // Each keeps its own copy; null until set.
    void setClassName(const char* name) { replace(m_className, name); }
    void setInstanceName(const char* name) { replace(m_instanceName, name); }
    void setOperationName(const char* name) { replace(m_operationName, name); }
    const char* getClassName() const { return m_className; }
    const char* getInstanceName() const { return m_instanceName; }
    const char* getOperationName() const { return m_operationName; }

    // Whether all three names are there: a call short of one is not served.
    bool isComplete() const;

private:
    friend void _TQCremoteCall_save(TQDserialize* s, void* call);
    friend void _TQCremoteCall_load(TQDserialize* s, void* call);
    static void replace(char*& field, const char* name);
    // Takes a name allocated with new[].
    static void adopt(char*& field, char* name);

    unsigned short m_port;
    TQCstring m_addr;
    char* m_className;
    char* m_instanceName;
    char* m_operationName;
    TQCstring m_data;
};

// The handlers of its type server. Saving needs all three names.
void _TQCremoteCall_save(TQDserialize* s, void* call);
void _TQCremoteCall_load(TQDserialize* s, void* call);
void* _TQCremoteCall_create(void* unused);
void _TQCremoteCall_delete(void* call);

#endif
