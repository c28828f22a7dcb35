// The tests' HTTP server: a loopback server whose requests end at their
// empty line.
#include "LoopbackHttpServer.h"

LoopbackHttpServer::LoopbackHttpServer(Script script)
    : m_server(0, [script](const std::string& request, std::string* reply) {
          if (request.find("\r\n\r\n") == std::string::npos)
              return false;
          *reply = script(request);
          return true;
      })
{
}

std::string LoopbackHttpServer::url(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(port()) + path;
}

std::string httpResponse(const char* status, const std::vector<std::string>& headers,
                         const std::string& body)
{
    std::string response = std::string("HTTP/1.0 ") + status + "\r\n";
    for (const std::string& header : headers)
        response += header + "\r\n";
    return response + "\r\n" + body;
}
