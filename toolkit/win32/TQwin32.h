// <windows.h> as the toolkit takes it: without the rarely used parts, and
// without the min and max macros that would break std::min and std::max.
// Include this instead of <windows.h> itself.
#ifndef TQWIN32_H
#define TQWIN32_H

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#endif
