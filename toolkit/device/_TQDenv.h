// The environment service: the value of one variable, and the expansion of
// "$(NAME)" references inside strings such as file names. The platform layer
// installs the factory of the object that reads the real environment.
#ifndef _TQDENV_H
#define _TQDENV_H

#include "_TQDcreateInstance.h"

class TQDenv {
public:
    // Longest text the expansion hands back, and the size of its stores.
    static constexpr unsigned long maxText = 8191;

    TQDenv() = default;
    virtual ~TQDenv();
    TQDenv(const TQDenv&) = delete;
    TQDenv& operator=(const TQDenv&) = delete;

    // The value of the variable named as written behind the dollar sign,
    // parentheses included; never null, "" for a variable that is not set.
    virtual char* getEnv(const char* name) = 0;
    // The string with every reference replaced by its value. The result
    // lives in one buffer shared by every call: copy it before the next one.
    // "" when the string (without references) is longer than 8191
    // characters or when an expansion would be longer than 8190.
    virtual char* getPlaneString(const char* string);

    TQ_CREATE_HANDLER_FRAME(TQDenv)
};

// The process's environment object, made by the installed factory on the
// first call after installation; null while no factory is installed.
TQDenv* TQGIappEnvironment();

#endif
