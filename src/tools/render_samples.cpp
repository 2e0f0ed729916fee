// ornavo-render-samples: draws each module window's sample picture from the module itself. For each
// window it generates the markup of the window's defaults (the first entry of each list and the first
// radio button of each group picked, so that the module is placed as a shop owner's would be), shows
// it in the preview window's shop page with nothing but local files and the maker's site reachable
// (the shipped widget library brings the widgets to life), waits until the module's pictures have
// arrived, crops the module's area to the shape of the window's picture box and scales it to twice
// the box's size.
//
//   ornavo-render-samples SITE_FOLDER [KEY...]   each box's picture, at SITE_FOLDER + its path
//   ornavo-render-samples --page FILE KEY        the whole preview page of KEY, as shown
//
// Pictures are written in the format their path names (JPEG, PNG); a path that names a GIF gets a PNG
// beside it ("tx1.gif.png"), for the caller to convert. A box with a hover picture also gets the module as it
// shows with the pointer over it. A window with two boxes shows one markup in each (its generate
// buttons in order).

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "framework/model/sample_picture.h"
#include "framework/web/preview_scheme.h"
#include "framework/web/web_windows.h"
#include "generators/catalogue.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iostream>
#include <memory>
#include <set>

using namespace ornavo;

namespace {

// The page the module is shown in: a common desktop screen's.
constexpr int kPageWidth = 1920;
constexpr int kPageHeight = 1200;
constexpr int kScale = 2;
// Photographs of pages: JPEG at this quality keeps text sharp at a quarter of PNG's size.
constexpr int kJpegQuality = 85;

// The preview's own page and library, local files and the maker's site only: the marketplace's hosts
// are never asked.
class LocalOnly : public QWebEngineUrlRequestInterceptor {
  public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        const QUrl url = info.requestUrl();
        if (web::isPreviewUrl(url) || url.isLocalFile() || url.scheme() == QLatin1String("data"))
            return;
        const QUrl maker(QString::fromStdString(makerServer()));
        if (url.host() == maker.host() && url.port(80) == maker.port(80))
            return;
        info.block(true);
    }
};

// Whether the window writes page markup (it has a preview) rather than a style sheet.
bool isPageMarkup(const ModuleSpec& module) {
    for (const Button* b : allButtons(module))
        if (b->action == Action::Preview)
            return true;
    return false;
}

// The markups a window's sample boxes show: the first generate button's, or one per professional
// button where the window has more than one picture box.
std::vector<std::string> defaultMarkups(const ModuleSpec& module, int boxes) {
    Unattended quiet;
    WindowVariables vars;
    Form form(module, vars, quiet, quiet);
    std::set<std::string> groups;
    for (const Control* c : allControls(module)) {
        if (c->kind == ControlKind::List && !c->entries.empty())
            form.pick(c->name, 0);
        if (c->kind == ControlKind::Radio && groups.insert(c->group).second)
            form.choose(c->name);
    }
    std::vector<std::string> out;
    for (const Button* b : allButtons(module)) {
        if (b->action != Action::Generate || !b->basicOf.empty())
            continue;
        if (static_cast<int>(out.size()) < boxes)
            out.push_back(b->generate(form));
    }
    // A window without a preview writes a style sheet for the shop page itself: it is shown in force.
    if (!isPageMarkup(module))
        for (std::string& css : out)
            css = "<style>" + css + "</style>";
    return out;
}

// Where the module shows: its own markup in the custom-content module; a style sheet for the whole
// page (a background) over the page; one for the navigation over the shop's header.
// The flip display's box shows one product (front, and back under the pointer) at its picture's size.
QString areaOf(const ModuleSpec& module, const std::string& code) {
    if (module.key == "F15")
        return QStringLiteral("#shop4257007198 .skin-box-bd > span li");
    if (isPageMarkup(module))
        return QStringLiteral("#shop4257007198 .skin-box-bd > span");
    return code.find("body{") != std::string::npos ? QStringLiteral("body") : QStringLiteral("#hd .layout");
}

std::vector<const Control*> pictureBoxes(const ModuleSpec& module) {
    std::vector<const Control*> out;
    for (const Control* c : allControls(module))
        if (c->kind == ControlKind::Picture)
            out.push_back(c);
    return out;
}

class Renderer {
  public:
    explicit Renderer(std::string folder) : folder_(std::move(folder)) {}

