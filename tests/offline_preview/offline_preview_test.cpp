// The preview without the marketplace: every request that is neither for the preview's own scheme nor
// for this machine is blocked, so the shop page's own widget library never arrives and the shipped copy
// has to bring the widgets and the lazy images (served on loopback) to life. Runs on the offscreen
// platform.

#include "framework/model/constants.h"
#include "framework/web/offline_widgets.h"
#include "framework/web/preview_scheme.h"
#include "framework/web/web_windows.h"
#include "net/loopback_server.h"
#include "offline_preview/browser_support.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;
using namespace ornavo;
using ornavo::testing::evaluate;
using ornavo::testing::interceptor;
using ornavo::testing::json;
using ornavo::testing::waitForWidgets;
using web::PreviewWindow;

namespace {

// Presents the code in the preview window and waits until the shipped library has run.
QWebEngineView* previewOffline(const std::string& code, const std::string& folder) {
    PreviewWindow* window = PreviewWindow::present(code, folder);
    QWebEngineView* view = window->browser();
    waitForWidgets(view);
    return view;
}

class OfflinePreview : public ::testing::Test {
  protected:
    void SetUp() override {
        base = ornavo::testing::scratchFolder("offline");
        ASSERT_FALSE(base.empty());
        interceptor();
        ASSERT_FALSE(web::previewRuntimeFolder().isEmpty()) << "the shipped widget library is not built";
        // The pictures, from the test's folder.
        pictures.handler = [this](QTcpSocket* client, const QByteArray& request) {
            const QByteArray path = request.split(' ').value(1);
            QFile file(QString::fromStdString(base) + QString::fromUtf8(path));
            if (!path.contains("..") && file.open(QIODevice::ReadOnly)) {
                const QByteArray body = file.readAll();
                client->write("HTTP/1.1 200 OK\r\nContent-Type: image/png\r\nContent-Length: " +
                              QByteArray::number(body.size()) + "\r\n\r\n" + body);
            } else {
                client->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n");
            }
            client->disconnectFromHost();
        };
    }
    void TearDown() override {
        web::closeWebWindows();
        std::error_code ignored;
        fs::remove_all(base, ignored);
    }
    // A picture of one colour, served on loopback; returns its address.
    std::string picture(const std::string& name, int width, int height, const QColor& colour) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(colour);
        EXPECT_TRUE(image.save(QString::fromStdString(base + "/" + name + ".png")));
        return pictures.origin() + "/" + name + ".png";
    }
    std::string folder() const { return base + "/preview"; }
    std::string base;
    net::testing::LoopbackServer pictures;
};

bool near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 &&
           std::abs(a.blue() - b.blue()) < 24;
}

