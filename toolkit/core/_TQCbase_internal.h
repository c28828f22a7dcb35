// Helpers shared by the source files of the base object, and by none
// outside them.
#ifndef _TQCBASE_INTERNAL_H
#define _TQCBASE_INTERNAL_H

#include <cstdarg>
#include <cstdio>

#include "_TQClistData.h"
#include "_TQGFdebug.h"

class TQCbase;

namespace tqbase {

// Source name of the debug log lines of the base object.
const char kSourceName[] = "_TQCbase";
const char* const kExportNameKey = "export-name";

inline bool listHolds(const TQClistData* list, const void* p)
{
    if (list == nullptr)
        return false;
    for (long i = 0; i < list->getNum(); ++i) {
        if (list->getData(i) == p)
            return true;
    }
    return false;
}

// The debug log's closing line of a run, written when it goes out of scope.
// It is made together with the opening line, while the object, its name and
// the procedure still exist: a run may destroy them. Nothing is made when
// the log is closed.
class ClosingLogLine {
public:
    ClosingLogLine() { text[0] = '\0'; }
    ~ClosingLogLine()
    {
        if (text[0] != '\0')
            __dbprintf("%s", text);
    }
    void prepare(const char* format, ...) __attribute__((format(gnu_printf, 2, 3)))
    {
        va_list args;
        va_start(args, format);
        std::vsnprintf(text, sizeof text, format, args);
        va_end(args);
    }

private:
    ClosingLogLine(const ClosingLogLine&) = delete;
    ClosingLogLine& operator=(const ClosingLogLine&) = delete;

    char text[512];
};

// Whether the object has the four geometry properties x, y, width and
// height.
bool hasGeometry(TQCbase* object);

} // namespace tqbase

#endif
