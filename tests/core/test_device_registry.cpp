// Device registry: creators by device name and deferred device deletion.
#include "RecordingDevice.h"
#include "_TQCdevice.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> created;

TQDdev* makeFirst()
{
    created.push_back("first");
    return new RecordingDevice("first", nullptr);
}

TQDdev* makeSecond()
{
    created.push_back("second");
    return new RecordingDevice("second", nullptr);
}

} // namespace

TEST(DeviceRegistry, CreatorsAreFoundByExactNameAndTheFirstRegistrationWins)
{
    TQCdevice registry;
    created.clear();
    EXPECT_EQ(registry.setCreateHandler("formDev", makeFirst), 0);
    EXPECT_EQ(registry.setCreateHandler("formDev", makeSecond), 0);
    EXPECT_EQ(registry.setCreateHandler("nwDev", makeSecond), 0);

    TQDdev* dev = registry.getDevObject("formDev", nullptr);
    ASSERT_NE(dev, nullptr);
    EXPECT_EQ(static_cast<RecordingDevice*>(dev)->name, "first");
    delete dev;

    dev = registry.getDevObject("nwDev", nullptr);
    ASSERT_NE(dev, nullptr);
    EXPECT_EQ(static_cast<RecordingDevice*>(dev)->name, "second");
    delete dev;

    // Names match whole and case-sensitively.
    for (const char* name : {"FormDev", "formDe", "formDevX", "", static_cast<const char*>(nullptr)})
        EXPECT_EQ(registry.getDevObject(name, nullptr), nullptr) << (name ? name : "(null)");
    EXPECT_EQ(created, (std::vector<std::string>{"first", "second"}));

    // A null name is refused; a null creator takes the name and makes nothing.
    EXPECT_EQ(registry.setCreateHandler(nullptr, makeFirst), -1);
    EXPECT_EQ(registry.setCreateHandler("windowDev", nullptr), 0);
    registry.setCreateHandler("windowDev", makeSecond);
    EXPECT_EQ(registry.getDevObject("windowDev", nullptr), nullptr);
}

TEST(DeviceRegistry, ClearDeleteListDeletesInQueueOrderAndEmpties)
{
    TQCdevice registry;
    std::vector<std::string> deleted;
    registry.clearDeleteList();  // nothing queued: nothing happens

    registry.addDeleteInstance(new RecordingDevice("a", &deleted));
    registry.addDeleteInstance(nullptr);
    registry.addDeleteInstance(new RecordingDevice("b", &deleted));
    registry.clearDeleteList();
    EXPECT_EQ(deleted, (std::vector<std::string>{"a", "b"}));

    registry.clearDeleteList();
    EXPECT_EQ(deleted.size(), 2u);
}

TEST(DeviceRegistry, DeviceQueuedByADestructorWaitsForTheNextCall)
{
    TQCdevice registry;
    std::vector<std::string> deleted;
    RecordingDevice* owner = new RecordingDevice("owner", &deleted);
    owner->queueOnDelete(&registry, new RecordingDevice("owned", &deleted));
    registry.addDeleteInstance(owner);
    registry.addDeleteInstance(new RecordingDevice("other", &deleted));

    registry.clearDeleteList();
    EXPECT_EQ(deleted, (std::vector<std::string>{"owner", "other"}));
    registry.clearDeleteList();
    EXPECT_EQ(deleted, (std::vector<std::string>{"owner", "other", "owned"}));
}