::testing::AssertionResult showsColour(const QImage& shot, QPoint at, QColor expected) {
    const QColor seen = shot.pixelColor(at);
    if (near(seen, expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "at (" << at.x() << "," << at.y() << ") the screen shows " << seen.name().toStdString()
           << ", not " << expected.name().toStdString();
}

} // namespace

// The auto-centred full-screen carousel as its window writes it by default, its pictures served on
// loopback: an outer Tabs, the Carousel with lazy posters and thumbnails, two pop-up arrows.
TEST_F(OfflinePreview, CarouselAdvancesShowsLazyPicturesAndAlignsItsPopups) {
    const QColor posters[] = {QColor(220, 30, 30), QColor(30, 200, 40), QColor(30, 60, 220),
                              QColor(230, 200, 20)};
    ornavo::testing::OpenWindow f01("F01");
    Form& form = f01.form();
    for (int k = 0; k < 4; ++k) {
        const std::string n = "0" + std::to_string(k + 1);
        form.setText("编辑框_大图地址" + n, picture("poster" + n, 1920, 500, posters[k]));
        form.setText("编辑框_小图地址" + n, picture("thumb" + n, 187, 50, posters[k].darker()));
    }
    form.setText("编辑框_方向箭头左", picture("left", 90, 90, Qt::black));
    form.setText("编辑框_方向箭头右", picture("right", 90, 90, Qt::white));
    const std::string code = f01.press("按钮_全屏海报轮播一键生成");
    ASSERT_NE(code.find("data-ks-lazyload=\"" + pictures.origin()), std::string::npos);

    const int blockedBefore = interceptor()->blocked;
    QWebEngineView* view = previewOffline(code, folder());
    EXPECT_GT(interceptor()->blocked, blockedBefore)
        << "the page no longer asks the marketplace for anything";
    // The shop's frame came with it: no page margin, the 950-pixel column in the middle, a navigation
    // bar whose light entries stand on a dark bar, and the shop sign's picture from the maker's site.
    EXPECT_EQ(evaluate(view, QStringLiteral("getComputedStyle(document.body).marginLeft")).toString(),
              QStringLiteral("0px"));
    EXPECT_EQ(
        evaluate(view, QStringLiteral("document.querySelector('#bd .layout').getBoundingClientRect().width"))
            .toInt(),
        950);
    const QString bar =
        evaluate(view,
                 QStringLiteral("getComputedStyle(document.querySelector('#hd .menu-list')).backgroundColor"))
            .toString();
    const QString entry =
        evaluate(view,
                 QStringLiteral("getComputedStyle(document.querySelector('#hd .menu-list .menu a')).color"))
            .toString();
    EXPECT_NE(bar, entry);
    EXPECT_NE(bar, QStringLiteral("rgba(0, 0, 0, 0)")) << "the navigation bar has no colour of its own";
    EXPECT_TRUE(evaluate(view, QStringLiteral(
                                   "getComputedStyle(document.querySelector('#hd .banner')).backgroundImage"))
                    .toString()
                    .contains(QString::fromStdString(makerServer() +
                                                     "/Tessaly/upload/images/131101/dianzhao/dz.jpg")));

    // Every widget started, outer before nested.
    EXPECT_EQ(json(view, QStringLiteral("ornavoPreview.widgets.map(function (w) { return w.type; })")),
              QJsonArray({"Tabs", "Carousel", "Popup", "Popup"}));
    EXPECT_EQ(json(view, QStringLiteral("Array.prototype.map.call(document.querySelectorAll('.J_TWidget'), "
                                        "function (e) { return e.getAttribute('data-ornavo-widget'); })")),
              QJsonArray({"started", "started", "started", "started"}));

    // Lazy images: the posters, thumbnails and arrows show the pictures.
    const QString imagesLoaded = QStringLiteral("Array.prototype.every.call(document.querySelectorAll('#"
                                                "shop4257007198 img'), function (i) { return i.complete; })");
    EXPECT_TRUE(QTest::qWaitFor([&] { return evaluate(view, imagesLoaded).toBool(); }, 5000));
    const QJsonArray images =
        json(view,
             QStringLiteral(
                 "Array.prototype.map.call(document.querySelectorAll('#shop4257007198 img'), function (i) {"
                 "  return {src: i.getAttribute('src'), lazy: i.hasAttribute('data-ks-lazyload'), width: "
                 "i.naturalWidth}; })"))
            .toArray();
    EXPECT_EQ(images.size(), 10);
    const QString served = QString::fromStdString(pictures.origin()) + "/";
    for (const QJsonValue& image : images) {
        const QJsonObject o = image.toObject();
        const std::string src = o["src"].toString().toStdString();
        EXPECT_FALSE(o["lazy"].toBool()) << src;
        EXPECT_TRUE(o["src"].toString().startsWith(served)) << src;
        EXPECT_GT(o["width"].toInt(), 0) << "not loaded: " << src;
    }

    // The carousel advances by itself: page state and pixels.
    evaluate(view, QStringLiteral("document.querySelector('.ux1920').scrollIntoView(); 0"));
    const QJsonObject area =
        json(view, QStringLiteral("(function (r) { return {top: r.top, bottom: r.bottom}; "
                                  "})(document.querySelector('.ux1920').getBoundingClientRect())"))
            .toObject();
    const int viewportHeight = view->height();
    const QPoint probe(view->width() / 2,
                       (std::max(0, area["top"].toInt()) + std::min(viewportHeight, area["bottom"].toInt())) /
                           2);
    const QString carousel = QStringLiteral("ornavoPreview.widgets[1].instance");
    EXPECT_EQ(evaluate(view, carousel + ".activeIndex").toInt(), 0);
    QTest::qWait(300);
    const QImage before = view->grab().toImage();
    EXPECT_TRUE(showsColour(before, probe, posters[0]));

    // Autoplay every 5 seconds, then half a second of scrolling.
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return evaluate(view, carousel + ".activeIndex").toInt() == 1; }, 8000));
    QTest::qWait(900);
    const QImage after = view->grab().toImage();
    EXPECT_TRUE(showsColour(after, probe, posters[1]));
    EXPECT_NE(before, after);

    // The pop-up arrows exist as overlays and appear over the poster area, 480 pixels either side of
    // its centre, when the pointer enters it.
    evaluate(view,
             QStringLiteral("document.querySelector('.ux1920').dispatchEvent(new MouseEvent('mouseover', "
                            "{bubbles: true, relatedTarget: document.body})); 0"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return evaluate(view, QStringLiteral("ornavoPreview.widgets[2].instance.get('visible') && "
                                                 "ornavoPreview.widgets[3].instance.get('visible')"))
                .toBool();
        },
        3000));
    QTest::qWait(100);
    const QJsonArray offsets =
        json(view, QStringLiteral("(function () {"
                                  "  function centre(e) { var r = e.getBoundingClientRect(); return [r.left "
                                  "+ r.width / 2, r.top + r.height / 2]; }"
                                  "  var a = centre(document.querySelector('.ux1920'));"
                                  "  return [2, 3].map(function (k) {"
                                  "    var el = ornavoPreview.widgets[k].element, c = centre(el);"
                                  "    return [Math.round(c[0] - a[0]), Math.round(c[1] - a[1]), "
                                  "el.className.indexOf('ks-overlay') >= 0,"
                                  "            getComputedStyle(el).display !== 'none'];"
                                  "  });"
                                  "})()"))
            .toArray();
    EXPECT_EQ(QJsonDocument(offsets).toJson(QJsonDocument::Compact).toStdString(),
              "[[-480,0,true,true],[480,0,true,true]]");
}

