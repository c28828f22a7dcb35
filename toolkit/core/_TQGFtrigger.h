// Trigger codes: the kinds of event an event procedure runs on, their names
// and the device-event mask bit each one needs.
#ifndef _TQGFTRIGGER_H
#define _TQGFTRIGGER_H

enum {
    TQEV_INITIALIZE = 0,
    TQEV_DELETE = 1,
    TQEV_ACTIVATE = 2,
    TQEV_VALUE_CH = 3,
    TQEV_FOCUS_CH = 4,
    TQEV_VISIBLE_CH = 5,
    TQEV_SENSITIVE_CH = 6,
    TQEV_PARENT_VISIBLE_CH = 7,
    TQEV_PARENT_SENSITIVE_CH = 8,
    TQEV_EXPOSE = 9,
    TQEV_RESIZE = 10,
    TQEV_MOUSE_IN = 11,
    TQEV_MOUSE_OUT = 12,
    TQEV_MOUSE_PRESS = 13,
    TQEV_MOUSE_RELEASE = 14,
    TQEV_MOUSE_MOVE = 15,
    TQEV_KEY_PRESS = 16,
    TQEV_KEY_RELEASE = 17,
    TQEV_KEY_HOOK = 18,
    TQEV_MOUSE_DOUBLE_CLICK = 19,
    TQEV_USER_FIRST = 20,
    TQEV_USER_LAST = 31
};

// Name of a trigger code; codes 20 to 31 are "TQEV_USER", any other unknown
// code "TQEV_NONE".
const char* TQGFtriggerToName(long code);
const char* TQGFeventToName(long code);
// Device-event bit a trigger needs; a double click shares the press bit.
long TQGFeventToMaskBit(long code);
// Code of one of the twenty named triggers (exact match), else -1.
long TQGFnameToEvent(const char* name);

#endif
