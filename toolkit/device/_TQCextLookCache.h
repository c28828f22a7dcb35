// The drawing procedure an extended look registered for one widget class
// ("<class>::draw"), looked up on first need and again only when the
// selected look changes. A class keeps one for all its widgets.
#ifndef _TQCEXTLOOKCACHE_H
#define _TQCEXTLOOKCACHE_H

#include "_TQCguiPolicy.h"
#include "_TQCstring.h"

class TQCbase;

class TQCextLookCache {
public:
    // key is kept by reference.
    explicit TQCextLookCache(const char* key);
    TQCextLookCache(const TQCextLookCache&) = delete;
    TQCextLookCache& operator=(const TQCextLookCache&) = delete;

    // What to draw with now: null while no extended look is selected or
    // the look has no procedure for the key.
    TQCguiPolicy::DrawProc current();
    // After a look change: forgets the procedure when no look is selected,
    // looks it up again when the selected look is another one.
    void refresh();
    // refresh(), then a whole repaint of a visible widget.
    void lookChanged(TQCbase* widget);

private:
    const char* m_key;
    TQCguiPolicy::DrawProc m_proc;
    TQCstring m_lookName;
    bool m_named;
};

#endif
