// The HTTP fetch against servers the test runs itself: the request on the wire, the answer taken
// apart, every way a fetch can fail, and the bounds: one deadline for the whole request, a cap on
// the body, nothing that waits on the caller's thread.

#include "loopback_server.h"
#include "net/http_fetch.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSslConfiguration>
#include <QSslKey>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

using namespace ornavo::net;
using ornavo::net::testing::LoopbackServer;

namespace {

const std::string kAccept = "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, "
                            "application/x-shockwave-flash, application/vnd.ms-excel, "
                            "application/vnd.ms-powerpoint, application/msword, */*\r\n";
const std::string kLanguage = "Accept-Language: zh-cn\r\n";
const std::string kAgent = "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n";
const std::string kFresh = "Pragma: no-cache\r\nCache-Control: no-cache\r\n";

FetchOptions quick(int deadlineMs = 3000) {
    FetchOptions options;
    options.deadlineMs = deadlineMs;
    return options;
}

// Starts the fetch, checks that it returned without answering, and lets the event loop run until the
// answer arrives.
FetchResult fetched(const std::string& address, const FetchOptions& options = quick()) {
    std::optional<FetchResult> result;
    int answers = 0;
    fetch(
        address, nullptr,
        [&](const FetchResult& r) {
            result = r;
            ++answers;
        },
        options);
    EXPECT_FALSE(result) << "answered from inside fetch()";
    EXPECT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, options.deadlineMs + 5000)) << address;
    QTest::qWait(1);
    EXPECT_EQ(answers, 1) << address;
    return result.value_or(FetchResult{});
}

std::string text(const std::string& address, const FetchOptions& options = quick()) {
    std::optional<std::string> result;
    fetchText(
        address, nullptr, [&](const std::string& t) { result = t; }, options);
    EXPECT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, options.deadlineMs + 5000)) << address;
    return result.value_or("(no answer)");
}

QByteArray bytes(const std::string& address, const FetchOptions& options = quick()) {
    std::optional<QByteArray> result;
    fetchBytes(
        address, nullptr, [&](const QByteArray& b) { result = b; }, options);
    EXPECT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, options.deadlineMs + 5000)) << address;
    return result.value_or("(no answer)");
}

std::string only(const LoopbackServer& server) {
    EXPECT_EQ(server.requests.size(), 1u);
    return server.requests.empty() ? std::string() : server.requests.back().toStdString();
}

// Where each of the lines stands in the request; npos for a missing one.
std::vector<std::size_t> positions(const std::string& request, const std::vector<std::string>& lines) {
    std::vector<std::size_t> at;
    for (const std::string& line : lines)
        at.push_back(request.find("\r\n" + line));
    return at;
}

bool inOrder(const std::vector<std::size_t>& at) {
    for (std::size_t i = 0; i < at.size(); ++i)
        if (at[i] == std::string::npos || (i > 0 && at[i] <= at[i - 1]))
            return false;
    return true;
}

} // namespace

TEST(FetchRequest, GetCarriesTheFixedLinesInOrder) {
    LoopbackServer server;
    server.replyBody("ok");
    const std::string address = server.origin() + "/Tessaly/gg/zxzhushou/gonggao.txt";
    EXPECT_EQ(text(address), "ok");
    const std::string request = only(server);
    EXPECT_EQ(request.rfind("GET /Tessaly/gg/zxzhushou/gonggao.txt HTTP/1.1\r\n", 0), 0u) << request;
    EXPECT_TRUE(
        inOrder(positions(request, {kAccept, "Referer: " + address + "\r\n", kLanguage, kAgent, kFresh})))
        << request;
    EXPECT_NE(request.find("\r\nHost: 127.0.0.1:" + std::to_string(server.port()) + "\r\n"),
              std::string::npos);
    // Nothing the program does not say itself: no cookies, no second agent or language.
    EXPECT_EQ(request.find("Cookie"), std::string::npos);
    EXPECT_EQ(request.find("User-Agent"), request.rfind("User-Agent"));
    EXPECT_EQ(request.find("Accept-Language"), request.rfind("Accept-Language"));
}

