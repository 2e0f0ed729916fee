#include "module_windows.h"

#include "framework/ui/generator_window.h"
#include "framework/ui/live_preview_link.h"
#include "framework/ui/return_presses.h"
#include "framework/ui/settings_keeper.h"

#include <QAction>
#include <QBoxLayout>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace ornavo::app {

ModuleWindows::ModuleWindows(const Registry& registry, Prompter& prompter, WindowHost& host, QObject* parent)
    : QObject(parent), registry_(registry), prompter_(prompter), host_(host) {}

ModuleWindows::~ModuleWindows() {
    // Before the window variables it works with; it asks nothing on the way.
    delete window_.data();
}

ui::GeneratorWindow* ModuleWindows::window() const {
    return window_;
}

ui::GeneratorWindow* ModuleWindows::open(const ModuleSpec& module, const std::string& settingsFile) {
    if (window_) {
        window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
        window_->raise();
        window_->activateWindow();
        return window_;
    }
    auto* window =
        new ui::GeneratorWindow(module, session_.variables(module.key), prompter_, host_, nullptr, fetch_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    auto keeper = std::make_unique<ui::SettingsKeeper>(*window, registry_);
    connect(keeper.get(), &ui::SettingsKeeper::handOverRequested, this,
            [this, window](const QString& key, const QString& path) {
                handOver_ = HandOver{key.toStdString(), path.toStdString()};
                window->done(QDialog::Accepted);
            });
    ui::SettingsKeeper* keeperOfWindow = keeper.get();
    window->attach(std::move(keeper));
    if (live_)
        window->attach(std::make_unique<ui::LivePreviewLink>(*window, *live_));
    connect(window, &QDialog::finished, this, [this, window] {
        emit closing(window);
        finished();
    });
    window_ = window;
    window->show();
    if (onShown_)
        onShown_(window);
    emit opened(window);
    offerAddToPage(window);
    if (!settingsFile.empty())
        keeperOfWindow->openFrom(settingsFile);
    return window;
}

ui::GeneratorWindow* ModuleWindows::openWithSettings(const ModuleSpec& module,
                                                     const std::string& settingsText,
                                                     const std::string& source) {
    const bool fresh = !window_;
    ui::GeneratorWindow* window = open(module);
    if (fresh && window)
        window->companion<ui::SettingsKeeper>()->openText(settingsText, source);
    return window;
}

ui::GeneratorWindow* ModuleWindows::openForPage(const ModuleSpec& module, const std::string& pageName) {
    const bool fresh = !window_;
    ui::GeneratorWindow* window = open(module);
    if (!fresh || !window || !addToPage_)
        return window;
    // Where the user sees it: at the window's top, above everything it holds.
    auto* bar = new QFrame(window);
    bar->setObjectName(QStringLiteral("pageBar"));
    bar->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 3, 4, 3);
    auto* text = new QLabel(QStringLiteral("填好后按“加入页面”，把本窗口的模块加入页面“%1”。")
                                .arg(QString::fromStdString(pageName)),
                            bar);
    text->setObjectName(QStringLiteral("标签_加入页面"));
    text->setTextFormat(Qt::PlainText);
    auto* add = new QPushButton(QStringLiteral("加入页面"), bar);
    add->setObjectName(QStringLiteral("按钮_加入页面"));
    add->setAutoDefault(false);
    ui::pressOnReturn(add);
    row->addWidget(text, 1);
    row->addWidget(add);
    connect(add, &QPushButton::clicked, window, [this, window] {
        if (addToPage_)
            addToPage_(*window);
    });
    if (auto* column = qobject_cast<QBoxLayout*>(window->layout()))
        column->insertWidget(0, bar);
    return window;
}

void ModuleWindows::setAddToPage(std::function<void(ui::GeneratorWindow&)> add) {
    addToPage_ = std::move(add);
    if (window_)
        offerAddToPage(window_);
}

void ModuleWindows::offerAddToPage(ui::GeneratorWindow* window) {
    if (!addToPage_ || window->property("offersAddToPage").toBool())
        return;
    window->setProperty("offersAddToPage", true);
    auto* action = new QAction(QStringLiteral("加入页面"), window);
    action->setObjectName(QStringLiteral("加入页面"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    connect(action, &QAction::triggered, window, [this, window] {
        if (addToPage_)
            addToPage_(*window);
    });
    window->companion<ui::SettingsKeeper>()->addAction(action);
}

void ModuleWindows::finished() {
    window_ = nullptr;
    std::optional<HandOver> next = std::move(handOver_);
    handOver_.reset();
    if (next)
        if (const ModuleSpec* module = registry_.byKey(next->key)) {
            open(*module, next->path);
            return;
        }
    emit allClosed();
}

} // namespace ornavo::app
