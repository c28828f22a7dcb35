// Base child process: keeps the settings, fails every operation.
#include "_TQDexecute.h"

TQDexecute::TQDexecute()
    : processId(nullptr), receiveProc(nullptr), handle(nullptr), mode(0), userData(nullptr)
{
}

TQDexecute::~TQDexecute() = default;

long TQDexecute::execute(const char*, long)
{
    return -1;
}

long TQDexecute::killProcess()
{
    return -1;
}

long TQDexecute::read(char*, long)
{
    return -1;
}

char* TQDexecute::gets(char*, long)
{
    return nullptr;
}

long TQDexecute::write(const char*, long)
{
    return -1;
}

void TQDexecute::setCurrentDir(const char* directory)
{
    currentDir.setString(directory != nullptr ? directory : "");
}

char* TQDexecute::getCurrentDir()
{
    return currentDir.getString();
}

long TQDexecute::setReceiveProc(ReceiveProc procedure, void* data)
{
    receiveProc = procedure;
    userData = data;
    return 0;
}
