// Keyboard dispatch: receiver order, consumed keys, modal guards, Alt to
// menus, Escape, focus procedures and the singleton.
#include "CapturedText.h"
#include "FakeAppDev.h"
#include "FakeDevices.h"
#include "FreshProcess.h"
#include "_TQDkeyboard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

typedef std::vector<std::string> Log;
Log g_log;
unsigned char g_hookAnswer = 1;
unsigned char g_specialAnswer = 1;

void note(const std::string& entry) { g_log.push_back(entry); }
const char* text(void* data) { return static_cast<const char*>(data); }
void* name(const char* n) { return const_cast<char*>(n); }

unsigned char hook(long key, unsigned char pressed)
{
    note("hook " + std::to_string(key) + " " + std::to_string(pressed));
    return g_hookAnswer;
}

unsigned char special(void* data, TQDkeyboard*, unsigned char)
{
    note(std::string("special ") + text(data));
    return g_specialAnswer;
}

void focusProc(void* data, TQDkeyboard* kb, unsigned char pressed)
{
    note(std::string("focus ") + text(data) + " " + std::to_string(kb->getKey()) + " '" +
         kb->getText(0) + "' " + std::to_string(pressed));
}

void release(void* data) { note(std::string("release ") + text(data)); }

// The active window, as the window layer would answer it.
TQCbase* g_active = nullptr;
TQCbase* activeWindow() { return g_active; }

class KeyAppDev : public FakeAppDev {
public:
    static TQDappDev* create() { return new KeyAppDev; }
    long dispatchEvent() override
    {
        note("dispatchEvent");
        return 0;
    }
    void update() override { note("update"); }
};

// Logs being hidden and losing either focus.
class Probe : public EventClient {
public:
    using EventClient::EventClient;
    void setVisible(unsigned char v) override { say(" visible " + std::to_string(v)); }
    void onFocusChange(unsigned char on) override { if (!on) say(" loses focus"); }
    void onSpecialFocusChange(unsigned char on) override { if (!on) say(" loses special focus"); }

private:
    void say(const std::string& what) { note(getInstanceName() + what); }
};

class LoggedDev : public FakeDev {
public:
    ~LoggedDev() override { note("device deleted"); }
};

class Keyboard : public ::testing::Test {
protected:
    void SetUp() override
    {
        TQDappDev::setCreateInstanceHandler(KeyAppDev::create);
        app = dynamic_cast<KeyAppDev*>(TQGIappDev());
        ASSERT_NE(nullptr, app) << "the stand-in is the application device";
        TQDkeyboard::links().activeWindow = activeWindow;
        g_active = nullptr;
        g_log.clear();
        g_hookAnswer = g_specialAnswer = 1;
    }
    void TearDown() override
    {
        while (!owned.empty())  // children before their parents
            owned.pop_back();
        TQDkeyboard::links().activeWindow = nullptr;
        delete app;
        TQDappDev::setCreateInstanceHandler(nullptr);
    }
    unsigned char press(long key, unsigned char pressed = 1)
    {
        kb.setIsPressed(pressed);
        kb.setKey(key);
        return kb.executeHandler(pressed);
    }
    Probe* probe(const char* n, TQCbase* parent = nullptr, long type = 0)
    {
        owned.emplace_back(new Probe(&g_log, n, parent, type));
        return owned.back().get();
    }

    TQDkeyboard kb;
    TQDappDev* app = nullptr;
    std::vector<std::unique_ptr<Probe>> owned;
};

} // namespace

TEST_F(Keyboard, ReceiversRunInOrderAndAConsumedKeyStopsThere)
{
    Probe* menu = probe("menu");
    app->addMenu(menu);
    app->setFocusDialog(probe("dialog", nullptr, 7), 1);
    kb.setGlobalKeyHook(hook);
    kb.setSpecialInputWorkProc(special, name("ok"), nullptr);
    kb.setFocusInputWorkProc(focusProc, nullptr, name("field"), nullptr);
    kb.setWithAlt(1);
    kb.setText(const_cast<char*>("a"), 1);
    EXPECT_EQ(press(0x161), 1);
    EXPECT_EQ(g_log, (Log{"hook 353 1", "special ok", "menu 16", "focus field 353 'a' 1"}));

    g_log.clear();
    g_specialAnswer = 0;
    EXPECT_EQ(press(0x1B), 1);
    EXPECT_EQ(g_log, (Log{"hook 27 1", "special ok"}));

    g_log.clear();
    g_hookAnswer = 0;
    EXPECT_EQ(press(0x1B), 1);
    EXPECT_EQ(g_log, (Log{"hook 27 1"}));
    app->delMenu(menu);
    app->setFocusDialog(nullptr, 1);
}

TEST_F(Keyboard, EscapePressHidesTheFocusDialogThenLetsTheHidingTakeEffect)
{
    app->setFocusDialog(probe("dialog", nullptr, 7), 1);
    EXPECT_EQ(press(0x1B, 0), 0);
    EXPECT_EQ(press(0x0D), 0);
    EXPECT_TRUE(g_log.empty());

    (new LoggedDev)->deleteInstance();
    EXPECT_EQ(press(0x1B), 0);
    EXPECT_EQ(g_log, (Log{"dialog visible 0", "dispatchEvent", "device deleted", "update"}));

    g_log.clear();
    kb.setFocusInputWorkProc(focusProc, nullptr, name("field"), nullptr);
    EXPECT_EQ(press(0x1B), 1);
    EXPECT_EQ(g_log, (Log{"focus field 27 '' 1", "dialog visible 0", "dispatchEvent", "update"}));
    app->setFocusDialog(nullptr, 1);
}

