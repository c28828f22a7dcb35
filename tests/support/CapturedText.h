// Text written to a standard stream or a file in text mode, with the CRs
// that text mode adds taken out, so it compares against "\n" endings.
#ifndef CAPTUREDTEXT_H
#define CAPTUREDTEXT_H

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

inline std::string withoutCR(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

// What went to standard error since CaptureStderr().
inline std::string capturedStderr()
{
    return withoutCR(::testing::internal::GetCapturedStderr());
}

// What went to standard output since CaptureStdout().
inline std::string capturedStdout()
{
    return withoutCR(::testing::internal::GetCapturedStdout());
}

#endif
