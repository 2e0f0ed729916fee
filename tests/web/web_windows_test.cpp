// The preview and colour-table windows with a real embedded browser, on the offscreen platform.
// Every request to a host other than this machine is blocked, so the shop page's marketplace style
// sheets and scripts stay unloaded and nothing leaves the machine.

#include "framework/model/form.h"
#include "framework/model/live_preview.h"
#include "framework/model/text.h"
#include "framework/ui/generator_window.h"
#include "framework/ui/live_preview_link.h"
#include "framework/ui/translations.h"
#include "framework/web/browser_loader.h"
#include "framework/web/guarded_page.h"
#include "framework/web/offline_widgets.h"
#include "framework/web/preview_scheme.h"
#include "framework/web/web_windows.h"
#include "net/loopback_server.h"
#include "support/offscreen_desktop.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace ornavo;
using web::ColourTableWindow;
using web::PreviewWindow;

namespace {

class LoopbackOnly : public QWebEngineUrlRequestInterceptor {
  public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        const QUrl url = info.requestUrl();
        const bool local = web::isPreviewUrl(url) || url.isLocalFile() ||
                           url.scheme() == QLatin1String("data") || url.host() == QLatin1String("127.0.0.1");
        if (!local)
            info.block(true);
    }
};

// Waits for the browser's next finished load; true when it succeeded.
bool nextLoad(QWebEngineView* view, int timeoutMs = 20000) {
    QSignalSpy spy(view, &QWebEngineView::loadFinished);
    if (!spy.wait(timeoutMs))
        return false;
    return spy.takeFirst().at(0).toBool();
}

QString evaluate(QWebEngineView* view, const QString& script) {
    QString result = QStringLiteral("(no answer)");
    bool done = false;
    view->page()->runJavaScript(script, [&](const QVariant& v) {
        result = v.toString();
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 10000))
        ADD_FAILURE() << "the page did not answer " << script.toStdString();
    return result;
}

QString pageText(QWebEngineView* view) {
    return evaluate(view, QStringLiteral("document.body ? document.body.innerText : ''"));
}

// Records which windows are blocked by a modal one, as the application tells them.
struct BlockWatch : QObject {
    QSet<QObject*> blocked;
    bool eventFilter(QObject* target, QEvent* e) override {
        if (e->type() == QEvent::WindowBlocked)
            blocked.insert(target);
        if (e->type() == QEvent::WindowUnblocked)
            blocked.remove(target);
        return false;
    }
    bool isBlocked(QWidget* w) const { return blocked.contains(w) || blocked.contains(w->windowHandle()); }
};

class WebWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        base = ornavo::testing::scratchFolder("web");
        ASSERT_FALSE(base.empty());
        ::setenv("XDG_RUNTIME_DIR", base.c_str(), 1);
        web::installWebWindows(host);
    }
    void TearDown() override {
        web::closeWebWindows();
        std::error_code ignored;
        fs::remove_all(base, ignored);
    }
    std::string base;
    ornavo::testing::ScriptedPrompter prompter;
    WindowVariables vars;
    ui::DesktopHost host;
};

// A small colour page on this machine stands in for the maker's site (ORNAVO_MAKER_SERVER while it lives).
struct ColourSite {
    explicit ColourSite(QByteArray page) : body(std::move(page)) {
        EXPECT_TRUE(server.listen(QHostAddress::LocalHost));
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            QTcpSocket* s = server.nextPendingConnection();
            QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                s->readAll();
                s->write("HTTP/1.0 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " +
                         QByteArray::number(body.size()) + "\r\n\r\n" + body);
                s->disconnectFromHost();
            });
        });
        ::setenv("ORNAVO_MAKER_SERVER", origin().c_str(), 1);
    }
    ~ColourSite() { ::unsetenv("ORNAVO_MAKER_SERVER"); }
    std::string origin() const { return "http://127.0.0.1:" + std::to_string(server.serverPort()); }
    QTcpServer server;
    QByteArray body;
};

// A JavaScript string literal of the text.
QString quotedJs(const QString& text) {
    const QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

QPushButton* buttonOf(QWidget* window, const char* name) {
    return window->findChild<QPushButton*>(QString::fromUtf8(name));
}

} // namespace

