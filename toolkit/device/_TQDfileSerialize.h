// The serialiser of type "FILE": a transaction reads a whole file of records
// into memory and, when something was saved, writes the file anew at the end.
#ifndef _TQDFILESERIALIZE_H
#define _TQDFILESERIALIZE_H

#include <cstdio>

#include "_TQDserialize.h"

class TQDfileSerialize : public TQDserialize {
public:
    TQDfileSerialize();
    // Closes a file left open.
    ~TQDfileSerialize() override;

    static const char* getThisClassName() { return "TQDfileSerialize"; }
    TQ_ROOT_FRAME(TQDfileSerialize, TQDserialize)

    // 0 opened, 14 not opened. Mode 1 writes a new file, mode 2 opens an
    // existing file for update or creates it, any other mode reads. Names
    // are taken relative to the path, when one is set.
    long _open(const char* name, long mode) override;
    long _close() override;
    long _read(void* buf, long n) override;
    long _write(const void* buf, long n) override;
    long _eof() override;
    long _seek(long pos) override;
    long _seek_set() override;
    long _seek_end() override;
    long _size() override;
    long _tell() override;
    unsigned char type(const char* name) override;
    TQDserialize* createSerialize() override;
    long endTransaction() override;

private:
    bool fullName(const char* name, char* out, size_t size);

    FILE* m_file;
};

// Registers one more file serialiser with the conductor, once per run.
void TQGFinitFS();

#endif
