// The extended-look hook: the per-class procedure and the listener.
#include "_TQClookHook.h"

#include <cstring>

#include "_TQCbase.h"
#include "_TQCbaseList.h"
#include "_TQDappDev.h"

TQCguiPolicy::DrawProc TQClookProc::current()
{
    if (!TQDappDev::getExtGuiPolicySelected())
        return nullptr;
    if (m_proc == nullptr)
        m_proc = TQDappDev::getExtGuiPolicyProc(m_key);
    return m_proc;
}

void TQClookProc::refresh()
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

// The base handling runs the GUI_POLICY procedures, which may delete the
// widget.
void TQClookProc::policyChanged(TQCbase* widget, long policy)
{
    TQCbase::LifeGuard guard(widget);
    widget->TQCbase::onGuiPolicyChange(policy);
    if (!guard.alive())
        return;
    refresh();
    if (!widget->getVisible())
        return;
    widget->needUpdate();
    widget->setAbsoluteDraw(1);
    widget->redraw();
}

TQClookListener::TQClookListener(TQCbase* widget) : m_widget(widget), m_added(false)
{
    TQCbaseList* objects = TQGIappObjectList();
    if (objects->isRegistered(widget, TQCbase::TRIGGER_GUI_POLICY))
        return;
    objects->addEvent(widget, TQCbase::TRIGGER_GUI_POLICY);
    m_added = true;
}

TQClookListener::~TQClookListener()
{
    if (m_added)
        TQGIappObjectList()->delEvent(m_widget, TQCbase::TRIGGER_GUI_POLICY);
}