TEST_F(WebWindows, PreviewShowsThePageFollowsResizesReloadsAndCleansUp) {
    ui::GeneratorWindow module(*moduleRegistry().byKey("F03"), vars, prompter, host);
    module.show();
    module.form().setText("超级编辑框_全屏海报代码", "<p id=\"probe\">宝贝😀</p>");
    QPushButton* preview = buttonOf(&module, "按钮_全屏海报在线预览");
    ASSERT_NE(preview, nullptr);

    preview->click();
    PreviewWindow* window = PreviewWindow::instance();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("效果在线预览     Quillet工作室"));
    EXPECT_EQ(window->size(), QSize(1000, 600));
    EXPECT_TRUE(window->isVisible());
    QWebEngineView* browser = window->browser();
    EXPECT_EQ(browser->objectName(), QStringLiteral("超文本浏览框_在线预览"));
    const std::string path = base + "/ornavo/test.html";
    // Written where it always is, shown through the program's own scheme.
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(window->pageUrl(), QUrl(QStringLiteral("ornavo://preview/test.html")));
    ASSERT_TRUE(nextLoad(browser));
    EXPECT_EQ(browser->url(), window->pageUrl());
    // Read as GBK by the browser: the page's own title and the code, the emoji from its reference.
    EXPECT_EQ(browser->title(), QStringLiteral("QuilletOrnavo-最好的特效代码生成器"));
    EXPECT_EQ(evaluate(browser, QStringLiteral("document.getElementById('probe').textContent")),
              QStringLiteral("宝贝😀"));
    // Inside the custom-content module's "<span>".
    EXPECT_EQ(evaluate(browser, QStringLiteral("document.getElementById('probe').parentNode.tagName + ' ' + "
                                               "document.getElementById('probe').closest('.J_TModule').id")),
              QStringLiteral("SPAN shop4257007198"));

    // The browser covers the window below its bar whatever its size; the page is shown whole across,
    // scaled where the window is narrower than it (unless the user chose a scale).
    QWidget* bar = window->findChild<QWidget*>(QStringLiteral("previewBar"));
    ASSERT_NE(bar, nullptr);
    const int barHeight = bar->height();
    EXPECT_GT(barHeight, 0);
    EXPECT_EQ(browser->geometry(), QRect(0, barHeight, 1000, 600 - barHeight));
    EXPECT_EQ(window->scale(), 1.0);
    window->resize(640, 380);
    EXPECT_EQ(browser->geometry(), QRect(0, barHeight, 640, 380 - barHeight));
    EXPECT_DOUBLE_EQ(window->scale(), 0.64);
    EXPECT_DOUBLE_EQ(browser->zoomFactor(), 0.64);
    EXPECT_EQ(window->scaleBox()->currentText(), QStringLiteral("适合窗口（64%）"));
    window->scaleBox()->setCurrentIndex(window->scaleBox()->findText(QStringLiteral("90%")));
    EXPECT_DOUBLE_EQ(browser->zoomFactor(), 0.9);
    window->scaleBox()->setCurrentIndex(0);
    EXPECT_DOUBLE_EQ(browser->zoomFactor(), 0.64);

    // A second press, with the window minimised: the same window, in front, showing the new code.
    window->showMinimized();
    module.form().setText("超级编辑框_全屏海报代码", "<p id=\"probe\">第二次</p>");
    preview->click();
    EXPECT_EQ(PreviewWindow::instance(), window);
    EXPECT_FALSE(window->isMinimized());
    ASSERT_TRUE(nextLoad(browser));
    EXPECT_EQ(evaluate(browser, QStringLiteral("document.getElementById('probe').textContent")),
              QStringLiteral("第二次"));
    int previewWindows = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        previewWindows += qobject_cast<PreviewWindow*>(w) != nullptr;
    EXPECT_EQ(previewWindows, 1);

    // Closing the window deletes the page.
    ASSERT_TRUE(fs::exists(path));
    window->close();
    ASSERT_TRUE(QTest::qWaitFor([] { return PreviewWindow::instance() == nullptr; }));
    EXPECT_FALSE(fs::exists(path));
}

