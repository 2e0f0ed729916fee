// The HTTP fetch against a server the test runs itself: the request on the wire, the response taken
// apart, and every way a fetch can fail.

#include "loopback_server.h"
#include "net/http_fetch.h"
#include "net/response_reader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

using namespace ornavo::net;
using ornavo::net::testing::LoopbackServer;

namespace {

const std::string kAccept = "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, "
                            "application/x-shockwave-flash, application/vnd.ms-excel, "
                            "application/vnd.ms-powerpoint, application/msword, */*\r\n";
const std::string kLanguage = "Accept-Language: zh-cn\r\n";
const std::string kAgent = "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n";
const std::string kFresh = "Pragma: no-cache\r\nCache-Control: no-cache\r\nConnection: close\r\n";

std::string only(const LoopbackServer& server) {
    EXPECT_EQ(server.requests.size(), 1u);
    return server.requests.empty() ? std::string() : server.requests.back().toStdString();
}

FetchOptions quick() {
    FetchOptions options;
    options.timeoutMs = 2000;
    return options;
}

} // namespace

TEST(FetchRequest, PlainGetCarriesTheFixedHeadersInOrder) {
    LoopbackServer server;
    server.replyBody("ok");
    const std::string address = server.origin() + "/Tessaly/gg/zxzhushou/gonggao.txt";
    EXPECT_EQ(fetchText(address, quick()), "ok");
    const std::string host = "127.0.0.1:" + std::to_string(server.port());
    EXPECT_EQ(only(server), "GET /Tessaly/gg/zxzhushou/gonggao.txt HTTP/1.1\r\n" + kAccept + "Referer: " + address +
                                "\r\n" + kLanguage + kAgent + "Host: " + host + "\r\n" + kFresh + "\r\n");
}

TEST(FetchRequest, AddressFormsReachTheSamePortAndPath) {
    LoopbackServer server;
    server.replyBody("x");
    const std::string port = std::to_string(server.port());
    // Scheme in any letter case, or none; the host is lower-cased, the path kept as written.
    for (const std::string& address : {"HTTP://LOCALHOST:" + port + "/Up/A.txt", "localhost:" + port + "/Up/A.txt",
                                       "hTtP://LocalHost:" + port + "/Up/A.txt"}) {
        server.requests.clear();
        EXPECT_EQ(fetchText(address, quick()), "x") << address;
        const std::string request = only(server);
        EXPECT_EQ(request.rfind("GET /Up/A.txt HTTP/1.1\r\n", 0), 0u) << address;
        EXPECT_NE(request.find("\r\nHost: localhost:" + port + "\r\n"), std::string::npos) << address;
        // The Referer is the address exactly as given.
        EXPECT_NE(request.find("\r\nReferer: " + address + "\r\n"), std::string::npos) << address;
    }
    // No path at all asks for the root.
    server.requests.clear();
    EXPECT_EQ(fetchText("127.0.0.1:" + port, quick()), "x");
    EXPECT_EQ(only(server).rfind("GET / HTTP/1.1\r\n", 0), 0u);
}

