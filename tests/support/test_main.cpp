// Entry point shared by every test program.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>

int main(int argc, char** argv)
{
    // Output goes to the Unix side as written, one '\n' a line: ctest reads
    // the list of tests from it.
    _setmode(_fileno(stdout), _O_BINARY);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