// A script typed into the code box reads no file of this machine but those the page is made of. The
// probe tries a file outside the preview folder by XHR, fetch and a hidden frame, and through the
// page's own addresses, and tells a listener on loopback what each way got.
TEST_F(WebWindows, APreviewReadsNoLocalFile) {
    const std::string secret = base + "/secret.txt";
    std::ofstream(secret) << "ornavo-secret-4711";
    std::map<std::string, std::string> reports; // way → what it got
    net::testing::LoopbackServer listener;
    listener.handler = [&reports](QTcpSocket* client, const QByteArray& request) {
        const QByteArray way = request.split(' ').value(1).mid(1);
        reports[way.toStdString()] = request.mid(request.indexOf("\r\n\r\n") + 4).toStdString();
        client->write("HTTP/1.1 204 No Content\r\nAccess-Control-Allow-Origin: *\r\n\r\n");
        client->disconnectFromHost();
    };
    const QString runtime = web::previewRuntimeFolder();
    ASSERT_FALSE(runtime.isEmpty());
    const QString outOfRuntime = QDir(runtime).relativeFilePath(QString::fromStdString(secret)); // ../../…
    QString probe = QStringLiteral(R"(<script>
(function () {
  var file = FILE, listener = LISTENER, out = OUT;
  function report(way, text) {
    var x = new XMLHttpRequest();
    x.open('POST', listener + '/' + way, true);
    x.send(String(text));
  }
  // A frame's text, where the page may see into it.
  function frame(way, address) {
    var f = document.createElement('iframe'), told = false;
    function tell(text) { if (!told) { told = true; report(way, text); } }
    f.style.display = 'none';
    f.onload = function () {
      try { tell(f.contentDocument ? f.contentDocument.documentElement.innerText : 'no document'); }
      catch (e) { tell('failed: ' + e); }
    };
    setTimeout(function () { tell('never loaded'); }, 5000);
    f.src = address;
    document.body.appendChild(f);
  }
  try {
    var x = new XMLHttpRequest();
    x.open('GET', file, false);
    x.send();
    report('xhr', x.responseText);
  } catch (e) {
    report('xhr', 'failed: ' + e);
  }
  fetch(file).then(function (r) { return r.text(); })
             .then(function (t) { report('fetch', t); }, function (e) { report('fetch', 'failed: ' + e); });
  frame('frame', file);
  // Out of the page's own files, however the way is written.
  frame('own-dots', '/runtime/' + out);
  frame('own-escaped-dots', '/runtime/' + out.replace(/\.\./g, '%2e%2e'));
  frame('own-escaped-slashes', '/runtime/' + out.replace(/\//g, '%2f'));
  frame('own-runtime', '/runtime/ornavo-preview.js');
})();
</script>)");
    probe
        .replace(QStringLiteral("FILE"),
                 quotedJs(QUrl::fromLocalFile(QString::fromStdString(secret)).toString()))
        .replace(QStringLiteral("LISTENER"), quotedJs(QString::fromStdString(listener.origin())))
        .replace(QStringLiteral("OUT"), quotedJs(outOfRuntime));

    ui::GeneratorWindow module(*moduleRegistry().byKey("F03"), vars, prompter, host);
    module.show();
    module.form().setText("超级编辑框_全屏海报代码", probe.toStdString());
    buttonOf(&module, "按钮_全屏海报在线预览")->click();
    const std::vector<std::string> ways = {
        "xhr", "fetch", "frame", "own-dots", "own-escaped-dots", "own-escaped-slashes", "own-runtime"};
    ASSERT_TRUE(QTest::qWaitFor([&] { return reports.size() == ways.size(); }, 20000))
        << "the probe did not run to the end: " << reports.size() << " reports";
    for (const std::string& way : ways) {
        ASSERT_EQ(reports.count(way), 1u) << way;
        EXPECT_EQ(reports[way].find("ornavo-secret-4711"), std::string::npos) << way << " read the file";
    }
    // What the page is made of it may read: the reports arrive, and the way is open for its own files.
    EXPECT_NE(reports["own-runtime"].find("ornavoPreview"), std::string::npos) << reports["own-runtime"];
}

TEST_F(WebWindows, FailedWriteShowsAnErrorPageNamingTheFolder) {
    const std::string folder = base + "/no/such/folder";
    PreviewWindow* window = PreviewWindow::present("<b>x</b>", folder);
    ASSERT_TRUE(nextLoad(window->browser()));
    EXPECT_TRUE(window->pageUrl().isEmpty());
    EXPECT_TRUE(pageText(window->browser()).contains(QString::fromStdString(folder)));
    EXPECT_TRUE(pageText(window->browser()).contains(QStringLiteral("原因：文件或文件夹不存在")))
        << pageText(window->browser()).toStdString();

    // Once the folder can be written, the next press shows the page.
    PreviewWindow::present("<b id=\"probe\">ok</b>", base + "/ornavo");
    ASSERT_TRUE(nextLoad(window->browser()));
    EXPECT_EQ(evaluate(window->browser(), QStringLiteral("document.getElementById('probe').textContent")),
              QStringLiteral("ok"));
}

TEST_F(WebWindows, ColourPickerOpensOneTableBesideTheModuleWindow) {
    ColourSite site("<html><head><title>colours</title></head><body>#FF6600</body></html>");
    const std::string server = site.origin();

    ModuleSpec module;
    module.key = "T01";
    module.caption = "选色测试";
    module.width = 400;
    module.height = 300;
    module.codeBox = codeBox("超级编辑框_测试代码");
    module.buttons = {colourButton("按钮_选色器"), exitButton("按钮_测试退出")};
    ui::GeneratorWindow moduleWindow(module, vars, prompter, host);
    BlockWatch watch;
    qApp->installEventFilter(&watch);
    // Opened from the main window's help menu before the module window: usable while it is open.
    ColourTableWindow* earlier = ColourTableWindow::present();
    moduleWindow.show();
    QApplication::processEvents();
    EXPECT_FALSE(watch.isBlocked(earlier));

    buttonOf(&moduleWindow, "按钮_选色器")->click();
    ColourTableWindow* table = ColourTableWindow::instance();
    EXPECT_EQ(table, earlier);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->windowTitle(), QStringLiteral("常用颜色表（颜色值请用鼠标右键复制）"));
    EXPECT_EQ(table->size(), QSize(970, 520));
    EXPECT_EQ(table->parentWidget(), nullptr);
    // The browser's own menu, from which a colour value is copied, speaks the program's language.
    EXPECT_EQ(table->browser()->pageAction(QWebEnginePage::Copy)->text(), QStringLiteral("复制"));
    EXPECT_TRUE(table->isVisible());
    EXPECT_TRUE(moduleWindow.isVisible());
    EXPECT_EQ(table->browser()->objectName(), QStringLiteral("超文本浏览框_颜色表"));
    ASSERT_TRUE(nextLoad(table->browser()));
    EXPECT_EQ(table->browser()->url(), QUrl(QString::fromStdString(server + "/Tessaly/zx/ysb/ysb.html")));
    EXPECT_EQ(table->browser()->title(), QStringLiteral("colours"));
    EXPECT_EQ(table->browser()->contextMenuPolicy(), Qt::DefaultContextMenu);
    // Neither window blocks the other.
    QApplication::processEvents();
    EXPECT_FALSE(watch.isBlocked(&moduleWindow));
    EXPECT_FALSE(watch.isBlocked(table));

    // Pressed again while minimised: the same window, restored.
    table->showMinimized();
    buttonOf(&moduleWindow, "按钮_选色器")->click();
    EXPECT_EQ(ColourTableWindow::instance(), table);
    EXPECT_FALSE(table->isMinimized());

    // It closes without a question and outlives nothing it should not.
    table->close();
    ASSERT_TRUE(QTest::qWaitFor([] { return ColourTableWindow::instance() == nullptr; }));
    EXPECT_TRUE(prompter.messages.empty());
    qApp->removeEventFilter(&watch);
}

// Two presses and releases of the left button in quick succession, as a mouse sends them (the browser
// counts the clicks from their times and places).
void doubleClick(QWidget* target, QPoint at) {
    static ulong time = 1000000;
    time += 10000;
    const QPointF local(at), global(target->mapToGlobal(at));
    for (int k = 0; k < 2; ++k)
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(type, local, local, global, Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            e.setTimestamp(time += 40);
            QApplication::sendEvent(target, &e);
        }
}

// A colour value is taken whole, with its "#": a click or a double-click on it selects it, and so does
// a right click (the context menu's Copy then copies it), in the table and in running text alike.
TEST_F(WebWindows, ColourValuesAreSelectedWhole) {
    ColourSite site("<html><body><p id=\"hint\">例如 #FF4400）。</p><table><tr>"
                    "<td id=\"red\">#FF0000</td><td id=\"green\">#00CC00</td><td id=\"short\">#F60</td>"
                    "<td id=\"name\">rgb(255,0,0)</td></tr></table></body></html>");
    ColourTableWindow* table = ColourTableWindow::present();
    QWebEngineView* view = table->browser();
    ASSERT_TRUE(nextLoad(view));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(table));
    // The middle of the first occurrence of the text in the element, in the view's coordinates.
    auto pointAt = [&](const char* id, const char* text) {
        const QStringList xy =
            evaluate(view, QStringLiteral(
                               "(function () { var n = document.getElementById('%1').firstChild, at = "
                               "n.data.indexOf('%2');"
                               "  var r = document.createRange(); r.setStart(n, at + 1); r.setEnd(n, at + 2);"
                               "  var b = r.getBoundingClientRect(); return Math.round(b.left + b.width / 2) "
                               "+ ',' + Math.round(b.top + b.height / 2); })()")
                               .arg(QLatin1String(id), QLatin1String(text)))
                .split(QLatin1Char(','));
        return xy.size() == 2 ? QPoint(xy[0].toInt(), xy[1].toInt()) : QPoint();
    };
    enum Gesture { Click, DoubleClick, RightClick };
    struct Case {
        Gesture gesture;
        const char* id;
        const char* at; // a value's text, or the text clicked into
        const char* selected;
    };
    const Case cases[] = {
        {DoubleClick, "red", "#FF0000", "#FF0000"},
        {Click, "hint", "#FF4400", "#FF4400"},
        {RightClick, "green", "#00CC00", "#00CC00"},
        {DoubleClick, "short", "#F60", "#F60"},
        {Click, "name", "rgb", ""}, // not a colour value: a click selects nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        evaluate(view, QStringLiteral("window.getSelection().removeAllRanges(); 0"));
        const QPoint at = pointAt(c.id, c.at);
        QWidget* input = view->focusProxy();
        if (c.gesture == DoubleClick) {
            doubleClick(input, at);
        } else {
            QTest::mouseClick(input, c.gesture == Click ? Qt::LeftButton : Qt::RightButton, Qt::NoModifier,
                              at);
        }
        const QString expected = QString::fromUtf8(c.selected);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return view->selectedText() == expected && !expected.isEmpty(); }, 3000) ||
            expected.isEmpty())
            << "selected: " << view->selectedText().toStdString();
        EXPECT_EQ(evaluate(view, QStringLiteral("window.getSelection().toString()")), expected);
        if (c.gesture == RightClick) {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (qobject_cast<QMenu*>(w) && w->isVisible()) {
                    const QAction* copy = view->pageAction(QWebEnginePage::Copy);
                    EXPECT_TRUE(copy->isEnabled()) << "the menu offers no Copy";
                    w->close();
                }
        }
    }
}