TEST(FetchRequest, MethodBodyAndExtraHeaders) {
    LoopbackServer server;
    server.replyBody("done");
    const std::string address = server.origin() + "/form";

    FetchOptions post = quick();
    post.method = "post";
    post.body = "a=1&b=%E4";
    EXPECT_EQ(fetchText(address, post), "done");
    std::string request = only(server);
    EXPECT_EQ(request.rfind("POST /form HTTP/1.1\r\n", 0), 0u);
    const std::string postHeaders = kAccept + "Referer: " + address + "\r\n" + kLanguage +
                                    "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: 9\r\n" +
                                    kAgent;
    EXPECT_NE(request.find(postHeaders), std::string::npos);
    EXPECT_EQ(request.substr(request.size() - 13), "\r\n\r\na=1&b=%E4");

    // Any other method is a GET, and a body goes only with POST.
    server.requests.clear();
    FetchOptions put = quick();
    put.method = "PUT";
    put.body = "ignored";
    fetchText(address, put);
    request = only(server);
    EXPECT_EQ(request.rfind("GET /form HTTP/1.1\r\n", 0), 0u);
    EXPECT_EQ(request.find("Content-"), std::string::npos);
    EXPECT_EQ(request.substr(request.size() - 4), "\r\n\r\n");

    // A POST without a body has no content lines either.
    server.requests.clear();
    FetchOptions emptyPost = quick();
    emptyPost.method = "POST";
    fetchText(address, emptyPost);
    request = only(server);
    EXPECT_EQ(request.rfind("POST /form HTTP/1.1\r\n", 0), 0u);
    EXPECT_EQ(request.find("Content-"), std::string::npos);

    // The caller's lines come first; a line naming Accept (any case) suppresses the fixed one, while
    // Accept-Language alone does not count as naming Accept.
    server.requests.clear();
    FetchOptions extra = quick();
    extra.extraHeaders = "X-Trace: 7\nACCEPT: text/plain\r\n";
    fetchText(address, extra);
    request = only(server);
    EXPECT_NE(request.find("HTTP/1.1\r\nX-Trace: 7\r\nACCEPT: text/plain\r\nReferer: " + address + "\r\n" +
                           kLanguage + kAgent),
              std::string::npos);
    EXPECT_EQ(request.find("Accept: image/gif"), std::string::npos);

    server.requests.clear();
    FetchOptions language = quick();
    language.extraHeaders = "accept-language: en\r\nreferer: http://elsewhere/\r\n";
    fetchText(address, language);
    request = only(server);
    EXPECT_NE(request.find("HTTP/1.1\r\naccept-language: en\r\nreferer: http://elsewhere/\r\n" + kAccept + kAgent),
              std::string::npos);
    EXPECT_EQ(request.find("zh-cn"), std::string::npos);
}

TEST(FetchRequest, ProxyGetsTheWholeAddress) {
    LoopbackServer proxy;
    proxy.replyBody("via proxy");
    FetchOptions options = quick();
    options.useProxy = true;
    options.proxy = "127.0.0.1:" + std::to_string(proxy.port());
    // Only the proxy is contacted; the named host is never looked up.
    EXPECT_EQ(fetchText("http://Maker.Example:8080/Tessaly/a.txt", options), "via proxy");
    const std::string request = only(proxy);
    EXPECT_EQ(request.rfind("GET http://maker.example:8080/Tessaly/a.txt HTTP/1.1\r\n", 0), 0u);
    EXPECT_NE(request.find("\r\nHost: maker.example:8080\r\n"), std::string::npos);
    // The proxy flag alone, without a usable proxy address, makes no request.
    options.proxy = "";
    EXPECT_EQ(fetchText("http://127.0.0.1:" + std::to_string(proxy.port()) + "/a", options), "");
    EXPECT_EQ(proxy.requests.size(), 1u);
}

TEST(SplitAddress, HostPortAndPath) {
    auto t = splitAddress("Maker.Example.COM/Tessaly/Up/x.gif");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->host, "maker.example.com");
    EXPECT_EQ(t->port, 80);
    EXPECT_EQ(t->path, "/Tessaly/Up/x.gif");
    EXPECT_EQ(t->hostHeader(), "maker.example.com");

    t = splitAddress("http://h:8790");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->port, 8790);
    EXPECT_EQ(t->path, "/");
    EXPECT_EQ(t->hostHeader(), "h:8790");

    t = splitAddress("http://[::1]:81/a b/\xE5\x9B\xBE.png");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->host, "::1");
    EXPECT_EQ(t->hostHeader(), "[::1]:81");
    EXPECT_EQ(t->path, "/a%20b/%E5%9B%BE.png");

    // Explicit port 80 is the default port.
    EXPECT_EQ(splitAddress("h:80/a")->hostHeader(), "h");

    for (const char* bad : {"", "http://", "/path", ":80/x", "h:0/x", "h:65536/x", "h:8a/x", "h:123456/x",
                            "h/a\r\nX-Injected: 1", "h/a\nb", "h\t/a", "[::1/x"})
        EXPECT_FALSE(splitAddress(bad)) << bad;
}

