// A file held in memory: a private byte buffer with a position, offering
// the operations of a sequential file.
#ifndef _TQCMFILE_H
#define _TQCMFILE_H

class TQCmfile {
public:
    TQCmfile();
    virtual ~TQCmfile();

    // Keeps its own copy of length bytes of data.
    long open(const void* data, long length);
    // Takes over a buffer allocated with new[].
    long setBuf(void* buffer, long length);
    long close();

    long read(void* dst, long n);
    long write(const void* src, long n);
    long seek(long offset);
    long seekSet();
    long seekEnd();
    long tell();
    long getSize();
    long eof();

private:
    char* buf;
    long pos;
    long size;
};

#endif