TEST(FetchRequest, AddressFormsReachTheSamePortAndPath) {
    LoopbackServer server;
    server.replyBody("x");
    const std::string port = std::to_string(server.port());
    // Scheme in any letter case, or none; the host is lower-cased, the path kept as written.
    for (const std::string& address :
         {"HTTP://LOCALHOST:" + port + "/Up/A.txt", "localhost:" + port + "/Up/A.txt",
          "hTtP://LocalHost:" + port + "/Up/A.txt"}) {
        server.requests.clear();
        EXPECT_EQ(text(address), "x") << address;
        const std::string request = only(server);
        EXPECT_EQ(request.rfind("GET /Up/A.txt HTTP/1.1\r\n", 0), 0u) << address;
        EXPECT_NE(request.find("\r\nHost: localhost:" + port + "\r\n"), std::string::npos) << address;
        // The Referer is the address exactly as given.
        EXPECT_NE(request.find("\r\nReferer: " + address + "\r\n"), std::string::npos) << address;
    }
    // No path at all asks for the root.
    server.requests.clear();
    EXPECT_EQ(text("127.0.0.1:" + port), "x");
    EXPECT_EQ(only(server).rfind("GET / HTTP/1.1\r\n", 0), 0u);
}

TEST(FetchRequest, MethodBodyAndExtraHeaders) {
    LoopbackServer server;
    server.replyBody("done");
    const std::string address = server.origin() + "/form";

    FetchOptions post = quick();
    post.method = "post";
    post.body = "a=1&b=%E4";
    EXPECT_EQ(text(address, post), "done");
    std::string request = only(server);
    EXPECT_EQ(request.rfind("POST /form HTTP/1.1\r\n", 0), 0u);
    EXPECT_TRUE(inOrder(positions(request, {kAccept, "Referer: " + address + "\r\n", kLanguage,
                                            "Content-Type: application/x-www-form-urlencoded\r\n", kAgent})))
        << request;
    EXPECT_NE(request.find("\r\nContent-Length: 9\r\n"), std::string::npos);
    EXPECT_EQ(request.substr(request.size() - 13), "\r\n\r\na=1&b=%E4");

    // Any other method is a GET, and a body goes only with POST.
    server.requests.clear();
    FetchOptions put = quick();
    put.method = "PUT";
    put.body = "ignored";
    text(address, put);
    request = only(server);
    EXPECT_EQ(request.rfind("GET /form HTTP/1.1\r\n", 0), 0u);
    EXPECT_EQ(request.find("Content-"), std::string::npos);
    EXPECT_EQ(request.substr(request.size() - 4), "\r\n\r\n");

    // A POST without a body has no content type either.
    server.requests.clear();
    FetchOptions emptyPost = quick();
    emptyPost.method = "POST";
    text(address, emptyPost);
    request = only(server);
    EXPECT_EQ(request.rfind("POST /form HTTP/1.1\r\n", 0), 0u);
    EXPECT_EQ(request.find("Content-Type"), std::string::npos);
    EXPECT_EQ(request.substr(request.size() - 4), "\r\n\r\n");

    // The caller's lines come first; a line naming Accept (any case) suppresses the fixed one, while
    // Accept-Language alone does not count as naming Accept.
    server.requests.clear();
    FetchOptions extra = quick();
    extra.extraHeaders = "X-Trace: 7\nACCEPT: text/plain\r\nConnection: upgrade\r\n";
    text(address, extra);
    request = only(server);
    EXPECT_TRUE(inOrder(positions(request, {"X-Trace: 7\r\n", "ACCEPT: text/plain\r\n",
                                            "Referer: " + address + "\r\n", kLanguage, kAgent})))
        << request;
    EXPECT_EQ(request.find("image/gif"), std::string::npos);
    EXPECT_EQ(request.find("upgrade"), std::string::npos); // the framing is the transport's own

    server.requests.clear();
    FetchOptions language = quick();
    language.extraHeaders = "accept-language: en\r\nreferer: http://elsewhere/\r\n";
    text(address, language);
    request = only(server);
    EXPECT_TRUE(
        inOrder(positions(request, {"accept-language: en\r\n", "referer: http://elsewhere/\r\n", kAccept})))
        << request;
    EXPECT_EQ(request.find("zh-cn"), std::string::npos);
}

TEST(FetchRequest, ProxyGetsTheWholeAddress) {
    LoopbackServer proxy;
    proxy.replyBody("via proxy");
    FetchOptions options = quick();
    options.useProxy = true;
    options.proxy = "http=127.0.0.1:" + std::to_string(proxy.port());
    // Only the proxy is contacted; the named host is never looked up.
    EXPECT_EQ(text("http://Maker.Example:8080/Tessaly/a.txt", options), "via proxy");
    const std::string request = only(proxy);
    EXPECT_EQ(request.rfind("GET http://maker.example:8080/Tessaly/a.txt HTTP/1.1\r\n", 0), 0u) << request;
    EXPECT_NE(request.find("\r\nHost: maker.example:8080\r\n"), std::string::npos);
    // The proxy flag alone, without a usable proxy address, makes no request.
    options.proxy = "";
    EXPECT_EQ(text("http://127.0.0.1:" + std::to_string(proxy.port()) + "/a", options), "");
    EXPECT_EQ(proxy.requests.size(), 1u);
}