TEST(FetchResponse, TextStopsAtTheFirstZeroByteAndBytesDoNot) {
    LoopbackServer server;
    const QByteArray body("\xD7\xEE\xD0\xC2\0tail\0", 10);
    server.replyBody(body);
    const std::string address = server.origin() + "/z.bin";
    EXPECT_EQ(fetchText(address, quick()), "\xD7\xEE\xD0\xC2");
    EXPECT_EQ(fetchBytes(address, quick()), body);
    server.replyBody(QByteArray("\0abc", 4));
    EXPECT_EQ(fetchText(address, quick()), "");
}

TEST(FetchResponse, HeadersOnRequestAndBodyFramings) {
    LoopbackServer server;
    const std::string address = server.origin() + "/f";

    server.replyWith("HTTP/1.1 200 OK\r\nX-A: 1\r\nContent-Length: 3\r\n\r\nabcEXTRA");
    std::string headers = "(untouched)";
    FetchOptions options = quick();
    options.responseHeaders = &headers;
    EXPECT_EQ(fetchText(address, options), "abc");
    EXPECT_EQ(headers, "HTTP/1.1 200 OK\r\nX-A: 1\r\nContent-Length: 3\r\n");

    // Chunked, with an extension and a trailer; an interim 100 answer before it is skipped.
    server.replyWith("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                     "5;x=y\r\nhello\r\n7\r\n, world\r\n0\r\nX-T: 1\r\n\r\n");
    EXPECT_EQ(fetchText(address, quick()), "hello, world");

    // No length: the body runs to the close.
    server.replyWith("HTTP/1.0 200 OK\r\n\r\nuntil close");
    EXPECT_EQ(fetchText(address, quick()), "until close");

    // A body much longer than one piece arrives whole.
    QByteArray big(5000, 'q');
    for (int i = 0; i < big.size(); i += 97)
        big[i] = static_cast<char>('a' + i % 26);
    server.replyBody(big);
    EXPECT_EQ(fetchBytes(address, quick()), big);
}

TEST(FetchFailure, EveryFailureIsAnEmptyResult) {
    // Refused: a port that was free a moment ago and has nobody listening.
    quint16 closedPort;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        closedPort = probe.serverPort();
    }
    std::string headers = "(untouched)";
    FetchOptions options = quick();
    options.responseHeaders = &headers;
    EXPECT_EQ(fetchText("http://127.0.0.1:" + std::to_string(closedPort) + "/a", options), "");
    EXPECT_TRUE(fetchBytes("127.0.0.1:" + std::to_string(closedPort) + "/a", options).isEmpty());
    EXPECT_EQ(headers, "(untouched)");

    // A host name that cannot be resolved (malformed, so it is refused without asking any resolver).
    EXPECT_EQ(fetchText("http://no..such..host/a", quick()), "");

    LoopbackServer server;
    const std::string address = server.origin() + "/a";
    // Not found: the error page is not the file.
    server.replyWith("HTTP/1.0 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found");
    EXPECT_EQ(fetchText(address, quick()), "");
    // Cut short before the announced length.
    server.replyWith("HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nonly a part");
    EXPECT_EQ(fetchText(address, quick()), "");
    // Not HTTP at all.
    server.replyWith("SSH-2.0-OpenSSH\r\n\r\n");
    EXPECT_EQ(fetchText(address, quick()), "");
    // Connection closed without a word.
    server.replyWith("");
    EXPECT_EQ(fetchText(address, quick()), "");
}

