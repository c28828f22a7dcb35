// The mouse service: the sorted cursor table, cursor fallbacks and the
// override, and the global hook.
#include <gtest/gtest.h>

#include "FakeResources.h"
#include "_TQDmouse.h"

#include <vector>

namespace {

// The ids at positions -1 to 4 of the cursor table; -1 where there is none.
std::vector<long> ids(TQDmouse& mouse)
{
    std::vector<long> out;
    for (long position = -1; position <= 4; ++position)
        out.push_back(mouse.getMouseCursorId(position));
    return out;
}

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
    EXPECT_EQ((std::vector<long>{-1, 1, 3, 5, -1, -1}), ids(mouse));

    mouse.addMouseCursor(3, 33, "THREE");
    EXPECT_EQ((std::vector<long>{-1, 1, 3, 5, -1, -1}), ids(mouse));
    EXPECT_EQ(33, mouse.getMouseCursor(3));
    EXPECT_STREQ("THREE", mouse.getMouseCursorName(3));

    mouse.addMouseCursor(4, 40, nullptr);
    EXPECT_STREQ("", mouse.getMouseCursorName(4));
    EXPECT_EQ(nullptr, mouse.getMouseCursorName(2));

    // Removal is by position; positions outside the table are ignored.
    mouse.delMouseCursor(-1);
    mouse.delMouseCursor(4);
    mouse.delMouseCursor(0);
    EXPECT_EQ((std::vector<long>{-1, 3, 4, 5, -1, -1}), ids(mouse));
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
    Recorder::answer = 0;
    EXPECT_EQ(0, mouse.execGlobalMouseHook(13, widget));
    EXPECT_EQ(13, Recorder::lastEvent);
    EXPECT_EQ(widget, Recorder::lastObject);
    Recorder::answer = 1;
    EXPECT_EQ(1, mouse.execGlobalMouseHook(14, nullptr));
}