// One widget's fault stays with it: the widgets after it still start, and the fault is written on the
// element. Configurations with line breaks and trailing commas are read; code in one is not run.
TEST_F(OfflinePreview, AMalformedConfigurationLeavesTheOtherWidgetsWorking) {
    const std::string slide = "<div id=\"slide\" class=\"slider-promo J_TWidget\" data-widget-type=\"Slide\" "
                              "data-widget-config=\"{&#13;&#10;"
                              "  'contentCls': 'panels', 'navCls': 'dots',&#13;&#10;  'autoplay': true, "
                              "'interval': 0.3, 'effect': 'none',&#13;&#10;}\">"
                              "<ul class=\"dots\"><li>1</li><li>2</li><li>3</li></ul>"
                              "<div class=\"panels\"><div>A</div><div>B</div><div>C</div></div></div>";
    const std::string code =
        "<div id=\"broken\" class=\"J_TWidget\" data-widget-type=\"Tabs\" data-widget-config=\"{'effect': "
        "'fa'de', 'circular': true}\">"
        "<div class=\"ks-switchable-content\"><div>x</div></div></div>" +
        std::string("<div id=\"code\" class=\"J_TWidget\" data-widget-type=\"Tabs\" "
                    "data-widget-config=\"{'effect': (window.ran = 'yes')}\"><div "
                    "class=\"ks-switchable-content\"></div></div>") +
        "<div id=\"unknown\" class=\"J_TWidget\" data-widget-type=\"Marquee\" "
        "data-widget-config=\"{}\"></div>" +
        "<div id=\"compatible\" class=\"J_TWidget\" data-widget-type=\"Compatible\" "
        "data-widget-config=\"{'x': }\"></div>" +
        slide +
        // A transition list left unpicked writes an empty effect.
        "<div id=\"plain\" class=\"J_TWidget\" data-widget-type=\"Carousel\" data-widget-config=\"{'effect': "
        "'', "
        "'contentCls': 'posters', 'autoplay': true, 'interval': 0.3, 'circular': true}\">"
        "<ul class=\"posters\"><li>1</li><li>2</li></ul></div>" +
        "<img id=\"empty\" data-ks-lazyload=\"\" src=\"" + placeholderGif() + "\">";

    QWebEngineView* view = previewOffline(code, folder());

    const QJsonObject marks =
        json(view, QStringLiteral("(function () { var o = {}; ['broken', 'code', 'unknown', 'compatible', "
                                  "'slide'].forEach(function (id) {"
                                  "  var e = document.getElementById(id);"
                                  "  o[id] = [e.getAttribute('data-ornavo-widget'), "
                                  "e.getAttribute('data-ornavo-widget-error') || '']; });"
                                  "  return o; })()"))
            .toObject();
    EXPECT_EQ(marks["broken"].toArray().at(0), "failed");
    EXPECT_TRUE(marks["broken"].toArray().at(1).toString().contains("expected ',' or '}'"));
    EXPECT_EQ(marks["code"].toArray().at(0), "failed");
    EXPECT_TRUE(marks["code"].toArray().at(1).toString().contains("unexpected '('"));
    EXPECT_EQ(marks["unknown"].toArray(), QJsonArray({"failed", "unknown widget type \"Marquee\""}));
    EXPECT_EQ(marks["compatible"].toArray(), QJsonArray({"ignored", ""}));
    EXPECT_EQ(marks["slide"].toArray(), QJsonArray({"started", ""}));
    EXPECT_FALSE(evaluate(view, QStringLiteral("'ran' in window")).toBool());
    EXPECT_EQ(evaluate(view, QStringLiteral("ornavoPreview.failures.length")).toInt(), 3);

    // The slide after the faults plays: it moves on to its second panel and marks the second dot.
    const QString secondDot = QStringLiteral("document.querySelectorAll('#slide .dots li')[1].className");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return evaluate(view, secondDot).toString().contains(QLatin1String("ks-active")); }, 3000));
    EXPECT_EQ(
        evaluate(
            view,
            QStringLiteral(
                "ornavoPreview.widgets[0].type + ' ' + (ornavoPreview.widgets[0].instance.activeIndex > 0)"))
            .toString(),
        QStringLiteral("Slide true"));

    // The carousel without an effect switches plainly: its first poster is hidden, the second shown.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return evaluate(view,
                            QStringLiteral("getComputedStyle(document.querySelector('#plain li')).display"))
                       .toString() == QLatin1String("none");
        },
        3000));
    EXPECT_EQ(
        evaluate(view, QStringLiteral("getComputedStyle(document.querySelectorAll('#plain li')[1]).display"))
            .toString(),
        QStringLiteral("block"));

    // An empty lazy address keeps the placeholder.
    EXPECT_EQ(
        evaluate(view, QStringLiteral("document.getElementById('empty').getAttribute('src')")).toString(),
        QString::fromStdString(placeholderGif()));
}