    // Shows the code and calls `then` once the page has settled, with whether its pictures arrived
    // (after 20 s of waiting they count as missing).
    void show(const std::string& code, std::function<void(QWebEngineView*, bool)> then) {
        web::PreviewWindow* window = web::PreviewWindow::present(code, folder_);
        window->resize(kPageWidth * kScale, kPageHeight * kScale);
        QWebEngineView* view = window->browser();
        view->setZoomFactor(kScale);
        waitUntil(view,
                  QStringLiteral(
                      "document.readyState === 'complete' && (!!window.KISSY || !!window.ornavoPreview)"),
                  20000, [this, view, then](bool) {
                      const QString pictures =
                          QString::fromUtf8(kPicturesArrived).arg(QString::fromStdString(makerServer()));
                      waitUntil(view, pictures, 20000, [view, then](bool arrived) {
                          // The widgets' first frame (fades, slides) before the picture is taken.
                          QTimer::singleShot(2500, [view, then, arrived] { then(view, arrived); });
                      });
                  });
    }

    // The module's area in page pixels: every element under the area's root that shows, each cut by
    // the boxes that clip their contents (hidden slides, clipped overflow), limited to the page's width.
    // %1: the selector of the area's root.
    static constexpr const char* kModuleArea = R"JS(
        (function () {
            var root = document.querySelector('%1') || document.querySelector('#shop4257007198');
            // The page's own background: the whole screen.
            if (root === document.body) return JSON.stringify({l: 0, t: 0, r: window.innerWidth, b: window.innerHeight});
            // Only the boxes on the way to each containing block clip: a positioned element leaves the
            // static boxes around it.
            function clipOf(el) {
                var c = {l: 0, t: -1e9, r: window.innerWidth, b: 1e9};
                var position = getComputedStyle(el).position;
                for (var p = el.parentElement; p && p !== document.documentElement; p = p.parentElement) {
                    if (position === 'fixed') break;
                    var s = getComputedStyle(p);
                    if (position === 'absolute' && s.position === 'static' && s.transform === 'none') continue;
                    position = s.position;
                    var r = p.getBoundingClientRect();
                    if (s.overflowX !== 'visible') { c.l = Math.max(c.l, r.left); c.r = Math.min(c.r, r.right); }
                    if (s.overflowY !== 'visible') { c.t = Math.max(c.t, r.top); c.b = Math.min(c.b, r.bottom); }
                }
                return c;
            }
            // What an element paints itself: a picture, a background, a border; text is measured on its own.
            function paints(el, style) {
                if (/^(IMG|CANVAS|SVG|INPUT|IFRAME|VIDEO)$/i.test(el.tagName)) return true;
                if (style.backgroundImage !== 'none') return true;
                if (!/rgba\(0, 0, 0, 0\)|transparent/.test(style.backgroundColor)) return true;
                return ['Top', 'Right', 'Bottom', 'Left'].some(function (side) {
                    return parseFloat(style['border' + side + 'Width']) > 0 && style['border' + side + 'Style'] !== 'none';
                });
            }
            function rectsOf(el, style) {
                var out = paints(el, style) ? [el.getBoundingClientRect()] : [];
                for (var n = el.firstChild; n; n = n.nextSibling) {
                    if (n.nodeType !== 3 || !/\S/.test(n.nodeValue)) continue;
                    var range = document.createRange();
                    range.selectNodeContents(n);
                    out.push(range.getBoundingClientRect());
                }
                return out;
            }
            var box = null;
            var all = [root].concat(Array.prototype.slice.call(root.querySelectorAll('*')));
            for (var i = 0; i < all.length; i++) {
                var style = getComputedStyle(all[i]);
                if (style.visibility === 'hidden' || style.display === 'none' || style.opacity === '0') continue;
                var rects = rectsOf(all[i], style);
                if (!rects.length) continue;
                var c = clipOf(all[i]);
                for (var k = 0; k < rects.length; k++) {
                    var r = rects[k];
                    var l = Math.max(c.l, r.left), t = Math.max(c.t, r.top), rt = Math.min(c.r, r.right), b = Math.min(c.b, r.bottom);
                    if (rt - l < 2 || b - t < 2) continue;
                    box = box ? {l: Math.min(box.l, l), t: Math.min(box.t, t), r: Math.max(box.r, rt), b: Math.max(box.b, b)}
                              : {l: l, t: t, r: rt, b: b};
                }
            }
            if (!box) { var r0 = root.getBoundingClientRect(); box = {l: r0.left, t: r0.top, r: r0.right, b: r0.bottom}; }
            return JSON.stringify({l: box.l, t: box.t + window.scrollY, r: box.r, b: box.b + window.scrollY});
        })())JS";

    // Whether the module's pictures from the maker's site (%1) have arrived whole; pictures from the
    // marketplace's hosts (placeholders of lazy pictures) are never asked for.
    static constexpr const char* kPicturesArrived = R"JS(
        (function () {
            var images = document.querySelectorAll('#shop4257007198 img');
            for (var i = 0; i < images.length; i++) {
                var src = images[i].getAttribute('src') || '';
                if (src.indexOf('%1/') === 0 && !(images[i].complete && images[i].naturalWidth > 0)) return false;
            }
            return true;
        })())JS";

    // Calls `then` with true once the condition holds, or with false after `ms`.
    void waitUntil(QWebEngineView* view, const QString& condition, int ms, std::function<void(bool)> then) {
        auto clock = std::make_shared<QElapsedTimer>();
        clock->start();
        auto poll = std::make_shared<std::function<void()>>();
        *poll = [view, condition, ms, then, clock, poll] {
            view->page()->runJavaScript(condition, [view, ms, then, clock, poll](const QVariant& v) {
                if (v.toBool() || clock->elapsed() > ms) {
                    then(v.toBool());
                    return;
                }
                QTimer::singleShot(200, *poll);
            });
        };
        QTimer::singleShot(300, *poll);
    }

  private:
    std::string folder_;
};

