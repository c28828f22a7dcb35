// The application device on its real hidden window: the loop, the lock
// with the messages it keeps, requests of worker threads, and the tick's
// test for a pointer that has left the window under it. Each scenario runs
// in a process of its own.
#include "FakeDevices.h"
#include "FreshApp.h"
#include "FreshProcess.h"
#include "TestAppWindow.h"
#include "TQDwinformDev.h"
#include "TQDwintimer.h"
#include "TQGFcreateWindow.h"
#include "WinEvent.h"
#include "_TQDprivateTimer.h"
#include "_TQDthread.h"
#include "_TQGFtrigger.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

const DWORD kPatience = 5000;
char kClassName[] = "Quorvane Application";

// A form device that notes the messages the window procedure hands it.
class RecordingFormDev : public TQDwinformDev {
public:
    RecordingFormDev(Log* logArg, const char* nameArg) : log(logArg), name(nameArg)
    {
        HWND window = CreateWindowExA(0, kClassName, "", WS_OVERLAPPED, 0, 0, 50, 50, nullptr,
                                      nullptr, GetModuleHandleA(nullptr), nullptr);
        SetPropA(window, "frm", this);
        setHWND(window);
    }
    long dispatchEvent(WinEvent* event) override
    {
        std::string what = event->message == WM_PAINT        ? "paint"
                           : event->message == WM_MOUSEWHEEL ? "wheel"
                                                             : std::to_string(event->message);
        log->push_back(name + " " + what);
        return 0;
    }

private:
    Log* log;
    std::string name;
};

bool signalled(HANDLE event)
{
    return WaitForSingleObject(event, 0) == WAIT_OBJECT_0;
}

void loopScenario()
{
    armWatchdog(20000, "the loop did not end");
    TQDwinAppDev* app = startAppDevice();
    PostQuitMessage(7);
    requireInChild(app->handleEvents() == 7, "the loop answers the quit code");
    passInChild();
}

void applicationThreadScenario()
{
    armWatchdog(20000, "lock or unlock waited");
    TQDwinAppDev* app = startAppDevice();
    Log log;
    RecordingFormDev form(&log, "A");
    requireInChild(app->lock() == -1 && app->unlock() == -1, "refused on the application thread");
    SendMessageA(form.getHWND(), WM_PAINT, 0, 0);
    requireInChild(log == Log{"A paint"}, "input still goes to the device at once");

    // The application thread pumps nothing meanwhile: a sent unlock would hang.
    long result = 0;
    requireInChild(finishesWithin(kPatience, [&] { result = app->unlock(); }) && result == -1,
                   "unlock without lock answers -1 and sends nothing");
    passInChild();
}

struct TimerProbe {
    Log* log;
    TQDprivateTimer* timer;
};

void noteAndDeleteTimer(void* data)
{
    TimerProbe* probe = static_cast<TimerProbe*>(data);
    probe->log->push_back("timer");
    delete probe->timer;
}

void workerLockScenario()
{
    armWatchdog(20000, "the locked scenario hung");
    TQDwinAppDev* app = startAppDevice();
    Log log;
    RecordingFormDev a(&log, "A");
    RecordingFormDev b(&log, "B");
    TimerProbe probe = {&log, TQDprivateTimer::getNewInstance()};
    probe.timer->setWorkProc(noteAndDeleteTimer, &probe);

    HANDLE locked = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE unlocked = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    long lockResult = -5;
    long unlockResult = -5;
    CloseHandle(startWork([&] {
        lockResult = app->lock();
        SetEvent(locked);
        WaitForSingleObject(release, kPatience);
        unlockResult = app->unlock();
        SetEvent(unlocked);
    }));
    requireInChild(pumpMessagesUntil([&] { return signalled(locked); }, kPatience) &&
                       lockResult == 0,
                   "the worker holds the lock");
    requireInChild(app->lock() == -1, "the application thread does not wait for the worker");

    SendMessageA(a.getHWND(), WM_PAINT, 0, 0);
    SendMessageA(a.getHWND(), WM_PAINT, 0, 0);
    SendMessageA(a.getHWND(), WM_MOUSEWHEEL, 0x00F00000, 0);
    SendMessageA(b.getHWND(), WM_PAINT, 0, 0);
    SendMessageA(app->getHWND(), WM_TIMER, reinterpret_cast<WPARAM>(probe.timer), 0);
    requireInChild(log == Log{"A wheel"}, "only the two-notch wheel goes through while locked");

    SetEvent(release);
    requireInChild(pumpMessagesUntil([&] { return signalled(unlocked); }, kPatience) &&
                       unlockResult == 0,
                   "the worker unlocks");
    // The kept messages are replayed when the next message arrives.
    PostMessageA(app->getHWND(), WM_NULL, 0, 0);
    pumpMessagesUntil([&] { return log.size() >= 4; }, kPatience);
    requireInChild(log == (Log{"A wheel", "A paint", "B paint", "timer"}),
                   "one paint per window, then the timer, in arrival order");

    // Released already: a second unlock would let two holders in later.
    long result = 0;
    requireInChild(finishesWithin(kPatience, [&] { result = app->unlock(); }) && result == -1,
                   "unlock after the release answers -1 and sends nothing");
    passInChild();
}

