#include "offline_widgets.h"

#include "preview_scheme.h"

#include "framework/model/constants.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonValue>
#include <QUrl>
#include <QWebEnginePage>

namespace ornavo::web {

namespace {

const char* const kInitScript = "ornavo-preview.js";
// The shop page's frame (reset, column, sign, navigation) for pages without the marketplace's styles.
const char* const kShopFrame = "ornavo-shop.css";
// The shop sign's picture on the maker's site.
const char* const kShopSignPicture = "/Tessaly/upload/images/131101/dianzhao/dz.jpg";

bool holdsRuntime(const QString& folder) {
    return !folder.isEmpty() && QFileInfo(QDir(folder).filePath(QString::fromLatin1(kInitScript))).isFile();
}

} // namespace

QString javaScriptString(const QString& text) {
    const QByteArray json = QJsonDocument::fromVariant(QVariantList{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

QString previewRuntimeFolder() {
    QStringList candidates;
    const QString fromEnvironment = qEnvironmentVariable("ORNAVO_PREVIEW_RUNTIME");
    if (!fromEnvironment.isEmpty())
        candidates << fromEnvironment;
    if (QCoreApplication::instance()) {
        const QString programFolder = QCoreApplication::applicationDirPath();
        candidates << programFolder + QStringLiteral("/preview-runtime")
                   << programFolder + QStringLiteral("/../share/ornavo/preview-runtime");
    }
#ifdef ORNAVO_PREVIEW_RUNTIME_BUILD_DIR
    candidates << QString::fromUtf8(ORNAVO_PREVIEW_RUNTIME_BUILD_DIR);
#endif
    for (const QString& folder : candidates)
        if (holdsRuntime(folder))
            return QDir(folder).absolutePath();
    return {};
}

void useLocalWidgetLibrary(QWebEnginePage* page) {
    const QString folder = previewRuntimeFolder();
    if (folder.isEmpty())
        return;
    const QString script = previewRuntimeUrl(QString::fromLatin1(kInitScript)).toString();
    const QString frame = previewRuntimeUrl(QString::fromLatin1(kShopFrame)).toString();
    const QString sign = QString::fromStdString(makerServer() + kShopSignPicture);
    // Runs once the page and everything it asked for have arrived or failed: by then the
    // marketplace's seed script has defined KISSY or never will. Its style sheets come from the same
    // host, so without the one the page lacks the others too, and gets the shop's frame from here.
    const QString add = QStringLiteral("if (!window.KISSY && !window.ornavoPreview) {"
                                       "  var head = document.head || document.documentElement;"
                                       "  document.documentElement.style.setProperty('--ornavo-sign', 'url(' "
                                       "+ JSON.stringify(%3) + ')');"
                                       "  var l = document.createElement('link');"
                                       "  l.rel = 'stylesheet';"
                                       "  l.href = %2;"
                                       "  head.insertBefore(l, head.firstChild);"
                                       "  var s = document.createElement('script');"
                                       "  s.src = %1;"
                                       "  head.appendChild(s);"
                                       "}")
                            .arg(javaScriptString(script), javaScriptString(frame), javaScriptString(sign));
    QObject::connect(page, &QWebEnginePage::loadFinished, page, [page, add](bool ok) {
        if (ok && isPreviewUrl(page->url()))
            page->runJavaScript(add);
    });
}

} // namespace ornavo::web
