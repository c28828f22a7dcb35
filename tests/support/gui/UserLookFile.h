// The look file a user selects a look with, in a fresh folder that
// USERPROFILE names (HOME is read from it) for its life; made before the
// toolkit starts in the process. Without a look the folder holds no look
// file, so that no look is selected whatever the Wine prefix holds.
#ifndef USERLOOKFILE_H
#define USERLOOKFILE_H

#include "EnvGuard.h"
#include "FileBytes.h"
#include "TempDir.h"

#include <string>

class UserLookFile {
public:
    explicit UserLookFile(const char* look) : profile("USERPROFILE", folder.path().c_str())
    {
        if (look != nullptr)
            writeFileBytes(folder.file(".tqrc"), std::string("#EXPOLICY\n") + look + "\n");
    }

private:
    TempDir folder;
    EnvGuard profile;
};

#endif
