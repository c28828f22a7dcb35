// The per-class cache of an extended look's drawing procedure.
#include "_TQCextLookCache.h"

#include <cstring>

#include "_TQCbase.h"
#include "_TQDappDev.h"

TQCextLookCache::TQCextLookCache(const char* key) : m_key(key), m_proc(nullptr), m_named(false)
{
}

TQCguiPolicy::DrawProc TQCextLookCache::current()
{
    if (!TQDappDev::getExtGuiPolicySelected())
        return nullptr;
    if (m_proc == nullptr)
        m_proc = TQDappDev::getExtGuiPolicyProc(m_key);
    return m_proc;
}

void TQCextLookCache::refresh()
{
    if (!TQDappDev::getExtGuiPolicySelected()) {
        m_proc = nullptr;
        return;
    }
    TQCstring name = TQDappDev::getExtGuiPolicyName();
    if (m_named && std::strcmp(m_lookName.getString(), name.getString()) == 0)
        return;
    m_proc = TQDappDev::getExtGuiPolicyProc(m_key);
    m_lookName = name;
    m_named = true;
}

void TQCextLookCache::lookChanged(TQCbase* widget)
{
    refresh();
    if (!widget->getVisible())
        return;
    widget->needUpdate();
    widget->setAbsoluteDraw(1);
    widget->redraw();
}
