// The HTTP client against a server on 127.0.0.1: the request's exact bytes,
// what parses and what fetches, bodies by content type and length, the
// cache by URL without fragment, the proxy, and the file object and image
// reader fetching through it.
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

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// One call's outputs, freed at the end.
struct Fetched {
    long result = -1;
    char* data = nullptr;
    char* contentType = nullptr;
    long length = -1;
    long html = -1;

    Fetched(const std::string& url, long noCacheLookup)
    {
        result = TQGFloadRemoteFile(const_cast<char*>(url.c_str()), &data, &contentType, &length,
                                    &html, noCacheLookup);
    }
    ~Fetched()
    {
        delete[] data;
        delete[] contentType;
    }
    // The bytes without the NUL the client adds, which must be there.
    std::string body() const
    {
        if (data == nullptr || length < 1 || data[length - 1] != '\0')
            return "(no data)";
        return std::string(data, static_cast<size_t>(length - 1));
    }
    std::string type() const { return contentType != nullptr ? contentType : "(none)"; }
};

// The path of the request's URL, from the '/' after its host on.
std::string pathOf(const std::string& request)
{
    std::string url = request.substr(4, request.find(' ', 4) - 4);
    size_t slash = url.find('/', url.find("//") + 2);
    return slash == std::string::npos ? "" : url.substr(slash);
}

// Answers by path; "/empty" closes without answering.
std::string scriptedReply(const std::string& request)
{
    std::string path = pathOf(request);
    if (path == "/empty")
        return "";
    if (path == "/binary")
        return httpResponse("200 OK", {"Content-type: image/png"}, "PNG bytes");
    if (path == "/sized")
        return httpResponse("200 OK", {"Content-Type: application/octet-stream",
                                       "Content-Length: 5"},
                            std::string("ab\0cdMORE", 9));
    if (path == "/negative")
        return httpResponse("200 OK", {"Content-type: image/png", "Content-length: -5"}, "xyz");
    if (path == "/words")
        return httpResponse("200 OK", {"Content-type: image/png", "Content-length: five"}, "xyz");
    if (path == "/huge")
        return httpResponse("200 OK", {"Content-type: image/png", "Content-length: 99999999999"},
                            "xyz");
    if (path == "/html")
        return httpResponse("200 OK", {"Content-type:  text/html  "}, "<p>");
    if (path == "/HTML")
        return httpResponse("200 OK", {"Content-type: text/HTML"}, "<P>");
    if (path == "/charset")
        return httpResponse("200 OK", {"Content-type: text/html; charset=x"}, "<q>");
    if (path == "/missing")
        return httpResponse("404 Not Found", {"Content-type: text/plain"}, "gone");
    if (path == "/padded")
        return httpResponse("200 OK", {"Content-type: text/plain", "Content-length: 3"},
                            "\r\n\r\nabcdef");
    if (path == "/headless")
        return "HTTP/1.0 200 OK\r\nContent-type: text/plain\r\nonly a line";
    return httpResponse("200 OK", {"Content-type: text/plain"}, "text of " + path);
}

std::string requestLineOf(const std::string& request)
{
    return request.substr(0, request.find("\r\n") + 2);
}

class WinHttp : public ::testing::Test {
protected:
    void SetUp() override { useWinCodeConverter(); }
    LoopbackHttpServer server{scriptedReply};
};

TEST_F(WinHttp, RequestIsTheGetLineAcceptListAgentAndSenderAsGiven)
{
    std::string url = server.url("/a/b.txt?q=1#part");
    Fetched text(url, 1);
    EXPECT_EQ(1, text.result);
    EXPECT_EQ("text of /a/b.txt?q=1#part", text.body());
    EXPECT_EQ("text/plain", text.type());
    EXPECT_EQ(0, text.html);

    Fetched bare(server.url(""), 1);
    EXPECT_EQ("text of ", bare.body().substr(0, 8)) << "no path: the root";
    std::vector<std::string> requests = server.requests();
    ASSERT_EQ(2u, requests.size());
    const std::string head = "GET " + url + " HTTP/1.0\r\n"
                             "Accept: text/plain\r\n"
                             "Accept: text/html\r\n"
                             "Accept: application/x-tq\r\n"
                             "Accept: */*\r\n"
                             "User-Agent: tq/web\r\n"
                             "From: tq@";
    EXPECT_EQ(head, requests[0].substr(0, head.size()));
    std::string sender = requests[0].substr(head.size());
    ASSERT_GE(sender.size(), 5u);
    EXPECT_EQ("\r\n\r\n", sender.substr(sender.size() - 4)) << "the From line, then the end";
    EXPECT_EQ(std::string::npos, sender.substr(0, sender.size() - 4).find_first_of("\r\n"))
        << "the host name is one line: " << sender;
    EXPECT_EQ("GET " + server.url("") + " HTTP/1.0\r\n", requestLineOf(requests[1]))
        << "a URL with nothing after the host goes out as it stands";
}

