// Root class: name and casts of an object that is nothing more than a TQCroot.
#include "_TQCroot.h"

TQCroot::~TQCroot() = default;

const char* TQCroot::getClassName()
{
    return "TQCroot";
}

void* TQCroot::cast(const char* name)
{
    if (name == nullptr || sameClassName(name, "TQCroot"))
        return this;
    return nullptr;
}

// The chain of cast2 overrides ends here and hands over to the dynamic
// class's cast, which walks the whole chain again from the top.
void* TQCroot::cast2(const char* name)
{
    return cast(name);
}
