// The remote-object tests' common scene.
#include "RemoteScene.h"

#include "GuiTestApp.h"

#include "_TQCRroot.h"
#include "_TQCconductor.h"

#include <gtest/gtest.h>

#include <memory>

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

OwnDispatcher::OwnDispatcher(unsigned short port)
    : m_port(port != 0 ? port : WireServer::freePort())
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

WireServer::Script inOrder(std::vector<WireStep> steps)
{
    auto next = std::make_shared<size_t>(0);
    return [steps, next](const std::vector<WireRecord>& request, std::string* reply) {
        size_t arguments = *next < steps.size() ? steps[*next].arguments : 0;
        if (request.size() < 1 + arguments)
            return false;
        *reply = *next < steps.size() ? steps[*next].reply : std::string();
        ++*next;
        return true;
    };
}