TEST_F(WinHttp, OnlyUnparsableUrlsGiveZeroAndEveryOtherFailureComesWithoutData)
{
    for (const char* url : {"no scheme at all", "http://127.0.0.1:0/x", "http://127.0.0.1:8o/x",
                            "http://127.0.0.1:/x", "http://127.0.0.1:70000/x"}) {
        Fetched bad(url, 1);
        EXPECT_EQ(0, bad.result) << url;
        EXPECT_EQ(nullptr, bad.data) << url;
        EXPECT_EQ(0, bad.length) << url;
        EXPECT_EQ(0, bad.html) << url;
    }
    Fetched ftp("ftp://127.0.0.1:" + std::to_string(server.port()) + "/x", 1);
    EXPECT_EQ(1, ftp.result);
    EXPECT_EQ(nullptr, ftp.data);
    EXPECT_TRUE(server.requests().empty()) << "another scheme is not fetched";

    Fetched capitals("HTTP://127.0.0.1:" + std::to_string(server.port()) + "/up", 1);
    EXPECT_EQ("text of /up", capitals.body()) << "the scheme is compared ignoring case";

    Fetched refused("http://127.0.0.1:" + std::to_string(LoopbackHttpServer::freePort()) + "/x",
                    1);
    EXPECT_EQ(1, refused.result);
    EXPECT_EQ(nullptr, refused.data);

    Fetched silent(server.url("/empty"), 1);
    EXPECT_EQ(1, silent.result);
    EXPECT_EQ(nullptr, silent.data) << "a server that closes without answering";

    ::testing::internal::CaptureStderr();
    Fetched unknown("http://no-such-host.invalid/x", 1);
    EXPECT_EQ("Cannot find Internet node name.\n", capturedStderr());
    EXPECT_EQ(1, unknown.result);
    EXPECT_EQ(nullptr, unknown.data);
}

TEST_F(WinHttp, BodyFollowsContentTypeAndADeclaredLengthThatIsACount)
{
    struct Case {
        const char* path;
        std::string body;
        long html;
    };
    const Case cases[] = {
        {"/binary", "(no data)", 0},
        {"/sized", std::string("ab\0cd", 5), 0},
        {"/negative", "(no data)", 0},
        {"/words", "(no data)", 0},
        {"/huge", "xyz", 0},
        {"/html", "<p>", 1},
        {"/HTML", "<P>", 0},
        {"/charset", "<q>", 0},
        {"/missing", "gone", 0},
        {"/padded", "abc", 0},
        {"/headless", "only a line", 0},
    };
    for (const Case& c : cases) {
        Fetched got(server.url(c.path), 1);
        EXPECT_EQ(1, got.result) << c.path;
        EXPECT_EQ(c.body, got.body()) << c.path;
        EXPECT_EQ(c.html, got.html) << c.path;
    }
    Fetched html(server.url("/html"), 1);
    EXPECT_EQ("text/html", html.type()) << "blanks around the type are trimmed";
    Fetched sized(server.url("/sized"), 1);
    EXPECT_EQ(6, sized.length) << "five bytes and the NUL";
    EXPECT_EQ("application/octet-stream", sized.type()) << "header names ignore case";
}

