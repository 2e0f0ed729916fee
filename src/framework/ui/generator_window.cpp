#include "generator_window.h"

#include "acting_window.h"
#include "field_edit.h"
#include "flow_line.h"
#include "picture_box.h"
#include "settings_fitter.h"

#include "framework/model/constants.h"
#include "framework/model/sample_picture.h"
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
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace ornavo::ui {

namespace {
QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// The code box shows line breaks as the editor does; the form keeps the CR LF the markup carries.
QString forDisplay(const std::string& code) {
    return q(code).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}
std::string fromDisplay(const QString& text) {
    QString t = text;
    return t.replace(QLatin1Char('\n'), QLatin1String("\r\n")).toStdString();
}

// Room between lines, areas and controls.
constexpr int kSpacing = 4;
constexpr int kColumnGap = 6;
constexpr int kRowGap = 3;
// The window's margins and an area's frame on each side, which a picture box must leave free.
constexpr int kSideRoom = 40;
// The code box is never lower than this; the buttons beside it set its height otherwise.
constexpr int kCodeBoxHeight = 60;
// A portrait sample stands beside the settings when they keep at least this much width.
constexpr int kSettingsBesideSample = 420;
// How a line's or a table's spare width is shared: addresses take three parts for a text's one.
constexpr int kAddressShare = 3;
constexpr int kTextShare = 1;
// Characters a field shows at least: an address, a text; a short value with no default text.
constexpr int kAddressLeast = 8;
constexpr int kTextLeast = 4;
constexpr int kShortLeast = 4;
constexpr int kColourLeast = 7;
// A text in a table is as wide as its longest default text, and no wider than this many characters
// (or it grows no further), so that the spare width goes to the addresses. A note wraps no narrower.
constexpr int kTextMost = 12;

const QChar kWideCharacter(0x4e2d); // 中: as wide as any Chinese character

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

// Width a line edit adds around its text (frame, padding and margins, with the skin).
int fieldFrame(const QLineEdit* edit) {
    return edit->QLineEdit::sizeHint().width() - 17 * edit->fontMetrics().horizontalAdvance(QLatin1Char('x'));
}

int shareOf(const Control& c) {
    if (c.kind != ControlKind::Field)
        return 0;
    switch (contentOf(c)) {
    case FieldContent::Address:
        return kAddressShare;
    case FieldContent::Text:
        return kTextShare;
    case FieldContent::Short:
        break;
    }
    return 0;
}

// Whether anything in the widget takes a share of spare width (an address, a text, a note).
bool grows(const QWidget* widget) {
    const auto all = widget->findChildren<QWidget*>();
    return std::any_of(all.begin(), all.end(),
                       [](const QWidget* w) { return w->sizePolicy().horizontalStretch() > 0; });
}

QVBoxLayout* columnLayout(QWidget* widget) {
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kSpacing);
    return layout;
}

} // namespace

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
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    // The specified size, which the user may enlarge but not go below.
    setMinimumSize(module.width, module.height);
    resize(module.width, module.height);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kSpacing, kSpacing, kSpacing, kSpacing);
    layout->setSpacing(kSpacing);

    // The settings show whole at the window's size; should a larger face ever need more room, they
    // scroll up and down, never sideways.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("settingsArea"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* settings = new QWidget;
    settings->setObjectName(QStringLiteral("settings"));
    scroll->setWidget(settings);
    layout->addWidget(scroll, 1);

    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(kSpacing);
    QWidget* besideColumn = nullptr;
    for (const Section& section : module.sections) {
        // A portrait sample stands at the left of everything else when the settings keep room enough.
        const Control* picture = lonePicture(section);
        if (!besideColumn && picture && picture->boxHeight > picture->boxWidth &&
            module.width - kSideRoom - picture->boxWidth >= kSettingsBesideSample) {
            besideColumn = buildSection(settings, section);
            continue;
        }
        column->addWidget(buildSection(settings, section));
    }
    column->addStretch(1);
    auto* settingsLayout = new QHBoxLayout(settings);
    settingsLayout->setContentsMargins(0, 0, 0, 0);
    settingsLayout->setSpacing(kSpacing);
    if (besideColumn)
        settingsLayout->addWidget(besideColumn, 0, Qt::AlignTop);
    settingsLayout->addLayout(column, 1);

    bottom_ = new QWidget(this);
    bottom_->setObjectName(QStringLiteral("codeArea"));
    code_ = new QPlainTextEdit(bottom_);
    code_->setObjectName(q(module.codeBox.name));
    code_->setAccessibleName(q(spokenName(module.codeBox)));
    code_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    code_->setProperty("role", QStringLiteral("code"));
    connect(code_, &QPlainTextEdit::textChanged, this, &GeneratorWindow::codeEdited);
    widgets_.insert(code_->objectName(), code_);
    tabOrder_.push_back(code_);

    QWidget* buttons = buildButtons(bottom_);
    auto* bottom = new QHBoxLayout(bottom_);
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->setSpacing(kSpacing);
    bottom->addWidget(code_, 1);
    bottom->addWidget(buttons, 0, Qt::AlignTop);
    const int bottomLeast = std::max(kCodeBoxHeight, buttons->sizeHint().height());
    bottom_->setFixedHeight(bottomLeast);
    layout->addWidget(bottom_);

    // The tab key visits the controls in the order they are read.
    for (std::size_t i = 1; i < tabOrder_.size(); ++i)
        QWidget::setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
    fitter_ = new SettingsFitter(scroll, bottom_, bottomLeast, samples_);

    form_->setChangeListener([this](const std::string& name) { refresh(name); });

    // Centre on the screen, then move to the window's own top position where it has one.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center().x() - module.width / 2,
             module.top ? *module.top : area.center().y() - module.height / 2);
    }
}

