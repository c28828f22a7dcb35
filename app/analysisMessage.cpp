// Until the shared message dialog is wired in, messages go to standard error.
#include "analysisMessage.h"

#include <cstdio>

void reportAnalysisMessage(const char* message)
{
    if (!message)
        return;
    std::fprintf(stderr, "%s\n", message);
}
