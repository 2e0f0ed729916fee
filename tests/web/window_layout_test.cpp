// Every module window at its specified size, with the program's skin, one row per window: every
// control lies whole in the window or in the settings area, which scrolls to it; no two controls
// overlap; nothing is squeezed below the size it needs; address fields show forty characters; and an
// enlarged window gives its fields and its code box the extra room.

#include "app/skin.h"
#include "framework/ui/desktop_host.h"
#include "framework/ui/generator_window.h"
#include "support/test_support.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

using namespace ornavo;
using namespace ornavo::testing;

namespace {

std::vector<std::string> allKeys() {
    std::vector<std::string> keys;
    for (const ModuleSpec& m : moduleRegistry().all())
        keys.push_back(m.key);
    return keys;
}

bool isLeaf(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QPushButton*>(w) || qobject_cast<const QRadioButton*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) ||
           (qobject_cast<const QLabel*>(w) && !w->objectName().startsWith(QLatin1String("qt_")));
}

// Whether the widget shows now: it and every parent up to the window are visible.
bool showing(const QWidget* w) { return w->isVisibleTo(w->window()); }

// The leaf widgets that show, inside `container`, with their rectangles in its coordinates.
std::vector<std::pair<QWidget*, QRect>> leavesIn(QWidget* container) {
    std::vector<std::pair<QWidget*, QRect>> out;
    for (QWidget* w : container->findChildren<QWidget*>()) {
        if (!isLeaf(w) || !showing(w))
            continue;
        // The combo box's own line edit and similar parts belong to their control.
        if (qobject_cast<QComboBox*>(w->parentWidget()))
            continue;
        out.emplace_back(w, QRect(w->mapTo(container, QPoint(0, 0)), w->size()));
    }
    return out;
}

std::string nameOf(const QWidget* w) {
    if (!w->objectName().isEmpty())
        return w->objectName().toStdString();
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return "label \"" + label->text().toStdString() + "\"";
    return w->metaObject()->className();
}

// Whole and at least as large as it needs to be.
void expectWhole(QWidget* w, const QRect& at, const QRect& room, const std::string& where) {
    EXPECT_TRUE(room.contains(at)) << where << ": " << nameOf(w) << " lies outside";
    const QSize need = w->minimumSizeHint();
    EXPECT_GE(w->width(), need.width()) << where << ": " << nameOf(w) << " is narrower than it needs";
    EXPECT_GE(w->height(), need.height()) << where << ": " << nameOf(w) << " is lower than it needs";
    if (auto* label = qobject_cast<QLabel*>(w); label && label->pixmap().isNull()) {
        const int height = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
        EXPECT_GE(label->height(), height) << where << ": " << nameOf(w) << " cuts its text";
        if (!label->wordWrap()) {
            EXPECT_GE(label->width(), label->sizeHint().width()) << where << ": " << nameOf(w) << " cuts its text";
        }
    }
}

void expectApart(const std::vector<std::pair<QWidget*, QRect>>& leaves, const std::string& where) {
    for (std::size_t i = 0; i < leaves.size(); ++i)
        for (std::size_t j = i + 1; j < leaves.size(); ++j) {
            // A control inside another (a picture box's label) is not an overlap.
            if (leaves[i].first->isAncestorOf(leaves[j].first) || leaves[j].first->isAncestorOf(leaves[i].first))
                continue;
            EXPECT_FALSE(leaves[i].second.intersects(leaves[j].second))
                << where << ": " << nameOf(leaves[i].first) << " and " << nameOf(leaves[j].first) << " overlap";
        }
}

class EveryWindowLayout : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        module_ = moduleRegistry().byKey(GetParam());
        window_ = std::make_unique<ui::GeneratorWindow>(*module_, vars_, prompter_, host_);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        QApplication::processEvents();
    }
    // Checks the window as it stands: the settings area's content and the code area.
    void checkAsShown(const std::string& where) {
        auto* scroll = window_->findChild<QScrollArea*>(QStringLiteral("settingsArea"));
        ASSERT_NE(scroll, nullptr);
        QWidget* content = scroll->widget();
        // The content may be larger than the view (it scrolls), never smaller than it needs.
        EXPECT_GE(content->width(), content->minimumSizeHint().width()) << where;
        const QRect contentRoom(QPoint(0, 0), content->size());
        const auto inside = leavesIn(content);
        for (const auto& [w, at] : inside) {
            // A control in a table that scrolls sideways lies in that table's own scrolled content.
            QWidget* room = content;
            for (QWidget* p = w->parentWidget(); p && p != content; p = p->parentWidget())
                if (auto* nested = qobject_cast<QScrollArea*>(p); nested && nested->widget()->isAncestorOf(w)) {
                    room = nested->widget();
                    break;
                }
            if (room == content)
                expectWhole(w, at, contentRoom, where);
            else
                expectWhole(w, QRect(w->mapTo(room, QPoint(0, 0)), w->size()), QRect(QPoint(0, 0), room->size()), where);
        }
        expectApart(inside, where);
        // The window's width holds everything but the tables that scroll sideways.
        EXPECT_LE(content->width(), scroll->viewport()->width()) << where << ": the settings scroll sideways";

        auto* codeArea = window_->findChild<QWidget*>(QStringLiteral("codeArea"));
        ASSERT_NE(codeArea, nullptr);
        const QRect windowRoom(QPoint(0, 0), window_->size());
        EXPECT_TRUE(windowRoom.contains(QRect(codeArea->mapTo(window_.get(), QPoint(0, 0)), codeArea->size())))
            << where << ": the code area lies outside the window";
        const auto below = leavesIn(codeArea);
        for (const auto& [w, at] : below)
            expectWhole(w, QRect(w->mapTo(window_.get(), QPoint(0, 0)), w->size()), windowRoom, where);
        expectApart(below, where);
    }

    const ModuleSpec* module_ = nullptr;
    WindowVariables vars_;
    ScriptedPrompter prompter_;
    ui::DesktopHost host_;
    std::unique_ptr<ui::GeneratorWindow> window_;
};

} // namespace

