// The file-system service: renaming and deleting, directories, listings and
// path checks. The platform supplies the real one through the create
// handler; the base versions refuse or find nothing.
#ifndef _TQDFILESYSTEM_H
#define _TQDFILESYSTEM_H

#include "_TQDcreateInstance.h"

class TQClistData;

class TQDfileSystem {
public:
    // Bits of check().
    enum {
        CHECK_FILE = 0x01,
        CHECK_DIR = 0x02,
        CHECK_NOT_WRITABLE = 0x04,
        CHECK_DRIVE = 0x08,
        CHECK_DRIVE_NOT_READY = 0x10
    };

    virtual ~TQDfileSystem();

    // The name in the platform's path form.
    virtual char* adjustFileName(char* name);
    // 0 on success, -1 on failure.
    virtual long rename(char* from, char* to);
    virtual long deleteFile(char* name);
    virtual long createDir(char* name);
    virtual long deleteDir(char* name);
    // The CHECK_ bits of a path; 0 when it does not exist.
    virtual long check(char* path);
    // New lists of newly allocated names, which the caller frees with the
    // list. showDir lists the subdirectories of a path without "." and
    // "..", or the existing drives ("A:" to "Z:") for an empty path;
    // showFile lists its files.
    virtual TQClistData* showNetDir(char* host, char* path);
    virtual TQClistData* showDir(char* path);
    virtual TQClistData* showFile(char* path);

    TQ_CREATE_HANDLER_FRAME(TQDfileSystem)
};

// The application's file system, made by the installed handler on the first
// call after one is installed; null while none is.
TQDfileSystem* TQGIappFileSystem();

#endif
