// The HTTP client against a server on 127.0.0.1: the request's bytes, what
// parses and what fetches, bodies by type and length, the cache, the proxy,
// and the file object and image reader fetching through it.
#include "CapturedText.h"
#include "FileBytes.h"
#include "FreshProcess.h"
#include "LoopbackHttpServer.h"
#include "TQDwinFile.h"
#include "TQDwinImage.h"
#include "TQGFloadRemoteFile.h"
#include "TQGFwinJpeg.h"
#include "TempDir.h"
#include "WinCodeConverter.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// One call's outputs; the body without the NUL that must end it.
struct Fetched {
    char* data = nullptr;
    char* type = nullptr;
    long length = -1;
    long html = -1;
    long result;

    Fetched(const std::string& url, long noCacheLookup = 1)
    {
        result = TQGFloadRemoteFile(const_cast<char*>(url.c_str()), &data, &type, &length, &html,
                                    noCacheLookup);
    }
    ~Fetched()
    {
        delete[] data;
        delete[] type;
    }
    std::string body() const
    {
        if (data == nullptr || length < 1 || data[length - 1] != '\0')
            return "(no data)";
        return std::string(data, static_cast<size_t>(length - 1));
    }
};

std::string pathOf(const std::string& request)
{
    std::string url = request.substr(4, request.find(' ', 4) - 4);
    size_t slash = url.find('/', url.find("//") + 2);
    return slash == std::string::npos ? "" : url.substr(slash);
}

std::string requestLine(const std::string& url)
{
    return "GET " + url + " HTTP/1.0\r\n";
}

std::string typed(const char* type, const std::string& body, const char* length = nullptr)
{
    std::vector<std::string> headers = {std::string("Content-type: ") + type};
    if (length != nullptr)
        headers.push_back(std::string("Content-length: ") + length);
    return httpResponse("200 OK", headers, body);
}

// Replies by path; other paths get "text of <path>" as text/plain.
std::string scriptedReply(const std::string& request)
{
    static const std::map<std::string, std::string> replies = {
        {"/empty", ""},
        {"/binary", typed("image/png", "PNG bytes")},
        {"/sized", httpResponse("200 OK", {"CONTENT-TYPE: application/x-b", "content-length: 5"},
                                std::string("ab\0cdMORE", 9))},
        {"/negative", typed("image/png", "xyz", "-5")},
        {"/words", typed("image/png", "xyz", "five")},
        {"/huge", typed("image/png", "xyz", "99999999999")},
        {"/html", typed(" text/html ", "<p>")},
        {"/HTML", typed("text/HTML", "<P>")},
        {"/charset", typed("text/html; charset=x", "<q>")},
        {"/missing", httpResponse("404 Not Found", {"Content-type: text/plain"}, "gone")},
        {"/padded", typed("text/plain", "\r\n\r\nabcdef", "3")},
        {"/headless", "HTTP/1.0 200 OK\r\nContent-type: text/plain\r\nonly a line"},
    };
    auto found = replies.find(pathOf(request));
    return found != replies.end() ? found->second : typed("text/plain", "text of " + pathOf(request));
}

class WinHttp : public ::testing::Test {
protected:
    void SetUp() override { useWinCodeConverter(); }
    LoopbackHttpServer server{scriptedReply};
};

TEST_F(WinHttp, RequestIsTheGetLineAcceptListAgentAndSender)
{
    std::string url = server.url("/a/b.txt?q=1#part");
    Fetched text(url);
    EXPECT_EQ(1, text.result);
    EXPECT_EQ("text of /a/b.txt?q=1#part", text.body());
    Fetched bare(server.url(""));

    std::vector<std::string> requests = server.requests();
    ASSERT_EQ(2u, requests.size());
    const std::string head = requestLine(url) +
                             "Accept: text/plain\r\nAccept: text/html\r\n"
                             "Accept: application/x-tq\r\nAccept: */*\r\n"
                             "User-Agent: tq/web\r\nFrom: tq@";
    EXPECT_EQ(head, requests[0].substr(0, head.size()));
    std::string host = requests[0].substr(head.size());
    ASSERT_GE(host.size(), 5u);
    EXPECT_EQ(host.size() - 4, host.find_first_of("\r\n")) << "one host line, then the end";
    EXPECT_EQ("\r\n\r\n", host.substr(host.size() - 4));
    EXPECT_EQ(requestLine(server.url("")), requests[1].substr(0, requests[1].find('\n') + 1))
        << "a URL with nothing after the host goes out as it stands";
}

TEST_F(WinHttp, OnlyUnparsableUrlsGiveZeroAndOtherFailuresOneWithoutData)
{
    for (const char* url : {"no scheme at all", "http://127.0.0.1:0/x", "http://127.0.0.1:8o/x",
                            "http://127.0.0.1:/x", "http://127.0.0.1:70000/x"}) {
        Fetched bad(url);
        EXPECT_EQ(0, bad.result) << url;
        EXPECT_TRUE(bad.data == nullptr && bad.length == 0 && bad.html == 0) << url;
    }
    std::string authority = "127.0.0.1:" + std::to_string(server.port());
    Fetched ftp("ftp://" + authority + "/x");
    EXPECT_TRUE(ftp.result == 1 && ftp.data == nullptr && server.requests().empty())
        << "another scheme is not fetched";
    EXPECT_EQ("text of /up", Fetched("HTTP://" + authority + "/up").body())
        << "the scheme ignores case";

    Fetched refused("http://127.0.0.1:" + std::to_string(LoopbackHttpServer::freePort()) + "/x");
    Fetched silent(server.url("/empty"));
    ::testing::internal::CaptureStderr();
    Fetched unknown("http://no-such-host.invalid/x");
    EXPECT_EQ("Cannot find Internet node name.\n", capturedStderr());
    for (const Fetched* failed : {&refused, &silent, &unknown})
        EXPECT_TRUE(failed->result == 1 && failed->data == nullptr);
}

