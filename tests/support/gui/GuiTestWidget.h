// Test widgets on real devices. GuiTestWidget logs the events its device
// delivers as EventClient does ("<name> <code> (x,y)"), owns its children,
// and takes its device from the device registry by name. GuiRootForm is a
// top-level test widget whose form device holds a real top-level window of
// the toolkit's class, the root under which child devices get real windows:
//
//     std::vector<std::string> log;
//     GuiRootForm root(&log, 100, 100, 200, 120);
//     root.waitPainted();
//     GuiTestWidget* form = root.add(root.widget(), "f", "formDev", 10, 10, 50, 40);
//     HWND child = static_cast<TQDwinformDev*>(form->getowndev())->getHWND();
#ifndef GUITESTWIDGET_H
#define GUITESTWIDGET_H

#include "FakeDevices.h"
#include "TQDwinformDev.h"
#include "TQwin32.h"

#include <string>
#include <vector>

class GuiTestWidget : public EventClient {
public:
    // devName is a device kind of the registry ("formDev", "nwDev",
    // "scrFrameDev"), null for none; type as getObjectType answers.
    GuiTestWidget(std::vector<std::string>* log, const char* name, TQCbase* parent,
                  const char* devName, long type = 0);
    // The children go first.
    ~GuiTestWidget() override;

    TQClistData& getChildren() override { return children; }
    TQClistData* getChildrenPtr() override { return &children; }
    const char* getUseDevName() override { return devName; }

private:
    TQClistData children;
    const char* devName;
};

class GuiRootForm {
public:
    // The window's client area lies at (x, y) on the screen and measures
    // w x h; see makeTopLevelWindow for the style.
    GuiRootForm(std::vector<std::string>* log, int x, int y, int w, int h,
                DWORD style = WS_POPUP);
    // Deletes the widgets and then their devices, which destroy their
    // windows.
    ~GuiRootForm();
    GuiRootForm(const GuiRootForm&) = delete;
    GuiRootForm& operator=(const GuiRootForm&) = delete;

    GuiTestWidget* widget() const { return root; }
    TQDwinformDev* device() const { return dev; }
    HWND hwnd() const { return dev->getHWND(); }
    // Pumps until the window has been painted; answers whether it was.
    bool waitPainted(DWORD timeoutMs = 5000);
    // A child of parent with a device of the kind, placed at (x, y, w, h)
    // in the parent's device, every event enabled, then shown; a form
    // (container with a window of its own) unless the kind is "nwDev".
    GuiTestWidget* add(TQCbase* parent, const char* name, const char* devName, short x,
                       short y, unsigned short w, unsigned short h);

private:
    GuiTestWidget* root;
    TQDwinformDev* dev;
    std::vector<std::string>* log;
};

// Places the device at (x, y, w, h) through its keys.
void placeDevice(TQDdev* dev, short x, short y, unsigned short w, unsigned short h);

#endif
