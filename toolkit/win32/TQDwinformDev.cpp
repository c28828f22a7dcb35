// The form device: its window and its registration as "formDev".
#include "TQDwinformDev.h"

#include "_TQCdevice.h"

#include <cstdint>

TQDwinformDev::TQDwinformDev() : window(nullptr)
{
}

TQDwinformDev::~TQDwinformDev() = default;

long TQDwinformDev::getDeviceResource()
{
    return 0;
}

long TQDwinformDev::getWindowResource()
{
    return window != nullptr ? static_cast<long>(reinterpret_cast<std::intptr_t>(window)) : -1;
}

long TQDwinformDev::getContextResource()
{
    return -1;
}

long TQDwinformDev::getSpecialResource()
{
    return getWindowResource();
}

long TQDwinformDev::dispatchEvent(WinEvent*)
{
    return 1;
}

TQDdev* _tqcdwinformdev_init_()
{
    return new TQDwinformDev;
}

namespace {

struct RegisterAtStartUp {
    RegisterAtStartUp() { TQGIappDevice()->setCreateHandler("formDev", _tqcdwinformdev_init_); }
} g_registerAtStartUp;

} // namespace
