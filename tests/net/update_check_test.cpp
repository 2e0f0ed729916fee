// The start-up update check: what is asked, and what is opened, for each answer of the site and user.

#include "loopback_server.h"
#include "net/maker_site.h"
#include "net/update_check.h"

#include "framework/model/text.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <optional>

using namespace ornavo;
using namespace ornavo::net;

namespace {

// The site as a table of files. Answers come at once, or (deferred) only when the test releases them.
struct FakeSite {
    std::map<std::string, std::string> files; // path below MAKER_SERVER -> content
    std::vector<std::string> asked;
    std::vector<std::string> opened;
    bool answerOk = true;
    bool deferred = false;
    std::vector<std::pair<std::string, UpdateCheckHooks::TextReceiver>> waiting;

    UpdateCheckHooks hooks() {
        UpdateCheckHooks h;
        h.fetchText = [this](const std::string& address, UpdateCheckHooks::TextReceiver done) {
            if (deferred) {
                waiting.emplace_back(address, std::move(done));
                return;
            }
            done(contentOf(address));
        };
        h.askUpdate = [this](const std::string& question) {
            asked.push_back(question);
            return answerOk;
        };
        h.openAddress = [this](const std::string& address) { opened.push_back(address); };
        return h;
    }
    std::string contentOf(const std::string& address) const {
        for (const auto& [path, content] : files)
            if (address == makerFile(path))
                return content;
        return {};
    }
    // Hands the oldest waiting fetch its answer.
    void release() {
        auto [address, done] = std::move(waiting.front());
        waiting.erase(waiting.begin());
        done(contentOf(address));
    }

    // A check whose answers all come at once.
    std::optional<UpdateOutcome> run() {
        std::optional<UpdateOutcome> outcome;
        startUpdateCheck(hooks(), nullptr, [&outcome](UpdateOutcome o) { outcome = o; });
        return outcome;
    }
};

} // namespace

TEST(UpdateCheck, SameVersionAsksNothing) {
    FakeSite site;
    site.files[kVersionPath] = "2.0.1";
    site.files[kDownloadAddressPath] = "http://maker.example/download";
    EXPECT_EQ(site.run(), UpdateOutcome::UpToDate);
    // A line end after the number is not a different version.
    site.files[kVersionPath] = " 2.0.1\r\n";
    EXPECT_EQ(site.run(), UpdateOutcome::UpToDate);
    EXPECT_TRUE(site.asked.empty());
    EXPECT_TRUE(site.opened.empty());
}

TEST(UpdateCheck, UnreadableVersionIsNotReportedAsOutdated) {
    FakeSite site;
    site.files[kDownloadAddressPath] = "http://maker.example/download";
    EXPECT_EQ(site.run(), UpdateOutcome::VersionUnknown);
    site.files[kVersionPath] = "\r\n";
    EXPECT_EQ(site.run(), UpdateOutcome::VersionUnknown);
    EXPECT_TRUE(site.asked.empty());
    EXPECT_TRUE(site.opened.empty());
}

TEST(UpdateCheck, OtherVersionAsksAndOpensOnlyOnOk) {
    FakeSite site;
    site.files[kVersionPath] = "2.0.2\r\n";
    site.files[kDownloadAddressPath] = "  http://maker.example/Tessaly/share/software.html\r\n";
    site.answerOk = false;
    EXPECT_EQ(site.run(), UpdateOutcome::Declined);
    EXPECT_EQ(site.asked, std::vector<std::string>{"你的软件不是最新版本是否要更新！"});
    EXPECT_TRUE(site.opened.empty());

    site.answerOk = true;
    EXPECT_EQ(site.run(), UpdateOutcome::Opened);
    EXPECT_EQ(site.asked.size(), 2u);
    EXPECT_EQ(site.opened, std::vector<std::string>{"http://maker.example/Tessaly/share/software.html"});

    // An older version number is "not the newest" as well: the text only has to differ.
    site.files[kVersionPath] = "1.9";
    EXPECT_EQ(site.run(), UpdateOutcome::Opened);
}

TEST(UpdateCheck, DownloadAddressMustBeAWebAddress) {
    FakeSite site;
    site.files[kVersionPath] = "3.0";
    for (const char* bad : {"", "file:///etc/passwd", "javascript:alert(1)", "C:\\setup.exe", "http://",
                            "http://host/a b", "ftp://maker.example/x"}) {
        site.files[kDownloadAddressPath] = bad;
        EXPECT_EQ(site.run(), UpdateOutcome::NoDownload) << bad;
    }
    EXPECT_TRUE(site.opened.empty());
}

