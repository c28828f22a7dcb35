// Balloon-help component: the two properties and the binding of the client
// they name.
#include "_TQCvballoonHelp.h"

#include "_TQCballoonHelp.h"
#include "_TQCbaseList.h"
#include "_TQCtypeServerFrame.h"
#include "_TQGFtrigger.h"

#include <string>

TQ_TYPE_SERVER_FRAME(TQCvballoonHelp, TQCngbase);

TQCvballoonHelp::TQCvballoonHelp(TQCbase* parent, const char* name) : TQCngbase(parent, name)
{
    TQCregisterClass(this, VERSION, [](Registrar& r) {
        TQ_WATCH(r, client, nullptr);
        TQ_WATCH(r, labelString, nullptr);
        r.triggers({TQEV_ACTIVATE});
    });
    _set_title_string("b-help\nclient: none");
}

TQCvballoonHelp::~TQCvballoonHelp()
{
    delete[] m_client;
    delete[] m_labelString;
}

void TQCvballoonHelp::setWorkTQNclient(char*)
{
    _register();
}

void TQCvballoonHelp::setWorkTQNlabelString(char*)
{
    _register();
}

// Unregistering first lets a client that is registered already take the
// new text.
void TQCvballoonHelp::_register()
{
    if (m_client == nullptr || m_client[0] == '\0')
        return;
    TQCbase* client = TQGIappObjectList()->getInstance("TQCbase", m_client);
    if (client == nullptr)
        return;
    _set_title_string((std::string("b-help\nclient:") + m_client).c_str());
    TQCballoonHelp* balloon = TQGIappBalloonHelp();
    balloon->unregisterClient(client);
    balloon->registerClient(client, m_labelString != nullptr ? m_labelString : "");
}
