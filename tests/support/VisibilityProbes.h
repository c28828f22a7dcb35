// Objects and a device for the visibility, sensitivity, device and
// data-source tests:
//   VisProbe     a base object of a chosen object type that may hold
//                children; its hooks, redraws, selection changes and the
//                data it is given are logged as "<name>.<event>", and the
//                procedures it runs on triggers 5 to 8 as "<name>:T<n>";
//   ProbeDevice  a device that logs the values, event bits and visibility
//                it is given; registered under "probeDev".
// A deleted probe's memory is overwritten, so a use after deletion shows.
#ifndef VISIBILITYPROBES_H
#define VISIBILITYPROBES_H

#include "_TQCbase.h"
#include "_TQDdev.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

std::vector<std::string>& visLog();

class VisProbe : public TQCbase {
public:
    // Typical types: 0 a window-less widget, 6 a form, 7 a top-level window.
    VisProbe(TQCbase* parent, const char* name, long type = 0);
    // Deletes the children first.
    ~VisProbe() override;
    TQ_ROOT_FRAME(VisProbe, TQCbase)
    TQ_CLASS_INFORMATION_FRAME(VisProbe, TQCbase)

    static void* operator new(std::size_t size);
    static void operator delete(void* p, std::size_t size);

    // Made and initialised; procedures logging triggers 5 to 8 attached.
    static VisProbe* make(TQCbase* parent, const char* name, long type = 0);

    long getObjectType() override { return type; }
    TQClistData& getChildren() override { return children; }
    TQClistData* getChildrenPtr() override { return &children; }
    const char* getUseDevName() override { return deviceName; }

    void onVisibleChange(unsigned char on) override;
    void onParentVisibleChange(unsigned char on) override;
    void onSensitiveChange(unsigned char on) override;
    void onParentSensitiveChange(unsigned char on) override;
    void onSelectionChange(unsigned char on) override;
    long redraw() override;
    void setData(TQCvariant* value, long mode) override;
    TQCbase* getPropertyInheritChild() override { return inheritChild; }

    using TQCbase::setPublicDevChild;
    using TQCbase::setPublicDevChildInUse;

    long type;
    const char* deviceName = nullptr;
    TQCbase* inheritChild = nullptr;
    // Runs after setData has been logged.
    std::function<void()> onData;

private:
    void log(const std::string& event);

    TQClistData children;
};

class ProbeDevice : public TQDdev {
public:
    TQ_ROOT_FRAME(ProbeDevice, TQDdev)
    // The device the registry made last under "probeDev".
    static ProbeDevice* last;
    static void registerCreator();

    long setValue(long key, void* value) override;
    long setEnableEventBit(long bits) override;
    long setVisible(unsigned char on) override;
    long getDeviceResource() override { return 0; }
    long getWindowResource() override { return 0; }
    long getContextResource() override { return 0; }
    long getSpecialResource() override { return 0; }

    // In call order: "value <key>", "bits <hex>", "visible <n>".
    std::vector<std::string> calls;
    // The value of each key, as last set.
    void* valueOf[32] = {};
};

#endif
