// The mouse service: the sorted cursor table, cursor fallbacks and the
// override, the global hook and the process-wide instance.
#include <gtest/gtest.h>

#include "FakeResources.h"
#include "_TQDmouse.h"

namespace {

class Recorder {
public:
    static unsigned char hook(long event, TQCbase* obj)
    {
        lastEvent = event;
        lastObject = obj;
        return answer;
    }
    static long lastEvent;
    static TQCbase* lastObject;
    static unsigned char answer;
};

long Recorder::lastEvent = -1;
TQCbase* Recorder::lastObject = nullptr;
unsigned char Recorder::answer = 0;

} // namespace

TEST(Mouse, CursorTableStaysSortedWithEachIdOnce)
{
    FakeMouse mouse;
    mouse.addMouseCursor(5, 50, "five");
    mouse.addMouseCursor(1, 10, "one");
    mouse.addMouseCursor(3, 30, "three");
    EXPECT_EQ(1, mouse.getMouseCursorId(0));
    EXPECT_EQ(3, mouse.getMouseCursorId(1));
    EXPECT_EQ(5, mouse.getMouseCursorId(2));
    EXPECT_EQ(-1, mouse.getMouseCursorId(3));
    EXPECT_EQ(-1, mouse.getMouseCursorId(-1));

    mouse.addMouseCursor(3, 33, "THREE");
    EXPECT_EQ(3, mouse.getMouseCursorId(1));
    EXPECT_EQ(5, mouse.getMouseCursorId(2));
    EXPECT_EQ(-1, mouse.getMouseCursorId(3));
    EXPECT_EQ(33, mouse.getMouseCursor(3));
    EXPECT_STREQ("THREE", mouse.getMouseCursorName(3));

    mouse.addMouseCursor(4, 40, nullptr);
    EXPECT_STREQ("", mouse.getMouseCursorName(4));
    EXPECT_EQ(nullptr, mouse.getMouseCursorName(2));
}

TEST(Mouse, RemovingByPositionIgnoresPositionsOutsideTheTable)
{
    FakeMouse mouse;
    mouse.addMouseCursor(1, 10, "one");
    mouse.addMouseCursor(2, 20, "two");
    mouse.delMouseCursor(-1);
    mouse.delMouseCursor(2);
    EXPECT_EQ(2, mouse.getMouseCursorId(1));
    mouse.delMouseCursor(0);
    EXPECT_EQ(2, mouse.getMouseCursorId(0));
    EXPECT_EQ(-1, mouse.getMouseCursorId(1));
}

TEST(Mouse, UnknownCursorFallsBackToCursorZeroThenTheFirst)
{
    FakeMouse mouse;
    EXPECT_EQ(0, mouse.getMouseCursor(7));
    mouse.addMouseCursor(154, 1540, "IDC_SIZEALL");
    mouse.addMouseCursor(203, 2030, "IDC_WAIT");
    EXPECT_EQ(1540, mouse.getMouseCursor(7));
    mouse.addMouseCursor(0, 5, "IDC_ARROW");
    EXPECT_EQ(5, mouse.getMouseCursor(7));
    EXPECT_EQ(2030, mouse.getMouseCursor(203));

    mouse.setGlobalMouseId(203);
    EXPECT_EQ(1, mouse.getGlobalMouseIdStatus());
    EXPECT_EQ(2030, mouse.getMouseCursor(0));
    EXPECT_EQ(2030, mouse.getMouseCursor(154));
    mouse.resetGlobalMouseId();
    EXPECT_EQ(-1, mouse.getGlobalMouseId());
    EXPECT_EQ(0, mouse.getGlobalMouseIdStatus());
    EXPECT_EQ(1540, mouse.getMouseCursor(154));
}

TEST(Mouse, GlobalHookSeesEventsFirst)
{
    FakeMouse mouse;
    TQCbase* widget = reinterpret_cast<TQCbase*>(&mouse);  // only compared, never used
    EXPECT_EQ(1, mouse.execGlobalMouseHook(13, widget));

    mouse.setGlobalMouseHook(Recorder::hook);
    EXPECT_EQ(Recorder::hook, mouse.getGlobalMouseHook());
    Recorder::answer = 0;
    EXPECT_EQ(0, mouse.execGlobalMouseHook(13, widget));
    EXPECT_EQ(13, Recorder::lastEvent);
    EXPECT_EQ(widget, Recorder::lastObject);
    Recorder::answer = 1;
    EXPECT_EQ(1, mouse.execGlobalMouseHook(14, nullptr));
}

TEST(Mouse, ProcessMouseComesFromTheInstalledHandler)
{
    EXPECT_EQ(nullptr, TQGIappMouse());
    TQDmouse::setCreateInstanceHandler(FakeMouse::create);
    TQDmouse* mouse = TQGIappMouse();
    ASSERT_NE(nullptr, mouse);
    EXPECT_EQ(mouse, TQGIappMouse());
    EXPECT_NE(nullptr, mouse->cast("TQDmouse"));
}
