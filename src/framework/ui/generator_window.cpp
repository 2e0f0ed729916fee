#include "generator_window.h"

#include "acting_window.h"
#include "form_binding.h"
#include "settings_fitter.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

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
    fitIntoWorkArea();
}

void GeneratorWindow::fitIntoWorkArea() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The frame the window manager puts around it, once known; before, a title bar of the usual height.
    const QRect frame = frameGeometry();
    const bool framed = frame.height() > height();
    const int frameHeight = framed ? frame.height() - height() : kFrameGuess;
    const int most = area.height() - frameHeight;
    // Taller than the desktop leaves room for: the code box gives up height (the fitter shares what
    // is left), down to what the settings and the buttons need.
    if (height() > most && most > 0) {
        setMinimumHeight(std::min(minimumHeight(), most));
        resize(width(), most);
    }
    // The frame stands inside the desktop's room, its top first.
    const int top = framed ? frame.top() : y();
    if (top < area.top() || top + frameHeight + height() > area.bottom() + 1)
        move(x(), std::max(area.top(), area.bottom() + 1 - frameHeight - height()));
}

void GeneratorWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (fitted_)
        return;
    fitted_ = true;
    // The window manager tells the frame's size a moment after the window is up.
    for (int after : {0, 150, 500})
        QTimer::singleShot(after, this, [this] { fitIntoWorkArea(); });
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
