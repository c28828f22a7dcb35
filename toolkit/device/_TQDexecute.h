// A child process started from a command line: its output reaches the
// application thread through a receive procedure, and the program may write
// to its input and end it. The base object fails every operation; the
// platform layer installs a factory for working objects.
#ifndef _TQDEXECUTE_H
#define _TQDEXECUTE_H

#include "_TQCroot.h"
#include "_TQCstring.h"
#include "_TQDcreateInstance.h"

class TQDexecute : public TQCroot {
public:
    typedef void (*ReceiveProc)(TQDexecute* child);

    TQDexecute();
    ~TQDexecute() override;
    TQ_ROOT_FRAME(TQDexecute, TQCroot)

    // Mode 1: output only, 2: output and input, 3: input only (output is not
    // collected), any other: no pipes. Output is collected only in modes 1
    // and 2 with a receive procedure set. 0 when the child was started.
    virtual long execute(const char* command, long mode);
    // Ends the child and everything that serves it, dropping pending output.
    virtual long killProcess();
    // Moves up to length bytes of pending output, without a terminator:
    // the count, 0 when nothing is pending.
    virtual long read(char* buffer, long length);
    // Moves the next pending line, ended by its newline (a carriage return
    // before it dropped), NUL-terminated; a line that does not fit leaves
    // its rest pending. buffer, or null when no line is pending.
    virtual char* gets(char* buffer, long size);
    // Writes to the child's input: the bytes written.
    virtual long write(const char* buffer, long length);
    // The working directory of the next execute; empty means the program's.
    virtual void setCurrentDir(const char* directory);
    virtual char* getCurrentDir();

    TQ_CREATE_INSTANCE_FRAME(TQDexecute)

    // The receive procedure runs on the application thread for each piece
    // of output and once more when the child has ended, which it can tell
    // by getProcessId() answering null.
    long setReceiveProc(ReceiveProc procedure, void* data);
    ReceiveProc getReceiveProc() const { return receiveProc; }
    void* getUserData() const { return userData; }
    // The child's platform handle while it runs, else null.
    void* getProcessId() const { return processId; }
    // The same handle, kept after the child's end until killProcess.
    void* getHandle() const { return handle; }

protected:
    TQCstring command;      // of the last execute, after name adjustment
    TQCstring currentDir;
    void* processId;
    ReceiveProc receiveProc;
    void* handle;
    long mode;              // of the last execute that made pipes
    void* userData;
};

#endif
