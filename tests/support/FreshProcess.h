// Checks for test scenarios that run in a process of their own (through
// EXPECT_EXIT) because they change process-wide state for good: a failed
// check names itself on standard error and ends the process with status 3,
// a scenario that got through ends it with status 0; and the test that runs
// such a scenario.
#ifndef FRESHPROCESS_H
#define FRESHPROCESS_H

#include "TempDir.h"
#include "_TQGFdebug.h"

#include <cstdio>
#include <cstdlib>

// Ends the process at once, the toolkit's threads first, and the test's
// temporary folders after them: _Exit runs no exit handlers.
[[noreturn]] inline void endFreshProcess(int status)
{
    std::fflush(stdout);
    std::fflush(stderr);
    TQGFendThreads();
    TempDir::removeLiveFolders();
    std::_Exit(status);
}

inline void requireInChild(bool ok, const char* what)
{
    if (ok)
        return;
    std::fprintf(stderr, "check failed: %s\n", what);
    endFreshProcess(3);
}

[[noreturn]] inline void passInChild()
{
    endFreshProcess(0);
}

// A test of a scenario run in a process of its own: it passes when that
// process ends with status 0 and its standard error matches pattern ("" for
// anything).
#define TQ_FRESH_PROCESS_TEST(Suite, Name, scenario, pattern)                    \
    TEST(Suite, Name) { EXPECT_EXIT(scenario, ::testing::ExitedWithCode(0), pattern); }

#endif