// A window made ahead of time holds the shop page without code; the first press puts the code in
// place, and the page then stands for the page's file (a reload shows the same code).
TEST_F(WebWindows, TheFirstPressOnAWindowMadeAheadPutsTheCodeInPlace) {
    PreviewWindow::warmUp();
    EXPECT_EQ(PreviewWindow::instance(), nullptr); // made, not shown
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<PreviewWindow*>(w) && w->isVisible());
    QWebEngineView* browser = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* made = qobject_cast<PreviewWindow*>(w))
            browser = made->browser();
    ASSERT_NE(browser, nullptr);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return evaluate(browser, QStringLiteral("window.ornavoPreview ? ornavoPreview.state : ''")) ==
                   "ready";
        },
        15000));

    PreviewWindow* window = PreviewWindow::present("<p id=\"probe\">第一次</p>", base + "/ornavo");
    QSignalSpy shown(window, &PreviewWindow::codeShown);
    ASSERT_TRUE(shown.wait(10000));
    EXPECT_TRUE(shown.at(0).at(0).toBool()) << "loaded anew";
    EXPECT_EQ(evaluate(browser, QStringLiteral("document.getElementById('probe').textContent")),
              QStringLiteral("第一次"));
    EXPECT_EQ(browser->url(), window->pageUrl());
    browser->reload();
    ASSERT_TRUE(nextLoad(browser));
    EXPECT_EQ(evaluate(browser, QStringLiteral("document.getElementById('probe').textContent")),
              QStringLiteral("第一次"));
}

