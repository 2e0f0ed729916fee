#include "generator_window.h"

#include "acting_window.h"
#include "flow_line.h"
#include "picture_box.h"

#include "framework/constants.h"
#include "framework/sample_picture.h"
#include "net/http_fetch.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace ornavo::ui {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }

// The code box shows line breaks as the editor does; the form keeps the CR LF the markup carries.
QString forDisplay(const std::string& code) { return q(code).replace(QLatin1String("\r\n"), QLatin1String("\n")); }
std::string fromDisplay(const QString& text) {
    QString t = text;
    return t.replace(QLatin1Char('\n'), QLatin1String("\r\n")).toStdString();
}

// Room a line edit needs around its text (frame and padding).
constexpr int kFieldFrame = 14;
// The window's margins and an area's frame on each side, which a picture box must leave free.
constexpr int kSideRoom = 72;
// The code box is never lower than this; the buttons beside it set its height otherwise.
constexpr int kCodeBoxHeight = 96;
// How small a sample may become to make room for the settings.
constexpr double kLeastSampleScale = 0.6;
// A portrait sample stands beside the settings when they keep at least this much width.
constexpr int kSettingsBesideSample = 420;

// Forty characters of a typical picture address.
const QString kAddressSample = QStringLiteral("http://img01.taobaocdn.com/imgextra/i1/T1");

bool hasPart(const std::string& name, const char* part) { return name.find(part) != std::string::npos; }

// A size, a distance, a speed or a count: a few digits.
bool holdsNumber(const Control& c) {
    for (const char* part : {"宽", "高", "尺寸", "大小", "速度", "距", "间隔", "数量"})
        if (hasPart(c.name, part))
            return true;
    return false;
}

// The single picture of an area that holds nothing else, if it is one.
const Control* lonePicture(const Section& section) {
    if (section.items.size() != 1)
        return nullptr;
    const auto* l = std::get_if<Line>(&section.items[0].content);
    if (!l || l->elements.size() != 1)
        return nullptr;
    const auto* c = std::get_if<Control>(&l->elements[0]);
    return c && c->kind == ControlKind::Picture ? c : nullptr;
}
} // namespace

int GeneratorWindow::addressFieldWidth(const QFontMetrics& metrics) {
    return metrics.horizontalAdvance(kAddressSample) + kFieldFrame;
}

int GeneratorWindow::fieldWidth(const Control& c, const QFontMetrics& metrics) {
    const int columns = c.columns > 0 ? metrics.horizontalAdvance(QString(c.columns, QLatin1Char('0'))) + kFieldFrame : 0;
    if (holdsAddress(c))
        return std::max(columns, addressFieldWidth(metrics));
    if (columns > 0)
        return columns;
    const int digits = hasPart(c.name, "颜色") ? 8 : holdsNumber(c) ? 5 : 10;
    const int width = std::max(metrics.horizontalAdvance(QString(digits, QLatin1Char('0'))),
                               metrics.horizontalAdvance(q(c.text)));
    return std::min(width + kFieldFrame, addressFieldWidth(metrics));
}

QSize GeneratorWindow::pictureBoxSize(const Control& picture, int windowWidth) {
    QSize box(picture.boxWidth > 0 ? picture.boxWidth : windowWidth - kSideRoom,
              picture.boxHeight > 0 ? picture.boxHeight : 110);
    const int room = windowWidth - kSideRoom;
    if (box.width() > room)
        box = QSize(room, box.height() * room / box.width());
    return box;
}

GeneratorWindow::GeneratorWindow(const ModuleSpec& module, WindowVariables& variables, Prompter& prompter,
                                 WindowHost& host, QWidget* parent)
    : QDialog(parent), form_(std::make_unique<Form>(module, variables, prompter, host)) {
    setWindowTitle(q(module.caption));
    setObjectName(q(module.key));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowMaximizeButtonHint);
    // The specified size, which the user may enlarge but not go below.
    setMinimumSize(module.width, module.height);
    resize(module.width, module.height);

    auto* settings = new QWidget;
    settings->setObjectName(QStringLiteral("settings"));
    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    QWidget* besideColumn = nullptr;
    for (const Section& section : module.sections) {
        // A portrait sample stands at the left of everything else when the settings keep room enough.
        const Control* picture = lonePicture(section);
        if (!besideColumn && picture && picture->boxHeight > picture->boxWidth &&
            module.width - kSideRoom - picture->boxWidth >= kSettingsBesideSample) {
            besideColumn = buildSection(section);
            continue;
        }
        column->addWidget(buildSection(section));
    }
    column->addStretch(1);
    auto* settingsLayout = new QHBoxLayout(settings);
    settingsLayout->setContentsMargins(4, 4, 4, 4);
    if (besideColumn)
        settingsLayout->addWidget(besideColumn, 0, Qt::AlignTop);
    settingsLayout->addLayout(column, 1);

    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("settingsArea"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(settings);

    code_ = new QPlainTextEdit;
    code_->setObjectName(q(module.codeBox.name));
    code_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    code_->setProperty("role", QStringLiteral("code"));
    connect(code_, &QPlainTextEdit::textChanged, this, &GeneratorWindow::codeEdited);
    widgets_.insert(code_->objectName(), code_);

    QWidget* buttons = buildButtons();
    bottom_ = new QWidget;
    bottom_->setObjectName(QStringLiteral("codeArea"));
    auto* bottom = new QHBoxLayout(bottom_);
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->addWidget(code_, 1);
    bottom->addWidget(buttons, 0, Qt::AlignTop);
    bottomHeight_ = std::max(kCodeBoxHeight, buttons->sizeHint().height());
    bottom_->setFixedHeight(bottomHeight_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(scroll, 1);
    layout->addWidget(bottom_);

    form_->setChangeListener([this](const std::string& name) { refresh(name); });

    // Centre on the screen, then move to the window's own top position where it has one.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center().x() - module.width / 2, module.top ? *module.top : area.center().y() - module.height / 2);
    }
}