GeneratorWindow::~GeneratorWindow() = default;

QWidget* GeneratorWindow::buildSection(QWidget* parent, const Section& section, bool nested) {
    const bool framed = !section.caption.empty() || section.framed;
    QWidget* box = framed ? new QGroupBox(q(section.caption), parent) : new QWidget(parent);
    QVBoxLayout* layout = columnLayout(box);
    if (framed)
        box->setProperty("role", nested ? QStringLiteral("frame") : QStringLiteral("area"));
    // The fields of a small frame are named with its caption ("图片地址 01").
    const std::string outer = frameLabel_;
    if (nested && framed)
        frameLabel_ = section.caption;
    buildItems(layout, section.items);
    frameLabel_ = outer;
    return box;
}

void GeneratorWindow::buildItems(QVBoxLayout* layout, const std::vector<Item>& items) {
    QWidget* parent = layout->parentWidget();
    for (const Item& item : items) {
        if (const auto* l = std::get_if<Line>(&item.content))
            layout->addWidget(buildLine(parent, l->elements));
        else if (const auto* t = std::get_if<Table>(&item.content))
            layout->addWidget(buildTable(parent, *t));
        else if (const auto* p = std::get_if<Panels>(&item.content))
            layout->addWidget(buildPanels(parent, *p));
        else
            layout->addWidget(buildTabs(parent, std::get<TabControl>(item.content)));
    }
}

QWidget* GeneratorWindow::buildUnit(QWidget* parent, const Control& c, const std::string& spoken,
                                    bool captioned) {
    captioned =
        captioned && !c.caption.empty() && c.kind != ControlKind::Radio && c.kind != ControlKind::Label;
    if (!captioned && c.suffix.empty())
        return buildControl(parent, c, spoken);
    // The caption, the control and its unit stay together.
    auto* unit = new QWidget(parent);
    auto* row = new QHBoxLayout(unit);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(kSpacing);
    QLabel* caption = captioned ? new QLabel(q(c.caption), unit) : nullptr;
    QWidget* control = buildControl(unit, c, spoken);
    if (caption) {
        caption->setBuddy(control);
        row->addWidget(caption);
    }
    row->addWidget(control, 1);
    if (!c.suffix.empty())
        row->addWidget(new QLabel(q(c.suffix), unit));
    QSizePolicy policy = control->sizePolicy();
    policy.setVerticalPolicy(QSizePolicy::Fixed);
    unit->setSizePolicy(policy);
    unit->setMaximumWidth(control->maximumWidth() >= QWIDGETSIZE_MAX
                              ? QWIDGETSIZE_MAX
                              : unit->minimumSizeHint().width() - control->minimumWidth() +
                                    control->maximumWidth());
    return unit;
}

QWidget* GeneratorWindow::buildLine(QWidget* parent, const std::vector<Element>& elements, bool wraps) {
    auto* widget = new QWidget(parent);
    // A picture alone in its line stands in the middle.
    if (elements.size() == 1) {
        if (const auto* c = std::get_if<Control>(&elements[0]); c && c->kind == ControlKind::Picture) {
            auto* row = new QHBoxLayout(widget);
            row->setContentsMargins(0, 0, 0, 0);
            row->addStretch(1);
            row->addWidget(buildControl(widget, *c, {}));
            row->addStretch(1);
            return widget;
        }
    }
    QLayout* layout = nullptr;
    if (wraps) {
        layout = new FlowLine(widget);
    } else {
        auto* row = new QHBoxLayout(widget);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(kColumnGap);
        layout = row;
    }
    for (const Element& e : elements) {
        if (const auto* b = std::get_if<Button>(&e)) {
            layout->addWidget(buildButton(widget, *b));
        } else {
            const Control& c = std::get<Control>(e);
            layout->addWidget(buildUnit(widget, c, spokenName(c, {}, frameLabel_)));
        }
    }
    return widget;
}

