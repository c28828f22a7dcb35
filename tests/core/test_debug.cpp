// Debug logs, local time, calendar, tracing and the process hooks.
#include "_TQGFdebug.h"

#include <gtest/gtest.h>

#include "CapturedText.h"
#include "EnvGuard.h"
#include "FakeCodeConvert.h"
#include "FileBytes.h"
#include "SampleWidgets.h"
#include "TempDir.h"
#include "_TQDappDev.h"
#include "_TQDmessage.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

namespace fs = std::filesystem;

namespace {

// Makes a folder the working directory and goes back afterwards.
class ScopedWorkingDirectory {
public:
    explicit ScopedWorkingDirectory(const std::string& folder) : saved(fs::current_path())
    {
        fs::current_path(folder);
    }
    ~ScopedWorkingDirectory() { fs::current_path(saved); }

private:
    fs::path saved;
};

std::string readLines(const std::string& path)
{
    return withoutCR(readFileBytes(path));
}

// ---------------------------------------------------------------------------
// Debug log

// Each start of the program is a child process: the debug file stays open
// for the life of a process. The exit status tells whether the line was
// written whole.
void writeOneLineAndExit(const char* line)
{
    __dbprintf_init();
    int written = __dbprintf("%s\n", line);
    TQGFexit(written == static_cast<int>(std::strlen(line)) + 1 ? 7 : 1);
}

// The children re-run the test body; they take their parent's folder from
// the environment instead of making one of their own.
const char kFolderVariable[] = "TQTEST_DEBUG_FOLDER";

TEST(DebugLogDeathTest, AppendsToTqdbgAcrossStartsOfTheProgram)
{
    const char* inherited = std::getenv(kFolderVariable);
    std::optional<TempDir> own;
    if (inherited == nullptr)
        own.emplace();
    const std::string folder = inherited != nullptr ? inherited : own->path();
    EnvGuard sharedFolder(kFolderVariable, folder.c_str());
    EnvGuard debug("TQDEBUG", "1");
    ScopedWorkingDirectory inFolder(folder);

    EXPECT_EXIT(writeOneLineAndExit("start 1"), ::testing::ExitedWithCode(7), "");
    {
        EnvGuard stress("TQMEMDEBUG2", "1");
        EXPECT_EXIT(writeOneLineAndExit("start 2"), ::testing::ExitedWithCode(7), "");
    }
    EXPECT_EQ(readLines("tqdbg.txt"), "start 1\nstart 2\n");
}

TEST(DebugLog, WithoutTqdebugNothingIsWritten)
{
    TempDir dir;
    EnvGuard debug("TQDEBUG", nullptr);
    ScopedWorkingDirectory inFolder(dir.path());
    EXPECT_EQ(__dbprintf_init(), 0);
    EXPECT_EQ(__dbprintf("line\n"), -1);
    TQGFtimetrace();
    EXPECT_FALSE(fs::exists(dir.file("tqdbg.txt")));
}

TEST(DbgMsg, AppendsEachLineToUdebugLogAndStandardOutputCutToItsBuffer)
{
    TempDir dir;
    ScopedWorkingDirectory inFolder(dir.path());
    const std::string longText(100000, 'x');
    ::testing::internal::CaptureStdout();
    DBG_msg("a %d", 1);
    DBG_msg("b");
    DBG_msg("%s", longText.c_str());
    std::string printed = capturedStdout();
    std::string logged = readLines("udebug.log");
    EXPECT_EQ(printed, logged);
    ASSERT_EQ(logged.compare(0, 6, "a 1\nb\n"), 0);
    std::string cut = logged.substr(6);
    ASSERT_GT(cut.size(), 1000u);
    EXPECT_LT(cut.size(), longText.size());
    EXPECT_EQ(cut, std::string(cut.size() - 1, 'x') + "\n");
}

TEST(DbgMsg, StillPrintsWhenUdebugLogCannotBeOpened)
{
    TempDir dir;
    ScopedWorkingDirectory inFolder(dir.path());
    fs::create_directory("udebug.log");
    ::testing::internal::CaptureStdout();
    DBG_msg("kept");
    EXPECT_EQ(capturedStdout(), "kept\n");
}

// ---------------------------------------------------------------------------
// Local time through a clock the test sets

TQGFlocalTime g_fakeNow;

void readFakeClock(TQGFlocalTime* now)
{
    *now = g_fakeNow;
}

class LocalTime : public ::testing::Test {
protected:
    void SetUp() override { _TQGFsetLocalTimeSource(readFakeClock); }
    void TearDown() override { _TQGFsetLocalTimeSource(nullptr); }

