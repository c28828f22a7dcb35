// The drawing areas' procedures: on initialise each area gets its
// off-screen device with an empty waveform axis, on expose the whole image
// is copied to the area.
#include "cmnDraw.h"

#include "appProcedures.h"
#include "appWidgets.h"

#include "_TQCbase.h"
#include "_TQCfunctionRegister.h"
#include "_TQDmwindowDev.h"

TQDmwindowDev* mdev = nullptr;
TQDmwindowDev* mdev2 = nullptr;
TQDmwindowDev* mdev3 = nullptr;
TQDmwindowDev* mdev4 = nullptr;
TQDmwindowDev* mdev7 = nullptr;

namespace {

void initArea(TQCbase* object, TQDmwindowDev** slot)
{
    if (castWidget(object, "TQCvdrawingArea") != nullptr && *slot == nullptr) {
        *slot = newAreaDevice(object);
        if (*slot != nullptr)
            drawScale(object, *slot);
    }
    object->execProcedure(9);
}

void exposeArea(TQCbase* object, TQDmwindowDev* slot)
{
    if (castWidget(object, "TQCvdrawingArea") == nullptr || slot == nullptr)
        return;
    TQDdev* target = object->getdev();
    if (target == nullptr)
        return;
    unsigned short w = 0, h = 0;
    slot->getGeometry(&w, &h);
    slot->copyToWindow(target, 0, 0, w, h, 0, 0);
}

} // namespace

void gra1Init_ep(TQCbase* object) { initArea(object, &mdev); }
void gra2Init_ep(TQCbase* object) { initArea(object, &mdev2); }
void gra3init_ep(TQCbase* object) { initArea(object, &mdev3); }
void gra4init_ep(TQCbase* object) { initArea(object, &mdev4); }
void gra7init_ep(TQCbase* object) { initArea(object, &mdev7); }

void gra1Expose_ep(TQCbase* object) { exposeArea(object, mdev); }
void gra2Expose_ep(TQCbase* object) { exposeArea(object, mdev2); }
void gra3expose_ep(TQCbase* object) { exposeArea(object, mdev3); }
void gra4expose_ep(TQCbase* object) { exposeArea(object, mdev4); }
void gra7expose_ep(TQCbase* object) { exposeArea(object, mdev7); }

namespace {

TQCfunctionRegister g_gra1Init("gra1Init_ep", reinterpret_cast<void*>(gra1Init_ep));
TQCfunctionRegister g_gra2Init("gra2Init_ep", reinterpret_cast<void*>(gra2Init_ep));
TQCfunctionRegister g_gra3init("gra3init_ep", reinterpret_cast<void*>(gra3init_ep));
TQCfunctionRegister g_gra4init("gra4init_ep", reinterpret_cast<void*>(gra4init_ep));
TQCfunctionRegister g_gra7init("gra7init_ep", reinterpret_cast<void*>(gra7init_ep));
TQCfunctionRegister g_gra1Expose("gra1Expose_ep", reinterpret_cast<void*>(gra1Expose_ep));
TQCfunctionRegister g_gra2Expose("gra2Expose_ep", reinterpret_cast<void*>(gra2Expose_ep));
TQCfunctionRegister g_gra3expose("gra3expose_ep", reinterpret_cast<void*>(gra3expose_ep));
TQCfunctionRegister g_gra4expose("gra4expose_ep", reinterpret_cast<void*>(gra4expose_ep));
TQCfunctionRegister g_gra7expose("gra7expose_ep", reinterpret_cast<void*>(gra7expose_ep));

} // namespace