DWORD g_callbackThread = 0;

void noteCallbackThread(TQDthread*, void*)
{
    g_callbackThread = GetCurrentThreadId();
}

void* callBackFromWorker(TQDthread* thread, void*)
{
    return reinterpret_cast<void*>(thread->execCallback(nullptr));
}

void workerRequestsScenario()
{
    armWatchdog(20000, "a worker's request hung");
    TQDwinAppDev* app = startAppDevice();
    HWND made = nullptr;
    std::atomic<bool> done(false);
    CloseHandle(startWork([&] {
        made = TQGFcreateWindow(kClassName, kClassName, WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
        done = true;
    }));
    requireInChild(pumpMessagesUntil([&] { return done.load(); }, kPatience) && made != nullptr,
                   "the worker gets a window");
    requireInChild(GetWindowThreadProcessId(made, nullptr) == app->getAppThreadId(),
                   "the window belongs to the application thread");
    done = false;
    CloseHandle(startWork([&] {
        TQGFdestroyWindow(made);
        done = true;
    }));
    requireInChild(pumpMessagesUntil([&] { return done.load(); }, kPatience) && !IsWindow(made),
                   "the worker destroys it");

    std::unique_ptr<TQDthread> thread(TQDthread::getNewInstance());
    thread->setFunction(callBackFromWorker);
    thread->setCallbackFunction(noteCallbackThread);
    requireInChild(thread->createThread(nullptr) == 0, "the worker starts");
    pumpMessagesUntil([&] { return thread->getStatus() == 0; }, kPatience);
    void* result = reinterpret_cast<void*>(-5);
    requireInChild(thread->joinThread(&result) == 0 && result == nullptr,
                   "execCallback answers 0");
    requireInChild(g_callbackThread == GetCurrentThreadId(),
                   "the callback ran on the application thread");
    passInChild();
}

void pointerLeaveScenario()
{
    armWatchdog(20000, "the pointer scenario hung");
    TQDwinAppDev* app = startAppDevice();
    Log log;
    EventClient client(&log, "form", nullptr, 7);
    client.setVisible(1);
    TQDwinformDev form;
    HWND window = CreateWindowExA(0, kClassName, "probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200,
                                  200, 300, 200, nullptr, nullptr, GetModuleHandleA(nullptr),
                                  nullptr);
    form.setHWND(window);
    form.attachClient(&client);
    form.setEnableEventBit(1 << TQEV_MOUSE_OUT);
    RECT frame;
    GetWindowRect(window, &frame);
    POINT clientOrigin = {0, 0};
    ClientToScreen(window, &clientOrigin);

    app->setMouseFocusDev(&form);
    SetCursorPos((frame.left + frame.right) / 2, (frame.top + clientOrigin.y) / 2);
    TQDwintimer::_timer_callback();
    requireInChild(log.empty() && app->getMouseFocusDev() == &form, "over the frame: nothing");

    SetCursorPos(frame.right + 40, frame.bottom + 40);
    TQDwintimer::_timer_callback();
    TQDwintimer::_timer_callback();
    requireInChild(log == Log{"form 12"} && app->getMouseFocusDev() == nullptr,
                   "off the window: one MOUSE_OUT and the device is forgotten");
    form.detachClient();
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(WinAppDeviceDeathTest, LoopAnswersTheQuitCode, loopScenario(), "")

TQ_FRESH_PROCESS_TEST(WinAppDeviceDeathTest, ApplicationThreadNeverLocksItselfAndUnlockNeedsALock,
                      applicationThreadScenario(), "")

TQ_FRESH_PROCESS_TEST(WinAppDeviceDeathTest, WorkerLockKeepsInputUntilUnlockThenReplaysIt,
                      workerLockScenario(), "")

TQ_FRESH_PROCESS_TEST(WinAppDeviceDeathTest, WorkersReachTheApplicationThreadThroughItsWindow,
                      workerRequestsScenario(), "")

TQ_FRESH_PROCESS_TEST(WinAppDeviceDeathTest, TickTellsTheDeviceUnderThePointerOnceItLeaves,
                      pointerLeaveScenario(), "")
