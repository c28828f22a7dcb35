// The per-class cache of an extended look's drawing procedure.
#include "_TQCextLookProc.h"

#include "_TQGFstring.h"

#include <cstring>

TQCguiPolicy::DrawProc TQCextLookProc::get()
{
    TQCguiPolicy* looks = TQGIappGuiPolicy();
    if (!looks->getExtGuiPolicySelected())
        return nullptr;
    if (m_proc == nullptr)
        m_proc = looks->getExtGuiPolicyProc(m_key);
    return m_proc;
}

void TQCextLookProc::renew()
{
    TQCguiPolicy* looks = TQGIappGuiPolicy();
    if (!looks->getExtGuiPolicySelected()) {
        m_proc = nullptr;
        return;
    }
    TQCstring name = looks->getExtGuiPolicyName();
    const char* text = name.getString(-2);
    if (m_lookName != nullptr && std::strcmp(m_lookName, text) == 0)
        return;
    m_proc = looks->getExtGuiPolicyProc(m_key);
    delete[] m_lookName;
    m_lookName = TQGFstrdup(text);
}
