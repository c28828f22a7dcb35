// Helpers shared by the source files of the application object list, and
// by none outside them.
#ifndef _TQCBASELIST_INTERNAL_H
#define _TQCBASELIST_INTERNAL_H

#include <cstring>

#include "_TQCbaseList.h"

// A queue run or event broadcast under way, with its snapshot of objects.
// delClient blanks a destroyed object out of every running frame, so later
// entries of the same run never reach it.
struct TQCbaseList::RunFrame {
    TQCbase** objects;
    long count;
    RunFrame* outer;
};

namespace tqbaselist {

inline bool sameName(const char* a, const char* b)
{
    return a != nullptr && b != nullptr && a[0] == b[0] && std::strcmp(a, b) == 0;
}

inline long addOnce(TQClistData& list, TQCbase* object)
{
    for (long i = 0; i < list.getNum(); ++i) {
        if (list.getData(i) == object)
            return -1;
    }
    list.add(object);
    return 0;
}

// Keeps a run frame on the list's frame chain for the lifetime of a run.
template <typename Frame>
class FrameScope {
public:
    FrameScope(Frame*& chainArg, Frame* frame) : chain(chainArg), previous(chainArg)
    {
        chain = frame;
    }
    ~FrameScope() { chain = previous; }
    FrameScope(const FrameScope&) = delete;
    FrameScope& operator=(const FrameScope&) = delete;

private:
    Frame*& chain;
    Frame* previous;
};

} // namespace tqbaselist

#endif
