#pragma once
// Qt's offscreen platform, with a desktop of a monitor's size: its own screen is 800 x 600, smaller
// than most module windows, which would then give up height to fit it. Call before the application
// object is made; a platform chosen otherwise (xcb under a window manager) is left alone.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryFile>
#include <QtGlobal>

namespace ornavo::testing {

inline void useOffscreenDesktop(int width = 1920, int height = 1080) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != "offscreen")
        return;
    // A file of this process's own (test programs run side by side), gone when the process ends.
    static QTemporaryFile config(QDir::tempPath() + QStringLiteral("/ornavo-offscreen-XXXXXX.json"));
    if (config.open())
        config.write(
            QStringLiteral("{\"screens\": [{\"name\": \"desktop\", \"x\": 0, \"y\": 0, \"width\": %1, "
                           "\"height\": %2, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}")
                .arg(width)
                .arg(height)
                .toUtf8());
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
}

} // namespace ornavo::testing