GeneratorWindow::~GeneratorWindow() = default;

void GeneratorWindow::showEvent(QShowEvent* event) {
    if (!samplesFitted_) {
        samplesFitted_ = true;
        fitSamplesToSettings();
    }
    QDialog::showEvent(event);
}

void GeneratorWindow::fitSamplesToSettings() {
    auto* scroll = findChild<QScrollArea*>(QStringLiteral("settingsArea"));
    QWidget* content = scroll ? scroll->widget() : nullptr;
    if (!content)
        return;
    // The room the settings have once they no longer scroll.
    const QSize room = scroll->maximumViewportSize();
    const int need =
        content->hasHeightForWidth() ? content->heightForWidth(room.width()) : content->minimumSizeHint().height();
    const int over = need - room.height();
    if (over <= 0)
        return;
    // Portrait samples stand beside the settings and add nothing to their height.
    std::vector<PictureBox*> wide;
    int heights = 0;
    for (QLabel* label : content->findChildren<QLabel*>())
        if (auto* box = dynamic_cast<PictureBox*>(label); box && box->width() >= box->height()) {
            wide.push_back(box);
            heights += box->height();
        }
    if (heights == 0)
        return;
    const double scale = std::max(kLeastSampleScale, double(heights - over) / heights);
    for (PictureBox* box : wide)
        box->setBoxSize(box->size() * scale);
}

void GeneratorWindow::resizeEvent(QResizeEvent* event) {
    // An enlarged window gives a third of its extra height to the code box.
    if (bottom_)
        bottom_->setFixedHeight(bottomHeight_ + std::max(0, height() - form_->module().height) / 3);
    QDialog::resizeEvent(event);
}

QWidget* GeneratorWindow::buildSection(const Section& section) {
    const bool framed = !section.caption.empty() || section.framed;
    QWidget* box = framed ? new QGroupBox(q(section.caption)) : new QWidget;
    auto* layout = new QVBoxLayout(box);
    if (!framed)
        layout->setContentsMargins(0, 0, 0, 0);
    buildItems(layout, section.items);
    return box;
}

void GeneratorWindow::buildItems(QVBoxLayout* layout, const std::vector<Item>& items) {
    for (const Item& item : items) {
        if (const auto* l = std::get_if<Line>(&item.content))
            layout->addWidget(buildLine(*l));
        else if (const auto* t = std::get_if<Table>(&item.content))
            layout->addWidget(buildTable(*t));
        else
            layout->addWidget(buildTabs(std::get<TabControl>(item.content)));
    }
}

