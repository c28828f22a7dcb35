// Base loadable module: the hand-over pointer and project name of the
// process; every operation fails.
#include "_TQDexternal.h"

namespace {

void* g_tempData = nullptr;
char* g_projectName = nullptr;
char g_noName[] = "";

} // namespace

TQDexternal::TQDexternal() : symbols(nullptr)
{
}

TQDexternal::~TQDexternal() = default;

long TQDexternal::open(const char*)
{
    return -1;
}

long TQDexternal::close()
{
    return -1;
}

TQCstring* TQDexternal::getObjectSymbols()
{
    return nullptr;
}

char* TQDexternal::getName()
{
    return name.getString();
}

void TQDexternal::setTempData(void* data)
{
    g_tempData = data;
}

void* TQDexternal::getTempData()
{
    return g_tempData;
}

void TQDexternal::setProjectName(char* projectName)
{
    g_projectName = projectName;
}

char* TQDexternal::getProjectName()
{
    return g_projectName != nullptr ? g_projectName : g_noName;
}
