// The main window in a program of its own, on the real event loop: where it
// says it stands, and closing it ends the program.
#include "GuiTestApp.h"
#include "TQwin32.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

TEST(MainWindowProgram, ReadsBackItsScreenPositionAndEndsWithZeroWhenClosed)
{
    TempDir folder;
    std::string report = folder.file("report.txt");
    HANDLE child =
        startProcess("\"" + besideTestProgram("tq_main_window.exe") + "\" \"" + report + "\"");
    ASSERT_NE(nullptr, child);

    long x = 0, y = 0, left = -1, top = -1;
    unsigned long frame = 0;
    for (DWORD begun = GetTickCount(); GetTickCount() - begun < 10000 && frame == 0;) {
        WaitForSingleObject(child, 50);
        if (std::FILE* file = std::fopen(report.c_str(), "r")) {
            if (std::fscanf(file, "%ld %ld %ld %ld %lu", &x, &y, &left, &top, &frame) != 5)
                frame = 0;
            std::fclose(file);
        }
    }
    EXPECT_EQ(130, x) << "x follows the frame the user moved";
    EXPECT_EQ(140, y) << "y follows the frame the user moved";
    EXPECT_TRUE(x == left && y == top) << "the frame's outer corner on the screen";

    PostMessageA(reinterpret_cast<HWND>(static_cast<UINT_PTR>(frame)), WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, exitCodeWithin(child, 10000))
        << "0 ended by closing the window, 98 still running after 10 s";
}