QWidget* GeneratorWindow::buildUnit(const Control& c) {
    QWidget* control = buildControl(c);
    const bool captioned = !c.caption.empty() && c.kind != ControlKind::Radio && c.kind != ControlKind::Label;
    if (!captioned && c.suffix.empty())
        return control;
    // The caption, the control and its unit stay together.
    auto* unit = new QWidget;
    auto* row = new QHBoxLayout(unit);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    if (captioned)
        row->addWidget(new QLabel(q(c.caption)));
    row->addWidget(control, 1);
    if (!c.suffix.empty())
        row->addWidget(new QLabel(q(c.suffix)));
    unit->setSizePolicy(control->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    return unit;
}

QWidget* GeneratorWindow::buildLine(const Line& line) {
    auto* widget = new QWidget;
    // A picture alone in its line stands in the middle.
    if (line.elements.size() == 1) {
        if (const auto* c = std::get_if<Control>(&line.elements[0]); c && c->kind == ControlKind::Picture) {
            auto* row = new QHBoxLayout(widget);
            row->setContentsMargins(0, 0, 0, 0);
            row->addStretch(1);
            row->addWidget(buildControl(*c));
            row->addStretch(1);
            return widget;
        }
    }
    auto* flow = new FlowLine(widget);
    for (const Element& e : line.elements) {
        if (const auto* b = std::get_if<Button>(&e))
            flow->addWidget(buildButton(*b));
        else
            flow->addWidget(buildUnit(std::get<Control>(e)));
    }
    return widget;
}

QWidget* GeneratorWindow::buildTable(const Table& t) {
    auto* widget = new QWidget;
    auto* grid = new QGridLayout(widget);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    bool numbered = !t.numberCaption.empty();
    for (const TableRow& row : t.rows)
        numbered = numbered || !row.label.empty();
    // A column whose cells have captions gives them a grid column of their own, so that its fields
    // line up; an address column takes the larger share of any width to spare.
    const std::size_t columns = t.columns.size();
    std::vector<bool> captioned(columns, false), wide(columns, false);
    for (const TableRow& row : t.rows)
        for (std::size_t col = 0; col < row.cells.size() && col < columns; ++col) {
            captioned[col] = captioned[col] || !row.cells[col].caption.empty();
            wide[col] = wide[col] || holdsAddress(row.cells[col]);
        }
    std::vector<int> at(columns); // the grid column of each table column's field
    int next = numbered ? 1 : 0;
    for (std::size_t col = 0; col < columns; ++col) {
        const int start = next;
        next += captioned[col] ? 2 : 1;
        at[col] = next - 1;
        // Each caption stands over its own column.
        grid->addWidget(new QLabel(q(t.columns[col])), 0, start, 1, next - start, Qt::AlignLeft | Qt::AlignBottom);
        grid->setColumnStretch(at[col], wide[col] ? 3 : 1);
    }
    if (numbered)
        grid->addWidget(new QLabel(q(t.numberCaption)), 0, 0, Qt::AlignLeft | Qt::AlignBottom);
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        const TableRow& row = t.rows[r];
        const int line = static_cast<int>(r) + 1;
        if (numbered)
            grid->addWidget(new QLabel(q(row.label)), line, 0);
        for (std::size_t col = 0; col < row.cells.size() && col < columns; ++col) {
            const Control& cell = row.cells[col];
            if (captioned[col]) {
                grid->addWidget(new QLabel(q(cell.caption)), line, at[col] - 1);
                Control bare = cell;
                bare.caption.clear();
                grid->addWidget(buildUnit(bare), line, at[col]);
            } else {
                grid->addWidget(buildUnit(cell), line, at[col]);
            }
        }
    }
    // A table wider than the window scrolls sideways on its own; the rest of the window keeps its width.
    widget->ensurePolished();
    const QSize least = widget->minimumSizeHint();
    if (least.width() <= form_->module().width - kSideRoom)
        return widget;
    auto* sideways = new QScrollArea;
    sideways->setObjectName(QStringLiteral("wideTable"));
    sideways->setFrameShape(QFrame::NoFrame);
    sideways->setWidgetResizable(true);
    sideways->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sideways->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    sideways->setWidget(widget);
    sideways->setFixedHeight(least.height() + sideways->horizontalScrollBar()->sizeHint().height() + 2);
    return sideways;
}

QWidget* GeneratorWindow::buildTabs(const TabControl& tabs) {
    auto* widget = new QTabWidget;
    widget->setObjectName(q(tabs.name));
    for (const TabPage& page : tabs.pages) {
        auto* content = new QWidget;
        auto* layout = new QVBoxLayout(content);
        buildItems(layout, page.items);
        layout->addStretch(1);
        widget->addTab(content, q(page.caption));
    }
    return widget;
}

