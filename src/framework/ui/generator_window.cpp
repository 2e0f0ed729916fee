#include "generator_window.h"

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
#include <QTabWidget>
#include <QVBoxLayout>

namespace ornavo::ui {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }

// The code box shows line breaks as the editor does; the form keeps the CR LF the markup carries.
QString forDisplay(const std::string& code) { return q(code).replace(QLatin1String("\r\n"), QLatin1String("\n")); }
std::string fromDisplay(const QString& text) {
    QString t = text;
    return t.replace(QLatin1Char('\n'), QLatin1String("\r\n")).toStdString();
}

constexpr int kPictureHeight = 110;

// A sample picture; one with a hover picture shows that one while the pointer is over it.
class SamplePicture : public QLabel {
public:
    void setPicture(const QPixmap& pixmap, bool hover) {
        (hover ? hover_ : normal_) = pixmap;
        show();
    }
    bool showsHover() const { return under_ && !hover_.isNull(); }

protected:
    void enterEvent(QEnterEvent* event) override {
        under_ = true;
        show();
        QLabel::enterEvent(event);
    }
    void leaveEvent(QEvent* event) override {
        under_ = false;
        show();
        QLabel::leaveEvent(event);
    }

private:
    void show() { setPixmap(showsHover() ? hover_ : normal_); }
    QPixmap normal_, hover_;
    bool under_ = false;
};
} // namespace

GeneratorWindow::GeneratorWindow(const ModuleSpec& module, WindowVariables& variables, Prompter& prompter,
                                 WindowHost& host, QWidget* parent)
    : QDialog(parent), form_(std::make_unique<Form>(module, variables, prompter, host)) {
    setWindowTitle(q(module.caption));
    setObjectName(q(module.key));
    setFixedSize(module.width, module.height);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);

    auto* settings = new QWidget;
    auto* settingsLayout = new QVBoxLayout(settings);
    settingsLayout->setContentsMargins(4, 4, 4, 4);
    for (const Section& section : module.sections)
        settingsLayout->addWidget(buildSection(section));
    settingsLayout->addStretch(1);

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

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(code_, 1);
    bottom->addWidget(buildButtons());

    auto* bottomBox = new QWidget;
    bottomBox->setLayout(bottom);
    bottomBox->setFixedHeight(std::max(170, module.height / 3));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(scroll, 1);
    layout->addWidget(bottomBox);

    form_->setChangeListener([this](const std::string& name) { refresh(name); });

    // Centre on the screen, then move to the window's own top position where it has one.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center().x() - module.width / 2, module.top ? *module.top : area.center().y() - module.height / 2);
    }
}

GeneratorWindow::~GeneratorWindow() = default;

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
            buildLine(layout, *l);
        else if (const auto* t = std::get_if<Table>(&item.content))
            buildTable(layout, *t);
        else
            layout->addWidget(buildTabs(std::get<TabControl>(item.content)));
    }
}

void GeneratorWindow::buildLine(QVBoxLayout* layout, const Line& line) {
    auto* row = new QHBoxLayout;
    bool stretches = false;
    const bool alone = line.elements.size() == 1;
    for (const Element& e : line.elements) {
        if (const auto* b = std::get_if<Button>(&e)) {
            row->addWidget(buildButton(*b));
            continue;
        }
        const Control& c = std::get<Control>(e);
        if (!c.caption.empty() && c.kind != ControlKind::Radio && c.kind != ControlKind::Label)
            row->addWidget(new QLabel(q(c.caption)));
        QWidget* w = buildControl(c);
        // A lone label or field takes the whole row; side by side, controls keep their size.
        const bool wide = alone && (c.kind == ControlKind::Label || (c.kind == ControlKind::Field && c.columns == 0));
        row->addWidget(w, wide ? 1 : 0);
        stretches = stretches || wide;
        if (!c.suffix.empty())
            row->addWidget(new QLabel(q(c.suffix)));
    }
    if (!stretches)
        row->addStretch(1);
    layout->addLayout(row);
}

void GeneratorWindow::buildTable(QVBoxLayout* layout, const Table& t) {
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(q(t.numberCaption)), 0, 0);
    for (std::size_t col = 0; col < t.columns.size(); ++col)
        grid->addWidget(new QLabel(q(t.columns[col])), 0, static_cast<int>(col) + 1);
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        const TableRow& row = t.rows[r];
        grid->addWidget(new QLabel(q(row.label)), static_cast<int>(r) + 1, 0);
        for (std::size_t col = 0; col < row.cells.size(); ++col)
            grid->addWidget(buildControl(row.cells[col]), static_cast<int>(r) + 1, static_cast<int>(col) + 1);
    }
    layout->addLayout(grid);
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
        if (c.columns > 0)
            edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * c.columns + 12);
        else
            edit->setMinimumWidth(80);
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
        w = text;
        break;
    }
    case ControlKind::Picture: {
        auto* pictureLabel = new SamplePicture;
        pictureLabel->setFixedHeight(kPictureHeight);
        pictureLabel->setAlignment(Qt::AlignCenter);
        loadPicture(pictureLabel, c.text, false);
        loadPicture(pictureLabel, c.hover, true);
        w = pictureLabel;
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
        form_->press(name);
        if (form_->isClosed())
            done(QDialog::Accepted);
    });
    return button;
}

QWidget* GeneratorWindow::buildButtons() {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const Button& b : form_->module().buttons) {
        QPushButton* button = buildButton(b);
        button->setMinimumWidth(120);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    return box;
}

void GeneratorWindow::loadPicture(QWidget* target, const std::string& path, bool hover) {
    if (path.empty())
        return;
    auto* label = static_cast<SamplePicture*>(target);
    auto show = [label, hover](const QByteArray& bytes) {
        QPixmap pixmap;
        if (pixmap.loadFromData(bytes))
            label->setPicture(pixmap.scaledToHeight(kPictureHeight, Qt::SmoothTransformation), hover);
    };
    // Samples are built into the program; only a picture marked remote comes from the maker's site,
    // through the bounded fetch, and fills the label when it arrives (never after the window is gone).
    const SamplePictureSource source = samplePictureSource(path);
    if (source.remote) {
        net::fetchBytes(makerServer() + source.path, label, show);
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
    if (form_->isClosed() || form_->requestClose())
        event->accept();
    else
        event->ignore();
}

void GeneratorWindow::reject() { close(); }

} // namespace ornavo::ui