QWidget* GeneratorWindow::buildTable(QWidget* parent, const Table& t) {
    auto* widget = new QWidget(parent);
    auto* grid = new QGridLayout(widget);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(kColumnGap);
    grid->setVerticalSpacing(kRowGap);
    bool numbered = !t.numberCaption.empty();
    for (const TableRow& row : t.rows)
        numbered = numbered || !row.label.empty();
    // A column whose cells have captions gives them a grid column of their own, so that its fields
    // line up. Columns share the width as their fields do: addresses the larger share, texts the
    // rest, short values none.
    const std::size_t columns = t.columns.size();
    std::vector<bool> captioned(columns, false);
    std::vector<int> share(columns, 0);
    for (const TableRow& row : t.rows)
        for (std::size_t col = 0; col < row.cells.size() && col < columns; ++col) {
            captioned[col] = captioned[col] || !row.cells[col].caption.empty();
            share[col] = std::max(share[col], shareOf(row.cells[col]));
        }
    std::vector<int> at(columns), start(columns); // the grid columns of each table column: field, first
    int next = numbered ? 1 : 0;
    for (std::size_t col = 0; col < columns; ++col) {
        start[col] = next;
        next += captioned[col] ? 2 : 1;
        at[col] = next - 1;
    }
    // Each caption stands over its own column; a column without one shares the caption before it (a
    // size's width and height).
    for (std::size_t col = 0; col < columns; ++col) {
        if (t.columns[col].empty() && col > 0)
            continue;
        std::size_t last = col;
        while (last + 1 < columns && t.columns[last + 1].empty())
            ++last;
        grid->addWidget(new QLabel(q(t.columns[col]), widget), 0, start[col], 1, at[last] - start[col] + 1,
                        Qt::AlignLeft | Qt::AlignBottom);
    }
    for (std::size_t col = 0; col < columns; ++col) {
        // A stretched column counts only its least width; so a text column, which should keep the
        // width of its texts, takes none, and all spare width goes to the addresses.
        grid->setColumnStretch(at[col], share[col] == kAddressShare ? kAddressShare : 0);
    }
    if (numbered)
        grid->addWidget(new QLabel(q(t.numberCaption), widget), 0, 0, Qt::AlignLeft | Qt::AlignBottom);
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        const TableRow& row = t.rows[r];
        const int line = static_cast<int>(r) + 1;
        if (numbered)
            grid->addWidget(new QLabel(q(row.label), widget), line, 0);
        for (std::size_t col = 0; col < row.cells.size() && col < columns; ++col) {
            const Control& cell = row.cells[col];
            const std::string spoken = spokenName(cell, t.columns[col], row.label);
            if (captioned[col])
                grid->addWidget(new QLabel(q(cell.caption), widget), line, at[col] - 1);
            grid->addWidget(buildUnit(widget, cell, spoken, !captioned[col]), line, at[col]);
        }
    }
    // A text column asks for the width of its longest text (up to a most) and grows no wider, so that
    // the spare width goes to the addresses.
    for (std::size_t col = 0; col < columns; ++col) {
        if (share[col] != kTextShare)
            continue;
        std::vector<FieldEdit*> cells;
        int longest = 0;
        for (int line = 1; line < grid->rowCount(); ++line)
            if (QLayoutItem* item = grid->itemAtPosition(line, at[col]); item && item->widget())
                if (auto* edit = qobject_cast<FieldEdit*>(item->widget())) {
                    const QFontMetrics metrics = edit->fontMetrics();
                    longest =
                        std::max(longest, std::min(metrics.horizontalAdvance(edit->text()),
                                                   kTextMost * metrics.horizontalAdvance(kWideCharacter)));
                    cells.push_back(edit);
                }
        for (FieldEdit* edit : cells) {
            const int width = std::max(edit->minimumWidth(), longest + fieldFrame(edit));
            edit->setPreferredWidth(width);
            edit->setMaximumWidth(width);
            // The cell's own stretch would stand for the column's.
            QSizePolicy policy = edit->sizePolicy();
            policy.setHorizontalStretch(0);
            edit->setSizePolicy(policy);
        }
    }
    return widget;
}

