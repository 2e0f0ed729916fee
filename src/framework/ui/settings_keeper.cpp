#include "settings_keeper.h"

#include "acting_window.h"
#include "generator_window.h"
#include "restore_bar.h"

#include "framework/model/platform.h"
#include "framework/model/settings_writer.h"

#include <QBoxLayout>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QShortcut>

namespace ornavo::ui {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QString chooseWithDialog(QWidget* window, bool saving, const QString& folder, const QString& suggested) {
    QFileDialog dialog(window, saving ? QStringLiteral("保存设置") : QStringLiteral("打开设置"),
                       saving ? QDir(folder).filePath(suggested) : folder,
                       QStringLiteral("Ornavo 设置 (*%1);;所有文件 (*)").arg(QLatin1String(kSettingsSuffix)));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QLatin1String(kSettingsSuffix + 1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

// "全屏海报.ornavo": the window's caption as a file name.
QString suggestedName(const ModuleSpec& module) {
    QString name = q(module.caption);
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    return name + QLatin1String(kSettingsSuffix);
}

// Ctrl+Shift+S on every desktop (some keep no standard key for "save as").
const QKeySequence kSaveAsKey(Qt::CTRL | Qt::SHIFT | Qt::Key_S);

} // namespace

SettingsKeeper::SettingsKeeper(GeneratorWindow& window, const Registry& registry)
    : window_(window), registry_(registry), kept_(window.form(), registry, stateFolder() + "/kept"),
      recent_(stateFolder() + "/recent-settings") {
    Form& form = window_.form();
    chooseFile_ = [this](bool saving, const QString& folder, const QString& suggested) {
        return chooseWithDialog(&window_, saving, folder, suggested);
    };

    KeptTexts::Earlier earlier = kept_.readEarlier();
    // Told once the window is on screen, in front of it (the keeper is made before it shows).
    if (kept_.besideAnotherCopy())
        notices_.push_back("本窗口已在另一个正在运行的 Ornavo 中打开，那边输入的内容暂存在那边。\n"
                           "为了不互相覆盖，这里输入的内容另行暂存在“" +
                           kept_.path() + "”，需要时可用“打开设置…”打开它。");
    if (earlier.problem)
        notices_.push_back(
            "本窗口上次暂存的内容已损坏，无法恢复（" + earlier.problem->message + "）。" +
            (earlier.setAside.empty() ? std::string() : "\n损坏的文件已改名为“" + earlier.setAside + "”。"));
    else if (earlier.settings)
        offerEarlier(std::move(*earlier.settings));
    if (!notices_.empty()) {
        if (window_.isVisible())
            QTimer::singleShot(0, this, &SettingsKeeper::tellNotices);
        else
            window_.installEventFilter(this);
    }

    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] {
        keep(kept_.poll());
        schedule();
    });
    changes_ = form.addChangeListener([this](const std::string&) {
        kept_.changed();
        schedule();
    });
    // The file goes to whichever copy opens the window next, also before this window object goes.
    connect(&window_, &QDialog::finished, this, [this] { keep(kept_.finish()); });

    auto* saveKey = new QShortcut(QKeySequence::Save, &window_);
    connect(saveKey, &QShortcut::activated, this, [this] { save(); });
    auto* saveAsKey = new QShortcut(kSaveAsKey, &window_);
    connect(saveAsKey, &QShortcut::activated, this, [this] { saveAs(); });
    auto* openKey = new QShortcut(QKeySequence::Open, &window_);
    connect(openKey, &QShortcut::activated, this, [this] { open(); });

    // The menu comes with a right click on the window and inside its fields and code box.
    window_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&window_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu* menu = makeMenu(&window_);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(window_.mapToGlobal(at));
    });
    for (QWidget* edit : window_.findChildren<QLineEdit*>())
        edit->installEventFilter(this);
    for (QWidget* edit : window_.findChildren<QPlainTextEdit*>())
        edit->installEventFilter(this);
}

SettingsKeeper::~SettingsKeeper() {
    // What changed since the last write is kept, whatever ends the window.
    (void)kept_.flush();
}

bool SettingsKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        if (event->type() == QEvent::Show) {
            window_.removeEventFilter(this);
            // After the window has been painted, so that the notice stands in front of it.
            QTimer::singleShot(0, this, &SettingsKeeper::tellNotices);
        }
        return false;
    }
    if (event->type() != QEvent::ContextMenu)
        return false;
    QMenu* menu = nullptr;
    if (auto* line = qobject_cast<QLineEdit*>(watched))
        menu = line->createStandardContextMenu();
    else if (auto* text = qobject_cast<QPlainTextEdit*>(watched))
        menu = text->createStandardContextMenu(static_cast<QContextMenuEvent*>(event)->pos());
    if (!menu)
        return false;
    menu->addSeparator();
    QMenu* ours = makeMenu(menu);
    for (QAction* action : ours->actions())
        menu->addAction(action);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
}

QMenu* SettingsKeeper::makeMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("settingsMenu"));
    // Saving asks for a name only while the window has no file of its own.
    QAction* saveAction = menu->addAction(
        file_.empty() ? QStringLiteral("保存设置…") : QStringLiteral("保存设置"), this, [this] { save(); });
    saveAction->setShortcut(QKeySequence::Save);
    if (!file_.empty())
        saveAction->setToolTip(q(file_));
    QAction* saveAsAction = menu->addAction(QStringLiteral("另存设置…"), this, [this] { saveAs(); });
    saveAsAction->setShortcut(kSaveAsKey);
    QAction* openAction = menu->addAction(QStringLiteral("打开设置…"), this, [this] { open(); });
    openAction->setShortcut(QKeySequence::Open);
    QMenu* recent = menu->addMenu(QStringLiteral("最近的设置"));
    const std::vector<std::string> files = recent_.files();
    for (const std::string& file : files) {
        QAction* entry = recent->addAction(q(fileNameOf(file)), this, [this, file] { openFrom(file); });
        entry->setToolTip(q(file));
        entry->setStatusTip(q(file));
    }
    recent->setToolTipsVisible(true);
    if (files.empty())
        recent->addAction(QStringLiteral("（没有）"))->setEnabled(false);
    if (!extra_.empty()) {
        menu->addSeparator();
        for (QAction* action : extra_)
            menu->addAction(action);
    }
    return menu;
}