// Live preview in a module window and its preview, as a user meets it: F03 generated and previewed.
class LivePreviewWindows : public WebWindows {
  protected:
    void SetUp() override {
        WebWindows::SetUp();
        live = std::make_unique<LivePreview>(base + "/state/live-preview");
        PreviewWindow::setLiveSwitch(live.get());
        module = std::make_unique<ui::GeneratorWindow>(*moduleRegistry().byKey("F03"), vars, prompter, host);
        module->attach(std::make_unique<ui::LivePreviewLink>(*module, *live));
        module->show();
        buttonOf(module.get(), "按钮_全屏海报一键生成")->click();
        buttonOf(module.get(), "按钮_全屏海报在线预览")->click();
        window = PreviewWindow::instance();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(nextLoad(window->browser()));
        // Ready when the shipped widget library runs the page.
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return evaluate(window->browser(), kState) == "ready"; }, 15000));
        // A mark that a page loaded anew would not have.
        evaluate(window->browser(), QStringLiteral("window.sameDocument = true; 0"));
    }
    void TearDown() override {
        web::closeWebWindows();
        module.reset();
        PreviewWindow::setLiveSwitch(nullptr);
        WebWindows::TearDown();
    }
    // Types into the module window's control as a user does.
    void type(const char* name, const QString& text, bool replace = true) {
        QWidget* control = module->findChild<QWidget*>(QString::fromUtf8(name));
        ASSERT_NE(control, nullptr) << name;
        control->setFocus();
        if (replace)
            QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
        // Key by key, Chinese characters as an input method sends them.
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QString link() {
        return evaluate(window->browser(),
                        QStringLiteral("document.querySelector('#shop4257007198 a').getAttribute('href') + "
                                       "' ' + !!window.sameDocument"));
    }

    static inline const QString kState = QStringLiteral("window.ornavoPreview ? ornavoPreview.state : ''");
    std::unique_ptr<LivePreview> live;
    std::unique_ptr<ui::GeneratorWindow> module;
    PreviewWindow* window = nullptr;
};

