// The environment service on Windows: variables of the process environment,
// with Windows names behind the toolkit's HOME, USER, WINDIR and TQDIR.
#ifndef TQDWINENV_H
#define TQDWINENV_H

#include "_TQDenv.h"

class TQDwinEnv : public TQDenv {
public:
    TQDwinEnv() = default;
    ~TQDwinEnv() override;

    // Parentheses in the name are ignored and only its first word counts.
    // HOME reads USERPROFILE and USER reads USERNAME; WINDIR is the Windows
    // directory; TQDIR, when not set, is the working directory of its first
    // lookup followed by "\..". The text is not the caller's to free.
    char* getEnv(const char* name) override;
};

TQDenv* _win_env_chandler();
void TQGFwinEnvInit();

#endif
