// Leaving the program while the maker's site takes requests and never answers: the process is gone
// within a second, from the main window and from an open module window alike.

#include "net/loopback_server.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using ornavo::net::testing::LoopbackServer;

struct Probe {
    QProcess process;

    explicit Probe(const LoopbackServer& site) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ORNAVO_MAKER_SERVER"), QString::fromStdString(site.origin()));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral(ORNAVO_QUIT_PROBE), {});
    }
    ~Probe() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(2000);
        }
    }
    void say(const char* line) { process.write(line), process.waitForBytesWritten(1000); }
    // Milliseconds from the quit command to the end of the process; -1 when it is still running after
    // five seconds.
    qint64 quitAndTime() {
        QElapsedTimer clock;
        clock.start();
        say("quit\n");
        if (!process.waitForFinished(5000))
            return -1;
        return clock.elapsed();
    }
};

} // namespace

TEST(QuitWithFetchesPending, FromTheMainWindow) {
    LoopbackServer site;
    site.silent();
    Probe probe(site);
    ASSERT_TRUE(probe.process.waitForStarted(5000));
    // The update check, the announcement and the four advert pictures, all waiting at once.
    ASSERT_TRUE(QTest::qWaitFor([&] { return site.requests.size() == 6; }, 10000)) << site.requests.size();
    const qint64 took = probe.quitAndTime();
    EXPECT_GE(took, 0) << "still running five seconds after quitting";
    EXPECT_LT(took, 1000);
    EXPECT_EQ(probe.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(probe.process.exitCode(), 0);
}

TEST(QuitWithFetchesPending, FromTheTrayWhileAModuleWindowIsOpen) {
    LoopbackServer site;
    site.silent();
    Probe probe(site);
    ASSERT_TRUE(probe.process.waitForStarted(5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return site.requests.size() == 6; }, 10000)) << site.requests.size();
    probe.say("open F03\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return probe.process.canReadLine(); }, 5000));
    EXPECT_EQ(probe.process.readLine().toStdString(), "open F03\n");
    const qint64 took = probe.quitAndTime();
    EXPECT_GE(took, 0) << "still running five seconds after quitting";
    EXPECT_LT(took, 1000);
    EXPECT_EQ(probe.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(probe.process.exitCode(), 0);
}
