#include "material_preview_window.h"

#include "tiles.h"

#include <QLabel>
#include <QPointer>

namespace ornavo::app {

namespace {
QPointer<MaterialPreviewWindow> openWindow;
}

const char* const MaterialPreviewWindow::kCaption = "素材区预览";

MaterialPreviewWindow::MaterialPreviewWindow() {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("MaterialPreviewWindow"));
    setWindowTitle(QString::fromUtf8(kCaption));
    setWindowIcon(programIcon());
    setFixedSize(895, 237);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("图片框_素材预览"));
    picture->setGeometry(3, 3, 888, 208);
    picture->setPixmap(materialPreviewPicture(picture->size()));
}

MaterialPreviewWindow* MaterialPreviewWindow::instance() {
    return openWindow;
}

MaterialPreviewWindow* MaterialPreviewWindow::present() {
    if (!openWindow)
        openWindow = new MaterialPreviewWindow;
    openWindow->setWindowState(openWindow->windowState() & ~Qt::WindowMinimized);
    openWindow->show();
    openWindow->raise();
    openWindow->activateWindow();
    return openWindow;
}

} // namespace ornavo::app
