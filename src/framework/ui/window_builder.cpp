#include "window_builder.h"

#include "code_edit.h"

#include "field_edit.h"
#include "flow_line.h"
#include "list_box.h"
#include "picture_box.h"
#include "return_presses.h"
#include "width_policy.h"

#include "framework/model/constants.h"
#include "framework/model/sample_picture.h"

#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace ornavo::ui {

using namespace width;

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
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

QVBoxLayout* columnLayout(QWidget* widget) {
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kSpacing);
    return layout;
}

} // namespace

WindowBuilder::WindowBuilder(const ModuleSpec& module, PictureFetch fetch)
    : module_(module), fetch_(std::move(fetch)) {}

BuiltWindow WindowBuilder::build(QDialog* window) {
    built_ = BuiltWindow();
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(kSpacing, kSpacing, kSpacing, kSpacing);
    layout->setSpacing(kSpacing);

    // The settings show whole at the window's size; should a larger face ever need more room, they
    // scroll up and down, never sideways.
    auto* scroll = new QScrollArea(window);
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
    for (const Section& section : module_.sections) {
        // A portrait sample stands at the left of everything else when the settings keep room enough.
        const Control* picture = lonePicture(section);
        if (!besideColumn && picture && picture->boxHeight > picture->boxWidth &&
            module_.width - kSideRoom - picture->boxWidth >= kSettingsBesideSample) {
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

    built_.bottom = new QWidget(window);
    built_.bottom->setObjectName(QStringLiteral("codeArea"));
    built_.code = new CodeEdit(built_.bottom);
    built_.code->setObjectName(q(module_.codeBox.name));
    built_.code->setAccessibleName(q(spokenName(module_.codeBox)));
    built_.code->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    built_.code->setProperty("role", QStringLiteral("code"));
    // The tab key leaves the box, as it leaves every other control: a TAB in the code comes from the
    // generator or the clipboard, never from moving through the window.
    built_.code->setTabChangesFocus(true);
    built_.tabOrder.push_back(built_.code);

    QWidget* buttons = buildButtons(built_.bottom);
    auto* bottom = new QHBoxLayout(built_.bottom);
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->setSpacing(kSpacing);
    bottom->addWidget(built_.code, 1);
    bottom->addWidget(buttons, 0, Qt::AlignTop);
    const int bottomLeast = std::max(kCodeBoxHeight, buttons->sizeHint().height());
    built_.bottom->setFixedHeight(bottomLeast);
    layout->addWidget(built_.bottom);

    // The tab key visits the controls in the order they are read.
    for (std::size_t i = 1; i < built_.tabOrder.size(); ++i)
        QWidget::setTabOrder(built_.tabOrder[i - 1], built_.tabOrder[i]);
    built_.settingsArea = scroll;
    built_.bottomLeast = bottomLeast;

    return std::move(built_);
}

QWidget* WindowBuilder::buildSection(QWidget* parent, const Section& section, bool nested) {
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

void WindowBuilder::buildItems(QVBoxLayout* layout, const std::vector<Item>& items) {
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

QWidget* WindowBuilder::buildUnit(QWidget* parent, const Control& c, const std::string& spoken,
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

QWidget* WindowBuilder::buildLine(QWidget* parent, const std::vector<Element>& elements, bool wraps) {
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

QWidget* WindowBuilder::buildTable(QWidget* parent, const Table& t) {
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

QWidget* WindowBuilder::buildTabs(QWidget* parent, const TabControl& tabs) {
    auto* widget = new QTabWidget(parent);
    widget->setObjectName(q(tabs.name));
    widget->setUsesScrollButtons(false);
    built_.tabOrder.push_back(widget->tabBar());
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

QWidget* WindowBuilder::buildPanels(QWidget* parent, const Panels& p) {
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

QWidget* WindowBuilder::buildField(QWidget* parent, const Control& c) {
    auto* edit = new FieldEdit(q(c.text), parent);
    edit->setCursorPosition(0); // long addresses show their beginning
    // The whole text, also where the field shows only part of it.
    edit->setToolTip(edit->text());
    QObject::connect(edit, &QLineEdit::textChanged, edit, &QLineEdit::setToolTip);
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
    return edit;
}

QWidget* WindowBuilder::buildControl(QWidget* parent, const Control& c, const std::string& spoken) {
    QWidget* w = nullptr;
    const std::string name = c.name;
    switch (c.kind) {
    case ControlKind::Field:
        w = buildField(parent, c);
        break;
    case ControlKind::List: {
        auto* combo = new ListBox(parent);
        int longest = 4;
        for (const std::string& e : c.entries) {
            combo->addItem(q(e));
            longest = std::max(longest, static_cast<int>(q(e).size()) * 2); // CJK text is two columns wide
        }
        combo->setMinimumContentsLength(longest);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        combo->setCurrentIndex(-1);
        w = combo;
        break;
    }
    case ControlKind::Radio: {
        auto* button = new QRadioButton(q(c.caption), parent);
        button->setAutoExclusive(false); // the form keeps each group exclusive
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
        auto* box = new PictureBox(pictureBoxSize(c, module_.width), parent);
        loadPicture(box, c.text, false);
        loadPicture(box, c.hover, true);
        built_.samples.push_back(box);
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
        built_.tabOrder.push_back(w);
    w->setObjectName(q(name));
    built_.controls[name] = w;
    return w;
}

QPushButton* WindowBuilder::buildButton(QWidget* parent, const Button& b) {
    auto* button = new QPushButton(q(b.caption), parent);
    button->setObjectName(q(b.name));
    button->setAutoDefault(false); // no default button: Return in a field presses nothing
    pressOnReturn(button);
    if (b.action == Action::Generate)
        button->setProperty("role", QStringLiteral("generate"));
    built_.buttons.emplace_back(&b, button);
    built_.tabOrder.push_back(button);
    return button;
}

QWidget* WindowBuilder::buildButtons(QWidget* parent) {
    auto* box = new QWidget(parent);
    box->setObjectName(QStringLiteral("buttons"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(kSpacing);
    const std::vector<Button>& all = module_.buttons;
    // Two rows, so that the code box keeps most of the window's width and the settings its height.
    const int columns = std::max<int>(1, (static_cast<int>(all.size()) + 1) / 2);
    for (std::size_t i = 0; i < all.size(); ++i) {
        QPushButton* button = buildButton(box, all[i]);
        button->setMinimumWidth(kButtonWidth);
        grid->addWidget(button, static_cast<int>(i) / columns, static_cast<int>(i) % columns);
    }
    return box;
}

void WindowBuilder::loadPicture(PictureBox* box, const std::string& path, bool hover) {
    if (path.empty())
        return;
    auto show = [box, hover](const QByteArray& bytes) { box->setPicture(bytes, hover); };
    // Samples are built into the program; only a picture marked remote comes from the maker's site,
    // through the fetch handed in, and fills the box when it arrives (never after the window is gone).
    const SamplePictureSource source = samplePictureSource(path);
    if (source.remote) {
        if (fetch_)
            fetch_(makerServer() + source.path, box, show);
        return;
    }
    QFile builtIn(QLatin1Char(':') + q(source.path));
    if (builtIn.open(QIODevice::ReadOnly))
        show(builtIn.readAll());
}

} // namespace ornavo::ui