TEST(SplitAddress, SchemeHostPortAndPath) {
    auto t = splitAddress("Maker.Example.COM/Tessaly/Up/x.gif");
    ASSERT_TRUE(t);
    EXPECT_FALSE(t->secure);
    EXPECT_EQ(t->host, "maker.example.com");
    EXPECT_EQ(t->port, 80);
    EXPECT_EQ(t->path, "/Tessaly/Up/x.gif");
    EXPECT_EQ(t->hostHeader(), "maker.example.com");
    EXPECT_EQ(t->url(), "http://maker.example.com/Tessaly/Up/x.gif");

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

    // https in any letter case; its own port is 443.
    t = splitAddress("HTTPS://Maker.Example/a");
    ASSERT_TRUE(t);
    EXPECT_TRUE(t->secure);
    EXPECT_EQ(t->port, 443);
    EXPECT_EQ(t->url(), "https://maker.example/a");
    EXPECT_EQ(splitAddress("https://h:8443/")->url(), "https://h:8443/");
    EXPECT_EQ(splitAddress("https://h:80/")->hostHeader(), "h:80");

    // Explicit port 80 is the default port.
    EXPECT_EQ(splitAddress("h:80/a")->hostHeader(), "h");

    for (const char* bad : {"", "http://", "https://", "/path", ":80/x", "h:0/x", "h:65536/x", "h:8a/x",
                            "h:123456/x", "h/a\r\nX-Injected: 1", "h/a\nb", "h\t/a", "[::1/x"})
        EXPECT_FALSE(splitAddress(bad)) << bad;
}

TEST(FetchAnswer, TextStopsAtTheFirstZeroByteAndBytesDoNot) {
    LoopbackServer server;
    const QByteArray body("\xD7\xEE\xD0\xC2\0tail\0", 10);
    server.replyBody(body);
    const std::string address = server.origin() + "/z.bin";
    EXPECT_EQ(text(address), "\xD7\xEE\xD0\xC2");
    EXPECT_EQ(bytes(address), body);
    server.replyBody(QByteArray("\0abc", 4));
    EXPECT_EQ(text(address), "");
}

TEST(FetchAnswer, HeadersAndBodyFramings) {
    LoopbackServer server;
    const std::string address = server.origin() + "/f";

    server.replyWith("HTTP/1.1 200 OK\r\nX-A: 1\r\nContent-Length: 3\r\n\r\nabcEXTRA");
    const FetchResult plain = fetched(address);
    EXPECT_TRUE(plain.ok);
    EXPECT_EQ(plain.body, "abc");
    EXPECT_EQ(plain.headers, "HTTP/1.1 200 OK\r\nX-A: 1\r\nContent-Length: 3\r\n");

    // Chunked, with an extension and a trailer; an interim 100 answer before it is skipped.
    server.replyWith("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                     "5;x=y\r\nhello\r\n7\r\n, world\r\n0\r\nX-T: 1\r\n\r\n");
    EXPECT_EQ(text(address), "hello, world");

    // No length: the body runs to the close.
    server.replyWith("HTTP/1.0 200 OK\r\n\r\nuntil close");
    EXPECT_EQ(text(address), "until close");

    // A body much longer than one read arrives whole.
    QByteArray big(300000, 'q');
    for (int i = 0; i < big.size(); i += 97)
        big[i] = static_cast<char>('a' + i % 26);
    server.replyBody(big);
    EXPECT_EQ(bytes(address), big);

    // A redirection is followed to the file it names.
    server.handler = [](QTcpSocket* client, const QByteArray& request) {
        client->write(request.startsWith("GET /moved ")
                          ? QByteArray("HTTP/1.1 302 Found\r\nLocation: /here\r\n"
                                       "Content-Length: 5\r\n\r\nmoved")
                          : LoopbackServer::ok("arrived"));
        client->disconnectFromHost();
    };
    EXPECT_EQ(text(server.origin() + "/moved"), "arrived");
}

TEST(FetchFailure, EveryFailureIsAnEmptyResult) {
    // Refused: a port that was free a moment ago and has nobody listening.
    quint16 closedPort;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        closedPort = probe.serverPort();
    }
    const FetchResult refused = fetched("http://127.0.0.1:" + std::to_string(closedPort) + "/a");
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.body.isEmpty());
    EXPECT_TRUE(refused.headers.empty());

    // Addresses no request can be made of, a host name that cannot be resolved (malformed, so no
    // resolver is asked): answered from the event loop as well, never from inside fetch().
    for (const char* bad : {"http://no..such..host/a", "", "h:0/x", "http://h/a\r\nX: 1"})
        EXPECT_FALSE(fetched(bad).ok) << bad;

    LoopbackServer server;
    const std::string address = server.origin() + "/a";
    const QByteArray failing[] = {
        "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found", // the error page is not the file
        "HTTP/1.1 500 Oops\r\n\r\nbroken",
        "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nonly a part",       // cut short
        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nabc",   // cut short inside a chunk
        "SSH-2.0-OpenSSH\r\n\r\n",                                         // not HTTP at all
        "",                                                                // closed without a word
        "HTTP/1.1 302 Found\r\nLocation: /a\r\nContent-Length: 0\r\n\r\n", // redirected to itself
    };
    for (const QByteArray& answer : failing) {
        server.replyWith(answer);
        EXPECT_EQ(text(address), "") << answer.toStdString();
    }
    // A connection reset in the middle of the body.
    server.resetAfter("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\npartial");
    EXPECT_EQ(text(address), "");
    // An https address whose server speaks plain HTTP.
    server.replyBody("plain");
    EXPECT_EQ(text(server.origin("https") + "/a"), "");
}

