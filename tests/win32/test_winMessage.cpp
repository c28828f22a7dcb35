// Inter-application messages under Wine: channels published in the
// registry, texts in global atoms. The other application is the helper
// program, a second process of the same prefix.
#include "TestAppWindow.h"

#include "TQDwinMessage.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const DWORD kPatience = 10000;
const DWORD kNotEnded = 0xFFFFFFFF;

void record(char* text, void* texts)
{
    static_cast<std::vector<std::string>*>(texts)->push_back(text);
}

// A channel name no other run uses.
std::string uniqueName(const char* base)
{
    return std::string(base) + "-" + std::to_string(GetCurrentProcessId());
}

std::unique_ptr<TQDmessage> openChannel(const std::string& name, std::vector<std::string>* texts)
{
    std::unique_ptr<TQDmessage> channel(TQDmessage::getNewInstance());
    channel->setupMessage(name.c_str(), record, texts);
    return channel;
}

bool published(const std::string& valueName)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "SoftWare\\Quorvane\\TQTEMP", 0, KEY_READ, &key)
        != ERROR_SUCCESS)
        return false;
    bool found = RegQueryValueExA(key, valueName.c_str(), nullptr, nullptr, nullptr, nullptr)
                 == ERROR_SUCCESS;
    RegCloseKey(key);
    return found;
}

// Runs the helper program with arguments while pumping the application
// window: its exit code, or kNotEnded after ending it when it did not end
// in time.
DWORD runHelper(TestAppWindow& app, const std::string& arguments)
{
    HANDLE child = startProcess("\"" + besideTestProgram("tq_test_helper.exe") + "\" " + arguments);
    if (child == nullptr)
        return kNotEnded;
    DWORD code = kNotEnded;
    if (app.pumpUntil([&] { return WaitForSingleObject(child, 0) == WAIT_OBJECT_0; }, kPatience))
        GetExitCodeProcess(child, &code);
    else
        TerminateProcess(child, 1);
    CloseHandle(child);
    return code;
}

} // namespace

TEST(WinMessage, AnotherApplicationSendsToAChannelByName)
{
    TestAppWindow app;
    std::string name = uniqueName("tqtest-A");
    std::vector<std::string> texts;
    auto channel = openChannel(name, &texts);
    ASSERT_NE(nullptr, channel->cast("TQDwinMessage"));

    EXPECT_EQ(0u, runHelper(app, "send " + name + " hello")) << "the sender's result";
    app.pumpUntil([&] { return !texts.empty(); }, kPatience);
    EXPECT_EQ((std::vector<std::string>{"hello"}), texts);
    EXPECT_EQ(0, GlobalFindAtomA("hello")) << "the receiver deleted the atom";

    EXPECT_EQ(-1, TQDwinMessage::extSendMessage(nullptr, uniqueName("tqtest-none").c_str(), "x"))
        << "a name nobody published";
    channel.reset();
    EXPECT_FALSE(published(name));
    EXPECT_FALSE(published(name + "#THIS#"));
    EXPECT_EQ(1u, runHelper(app, "send " + name + " hello")) << "a deleted channel";
}

TEST(WinMessage, TextsNoAtomCanHoldAreRefusedUnsent)
{
    TestAppWindow app;
    std::string name = uniqueName("tqtest-sizes");
    std::vector<std::string> texts;
    auto channel = openChannel(name, &texts);
    EXPECT_EQ(-1, TQDwinMessage::extSendMessage(nullptr, name.c_str(), ""));
    EXPECT_EQ(-1, TQDwinMessage::extSendMessage(nullptr, name.c_str(), std::string(256, 'x').c_str()));
    EXPECT_EQ(0, TQDwinMessage::extSendMessage(nullptr, name.c_str(), std::string(255, 'y').c_str()));
    app.pumpUntil([&] { return !texts.empty(); }, kPatience);
    EXPECT_EQ((std::vector<std::string>{std::string(255, 'y')}), texts);
}

TEST(WinMessage, ABusyReceiverTakesTheTextOnceItPumps)
{
    TestAppWindow app;
    std::string name = uniqueName("tqtest-busy");
    std::vector<std::string> texts;
    auto channel = openChannel(name, &texts);
    long result = -2;
    // The application thread does not pump while the worker sends.
    ASSERT_TRUE(finishesWithin(kPatience, [&] {
        result = TQDwinMessage::extSendMessage(nullptr, name.c_str(), "late");
    }));
    EXPECT_EQ(0, result);
    EXPECT_TRUE(texts.empty());
    EXPECT_TRUE(app.pumpUntil([&] { return !texts.empty(); }, kPatience));
    EXPECT_EQ((std::vector<std::string>{"late"}), texts);
    EXPECT_EQ(0, GlobalFindAtomA("late")) << "the receiver deleted the atom";
}
