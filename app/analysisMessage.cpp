// The message road: the installed sink, or standard error.
#include "analysisMessage.h"

#include <cstdio>

namespace {

AnalysisMessageSink g_sink = nullptr;

} // namespace

AnalysisMessageSink setAnalysisMessageSink(AnalysisMessageSink sink)
{
    AnalysisMessageSink previous = g_sink;
    g_sink = sink;
    return previous;
}

void reportAnalysisMessage(const char* message)
{
    reportAnalysisMessageAt(message, "100", "100");
}

void reportAnalysisMessageAt(const char* message, const char* x, const char* y)
{
    if (!message)
        return;
    if (g_sink) {
        g_sink(message, x ? x : "", y ? y : "");
        return;
    }
    std::fprintf(stderr, "%s\n", message);
}
