// The drawing procedure an extended look gives one widget class, kept for
// the class: fetched from the selected look when first needed, and fetched
// again only when another look is selected.
#ifndef _TQCEXTLOOKPROC_H
#define _TQCEXTLOOKPROC_H

#include "_TQCguiPolicy.h"

class TQCextLookProc {
public:
    // key names the procedure in a look: the class name and "::draw".
    explicit TQCextLookProc(const char* key) : m_key(key) {}
    ~TQCextLookProc() { delete[] m_lookName; }
    TQCextLookProc(const TQCextLookProc&) = delete;
    TQCextLookProc& operator=(const TQCextLookProc&) = delete;

    // The procedure to draw with; null while no extended look is selected
    // or the selected one has none for the key.
    TQCguiPolicy::DrawProc get();
    // After a look change: dropped without an extended look; fetched again
    // when the selected look is not the one it came from.
    void renew();

private:
    const char* m_key;
    TQCguiPolicy::DrawProc m_proc = nullptr;
    char* m_lookName = nullptr;
};

#endif
