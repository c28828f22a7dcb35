// Files on Win32: registered in-memory files, remote "http://" files held
// in memory, and disk files through the runtime library's streams, with a
// fallback on Win32 file handles.
#ifndef TQDWINFILE_H
#define TQDWINFILE_H

#include "_TQDfile.h"

#include <cstdio>
#include <string>

class TQCmfile;

class TQDwinFile : public TQDfile {
public:
    TQDwinFile();
    ~TQDwinFile() override;
    TQ_ROOT_FRAME(TQDwinFile, TQDfile)
    static const char* getThisClassName() { return "TQDwinFile"; }

    // The name loses its leading blanks. A name of the in-memory registry
    // opens that file; otherwise the modes of fopen. "r+" on a missing file
    // creates it; the Win32 fallback knows "r", "r+", "w", "w+", "a" and
    // "a+", and opens an existing file for "r+", "a" and "a+" without
    // emptying it. 0 or -1.
    long open(char* name, char* mode) override;
    long close() override;
    long read(void* buffer, long n) override;
    long write(void* buffer, long n) override;
    long eof() override;
    // -1 when nothing is open or the move fails.
    long seek(long offset) override;
    long seekSet() override;
    long seekEnd() override;
    long getSize() override;
    long tell() override;

private:
    long openRemote(const char* name);
    long openStream(const std::wstring& name, const char* mode);
    long openHandle(const std::wstring& name, const char* mode);
    bool hasHandle() const;
    long transfer(void* buffer, long n, bool writing);
    long moveTo(long offset, bool toEnd);

    std::FILE* m_stream;
    TQCmfile* m_memory;
    void* m_handle;
};

TQDfile* _win_file_chandler();
void TQGFinitializeWinFile();

#endif
