// The start-up update check: what is asked, and what is opened, for each answer of the site and user.

#include "loopback_server.h"
#include "net/maker_site.h"
#include "net/update_check.h"
#include "support/test_support.h"

#include "framework/text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

using namespace ornavo;
using namespace ornavo::net;

namespace {

struct FakeSite {
    std::map<std::string, std::string> files; // path below MAKER_SERVER -> content
    std::vector<std::string> asked;
    std::vector<std::string> opened;
    bool answerOk = true;

    UpdateCheckHooks hooks() {
        UpdateCheckHooks h;
        h.fetchText = [this](const std::string& address) {
            for (const auto& [path, content] : files)
                if (address == makerFile(path))
                    return content;
            return std::string();
        };
        h.askUpdate = [this](const std::string& question) {
            asked.push_back(question);
            return answerOk;
        };
        h.openAddress = [this](const std::string& address) { opened.push_back(address); };
        return h;
    }
};

} // namespace

TEST(UpdateCheck, SameVersionAsksNothing) {
    FakeSite site;
    site.files[kVersionPath] = "2.0.1";
    site.files[kDownloadAddressPath] = "http://maker.example/download";
    EXPECT_EQ(runUpdateCheck(site.hooks()), UpdateOutcome::UpToDate);
    // A line end after the number is not a different version.
    site.files[kVersionPath] = " 2.0.1\r\n";
    EXPECT_EQ(runUpdateCheck(site.hooks()), UpdateOutcome::UpToDate);
    EXPECT_TRUE(site.asked.empty());
    EXPECT_TRUE(site.opened.empty());
}

TEST(UpdateCheck, UnreadableVersionIsNotReportedAsOutdated) {
    FakeSite site;
    site.files[kDownloadAddressPath] = "http://maker.example/download";
    EXPECT_EQ(runUpdateCheck(site.hooks()), UpdateOutcome::VersionUnknown);
    site.files[kVersionPath] = "\r\n";
    EXPECT_EQ(runUpdateCheck(site.hooks()), UpdateOutcome::VersionUnknown);
    EXPECT_TRUE(site.asked.empty());
    EXPECT_TRUE(site.opened.empty());
}

TEST(UpdateCheck, OtherVersionAsksAndOpensOnlyOnOk) {
    FakeSite site;
    site.files[kVersionPath] = "2.0.2\r\n";
    site.files[kDownloadAddressPath] = "  http://maker.example/Tessaly/share/software.html\r\n";
    site.answerOk = false;
    EXPECT_EQ(runUpdateCheck(site.hooks()), UpdateOutcome::Declined);
    EXPECT_EQ(site.asked, std::vector<std::string>{"你的软件不是最新版本是否要更新！"});
    EXPECT_TRUE(site.opened.empty());

    site.answerOk = true;
    EXPECT_EQ(runUpdateCheck(site.hooks()), UpdateOutcome::Opened);
    EXPECT_EQ(site.asked.size(), 2u);
    EXPECT_EQ(site.opened, std::vector<std::string>{"http://maker.example/Tessaly/share/software.html"});

    // An older version number is "not the newest" as well: the text only has to differ.
    site.files[kVersionPath] = "1.9";
    EXPECT_EQ(runUpdateCheck(site.hooks()), UpdateOutcome::Opened);
}

TEST(UpdateCheck, DownloadAddressMustBeAWebAddress) {
    FakeSite site;
    site.files[kVersionPath] = "3.0";
    for (const char* bad : {"", "file:///etc/passwd", "javascript:alert(1)", "C:\\setup.exe", "http://",
                            "http://host/a b", "ftp://maker.example/x"}) {
        site.files[kDownloadAddressPath] = bad;
        EXPECT_EQ(runUpdateCheck(site.hooks()), UpdateOutcome::NoDownload) << bad;
    }
    EXPECT_TRUE(site.opened.empty());
}

TEST(UpdateCheck, PrompterYesStandsForOk) {
    ornavo::testing::ScriptedPrompter prompter;
    prompter.answers = {Answer::No, Answer::Yes};
    std::vector<std::string> opened;
    auto open = [&](const std::string& a) { opened.push_back(a); };

    // Through the real fetch, from a site served on loopback.
    net::testing::LoopbackServer server;
    server.handler = [](QTcpSocket* client, const QByteArray& request) {
        QByteArray body;
        if (request.startsWith(QByteArray("GET ") + kVersionPath + " "))
            body = "2.1.0";
        else if (request.startsWith(QByteArray("GET ") + kDownloadAddressPath + " "))
            body = "https://maker.example/new\r\n";
        client->write(body.isEmpty() ? QByteArray("HTTP/1.0 404 Not Found\r\n\r\n")
                                     : "HTTP/1.0 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) +
                                           "\r\n\r\n" + body);
        client->disconnectFromHost();
    };
    ::setenv("ORNAVO_MAKER_SERVER", server.origin().c_str(), 1);
    EXPECT_EQ(runUpdateCheck(prompter, open), UpdateOutcome::Declined);
    EXPECT_EQ(runUpdateCheck(prompter, open), UpdateOutcome::Opened);
    ::unsetenv("ORNAVO_MAKER_SERVER");
    EXPECT_EQ(prompter.messages, (std::vector<std::string>{kUpdateQuestion, kUpdateQuestion}));
    EXPECT_EQ(opened, std::vector<std::string>{"https://maker.example/new"});
    EXPECT_EQ(server.requests.size(), 3u);
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
