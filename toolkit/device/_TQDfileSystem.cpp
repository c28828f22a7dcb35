// File-system service: the base versions and the application's instance.
#include "_TQDfileSystem.h"

TQDfileSystem::~TQDfileSystem() = default;

char* TQDfileSystem::adjustFileName(char* name)
{
    return name;
}

long TQDfileSystem::rename(char*, char*)
{
    return -1;
}

long TQDfileSystem::deleteFile(char*)
{
    return -1;
}

long TQDfileSystem::createDir(char*)
{
    return -1;
}

long TQDfileSystem::deleteDir(char*)
{
    return -1;
}

long TQDfileSystem::check(char*)
{
    return 0;
}

TQClistData* TQDfileSystem::showNetDir(char*, char*)
{
    return nullptr;
}

TQClistData* TQDfileSystem::showDir(char*)
{
    return nullptr;
}

TQClistData* TQDfileSystem::showFile(char*)
{
    return nullptr;
}

TQDfileSystem* TQGIappFileSystem()
{
    return TQGFappInstance<TQDfileSystem>();
}
