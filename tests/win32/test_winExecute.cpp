// Child processes under Wine. The child is the helper program built beside
// the tests; its output reaches the receive procedure through the stand-in
// application window while the test pumps it.
#include "TestAppWindow.h"

#include "TQDwinExecute.h"
#include "WinCodeConverter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

const DWORD kPatience = 10000;

// What the receive procedure does on each call, and whether it has seen
// the call that reports the child's end.
struct Reception {
    std::function<void(TQDexecute*)> take;
    bool ended = false;
};

void receive(TQDexecute* child)
{
    Reception* reception = static_cast<Reception*>(child->getUserData());
    if (reception->take)
        reception->take(child);
    if (child->getProcessId() == nullptr)
        reception->ended = true;
}

std::string helper(const std::string& arguments)
{
    return "\"" + besideTestProgram("tq_test_helper.exe") + "\" " + arguments;
}

std::unique_ptr<TQDexecute> newChild(Reception* reception)
{
    std::unique_ptr<TQDexecute> child(TQDexecute::getNewInstance());
    if (reception != nullptr)
        child->setReceiveProc(receive, reception);
    return child;
}

// Runs the helper with arguments and collects the lines of its output
// until it has ended; false when it did not end in time.
bool linesOf(TestAppWindow& app, const std::string& command, long mode,
             std::vector<std::string>* lines, const char* input = nullptr)
{
    Reception reception;
    reception.take = [lines](TQDexecute* child) {
        char line[256];
        while (child->gets(line, sizeof line) != nullptr)
            lines->push_back(line);
    };
    auto child = newChild(&reception);
    if (child->execute(command.c_str(), mode) != 0)
        return false;
    if (input != nullptr) {
        long length = static_cast<long>(std::strlen(input));
        EXPECT_EQ(length, child->write(input, length));
    }
    return app.pumpUntil([&] { return reception.ended; }, kPatience);
}

class WinExecute : public ::testing::Test {
protected:
    static void SetUpTestSuite() { useWinCodeConverter(); }
};

} // namespace

TEST_F(WinExecute, GetsTakesLineByLineDroppingTheReturnBeforeANewline)
{
    TestAppWindow app;
    std::vector<std::string> lines;
    ASSERT_TRUE(linesOf(app, helper("print a\\r\\nb\\n"), 2, &lines));
    EXPECT_EQ((std::vector<std::string>{"a\n", "b\n"}), lines);

    lines.clear();
    ASSERT_TRUE(linesOf(app, helper("print x\\0y\\n"), 2, &lines));
    EXPECT_EQ((std::vector<std::string>{"x", "y\n"}), lines) << "a NUL ends a line and is taken";
}

TEST_F(WinExecute, ShortGetsAndReadLeaveTheRestPending)
{
    TestAppWindow app;
    std::vector<std::string> taken;
    long readAll = -2;
    long readAgain = -2;
    char* noRoom = reinterpret_cast<char*>(1);
    Reception reception;
    reception.take = [&](TQDexecute* child) {
        char buffer[128];
        if (child->getProcessId() == nullptr || !taken.empty())
            return;
        noRoom = child->gets(buffer, 1);
        taken.push_back(child->gets(buffer, 3) != nullptr ? buffer : "(null)");
        taken.push_back(child->gets(buffer, sizeof buffer) != nullptr ? buffer : "(null)");
        readAll = child->read(buffer, 100);
        taken.push_back(std::string(buffer, readAll > 0 ? readAll : 0));
        readAgain = child->read(buffer, 100);
    };
    auto child = newChild(&reception);
    ASSERT_EQ(0, child->execute(helper("print abcdef\\n0123456789").c_str(), 2));
    ASSERT_TRUE(app.pumpUntil([&] { return reception.ended; }, kPatience));

    EXPECT_EQ(nullptr, noRoom) << "gets without room for a byte takes nothing";
    EXPECT_EQ((std::vector<std::string>{"ab", "cdef\n", "0123456789"}), taken);
    EXPECT_EQ(10, readAll);
    EXPECT_EQ(0, readAgain) << "nothing left pending";
    EXPECT_EQ(nullptr, child->getHandle()) << "released after the last call";
}

