// The recording devices, forms and widgets of the container tests.
#include "ContainerProbes.h"

#include "_TQCdevice.h"

#include <cstdio>

namespace {

void record(const std::string& entry)
{
    containerLog().push_back(entry);
}

std::string pointText(const char* what, const TQCpoint* p)
{
    return std::string(what) + " (" + std::to_string(p->x) + "," + std::to_string(p->y) + ")";
}

// The registry keeps the first creator of a name: register once.
bool registerDevices()
{
    TQGIappDevice()->setCreateHandler("probeFormDev", []() -> TQDdev* {
        return new RecordingWindowDev;
    });
    TQGIappDevice()->setCreateHandler("probeNwDev", []() -> TQDdev* { return new FakeNwDev; });
    return true;
}

} // namespace

std::vector<std::string>& containerLog()
{
    static std::vector<std::string> entries;
    return entries;
}

long RecordingWindowDev::setValue(long key, void* value)
{
    record("value " + std::to_string(key));
    return FakeWindowDev::setValue(key, value);
}

long RecordingWindowDev::setVisible(unsigned char on)
{
    record(on ? "show" : "hide");
    return FakeWindowDev::setVisible(on);
}

long RecordingWindowDev::setEnableEventBit(long bits)
{
    char text[32];
    std::snprintf(text, sizeof text, "events 0x%lx", static_cast<unsigned long>(bits));
    record(text);
    return FakeWindowDev::setEnableEventBit(bits);
}

const char* probeFormDevName()
{
    static bool registered = registerDevices();
    (void)registered;
    return "probeFormDev";
}

const char* ProbeForm::getUseDevName()
{
    return probeFormDevName();
}

void ProbeForm::onResize(TQCrect* rect)
{
    record("resize " + std::to_string(rect->x) + "," + std::to_string(rect->y) + "," +
         std::to_string(rect->width) + "," + std::to_string(rect->height));
    TQCform::onResize(rect);
}

const char* probeNwDevName()
{
    static bool registered = registerDevices();
    (void)registered;
    return "probeNwDev";
}

const char* ProbeWidget::getUseDevName()
{
    return probeNwDevName();
}

long ProbeWidget::draw()
{
    record("draw");
    return 0;
}

long ProbeWidget::clear()
{
    record("clear");
    return TQCnwbase::clear();
}

void ProbeWidget::update()
{
    record("update");
    TQCnwbase::update();
}

void ProbeWidget::onMousePress(TQCpoint* point)
{
    record(pointText("press", point));
}

void ProbeWidget::onMouseRelease(TQCpoint* point)
{
    record(pointText("release", point));
}

void ProbeWidget::onMouseMove(TQCpoint* point)
{
    record(pointText("move", point));
}

void ProbeWidget::onMouseIn(TQCpoint* point)
{
    record(pointText("in", point));
    TQCnwbase::onMouseIn(point);
}

void ProbeWidget::onMouseOut()
{
    record("out");
    TQCnwbase::onMouseOut();
}

FormInWindow::FormInWindow() : window(std::make_unique<SampleWindow>(nullptr, "win"))
{
    window->initialize();
    window->setVisible(1);
    form = new ProbeForm(window.get(), "f");
    form->initialize();
    containerLog().clear();
}

FormInWindow::~FormInWindow()
{
    window.reset();
    TQGIappDevice()->clearDeleteList();
}