TEST(UpdateCheck, ReturnsAtOnceAndGoesOnAsTheAnswersArrive) {
    FakeSite site;
    site.deferred = true;
    site.files[kVersionPath] = "9.9";
    site.files[kDownloadAddressPath] = "https://maker.example/new";
    std::optional<UpdateOutcome> outcome;
    startUpdateCheck(site.hooks(), nullptr, [&](UpdateOutcome o) { outcome = o; });
    EXPECT_FALSE(outcome);
    ASSERT_EQ(site.waiting.size(), 1u);
    EXPECT_EQ(site.waiting[0].first, makerFile(kVersionPath));
    EXPECT_TRUE(site.asked.empty());

    site.release(); // the version: asks, then waits for the download address
    EXPECT_EQ(site.asked.size(), 1u);
    ASSERT_EQ(site.waiting.size(), 1u);
    EXPECT_EQ(site.waiting[0].first, makerFile(kDownloadAddressPath));
    EXPECT_FALSE(outcome);
    site.release();
    EXPECT_EQ(outcome, UpdateOutcome::Opened);
    EXPECT_EQ(site.opened, std::vector<std::string>{"https://maker.example/new"});
}

TEST(UpdateCheck, EndsWithItsContext) {
    FakeSite site;
    site.deferred = true;
    site.files[kVersionPath] = "9.9";
    site.files[kDownloadAddressPath] = "https://maker.example/new";
    bool finished = false;
    auto context = std::make_unique<QObject>();
    startUpdateCheck(site.hooks(), context.get(), [&](UpdateOutcome) { finished = true; });
    context.reset();
    site.release();
    EXPECT_TRUE(site.asked.empty());
    EXPECT_TRUE(site.waiting.empty());

    // Gone while the question is up: nothing is opened.
    context = std::make_unique<QObject>();
    site.deferred = false;
    UpdateCheckHooks hooks = site.hooks();
    hooks.askUpdate = [&](const std::string&) {
        context.reset();
        return true;
    };
    startUpdateCheck(hooks, context.get(), [&](UpdateOutcome) { finished = true; });
    EXPECT_FALSE(finished);
    EXPECT_TRUE(site.opened.empty());
}

TEST(UpdateCheck, ThroughTheRealFetch) {
    // A site served on loopback that knows a newer version.
    net::testing::LoopbackServer server;
    server.handler = [](QTcpSocket* client, const QByteArray& request) {
        QByteArray body;
        if (request.startsWith(QByteArray("GET ") + kVersionPath + " "))
            body = "2.1.0";
        else if (request.startsWith(QByteArray("GET ") + kDownloadAddressPath + " "))
            body = "https://maker.example/new\r\n";
        client->write(body.isEmpty() ? QByteArray("HTTP/1.0 404 Not Found\r\n\r\n")
                                     : net::testing::LoopbackServer::ok(body));
        client->disconnectFromHost();
    };
    ::setenv("ORNAVO_MAKER_SERVER", server.origin().c_str(), 1);
    std::vector<std::string> opened;
    UpdateCheckHooks hooks;
    hooks.askUpdate = [](const std::string&) { return true; };
    hooks.openAddress = [&](const std::string& a) { opened.push_back(a); };
    std::optional<UpdateOutcome> outcome;
    QObject context;
    startUpdateCheck(hooks, &context, [&](UpdateOutcome o) { outcome = o; });
    EXPECT_FALSE(outcome);
    EXPECT_TRUE(QTest::qWaitFor([&] { return outcome.has_value(); }, 5000));
    ::unsetenv("ORNAVO_MAKER_SERVER");
    EXPECT_EQ(outcome, UpdateOutcome::Opened);
    EXPECT_EQ(opened, std::vector<std::string>{"https://maker.example/new"});
    EXPECT_EQ(server.requests.size(), 2u);
}

TEST(SiteTexts, AddressesFromTheSiteAreCheckedBeforeOpening) {
    EXPECT_EQ(browsableAddress("http://a.example/x?y=1\r\n"), "http://a.example/x?y=1");
    EXPECT_EQ(browsableAddress("\t HTTPS://A.example \n"), "HTTPS://A.example");
    for (const char* bad : {"", "\r\n", "www.example.com", "mailto:a@b", "file:///tmp/x", "https:///x",
                            "http://a.example/x\r\nsecond line", "http://a\x7f.example"})
        EXPECT_FALSE(browsableAddress(bad)) << bad;
}

TEST(SiteTexts, GbkTextsBecomeUtf8) {
    const std::string notice = "最新公告：全场包邮 ABC";
    EXPECT_EQ(siteTextToUtf8(*utf8ToGbk(notice)), notice);
    EXPECT_EQ(siteTextToUtf8(""), "");
    // Bytes that are neither GBK nor UTF-8 are not passed on as text.
    EXPECT_EQ(siteTextToUtf8("\xFF\xFF\xFF"), "");
}