TEST_P(EveryWindowLayout, EveryControlWholeApartAndReachableAtTheSpecifiedSize) {
    EXPECT_EQ(window_->size(), QSize(module_->width, module_->height));
    checkAsShown(GetParam());
    // Each page of each tab control in turn.
    for (QTabWidget* tabs : window_->findChildren<QTabWidget*>()) {
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            QApplication::processEvents();
            checkAsShown(GetParam() + " " + tabs->tabText(page).toStdString());
        }
    }
    // Every named control is in the window (on some page), and every button too.
    std::set<std::string> missing;
    for (const Control* c : allControls(*module_))
        if (!window_->findChild<QWidget*>(QString::fromStdString(c->name)))
            missing.insert(c->name);
    for (const Button* b : allButtons(*module_))
        if (!window_->findChild<QPushButton*>(QString::fromStdString(b->name)))
            missing.insert(b->name);
    EXPECT_TRUE(missing.empty()) << *missing.begin();
}

TEST_P(EveryWindowLayout, AddressFieldsShowFortyCharacters) {
    for (const Control* c : allControls(*module_)) {
        if (!holdsAddress(*c))
            continue;
        auto* edit = window_->findChild<QLineEdit*>(QString::fromStdString(c->name));
        ASSERT_NE(edit, nullptr) << c->name;
        EXPECT_GE(edit->width(), ui::GeneratorWindow::addressFieldWidth(edit->fontMetrics())) << c->name;
    }
}

TEST_P(EveryWindowLayout, AnEnlargedWindowGrowsItsAddressFieldsAndCodeBoxAndNeverShrinksBelowItsSize) {
    auto* code = window_->findChild<QPlainTextEdit*>(QString::fromStdString(module_->codeBox.name));
    ASSERT_NE(code, nullptr);
    const QSize codeBefore = code->size();
    QLineEdit* field = nullptr;
    for (const Control* c : allControls(*module_))
        if (holdsAddress(*c) && !field)
            field = window_->findChild<QLineEdit*>(QString::fromStdString(c->name));
    const int fieldBefore = field ? field->width() : 0;

    // Wide enough for every window's widest table to have room to spare.
    window_->resize(module_->width + 900, module_->height + 150);
    QApplication::processEvents();
    EXPECT_GT(code->width(), codeBefore.width());
    EXPECT_GT(code->height(), codeBefore.height());
    if (field && field->isVisibleTo(window_.get())) {
        EXPECT_GT(field->width(), fieldBefore) << field->objectName().toStdString();
    }
    EXPECT_EQ(window_->minimumSize(), QSize(module_->width, module_->height));
}

// At the specified size the fields show without scrolling, the wide samples giving up room for them
// (down to 60 % of their size): a sample shrinks no more than the settings need, and only a window
// whose fields do not fit even then keeps its samples at that least size and scrolls.
TEST_P(EveryWindowLayout, FieldsShowWithoutScrollingWhereSmallerSamplesMakeRoom) {
    auto* scroll = window_->findChild<QScrollArea*>(QStringLiteral("settingsArea"));
    ASSERT_NE(scroll, nullptr);
    QWidget* content = scroll->widget();
    int lowestField = 0;
    for (const auto& [w, at] : leavesIn(content))
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QRadioButton*>(w))
            lowestField = std::max(lowestField, at.bottom() + 1);
    const int view = scroll->viewport()->height();
    const int need = content->hasHeightForWidth() ? content->heightForWidth(scroll->viewport()->width())
                                                  : content->minimumSizeHint().height();
    for (const Control* c : allControls(*module_)) {
        auto* box = window_->findChild<QLabel*>(QString::fromStdString(c->name));
        if (c->kind != ControlKind::Picture || !box)
            continue;
        const QSize described = ui::GeneratorWindow::pictureBoxSize(*c, module_->width);
        if (described.height() > described.width()) {
            EXPECT_EQ(box->size(), described) << c->name << ": a portrait sample keeps its size";
            continue;
        }
        const bool least = box->height() <= described.height() * 0.6 + 1;
        EXPECT_GE(box->height(), described.height() * 0.6 - 1) << c->name;
        if (lowestField > view) {
            EXPECT_TRUE(least) << c->name << ": fields scroll, yet the sample is " << box->height() << " high";
        }
        if (box->height() < described.height() - 1 && !least) {
            EXPECT_GE(need, view - 2) << c->name << ": the sample shrank more than the settings needed";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryWindowLayout, ::testing::ValuesIn(allKeys()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app::applySkin(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
