// Probes for the visibility, sensitivity, device and data-source tests.
#include "VisibilityProbes.h"

#include "_TQCdevice.h"
#include "_TQCprocedure.h"
#include "_TQGFtrigger.h"

#include <cstdio>
#include <cstring>
#include <new>

// The class's own new hands out the global allocation that its delete gives
// back after poisoning it; once that new is inlined into a new-expression of
// this file, GCC (at -O1 and -O2) no longer pairs the two and warns.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {

template <long Trigger>
void noteTrigger(TQCbase* object)
{
    visLog().push_back(std::string(object->getInstanceName()) + ":T" + std::to_string(Trigger));
}

TQDdev* makeProbeDevice()
{
    ProbeDevice::last = new ProbeDevice;
    return ProbeDevice::last;
}

} // namespace

std::vector<std::string>& visLog()
{
    static std::vector<std::string> entries;
    return entries;
}

// ---------------------------------------------------------------------------

VisProbe::VisProbe(TQCbase* parent, const char* name, long typeArg)
    : TQCbase(parent, name), type(typeArg)
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    TQCclassInformation* info = getClassInformation();
    for (long code : { TQEV_VISIBLE_CH, TQEV_SENSITIVE_CH, TQEV_PARENT_VISIBLE_CH,
                       TQEV_PARENT_SENSITIVE_CH })
        info->setTrigger(code);
}

VisProbe::~VisProbe()
{
    deleteOwnedChildren(children);
}

void* VisProbe::operator new(std::size_t size)
{
    return ::operator new(size);
}

void VisProbe::operator delete(void* p, std::size_t size)
{
    std::memset(p, 0xA5, size);
    ::operator delete(p);
}

VisProbe* VisProbe::make(TQCbase* parent, const char* name, long type)
{
    VisProbe* probe = new VisProbe(parent, name, type);
    probe->initialize();
    probe->addProcedureV("vis", "noteTrigger5", noteTrigger<TQEV_VISIBLE_CH>, TQEV_VISIBLE_CH);
    probe->addProcedureV("sen", "noteTrigger6", noteTrigger<TQEV_SENSITIVE_CH>,
                         TQEV_SENSITIVE_CH);
    probe->addProcedureV("pvis", "noteTrigger7", noteTrigger<TQEV_PARENT_VISIBLE_CH>,
                         TQEV_PARENT_VISIBLE_CH);
    probe->addProcedureV("psen", "noteTrigger8", noteTrigger<TQEV_PARENT_SENSITIVE_CH>,
                         TQEV_PARENT_SENSITIVE_CH);
    return probe;
}

void VisProbe::log(const std::string& event)
{
    visLog().push_back(std::string(getInstanceName()) + "." + event);
}

void VisProbe::onVisibleChange(unsigned char on)
{
    log("onVisibleChange(" + std::to_string(on) + ")");
    TQCbase::onVisibleChange(on);
}

void VisProbe::onParentVisibleChange(unsigned char on)
{
    log("onParentVisibleChange(" + std::to_string(on) + ")");
    TQCbase::onParentVisibleChange(on);
}

void VisProbe::onSensitiveChange(unsigned char on)
{
    log("onSensitiveChange(" + std::to_string(on) + ")");
    TQCbase::onSensitiveChange(on);
}

void VisProbe::onParentSensitiveChange(unsigned char on)
{
    log("onParentSensitiveChange(" + std::to_string(on) + ")");
    TQCbase::onParentSensitiveChange(on);
}

void VisProbe::onSelectionChange(unsigned char on)
{
    log("onSelectionChange(" + std::to_string(on) + ")");
    TQCbase::onSelectionChange(on);
}

long VisProbe::redraw()
{
    log("redraw");
    return 0;
}

void VisProbe::setData(TQCvariant* value, long mode)
{
    const char* text = value != nullptr ? value->getCharPtr() : nullptr;
    log("setData(\"" + std::string(text != nullptr ? text : "(null)") + "\"," +
        std::to_string(mode) + ")");
    if (onData)
        onData();
    TQCbase::setData(value, mode);
}

// ---------------------------------------------------------------------------

ProbeDevice* ProbeDevice::last = nullptr;

void ProbeDevice::registerCreator()
{
    static bool registered = false;
    if (!registered)
        TQGIappDevice()->setCreateHandler("probeDev", makeProbeDevice);
    registered = true;
}

long ProbeDevice::setValue(long key, void* value)
{
    calls.push_back("value " + std::to_string(key));
    if (key >= 0 && key < 32)
        valueOf[key] = value;
    return TQDdev::setValue(key, value);
}

long ProbeDevice::setEnableEventBit(long bits)
{
    char text[32];
    std::snprintf(text, sizeof text, "bits %#lx", static_cast<unsigned long>(bits));
    calls.push_back(text);
    return TQDdev::setEnableEventBit(bits);
}

long ProbeDevice::setVisible(unsigned char on)
{
    calls.push_back("visible " + std::to_string(on));
    return TQDdev::setVisible(on);
}
