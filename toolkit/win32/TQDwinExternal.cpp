// Loadable modules through LoadLibraryA.
#include "TQDwinExternal.h"

#include "TQwin32.h"

TQDwinExternal::TQDwinExternal() : module(nullptr)
{
}

TQDwinExternal::~TQDwinExternal()
{
    close();
}

long TQDwinExternal::open(const char* path)
{
    close();
    setTempData(nullptr);
    name.setString(path != nullptr ? path : "");
    if (path == nullptr)
        return -1;
    // The module's start-up code runs inside the load and may hand over its
    // table through setTempData.
    HMODULE loaded = LoadLibraryA(path);
    if (loaded == nullptr)
        return -1;
    module = loaded;
    symbols = static_cast<char**>(getTempData());
    return 0;
}

long TQDwinExternal::close()
{
    if (module != nullptr)
        FreeLibrary(static_cast<HMODULE>(module));
    module = nullptr;
    symbols = nullptr;
    return 0;
}

TQCstring* TQDwinExternal::getObjectSymbols()
{
    if (symbols == nullptr)
        return nullptr;
    TQCstring* text = new TQCstring;
    for (char** group = symbols; group[0] != nullptr; group += 3) {
        const char* parts[3] = {group[0], group[1], group[2]};
        const char* after[3] = {" ", "\n", "\n"};
        for (int i = 0; i < 3; ++i) {
            text->addString(parts[i] != nullptr ? parts[i] : "");
            text->addString(after[i]);
        }
    }
    return text;
}

TQ_PLATFORM_FACTORY(TQDexternal, TQDwinExternal, _win_external_create, TQGFwinExternalInit)
