#include "page_board_window.h"

#include "module_windows.h"

#include "framework/model/page_preview.h"
#include "framework/model/platform.h"
#include "framework/model/recent_settings.h"
#include "framework/model/sample_picture.h"
#include "framework/model/settings_reader.h"
#include "framework/model/settings_writer.h"
#include "framework/ui/generator_window.h"
#include "framework/ui/restore_bar.h"
#include "framework/ui/return_presses.h"
#include "generators/catalogue.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QSplitter>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

namespace ornavo::app {

const char* const PageBoardWindow::kCaption = "页面看板";

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// Where the board keeps its lists: the folder it is given, else the user's state folder.
std::string stateFolderOf(const BoardServices& services) {
    return services.stateFolder.empty() ? stateFolder() : services.stateFolder;
}

// The areas in the order the list shows them: the page's top to its bottom, the side column last.
constexpr PageArea kAreas[] = {PageArea::Sign, PageArea::Navigation, PageArea::Body, PageArea::Side};

// The columns of the list.
enum Column { kLabel, kWindow, kDestination, kWeight, kState, kCopy, kColumns };

constexpr int kIdRole = Qt::UserRole;       // a module's number on the page
constexpr int kAreaRole = Qt::UserRole + 1; // an area item's place in kAreas

const char* const kPageFilter = "Ornavo 页面 (*.ornavo-page);;所有文件 (*)";
const char* const kSettingsFilter = "Ornavo 设置 (*.ornavo);;所有文件 (*)";

QString weightText(const PageWeight& w) {
    const QString bytes = w.bytes < 1024 ? QStringLiteral("%1 B").arg(w.bytes)
                                         : QStringLiteral("%1 KB").arg(w.bytes / 1024.0, 0, 'f', 1);
    return QStringLiteral("%1 · %2 图 · %3 组件").arg(bytes).arg(w.pictures).arg(w.widgets);
}

// A small picture of the module: its window's sample, as the catalogue shows it.
QIcon thumbnailOf(const ModuleSpec* module) {
    static std::map<std::string, QIcon> made;
    if (!module)
        return {};
    if (const auto it = made.find(module->key); it != made.end())
        return it->second;
    QIcon icon;
    for (const Control* c : allControls(*module)) {
        if (c->kind != ControlKind::Picture)
            continue;
        const SamplePictureSource source = samplePictureSource(c->text);
        QPixmap picture;
        if (!source.remote && picture.load(QLatin1Char(':') + q(source.path))) {
            icon = QIcon(picture.scaled(64, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
            break;
        }
    }
    made[module->key] = icon;
    return icon;
}

QString stateText(const PageModule& m, std::optional<CopyState> state) {
    if (m.hidden)
        return QStringLiteral("隐藏，不粘贴");
    if (!state)
        return QStringLiteral("—");
    switch (*state) {
    case CopyState::NeverCopied:
        return QStringLiteral("未复制");
    case CopyState::Changed:
        return QStringLiteral("已改动，需重新粘贴");
    case CopyState::Unchanged:
        return QStringLiteral("已粘贴");
    }
    return {};
}

// The list, whose modules are moved by dragging: the board makes the move, the list shows it.
class BoardList : public QTreeWidget {
  public:
    std::function<void(QTreeWidgetItem* dragged, int areaIndex, int row)> onDrop;

  protected:
    void dropEvent(QDropEvent* event) override {
        QTreeWidgetItem* dragged = currentItem();
        QTreeWidgetItem* target = itemAt(event->position().toPoint());
        event->setDropAction(Qt::IgnoreAction);
        event->accept();
        if (!dragged || !dragged->parent() || !target || !onDrop)
            return;
        int area = 0, row = 0;
        if (!target->parent()) { // onto an area: its end
            area = target->data(0, kAreaRole).toInt();
            row = target->childCount();
        } else {
            area = target->parent()->data(0, kAreaRole).toInt();
            row = target->parent()->indexOfChild(target) +
                  (dropIndicatorPosition() == QAbstractItemView::BelowItem ? 1 : 0);
        }
        onDrop(dragged, area, row);
    }
};

} // namespace

PageBoardWindow::PageBoardWindow(BoardServices services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)), board_(moduleRegistry()) {
    setObjectName(QStringLiteral("PageBoardWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    board_.newPage("未命名页面");

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(4);

    // The page's name and edition.
    auto* head = new QHBoxLayout;
    auto* nameCaption = new QLabel(QStringLiteral("页面名称："), central);
    auto* name = new QLineEdit(central);
    name->setObjectName(QStringLiteral("编辑框_页面名称"));
    name->setAccessibleName(QStringLiteral("页面名称"));
    nameCaption->setBuddy(name);
    auto* editionCaption = new QLabel(QStringLiteral("版本："), central);
    auto* edition = new QComboBox(central);
    edition->setObjectName(QStringLiteral("组合框_页面版本"));
    edition->setAccessibleName(QStringLiteral("版本"));
    edition->addItem(QString::fromUtf8(editionName(PageEdition::Professional)));
    edition->addItem(QString::fromUtf8(editionName(PageEdition::Basic)));
    editionCaption->setBuddy(edition);
    head->addWidget(nameCaption);
    head->addWidget(name, 1);
    head->addWidget(editionCaption);
    head->addWidget(edition);
    column->addLayout(head);
    connect(name, &QLineEdit::editingFinished, this, [this, name] {
        if (board_.setName(name->text().toStdString()))
            refresh();
    });
    connect(edition, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        if (board_.setEdition(index == 1 ? PageEdition::Basic : PageEdition::Professional))
            refresh();
    });

    auto* split = new QSplitter(Qt::Vertical, central);
    auto* list = new BoardList;
    list_ = list;
    list_->setParent(split);
    list_->setObjectName(QStringLiteral("模块列表"));
    list_->setAccessibleName(QStringLiteral("页面的模块"));
    list_->setColumnCount(kColumns);
    list_->setHeaderLabels({QStringLiteral("模块"), QStringLiteral("窗口"), QStringLiteral("粘贴到"),
                            QStringLiteral("大小"), QStringLiteral("状态"), QString()});
    list_->setIconSize(QSize(48, 24));
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setDragDropMode(QAbstractItemView::InternalMove);
    list_->setEditTriggers(QAbstractItemView::EditKeyPressed); // F2 renames
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(kLabel, QHeaderView::Stretch);
    list->onDrop = [this](QTreeWidgetItem* dragged, int area, int row) { dropped(dragged, area, row); };
    connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (item->parent())
            editModule(
                static_cast<std::size_t>(*moduleIndexById(board_.page(), item->data(0, kIdRole).toInt())));
    });
    connect(list_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        if (column != kLabel || !item->parent())
            return;
        if (const auto index = moduleIndexById(board_.page(), item->data(0, kIdRole).toInt()))
            if (board_.setLabel(*index, item->text(kLabel).toStdString()))
                refresh();
    });
    connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] {
        for (QAction* action : moduleActions_)
            action->setEnabled(selected().has_value());
    });

    auto* lower = new QWidget(split);
    auto* lowerColumn = new QVBoxLayout(lower);
    lowerColumn->setContentsMargins(0, 0, 0, 0);
    auto* reportCaption = new QLabel(QStringLiteral("页面检查："), lower);
    report_ = new QListWidget(lower);
    report_->setObjectName(QStringLiteral("检查结果"));
    report_->setAccessibleName(QStringLiteral("页面检查"));
    reportCaption->setBuddy(report_);
    connect(report_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (const int id = item->data(kIdRole).toInt(); id > 0)
            selectModule(id);
    });
    connect(report_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (const int id = item->data(kIdRole).toInt(); id > 0)
            selectModule(id);
    });
    summary_ = new QLabel(lower);
    summary_->setObjectName(QStringLiteral("标签_页面大小"));
    lowerColumn->addWidget(reportCaption);
    lowerColumn->addWidget(report_, 1);
    lowerColumn->addWidget(summary_);
    split->addWidget(list_);
    split->addWidget(lower);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    column->addWidget(split, 1);
    setCentralWidget(central);

    buildMenus();

    keepTimer_.setSingleShot(true);
    keepTimer_.setInterval(1000);
    connect(&keepTimer_, &QTimer::timeout, this, &PageBoardWindow::keepNow);
    if (services_.windows) {
        connect(services_.windows, &ModuleWindows::closing, this, &PageBoardWindow::moduleWindowClosing);
        services_.windows->setAddToPage(
            [self = QPointer<PageBoardWindow>(this)](ui::GeneratorWindow& window) {
                if (self)
                    self->addFromWindow(window);
            });
    }
    resize(900, 620);
    refresh();
    list_->setFocus(); // the keyboard starts on the modules
    offerKept();
}

