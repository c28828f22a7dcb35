// Cursor-table entry of the mouse.
#include "_TQCmouseData.h"

#include <cstring>

TQCmouseData::TQCmouseData(long id_, long handle_, const char* name_)
    : id(id_), handle(handle_), name(nullptr)
{
    setName(name_);
}

TQCmouseData::~TQCmouseData()
{
    delete[] name;
}

void TQCmouseData::setName(const char* name_)
{
    char* copy = nullptr;
    if (name_ != nullptr) {
        size_t length = std::strlen(name_);
        copy = new char[length + 1];
        std::memcpy(copy, name_, length + 1);
    }
    delete[] name;
    name = copy;
}
