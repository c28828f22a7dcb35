// Process-wide look settings for as long as a scope lives:
//   GuiPolicyScope  the GUI policy, the previous one put back at the end;
//   ExtLookScope    an extended look with one drawing procedure selected,
//                   and no extended look at the end; both changes are
//                   broadcast.
#ifndef GUIPOLICYSCOPE_H
#define GUIPOLICYSCOPE_H

#include "_TQCguiPolicy.h"

class GuiPolicyScope {
public:
    explicit GuiPolicyScope(long policy) : saved(TQGIappGuiPolicy()->getGuiPolicy())
    {
        TQGIappGuiPolicy()->setGuiPolicy(policy, 0);
    }
    ~GuiPolicyScope() { TQGIappGuiPolicy()->setGuiPolicy(saved, 0); }
    GuiPolicyScope(const GuiPolicyScope&) = delete;
    GuiPolicyScope& operator=(const GuiPolicyScope&) = delete;

private:
    long saved;
};

class ExtLookScope {
public:
    ExtLookScope(const char* look, const char* key, TQCguiPolicy::DrawProc proc)
    {
        TQGIappGuiPolicy()->setExtGuiPolicyProc(look, key, proc);
        TQGIappGuiPolicy()->setExtGuiPolicy(look, 1);
    }
    ~ExtLookScope() { TQGIappGuiPolicy()->setExtGuiPolicy("", 1); }
    ExtLookScope(const ExtLookScope&) = delete;
    ExtLookScope& operator=(const ExtLookScope&) = delete;
};

#endif
