// Replaceable process hooks: exit, the end of the platform's threads, beep,
// language and mapping handlers, the application's window list and the
// small id conversions.
#include "_TQGFdebug.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "_TQCbase.h"

namespace {

void* g_beepFunction = nullptr;
long (*g_languageHandler)() = nullptr;
long (*g_mappingHandler)() = nullptr;
long g_langVal = 0;
char g_langName[32] = "";
TQCbase* g_appWindowList = nullptr;
TQCbool (*g_enableCloseReader)(TQCbase*) = nullptr;
void (*g_endThreadsHandler)() = nullptr;

} // namespace

void TQGFexit(int status)
{
    std::exit(status);
}

void TQGFendThreads()
{
    if (g_endThreadsHandler != nullptr)
        g_endThreadsHandler();
}

void TQGFsetEndThreadsHandler(void (*handler)())
{
    g_endThreadsHandler = handler;
}

void TQGFsetBeepFunction(void* function)
{
    g_beepFunction = function;
}

void TQGFbeep()
{
    if (g_beepFunction != nullptr)
        reinterpret_cast<void (*)()>(g_beepFunction)();
}

void TQGFsetGetLanguageHandler(long (*handler)())
{
    g_languageHandler = handler;
}

long TQGFgetLanguage()
{
    return g_languageHandler != nullptr ? g_languageHandler() : 0;
}

void TQGFsetGetMappingHandler(long (*handler)())
{
    g_mappingHandler = handler;
}

long TQGFgetMapping()
{
    return g_mappingHandler != nullptr ? g_mappingHandler() : 0;
}

void TQGFsetLangVal(long value)
{
    g_langVal = value;
}

char* TQGFsetLangName(const char* name)
{
    std::snprintf(g_langName, sizeof g_langName, "%s", name != nullptr ? name : "");
    return g_langName;
}

TQCbase* TQGIappWindowList()
{
    return g_appWindowList;
}

long TQGFsetAppWindowList(TQCbase* list)
{
    g_appWindowList = list;
    return 0;
}

TQCbool TQGFgetWindowEnableClose(TQCbase* object)
{
    if (object == nullptr || object->cast("TQCwindow") == nullptr)
        return 1;
    return g_enableCloseReader != nullptr ? g_enableCloseReader(object) : 1;
}

void _TQGFsetWindowEnableCloseReader(TQCbool (*reader)(TQCbase* window))
{
    g_enableCloseReader = reader;
}

unsigned char TQGFblinkRate(long ms)
{
    return static_cast<unsigned char>(ms / 250);
}

TQCprocedure* TQGFidToProcedure(unsigned long id)
{
    return reinterpret_cast<TQCprocedure*>(static_cast<uintptr_t>(id));
}

unsigned long TQGFprocedureToId(TQCprocedure* procedure)
{
    return static_cast<unsigned long>(reinterpret_cast<uintptr_t>(procedure));
}