// The box's shape around the area, in page pixels: centred on it, wider or taller than the area where
// their shapes differ (the area alone is drawn, on white). An area much taller than the box's shape
// would come out small, and one as wide as the page (a background) cannot grow sideways: its top is
// shown at full width instead.
QRectF shapeAround(const QRectF& area, QSize box) {
    const double aspect = double(box.width()) / box.height();
    QSizeF size = area.size();
    if (size.width() / size.height() >= aspect)
        size.setHeight(size.width() / aspect);
    else if (size.width() / size.height() >= 0.6 * aspect && size.width() < kPageWidth - 1)
        size.setWidth(size.height() * aspect);
    else
        return QRectF(area.topLeft(), QSizeF(area.width(), area.width() / aspect));
    QRectF shape(QPointF(0, 0), size);
    shape.moveCenter(area.center());
    return shape;
}

// The area's picture: the box's shape around it scrolled into the view, the area taken from the view
// onto white, and scaled to twice the box. With `hover`, the pointer rests on the middle of the area
// first.
void takeArea(QWebEngineView* view, const QString& root, QSize box, bool hover,
              std::function<void(QImage)> done) {
    // A module in the page's body is shown without the page's foot, which may stand in its area.
    if (root.startsWith(QLatin1String("#shop")))
        view->page()->runJavaScript(
            QStringLiteral("['#ft', '#copyright', '#footer'].forEach(function (s) {"
                           "  var e = document.querySelector(s); if (e) e.style.visibility = 'hidden'; })"));
    const QString area = QString::fromUtf8(Renderer::kModuleArea).arg(root);
    view->page()->runJavaScript(area, [view, box, hover, done](const QVariant& v) {
        const QJsonObject a = QJsonDocument::fromJson(v.toString().toUtf8()).object();
        const QRectF moduleArea(
            QPointF(a.value(QStringLiteral("l")).toDouble(), a.value(QStringLiteral("t")).toDouble()),
            QPointF(a.value(QStringLiteral("r")).toDouble(), a.value(QStringLiteral("b")).toDouble()));
        std::cout << "  module area " << int(moduleArea.width()) << "x" << int(moduleArea.height()) << "\n";
        const QRectF shape = shapeAround(moduleArea, box);
        view->page()->runJavaScript(
            QStringLiteral("window.scrollTo(0, %1)").arg(std::max(0.0, moduleArea.top() - 4)));
        QTimer::singleShot(800, [view, box, hover, done, shape, moduleArea] {
            view->page()->runJavaScript(QStringLiteral("window.scrollY"), [view, box, hover, done, shape,
                                                                           moduleArea](const QVariant& y) {
                // In the view's pixels: the area, and where it goes in the picture.
                auto inView = [scrolled = QPointF(0, y.toDouble())](const QRectF& r) {
                    return QRectF(r.translated(-scrolled).topLeft() * kScale, r.size() * kScale);
                };
                const QRectF from = inView(moduleArea.intersected(shape));
                const QRectF to(from.topLeft() - inView(shape).topLeft(), from.size());
                const QSize size = (shape.size() * kScale).toSize();
                auto take = [view, box, done, from, to, size] {
                    const QImage shot = view->grab().toImage();
                    QImage picture(size, QImage::Format_RGB32);
                    picture.fill(Qt::white);
                    QPainter painter(&picture);
                    painter.drawImage(to, shot, from);
                    painter.end();
                    done(picture.scaled(box * kScale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
                };
                if (!hover) {
                    take();
                    return;
                }
                // The pointer into the page and onto the middle of the area, as a user's would come.
                QWidget* target = view->focusProxy() ? view->focusProxy() : view;
                const QPoint middle = from.center().toPoint();
                for (const QPoint at : {QPoint(middle.x(), 2), QPoint(middle.x(), middle.y() / 2), middle}) {
                    QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton,
                                     Qt::NoButton, Qt::NoModifier);
                    QApplication::sendEvent(target, &move);
                }
                QTimer::singleShot(1500, take);
            });
        });
    });
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::cerr << "usage: ornavo-render-samples OUT_FOLDER [KEY...] | --page FILE KEY\n";
        return 2;
    }
    // The messenger's online-status pictures come from the maker's site too (it serves one).
    qputenv("ORNAVO_MARKET_STATUS_HOST", QByteArray::fromStdString(makerServer()));
    LocalOnly interceptor;
    QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(&interceptor);
    const std::string previewFolder = QDir::tempPath().toStdString() + "/ornavo-render-samples";

    Renderer renderer(previewFolder);
    int status = 0;
    if (args[0] == QLatin1String("--page")) {
        if (args.size() != 3)
            return 2;
        const ModuleSpec* module = moduleRegistry().byKey(args[2].toStdString());
        if (!module)
            return 2;
        const QString file = args[1];
        renderer.show(defaultMarkups(*module, 1).front(), [file](QWebEngineView* view, bool) {
            view->grab()
                .toImage()
                .scaled(kPageWidth, kPageHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                .save(file);
            std::cout << "wrote " << file.toStdString() << "\n";
            QApplication::exit(0);
        });
        return app.exec();
    }

    const QString site = args.takeFirst();
    std::vector<const ModuleSpec*> modules;
    for (const ModuleSpec& m : moduleRegistry().all())
        if (args.isEmpty() || args.contains(QString::fromStdString(m.key)))
            modules.push_back(&m);

    // One picture after another: each rendering starts when the previous one has been written.
    struct Job {
        std::string code;
        QString area;
        QSize box;
        QString file;
        bool hover;
    };
    // The file a picture's path names in the site's folder (built in or fetched by the window alike).
    auto fileOf = [&site](const std::string& text) {
        QString file = site + QString::fromStdString(samplePictureSource(text).path);
        if (file.endsWith(QLatin1String(".gif")))
            file += QStringLiteral(".png");
        QDir().mkpath(QFileInfo(file).absolutePath());
        return file;
    };
    auto jobs = std::make_shared<std::vector<Job>>();
    for (const ModuleSpec* m : modules) {
        const auto boxes = pictureBoxes(*m);
        const auto markups = defaultMarkups(*m, static_cast<int>(boxes.size()));
        for (std::size_t i = 0; i < boxes.size() && i < markups.size(); ++i) {
            const QSize box(boxes[i]->boxWidth, boxes[i]->boxHeight);
            const QString area = areaOf(*m, markups[i]);
            jobs->push_back({markups[i], area, box, fileOf(boxes[i]->text), false});
            if (!boxes[i]->hover.empty())
                jobs->push_back({markups[i], area, box, fileOf(boxes[i]->hover), true});
        }
    }
    auto next = std::make_shared<std::function<void(std::size_t)>>();
    *next = [&renderer, jobs, next, &status](std::size_t index) {
        if (index >= jobs->size()) {
            QApplication::exit(status);
            return;
        }
        const Job& job = (*jobs)[index];
        renderer.show(job.code, [job, next, index, &status](QWebEngineView* view, bool arrived) {
            // A module without its pictures would make a sample that misleads: none is written.
            if (!arrived) {
                std::cerr << "the pictures for " << job.file.toStdString()
                          << " did not arrive (is the maker's site served?)\n";
                status = 1;
                (*next)(index + 1);
                return;
            }
            takeArea(view, job.area, job.box, job.hover, [job, next, index, &status](const QImage& picture) {
                if (picture.isNull() || !picture.save(job.file, nullptr, kJpegQuality)) {
                    std::cerr << "could not write " << job.file.toStdString() << "\n";
                    status = 1;
                } else {
                    std::cout << "wrote " << job.file.toStdString() << " (" << picture.width() << "x"
                              << picture.height() << ")\n";
                }
                (*next)(index + 1);
            });
        });
    };
    QTimer::singleShot(0, [next] { (*next)(0); });
    const int result = app.exec();
    web::closeWebWindows();
    return result;
}