PageBoardWindow::~PageBoardWindow() {
    if (services_.windows)
        services_.windows->setAddToPage(nullptr);
}

ui::RestoreBar* PageBoardWindow::restoreBar() const {
    return bar_;
}

void PageBoardWindow::buildMenus() {
    auto add = [this](QMenu* menu, const QString& text, const QKeySequence& keys, auto slot) {
        QAction* action = menu->addAction(text, this, slot);
        action->setShortcut(keys);
        return action;
    };
    QMenu* page = menuBar()->addMenu(QStringLiteral("页面(&P)"));
    add(page, QStringLiteral("新建页面"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
        [this] { newPage(); });
    add(page, QStringLiteral("打开页面…"), QKeySequence::Open, [this] {
        if (!settled())
            return;
        const QString path = chooseFile(false, {}, QString::fromUtf8(kPageFilter));
        if (!path.isEmpty())
            openPage(QFile::encodeName(path).toStdString());
    });
    QMenu* recent = page->addMenu(QStringLiteral("最近的页面"));
    connect(recent, &QMenu::aboutToShow, this, [this, recent] {
        recent->clear();
        const RecentSettings pages(stateFolderOf(services_) + "/recent-pages");
        for (const std::string& file : pages.files())
            recent->addAction(q(fileNameOf(file)), this, [this, file] {
                if (settled())
                    openPage(file);
            });
        if (recent->isEmpty())
            recent->addAction(QStringLiteral("（没有）"))->setEnabled(false);
    });
    add(page, QStringLiteral("保存页面"), QKeySequence::Save, [this] { save(); });
    add(page, QStringLiteral("另存页面…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        [this] { saveAs(); });
    page->addSeparator();
    add(page, QStringLiteral("关闭"), QKeySequence(Qt::CTRL | Qt::Key_W), [this] { close(); });

    QMenu* edit = menuBar()->addMenu(QStringLiteral("编辑(&E)"));
    undo_ = add(edit, QStringLiteral("撤销"), QKeySequence::Undo, [this] {
        if (board_.undo())
            refresh();
    });
    redo_ = add(edit, QStringLiteral("重做"), QKeySequence(Qt::CTRL | Qt::Key_Y), [this] {
        if (board_.redo())
            refresh();
    });
    edit->addSeparator();
    auto onSelected = [this](void (PageBoardWindow::*what)(std::size_t)) {
        return [this, what] {
            if (const auto index = selected())
                (this->*what)(*index);
        };
    };
    auto change = [this](auto doIt) {
        return [this, doIt] {
            if (const auto index = selected(); index && doIt(*index))
                refresh();
        };
    };
    moduleActions_ = {
        add(edit, QStringLiteral("编辑模块"), QKeySequence(Qt::CTRL | Qt::Key_E),
            onSelected(&PageBoardWindow::editModule)),
        add(edit, QStringLiteral("复制代码"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
            onSelected(&PageBoardWindow::copyModule)),
        add(edit, QStringLiteral("更新链接…"), QKeySequence(), onSelected(&PageBoardWindow::offerLinkUpdate)),
        add(edit, QStringLiteral("上移"), QKeySequence(Qt::ALT | Qt::Key_Up), [this] { moveSelected(-1); }),
        add(edit, QStringLiteral("下移"), QKeySequence(Qt::ALT | Qt::Key_Down), [this] { moveSelected(1); }),
        add(edit, QStringLiteral("复制一份"), QKeySequence(Qt::CTRL | Qt::Key_D),
            [this] {
                // The copy stands right after the module, and is the one selected afterwards.
                if (const auto index = selected(); index && board_.duplicate(*index)) {
                    refresh();
                    selectModule(board_.page().modules[*index + 1].id);
                }
            }),
        add(edit, QStringLiteral("隐藏/显示"), QKeySequence(Qt::CTRL | Qt::Key_H),
            change([this](std::size_t i) { return board_.setHidden(i, !board_.page().modules[i].hidden); })),
        add(edit, QStringLiteral("重命名"), QKeySequence(Qt::Key_F2),
            [this] {
                if (QTreeWidgetItem* item = list_->currentItem(); item && item->parent())
                    list_->editItem(item, kLabel);
            }),
        add(edit, QStringLiteral("删除"), QKeySequence::Delete,
            change([this](std::size_t i) { return board_.remove(i); })),
    };
    QMenu* area = edit->addMenu(QStringLiteral("移到"));
    for (PageArea a : kAreas)
        area->addAction(QString::fromUtf8(areaName(a)), this,
                        change([this, a](std::size_t i) { return board_.setArea(i, a); }));

    QMenu* addMenu = menuBar()->addMenu(QStringLiteral("添加(&A)"));
    QMenu* catalogue = addMenu->addMenu(QStringLiteral("从模块目录"));
    for (const ModuleSpec& module : moduleRegistry().all()) {
        const ModuleSpec* m = &module;
        catalogue->addAction(q(module.key + " " + module.caption), this, [this, m] { addFromCatalogue(*m); });
    }
    add(addMenu, QStringLiteral("从设置文件…"), QKeySequence(Qt::CTRL | Qt::Key_I), [this] {
        const QString path = chooseFile(false, {}, QString::fromUtf8(kSettingsFilter));
        if (!path.isEmpty())
            addFromFile(QFile::encodeName(path).toStdString(), false);
    });
    add(addMenu, QStringLiteral("链接设置文件…"), QKeySequence(), [this] {
        const QString path = chooseFile(false, {}, QString::fromUtf8(kSettingsFilter));
        if (!path.isEmpty())
            addFromFile(QFile::encodeName(path).toStdString(), true);
    });
    QMenu* recentSettings = addMenu->addMenu(QStringLiteral("最近的设置"));
    connect(recentSettings, &QMenu::aboutToShow, this, [this, recentSettings] {
        recentSettings->clear();
        const RecentSettings files(stateFolderOf(services_) + "/recent-settings");
        for (const std::string& file : files.files())
            recentSettings->addAction(q(fileNameOf(file)), this, [this, file] { addFromFile(file, false); });
        if (recentSettings->isEmpty())
            recentSettings->addAction(QStringLiteral("（没有）"))->setEnabled(false);
    });

    QMenu* view = menuBar()->addMenu(QStringLiteral("预览(&V)"));
    add(view, QStringLiteral("预览整页"), QKeySequence(Qt::Key_F5), [this] { previewPage(); });

    // A right click on a module offers what can be done with it.
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QAction* action : moduleActions_)
        list_->addAction(action);
}

QString PageBoardWindow::chooseFile(bool saving, const QString& suggested, const QString& filter) {
    const QString folder = board_.file().empty() ? QDir::homePath() : q(folderOf(board_.file()));
    if (services_.chooseFile)
        return services_.chooseFile(saving, folder, suggested, filter);
    QFileDialog dialog(this, saving ? QStringLiteral("保存页面") : QStringLiteral("打开"),
                       saving ? QDir(folder).filePath(suggested) : folder, filter);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (saving)
        dialog.setDefaultSuffix(QLatin1String(kPageSuffix + 1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

std::optional<std::size_t> PageBoardWindow::selected() const {
    QTreeWidgetItem* item = list_->currentItem();
    if (!item || !item->parent() || !item->isSelected())
        return std::nullopt;
    return moduleIndexById(board_.page(), item->data(0, kIdRole).toInt());
}

void PageBoardWindow::selectModule(int id) {
    for (int a = 0; a < list_->topLevelItemCount(); ++a) {
        QTreeWidgetItem* area = list_->topLevelItem(a);
        for (int i = 0; i < area->childCount(); ++i)
            if (area->child(i)->data(0, kIdRole).toInt() == id) {
                list_->setCurrentItem(area->child(i));
                list_->scrollToItem(area->child(i));
                return;
            }
    }
}

void PageBoardWindow::refresh() {
    const Page& page = board_.page();
    const int current = list_->currentItem() && list_->currentItem()->parent()
                            ? list_->currentItem()->data(0, kIdRole).toInt()
                            : 0;
    const QSignalBlocker quiet(list_); // showing the page is no edit of it
    list_->clear();
    std::map<std::size_t, PasteEntry> paste;
    for (PasteEntry& e : board_.pasteList())
        paste.emplace(e.module, std::move(e));
    const std::vector<PageBoard::Shown>& shown = board_.shown();
    std::vector<QTreeWidgetItem*> areas;
    for (std::size_t a = 0; a < std::size(kAreas); ++a) {
        auto* item = new QTreeWidgetItem(list_, {QString::fromUtf8(areaName(kAreas[a]))});
        item->setData(0, kAreaRole, static_cast<int>(a));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsDropEnabled);
        QFont bold = item->font(0);
        bold.setBold(true);
        item->setFont(0, bold);
        areas.push_back(item);
    }
    for (std::size_t i = 0; i < page.modules.size(); ++i) {
        const PageModule& m = page.modules[i];
        const ModuleSpec* module = moduleRegistry().byKey(m.key);
        const auto entry = paste.find(i);
        const std::size_t areaIndex = static_cast<std::size_t>(
            std::find(std::begin(kAreas), std::end(kAreas), m.area) - std::begin(kAreas));
        auto* item = new QTreeWidgetItem(areas[areaIndex]);
        item->setData(0, kIdRole, m.id);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled);
        item->setText(kLabel, q(m.label));
        item->setIcon(kLabel, thumbnailOf(module));
        item->setText(kWindow, q(m.key + " " + (module ? module->caption : std::string())) +
                                   (m.linked() ? QStringLiteral("（链接）") : QString()));
        item->setText(kDestination, entry == paste.end() ? QString() : q(entry->second.destination));
        item->setText(kWeight, shown[i].problem ? QStringLiteral("无法生成") : weightText(board_.weight(i)));
        item->setText(kState,
                      stateText(m, entry == paste.end() ? std::nullopt
                                                        : std::optional<CopyState>(entry->second.state)));
        if (m.hidden)
            for (int c = 0; c < kColumns; ++c)
                item->setForeground(c, palette().color(QPalette::Disabled, QPalette::Text));
        if (entry != paste.end() && entry->second.state == CopyState::Changed)
            item->setForeground(kState, QColor(0xc0, 0x60, 0x00));
        if (entry != paste.end() && !shown[i].problem) {
            auto* copy = new QToolButton;
            copy->setText(QStringLiteral("复制"));
            copy->setObjectName(QStringLiteral("按钮_复制模块%1").arg(m.id));
            copy->setAccessibleName(QStringLiteral("复制 %1").arg(q(m.label)));
            connect(copy, &QToolButton::clicked, this, [this, id = m.id] {
                if (const auto index = moduleIndexById(board_.page(), id))
                    copyModule(*index);
            });
            list_->setItemWidget(item, kCopy, copy);
        }
        if (m.id == current)
            list_->setCurrentItem(item);
    }
    // A module stands selected, so the keyboard starts on the page's modules, not on a heading.
    if (!list_->currentItem() || !list_->currentItem()->parent())
        for (QTreeWidgetItem* area : areas)
            if (area->childCount() > 0) {
                list_->setCurrentItem(area->child(0));
                break;
            }
    list_->expandAll();
    for (int c = kWindow; c < kColumns; ++c)
        list_->resizeColumnToContents(c);

    report_->clear();
    for (const PageFinding& f : board_.findings()) {
        const QString kind = f.severity == Severity::Error     ? QStringLiteral("错误")
                             : f.severity == Severity::Warning ? QStringLiteral("注意")
                                                               : QStringLiteral("说明");
        auto* item = new QListWidgetItem(kind + QStringLiteral("：") + q(f.chinese), report_);
        if (f.module >= 0 && static_cast<std::size_t>(f.module) < page.modules.size())
            item->setData(kIdRole, page.modules[static_cast<std::size_t>(f.module)].id);
    }
    if (report_->count() == 0)
        new QListWidgetItem(QStringLiteral("没有发现问题。"), report_);

    std::size_t showing = 0;
    for (const PageModule& m : page.modules)
        showing += m.hidden ? 0 : 1;
    summary_->setText(QStringLiteral("共 %1 个模块（%2 个显示）· %3")
                          .arg(page.modules.size())
                          .arg(showing)
                          .arg(weightText(board_.pageWeight())));

    if (auto* name = findChild<QLineEdit*>(QStringLiteral("编辑框_页面名称")); name && !name->hasFocus())
        name->setText(q(page.name));
    if (auto* edition = findChild<QComboBox*>(QStringLiteral("组合框_页面版本")))
        edition->setCurrentIndex(page.edition == PageEdition::Basic ? 1 : 0);
    setWindowTitle(QStringLiteral("%1 — %2[*]").arg(QString::fromUtf8(kCaption), q(page.name)));
    setWindowModified(board_.modified());
    undo_->setEnabled(board_.canUndo());
    undo_->setText(board_.canUndo() ? QStringLiteral("撤销%1").arg(q(board_.undoName()))
                                    : QStringLiteral("撤销"));
    redo_->setEnabled(board_.canRedo());
    redo_->setText(board_.canRedo() ? QStringLiteral("重做%1").arg(q(board_.redoName()))
                                    : QStringLiteral("重做"));
    for (QAction* action : moduleActions_)
        action->setEnabled(selected().has_value());
    keepSoon();
    // A page on show follows the board (later modules' names may change with an earlier one).
    if (pagePreviewShown_ && services_.pageShown && services_.pageShown())
        previewPage();
}

void PageBoardWindow::dropped(QTreeWidgetItem* item, int areaIndex, int row) {
    const auto from = moduleIndexById(board_.page(), item->data(0, kIdRole).toInt());
    if (!from || areaIndex < 0 || areaIndex >= static_cast<int>(std::size(kAreas)))
        return;
    const PageArea area = kAreas[areaIndex];
    // The modules of that area in page order, the dragged one left out: it goes before the row-th.
    std::vector<std::size_t> inArea;
    const Page& page = board_.page();
    for (std::size_t i = 0; i < page.modules.size(); ++i)
        if (page.modules[i].area == area && i != *from)
            inArea.push_back(i);
    std::size_t before = page.modules.size(); // the page's end
    if (row >= 0 && static_cast<std::size_t>(row) < inArea.size())
        before = inArea[static_cast<std::size_t>(row)];
    else if (!inArea.empty())
        before = inArea.back() + 1;
    const std::size_t to = before > *from ? before - 1 : before;
    if (board_.place(*from, std::min(to, page.modules.size() - 1), area))
        refresh();
    selectModule(item->data(0, kIdRole).toInt());
}

void PageBoardWindow::moveSelected(int direction) {
    const auto index = selected();
    if (!index)
        return;
    const Page& page = board_.page();
    const PageArea area = page.modules[*index].area;
    const int id = page.modules[*index].id;
    for (std::size_t j = *index; direction < 0 ? j-- > 0 : ++j < page.modules.size();)
        if (page.modules[j].area == area) {
            if (board_.move(*index, j))
                refresh();
            break;
        }
    selectModule(id);
}

void PageBoardWindow::newPage() {
    if (!settled())
        return;
    board_.newPage("未命名页面");
    refresh();
}

bool PageBoardWindow::openPage(const std::string& path) {
    const PageStatus opened = board_.open(path);
    if (!opened) {
        if (services_.prompter)
            services_.prompter->notify("无法打开页面“" + path + "”：" + opened.failure().chinese + "。");
        return false;
    }
    (void)RecentSettings(stateFolderOf(services_) + "/recent-pages").remember(path);
    refresh();
    if (!board_.changedLinks().empty() && services_.prompter)
        services_.prompter->notify("页面中有链接的设置文件在保存页面之后改动过，请在页面检查中查看，"
                                   "选中模块后可用“编辑模块”查看改动，用“更新链接…”采用改动。");
    return true;
}

bool PageBoardWindow::save() {
    if (board_.file().empty())
        return saveAs();
    const PageStatus saved = board_.save();
    if (!saved) {
        if (services_.prompter)
            services_.prompter->notify("无法保存页面到“" + board_.file() + "”：" + saved.failure().chinese +
                                       "。");
        return false;
    }
    refresh();
    return true;
}

bool PageBoardWindow::saveAs() {
    const QString suggested =
        q(board_.page().name.empty() ? std::string("页面") : board_.page().name) + QLatin1String(kPageSuffix);
    const QString path = chooseFile(true, suggested, QString::fromUtf8(kPageFilter));
    if (path.isEmpty())
        return false;
    const std::string file = QFile::encodeName(path).toStdString();
    const PageStatus saved = board_.saveAs(file);
    if (!saved) {
        if (services_.prompter)
            services_.prompter->notify("无法保存页面到“" + file + "”：" + saved.failure().chinese + "。");
        return false;
    }
    (void)RecentSettings(stateFolderOf(services_) + "/recent-pages").remember(file);
    refresh();
    return true;
}

bool PageBoardWindow::addFromWindow(ui::GeneratorWindow& window) {
    const Form& form = window.form();
    if (editing_ == &window) // the module being edited goes back where it came from when it closes
        return true;
    if (!board_.add(embeddedModule(form.module(), settingsText(form, moduleRegistry())))) {
        if (services_.prompter)
            services_.prompter->notify("页面已经有 " + std::to_string(kPageModuleLimit) +
                                       " 个模块，不能再加了。");
        return false;
    }
    refresh();
    selectModule(board_.page().modules.back().id);
    return true;
}

bool PageBoardWindow::addFromFile(const std::string& path, bool link) {
    const Result<std::string, ReadFailure> bytes = readFile(path, kSettingsSizeLimit);
    std::string why;
    const ModuleSpec* module = nullptr;
    if (!bytes) {
        why = bytes.failure().reason("1 MiB");
    } else if (const Result<const ModuleSpec*, SettingsProblem> named =
                   settingsWindowOf(path, moduleRegistry());
               !named) {
        why = named.failure().message;
    } else {
        module = *named;
        if (const SettingsRead read = readSettings(*bytes, *module, moduleRegistry()); !read)
            why = read.failure().message;
    }
    if (!why.empty()) {
        if (services_.prompter)
            services_.prompter->notify("无法把设置文件“" + path + "”加入页面：" + why + "。");
        return false;
    }
    PageModule m = link ? linkedModule(*module, path, *bytes) : embeddedModule(*module, *bytes);
    if (!board_.add(std::move(m)))
        return false;
    refresh();
    selectModule(board_.page().modules.back().id);
    return true;
}

void PageBoardWindow::addFromCatalogue(const ModuleSpec& module) {
    if (services_.windows)
        services_.windows->openForPage(module, board_.page().name);
}

void PageBoardWindow::editModule(std::size_t index) {
    if (!services_.windows || index >= board_.page().modules.size())
        return;
    const PageModule& m = board_.page().modules[index];
    const ModuleSpec* module = moduleRegistry().byKey(m.key);
    if (!module)
        return;
    if (services_.windows->window()) { // one module window at a time: the open one comes to the front
        services_.windows->open(*module);
        return;
    }
    editingId_ = m.id;
    editingLinkBytes_.reset();
    if (m.linked()) {
        const std::string path = linkedPath(m.link, board_.folder());
        if (const Result<std::string, ReadFailure> bytes = readFile(path, kSettingsSizeLimit))
            editingLinkBytes_ = *bytes;
        editing_ = services_.windows->open(*module, path);
    } else {
        editing_ = services_.windows->openWithSettings(*module, m.settings, "模块“" + m.label + "”");
    }
    // With the whole page in the preview, live preview follows this window into its module's slot.
    if (editing_ && pagePreviewShown_ && services_.followLive)
        services_.followLive(editing_);
}

void PageBoardWindow::moduleWindowClosing(ui::GeneratorWindow* window) {
    if (!window || window != editing_)
        return;
    editing_ = nullptr;
    const auto index = moduleIndexById(board_.page(), editingId_);
    if (!index)
        return;
    const PageModule& m = board_.page().modules[*index];
    if (m.linked()) {
        // A linked file the user saved from the window is the page's now; other changes stay in the
        // window's kept texts, the file is not written behind the user's back.
        const Result<std::string, ReadFailure> bytes =
            readFile(linkedPath(m.link, board_.folder()), kSettingsSizeLimit);
        // Saved from the window: the file differs from what the window opened.
        if (bytes && editingLinkBytes_ && *bytes != *editingLinkBytes_ &&
            board_.acceptLinkedFile(*index, *bytes))
            refresh();
        return;
    }
    if (board_.setSettings(*index, settingsText(window->form(), moduleRegistry())))
        refresh();
}

void PageBoardWindow::offerLinkUpdate(std::size_t index) {
    if (!services_.prompter || index >= board_.page().modules.size())
        return;
    const PageModule& m = board_.page().modules[index];
    const std::vector<std::size_t> changed = board_.changedLinks();
    if (!m.linked() || std::find(changed.begin(), changed.end(), index) == changed.end()) {
        services_.prompter->notify("模块“" + m.label + "”的设置文件没有改动，无需更新。");
        return;
    }
    const std::string path = linkedPath(m.link, board_.folder());
    const Result<std::string, ReadFailure> bytes = readFile(path, kSettingsSizeLimit);
    if (!bytes) {
        services_.prompter->notify("无法读取设置文件“" + path + "”：" + bytes.failure().reason("1 MiB") +
                                   "。");
        return;
    }
    if (services_.prompter->ask("模块“" + m.label + "”链接的设置文件“" + path +
                                "”在链接之后改动过。\n用文件现在的内容更新页面中的这个模块吗？") !=
        Answer::Yes)
        return;
    if (board_.acceptLinkedFile(index, *bytes))
        refresh();
}

void PageBoardWindow::copyModule(std::size_t index) {
    const std::vector<PageBoard::Shown>& shown = board_.shown();
    if (index >= shown.size() || shown[index].problem)
        return;
    if (services_.copy)
        services_.copy(shown[index].module.pageCode);
    if (board_.markCopied(index))
        refresh();
}

void PageBoardWindow::previewPage() {
    if (!services_.showPage || services_.previewFolder.empty())
        return;
    const Result<std::string, PreviewFailure> written =
        writePagePreview(board_.page(), board_.rendered(), services_.previewFolder);
    if (!written) {
        if (services_.prompter)
            services_.prompter->notify("无法写入整页预览：" + written.failure().english);
        return;
    }
    pagePreviewShown_ = true;
    const QPointer<PageBoardWindow> self(this);
    services_.showPage(
        *written, this,
        [self](int slot) {
            if (self)
                self->selectModule(slot);
        },
        [self](const std::string& code) {
            if (self)
                self->liveCode(code);
        });
}

void PageBoardWindow::liveCode(const std::string& code) {
    if (!editing_ || !services_.updateSlot)
        return;
    const auto index = moduleIndexById(board_.page(), editingId_);
    // The navigation's styles share one style sheet: the page shows them anew when the window closes.
    if (!index || board_.page().modules[*index].area == PageArea::Navigation)
        return;
    // The page's copy of the new code: the module keeps the names the page gave it.
    const std::vector<PageBoard::Shown>& shown = board_.shown();
    services_.updateSlot(editingId_, applyRenaming(code, shown[*index].module.renaming));
}

std::string PageBoardWindow::keptPath() const {
    return services_.stateFolder.empty() ? std::string() : services_.stateFolder + "/kept/page" + kPageSuffix;
}

void PageBoardWindow::keepSoon() {
    if (!keptPath().empty() && !keepTimer_.isActive())
        keepTimer_.start();
}

void PageBoardWindow::keepNow() {
    const std::string path = keptPath();
    if (path.empty())
        return;
    // The page, and the file it belongs to, on a line of its own beside it.
    if (makeFolders(folderOf(path)) && writePageFile(path, board_.page()))
        (void)writeFile(path + ".file", board_.file() + "\n");
}

void PageBoardWindow::offerKept() {
    const std::string path = keptPath();
    if (path.empty())
        return;
    PageResult<Page> kept = readPageFile(path, moduleRegistry());
    if (!kept)
        return;
    const Result<std::string, ReadFailure> file = readFile(path + ".file", 64 * 1024);
    keptFile_ = file && !file->empty() ? file->substr(0, file->find('\n')) : std::string();
    // Nothing to offer when the kept page is what its file holds (saved before the board closed).
    if (!keptFile_.empty())
        if (PageResult<Page> saved = readPageFile(keptFile_, moduleRegistry()); saved && saved->sameAs(*kept))
            return;
    if (kept->modules.empty())
        return;
    keptPage_ = std::move(*kept);
    bar_ = new ui::RestoreBar(centralWidget());
    if (auto* label = bar_->findChild<QLabel*>())
        label->setText(QStringLiteral("上次在看板上的页面“%1”没有保存。").arg(q(keptPage_->name)));
    connect(bar_, &ui::RestoreBar::restoreClicked, this, [this] {
        if (keptPage_) {
            if (!keptFile_.empty())
                (void)board_.open(keptFile_); // the page belongs to its file again
            board_.restore(std::move(*keptPage_), "恢复上次内容");
            keptPage_.reset();
        }
        bar_->deleteLater();
        refresh();
        list_->setFocus(); // the bar's button goes with it
    });
    connect(bar_, &ui::RestoreBar::ignoreClicked, this, [this] {
        keptPage_.reset();
        (void)removeFile(keptPath());
        bar_->deleteLater();
        list_->setFocus();
    });
    static_cast<QVBoxLayout*>(centralWidget()->layout())->insertWidget(0, bar_);
}

bool PageBoardWindow::settled() {
    if (!board_.modified() || !services_.prompter)
        return true;
    if (services_.prompter->ask("页面“" + board_.page().name + "”有没保存的改动。\n要先保存吗？") ==
        Answer::Yes)
        return save();
    return true;
}

void PageBoardWindow::closeEvent(QCloseEvent* event) {
    if (board_.modified() && services_.prompter) {
        if (services_.prompter->ask("页面“" + board_.page().name + "”有没保存的改动。\n要先保存吗？") ==
            Answer::Yes) {
            if (!save()) {
                event->ignore();
                return;
            }
        } else {
            // Declined: nothing is offered back next time.
            keepTimer_.stop();
            if (!keptPath().empty())
                (void)removeFile(keptPath());
            event->accept();
            return;
        }
    }
    keepTimer_.stop();
    keepNow();
    event->accept();
}

} // namespace ornavo::app