bool SettingsKeeper::save() {
    // The file the window came from or was saved to last: written again without a question.
    return file_.empty() ? saveAs() : saveTo(file_);
}

bool SettingsKeeper::saveAs() {
    const QString folder = recent_.folder().empty() ? QDir::homePath() : q(recent_.folder());
    const QString suggested = file_.empty() ? suggestedName(window_.form().module()) : q(fileNameOf(file_));
    const QString path = chooseFile_(true, folder, suggested);
    return !path.isEmpty() && saveTo(path.toStdString());
}

bool SettingsKeeper::open() {
    const QString folder = recent_.folder().empty() ? QDir::homePath() : q(recent_.folder());
    const QString path = chooseFile_(false, folder, {});
    return !path.isEmpty() && openFrom(path.toStdString());
}

void SettingsKeeper::tellNotices() {
    const std::vector<std::string> notices = std::move(notices_);
    notices_.clear();
    ActingWindow acting(&window_); // in front of the window they speak of
    for (const std::string& notice : notices)
        window_.form().prompter().notify(notice);
}

bool SettingsKeeper::saveTo(const std::string& path) {
    Prompter& prompter = window_.form().prompter();
    const std::string text = settingsText(window_.form(), registry_);
    const Status written =
        fitsSettingsFile(text) ? writeFile(path, text) : Status(Failure{settingsTooLargeReason()});
    if (!written) {
        prompter.notify("无法保存设置到“" + path + "”：" + written.failure().reason +
                        "。\n原来的文件没有改动。");
        return false;
    }
    (void)recent_.remember(path); // the list is a convenience: a failed write of it is no failed save
    file_ = path;
    return true;
}

bool SettingsKeeper::openFrom(const std::string& path) {
    Form& form = window_.form();
    const SettingsRead read = readSettingsFile(path, form.module(), registry_);
    if (!read && !read.failure().otherKey.empty()) {
        const ModuleSpec* other = registry_.byKey(read.failure().otherKey);
        const std::string name = "“" + other->caption + "”（" + other->key + "）";
        if (form.prompter().ask("设置文件“" + fileNameOf(path) + "”是窗口" + name +
                                "的设置，不是本窗口的。\n要关闭本窗口，在" + name + "窗口中打开它吗？") ==
            Answer::Yes) {
            keep(kept_.flush());
            emit handOverRequested(q(other->key), q(path));
        }
        return false;
    }
    if (!read) {
        form.prompter().notify("无法打开设置文件“" + path + "”：" + read.failure().message +
                               "。\n窗口的内容没有改动。");
        return false;
    }
    applySettings(form, *read);
    (void)recent_.remember(path);
    file_ = path;
    // What the window shows now is the file's: the texts kept from last time are not offered over it.
    dismissBar();
    return true;
}

bool SettingsKeeper::openText(const std::string& text, const std::string& source) {
    Form& form = window_.form();
    const SettingsRead read = readSettings(text, form.module(), registry_);
    if (!read) {
        form.prompter().notify("无法打开" + source + "的设置：" + read.failure().message +
                               "。\n窗口的内容没有改动。");
        return false;
    }
    applySettings(form, *read);
    dismissBar();
    return true;
}

void SettingsKeeper::addAction(QAction* action) {
    extra_.push_back(action);
    window_.addAction(action); // its shortcut works anywhere in the window
}

void SettingsKeeper::offerEarlier(LoadedSettings earlier) {
    earlier_ = std::move(earlier);
    bar_ = new RestoreBar(&window_);
    connect(bar_, &RestoreBar::restoreClicked, this, &SettingsKeeper::restoreEarlier);
    connect(bar_, &RestoreBar::ignoreClicked, this, &SettingsKeeper::ignoreEarlier);
    // At the top of the window, above everything it holds.
    if (auto* column = qobject_cast<QBoxLayout*>(window_.layout()))
        column->insertWidget(0, bar_);
    else
        bar_->setGeometry(0, 0, window_.width(), bar_->sizeHint().height());
}

void SettingsKeeper::restoreEarlier() {
    if (earlier_)
        applySettings(window_.form(), *earlier_);
    dismissBar();
}

void SettingsKeeper::ignoreEarlier() {
    // Ignored is gone: the same texts are not offered again next time.
    keep(kept_.discard());
    dismissBar();
}

void SettingsKeeper::dismissBar() {
    earlier_.reset();
    if (bar_) {
        bar_->hide();
        bar_->deleteLater();
        bar_ = nullptr;
    }
}

void SettingsKeeper::schedule() {
    const auto wait = kept_.due();
    if (wait && !timer_.isActive())
        timer_.start(static_cast<int>(wait->count()));
}

void SettingsKeeper::keep(const Status& written) {
    // A failing write is told once, not every second; a later success makes it tellable again.
    if (written) {
        failureShown_ = false;
        return;
    }
    if (failureShown_)
        return;
    failureShown_ = true;
    window_.form().prompter().notify("无法把本窗口的内容暂存到“" + kept_.path() + "”：" +
                                     written.failure().reason + "。");
}

} // namespace ornavo::ui