TEST(FetchFailure, OversizedBodiesAreRefused) {
    LoopbackServer server;
    const std::string address = server.origin() + "/big";
    // An announced length beyond the 16 MiB cap fails at once, before any body arrives.
    server.replyWith("HTTP/1.0 200 OK\r\nContent-Length: " + QByteArray::number(16 * 1024 * 1024 + 1) + "\r\n\r\n");
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(fetchBytes(address, quick()).isEmpty());
    EXPECT_LT(clock.elapsed(), 1500);

    // With a small cap: exactly the cap passes; one byte more fails in every framing.
    FetchOptions capped = quick();
    capped.maxBodyBytes = 100;
    server.replyBody(QByteArray(100, 'a'));
    EXPECT_EQ(fetchBytes(address, capped).size(), 100);
    server.replyBody(QByteArray(101, 'a'));
    EXPECT_TRUE(fetchBytes(address, capped).isEmpty());
    server.replyWith("HTTP/1.0 200 OK\r\n\r\n" + QByteArray(101, 'b'));
    EXPECT_TRUE(fetchBytes(address, capped).isEmpty());
    server.replyWith("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n32\r\n" + QByteArray(50, 'c') +
                     "\r\n33\r\n" + QByteArray(51, 'c') + "\r\n0\r\n\r\n");
    EXPECT_TRUE(fetchBytes(address, capped).isEmpty());
}

TEST(FetchFailure, SilentServerTimesOut) {
    LoopbackServer server;
    server.handler = [](QTcpSocket*, const QByteArray&) {}; // reads the request, never answers
    FetchOptions options;
    options.timeoutMs = 300;
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(fetchText(server.origin() + "/slow", options), "");
    EXPECT_GE(clock.elapsed(), 250);
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_EQ(server.requests.size(), 1u);

    // The receive time-out counts from the last data: a slow but steady answer is not cut off.
    server.trickle("HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\n0123456789", 16, 150);
    EXPECT_EQ(fetchText(server.origin() + "/steady", options), "0123456789");
}

TEST(FetchEvents, QueuedEventsRunWhileTheAnswerTrickles) {
    LoopbackServer server;
    QByteArray body;
    for (int i = 0; i < 3000; ++i)
        body += static_cast<char>('A' + i % 23);
    server.trickle("HTTP/1.0 200 OK\r\nContent-Length: 3000\r\n\r\n" + body, 700, 15);

    bool fetching = true;
    int ranDuringFetch = 0;
    int queuedCallsSeen = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ranDuringFetch += fetching ? 1 : 0; });
    ticker.start(10);
    // A call posted to the interface's queue, as a button press would be.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&] { queuedCallsSeen += fetching ? 1 : 0; }, Qt::QueuedConnection);

    const QByteArray result = fetchBytes(server.origin() + "/trickle", quick());
    fetching = false;
    EXPECT_EQ(result, body);
    EXPECT_EQ(queuedCallsSeen, 1);
    EXPECT_GE(ranDuringFetch, 3);
}

TEST(ResponseReaderTest, ByteByByteEqualsAllAtOnce) {
    const std::string response = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabc\r\n"
                                 "A\r\n0123456789\r\n0\r\n\r\n";
    ResponseReader whole(1000), bytewise(1000);
    EXPECT_EQ(whole.feed(response), ResponseReader::Status::Done);
    for (char c : response)
        bytewise.feed(&c, 1);
    EXPECT_EQ(bytewise.status(), ResponseReader::Status::Done);
    EXPECT_EQ(whole.body(), "abc0123456789");
    EXPECT_EQ(bytewise.body(), whole.body());

    // Conflicting lengths and broken chunk framing are failures, not guesses.
    ResponseReader conflicting(1000);
    EXPECT_EQ(conflicting.feed("HTTP/1.1 200 OK\r\nContent-Length: 3\r\nContent-Length: 4\r\n\r\nabcd"),
              ResponseReader::Status::Failed);
    ResponseReader badChunk(1000);
    EXPECT_EQ(badChunk.feed("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n"),
              ResponseReader::Status::Failed);
    ResponseReader missingEnd(1000);
    missingEnd.feed("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabcXY");
    EXPECT_EQ(missingEnd.status(), ResponseReader::Status::Failed);
    ResponseReader endless(1000);
    EXPECT_EQ(endless.feed(std::string(70 * 1024, 'h')), ResponseReader::Status::Failed);
}
