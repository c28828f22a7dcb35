// Event procedure records and the handler for functions not found.
#include "_TQCprocedure.h"

#include "_TQCfunctionList.h"
#include "_TQGFstring.h"
#include "_TQGFtrigger.h"

namespace {

TQCprocedureHandler g_procedureHandler = nullptr;

// The text may be the slot's own string: copy it before freeing that.
void replaceCopy(char*& slot, const char* text)
{
    char* copy = TQGFstrdup(text);
    delete[] slot;
    slot = copy;
}

} // namespace

TQCprocedure::TQCprocedure(const char* procNameArg, long triggerArg)
    : function(nullptr), functionName(nullptr), procName(TQGFstrdup(procNameArg)),
      effectiveMask(TQGFeventToMaskBit(triggerArg)),
      trigger(static_cast<signed char>(triggerArg)), internal(0), useFile(1), attachSerial(0)
{
}

TQCprocedure::~TQCprocedure()
{
    delete[] functionName;
    delete[] procName;
}

void TQCprocedure::setProcName(const char* name)
{
    replaceCopy(procName, name);
}

const char* TQCprocedure::getProcName() const
{
    return procName != nullptr ? procName : "";
}

void TQCprocedure::setFunction(TQCprocedureFunction functionArg, const char* name)
{
    replaceCopy(functionName, name);
    function = functionArg;
}

const char* TQCprocedure::getFunctionName() const
{
    return functionName != nullptr ? functionName : "";
}

void TQCprocedure::setProc(void* functionArg)
{
    function = reinterpret_cast<TQCprocedureFunction>(functionArg);
}

// Looked up on every call: a function registered, replaced or withdrawn
// after the procedure was made is seen at once.
TQCprocedureFunction TQCprocedure::getProc() const
{
    if (function != nullptr)
        return function;
    if (functionName == nullptr)
        return nullptr;
    return reinterpret_cast<TQCprocedureFunction>(
        TQGIappFunctionList()->getFunctionAddr(functionName));
}

void TQCprocedure::setTrigger(long triggerArg)
{
    trigger = static_cast<signed char>(triggerArg);
}

void TQGFsetProcedureHandler(void* handler)
{
    g_procedureHandler = reinterpret_cast<TQCprocedureHandler>(handler);
}

void* TQGFgetProcedureHandler()
{
    return reinterpret_cast<void*>(g_procedureHandler);
}
