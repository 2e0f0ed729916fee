#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ornavo::ui {

bool installChineseTranslations() {
    static bool installed = false;
    if (installed)
        return true;
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // The widgets' texts, and those of the embedded browser's menus.
    for (const char* catalogue : {"qtbase_zh_CN", "qtwebengine_zh_CN"}) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(QString::fromLatin1(catalogue), folder)) {
            QCoreApplication::installTranslator(translator);
            installed = true;
        } else {
            delete translator;
        }
    }
    return installed;
}

} // namespace ornavo::ui
