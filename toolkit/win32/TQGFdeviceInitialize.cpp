// Device initialisation: every Win32 implementation of a device or service
// is installed, the catalogues enter the locale set and the built-in icons
// stand in for the toolkit's picture files.
#include "TQGFwinMain.h"

#include "TQDwinAppDev.h"
#include "TQDwinCodeConvert.h"
#include "TQDwinColor.h"
#include "TQDwinEnv.h"
#include "TQDwinExecute.h"
#include "TQDwinExternal.h"
#include "TQDwinFile.h"
#include "TQDwinMouse.h"
#include "TQDwinMutex.h"
#include "TQDwinfont.h"
#include "TQDwinPrivateTimer.h"
#include "TQDwinScrFrameDev.h"
#include "TQDwinSemaphore.h"
#include "TQDwinThread.h"
#include "TQDwinImage.h"
#include "TQDwinformDev.h"
#include "TQDwinmwinDev.h"
#include "TQDwinnwDev.h"
#include "TQDwinwinDev.h"
#include "TQDwintimer.h"
#include "_TQCdevice.h"
#include "_TQCimageSet.h"
#include "_TQCinitializeManager.h"
#include "_TQDfileSerialize.h"

#include <cstdint>
#include <string>

namespace {

bool g_deviceInitialized = false;

const int kFirstDefaultImageId = 202;

// Icon resources 202, 203, ... in this order.
const char* const kDefaultImageFiles[] = {
    "psave.ico",  "pend.ico",   "wload.ico",  "wsave.ico",   "obox.ico",   "make.ico",
    "run.ico",    "search.ico", "search2.ico", "help.ico",   "runx.ico",   "bi4.ico",
    "bi13.ico",   "bi15.ico",   "bi16.ico",   "bi17.ico",    "bi18.ico",   "bi19.ico",
    "bi23.ico",   "bi24.ico",   "bi25.ico",   "endbtn.ico",  "ope.ico",    "wcreate.ico",
    "wtrash.ico", "edit.ico",   "pset.ico",   "bi8.ico",     "pcreate.ico", "pload.ico",
    "bi40.ico",   "bi41.ico",   "bi42.ico",   "bi43.ico",
};

void bindDefaultImages()
{
    TQCimageSet* images = TQGIappImageSet();
    int id = kFirstDefaultImageId;
    for (const char* file : kDefaultImageFiles) {
        std::string name = std::string("$(TQDIR)/sys/pixmaps/") + file;
        images->setDefaultImageHandle(name.c_str(),
                                      reinterpret_cast<void*>(static_cast<std::intptr_t>(id++)));
    }
}

void installServices()
{
    TQGFinitFS();
    TQGFwinEnvInit();
    TQGFwinExecuteInit();
    TQGFwinExternalInit();
    TQGFinitializeWinFile();
    TQGFinitializeWinMutex();
    TQGFinitializeWinSemaphore();
    TQGFinitializeWinThread();
}

} // namespace

// Every service and named device installs itself with TQ_PLATFORM_FACTORY or
// TQ_PLATFORM_DEVICE during static initialisation; start-up installs the
// services once more, since a program may have replaced one before. Two
// bindings take another path, on purpose:
// - the code converter is made once and kept for the process, so its factory
//   is handed over here, at device start-up, and not at static
//   initialisation: until then a program may install a converter of its own
//   (the test programs do), which the first use would otherwise fix for good;
// - the resource sets (colours, fonts, images) keep a creator per set, not
//   per class: a program may hold sets of its own beside the application's
//   (the tests make theirs with other resources), so the platform's creators
//   go to the application's sets here.
void TQGFdeviceInitialize()
{
    if (g_deviceInitialized)
        return;
    TQGFinitializeWinAppDev();
    TQDcodeConvert::_set_code_convert_handler(_code_convert_create_handler_);
    TQGIappCodeConvert()->initialize();
    g_deviceInitialized = true;
    TQGIappInitializeManager()->execInitializeProcs();
    bindDefaultImages();
    installServices();
    TQGFinitializeWinMouse();
    TQGFinitializeWinPrivateTimer();
    TQGFinitializeWinTimer();
    _win_font_init();
    _win_color_init();
    _win_image_init();
}
