// The application function list.
#include "_TQCfunctionList.h"

#include "_TQCfunction.h"

#include <cstring>

namespace {

bool sameName(const char* a, const char* b)
{
    return a && b && a[0] == b[0] && std::strcmp(a, b) == 0;
}

} // namespace

TQCfunction* TQCfunctionList::addFunction(const char* name, void* function)
{
    TQCfunction* record = getFunction(name);
    if (!record) {
        record = new TQCfunction;
        add(record);
    }
    record->setFunction(name, function);
    return record;
}

TQCfunction* TQCfunctionList::addFunction(TQCfunction* record)
{
    add(record);
    return record;
}

TQCfunction* TQCfunctionList::getFunction(const char* name) const
{
    for (long i = 0; i < getNum(); ++i) {
        TQCfunction* record = static_cast<TQCfunction*>(getData(i));
        if (record && sameName(record->getFunctionName(), name))
            return record;
    }
    return nullptr;
}

void* TQCfunctionList::getFunctionAddr(const char* name) const
{
    TQCfunction* record = getFunction(name);
    return record ? record->getFunction() : nullptr;
}

long TQCfunctionList::delFunction(TQCfunction* record)
{
    return del(record);
}

void TQCfunctionList::delAll()
{
    for (long i = 0; i < getNum(); ++i)
        delete static_cast<TQCfunction*>(getData(i));
    clear();
}

TQCfunctionList* TQGIappFunctionList()
{
    static TQCfunctionList* list = new TQCfunctionList;
    return list;
}
