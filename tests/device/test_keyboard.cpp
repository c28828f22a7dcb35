// Keyboard dispatch: the order of the receivers, consumed keys, the modal
// guards, Alt to menus, Escape and the focus dialog, focus procedures, key
// state, the mode window and the singleton.
#include "FakeAppDev.h"
#include "FakeDevices.h"
#include "FakeKeyboardLinks.h"
#include "FreshProcess.h"
#include "SampleWidgets.h"
#include "_TQCprocedure.h"
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

unsigned char hook(long key, unsigned char pressed)
{
    g_log.push_back("hook " + std::to_string(key) + " " + std::to_string(pressed));
    return g_hookAnswer;
}

unsigned char special(void* data, TQDkeyboard*, unsigned char)
{
    g_log.push_back(std::string("special ") + static_cast<const char*>(data));
    return g_specialAnswer;
}

// Data is the receiver's name; it logs the key and text it was given.
void focusProc(void* data, TQDkeyboard* keyboard, unsigned char pressed)
{
    g_log.push_back(std::string("focus ") + static_cast<const char*>(data) + " " +
                    std::to_string(keyboard->getKey()) + " '" + keyboard->getText(0) + "' " +
                    std::to_string(pressed));
}

void release(void* data)
{
    g_log.push_back(std::string("release ") + static_cast<const char*>(data));
}

class KeyAppDev : public FakeAppDev {
public:
    static TQDappDev* create() { return new KeyAppDev; }
    long dispatchEvent() override
    {
        g_log.push_back("dispatchEvent");
        return 0;
    }
    void update() override { g_log.push_back("update"); }
};

class Dialog : public EventClient {
public:
    Dialog() : EventClient(&g_log, "dialog", nullptr, 7) {}
    void setVisible(unsigned char v) override
    {
        g_log.push_back("dialog setVisible " + std::to_string(v));
    }
};

// Logs losing either focus as "<name> loses focus" / "<name> loses special
// focus".
class FocusClient : public EventClient {
public:
    using EventClient::EventClient;
    void onFocusChange(unsigned char on) override
    {
        if (!on)
            g_log.push_back(std::string(getInstanceName()) + " loses focus");
    }
    void onSpecialFocusChange(unsigned char on) override
    {
        if (!on)
            g_log.push_back(std::string(getInstanceName()) + " loses special focus");
    }
};

class LoggedDev : public FakeDev {
public:
    ~LoggedDev() override { g_log.push_back("device deleted"); }
};

class Keyboard : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (TQGIappDev() != nullptr || TQDappDev::getInstanceExist())
            GTEST_SKIP() << "an application device already exists in this process";
        previous = TQDappDev::getCreateInstanceHandler();
        TQDappDev::setCreateInstanceHandler(KeyAppDev::create);
        app = TQGIappDev();
        links.reset(new KeyboardLinksScope);
        g_log.clear();
        g_hookAnswer = 1;
        g_specialAnswer = 1;
    }
    void TearDown() override
    {
        while (!owned.empty())
            owned.pop_back();
        links.reset();
        if (app == nullptr)
            return;
        delete app;
        TQDappDev::setCreateInstanceHandler(previous);
    }

    unsigned char press(long key, unsigned char pressed = 1)
    {
        kb.setIsPressed(pressed);
        kb.setKey(key);
        return kb.executeHandler(pressed);
    }
    EventClient* client(const char* name, TQCbase* parent = nullptr, long type = 0)
    {
        owned.emplace_back(new FocusClient(&g_log, name, parent, type));
        return owned.back().get();
    }

    TQDkeyboard kb;
    TQDappDev* app = nullptr;
    TQDappDev::CreateInstanceHandler previous = nullptr;
    std::unique_ptr<KeyboardLinksScope> links;
    // Children come after their parents and go before them.
    std::vector<std::unique_ptr<EventClient>> owned;
};

} // namespace