TEST_F(Keyboard, ModalGuardTakesFocusFromHoldersOutsideTheModalClient)
{
    Probe* modal = probe("modal", nullptr, 7);
    Probe* inside = probe("inside", modal);
    Probe* outside = probe("outside", nullptr, 7);
    Probe* overDevice = probe("over-device");  // reaches modal across devices
    Probe* lone = probe("lone");               // its device has no parent device
    FakeDev modalDev, ownDev, loneDev;
    modalDev.attachClient(modal);
    ownDev.setParentDev(&modalDev);
    overDevice->setdev(&ownDev);
    lone->setdev(&loneDev);

    outside->setFocus(1);
    outside->setSpecialFocus(1);
    g_log.clear();
    press(0x20);  // no modal loop: nobody is guarded
    EXPECT_TRUE(g_log.empty());
    app->setModalClient(modal);
    inside->setFocus(1);
    overDevice->setSpecialFocus(1);
    g_log.clear();
    press(0x20);
    EXPECT_TRUE(g_log.empty());

    lone->setFocus(1);
    outside->setSpecialFocus(1);
    g_log.clear();
    press(0x20);
    EXPECT_EQ(g_log, (Log{"outside loses special focus", "lone loses focus"}));
    EXPECT_EQ(TQCbase::getFocusInstance(), nullptr);
    EXPECT_EQ(TQCbase::getSpecialFocusInstance(), nullptr);

    app->setModalClient(nullptr);
    overDevice->setdev(nullptr);
    lone->setdev(nullptr);
    modalDev.attachClient(nullptr);
}

TEST_F(Keyboard, AltOffersKeyToMenusOfTheActiveWindowFirstThenItsShortcutOwners)
{
    Probe* w1 = probe("w1", nullptr, 7);
    Probe* w2 = probe("w2", nullptr, 7);
    for (Probe* m : {probe("m1", w2), probe("m2", w1), probe("m3", w2)})
        app->addMenu(m);
    app->addAltFocusInstance(probe("a2", w2));
    app->addAltFocusInstance(probe("a1", w1));
    kb.setWithAlt(1);

    g_active = w1;
    press(0x141);
    press(0x141, 0);
    EXPECT_EQ(g_log,
              (Log{"m2 16", "m1 16", "m3 16", "a1 16", "m2 17", "m1 17", "m3 17", "a1 17"}));
    g_log.clear();
    g_active = nullptr;
    EXPECT_EQ(press(0x141), 0);
    EXPECT_EQ(g_log, (Log{"m1 16", "m2 16", "m3 16"}));
    g_log.clear();
    kb.setWithAlt(0);
    press(0x141);
    EXPECT_TRUE(g_log.empty());
    app->getMenuList().clear();
    app->getAltFocusInstanceList().clear();
}

// A menu destroyed by an earlier receiver is not offered the key.
TEST_F(Keyboard, AltSkipsMenusDestroyedDuringTheWalk)
{
    Probe* m1 = probe("m1");
    Probe* m2 = probe("m2");
    app->addMenu(m1);
    app->addMenu(m2);
    m1->whenCalled = [&](long) {
        app->delMenu(m2);
        owned.erase(std::find_if(owned.begin(), owned.end(),
                                 [&](const std::unique_ptr<Probe>& p) { return p.get() == m2; }));
    };
    kb.setWithAlt(1);
    press(0x141);
    EXPECT_EQ(g_log, (Log{"m1 16"}));
    app->delMenu(m1);
}

TEST_F(Keyboard, KeysReachTheWidgetThatHoldsTheFocus)
{
    Probe* first = probe("first");
    Probe* second = probe("second");
    kb.setFocusInputWorkProc(focusProc, release, name("first"), first);
    kb.setText(const_cast<char*>("x"), 1);
    press(0x178);
    kb.setFocusInputWorkProc(focusProc, release, name("second"), second);
    EXPECT_EQ(kb.getFocusInstance(), second);
    press(0x178, 0);
    EXPECT_EQ(g_log, (Log{"focus first 376 'x' 1", "release first", "focus second 376 'x' 0"}));

    g_log.clear();
    kb.resetFocusInputWorkProc();  // releases nothing
    kb.setFocusInputWorkProc(focusProc, nullptr, name("third"), first);
    EXPECT_TRUE(g_log.empty());
    kb.resetFocusInputWorkProc();
    EXPECT_EQ(press(0), 0);  // no receiver; key 0 empties the text
    EXPECT_EQ(kb.getFocusInstance(), nullptr);
    EXPECT_STREQ(kb.getText(0), "");
}

namespace {

// The singleton lives for the process: checked in a process of its own.
TQDkeyboard* makeKeyboard() { return new TQDkeyboard; }

void appKeyboardScenario()
{
    ::testing::internal::CaptureStderr();
    bool none = TQGIappKeyboard() == nullptr && TQGIappKeyboard() == nullptr;
    std::string err = capturedStderr();
    const std::string message = "Error: TQDkeyboard* TQGIappKeyboard() _create_handler is null.\n";
    requireInChild(none && err == message + message, "null and a message on every call");
    TQDkeyboard::setCreateInstanceHandler(makeKeyboard);
    TQDkeyboard* kb = TQGIappKeyboard();
    requireInChild(kb != nullptr && TQGIappKeyboard() == kb, "one keyboard once installed");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(AppKeyboard, NeedsAFactoryThenAnswersTheSameKeyboard,
                      appKeyboardScenario(), "")