TEST_F(WinExecute, ModesRefuseTheStreamsTheyDoNotCarry)
{
    TestAppWindow app;
    auto child = newChild(nullptr);
    char buffer[16];
    ASSERT_EQ(0, child->execute(helper("echo").c_str(), 1));
    EXPECT_EQ(-1, child->write("x\n", 2)) << "mode 1 has no input";

    ASSERT_EQ(0, child->execute(helper("echo").c_str(), 3));
    EXPECT_NE(nullptr, child->getProcessId());
    EXPECT_EQ(3, child->write("xyz", 3));
    EXPECT_EQ(0, child->read(buffer, sizeof buffer)) << "mode 3 collects no output";
    EXPECT_EQ(nullptr, child->gets(buffer, sizeof buffer));

    ASSERT_EQ(0, child->execute(helper("fill 0").c_str(), 0));
    EXPECT_EQ(0, child->read(buffer, sizeof buffer)) << "mode 0 has no pipes";
    EXPECT_EQ(-1, child->write("x", 1));
    EXPECT_EQ(0, child->killProcess());
    EXPECT_EQ(nullptr, child->getProcessId());
    EXPECT_EQ(nullptr, child->getHandle());
}

TEST_F(WinExecute, StartFailsWithoutCommandProgramOrWorkingDirectory)
{
    auto child = newChild(nullptr);
    EXPECT_EQ(-1, child->execute(nullptr, 2));
    EXPECT_EQ(-1, child->execute(besideTestProgram("no_such_program.exe").c_str(), 2));
    child->setCurrentDir("C:/no/such/folder");
    EXPECT_EQ(-1, child->execute(helper("fill 0").c_str(), 0));
    EXPECT_EQ(nullptr, child->getProcessId()) << "nothing was started";
}

TEST_F(WinExecute, InputReachesTheChildAndItsAnswerComesBack)
{
    TestAppWindow app;
    std::vector<std::string> lines;
    ASSERT_TRUE(linesOf(app, helper("echo"), 2, &lines, "ping\n"));
    EXPECT_EQ((std::vector<std::string>{"ping\n"}), lines);
}

TEST_F(WinExecute, AllOutputArrivesBeforeTheEndEvenForExitCodeStillActive)
{
    TestAppWindow app;
    std::string output;
    Reception reception;
    reception.take = [&](TQDexecute* child) {
        char buffer[1000];
        for (long n; (n = child->read(buffer, sizeof buffer)) > 0;)
            output.append(buffer, n);
    };
    auto child = newChild(&reception);
    ASSERT_EQ(0, child->execute(helper("fill 20000 259").c_str(), 1));
    ASSERT_TRUE(app.pumpUntil([&] { return reception.ended; }, kPatience))
        << "a child ending with 259 has ended all the same";

    std::string expected;
    for (int i = 0; i < 20000; ++i)
        expected += static_cast<char>('a' + i % 26);
    EXPECT_EQ(expected, output);
}

TEST_F(WinExecute, CommandSlashesBecomeSingleBackslashes)
{
    TestAppWindow app;
    std::string path = besideTestProgram("tq_test_helper.exe");
    std::string slashed;
    for (std::string::size_type i = 0; i < path.size(); ++i)
        slashed += path[i] != '\\' ? std::string(1, path[i]) : i % 2 ? "//" : "/";
    std::vector<std::string> lines;
    ASSERT_TRUE(linesOf(app, "\"" + slashed + "\" cmdline", 1, &lines));
    EXPECT_EQ((std::vector<std::string>{"\"" + path + "\" cmdline"}), lines);
}
