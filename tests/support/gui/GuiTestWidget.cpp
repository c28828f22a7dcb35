// Test widgets on real devices and the root form.
#include "GuiTestWidget.h"

#include "GuiTestApp.h"
#include "_TQCdevice.h"

#include <cstring>

namespace {

// Every event a window device can deliver.
const long kAllEvents = 0x7FFFF;

} // namespace

GuiTestWidget::GuiTestWidget(std::vector<std::string>* log, const char* name, TQCbase* parent,
                             const char* devNameArg, long type)
    : EventClient(log, name, parent, type), devName(devNameArg)
{
    if (parent != nullptr)
        parent->setChild(this);
}

GuiTestWidget::~GuiTestWidget()
{
    deleteOwnedChildren(children);
}

void placeDevice(TQDdev* dev, short x, short y, unsigned short w, unsigned short h)
{
    dev->setValue(TQDdev::VALUE_X, &x);
    dev->setValue(TQDdev::VALUE_Y, &y);
    dev->setValue(TQDdev::VALUE_WIDTH, &w);
    dev->setValue(TQDdev::VALUE_HEIGHT, &h);
}

// The geometry is stored before the window is handed over, so that the
// frame of a window with a title bar stays as made.
GuiRootForm::GuiRootForm(std::vector<std::string>* logArg, int x, int y, int w, int h,
                         DWORD style)
    : root(new GuiTestWidget(logArg, "root", nullptr, nullptr,
                             TQCbase::OBJECT_TOP_LEVEL | TQCbase::OBJECT_CONTAINER |
                                 TQCbase::OBJECT_NATIVE_WINDOW)),
      dev(new TQDwinformDev), log(logArg)
{
    root->setdev(dev);
    placeDevice(dev, static_cast<short>(x), static_cast<short>(y),
                static_cast<unsigned short>(w), static_cast<unsigned short>(h));
    HWND window = makeTopLevelWindow(x, y, w, h, style);
    dev->setHWND(window);
    SetPropA(window, "frm", dev);
    dev->setEnableEventBit(kAllEvents);
    root->setVisible(1);
}

GuiRootForm::~GuiRootForm()
{
    delete root;
    TQGIappDevice()->clearDeleteList();
    pumpPendingMessages(1000);
}

bool GuiRootForm::waitPainted(DWORD timeoutMs)
{
    return pumpMessagesUntil([this] { return dev->getExposed() != 0; }, timeoutMs);
}

GuiTestWidget* GuiRootForm::add(TQCbase* parent, const char* name, const char* devName,
                                short x, short y, unsigned short w, unsigned short h)
{
    long type = devName != nullptr && std::strcmp(devName, "nwDev") == 0
                    ? 0
                    : TQCbase::OBJECT_CONTAINER | TQCbase::OBJECT_NATIVE_WINDOW;
    GuiTestWidget* child = new GuiTestWidget(log, name, parent, devName, type);
    TQDdev* childDev = child->attachdev();
    if (childDev != nullptr) {
        placeDevice(childDev, x, y, w, h);
        childDev->setEnableEventBit(kAllEvents);
    }
    child->setVisible(1);
    return child;
}