QWidget* GeneratorWindow::buildTabs(QWidget* parent, const TabControl& tabs) {
    auto* widget = new QTabWidget(parent);
    widget->setObjectName(q(tabs.name));
    widget->setUsesScrollButtons(false);
    tabOrder_.push_back(widget->tabBar());
    // Settings at the right of the tab headers, on their line.
    if (!tabs.corner.empty()) {
        QWidget* corner = buildLine(widget, tabs.corner, false);
        corner->setObjectName(QStringLiteral("tabCorner"));
        widget->setCornerWidget(corner, Qt::TopRightCorner);
    }
    for (const TabPage& page : tabs.pages) {
        // In its place first, filled afterwards.
        auto* content = new QWidget;
        widget->addTab(content, q(page.caption));
        QVBoxLayout* layout = columnLayout(content);
        layout->setContentsMargins(kSpacing, kSpacing, kSpacing, kSpacing);
        buildItems(layout, page.items);
        layout->addStretch(1);
    }
    return widget;
}

QWidget* GeneratorWindow::buildPanels(QWidget* parent, const Panels& p) {
    auto* widget = new QWidget(parent);
    auto* grid = new QGridLayout(widget);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(kSpacing);
    // Panels side by side stand further apart than the columns of a table.
    if (p.perRow == 0)
        grid->setHorizontalSpacing(2 * kColumnGap);
    const int perRow = p.perRow > 0 ? p.perRow : static_cast<int>(p.panels.size());
    std::vector<QWidget*> built;
    for (const Section& panel : p.panels)
        built.push_back(buildSection(widget, panel, true));
    const bool anyGrows = std::any_of(built.begin(), built.end(), grows);
    for (std::size_t i = 0; i < built.size(); ++i) {
        const int row = static_cast<int>(i) / perRow, col = static_cast<int>(i) % perRow;
        grid->addWidget(built[i], row, col, Qt::AlignTop);
        // Panels of a grid share the width evenly; side by side, those with fields that grow take it.
        if (row == 0)
            grid->setColumnStretch(col, p.perRow > 0 || !anyGrows || grows(built[i]) ? 1 : 0);
    }
    return widget;
}

QLineEdit* GeneratorWindow::buildField(QWidget* parent, const Control& c) {
    auto* edit = new FieldEdit(q(form_->text(c.name)), parent);
    edit->setCursorPosition(0); // long addresses show their beginning
    // The whole text, also where the field shows only part of it.
    edit->setToolTip(edit->text());
    connect(edit, &QLineEdit::textChanged, edit, &QLineEdit::setToolTip);
    edit->ensurePolished();
    const QFontMetrics metrics = edit->fontMetrics();
    const int frame = fieldFrame(edit);
    const int share = shareOf(c);
    if (share == 0) {
        // A short value: as wide as its content, or the characters it is given; a colour as "#FFFFFF".
        const bool colour = c.name.find("颜色") != std::string::npos || c.text.rfind('#', 0) == 0;
        const int least = colour ? kColourLeast : kShortLeast;
        const int characters = c.columns > 0 ? c.columns : std::max<int>(least, edit->text().size());
        const QChar widest = colour ? QLatin1Char('D') : QLatin1Char('0');
        const int width = std::max(metrics.horizontalAdvance(QString(characters, widest)),
                                   metrics.horizontalAdvance(edit->text()));
        edit->setFixedWidth(width + frame);
        edit->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    } else {
        // An address or a text: a few characters at least, then its share of what the line leaves.
        const int least = share == kAddressShare ? kAddressLeast * metrics.horizontalAdvance(QLatin1Char('0'))
                                                 : kTextLeast * metrics.horizontalAdvance(kWideCharacter);
        edit->setMinimumWidth(least + frame);
        // An address asks for no more than its least width, so that all spare width is shared out by
        // the shares; a text asks for the width of a short text (no more than a table allows it).
        QSizePolicy policy(share == kAddressShare ? QSizePolicy::Ignored : QSizePolicy::Preferred,
                           QSizePolicy::Fixed);
        policy.setHorizontalStretch(share);
        edit->setSizePolicy(policy);
    }
    const std::string name = c.name;
    // Every change the window did not make itself: typing, and also a text set through the
    // accessibility bridge (a screen reader's or a voice tool's edit emits no textEdited).
    connect(edit, &QLineEdit::textChanged, this, [this, name](const QString& text) {
        if (!syncing_)
            form_->setText(name, text.toStdString());
    });
    return edit;
}