TEST_F(WinHttp, BodyFollowsTheContentTypeAndADeclaredLengthThatIsACount)
{
    const std::map<std::string, std::string> bodies = {
        {"/binary", "(no data)"}, {"/sized", std::string("ab\0cd", 5)}, {"/negative", "(no data)"},
        {"/words", "(no data)"},  {"/huge", "xyz"},                     {"/html", "<p>"},
        {"/HTML", "<P>"},         {"/charset", "<q>"},                  {"/missing", "gone"},
        {"/padded", "abc"},       {"/headless", "only a line"},
    };
    for (const auto& expected : bodies) {
        Fetched got(server.url(expected.first));
        EXPECT_EQ(expected.second, got.body()) << expected.first;
        EXPECT_EQ(expected.first == "/html" ? 1 : 0, got.html) << expected.first;
    }
    Fetched html(server.url("/html"));
    EXPECT_STREQ("text/html", html.type) << "trimmed";
    EXPECT_EQ(6, Fetched(server.url("/sized")).length) << "five bytes and the NUL";
}

TEST_F(WinHttp, CacheKeysOnTheUrlWithoutFragmentAndEvictsTheLeastRecentlyUsed)
{
    auto fetches = [&] { return server.requests().size(); };
    Fetched first(server.url("/page#one"), 0);
    Fetched second(server.url("/page#two"));
    ASSERT_EQ(2u, fetches()) << "without the lookup the server is asked again";
    EXPECT_EQ(0u, server.requests()[1].find(requestLine(server.url("/page#two"))))
        << "each request sends its own fragment";
    Fetched third(server.url("/page#three"), 0);
    EXPECT_EQ(2u, fetches()) << "a third fragment shares the entry";
    EXPECT_EQ("text of /page#two", third.body()) << "the entry holds the latest answer";

    Fetched silent(server.url("/empty"), 0);
    Fetched again(server.url("/empty"), 0);
    EXPECT_EQ(4u, fetches()) << "an exchange that brought nothing never answers";

    for (int i = 1; i <= 64; ++i)
        Fetched fill(server.url("/n" + std::to_string(i)), 0);
    Fetched hit(server.url("/n1"), 0);
    Fetched sixtyFifth(server.url("/n65"), 0);
    Fetched stillThere(server.url("/n1"), 0);
    EXPECT_EQ(4u + 65u, fetches()) << "the hit kept /n1 from being evicted";
    EXPECT_EQ("text of /n2", Fetched(server.url("/n2"), 0).body());
    EXPECT_EQ(4u + 66u, fetches()) << "the 65th URL evicted /n2";
}

TEST_F(WinHttp, FileObjectOpensAnHttpTextAndTheImageReaderAJpeg)
{
    TempDir dir;
    std::vector<unsigned char> rgb(6 * 4 * 3, 0x80);
    std::FILE* out = std::fopen(dir.file("p.jpg").c_str(), "wb");
    ASSERT_EQ(0, JpegWriteBufToFp(out, rgb.data(), 6, 4));
    std::fclose(out);
    std::string jpeg = readFileBytes(dir.file("p.jpg"));
    LoopbackHttpServer pictures([&](const std::string& request) {
        return pathOf(request) == "/p.jpg"
                   ? typed("image/jpeg", jpeg, std::to_string(jpeg.size()).c_str())
                   : typed("text/plain", "abc");
    });

    TQDwinFile file;
    std::string textUrl = pictures.url("/three.txt");
    ASSERT_EQ(0, file.open(const_cast<char*>(textUrl.c_str()), const_cast<char*>("r")));
    EXPECT_EQ(4, file.getSize()) << "three characters and the NUL";
    char read[8] = {};
    EXPECT_EQ(4, file.read(read, sizeof read));
    EXPECT_EQ(std::string("abc", 4), std::string(read, 4));

    TQDwinImage image;
    image.setImageName(pictures.url("/p.jpg").c_str());
    EXPECT_EQ(0, image.initialize());
    EXPECT_TRUE(image.getImageWidth() == 6 && image.getImageHeight() == 4);
}

// The proxy setting is read on the first call of the process.
void proxyScenario()
{
    LoopbackHttpServer proxy(scriptedReply);
    _putenv(("TQHTPROXY=127.0.0.1:" + std::to_string(proxy.port())).c_str());
    requireInChild(Fetched("http://elsewhere.invalid/page#frag").body() == "text of /page#frag",
                   "the proxy answers");
    std::vector<std::string> requests = proxy.requests();
    requireInChild(requests.size() == 1 &&
                       requests[0].find(requestLine("http://elsewhere.invalid/page#frag")) == 0,
                   "the proxy gets the absolute URL, fragment included");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(WinHttpDeathTest, ProxyGetsEveryRequestWithTheAbsoluteUrl, proxyScenario(),
                      "")
