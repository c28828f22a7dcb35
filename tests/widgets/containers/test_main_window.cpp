// The main window in a program of its own: built as the application builds
// it, on the real event loop, it reports where it stands and ends the
// program when it is closed.
#include "TQwin32.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string besideThisProgram(const char* fileName)
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1) + fileName;
}

// The program's report, once it has written all five numbers.
bool readReport(const std::string& path, long* values, unsigned long* frame)
{
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr)
        return false;
    int read = std::fscanf(file, "%ld %ld %ld %ld %lu", &values[0], &values[1], &values[2],
                           &values[3], frame);
    std::fclose(file);
    return read == 5;
}

} // namespace

TEST(MainWindowProgram, ReadsBackItsScreenPositionAndEndsWithZeroWhenClosed)
{
    TempDir folder;
    std::string report = folder.file("report.txt");
    std::string line = "\"" + besideThisProgram("tq_main_window.exe") + "\" \"" + report + "\"";
    STARTUPINFOA start = {};
    start.cb = sizeof start;
    PROCESS_INFORMATION child = {};
    ASSERT_TRUE(CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &start, &child));
    CloseHandle(child.hThread);

    long values[4] = {};
    unsigned long frame = 0;
    DWORD begun = GetTickCount();
    while (!readReport(report, values, &frame) && GetTickCount() - begun < 10000 &&
           WaitForSingleObject(child.hProcess, 50) == WAIT_TIMEOUT) {
    }
    EXPECT_EQ(130, values[0]) << "x follows the frame the user moved";
    EXPECT_EQ(140, values[1]) << "y follows the frame the user moved";
    EXPECT_EQ(values[0], values[2]) << "x is the frame's outer corner on the screen";
    EXPECT_EQ(values[1], values[3]) << "y is the frame's outer corner on the screen";

    PostMessageA(reinterpret_cast<HWND>(static_cast<UINT_PTR>(frame)), WM_CLOSE, 0, 0);
    DWORD code = 99;
    if (WaitForSingleObject(child.hProcess, 10000) == WAIT_OBJECT_0)
        GetExitCodeProcess(child.hProcess, &code);
    else if (TerminateProcess(child.hProcess, 98))
        code = 98;
    CloseHandle(child.hProcess);
    EXPECT_EQ(0u, code) << "0 ended by closing the window, 98 still running after 10 s";
}