TEST(FetchBounds, OversizedBodiesAreRefused) {
    LoopbackServer server;
    const std::string address = server.origin() + "/big";
    // An announced length beyond the 16 MiB cap fails at once, before any body arrives.
    server.endless("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(16 * 1024 * 1024 + 1) +
                       "\r\n\r\n",
                   QByteArray(64 * 1024, 'z'));
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(fetched(address).ok);
    EXPECT_LT(clock.elapsed(), 1500);

    // With a small cap: exactly the cap passes; one byte more fails in every framing.
    FetchOptions capped = quick();
    capped.maxBodyBytes = 100;
    server.replyBody(QByteArray(100, 'a'));
    EXPECT_EQ(bytes(address, capped).size(), 100);
    server.replyBody(QByteArray(101, 'a'));
    EXPECT_TRUE(bytes(address, capped).isEmpty());
    server.replyWith("HTTP/1.0 200 OK\r\n\r\n" + QByteArray(101, 'b'));
    EXPECT_TRUE(bytes(address, capped).isEmpty());
    server.replyWith("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n32\r\n" + QByteArray(50, 'c') +
                     "\r\n33\r\n" + QByteArray(51, 'c') + "\r\n0\r\n\r\n");
    EXPECT_TRUE(bytes(address, capped).isEmpty());
}

// A small answer holds the memory of its size, not that of the cap.
TEST(FetchBounds, ASmallBodyKeepsNoMoreMemoryThanItNeeds) {
    LoopbackServer server;
    server.replyBody("short notice");
    const FetchResult result = fetched(server.origin() + "/notice");
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.body, QByteArray("short notice"));
    EXPECT_LT(result.body.capacity(), 64 * 1024);
}

TEST(FetchBounds, EndlessBodyStopsAtTheCap) {
    // A body without end, framed by the close or by chunks: the request ends once the cap is passed,
    // long before the deadline, and the connection is dropped.
    const QByteArray heads[] = {"HTTP/1.0 200 OK\r\n\r\n",
                                "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"};
    const QByteArray fillers[] = {QByteArray(64 * 1024, 'e'),
                                  "10000\r\n" + QByteArray(0x10000, 'e') + "\r\n"};
    for (int i = 0; i < 2; ++i) {
        LoopbackServer server;
        server.endless(heads[i], fillers[i]);
        FetchOptions options = quick(20000);
        options.maxBodyBytes = 2 * 1024 * 1024;
        QElapsedTimer clock;
        clock.start();
        EXPECT_FALSE(fetched(server.origin() + "/endless", options).ok) << i;
        EXPECT_LT(clock.elapsed(), 5000) << i;
        EXPECT_TRUE(QTest::qWaitFor([&] { return server.open == 0; }, 3000)) << i;
    }
}

