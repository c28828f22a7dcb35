// The toolkit's file object. The base class serves named in-memory files
// from a process-wide registry (type 2); disk and remote files belong to the
// platform class, which derives from it and is made through the create
// handler.
#ifndef _TQDFILE_H
#define _TQDFILE_H

#include "TQtypes.h"
#include "_TQCroot.h"
#include "_TQCstring.h"
#include "_TQDcreateInstance.h"

class TQDfile : public TQCroot {
public:
    // The one kind of file the base class serves.
    enum { TYPE_MEMORY = 2 };

    TQDfile();
    ~TQDfile() override;
    TQ_ROOT_FRAME(TQDfile, TQCroot)
    TQ_CREATE_INSTANCE_FRAME(TQDfile)

    // In-memory operations. Unless the object is type 2 and open they are
    // refused: open, close and the seeks give -1, counts and the size and
    // position 0, eof 1.
    virtual long open(char* name, char* mode);
    virtual long close();
    virtual long read(void* buffer, long n);
    virtual long write(void* buffer, long n);
    virtual long eof();
    virtual long seek(long position);
    virtual long seekSet();
    virtual long seekEnd();
    virtual long getSize();
    virtual long tell();

    void setType(char type) { m_type = static_cast<signed char>(type); }
    char getType() const { return static_cast<char>(m_type); }
    void setReadOnly(unsigned char on) { m_readOnly = on ? 1 : 0; }
    unsigned char isReadOnly() const { return m_readOnly; }

    // The registry of in-memory files. The data stays the registrant's and
    // must outlive every file opened on it. Registering a name again
    // replaces its data; null data removes the name.
    static long setFileHandle(char* name, unsigned char* data, u32 size);
    static long delFileHandle(char* name);
    // The data of a registered name, with its size written through size
    // (which may be null); null for a name that is not registered.
    static unsigned char* getFileHandle(char* name, u32* size);
    static unsigned char getFileHandleRegistered();

protected:
    bool servesMemory() const { return m_type == TYPE_MEMORY && m_data != nullptr; }

    TQCstring m_name;
    unsigned char m_readOnly;
    signed char m_type;
    u32 m_position;
    u32 m_size;
    unsigned char* m_data;
};

#endif
