// A top-level window for the window tests, on a KeyLogWindowDev registered
// under "probeWindowDev" so that the tests do not depend on which
// "windowDev" the platform registered. Device and window log into
// probeWindowLog(): the window adds its resize events ("resize x,y,w,h")
// and close notices ("onWindowClose"), and counts its form adjustments.
#ifndef PROBEWINDOW_H
#define PROBEWINDOW_H

#include "KeyLogWindowDev.h"
#include "_TQCdevice.h"
#include "_TQCwindow.h"

#include <string>
#include <vector>

inline std::vector<std::string>& probeWindowLog()
{
    static std::vector<std::string> entries;
    return entries;
}

class ProbeWindow : public TQCwindow {
public:
    // Made and initialised.
    static ProbeWindow* make(const char* name, TQCbase* parent = nullptr)
    {
        static bool registered = false;
        if (!registered)
            TQGIappDevice()->setCreateHandler("probeWindowDev", makeDevice);
        registered = true;
        ProbeWindow* window = new ProbeWindow(parent, name);
        window->initialize();
        return window;
    }

    const char* getUseDevName() override { return "probeWindowDev"; }
    void onResize(TQCrect* r) override
    {
        probeWindowLog().push_back("resize " + std::to_string(r->x) + "," + std::to_string(r->y) +
                                   "," + std::to_string(r->width) + "," +
                                   std::to_string(r->height));
        TQCwindow::onResize(r);
    }
    void adjustForm() override { ++adjustForms; }
    void onWindowClose() override { probeWindowLog().push_back("onWindowClose"); }
    KeyLogWindowDev* device() const { return static_cast<KeyLogWindowDev*>(getowndev()); }

    long adjustForms = 0;

private:
    ProbeWindow(TQCbase* parent, const char* name) : TQCwindow(parent, name) {}
    static TQDdev* makeDevice() { return new KeyLogWindowDev(&probeWindowLog()); }
};

#endif
