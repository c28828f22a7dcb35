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

    // _open gives 0 opened, 14 not opened. Mode 1 writes a new file, mode 2
    // opens an existing file for update or creates it, any other mode
    // reads. Names are taken relative to the path, when one is set.
    TQ_SERIALIZE_FRAME(TQDfileSerialize)

private:
    bool fullName(const char* name, char* out, size_t size);

    FILE* m_file;
};

// Registers one more file serialiser with the conductor, once per run.
void TQGFinitFS();

#endif
