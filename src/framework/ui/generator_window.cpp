#include "generator_window.h"

#include "framework/constants.h"
#include "framework/sample_picture.h"
#include "net/http_fetch.h"

#include <QApplication>
#include <QClipboard>
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
#include <QVBoxLayout>

namespace ornavo::ui {

namespace {
GeneratorWindow::PreviewHandler previewHandler;
GeneratorWindow::ColourTableHandler colourTableHandler;

QString q(const std::string& s) { return QString::fromStdString(s); }

// The code box shows line breaks as the editor does; the form keeps the CR LF the markup carries.
QString forDisplay(const std::string& code) { return q(code).replace(QLatin1String("\r\n"), QLatin1String("\n")); }
std::string fromDisplay(const QString& text) {
    QString t = text;
    return t.replace(QLatin1Char('\n'), QLatin1String("\r\n")).toStdString();
}

constexpr int kPictureHeight = 110;
} // namespace

void GeneratorWindow::setPreviewHandler(PreviewHandler handler) { previewHandler = std::move(handler); }
void GeneratorWindow::setColourTableHandler(ColourTableHandler handler) {
    colourTableHandler = std::move(handler);
}

GeneratorWindow::GeneratorWindow(const ModuleSpec& module, WindowVariables& variables, Prompter& prompter,
                                 QWidget* parent)
    : QDialog(parent), form_(std::make_unique<Form>(module, variables, prompter, *this)) {
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
    for (const Item& item : section.items) {
        if (item.line) {
            auto* row = new QHBoxLayout;
            bool stretches = false;
            for (const Control& c : item.line->controls) {
                if (!c.caption.empty() && c.kind != ControlKind::Radio && c.kind != ControlKind::Label)
                    row->addWidget(new QLabel(q(c.caption)));
                QWidget* w = buildControl(c);
                // A lone label or field takes the whole row; side by side, controls keep their size.
                const bool alone = item.line->controls.size() == 1;
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
        if (item.table) {
            const Table& t = *item.table;
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
    }
    return box;
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
        auto* pictureLabel = new QLabel;
        pictureLabel->setFixedHeight(kPictureHeight);
        pictureLabel->setAlignment(Qt::AlignCenter);
        loadPicture(pictureLabel, c.text);
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

QWidget* GeneratorWindow::buildButtons() {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const Button& b : form_->module().buttons) {
        auto* button = new QPushButton(q(b.caption));
        button->setObjectName(q(b.name));
        button->setAutoDefault(false);
        button->setMinimumWidth(120);
        if (b.action == Action::Generate)
            button->setProperty("role", QStringLiteral("generate"));
        const std::string name = b.name;
        connect(button, &QPushButton::clicked, this, [this, name] {
            form_->press(name);
            if (form_->isClosed())
                done(QDialog::Accepted);
        });
        layout->addWidget(button);
    }
    layout->addStretch(1);
    return box;
}

void GeneratorWindow::loadPicture(QWidget* target, const std::string& path) {
    if (path.empty())
        return;
    auto* label = static_cast<QLabel*>(target);
    auto show = [label](const QByteArray& bytes) {
        QPixmap pixmap;
        if (pixmap.loadFromData(bytes))
            label->setPixmap(pixmap.scaledToHeight(kPictureHeight, Qt::SmoothTransformation));
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

void GeneratorWindow::putOnClipboard(const std::string& text) {
    QGuiApplication::clipboard()->setText(q(text));
}

void GeneratorWindow::showPreview(const std::string& code) {
    if (previewHandler)
        previewHandler(code);
}

void GeneratorWindow::openColourTable() {
    if (colourTableHandler)
        colourTableHandler();
}

} // namespace ornavo::ui
