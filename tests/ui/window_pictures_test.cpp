// The module windows' sample pictures: built into the program and shown as the window opens, without
// the maker's site; a picture marked remote comes through the bounded fetch and fills in when it
// arrives.

#include "framework/model/constants.h"
#include "framework/model/sample_picture.h"
#include "framework/ui/generator_window.h"
#include "framework/ui/picture_box.h"
#include "net/http_fetch.h"
#include "net/loopback_server.h"
#include "support/offscreen_desktop.h"
#include "support/test_support.h"

#include <QApplication>
#include <QBuffer>
#include <QEnterEvent>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTcpSocket>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>

using namespace ornavo;
using namespace ornavo::testing;
using ornavo::net::testing::LoopbackServer;

namespace {

// The maker's site, for the length of a test.
class SiteAt {
  public:
    explicit SiteAt(const std::string& origin) { ::setenv("ORNAVO_MAKER_SERVER", origin.c_str(), 1); }
    ~SiteAt() { ::unsetenv("ORNAVO_MAKER_SERVER"); }
};

Control* pictureOf(ModuleSpec& module) {
    for (Section& section : module.sections)
        for (Item& item : section.items)
            if (auto* l = std::get_if<Line>(&item.content))
                for (Element& e : l->elements)
                    if (auto* c = std::get_if<Control>(&e); c && c->kind == ControlKind::Picture)
                        return c;
    return nullptr;
}

// What the program hands its module windows for the samples from the maker's site: the bounded fetch.
const ui::PictureFetch siteFetch = [](const std::string& address, QObject* context,
                                      std::function<void(const QByteArray&)> done) {
    net::fetchBytes(address, context, std::move(done));
};

ui::PictureBox* boxOf(const ui::GeneratorWindow& window, const Control& picture) {
    return window.findChild<ui::PictureBox*>(QString::fromStdString(picture.name));
}

} // namespace

TEST(SamplePictures, EveryWindowShowsItsBuiltInSampleWithoutTheSite) {
    // A site that answers nothing at all: the pictures cannot come from there.
    LoopbackServer site;
    site.silent();
    SiteAt at(site.origin());
    int shown = 0;
    for (const ModuleSpec& module : moduleRegistry().all()) {
        for (const Control* c : allControls(module)) {
            if (c->kind != ControlKind::Picture || samplePictureSource(c->text).remote)
                continue;
            EXPECT_TRUE(QFile::exists(QLatin1Char(':') + QString::fromStdString(c->text)))
                << module.key << " " << c->text;
            WindowVariables vars;
            ScriptedPrompter prompter;
            RecordingHost host;
            ui::GeneratorWindow window(module, vars, prompter, host, nullptr, siteFetch);
            ui::PictureBox* box = boxOf(window, *c);
            ASSERT_NE(box, nullptr) << module.key;
            // There as soon as the window exists, before any event is handled.
            EXPECT_TRUE(box->hasPicture()) << module.key << " " << c->text;
            ++shown;
        }
    }
    EXPECT_GT(shown, 0);
    QTest::qWait(50);
    EXPECT_EQ(site.connections, 0);
    EXPECT_EQ(net::pendingFetches(), 0);
}

namespace {

// How much a picture holds: its distinct colours (to 4 bits a channel), the spread of its brightness,
// and the share of its most common colour.
struct Contents {
    int colours = 0;
    int brightnessSpread = 0;
    double commonest = 1;
};

Contents contentsOf(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    std::set<QRgb> colours;
    std::map<QRgb, int> counts;
    int darkest = 255, brightest = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(line[x] & 0xf0f0f0);
            ++counts[line[x]];
            darkest = std::min(darkest, qGray(line[x]));
            brightest = std::max(brightest, qGray(line[x]));
        }
    }
    int most = 0;
    for (const auto& [colour, count] : counts)
        most = std::max(most, count);
    return {int(colours.size()), brightest - darkest, double(most) / (image.width() * image.height())};
}

// The picture a box shows: built in, or (marked remote) the one the bundled site serves.
QImage samplePicture(const std::string& text) {
    const SamplePictureSource source = samplePictureSource(text);
    const QString path = QString::fromStdString(source.path);
    return QImage(source.remote ? QStringLiteral(ORNAVO_SITE_DIR) + path : QLatin1Char(':') + path);
}

} // namespace

// Every box of every window holds a picture of its module as drawn on a shop page: twice the box's
// size (sharp on high-density screens, so the box's shape), with the colours and contrast of a
// rendering rather than one flat colour or a labelled tile.
TEST(SamplePictures, EveryBoxShowsARenderingOfItsModule) {
    int checked = 0;
    for (const ModuleSpec& module : moduleRegistry().all()) {
        for (const Control* c : allControls(module)) {
            if (c->kind != ControlKind::Picture)
                continue;
            for (const std::string& text : {c->text, c->hover}) {
                if (text.empty())
                    continue;
                const QImage picture = samplePicture(text);
                ASSERT_FALSE(picture.isNull()) << module.key << " " << text;
                EXPECT_EQ(picture.size(), QSize(c->boxWidth, c->boxHeight) * 2) << module.key << " " << text;
                const Contents contents = contentsOf(picture);
                EXPECT_GE(contents.colours, 32) << module.key << " " << text;
                EXPECT_GE(contents.brightnessSpread, 128) << module.key << " " << text;
                EXPECT_LE(contents.commonest, 0.8) << module.key << " " << text;
                ++checked;
            }
        }
    }
    EXPECT_GE(checked, 36);
}

