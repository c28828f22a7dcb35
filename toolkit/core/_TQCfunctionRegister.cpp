// Static registration of a named function.
#include "_TQCfunctionRegister.h"

#include "_TQCfunctionList.h"

TQCfunctionRegister::TQCfunctionRegister(const char* name, void* function)
    : record(TQGIappFunctionList()->addFunction(name, function))
{
}

// The record stays allocated: another registration of the same name may
// share it, and static destruction runs in no particular order.
TQCfunctionRegister::~TQCfunctionRegister()
{
    TQGIappFunctionList()->delFunction(record);
}