// Off at first: typing changes nothing on the page. Ticked: each edit runs the generate button again,
// and once the user pauses the page shows the new code in place, without a press.
TEST_F(LivePreviewWindows, TickedThePageFollowsTheFieldsWithoutAPress) {
    QCheckBox* box = window->liveBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QStringLiteral("实时预览"));
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(window->liveNotice()->isVisible());
    QSignalSpy shown(window, &PreviewWindow::codeShown);

    type("编辑框_链接地址", QStringLiteral("http://shop.example/off"));
    QTest::qWait(2 * static_cast<int>(LivePreview::kPause.count()));
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_EQ(module->form().code().find("shop.example"), std::string::npos);
    EXPECT_EQ(link(), QStringLiteral("http://www.taobao.com true"));

    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(live->chosen());
    // The page caught up with the code box at once, which still holds the old link.
    ASSERT_TRUE(shown.wait(5000));
    type("编辑框_链接地址", QStringLiteral("http://shop.example/新品"));
    EXPECT_NE(module->form().code().find("http://shop.example/新品"), std::string::npos);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return link() == QStringLiteral("http://shop.example/新品 true"); }, 5000))
        << link().toStdString();
    EXPECT_EQ(shown.constLast().at(0).toBool(), true); // in place
    // The page file holds the code too, for a reload.
    std::ifstream file(base + "/ornavo/test.html", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_NE(bytes.find(*utf8ToGbk("http://shop.example/新品")), std::string::npos);

    // The choice is kept: a new run starts with the box ticked.
    EXPECT_TRUE(LivePreview(base + "/state/live-preview").chosen());
}

// A hand edit of the code box turns live preview off for the window, the preview says so in one
// line, and neither a pause nor later edits of the fields overwrite what was typed.
TEST_F(LivePreviewWindows, AHandEditOfTheCodeBoxTurnsItOff) {
    // Ticked as a screen reader does it: the accessibility bridge toggles the box without a click.
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(window->liveBox());
    ASSERT_TRUE(box && box->actionInterface());
    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    ASSERT_TRUE(window->liveBox()->isChecked());
    ASSERT_TRUE(live->chosen());
    type("超级编辑框_全屏海报代码", QStringLiteral("<p id=\"mine\">手写</p>"), false);
    EXPECT_FALSE(window->liveBox()->isChecked());
    QLabel* notice = window->liveNotice();
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->text(), QString::fromUtf8(LivePreview::kHandEditNotice));
    EXPECT_FALSE(notice->text().contains(QLatin1Char('\n')));
    EXPECT_TRUE(live->chosen()); // for other windows it stays on

    type("编辑框_链接地址", QStringLiteral("http://shop.example/later"));
    QTest::qWait(2 * static_cast<int>(LivePreview::kPause.count()));
    const std::string code = module->form().code();
    EXPECT_NE(code.find("<p id=\"mine\">手写</p>"), std::string::npos);
    EXPECT_EQ(code.find("shop.example"), std::string::npos);
    EXPECT_EQ(link(), QStringLiteral("http://www.taobao.com true"));
    EXPECT_EQ(evaluate(window->browser(), QStringLiteral("String(!!document.getElementById('mine'))")),
              QStringLiteral("false"));
}

// Whether the process no longer runs (gone, or ended and not yet reaped: either way it takes no time).
bool processEnded(qint64 pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line))
        return true;
    const auto close = line.rfind(')');
    return close != std::string::npos && close + 2 < line.size() && line[close + 2] == 'Z';
}

