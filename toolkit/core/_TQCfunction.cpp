// A named function address of the application function list.
#include "_TQCfunction.h"

#include "_TQGFstring.h"

TQCfunction::TQCfunction() : function(nullptr), name(nullptr) {}

TQCfunction::~TQCfunction()
{
    delete[] name;
}

void TQCfunction::setFunction(const char* newName, void* newFunction)
{
    char* copy = TQGFstrdup(newName);
    delete[] name;
    name = copy;
    function = newFunction;
}
