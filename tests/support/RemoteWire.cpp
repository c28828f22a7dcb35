// Remote-call records by hand, and the plain sockets that send and answer
// them.
#include "RemoteWire.h"

#include "ByteStreamSerialize.h"
#include "LoopbackAddress.h"

#include <chrono>

namespace {

const DWORD kPatienceMs = 8000;

std::string be(unsigned long value, int bytes)
{
    std::string out;
    for (int i = bytes - 1; i >= 0; --i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

unsigned long readBe(const std::string& bytes, size_t at, int count)
{
    unsigned long value = 0;
    for (int i = 0; i < count; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// One record at `at`: false while it is incomplete.
bool parseRecord(const std::string& bytes, size_t& at, WireRecord& record, int depth)
{
    if (depth > 16 || at + 1 > bytes.size())
        return false;
    size_t nameLength = static_cast<unsigned char>(bytes[at]);
    if (at + 1 + nameLength + 2 > bytes.size())
        return false;
    record.name = bytes.substr(at + 1, nameLength);
    size_t p = at + 1 + nameLength;
    record.kind = static_cast<unsigned char>(bytes[p]);
    size_t typeLength = static_cast<unsigned char>(bytes[p + 1]);
    p += 2;
    if (record.kind != 0) {
        if (p + 4 > bytes.size())
            return false;
        size_t size = readBe(bytes, p, 4);
        if (p + 4 + size > bytes.size())
            return false;
        record.data = bytes.substr(p + 4, size);
        at = p + 4 + size;
        return true;
    }
    if (p + typeLength + 4 > bytes.size())
        return false;
    record.type = bytes.substr(p, typeLength);
    unsigned long count = readBe(bytes, p + typeLength, 4);
    p += typeLength + 4;
    if (count > 32768)
        count = 0;
    for (unsigned long i = 0; i < count; ++i) {
        WireRecord child;
        if (!parseRecord(bytes, p, child, depth + 1))
            return false;
        record.children.push_back(child);
    }
    at = p;
    return true;
}

SOCKET tcpSocket()
{
    WSADATA data;
    WSAStartup(MAKEWORD(2, 0), &data);
    return socket(AF_INET, SOCK_STREAM, 0);
}

void patient(SOCKET s)
{
    DWORD patience = kPatienceMs;
    setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<char*>(&patience), sizeof patience);
}

} // namespace

std::string wireText(const std::string& name, const std::string& text)
{
    return valueRecord(name, 5, text + std::string(1, '\0'));
}

std::string wireFlag(const std::string& name, unsigned char value)
{
    return valueRecord(name, 4, std::string(1, static_cast<char>(value)));
}

std::string wireShort(const std::string& name, short value)
{
    return valueRecord(name, 2, be(static_cast<unsigned short>(value), 2));
}

std::string wireLong(const std::string& name, long value)
{
    return valueRecord(name, 3, be(static_cast<unsigned long>(value), 4));
}

std::string wireCall(const std::string& className, const std::string& instanceName,
                     const std::string& operation, const std::string& recordName)
{
    return structRecord(recordName, "TQCremoteCall", 3,
                        wireText(">cl", className) + wireText(">in", instanceName) +
                            wireText(">op", operation));
}

std::string wireInstance(const std::string& name, const std::string& publicName,
                         const std::string& instanceName, const std::string& className,
                         const std::string& address, unsigned short port)
{
    return structRecord(name, "TQCremoteInstanceData", 5,
                        wireText(">pn", publicName) + wireText(">in", instanceName) +
                            wireText(">cl", className) + wireText(">ad", address) +
                            wireShort(">pt", static_cast<short>(port)));
}

std::string WireRecord::text() const
{
    size_t end = data.find('\0');
    return data.substr(0, end);
}

long WireRecord::number() const
{
    unsigned long value = readBe(data, 0, static_cast<int>(data.size() > 4 ? 4 : data.size()));
    if (data.size() == 2)
        return static_cast<short>(value);
    return static_cast<long>(value);
}

const WireRecord& WireRecord::child(const std::string& childName) const
{
    static const WireRecord none;
    for (const WireRecord& c : children) {
        if (c.name == childName)
            return c;
    }
    return none;
}

std::vector<WireRecord> wireRecords(const std::string& bytes)
{
    std::vector<WireRecord> records;
    size_t at = 0;
    WireRecord record;
    while (parseRecord(bytes, at, record, 0)) {
        records.push_back(record);
        record = WireRecord();
    }
    return records;
}

std::string wireOperation(const std::vector<WireRecord>& request)
{
    return request.empty() ? std::string() : request[0].child(">op").text();
}

// ---------------------------------------------------------------------------

WireExchange::WireExchange(unsigned short port, std::string request)
{
    m_thread = std::thread([this, port, request] {
        SOCKET s = tcpSocket();
        patient(s);
        sockaddr_in to = loopback(port);
        std::string answer;
        if (connect(s, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0) {
            send(s, request.data(), static_cast<int>(request.size()), 0);
            shutdown(s, SD_SEND);
            char chunk[256];
            int n;
            while ((n = recv(s, chunk, sizeof chunk, 0)) > 0)
                answer.append(chunk, static_cast<size_t>(n));
            if (n < 0 && WSAGetLastError() == WSAETIMEDOUT)
                answer = "(open)";
        } else {
            answer = "(refused)";
        }
        closesocket(s);
        m_answer = answer;
        m_done = true;
    });
}

WireExchange::~WireExchange()
{
    m_thread.join();
}

std::string WireExchange::answer() const
{
    return m_done ? m_answer : std::string("(pending)");
}

// ---------------------------------------------------------------------------

namespace {

// A socket bound to 127.0.0.1:port, tried again while another program
// holds the port; INVALID_SOCKET when it stays taken.
SOCKET boundWithin(unsigned short port, unsigned patienceMs)
{
    SOCKET s = tcpSocket();
    sockaddr_in at = loopback(port);
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(patienceMs);
    while (bind(s, reinterpret_cast<sockaddr*>(&at), sizeof at) != 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            closesocket(s);
            return INVALID_SOCKET;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return s;
}

} // namespace

bool waitForFreePort(unsigned short port, unsigned patienceMs)
{
    SOCKET s = boundWithin(port, patienceMs);
    closesocket(s);
    return s != INVALID_SOCKET;
}

WireServer::WireServer(unsigned short port, Script script, unsigned patienceMs)
    : m_script(std::move(script))
{
    SOCKET s = boundWithin(port, patienceMs);
    if (s == INVALID_SOCKET)
        return;
    sockaddr_in at = loopback(port);
    int length = sizeof at;
    getsockname(s, reinterpret_cast<sockaddr*>(&at), &length);
    m_port = ntohs(at.sin_port);
    listen(s, SOMAXCONN);
    m_listener = static_cast<unsigned>(s);
    m_thread = std::thread([this] { serve(); });
}

WireServer::~WireServer()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

std::vector<std::string> WireServer::requests() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_requests;
}

unsigned short WireServer::freePort()
{
    SOCKET s = tcpSocket();
    sockaddr_in at = loopback(0);
    int length = sizeof at;
    bind(s, reinterpret_cast<sockaddr*>(&at), length);
    getsockname(s, reinterpret_cast<sockaddr*>(&at), &length);
    closesocket(s);
    return ntohs(at.sin_port);
}

void WireServer::serve()
{
    SOCKET listener = static_cast<SOCKET>(m_listener);
    while (!m_stop) {
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(listener, &ready);
        timeval pause = {0, 50000};
        if (select(0, &ready, nullptr, nullptr, &pause) != 1)
            continue;
        SOCKET connection = accept(listener, nullptr, nullptr);
        if (connection != INVALID_SOCKET)
            serveConnection(static_cast<unsigned>(connection));
    }
    closesocket(listener);
}

void WireServer::serveConnection(unsigned handle)
{
    SOCKET connection = static_cast<SOCKET>(handle);
    patient(connection);
    std::string bytes;
    std::string reply;
    bool complete = false;
    char chunk[256];
    int n;
    while (!complete && (n = recv(connection, chunk, sizeof chunk, 0)) > 0) {
        bytes.append(chunk, static_cast<size_t>(n));
        complete = m_script(wireRecords(bytes), &reply);
    }
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_requests.push_back(bytes);
    }
    if (complete)
        send(connection, reply.data(), static_cast<int>(reply.size()), 0);
    shutdown(connection, SD_SEND);
    closesocket(connection);
}