TEST(SamplePictures, SourcesOfTheDescriptions) {
    EXPECT_FALSE(samplePictureSource("/Tessaly/samples/F03.jpg").remote);
    EXPECT_EQ(samplePictureSource("/Tessaly/samples/F03.jpg").path, "/Tessaly/samples/F03.jpg");
    const SamplePictureSource remote =
        samplePictureSource(remotePicture("/Tessaly/upload/images/131104/f15/tx1.gif"));
    EXPECT_TRUE(remote.remote);
    EXPECT_EQ(remote.path, "/Tessaly/upload/images/131104/f15/tx1.gif");
}

TEST(SamplePictures, ARemotePictureFillsInWhenItArrives) {
    QFile sample(QStringLiteral(":/Tessaly/samples/F03.jpg"));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    const QByteArray picture = sample.readAll();

    LoopbackServer site;
    SiteAt at(site.origin());
    ModuleSpec module = *moduleRegistry().byKey("F02");
    Control* control = pictureOf(module);
    ASSERT_NE(control, nullptr);
    control->text = remotePicture("/Tessaly/upload/images/131104/f15/tx1.gif");

    // The answer comes after the window is up; the window shows the picture then.
    site.silent();
    WindowVariables vars;
    ScriptedPrompter prompter;
    RecordingHost host;
    {
        ui::GeneratorWindow window(module, vars, prompter, host, nullptr, siteFetch);
        ui::PictureBox* box = boxOf(window, *control);
        ASSERT_NE(box, nullptr);
        EXPECT_FALSE(box->hasPicture());
        ASSERT_TRUE(QTest::qWaitFor([&] { return site.requests.size() == 1; }, 3000));
        EXPECT_EQ(site.requests[0].left(48).toStdString(),
                  "GET /Tessaly/upload/images/131104/f15/tx1.gif HT");
        // Closed before the site answers: the request goes with the window.
    }
    EXPECT_EQ(net::pendingFetches(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return site.open == 0; }, 2000));

    site.replyBody(picture);
    ui::GeneratorWindow window(module, vars, prompter, host, nullptr, siteFetch);
    ui::PictureBox* box = boxOf(window, *control);
    EXPECT_TRUE(QTest::qWaitFor([&] { return box->hasPicture(); }, 3000));

    // A site that fails leaves the label empty and the window working.
    site.replyWith("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n");
    ui::GeneratorWindow failed(module, vars, prompter, host, nullptr, siteFetch);
    ui::PictureBox* empty = boxOf(failed, *control);
    EXPECT_TRUE(QTest::qWaitFor([&] { return net::pendingFetches() == 0; }, 3000));
    EXPECT_FALSE(empty->hasPicture());
}

// The flip sample: the front picture, and the back one while the pointer is over it; both come from
// the site as the window opens.
TEST(SamplePictures, TheFlipSampleShowsItsBackUnderThePointer) {
    auto pictureOfColour = [](Qt::GlobalColor colour) {
        QImage image(31, 46, QImage::Format_RGB32);
        image.fill(colour);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    };
    LoopbackServer site;
    SiteAt at(site.origin());
    site.handler = [&](QTcpSocket* client, const QByteArray& request) {
        const bool back = request.startsWith("GET /Tessaly/upload/images/131104/f15/tx2.gif ");
        client->write(LoopbackServer::ok(pictureOfColour(back ? Qt::blue : Qt::red)));
        client->disconnectFromHost();
    };
    WindowVariables vars;
    ScriptedPrompter prompter;
    RecordingHost host;
    const ModuleSpec& module = *moduleRegistry().byKey("F15");
    ui::GeneratorWindow window(module, vars, prompter, host, nullptr, siteFetch);
    window.show();
    auto* sample = window.findChild<ui::PictureBox*>(QStringLiteral("图形按钮_模块样例"));
    ASSERT_NE(sample, nullptr);
    // What the box draws, in its middle.
    auto colour = [sample] {
        return sample->grab().toImage().pixelColor(sample->width() / 2, sample->height() / 2);
    };
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return site.requests.size() == 2 && net::pendingFetches() == 0; }, 5000));
    EXPECT_EQ(colour(), QColor(Qt::red));
    QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
    QApplication::sendEvent(sample, &enter);
    EXPECT_EQ(colour(), QColor(Qt::blue));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(sample, &leave);
    EXPECT_EQ(colour(), QColor(Qt::red));
}

int main(int argc, char** argv) {
    ornavo::testing::useOffscreenDesktop();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
