// The plain sockets that send remote-call records and answer them.
#include "RemoteWire.h"

#include "LoopbackAddress.h"

#include <memory>

WireExchange::WireExchange(unsigned short port, std::string request)
    : m_thread([this, port, request] {
          WSADATA data;
          WSAStartup(MAKEWORD(2, 0), &data);
          SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
          sockaddr_in to = loopback(port);
          std::string answer = "(refused)";
          if (connect(s, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0) {
              send(s, request.data(), static_cast<int>(request.size()), 0);
              shutdown(s, SD_SEND);
              auto untilClosed = [](const std::string&) { return false; };
              answer = receiveOn(static_cast<unsigned>(s), untilClosed);
          }
          closesocket(s);
          m_answer = answer;
          m_done = true;
      })
{
}

LoopbackServer::Script onRecords(WireScript script)
{
    return [script](const std::string& request, std::string* reply) {
        return script(wireRecords(request), reply);
    };
}

LoopbackServer::Script inOrder(std::vector<WireStep> steps)
{
    auto next = std::make_shared<size_t>(0);
    return onRecords([steps, next](const std::vector<WireRecord>& request, std::string* reply) {
        const WireStep step = *next < steps.size() ? steps[*next] : WireStep{0, ""};
        if (request.size() < 1 + step.arguments)
            return false;
        *reply = step.reply;
        ++*next;
        return true;
    });
}
