// The Win32 mouse: its cursor table from its entries, the pointer on the
// Xvfb screen, and the status word.
#include <gtest/gtest.h>

#include "SampleWidgets.h"
#include "TQDwinMouse.h"
#include "TempDir.h"
#include "_TQDkeyboard.h"

#include "TQwin32.h"

#include <string>
#include <vector>

namespace {

long arrow()
{
    return reinterpret_cast<long>(LoadCursorA(nullptr, IDC_ARROW));
}

long handleOf(TQDmouse* mouse, long id)
{
    return mouse->getMouseCursor(id);
}

void setup(TQDmouse* mouse, std::string entry)
{
    mouse->setupMouseCursor(&entry[0]);
}

class WinMouse : public ::testing::Test {
protected:
    void SetUp() override
    {
        mouse = TQGIwinAppMouse();
        ASSERT_NE(nullptr, mouse);
        mouse->initialize();
    }
    void TearDown() override { mouse->resetMouseCursors(); }
    TQDwinMouse* mouse = nullptr;
};

} // namespace

TEST_F(WinMouse, BuiltInCursorsAreSystemCursorsAndOneHidesThePointer)
{
    EXPECT_EQ(arrow(), handleOf(mouse, 0));
    EXPECT_EQ(-1, handleOf(mouse, 1)) << "no cursor";
    EXPECT_EQ(reinterpret_cast<long>(LoadCursorA(nullptr, IDC_WAIT)), handleOf(mouse, 203));
    EXPECT_EQ(reinterpret_cast<long>(LoadCursorA(nullptr, IDC_SIZEALL)), handleOf(mouse, 154));
    std::vector<long> ids;
    for (long i = 0; mouse->getMouseCursorId(i) != -1; ++i)
        ids.push_back(mouse->getMouseCursorId(i));
    EXPECT_EQ((std::vector<long>{0, 1, 134, 135, 136, 154, 163, 176, 182, 186, 195, 196, 197, 203}),
              ids);

    mouse->resetMouseCursors();
    EXPECT_EQ(0, mouse->getMouseCursorId(0));
    EXPECT_EQ(-1, mouse->getMouseCursorId(1)) << "only cursor 0 is left";
}

TEST_F(WinMouse, UnknownSystemNamesAndUnloadableFilesGiveTheArrow)
{
    TempDir dir;
    setup(mouse, "7 IDC_FOO");
    setup(mouse, "8 " + dir.file("missing.cur"));
    EXPECT_EQ(arrow(), handleOf(mouse, 7));
    EXPECT_EQ(arrow(), handleOf(mouse, 8));
    EXPECT_STREQ("7 IDC_FOO", mouse->getMouseCursorName(7));
}

TEST_F(WinMouse, OverlongCursorNamesAreCutNotOverrun)
{
    setup(mouse, "10 IDC_" + std::string(5000, 'X'));
    setup(mouse, "11 " + std::string(5000, 'f') + ".cur");
    EXPECT_EQ(arrow(), handleOf(mouse, 10));
    EXPECT_EQ(arrow(), handleOf(mouse, 11));
    setup(mouse, "12");
    EXPECT_EQ(arrow(), handleOf(mouse, 12)) << "an entry without a name adds nothing";
    EXPECT_EQ(nullptr, mouse->getMouseCursorName(12));
}

TEST_F(WinMouse, PointerPositionOnTheScreenAndWithoutADevice)
{
    mouse->setMousePosition(123, 77);
    short x = 0, y = 0;
    EXPECT_EQ(1, mouse->getMousePosition(&x, &y));
    EXPECT_EQ(123, x);
    EXPECT_EQ(77, y);
    EXPECT_EQ(1, mouse->getMousePosition(&x, &y, nullptr));
    EXPECT_EQ(123, x);

    SampleWidget lonely(nullptr, "no-device");
    x = y = 5;
    EXPECT_EQ(0, mouse->getMousePosition(&x, &y, &lonely));
    EXPECT_EQ(0, x);
    EXPECT_EQ(0, y);
}

TEST_F(WinMouse, StatusWordAddsTheKeyboardModifiersToTheButtons)
{
    TQDkeyboard* keyboard = TQGIappKeyboard();
    ASSERT_NE(nullptr, keyboard);
    mouse->setStatus(TQDmouse::STATUS_BUTTON3);
    keyboard->setWithShift(1);
    keyboard->setWithAlt(1);
    keyboard->setWithCntl(1);
    EXPECT_EQ(0x400ul | 1 | 4 | 8, mouse->getMouseStatus());
    keyboard->setWithShift(0);
    keyboard->setWithAlt(0);
    keyboard->setWithCntl(0);
    mouse->setStatus(0);
}