TEST(FetchBounds, OneDeadlineForTheWholeRequest) {
    // Silence after the request.
    LoopbackServer server;
    server.silent();
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(fetched(server.origin() + "/slow", quick(300)).ok);
    EXPECT_GE(clock.elapsed(), 250);
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(server.requests.size(), 1u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.open == 0; }, 2000)); // the connection is dropped

    // A trickle that keeps every single wait short still ends at the deadline.
    QByteArray slowAnswer = "HTTP/1.1 200 OK\r\nContent-Length: 400\r\n\r\n" + QByteArray(400, 's');
    server.trickle(slowAnswer, 1, 20);
    clock.restart();
    EXPECT_FALSE(fetched(server.origin() + "/trickle", quick(500)).ok);
    EXPECT_GE(clock.elapsed(), 450);
    EXPECT_LT(clock.elapsed(), 2500);

    // A slow answer that is complete within the deadline is taken.
    server.trickle(LoopbackServer::ok("0123456789"), 16, 50);
    EXPECT_EQ(text(server.origin() + "/steady", quick(3000)), "0123456789");
}

TEST(FetchConcurrency, FetchesRunSideBySideAndReturnAtOnce) {
    LoopbackServer server;
    server.silent();
    std::vector<int> answered;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 6; ++i)
        fetchText(
            server.origin() + "/f" + std::to_string(i), nullptr,
            [&answered, i](const std::string&) { answered.push_back(i); }, quick(1500));
    EXPECT_LT(clock.elapsed(), 200); // starting them waited for nothing
    EXPECT_EQ(pendingFetches(), 6);
    // All six requests reach the server while none has been answered.
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.requests.size() == 6; }, 1000)) << server.requests.size();
    EXPECT_TRUE(answered.empty());
    // And all six end at their one deadline, together rather than one after the other.
    EXPECT_TRUE(QTest::qWaitFor([&] { return answered.size() == 6; }, 4000));
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_EQ(pendingFetches(), 0);
}

TEST(FetchConcurrency, AGoneContextAbandonsTheRequest) {
    LoopbackServer server;
    server.silent();
    bool called = false;
    auto context = std::make_unique<QObject>();
    fetchText(server.origin() + "/a", context.get(), [&](const std::string&) { called = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.open == 1 && server.requests.size() == 1; }, 2000));
    fetchText("", context.get(), [&](const std::string&) { called = true; }); // fails on the next turn
    context.reset();
    EXPECT_EQ(pendingFetches(), 0);
    // The connection is dropped, and no answer ever comes.
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.open == 0; }, 2000));
    QTest::qWait(50);
    EXPECT_FALSE(called);

    // A receiver that takes its own context down while it runs.
    server.replyBody("x");
    auto owner = std::make_unique<QObject>();
    std::string got;
    fetchText(server.origin() + "/b", owner.get(), [&](const std::string& t) {
        got = t;
        owner.reset();
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return !owner; }, 3000));
    EXPECT_EQ(got, "x");
}

// https: a loopback server with a certificate of its own. Trusted, it answers; not trusted, the fetch
// fails like any other.
TEST(FetchTls, HttpsWorksAndAnUntrustedCertificateFails) {
    QFile certFile(QStringLiteral(ORNAVO_TLS_DIR "/loopback-cert.pem"));
    QFile keyFile(QStringLiteral(ORNAVO_TLS_DIR "/loopback-key.pem"));
    ASSERT_TRUE(certFile.open(QIODevice::ReadOnly) && keyFile.open(QIODevice::ReadOnly));
    const QSslCertificate certificate(certFile.readAll(), QSsl::Pem);
    const QSslKey key(keyFile.readAll(), QSsl::Ec, QSsl::Pem);
    ASSERT_FALSE(certificate.isNull());
    ASSERT_FALSE(key.isNull());
    if (!QSslSocket::supportsSsl())
        GTEST_SKIP() << "no TLS backend";

    // Two servers: the transport keeps a connection's settings for later requests to the same port.
    auto tlsServer = [&] {
        auto server = std::make_unique<QSslServer>();
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        config.setLocalCertificate(certificate);
        config.setPrivateKey(key);
        server->setSslConfiguration(config);
        return server;
    };
    LoopbackServer untrusted(tlsServer());
    untrusted.replyBody("secret");
    EXPECT_EQ(text(untrusted.origin("https") + "/s.txt"), "");
    EXPECT_TRUE(untrusted.requests.empty()); // the request never left the client

    LoopbackServer trusted(tlsServer());
    trusted.replyBody("secret");
    const QSslConfiguration saved = QSslConfiguration::defaultConfiguration();
    QSslConfiguration trusting = saved;
    trusting.addCaCertificate(certificate);
    QSslConfiguration::setDefaultConfiguration(trusting);
    EXPECT_EQ(text(trusted.origin("https") + "/s.txt"), "secret");
    QSslConfiguration::setDefaultConfiguration(saved);
    EXPECT_EQ(only(trusted).rfind("GET /s.txt HTTP/1.1\r\n", 0), 0u);
}