QWidget* GeneratorWindow::buildControl(const Control& c) {
    QWidget* w = nullptr;
    const std::string name = c.name;
    switch (c.kind) {
    case ControlKind::Field: {
        auto* edit = new QLineEdit(q(form_->text(name)));
        edit->setCursorPosition(0); // long addresses show their beginning
        // Never narrower than the field needs for its frame and a few characters (with the skin).
        edit->ensurePolished();
        const int width = std::max(fieldWidth(c, edit->fontMetrics()), edit->minimumSizeHint().width());
        // Sizes, colours and fields of a fixed width keep their width; addresses and texts grow.
        const bool keepsWidth = !holdsAddress(c) && (c.columns > 0 || holdsNumber(c) || hasPart(c.name, "颜色"));
        if (keepsWidth) {
            edit->setFixedWidth(width);
            edit->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        } else {
            edit->setMinimumWidth(width);
            edit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        }
        connect(edit, &QLineEdit::textEdited, this, [this, name](const QString& text) {
            if (!syncing_)
                form_->setText(name, text.toStdString());
        });
        w = edit;
        break;
    }
    case ControlKind::List: {
        auto* combo = new QComboBox;
        int longest = 4;
        for (const std::string& e : c.entries) {
            combo->addItem(q(e));
            longest = std::max(longest, static_cast<int>(q(e).size()) * 2); // CJK text is two columns wide
        }
        combo->setMinimumContentsLength(longest);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setCurrentIndex(-1);
        connect(combo, QOverload<int>::of(&QComboBox::activated), this, [this, name](int index) {
            if (!syncing_)
                form_->pick(name, index);
        });
        w = combo;
        break;
    }
    case ControlKind::Radio: {
        auto* button = new QRadioButton(q(c.caption));
        button->setAutoExclusive(false); // the form keeps each group exclusive
        connect(button, &QRadioButton::clicked, this, [this, name] {
            if (!syncing_)
                form_->choose(name);
            refresh(name);
        });
        w = button;
        break;
    }
    case ControlKind::Label: {
        auto* text = new QLabel(q(c.caption));
        text->setWordWrap(true);
        text->setTextFormat(Qt::PlainText);
        // A note takes the width its line leaves, and wraps only where that runs out.
        text->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        w = text;
        break;
    }
    case ControlKind::Picture: {
        auto* box = new PictureBox(pictureBoxSize(c, form_->module().width));
        loadPicture(box, c.text, false);
        loadPicture(box, c.hover, true);
        w = box;
        break;
    }
    case ControlKind::CodeBox:
        break;
    }
    if (w && !c.colour.empty())
        w->setStyleSheet(QStringLiteral("color: %1;").arg(q(c.colour)));
    if (w) {
        w->setObjectName(q(name));
        widgets_.insert(w->objectName(), w);
    }
    return w;
}

QPushButton* GeneratorWindow::buildButton(const Button& b) {
    auto* button = new QPushButton(q(b.caption));
    button->setObjectName(q(b.name));
    button->setAutoDefault(false);
    if (b.action == Action::Generate)
        button->setProperty("role", QStringLiteral("generate"));
    const std::string name = b.name;
    connect(button, &QPushButton::clicked, this, [this, name] {
        ActingWindow acting(this); // its questions and the browser windows it opens belong to it
        form_->press(name);
        if (form_->isClosed())
            done(QDialog::Accepted);
    });
    return button;
}

QWidget* GeneratorWindow::buildButtons() {
    auto* box = new QWidget;
    box->setObjectName(QStringLiteral("buttons"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);
    const std::vector<Button>& all = form_->module().buttons;
    // Two columns when a single one would make the code box tall.
    const int columns = all.size() > 3 ? 2 : 1;
    for (std::size_t i = 0; i < all.size(); ++i) {
        QPushButton* button = buildButton(all[i]);
        button->setMinimumWidth(104);
        grid->addWidget(button, static_cast<int>(i) / columns, static_cast<int>(i) % columns);
    }
    return box;
}

void GeneratorWindow::loadPicture(QWidget* target, const std::string& path, bool hover) {
    if (path.empty())
        return;
    auto* box = static_cast<PictureBox*>(target);
    auto show = [box, hover](const QByteArray& bytes) { box->setPicture(bytes, hover); };
    // Samples are built into the program; only a picture marked remote comes from the maker's site,
    // through the bounded fetch, and fills the box when it arrives (never after the window is gone).
    const SamplePictureSource source = samplePictureSource(path);
    if (source.remote) {
        net::fetchBytes(makerServer() + source.path, box, show);
        return;
    }
    QFile builtIn(QLatin1Char(':') + q(source.path));
    if (builtIn.open(QIODevice::ReadOnly))
        show(builtIn.readAll());
}

void GeneratorWindow::refresh(const std::string& name) {
    QWidget* w = widgets_.value(q(name));
    if (!w)
        return;
    syncing_ = true;
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        const QString text = q(form_->text(name));
        if (edit->text() != text) {
            edit->setText(text);
            if (!edit->hasFocus())
                edit->setCursorPosition(0);
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->setCurrentIndex(form_->index(name));
    } else if (auto* radioButton = qobject_cast<QRadioButton*>(w)) {
        radioButton->setChecked(form_->checked(name));
    } else if (w == code_) {
        const QString text = forDisplay(form_->code());
        if (code_->toPlainText() != text)
            code_->setPlainText(text);
    }
    syncing_ = false;
}

void GeneratorWindow::codeEdited() {
    if (syncing_)
        return;
    syncing_ = true; // the form's echo must not rewrite what the user is typing
    form_->setText(form_->module().codeBox.name, fromDisplay(code_->toPlainText()));
    syncing_ = false;
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

void GeneratorWindow::reject() { close(); }

} // namespace ornavo::ui