TEST_F(WinHttp, CacheKeysOnTheUrlWithoutFragmentAndEvictsTheLeastRecentlyUsed)
{
    auto fetches = [&] { return server.requests().size(); };
    Fetched first(server.url("/page#one"), 0);
    Fetched second(server.url("/page#two"), 1);
    ASSERT_EQ(2u, fetches()) << "without the cache lookup the server is asked again";
    EXPECT_EQ("GET " + server.url("/page#two") + " HTTP/1.0\r\n",
              requestLineOf(server.requests()[1]))
        << "each request sends its own fragment";
    Fetched third(server.url("/page#three"), 0);
    EXPECT_EQ(2u, fetches()) << "a third fragment shares the entry";
    EXPECT_EQ("text of /page#two", third.body()) << "the entry holds the latest answer";
    EXPECT_EQ("text/plain", third.type());

    Fetched silent(server.url("/empty"), 0);
    Fetched again(server.url("/empty"), 0);
    EXPECT_EQ(4u, fetches()) << "an exchange that brought nothing never answers from the cache";

    size_t before = fetches();
    for (int i = 1; i <= 64; ++i)
        Fetched fill(server.url("/n" + std::to_string(i)), 0);
    Fetched hit(server.url("/n1"), 0);
    EXPECT_EQ(before + 64, fetches()) << "a hit needs no exchange";
    Fetched sixtyFifth(server.url("/n65"), 0);
    Fetched stillThere(server.url("/n1"), 0);
    EXPECT_EQ(before + 65, fetches()) << "the hit made /n1 the most recently used";
    Fetched evicted(server.url("/n2"), 0);
    EXPECT_EQ(before + 66, fetches()) << "the 65th URL evicted /n2";
    EXPECT_EQ("text of /n2", evicted.body());
}

TEST_F(WinHttp, FileObjectOpensAnHttpTextAndTheImageReaderAJpeg)
{
    TempDir dir;
    std::string jpegPath = dir.file("picture.jpg");
    std::vector<unsigned char> rgb(6 * 4 * 3, 0x80);
    std::FILE* out = std::fopen(jpegPath.c_str(), "wb");
    ASSERT_EQ(0, JpegWriteBufToFp(out, rgb.data(), 6, 4));
    std::fclose(out);
    std::string jpeg = readFileBytes(jpegPath);
    LoopbackHttpServer pictures([&](const std::string& request) {
        if (pathOf(request) == "/picture.jpg")
            return httpResponse("200 OK", {"Content-type: image/jpeg",
                                           "Content-length: " + std::to_string(jpeg.size())},
                                jpeg);
        return httpResponse("200 OK", {"Content-type: text/plain"}, "abc");
    });

    TQDwinFile file;
    std::string textUrl = pictures.url("/three.txt");
    ASSERT_EQ(0, file.open(const_cast<char*>(textUrl.c_str()), const_cast<char*>("r")));
    EXPECT_EQ(4, file.getSize()) << "three characters and the NUL";
    char read[8] = {};
    EXPECT_EQ(4, file.read(read, sizeof read));
    EXPECT_EQ(std::string("abc", 4), std::string(read, 4));
    file.close();

    TQDwinImage image;
    std::string imageUrl = pictures.url("/picture.jpg");
    image.setImageName(imageUrl.c_str());
    EXPECT_EQ(0, image.initialize());
    EXPECT_EQ(6, image.getImageWidth());
    EXPECT_EQ(4, image.getImageHeight());
    EXPECT_EQ(2u, pictures.requests().size()) << "each name is fetched, not taken from the cache";
}

// The proxy setting is read once per process.
void proxyScenario()
{
    LoopbackHttpServer proxy(scriptedReply);
    std::string setting = "TQHTPROXY=127.0.0.1:" + std::to_string(proxy.port());
    _putenv(setting.c_str());
    Fetched viaProxy("http://elsewhere.invalid/page#frag", 1);
    requireInChild(viaProxy.body() == "text of /page#frag", "the proxy answers");
    std::vector<std::string> requests = proxy.requests();
    requireInChild(requests.size() == 1 &&
                       requestLineOf(requests[0]) ==
                           "GET http://elsewhere.invalid/page#frag HTTP/1.0\r\n",
                   "the proxy gets the absolute URL, fragment included");
    passInChild();
}

} // namespace

TQ_FRESH_PROCESS_TEST(WinHttpDeathTest, ProxyGetsEveryRequestWithTheAbsoluteUrl, proxyScenario(),
                      "")
