#include "generator_window.h"

#include "acting_window.h"
#include "form_binding.h"
#include "settings_fitter.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace ornavo::ui {

GeneratorWindow::GeneratorWindow(const ModuleSpec& module, WindowVariables& variables, Prompter& prompter,
                                 WindowHost& host, QWidget* parent, PictureFetch fetch)
    : QDialog(parent), form_(std::make_unique<Form>(module, variables, prompter, host)) {
    setWindowTitle(QString::fromStdString(module.caption));
    setObjectName(QString::fromStdString(module.key));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    // The specified size, which the user may enlarge but not go below.
    setMinimumSize(module.width, module.height);
    resize(module.width, module.height);

    const BuiltWindow built = WindowBuilder(module, std::move(fetch)).build(this);
    binding_ = new FormBinding(*form_, built, this, [this] { done(QDialog::Accepted); });
    fitter_ = new SettingsFitter(built.settingsArea, built.bottom, built.bottomLeast, built.samples);

    // Centre on the screen, then move to the window's own top position where it has one.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center().x() - module.width / 2,
             module.top ? *module.top : area.center().y() - module.height / 2);
    }
}

GeneratorWindow::~GeneratorWindow() {
    companions_.clear();
    delete binding_; // the widgets it binds outlive the form by a moment: nothing may reach it then
}

void GeneratorWindow::closeEvent(QCloseEvent* event) {
    if (form_->isClosed()) { // the exit button's done() closing it
        event->accept();
        return;
    }
    ActingWindow acting(this);
    if (!form_->requestClose()) {
        event->ignore();
        return;
    }
    event->accept();
    // Closed through its frame (or Escape): done() is not involved, so finished() is told here.
    setResult(QDialog::Rejected);
    emit finished(result());
}

void GeneratorWindow::reject() {
    close();
}

} // namespace ornavo::ui