QWidget* GeneratorWindow::buildControl(QWidget* parent, const Control& c, const std::string& spoken) {
    QWidget* w = nullptr;
    const std::string name = c.name;
    switch (c.kind) {
    case ControlKind::Field:
        w = buildField(parent, c);
        break;
    case ControlKind::List: {
        auto* combo = new QComboBox(parent);
        int longest = 4;
        for (const std::string& e : c.entries) {
            combo->addItem(q(e));
            longest = std::max(longest, static_cast<int>(q(e).size()) * 2); // CJK text is two columns wide
        }
        combo->setMinimumContentsLength(longest);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        combo->setCurrentIndex(-1);
        connect(combo, QOverload<int>::of(&QComboBox::activated), this, [this, name](int index) {
            if (!syncing_)
                form_->pick(name, index);
        });
        w = combo;
        break;
    }
    case ControlKind::Radio: {
        auto* button = new QRadioButton(q(c.caption), parent);
        button->setAutoExclusive(false); // the form keeps each group exclusive
        // Any toggle the window did not make itself is a choice: a click (also on the chosen one,
        // which runs its handler again), the keyboard, or the accessibility bridge's toggle, which
        // emits no clicked(). The form then puts the button back as it keeps it.
        connect(button, &QRadioButton::toggled, this, [this, name] {
            if (syncing_)
                return;
            form_->choose(name);
            refresh(name);
        });
        w = button;
        break;
    }
    case ControlKind::Label: {
        auto* text = new QLabel(q(c.caption), parent);
        text->setWordWrap(true);
        text->setTextFormat(Qt::PlainText);
        // A note takes the width its line leaves and wraps only where that runs out, never into a
        // column of a few characters.
        const QFontMetrics metrics = text->fontMetrics();
        const int whole = metrics.horizontalAdvance(text->text()) + 1;
        text->setMinimumWidth(std::min(whole, kTextMost * metrics.horizontalAdvance(kWideCharacter)));
        text->setMaximumWidth(whole);
        QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        policy.setHorizontalStretch(kTextShare);
        policy.setHeightForWidth(true);
        text->setSizePolicy(policy);
        w = text;
        break;
    }
    case ControlKind::Picture: {
        auto* box = new PictureBox(pictureBoxSize(c, form_->module().width), parent);
        loadPicture(box, c.text, false);
        loadPicture(box, c.hover, true);
        samples_.push_back(box);
        w = box;
        break;
    }
    case ControlKind::CodeBox:
        break;
    }
    if (!w)
        return w;
    if (!c.colour.empty())
        w->setStyleSheet(QStringLiteral("color: %1;").arg(q(c.colour)));
    if (c.kind == ControlKind::Field || c.kind == ControlKind::List)
        w->setAccessibleName(q(spoken));
    if (w->focusPolicy() & Qt::TabFocus)
        tabOrder_.push_back(w);
    w->setObjectName(q(name));
    widgets_.insert(w->objectName(), w);
    return w;
}

QPushButton* GeneratorWindow::buildButton(QWidget* parent, const Button& b) {
    auto* button = new QPushButton(q(b.caption), parent);
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
    tabOrder_.push_back(button);
    return button;
}

QWidget* GeneratorWindow::buildButtons(QWidget* parent) {
    auto* box = new QWidget(parent);
    box->setObjectName(QStringLiteral("buttons"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(kSpacing);
    const std::vector<Button>& all = form_->module().buttons;
    // Two rows, so that the code box keeps most of the window's width and the settings its height.
    const int columns = std::max<int>(1, (static_cast<int>(all.size()) + 1) / 2);
    for (std::size_t i = 0; i < all.size(); ++i) {
        QPushButton* button = buildButton(box, all[i]);
        button->setMinimumWidth(88);
        grid->addWidget(button, static_cast<int>(i) / columns, static_cast<int>(i) % columns);
    }
    return box;
}

void GeneratorWindow::loadPicture(PictureBox* box, const std::string& path, bool hover) {
    if (path.empty())
        return;
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
        if (code_->toPlainText() != text) {
            codeShown();
            code_->setPlainText(text);
        }
    }
    syncing_ = false;
}

void GeneratorWindow::codeShown() {
    if (code_->property("holdsCode").toBool())
        return;
    // The skin gives the box its monospace face now (see the skin).
    code_->setProperty("holdsCode", true);
    code_->style()->unpolish(code_);
    code_->style()->polish(code_);
}

void GeneratorWindow::codeEdited() {
    if (syncing_)
        return;
    codeShown();
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

void GeneratorWindow::reject() {
    close();
}

} // namespace ornavo::ui