// Live code goes into the page in place where that gives what loading the page would: the old code's
// widgets stop and the new ones start from their beginning, its pictures and the page's own scripts
// after the code (the unsafe links made harmless) come with it, and the scroll position stays. Code
// with scripts, or markup that reaches out of the module, now or in the page shown, loads the page
// anew at the same scroll position.
TEST_F(OfflinePreview, LiveCodeGoesInPlaceWhereThatGivesWhatALoadWould) {
    const std::string carousel = "<div id=\"CAROUSEL\" class=\"J_TWidget\" data-widget-type=\"Carousel\" "
                                 "data-widget-config=\"{'effect': "
                                 "'none', 'contentCls': 'posters', 'circular': true}\">"
                                 "<ul class=\"posters\"><li>1</li><li>2</li><li>3</li></ul></div>";
    auto with = [&](const std::string& id, const std::string& more = {}) {
        std::string code = carousel;
        code.replace(code.find("CAROUSEL"), 8, id);
        return code + more + "<div style=\"height:1500px\"></div>";
    };
    const std::string lazy = "<img id=\"lazy\" data-ks-lazyload=\"" + picture("lazy", 8, 8, Qt::red) +
                             "\" src=\"" + placeholderGif() + "\">";
    const std::string unsafe = "<a id=\"unsafe\" href=\"http://login.taobao.com/member/logout.jhtml\">x</a>";
    struct Case {
        const char* what;
        std::string shown, next;
        bool inPlace;
    };
    const Case cases[] = {
        {"a carousel for another", with("old"), with("new", lazy + unsafe), true},
        {"code with a script", with("old"), with("new", "<script>window.ran = 1;</script>"), false},
        {"markup that closes the page's elements", with("old"), with("new", "</span></div></div>"), false},
        {"a page shown whose code reached out", with("old", "</span></div>"), with("new"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        web::closeWebWindows(); // a new window: no page before this one to scroll back to
        QWebEngineView* view = previewOffline(c.shown, folder());
        auto* window = qobject_cast<PreviewWindow*>(view->window());
        ASSERT_NE(window, nullptr);
        // The carousel shown has moved on to its last poster.
        evaluate(view,
                 QStringLiteral(
                     "window.sameDocument = true; window.oldCarousel = ornavoPreview.widgets[0].instance;"
                     "oldCarousel.switchTo(2); window.scrollTo(0, 300); 0"));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return evaluate(view, QStringLiteral("window.scrollY")).toInt() == 300; }, 3000));

        QSignalSpy shown(window, &PreviewWindow::codeShown);
        window->showLiveCode(c.next);
        ASSERT_TRUE(shown.wait(10000));
        EXPECT_EQ(shown.constFirst().at(0).toBool(), c.inPlace);
        if (!c.inPlace)
            ASSERT_TRUE(QTest::qWaitFor(
                [&] {
                    return evaluate(view, QStringLiteral("window.ornavoPreview && ornavoPreview.state"))
                               .toString() == "ready";
                },
                15000));
        EXPECT_EQ(evaluate(view, QStringLiteral("!!window.sameDocument")).toBool(), c.inPlace);
        EXPECT_EQ(evaluate(view, QStringLiteral("window.scrollY")).toInt(), 300);
        // The new code's carousel, started at its first poster; the old one is gone.
        EXPECT_EQ(
            json(view, QStringLiteral("ornavoPreview.widgets.map(function (w) { return w.element.id + ' ' + "
                                      "w.instance.activeIndex; })")),
            QJsonArray({"new 0"}));
        EXPECT_EQ(evaluate(view, QStringLiteral("document.getElementById('old') === null")).toBool(), true);
        if (c.inPlace) {
            EXPECT_EQ(evaluate(view, QStringLiteral("window.oldCarousel.container === null")).toBool(), true);
            EXPECT_EQ(evaluate(view, QStringLiteral("document.getElementById('lazy').getAttribute('src')"))
                          .toString(),
                      QString::fromStdString(pictures.origin() + "/lazy.png"));
            EXPECT_EQ(evaluate(view, QStringLiteral("document.getElementById('unsafe').getAttribute('href')"))
                          .toString(),
                      QStringLiteral("#"));
        }
    }
}

// When the page has a KISSY of its own (the marketplace's library arrived), the shipped copy stays out.
TEST_F(OfflinePreview, APageWithItsOwnLibraryIsLeftAlone) {
    const std::string code =
        "<script>window.KISSY = {fromMarketplace: true};</script>"
        "<div id=\"w\" class=\"J_TWidget\" data-widget-type=\"Tabs\" data-widget-config=\"{}\"></div>";
    PreviewWindow* window = PreviewWindow::present(code, folder());
    QWebEngineView* view = window->browser();
    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    ASSERT_TRUE(loaded.wait(15000));
    QTest::qWait(500);
    EXPECT_EQ(
        evaluate(view,
                 QStringLiteral("typeof window.ornavoPreview + ' ' + KISSY.fromMarketplace + ' ' + "
                                "document.querySelectorAll('script[src*=\"ornavo-preview\"]').length + ' ' + "
                                "document.getElementById('w').hasAttribute('data-ornavo-widget')"))
            .toString(),
        QStringLiteral("undefined true 0 false"));
}

int main(int argc, char** argv) {
    return ornavo::testing::runBrowserTests(argc, argv);
}