TEST_F(Keyboard, ReceiversRunInOrderHookSpecialMenusFocus)
{
    EventClient* menu = client("menu");
    app->addMenu(menu);
    kb.setGlobalKeyHook(hook);
    kb.setSpecialInputWorkProc(special, const_cast<char*>("ok"), nullptr);
    kb.setFocusInputWorkProc(focusProc, nullptr, const_cast<char*>("field"), nullptr);
    kb.setWithAlt(1);
    kb.setText(const_cast<char*>("a"), 1);
    EXPECT_EQ(press(0x161), 1);
    EXPECT_EQ(g_log, (Log{"hook 353 1", "special ok", "menu 16", "focus field 353 'a' 1"}));
    app->delMenu(menu);
}

TEST_F(Keyboard, ConsumedKeyStopsTheDispatchAndCountsAsTaken)
{
    Dialog dialog;
    app->setFocusDialog(&dialog, 1);
    kb.setGlobalKeyHook(hook);
    kb.setSpecialInputWorkProc(special, const_cast<char*>("ok"), nullptr);
    kb.setFocusInputWorkProc(focusProc, nullptr, const_cast<char*>("field"), nullptr);

    g_hookAnswer = 0;
    EXPECT_EQ(press(TQDkeyboard::KEY_ESCAPE), 1);
    EXPECT_EQ(g_log, (Log{"hook 27 1"}));

    g_log.clear();
    g_hookAnswer = 1;
    g_specialAnswer = 0;
    EXPECT_EQ(press(TQDkeyboard::KEY_ESCAPE), 1);
    EXPECT_EQ(g_log, (Log{"hook 27 1", "special ok"}));
    app->setFocusDialog(&dialog, 0);
}

TEST_F(Keyboard, EscapePressClosesTheFocusDialogEvenWithoutReceivers)
{
    Dialog dialog;
    app->setFocusDialog(&dialog, 1);
    EXPECT_EQ(press(TQDkeyboard::KEY_ESCAPE, 0), 0);
    EXPECT_EQ(press(TQDkeyboard::KEY_RETURN), 0);
    EXPECT_TRUE(g_log.empty());

    LoggedDev* queued = new LoggedDev;
    queued->deleteInstance();
    EXPECT_EQ(press(TQDkeyboard::KEY_ESCAPE), 0);
    EXPECT_EQ(g_log, (Log{"dialog setVisible 0", "dispatchEvent", "device deleted", "update"}));

    g_log.clear();
    kb.setFocusInputWorkProc(focusProc, nullptr, const_cast<char*>("field"), nullptr);
    EXPECT_EQ(press(TQDkeyboard::KEY_ESCAPE), 1);
    EXPECT_EQ(g_log, (Log{"focus field 27 '' 1", "dialog setVisible 0", "dispatchEvent",
                          "update"}));
    app->setFocusDialog(&dialog, 0);
}

