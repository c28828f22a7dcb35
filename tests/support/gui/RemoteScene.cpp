// The remote-object tests' common scene.
#include "RemoteScene.h"

#include "GuiTestApp.h"

#include "_TQCRroot.h"
#include "_TQCconductor.h"

#include <gtest/gtest.h>

void startRemoteScene()
{
    ASSERT_NE(nullptr, startGuiApp());
    TQGIconductor()->setTimeout(2);
}

void aim(TQCRroot& proxy, unsigned short port, const char* instanceName)
{
    proxy.setAddr("127.0.0.1");
    proxy.setPort(port);
    proxy.setInstanceName(instanceName);
}

OwnDispatcher::OwnDispatcher() : m_port(LoopbackServer::freePort())
{
    TQGIconductor()->setPort(m_port);
    TQGIconductor()->startDispatch();
}

OwnDispatcher::~OwnDispatcher()
{
    TQGIconductor()->stopDispatch();
}

std::string OwnDispatcher::exchange(const std::string& request)
{
    WireExchange client(m_port, request);
    pumpMessagesUntil([&] { return client.done(); }, 15000);
    return client.answer();
}
