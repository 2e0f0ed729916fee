#include "preview_scheme.h"

#include "offline_widgets.h"

#include "framework/model/preview_page.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

namespace ornavo::web {

const char* const kPreviewScheme = "ornavo";

namespace {

const char* const kHost = "preview";
const QLatin1String kPagePath("/test.html");
const QLatin1String kWholePagePath("/page.html");
const QLatin1String kBarePath("/bare.html");
const QLatin1String kRuntimePath("/runtime/");

QString pageFile;
QString wholePageFile;

QByteArray mimeTypeOf(const QString& path) {
    if (path.endsWith(QLatin1String(".html")))
        return "text/html"; // the page names its own character set
    if (path.endsWith(QLatin1String(".js")))
        return "application/javascript";
    if (path.endsWith(QLatin1String(".css")))
        return "text/css";
    return "text/plain";
}

// The file the address stands for: the page, or a file inside the widget library's folder (links and
// "..", however written, do not lead out of it). Empty for anything else.
QString fileFor(const QUrl& url) {
    if (url.scheme() != QLatin1String(kPreviewScheme) || url.host() != QLatin1String(kHost))
        return {};
    const QString path = url.path();
    if (path == kPagePath)
        return pageFile;
    if (path == kWholePagePath)
        return wholePageFile;
    if (!path.startsWith(kRuntimePath))
        return {};
    const QString folder = previewRuntimeFolder();
    if (folder.isEmpty())
        return {};
    const QString root = QFileInfo(folder).canonicalFilePath();
    const QFileInfo file(QDir(root).filePath(path.mid(kRuntimePath.size())));
    const QString real = file.canonicalFilePath();
    if (root.isEmpty() || !real.startsWith(root + QLatin1Char('/')) || !QFileInfo(real).isFile())
        return {};
    return real;
}

class PreviewSchemeHandler : public QWebEngineUrlSchemeHandler {
  public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    void requestStarted(QWebEngineUrlRequestJob* job) override {
        if (job->requestMethod() != "GET") {
            job->fail(QWebEngineUrlRequestJob::RequestDenied);
            return;
        }
        if (job->requestUrl() == barePageUrl()) {
            static const QByteArray bare =
                QByteArray::fromStdString(previewPageBytes({}).value_or(std::string()));
            auto* body = new QBuffer(job);
            body->setData(bare);
            job->reply("text/html", body);
            return;
        }
        const QString path = fileFor(job->requestUrl());
        QFile file(path);
        if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        auto* body = new QBuffer(job); // goes with the job
        body->setData(file.readAll());
        job->reply(mimeTypeOf(path), body);
    }
};

} // namespace

QUrl previewPageUrl() {
    return QUrl(
        QStringLiteral("%1://%2%3").arg(QLatin1String(kPreviewScheme), QLatin1String(kHost), kPagePath));
}

QUrl wholePageUrl() {
    return QUrl(
        QStringLiteral("%1://%2%3").arg(QLatin1String(kPreviewScheme), QLatin1String(kHost), kWholePagePath));
}

QUrl barePageUrl() {
    return QUrl(
        QStringLiteral("%1://%2%3").arg(QLatin1String(kPreviewScheme), QLatin1String(kHost), kBarePath));
}

QUrl previewRuntimeUrl(const QString& relative) {
    return QUrl(QStringLiteral("%1://%2%3%4")
                    .arg(QLatin1String(kPreviewScheme), QLatin1String(kHost), kRuntimePath, relative));
}

bool isPreviewUrl(const QUrl& url) {
    return url.scheme() == QLatin1String(kPreviewScheme) && url.host() == QLatin1String(kHost);
}

void registerPreviewScheme() {
    if (QWebEngineUrlScheme::schemeByName(kPreviewScheme).name() == kPreviewScheme)
        return;
    QWebEngineUrlScheme scheme(kPreviewScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    // Not a local scheme (no file access) and not a secure one: the page takes the marketplace's
    // scripts and style sheets over plain http, which a secure page would refuse as mixed content.
    scheme.setFlags({});
    QWebEngineUrlScheme::registerScheme(scheme);
}
// Before the web engine starts: when the application object is made, or at once when this code is
// loaded into a program that has one (the browser library).
Q_COREAPP_STARTUP_FUNCTION(registerPreviewScheme)

void servePreviewScheme(QWebEngineProfile* profile) {
    if (profile->urlSchemeHandler(kPreviewScheme))
        return;
    profile->installUrlSchemeHandler(kPreviewScheme, new PreviewSchemeHandler(profile));
}

void setPreviewPageFile(const QString& path) {
    pageFile = path;
}

void setWholePageFile(const QString& path) {
    wholePageFile = path;
}

} // namespace ornavo::web