    static void setClock(long hour, long minute, long second, long millisecond)
    {
        g_fakeNow = {2024, 2, 4, 29, hour, minute, second, millisecond};
    }
    static long intervalBetween(long h1, long m1, long s1, long ms1, long h2, long m2, long s2,
                                long ms2)
    {
        setClock(h1, m1, s1, ms1);
        TQGFsetTimePoint();
        setClock(h2, m2, s2, ms2);
        return TQGFdiffTimePoint();
    }
};

TEST_F(LocalTime, ClockTimeCountsMillisecondsSinceMidnight)
{
    setClock(1, 2, 3, 4);
    EXPECT_EQ(TQGFclocktime(), 3723004);
    setClock(23, 59, 59, 999);
    EXPECT_EQ(TQGFclocktime(), 86399999);
}

TEST_F(LocalTime, DiffTimePointMeasuresOneSignedIntervalWrappedAtTheHour)
{
    EXPECT_EQ(intervalBetween(9, 0, 59, 0, 9, 1, 1, 0), 2000000);
    EXPECT_EQ(intervalBetween(9, 5, 10, 900, 9, 5, 11, 100), 200000);
    EXPECT_EQ(intervalBetween(10, 59, 59, 500, 11, 0, 0, 250), 750000);
    // The hour itself is not compared.
    EXPECT_EQ(intervalBetween(10, 10, 0, 0, 12, 10, 0, 1), 1000);
    // Longer than a long holds in microseconds.
    EXPECT_EQ(intervalBetween(10, 0, 0, 0, 10, 59, 59, 999), LONG_MAX);
}

// ---------------------------------------------------------------------------
// Calendar

long weekday(long year, long month, long day)
{
    long date[3] = {year, month, day};
    return TQgetwday(date);
}

TEST(Calendar, WeekdayCountsFromMondayThe1stOfJanuary1900)
{
    EXPECT_EQ(weekday(1900, 1, 1), 0);
    EXPECT_EQ(weekday(2000, 3, 1), 2);
    EXPECT_EQ(weekday(2000, 2, 29), 1);
    EXPECT_EQ(weekday(1900, 3, 1), 3);   // 1900 has no 29 February
    EXPECT_EQ(weekday(2024, 12, 31), 1);
    // Years below 1900 already count from 1900.
    EXPECT_EQ(weekday(100, 3, 1), 2);
}

// ---------------------------------------------------------------------------
// Sending and tracing

struct SentText {
    bool hostWasNull = false;
    std::string target;
    std::string text;
    int count = 0;
};
SentText g_sent;

long recordSend(const char* host, const char* target, const char* text)
{
    g_sent.hostWasNull = host == nullptr;
    g_sent.target = target;
    g_sent.text = text;
    ++g_sent.count;
    return -1;
}

class Trace : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_sent = SentText();
        TQDmessage::_setup_ext_send_msg_proc(reinterpret_cast<void*>(recordSend), nullptr);
    }
    void TearDown() override
    {
        TQDmessage::_setup_ext_send_msg_proc(nullptr, nullptr);
        TQDappDev::setTraceMode(0);
    }
};

TEST_F(Trace, SendsUtf8ToTheTracerOnlyInTraceMode)
{
    ASSERT_NE(FakeCodeConvert::install(), nullptr);
    const long kLatin9 = 15;
    TQDappDev::setTraceMode(0);
    TQGFtrace(TQCstring("caf\xE9", kLatin9));
    EXPECT_EQ(g_sent.count, 0);

    TQDappDev::setTraceMode(1);
    TQGFtrace(TQCstring("caf\xE9", kLatin9));
    EXPECT_EQ(g_sent.count, 1);
    EXPECT_TRUE(g_sent.hostWasNull);
    EXPECT_EQ(g_sent.target, "TQ-TRACER");
    EXPECT_EQ(g_sent.text, "caf\xC3\xA9");
}

// ---------------------------------------------------------------------------
// Hooks

TEST(Hooks, LangNameKeepsAtMost31Characters)
{
    const std::string longName(40, 'n');
    char* kept = TQGFsetLangName(longName.c_str());
    EXPECT_EQ(std::string(kept), longName.substr(0, 31));
    EXPECT_STREQ(TQGFsetLangName("ja_JP"), "ja_JP");
    EXPECT_EQ(TQGFsetLangName("x"), kept);   // one stored copy
}

TEST(Hooks, BlinkRateCountsSteps250msTruncatedTo8Bits)
{
    EXPECT_EQ(TQGFblinkRate(1000), 4);
    EXPECT_EQ(TQGFblinkRate(100), 0);
    EXPECT_EQ(TQGFblinkRate(499), 1);
    EXPECT_EQ(TQGFblinkRate(300 * 250), 300 & 0xFF);
}

// Answers to the window class name, as a window does.
class WindowStandIn : public SampleWidget {
public:
    WindowStandIn() : SampleWidget(nullptr, "win") {}
    void* cast(const char* name) override
    {
        if (name != nullptr && std::strcmp(name, "TQCwindow") == 0)
            return this;
        return SampleWidget::cast(name);
    }
    TQCbool enableClose = 0;
};

TQCbool readStandInFlag(TQCbase* window)
{
    return static_cast<WindowStandIn*>(window)->enableClose;
}

TEST(Hooks, WindowEnableCloseIsTrueForNonWindowsElseTheWindowsFlag)
{
    SampleButton button(nullptr, "btn");
    WindowStandIn window;
    EXPECT_EQ(TQGFgetWindowEnableClose(&button), 1);
    EXPECT_EQ(TQGFgetWindowEnableClose(nullptr), 1);
    EXPECT_EQ(TQGFgetWindowEnableClose(&window), 1);   // no reader installed yet

    _TQGFsetWindowEnableCloseReader(readStandInFlag);
    EXPECT_EQ(TQGFgetWindowEnableClose(&window), 0);
    window.enableClose = 1;
    EXPECT_EQ(TQGFgetWindowEnableClose(&window), 1);
    EXPECT_EQ(TQGFgetWindowEnableClose(&button), 1);
    _TQGFsetWindowEnableCloseReader(nullptr);
}

} // namespace
