// The file system on Win32: toolkit file names in their platform form,
// renaming, deleting and making files and directories, what a name is, and
// listings of drives, directories, files and network resources.
#ifndef TQDWINFS_H
#define TQDWINFS_H

#include "_TQDfileSystem.h"

// NETRESOURCEA, declared without the Win32 headers.
struct _NETRESOURCEA;

class TQDwinFS : public TQDfileSystem {
public:
    TQDwinFS() = default;
    ~TQDwinFS() override;

    // Environment references expanded, leading blanks and every line feed
    // removed, "\" turned into "/". The result lives in one buffer of 1,024
    // bytes that the next call overwrites.
    char* adjustFileName(char* name) override;
    // Replaces an existing file named to, but only when the rename happens:
    // a missing from, from equal to to, or a failed rename leaves to as it
    // was.
    long rename(char* from, char* to) override;
    long deleteFile(char* name) override;
    long createDir(char* name) override;
    long deleteDir(char* name) override;
    long check(char* name) override;
    // Null when nothing was found, also for a path longer than the remote
    // name of a network resource may be.
    TQClistData* showNetDir(char* path, char* provider) override;
    TQClistData* showDir(char* dir) override;
    TQClistData* showFile(char* dir) override;

    // The list of showNetDir for the resources found under path: each
    // remote name with "/" separators and without the leading path; at most
    // 128 entries. Null for no entries.
    static TQClistData* listNetResources(const char* path, const _NETRESOURCEA* entries,
                                         unsigned long count);
};

TQDfileSystem* _win_fs_chandler();
void TQGFinitWinFileSystem();

#endif
