// Balloon help on a real window under Xvfb with the real application
// timer: registration, the balloon beside the resting pointer (put there
// with SetCursorPos and a posted WM_MOUSEMOVE), sized to its text, hidden by
// a press; nothing for a pointer that leaves at once or a client deleted
// while armed; clients let go. The scenario runs in a process of its own.
#include "FreshProcess.h"
#include "GuiControlScene.h"
#include "GuiTestApp.h"
#include "ScenarioSteps.h"
#include "_TQCballoonHelp.h"
#include "_TQCfontSet.h"
#include "_TQCprocedure.h"
#include "_TQCstring.h"
#include "_TQCvlabel.h"
#include "_TQDtimer.h"
#include "_TQN.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>

namespace {

const short kSceneX = 50;
const short kSceneY = 60;

// The client's procedures as "name trigger".
std::set<std::string> proceduresOf(TQCbase* client)
{
    std::set<std::string> found;
    TQClistData* list = client->getProcedureList();
    for (long i = 0; list != nullptr && i < list->getNum(); ++i) {
        TQCprocedure* p = static_cast<TQCprocedure*>(list->getData(i));
        found.insert(std::string(p->getProcName()) + " " + std::to_string(p->getTrigger()));
    }
    return found;
}

// The pointer to (x, y) of the scene's form, and the move that tells it.
void pointTo(GuiControlScene& scene, int x, int y)
{
    SetCursorPos(kSceneX + x, kSceneY + y);
    scene.post(WM_MOUSEMOVE, 0, x, y);
}

bool shown(TQCballoonHelp* balloon)
{
    HWND frame = frameOf(balloon);
    return frame != nullptr && IsWindowVisible(frame);
}

long number(TQCbase* object, const char* name)
{
    return object->getProperty(name).getLong();
}

long pendingId(TQCbase* client)
{
    return static_cast<long>(reinterpret_cast<intptr_t>(client->getUserData("TQBH-CLNT-ID")));
}

void balloonScenario()
{
    armWatchdog(90000, "the balloon scenario hung");
    GuiControlScene scene(kSceneX, kSceneY, 320, 200);
    TQCvlabel* a = scene.add<TQCvlabel>("a", 10, 10, 100, 40);
    TQCvlabel* b = scene.add<TQCvlabel>("b", 150, 10, 100, 40);
    scene.show();
    TQCballoonHelp* balloon = TQGIappBalloonHelp();
    requireInChild(balloon->registerClient(a, "one\\nthe longer line") == 0 &&
                       balloon->registerClient(a, "x") == -1 &&
                       balloon->unregisterClient(b) == -1,
                   "registered once; a second registration and an unknown client refused");
    requireInChild(proceduresOf(a) == std::set<std::string>{"op_mouse_in 11", "op_mouse_out 12",
                                                            "op_btnpress 13", "op_delete 1"},
                   "the client carries the four procedures");
    requireInChild(balloon->registerClient(b, "b") == 0, "a second client");

    pointTo(scene, 30, 30);
    long pending = pendingId(a);
    requireInChild(pending != 0, "the pointer in the client arms the pop-up");
    requireInChild(pumpMessagesUntil([&] { return shown(balloon); }, 5000),
                   "the balloon shows while the pointer rests in the client");
    POINT cursor;
    RECT rect;
    GetCursorPos(&cursor);
    GetWindowRect(frameOf(balloon), &rect);
    requireInChild(rect.left == cursor.x + 15 && rect.top == cursor.y + 15,
                   "15 pixels right of and below the pointer");
    requireInChild((GetWindowLongA(frameOf(balloon), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0,
                   "kept above the other windows");
    TQCstring one("one", -2), longer("the longer line", -2);
    TQCfontSet* fonts = TQGIappFontSet();
    long font = number(balloon, _TQNfont());
    long w = std::max(fonts->getStringWidth(font, &one), fonts->getStringWidth(font, &longer));
    requireInChild(number(balloon, _TQNwidth()) == w + 20 &&
                       number(balloon, _TQNheight()) == 2 * fonts->getStringHeight(font, &one) + 10 &&
                       rect.right - rect.left == w + 20,
                   "two lines: the wider one plus 20 by two line heights plus 10");

    // The fired trigger's record is gone, and the timer may hand its id to
    // a later trigger: the client must not keep it for the pop-down.
    requireInChild(pendingId(a) != pending, "the fired trigger's id is not kept");
    scene.post(WM_LBUTTONDOWN, MK_LBUTTON, 30, 30);
    scene.post(WM_LBUTTONUP, 0, 30, 30);
    requireInChild(!shown(balloon), "a press hides the balloon");

    pointTo(scene, 300, 150);
    pointTo(scene, 200, 30);
    pointTo(scene, 300, 150);
    pumpMessagesFor(1500);
    requireInChild(!shown(balloon), "a pointer that leaves at once shows nothing");
    pointTo(scene, 200, 30);
    long armed = pendingId(b);
    delete b;
    requireInChild(armed != 0 && TQGIappTimer()->delTriggerProc(armed) == -1,
                   "deleting an armed client takes its pending trigger away");
    pumpMessagesFor(1500);
    requireInChild(!shown(balloon), "nor is anything shown later");

    TQCballoonHelp* own = new TQCballoonHelp(nullptr, "own");
    own->initialize();
    TQCvlabel* c = scene.add<TQCvlabel>("c", 10, 100, 100, 40);
    requireInChild(balloon->unregisterClient(a) == 0 && proceduresOf(a).empty() &&
                       own->registerClient(a, "a") == 0 && own->registerClient(c, "c") == 0,
                   "unregistered, a client keeps no procedure and may go to another balloon");
    delete own;
    requireInChild(proceduresOf(a).empty() && proceduresOf(c).empty(),
                   "a destroyed balloon lets go of every client");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(BalloonHelpDeathTest, ShowsBesideTheRestingPointerAndLetsGoOfItsClients,
                      balloonScenario(), "")
