// Trigger names and mask bits.
#include "_TQGFtrigger.h"

#include <cstring>

namespace {

const int kNamedTriggers = 20;
const int kTableSize = 32;

const char* const kNames[kNamedTriggers] = {
    "TQEV_INITIALIZE", "TQEV_DELETE", "TQEV_ACTIVATE", "TQEV_VALUE_CH",
    "TQEV_FOCUS_CH", "TQEV_VISIBLE_CH", "TQEV_SENSITIVE_CH",
    "TQEV_PARENT_VISIBLE_CH", "TQEV_PARENT_SENSITIVE_CH", "TQEV_EXPOSE",
    "TQEV_RESIZE", "TQEV_MOUSE_IN", "TQEV_MOUSE_OUT", "TQEV_MOUSE_PRESS",
    "TQEV_MOUSE_RELEASE", "TQEV_MOUSE_MOVE", "TQEV_KEY_PRESS",
    "TQEV_KEY_RELEASE", "TQEV_KEY_HOOK", "TQEV_MOUSE_DOUBLE_CLICK",
};

bool inTable(long code)
{
    return code >= 0 && code < kTableSize;
}

} // namespace

const char* TQGFtriggerToName(long code)
{
    if (!inTable(code))
        return "TQEV_NONE";
    if (code >= kNamedTriggers)
        return "TQEV_USER";
    return kNames[code];
}

const char* TQGFeventToName(long code)
{
    return TQGFtriggerToName(code);
}

long TQGFeventToMaskBit(long code)
{
    if (code == TQEV_MOUSE_DOUBLE_CLICK)
        return 1L << TQEV_MOUSE_PRESS;
    if (!inTable(code) || code >= kNamedTriggers)
        return 0;
    return 1L << code;
}

long TQGFnameToEvent(const char* name)
{
    if (!name)
        return -1;
    for (int i = 0; i < kNamedTriggers; ++i) {
        if (strcmp(name, kNames[i]) == 0)
            return i;
    }
    return -1;
}