// The module window's code box previewed: the page's scripts may ask for boxes as often as they like,
// none opens and nothing is blocked; the first is told in the preview's own line, the rest counted,
// and the page goes on (confirm and prompt answered "Cancel").
TEST_F(WebWindows, PageScriptsOpenNoBoxes) {
    ui::GeneratorWindow module(*moduleRegistry().byKey("F03"), vars, prompter, host);
    module.show();
    BlockWatch watch;
    qApp->installEventFilter(&watch);
    module.form().setText("超级编辑框_全屏海报代码",
                          "<script>for (var i = 0; i < 300; ++i) alert('第' + i + '个\\n提示');"
                          "document.title = String(confirm('确定吗')) + ' ' + String(prompt('名字', 'x'));"
                          "</script><p id=\"probe\">还在</p>");
    buttonOf(&module, "按钮_全屏海报在线预览")->click();
    PreviewWindow* window = PreviewWindow::instance();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(nextLoad(window->browser()));
    EXPECT_EQ(window->browser()->title(), QStringLiteral("false null"));
    EXPECT_EQ(evaluate(window->browser(), QStringLiteral("document.getElementById('probe').textContent")),
              QStringLiteral("还在"));
    QLabel* notice = window->pageNotice();
    ASSERT_NE(notice, nullptr);
    EXPECT_FALSE(notice->isHidden());
    EXPECT_EQ(notice->text(), QStringLiteral("页面的提示：“第0个 提示”（另有 301 个弹框未显示）"));
    EXPECT_EQ(notice->geometry().bottom(), window->height() - 1); // along the bottom edge
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible() && w != &module && w != window) << w->metaObject()->className();
    QApplication::processEvents();
    EXPECT_FALSE(watch.isBlocked(&module));
    qApp->removeEventFilter(&watch);

    // The next page shown starts without the line. A page that asks before it is left (once the user
    // has clicked into it) is left without a question for the next one.
    module.form().setText("超级编辑框_全屏海报代码",
                          "<script>window.addEventListener('beforeunload', function (e) {"
                          " e.preventDefault(); e.returnValue = '留下'; return '留下'; });</script>"
                          "<p id=\"probe\">别走</p>");
    buttonOf(&module, "按钮_全屏海报在线预览")->click();
    ASSERT_TRUE(nextLoad(window->browser()));
    EXPECT_TRUE(notice->isHidden());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QTest::mouseClick(window->browser()->focusProxy(), Qt::LeftButton, {}, QPoint(300, 300));
    QTest::keyClick(window->browser()->focusProxy(), Qt::Key_Space);
    module.form().setText("超级编辑框_全屏海报代码", "<p id=\"probe\">安静</p>");
    buttonOf(&module, "按钮_全屏海报在线预览")->click();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return evaluate(window->browser(),
                            QStringLiteral("document.getElementById('probe') ? "
                                           "document.getElementById('probe').textContent : ''")) ==
                   QStringLiteral("安静");
        },
        15000));
    EXPECT_TRUE(notice->isHidden()) << notice->text().toStdString();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// A page whose script never ends, or asks for boxes without end, is noticed within seconds: its
// renderer is ended (no longer taking the processor), the preview says so in one line, the module
// window stays usable, and the next press shows the page again.
TEST_F(WebWindows, AHungPageIsStoppedAndTheNextPreviewShowsItAgain) {
    ui::GeneratorWindow module(*moduleRegistry().byKey("F03"), vars, prompter, host);
    module.show();
    for (const char* runaway :
         {"<script>while (true) {}</script>", "<script>for (;;) alert('又来了');</script>"}) {
        SCOPED_TRACE(runaway);
        module.form().setText("超级编辑框_全屏海报代码", runaway);
        QElapsedTimer pressed;
        pressed.start();
        buttonOf(&module, "按钮_全屏海报在线预览")->click();
        PreviewWindow* window = PreviewWindow::instance();
        ASSERT_NE(window, nullptr);
        QSignalSpy hung(window->page(), &web::GuardedPage::hung);
        qint64 renderer = 0;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                if (const qint64 pid = window->page()->renderProcessPid())
                    renderer = pid;
                return !hung.isEmpty();
            },
            web::GuardedPage::kAnswerLimitMs + 8000));
        EXPECT_LT(pressed.elapsed(), web::GuardedPage::kAnswerLimitMs + 8000);
        ASSERT_GT(renderer, 0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return processEnded(renderer); }, 3000)) << "renderer " << renderer;
        EXPECT_FALSE(window->pageNotice()->isHidden());
        EXPECT_EQ(window->pageNotice()->text(), web::GuardedPage::stoppedNotice());
        EXPECT_FALSE(window->pageNotice()->text().contains(QLatin1Char('\n')));
        // The module window went on answering meanwhile.
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

        // Pressed at once, while the engine may not yet have seen the renderer go.
        module.form().setText("超级编辑框_全屏海报代码", "<p id=\"probe\">又好了</p>");
        QSignalSpy loads(window->browser(), &QWebEngineView::loadFinished);
        buttonOf(&module, "按钮_全屏海报在线预览")->click();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                for (const QList<QVariant>& load : loads)
                    if (load.at(0).toBool())
                        return true;
                return false;
            },
            20000));
        EXPECT_EQ(evaluate(window->browser(), QStringLiteral("document.getElementById('probe').textContent")),
                  QStringLiteral("又好了"));
        EXPECT_TRUE(window->pageNotice()->isHidden());
        EXPECT_FALSE(window->page()->stopped());
    }
}

