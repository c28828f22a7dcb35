// Sets an environment variable for the rest of a scope (a null value
// removes it) and puts the old value back at the end.
#ifndef ENVGUARD_H
#define ENVGUARD_H

#include <cstdlib>
#include <string>

class EnvGuard {
public:
    EnvGuard(const std::string& name, const char* value) : name(name)
    {
        const char* old = std::getenv(name.c_str());
        hadValue = old != nullptr;
        if (hadValue)
            oldValue = old;
        _putenv((name + "=" + (value != nullptr ? value : "")).c_str());
    }
    ~EnvGuard() { _putenv((name + "=" + (hadValue ? oldValue : "")).c_str()); }
    EnvGuard(const EnvGuard&) = delete;
    EnvGuard& operator=(const EnvGuard&) = delete;

private:
    std::string name;
    std::string oldValue;
    bool hadValue = false;
};

#endif
