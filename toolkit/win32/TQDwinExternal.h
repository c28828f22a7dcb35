// Loadable modules on Win32: a dynamic-link library loaded by path, with the
// symbol table it hands over while it loads.
#ifndef TQDWINEXTERNAL_H
#define TQDWINEXTERNAL_H

#include "_TQDexternal.h"

class TQDwinExternal : public TQDexternal {
public:
    TQDwinExternal();
    ~TQDwinExternal() override;
    TQ_ROOT_FRAME(TQDwinExternal, TQDexternal)

    // Loads the path as given, without search rules of the toolkit's own;
    // a module already open is unloaded first.
    long open(const char* path) override;
    long close() override;
    TQCstring* getObjectSymbols() override;

private:
    void* module;  // HMODULE, null while nothing is loaded
};

TQDexternal* _win_external_create();
void TQGFwinExternalInit();

#endif
