/* A module for the tests of loadable modules. Built with PUBLISH_SYMBOLS, it
   hands its symbol table over while it loads, through the function that the
   test program exports; without it, it hands over nothing. */
#include "TQwin32.h"

#ifdef PUBLISH_SYMBOLS
static char* symbols[] = {"a", "b", "c", "d", "e", "f", 0};

static void publish(void)
{
    typedef void (*Publish)(void* table);
    Publish publishSymbols = (Publish)(void (*)(void))GetProcAddress(GetModuleHandleA(NULL),
                                                                     "publishModuleSymbols");
    if (publishSymbols != NULL)
        publishSymbols(symbols);
}
#endif

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    (void)instance;
    (void)reserved;
#ifdef PUBLISH_SYMBOLS
    if (reason == DLL_PROCESS_ATTACH)
        publish();
#else
    (void)reason;
#endif
    return TRUE;
}
