// The debug log "tqdbg.txt" with its optional heap stress, and the plain
// log "udebug.log".
#include "_TQGFdebug.h"

#include <algorithm>
#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

FILE* g_debugFile = nullptr;
bool g_memoryDebug = false;
bool g_memoryDebug2 = false;

// Called through volatile pointers so that the compiler cannot drop blocks
// that are filled and never read.
void* (*volatile allocateBlock)(std::size_t) = std::malloc;
void (*volatile releaseBlock)(void*) = std::free;

// Allocates blocks of 0, step, 2·step, ... bytes, fills them and frees them
// all, so that heap damage shows up near the debug line that follows.
void stressHeap(int blocks, std::size_t step)
{
    void* held[100];
    blocks = std::min(blocks, 100);
    for (int i = 0; i < blocks; ++i) {
        std::size_t size = step * static_cast<std::size_t>(i);
        held[i] = allocateBlock(size);
        if (held[i] != nullptr)
            std::memset(held[i], 0xFF, size);
    }
    for (int i = 0; i < blocks; ++i)
        releaseBlock(held[i]);
}

void stressHeapIfAsked()
{
    if (g_memoryDebug2)
        stressHeap(10, 1000);
    else if (g_memoryDebug)
        stressHeap(100, 10);
}

const std::size_t kMessageSize = 4096;

} // namespace

int __dbprintf_init()
{
    if (std::getenv("TQDEBUG") != nullptr && g_debugFile == nullptr)
        g_debugFile = std::fopen("tqdbg.txt", "a+");
    g_memoryDebug = std::getenv("TQMEMDEBUG") != nullptr;
    g_memoryDebug2 = std::getenv("TQMEMDEBUG2") != nullptr;
    return 0;
}

int __dbprintf(const char* format, ...)
{
    if (g_debugFile == nullptr)
        return -1;
    stressHeapIfAsked();
    va_list args;
    va_start(args, format);
    int written = std::vfprintf(g_debugFile, format, args);
    va_end(args);
    std::fflush(g_debugFile);
    return written;
}

void DBG_msg(const char* format, ...)
{
    static char message[kMessageSize];
    va_list args;
    va_start(args, format);
    std::vsnprintf(message, sizeof message, format, args);
    va_end(args);
    FILE* log = std::fopen("udebug.log", "a");
    if (log != nullptr) {
        std::fprintf(log, "%s\n", message);
        std::fclose(log);
    }
    std::printf("%s\n", message);
}

void TQGFtimetrace()
{
    if (g_debugFile == nullptr)
        return;
    TQGFlocalTime now = _TQGFlocalNow();
    std::fprintf(g_debugFile, "%2d:%2d:%2d %dmsec\n", static_cast<int>(now.hour),
                 static_cast<int>(now.minute), static_cast<int>(now.second),
                 static_cast<int>(now.millisecond));
    std::fflush(g_debugFile);
}