TEST_F(Keyboard, ModalGuardTakesFocusFromHoldersOutsideTheModalClient)
{
    EventClient* modal = client("modal", nullptr, 7);
    EventClient* inside = client("inside", modal);
    EventClient* outside = client("outside", nullptr, 7);
    FakeDev modalDev;
    modalDev.attachClient(modal);
    FakeDev ownDev;
    ownDev.setParentDev(&modalDev);
    EventClient* overDevice = client("over-device");
    overDevice->setdev(&ownDev);
    FakeDev loneDev;
    EventClient* lone = client("lone");
    lone->setdev(&loneDev);

    // Without a modal loop nobody is guarded.
    outside->setFocus(1);
    outside->setSpecialFocus(1);
    g_log.clear();
    press(0x20);
    EXPECT_TRUE(g_log.empty());

    app->setModalClient(modal);
    inside->setFocus(1);
    overDevice->setSpecialFocus(1);
    g_log.clear();
    press(0x20);
    EXPECT_TRUE(g_log.empty());

    lone->setFocus(1);  // its device has no parent device: outside
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

TEST_F(Keyboard, AltOffersKeyToMenusOfTheActiveWindowFirst)
{
    EventClient* w1 = client("w1", nullptr, 7);
    EventClient* w2 = client("w2", nullptr, 7);
    EventClient* m1 = client("m1", w2);
    EventClient* m2 = client("m2", w1);
    EventClient* m3 = client("m3", w2);
    EventClient* a1 = client("a1", w1);
    EventClient* a2 = client("a2", w2);
    for (TQCbase* m : {m1, m2, m3})
        app->addMenu(m);
    app->addAltFocusInstance(a2);
    app->addAltFocusInstance(a1);
    kb.setWithAlt(1);

    links->active = w1;
    EXPECT_EQ(press(0x141), 0);
    EXPECT_EQ(press(0x141, 0), 0);
    EXPECT_EQ(g_log, (Log{"m2 16", "m1 16", "m3 16", "a1 16", "m2 17", "m1 17", "m3 17", "a1 17"}));

    g_log.clear();
    links->active = nullptr;
    press(0x141);
    EXPECT_EQ(g_log, (Log{"m1 16", "m2 16", "m3 16"}));

    g_log.clear();
    kb.setWithAlt(0);
    press(0x141);
    EXPECT_TRUE(g_log.empty());

    for (TQCbase* m : {m1, m2, m3})
        app->delMenu(m);
    app->delAltFocusInstance(a1);
    app->delAltFocusInstance(a2);
}

// A menu destroyed by an earlier receiver is not offered the key.
TEST_F(Keyboard, AltSkipsMenusDestroyedDuringTheWalk)
{
    EventClient* m1 = client("m1");
    EventClient* m2 = client("m2");
    app->addMenu(m1);
    app->addMenu(m2);
    m1->whenCalled = [&](long) {
        app->delMenu(m2);
        owned.erase(std::find_if(owned.begin(), owned.end(),
                                 [&](const std::unique_ptr<EventClient>& c) { return c.get() == m2; }));
    };
    kb.setWithAlt(1);
    press(0x141);
    EXPECT_EQ(g_log, (Log{"m1 16"}));
    app->delMenu(m1);
}

TEST_F(Keyboard, NewFocusProcedureReleasesThePreviousOnceAndResetReleasesNone)
{
    kb.setFocusInputWorkProc(focusProc, release, const_cast<char*>("a"), nullptr);
    EXPECT_TRUE(g_log.empty());
    kb.setFocusInputWorkProc(focusProc, nullptr, const_cast<char*>("b"), nullptr);
    EXPECT_EQ(g_log, (Log{"release a"}));
    kb.setFocusInputWorkProc(focusProc, release, const_cast<char*>("c"), nullptr);
    EXPECT_EQ(g_log, (Log{"release a"}));
    kb.resetFocusInputWorkProc();
    kb.setFocusInputWorkProc(focusProc, nullptr, const_cast<char*>("d"), nullptr);
    EXPECT_EQ(g_log, (Log{"release a"}));
}

TEST_F(Keyboard, KeysReachTheWidgetThatHoldsTheFocus)
{
    EventClient* first = client("first");
    EventClient* second = client("second");
    kb.setFocusInputWorkProc(focusProc, nullptr, const_cast<char*>("first"), first);
    kb.setText(const_cast<char*>("x"), 1);
    press(0x178);
    kb.setFocusInputWorkProc(focusProc, nullptr, const_cast<char*>("second"), second);
    EXPECT_EQ(kb.getFocusInstance(), second);
    kb.setSpecialInputWorkProc(special, const_cast<char*>("first"), first);
    EXPECT_EQ(kb.getSpecialFocusInstance(), first);
    press(0x178, 0);
    EXPECT_EQ(g_log, (Log{"focus first 376 'x' 1", "special first", "focus second 376 'x' 0"}));

    kb.resetFocusInputWorkProc();
    kb.resetSpecialInputWorkProc();
    g_log.clear();
    EXPECT_EQ(press(0x178), 0);
    EXPECT_TRUE(g_log.empty());
    EXPECT_EQ(kb.getFocusInstance(), nullptr);
    EXPECT_EQ(kb.getSpecialFocusInstance(), nullptr);
}

TEST(KeyboardState, StartsSensitiveWithEverythingElseClearAndFlagsAreIndependent)
{
    TQDkeyboard kb;
    EXPECT_EQ(kb.getGlobalKeySensitive(), 1);
    EXPECT_EQ(kb.getKey(), 0);
    EXPECT_STREQ(kb.getText(0), "");
    EXPECT_EQ(kb.withAlt() + kb.withCntl() + kb.withShift() + kb.isPressed() + kb.getFepStatus(), 0);
    EXPECT_STREQ(kb.getClassName(), "TQDkeyboard");
    EXPECT_EQ(kb.cast("TQDkeyboard"), &kb);
    EXPECT_EQ(kb.cast(nullptr), &kb);

    kb.setWithAlt(1);
    EXPECT_EQ(kb.withAlt() + kb.withCntl() + kb.withShift() + kb.withLock(), 1);
    kb.setWithAlt(0);
    kb.setWithCntl(3);
    EXPECT_EQ(kb.withCntl(), 1);
    EXPECT_EQ(kb.withAlt() + kb.withShift() + kb.withLock(), 0);
    kb.setEnableFep(nullptr, 2);
    EXPECT_EQ(kb.getEnableFep(), 1);

    kb.setText(const_cast<char*>("q"), 1);
    kb.setKey(0x171);
    EXPECT_STREQ(kb.getText(0), "q");
    kb.setKey(0);
    EXPECT_STREQ(kb.getText(0), "");

    kb.setSelectedString(const_cast<char*>("sel"), 1);
    EXPECT_STREQ(kb.getSelectedString(1), "sel");
}

namespace {

// The mode window lives for the process: checked in a process of its own.
void modeWindowScenario()
{
    KeyboardLinksScope links;
    TQDkeyboard kb;
    kb.setModeString(const_cast<char*>("ignored"));
    requireInChild(links.balloons.empty(), "no window before first use");

    kb.setVisibleModeWindow(1);
    kb.setPositionModeWindow(40, 50);
    kb.setVisibleModeWindow(0);
    requireInChild(links.balloons.size() == 1, "made once");
    TQCbase* window = links.balloons[0];
    requireInChild(std::string(window->getInstanceName()) == "mode win", "named");
    unsigned short w = 0, h = 0;
    short x = 0, y = 0;
    window->getPropertyV("width", &w);
    window->getPropertyV("height", &h);
    window->getPropertyV("x", &x);
    window->getPropertyV("y", &y);
    requireInChild(w == 100 && h == 30, "100 x 30");
    requireInChild(x == 40 && y == 50, "placed");
    TQClistData* procs = window->getProcedureList();
    requireInChild(procs != nullptr && procs->getNum() == 1, "one procedure");
    TQCprocedure* move = static_cast<TQCprocedure*>(procs->getData(0));
    requireInChild(std::string(move->getProcName()) == "mode win move" &&
                       move->getTrigger() == 15 && move->getInternal() == 1 &&
                       std::string(move->getFunctionName()) == "_mode_win_move",
                   "internal move procedure on mouse move");

    kb.setModeString(const_cast<char*>("A"));
    char* text = nullptr;
    window->getPropertyV("labelString", &text);
    requireInChild(text != nullptr && std::string(text) == "A", "text shown");
    passInChild();
}

} // namespace

TEST(KeyboardModeWindow, IsMadeOnceSizedWithAMoveProcedureAndShowsItsText)
{
    EXPECT_EXIT(modeWindowScenario(), ::testing::ExitedWithCode(0), "");
}

namespace {

TQDkeyboard* makeKeyboard()
{
    return new TQDkeyboard;
}

void appKeyboardScenario()
{
    ::testing::internal::CaptureStderr();
    bool none = TQGIappKeyboard() == nullptr && TQGIappKeyboard() == nullptr;
    std::string err = ::testing::internal::GetCapturedStderr();
    err.erase(std::remove(err.begin(), err.end(), '\r'), err.end());
    requireInChild(none, "null without a factory");
    requireInChild(err == "Error: TQDkeyboard* TQGIappKeyboard() _create_handler is null.\n"
                          "Error: TQDkeyboard* TQGIappKeyboard() _create_handler is null.\n",
                   "message on every call");
    TQDkeyboard::setCreateInstanceHandler(makeKeyboard);
    TQDkeyboard* kb = TQGIappKeyboard();
    requireInChild(kb != nullptr && TQGIappKeyboard() == kb, "one keyboard once installed");
    passInChild();
}

} // namespace

TEST(AppKeyboard, NeedsAFactoryThenAnswersTheSameKeyboard)
{
    EXPECT_EXIT(appKeyboardScenario(), ::testing::ExitedWithCode(0), "");
}
