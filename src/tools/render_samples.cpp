// ornavo-render-samples: draws each module window's sample picture from the module itself. For each
// window it generates the markup of the window's defaults (the first entry of each list and the first
// radio button of each group picked, so that the module is placed as a shop owner's would be), shows
// it in the preview window's shop page with nothing but local files and the maker's site reachable
// (the shipped widget library brings the widgets to life), waits until the module's pictures have
// arrived, crops the module's area to the shape of the window's picture box and scales it to twice
// the box's size.
//
//   ornavo-render-samples OUT_FOLDER [KEY...]        one KEY.png per sample picture box
//   ornavo-render-samples --page FILE KEY            the whole preview page of KEY, as shown
//
// A window with two picture boxes gets KEYA.png and KEYB.png (one per generate button pair, in order).

#include "framework/constants.h"
#include "framework/form.h"
#include "framework/web/web_windows.h"
#include "generators/catalogue.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

#include <cstdio>
#include <functional>
#include <iostream>
#include <memory>
#include <set>

using namespace ornavo;

namespace {

// The page width the module is shown in: a common screen's.
constexpr int kPageWidth = 1366;
constexpr int kPageHeight = 900;
constexpr int kScale = 2;

// Local files and the maker's site only: the marketplace's hosts are never asked.
class LocalOnly : public QWebEngineUrlRequestInterceptor {
public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        const QUrl url = info.requestUrl();
        if (url.isLocalFile() || url.scheme() == QLatin1String("data"))
            return;
        const QUrl maker(QString::fromStdString(makerServer()));
        if (url.host() == maker.host() && url.port(80) == maker.port(80))
            return;
        info.block(true);
    }
};

struct Quiet : Prompter, WindowHost {
    void notify(const std::string&) override {}
    Answer ask(const std::string&) override { return Answer::Yes; }
    void putOnClipboard(const std::string&) override {}
    void showPreview(const std::string&) override {}
    void openColourTable() override {}
};