// A live update that brings a script that never ends: noticed within seconds of the update, the page
// stopped and said so; the next update shows the page again.
TEST_F(LivePreviewWindows, AnUpdateThatHangsThePageIsStoppedAndTheNextOneShowsIt) {
    QTest::mouseClick(window->liveBox(), Qt::LeftButton, {}, QPoint(6, window->liveBox()->height() / 2));
    ASSERT_TRUE(window->liveBox()->isChecked());
    QSignalSpy hung(window->page(), &web::GuardedPage::hung);
    QElapsedTimer typed;
    type("编辑框_链接地址", QStringLiteral("\"><script>for (;;) {}</script><a href=\"x"));
    typed.start();
    ASSERT_TRUE(
        hung.wait(static_cast<int>(LivePreview::kPause.count()) + web::GuardedPage::kAnswerLimitMs + 8000));
    EXPECT_LT(typed.elapsed(),
              static_cast<int>(LivePreview::kPause.count()) + web::GuardedPage::kAnswerLimitMs + 8000);
    EXPECT_EQ(window->pageNotice()->text(), web::GuardedPage::stoppedNotice());

    // The stopped page is loaded anew with the next update (not put in place).
    QSignalSpy shown(window, &PreviewWindow::codeShown);
    type("编辑框_链接地址", QStringLiteral("http://shop.example/好了"));
    ASSERT_TRUE(shown.wait(20000));
    EXPECT_FALSE(shown.at(0).at(0).toBool());
    EXPECT_EQ(evaluate(window->browser(), QStringLiteral("document.querySelector('#shop4257007198 a').href")),
              QStringLiteral("http://shop.example/%E5%A5%BD%E4%BA%86"));
    EXPECT_TRUE(window->pageNotice()->isHidden());
}

// The program does not link these windows: it loads them from their library on the first press. The
// same windows come from there, and they go with closeBrowserWindows().
TEST_F(WebWindows, TheProgramsWayThroughTheLoadedLibrary) {
    ::setenv("ORNAVO_BROWSER_LIBRARY", ORNAVO_BROWSER_LIBRARY_FILE, 1);
    ui::DesktopHost loaded(
        [this](const std::string& code, QWidget* from) { web::presentPreview(code, from, prompter); },
        [this](QWidget* from) { web::presentColourTable(from, prompter); });
    ui::GeneratorWindow module(*moduleRegistry().byKey("F09"), vars, prompter, loaded);
    module.show();
    module.form().setText("超级编辑框_F09自定义店招代码", "<p id=\"probe\">店招</p>");
    buttonOf(&module, "按钮_F09预览")->click();
    EXPECT_TRUE(web::browserLibraryLoaded());
    EXPECT_EQ(PreviewWindow::instance(), nullptr); // not this program's own copy of the window

    auto shown = [](const char* name) -> QWidget* {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name) && w->isVisible())
                return w;
        return nullptr;
    };
    QWidget* window = shown("PreviewWindow");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("效果在线预览     Quillet工作室"));
    auto* browser = window->findChild<QWebEngineView*>(QStringLiteral("超文本浏览框_在线预览"));
    ASSERT_NE(browser, nullptr);
    ASSERT_TRUE(nextLoad(browser));
    const std::string path = base + "/ornavo/test.html";
    EXPECT_EQ(browser->url(), web::previewPageUrl());
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(evaluate(browser, QStringLiteral("document.getElementById('probe').textContent")),
              QStringLiteral("店招"));

    buttonOf(&module, "按钮_选色器")->click();
    QWidget* table = shown("ColourTableWindow");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->windowTitle(), QStringLiteral("常用颜色表（颜色值请用鼠标右键复制）"));
    EXPECT_TRUE(prompter.messages.empty());

    web::closeBrowserWindows();
    QApplication::processEvents();
    EXPECT_EQ(shown("PreviewWindow"), nullptr);
    EXPECT_EQ(shown("ColourTableWindow"), nullptr);
    EXPECT_FALSE(fs::exists(path));
    ::unsetenv("ORNAVO_BROWSER_LIBRARY");
}

int main(int argc, char** argv) {
    ornavo::testing::useOffscreenDesktop();
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ornavo::ui::installChineseTranslations();
    LoopbackOnly interceptor;
    QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(&interceptor);
    return RUN_ALL_TESTS();
}
