// The connection a database driver supplies: the base a driver's database
// derives from, with the answers of a driver that supports nothing. Every
// body is in this header, so that a driver module built against it carries
// no toolkit code of its own.
#ifndef _TQCDBDRVDATABASE_H
#define _TQCDBDRVDATABASE_H

class TQCdbDrvDatabase {
public:
    TQCdbDrvDatabase() = default;
    virtual ~TQCdbDrvDatabase() {}

    // 0 for success, any other value for failure. All five are texts.
    virtual long open(char*, char*, char*, char*, char*) { return 0; }
    virtual long close() { return 0; }
    virtual long beginTran() { return 0; }
    virtual long commitTran() { return 0; }
    virtual long abortTran() { return 0; }
    virtual long sqlExecute(const char*) { return 0; }
    virtual unsigned char isOpen() { return 0; }
    // The caller gives 28 bytes for the state and 256 for the message.
    virtual void getErrorMsg(char*, char*) {}
    // At most size - 1 characters and a NUL.
    virtual void getErrorMsg(char*, long) {}
    virtual void setEncode(long) {}
    virtual long getEncode() { return -1; }

    // The driver's own pointer; null until it sets one.
    void setThisPtr(void* pointer) { m_thisPtr = pointer; }
    void* getThisPtr() { return m_thisPtr; }
    void getError() {}

private:
    void* m_thisPtr = nullptr;
};

#endif