// The markups a window's sample boxes show: the first generate button's, or one per professional
// button where the window has more than one picture box.
std::vector<std::string> defaultMarkups(const ModuleSpec& module, int boxes) {
    Quiet quiet;
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
    return out;
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

    // Shows the code and calls `then` once the page has settled; false when it never did.
    void show(const std::string& code, std::function<void(QWebEngineView*)> then) {
        web::PreviewWindow* window = web::PreviewWindow::present(code, folder_);
        window->resize(kPageWidth * kScale, kPageHeight * kScale);
        QWebEngineView* view = window->browser();
        view->setZoomFactor(kScale);
        waitUntil(view, "document.readyState === 'complete' && (!!window.KISSY || !!window.ornavoPreview)", 20000,
                  [this, view, then] {
                      waitUntil(view, kPicturesArrived, 20000, [view, then] {
                          // The widgets' first frame (fades, slides) before the picture is taken.
                          QTimer::singleShot(2500, [view, then] { then(view); });
                      });
                  });
    }

    // The module's area in page pixels: every element inside the custom-content module that shows,
    // limited to the page's width.
    static constexpr const char* kModuleArea = R"JS(
        (function () {
            var root = document.querySelector('#shop4257007198 .skin-box-bd > span') ||
                       document.querySelector('#shop4257007198');
            var box = null;
            var all = root.querySelectorAll('*');
            for (var i = 0; i < all.length; i++) {
                var r = all[i].getBoundingClientRect();
                var style = getComputedStyle(all[i]);
                if (r.width < 2 || r.height < 2 || style.visibility === 'hidden' || style.display === 'none')
                    continue;
                var l = Math.max(0, r.left), t = r.top, rt = Math.min(window.innerWidth, r.right), b = r.bottom;
                if (rt <= l) continue;
                box = box ? {l: Math.min(box.l, l), t: Math.min(box.t, t), r: Math.max(box.r, rt), b: Math.max(box.b, b)}
                          : {l: l, t: t, r: rt, b: b};
            }
            if (!box) { var r0 = root.getBoundingClientRect(); box = {l: r0.left, t: r0.top, r: r0.right, b: r0.bottom}; }
            return JSON.stringify({l: box.l, t: box.t + window.scrollY, r: box.r, b: box.b + window.scrollY});
        })())JS";

    static constexpr const char* kPicturesArrived = R"JS(
        (function () {
            var images = document.querySelectorAll('#shop4257007198 img');
            for (var i = 0; i < images.length; i++) {
                var src = images[i].getAttribute('src') || '';
                if (src.indexOf('spaceball') < 0 && !images[i].complete) return false;
            }
            return true;
        })())JS";

    void waitUntil(QWebEngineView* view, const char* condition, int ms, std::function<void()> then) {
        auto clock = std::make_shared<QElapsedTimer>();
        clock->start();
        auto poll = std::make_shared<std::function<void()>>();
        *poll = [view, condition, ms, then, clock, poll] {
            view->page()->runJavaScript(QString::fromUtf8(condition), [view, ms, then, clock, poll](const QVariant& v) {
                if (v.toBool() || clock->elapsed() > ms) {
                    then();
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

// The area's picture: scrolled into view, taken from the view, cut to the box's shape around the
// area's centre (keeping its top), and scaled to twice the box.
void takeArea(QWebEngineView* view, QSize box, std::function<void(QImage)> done) {
    view->page()->runJavaScript(QString::fromUtf8(Renderer::kModuleArea), [view, box, done](const QVariant& v) {
        const QJsonObject area = QJsonDocument::fromJson(v.toString().toUtf8()).object();
        const double top = area.value(QStringLiteral("t")).toDouble();
        view->page()->runJavaScript(QStringLiteral("window.scrollTo(0, %1)").arg(std::max(0.0, top - 4)));
        QTimer::singleShot(800, [view, box, done, area] {
            view->page()->runJavaScript(QString::fromUtf8(Renderer::kModuleArea), [view, box, done](const QVariant& now) {
                const QJsonObject a = QJsonDocument::fromJson(now.toString().toUtf8()).object();
                view->page()->runJavaScript(QStringLiteral("window.scrollY"), [view, box, done, a](const QVariant& y) {
                    const double scrollY = y.toDouble();
                    QRectF rect(QPointF(a.value(QStringLiteral("l")).toDouble(), a.value(QStringLiteral("t")).toDouble() - scrollY),
                                QPointF(a.value(QStringLiteral("r")).toDouble(), a.value(QStringLiteral("b")).toDouble() - scrollY));
                    const QImage shot = view->grab().toImage();
                    QRect px(int(rect.left() * kScale), int(rect.top() * kScale), int(rect.width() * kScale),
                             int(rect.height() * kScale));
                    px = px.intersected(shot.rect());
                    // The box's shape: the area's width kept where it can, its top kept.
                    const double aspect = double(box.width()) / box.height();
                    if (px.width() / aspect <= px.height()) {
                        px.setHeight(std::max(1, int(px.width() / aspect)));
                    } else {
                        const int width = std::max(1, int(px.height() * aspect));
                        px = QRect(px.center().x() - width / 2, px.top(), width, px.height()).intersected(shot.rect());
                    }
                    done(shot.copy(px).scaled(box * kScale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
                });
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
        renderer.show(defaultMarkups(*module, 1).front(), [file](QWebEngineView* view) {
            view->grab().toImage().scaled(kPageWidth, kPageHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation).save(file);
            std::cout << "wrote " << file.toStdString() << "\n";
            QApplication::exit(0);
        });
        return app.exec();
    }

    const QString out = args.takeFirst();
    QDir().mkpath(out);
    std::vector<const ModuleSpec*> modules;
    for (const ModuleSpec& m : moduleRegistry().all())
        if (args.isEmpty() || args.contains(QString::fromStdString(m.key)))
            modules.push_back(&m);

    // One window after another: each rendering starts when the previous one has been written.
    struct Job {
        const ModuleSpec* module;
        std::string code;
        QSize box;
        QString file;
    };
    auto jobs = std::make_shared<std::vector<Job>>();
    for (const ModuleSpec* m : modules) {
        const auto boxes = pictureBoxes(*m);
        const auto markups = defaultMarkups(*m, static_cast<int>(boxes.size()));
        for (std::size_t i = 0; i < boxes.size() && i < markups.size(); ++i) {
            const QString suffix = boxes.size() > 1 ? QString(QChar('A' + int(i))) : QString();
            jobs->push_back({m, markups[i], QSize(boxes[i]->boxWidth, boxes[i]->boxHeight),
                             out + QLatin1Char('/') + QString::fromStdString(m->key) + suffix + QStringLiteral(".png")});
        }
    }
    auto next = std::make_shared<std::function<void(std::size_t)>>();
    *next = [&renderer, jobs, next, &status](std::size_t index) {
        if (index >= jobs->size()) {
            QApplication::exit(status);
            return;
        }
        const Job& job = (*jobs)[index];
        renderer.show(job.code, [job, next, index, &status](QWebEngineView* view) {
            takeArea(view, job.box, [job, next, index, &status](const QImage& picture) {
                if (picture.isNull() || !picture.save(job.file)) {
                    std::cerr << "could not write " << job.file.toStdString() << "\n";
                    status = 1;
                } else {
                    std::cout << "wrote " << job.file.toStdString() << " (" << picture.width() << "x" << picture.height()
                              << ")\n";
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
