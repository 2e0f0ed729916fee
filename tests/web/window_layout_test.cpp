// Every module window at its specified size, with the program's skin and fonts, one row per window:
// every field, list, radio button, tab, button and caption lies whole in sight (reaching it by
// scrolling is not enough), nothing scrolls sideways and no two controls overlap; every field carries a
// name a screen reader can say; the tab key walks the controls in the order they are read; a bar that
// takes room at the top is absorbed by the samples; an enlarged window gives its width to the addresses.

#include "app/skin.h"
#include "framework/ui/desktop_host.h"
#include "framework/ui/generator_window.h"
#include "framework/ui/picture_box.h"
#include "support/offscreen_desktop.h"
#include "support/test_support.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <functional>
#include <map>
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

bool isField(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w);
}

bool isLeaf(const QWidget* w) {
    if (qobject_cast<const QComboBox*>(w->parentWidget()))
        return false; // a list's own parts belong to it
    return isField(w) || qobject_cast<const QPushButton*>(w) || qobject_cast<const QRadioButton*>(w) ||
           (qobject_cast<const QLabel*>(w) && !w->objectName().startsWith(QLatin1String("qt_")));
}

std::string nameOf(const QWidget* w) {
    if (!w->objectName().isEmpty())
        return w->objectName().toStdString();
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return "label \"" + label->text().toStdString() + "\"";
    return w->metaObject()->className();
}

QRect inWindow(const QWidget* w, const QRect& r) {
    return QRect(w->mapTo(w->window(), r.topLeft()), r.size());
}

// The part of the widget the user can see: its rectangle cut by every widget around it (a scroll
// area's view, a frame, the window).
QRect seen(const QWidget* w) {
    QRect r = inWindow(w, w->rect());
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        r &= inWindow(p, p->rect());
    return r;
}

// The controls in sight now: visible up to the window.
std::vector<QWidget*> leavesShown(QWidget* window) {
    std::vector<QWidget*> out;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (isLeaf(w) && w->isVisibleTo(window))
            out.push_back(w);
    return out;
}

std::string accessibleName(QWidget* w) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name).toStdString() : std::string();
}

// The framed area a control stands in, which a screen reader names with it.
std::string frameOf(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (const auto* box = qobject_cast<const QGroupBox*>(p))
            return box->title().toStdString();
    return {};
}

class EveryWindowLayout : public ::testing::TestWithParam<std::string> {
  protected:
    void SetUp() override {
        module_ = moduleRegistry().byKey(GetParam());
        window_ = std::make_unique<ui::GeneratorWindow>(*module_, vars_, prompter_, host_);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        settle();
    }
    static void settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    // Runs the check once for every page of every tab control, each shown in turn.
    void onEveryPage(const std::function<void(const std::string&)>& check) {
        check(GetParam());
        for (QTabWidget* tabs : window_->findChildren<QTabWidget*>()) {
            for (int page = 0; page < tabs->count(); ++page) {
                tabs->setCurrentIndex(page);
                settle();
                check(GetParam() + " " + tabs->tabText(page).toStdString());
            }
            tabs->setCurrentIndex(0);
            settle();
        }
    }
    void expectAllInSight(const std::string& where) {
        for (QWidget* w : leavesShown(window_.get())) {
            const QRect whole = inWindow(w, w->rect());
            EXPECT_EQ(seen(w), whole) << where << ": " << nameOf(w) << " is not wholly in sight";
            // Never below the least size it is given, or else the size its face needs.
            const QSize least(w->minimumWidth() > 0 ? w->minimumWidth() : w->minimumSizeHint().width(),
                              w->minimumHeight() > 0 ? w->minimumHeight() : w->minimumSizeHint().height());
            EXPECT_GE(w->width(), least.width()) << where << ": " << nameOf(w) << " is squeezed";
            EXPECT_GE(w->height(), least.height()) << where << ": " << nameOf(w) << " is squeezed";
            auto* label = qobject_cast<QLabel*>(w);
            if (label && label->property("role").toString() != QLatin1String("sample")) {
                const QFontMetrics metrics = label->fontMetrics();
                if (label->wordWrap()) {
                    EXPECT_GE(label->height(), label->heightForWidth(label->width()))
                        << where << ": " << nameOf(w);
                    // A note may wrap, but never into a column a few characters wide.
                    const int line = std::min(metrics.horizontalAdvance(label->text()),
                                              8 * metrics.horizontalAdvance(QChar(0x4e2d)));
                    EXPECT_GE(label->contentsRect().width(), line)
                        << where << ": " << nameOf(w) << " is a narrow column";
                } else {
                    EXPECT_GE(label->width(), label->sizeHint().width())
                        << where << ": " << nameOf(w) << " cuts its text";
                }
            }
        }
        for (QTabBar* bar : window_->findChildren<QTabBar*>()) {
            if (!bar->isVisibleTo(window_.get()))
                continue;
            for (int i = 0; i < bar->count(); ++i)
                EXPECT_TRUE(seen(bar).contains(inWindow(bar, bar->tabRect(i))))
                    << where << ": tab " << bar->tabText(i).toStdString() << " is not wholly in sight";
        }
        for (QAbstractScrollArea* area : window_->findChildren<QAbstractScrollArea*>())
            EXPECT_FALSE(area->horizontalScrollBar()->isVisibleTo(window_.get()))
                << where << ": " << nameOf(area) << " scrolls sideways";
        const auto leaves = leavesShown(window_.get());
        for (std::size_t i = 0; i < leaves.size(); ++i)
            for (std::size_t j = i + 1; j < leaves.size(); ++j) {
                if (leaves[i]->isAncestorOf(leaves[j]) || leaves[j]->isAncestorOf(leaves[i]))
                    continue;
                EXPECT_FALSE(
                    inWindow(leaves[i], leaves[i]->rect()).intersects(inWindow(leaves[j], leaves[j]->rect())))
                    << where << ": " << nameOf(leaves[i]) << " and " << nameOf(leaves[j]) << " overlap";
            }
    }
    // Every sample box, by name, with its height.
    std::map<std::string, int> sampleHeights() {
        std::map<std::string, int> heights;
        for (const Control* c : allControls(*module_))
            if (c->kind == ControlKind::Picture)
                if (auto* box = window_->findChild<QLabel*>(QString::fromStdString(c->name)))
                    heights[c->name] = box->height();
        return heights;
    }

    const ModuleSpec* module_ = nullptr;
    WindowVariables vars_;
    ScriptedPrompter prompter_;
    ui::DesktopHost host_;
    std::unique_ptr<ui::GeneratorWindow> window_;
};

} // namespace

TEST_P(EveryWindowLayout, EverythingWhollyInSightAtTheSpecifiedSize) {
    EXPECT_EQ(window_->size(), QSize(module_->width, module_->height));
    onEveryPage([this](const std::string& where) { expectAllInSight(where); });
    // Every described control and button is in the window.
    std::set<std::string> missing;
    for (const Control* c : allControls(*module_))
        if (!window_->findChild<QWidget*>(QString::fromStdString(c->name)))
            missing.insert(c->name);
    for (const Button* b : allButtons(*module_))
        if (!window_->findChild<QPushButton*>(QString::fromStdString(b->name)))
            missing.insert(b->name);
    EXPECT_TRUE(missing.empty()) << *missing.begin();
}

// A screen reader says each field's name: its caption, or its column's caption with its row; no two
// fields in sight in one framed area share a name.
TEST_P(EveryWindowLayout, EveryFieldHasAName) {
    onEveryPage([this](const std::string& where) {
        std::set<std::pair<std::string, std::string>> names;
        for (QWidget* w : leavesShown(window_.get())) {
            if (!isField(w))
                continue;
            const std::string name = accessibleName(w);
            EXPECT_FALSE(name.empty()) << where << ": " << nameOf(w) << " has no name";
            EXPECT_TRUE(names.insert({frameOf(w), name}).second)
                << where << ": " << nameOf(w) << " shares its name \"" << name << "\" with another field";
        }
    });
}

// A list says its caption as its name whichever entry is picked, and the picked entry as its value.
TEST_P(EveryWindowLayout, AListKeepsItsNameOnceAnEntryIsPicked) {
    for (QComboBox* list : window_->findChildren<QComboBox*>()) {
        if (list->count() == 0 || list->objectName().isEmpty())
            continue;
        const std::string before = accessibleName(list);
        EXPECT_FALSE(before.empty()) << nameOf(list);
        window_->form().pick(list->objectName().toStdString(), list->count() - 1);
        EXPECT_EQ(accessibleName(list), before) << nameOf(list) << " is named after its entry";
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(list);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->text(QAccessible::Value), list->itemText(list->count() - 1)) << nameOf(list);
        EXPECT_EQ(face->role(), QAccessible::ComboBox) << nameOf(list);
    }
}

// The tab key moves on to the right along a line, then down, or up into a column further right; it
// never goes back left along a line nor up within a column.
TEST_P(EveryWindowLayout, TabOrderFollowsTheVisualOrder) {
    onEveryPage([this](const std::string& where) {
        std::vector<QWidget*> chain;
        std::set<QWidget*> seenOnce;
        for (QWidget* w = window_->nextInFocusChain(); w && w != window_.get(); w = w->nextInFocusChain()) {
            if (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() || !w->isEnabled() ||
                !w->isVisibleTo(window_.get()))
                continue;
            if (!seenOnce.insert(w).second)
                break;
            chain.push_back(w);
        }
        std::size_t reachable = 0;
        for (QWidget* w : leavesShown(window_.get()))
            reachable += (w->focusPolicy() & Qt::TabFocus) ? 1 : 0;
        EXPECT_GE(chain.size(), reachable) << where;
        for (std::size_t i = 1; i < chain.size(); ++i) {
            const QRect a = inWindow(chain[i - 1], chain[i - 1]->rect());
            const QRect b = inWindow(chain[i], chain[i]->rect());
            const int overlap = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top());
            const bool sameLine = overlap >= std::min(a.height(), b.height()) / 2;
            const bool right = b.left() >= a.right() - 2;
            const bool above = b.bottom() <= a.top() + 2;
            const bool ok = sameLine ? right : !above || right;
            EXPECT_TRUE(ok) << where << ": the tab key goes from " << nameOf(chain[i - 1]) << " back to "
                            << nameOf(chain[i]);
        }
    });
}

// A bar that appears at the top of the window (a notice) takes its room from the samples: every
// control stays in sight.
TEST_P(EveryWindowLayout, ABarAtTheTopIsAbsorbedByTheSamples) {
    const auto before = sampleHeights();
    auto* layout = qobject_cast<QVBoxLayout*>(window_->layout());
    ASSERT_NE(layout, nullptr);
    auto* bar = new QWidget;
    bar->setFixedHeight(30);
    layout->insertWidget(0, bar);
    settle();
    expectAllInSight(GetParam() + " with a bar");
    for (const auto& [name, height] : sampleHeights())
        EXPECT_LE(height, before.at(name)) << name;
    // Gone again, the samples take their room back.
    delete bar;
    settle();
    EXPECT_EQ(sampleHeights(), before);
}

// Samples become smaller only as far as the settings need: a sample below its described size leaves
// the settings no room to spare.
TEST_P(EveryWindowLayout, SamplesShrinkOnlyAsFarAsNeeded) {
    auto* scroll = window_->findChild<QScrollArea*>(QStringLiteral("settingsArea"));
    ASSERT_NE(scroll, nullptr);
    QWidget* content = scroll->widget();
    for (auto* box : window_->findChildren<ui::PictureBox*>()) {
        const QSize natural = box->naturalSize();
        EXPECT_LE(box->width(), natural.width());
        EXPECT_LE(box->height(), natural.height());
        if (box->height() < natural.height() - 2) {
            const int need = content->hasHeightForWidth()
                                 ? content->heightForWidth(scroll->viewport()->width())
                                 : content->minimumSizeHint().height();
            EXPECT_GE(need, scroll->viewport()->height() - 8) << nameOf(box) << " shrank more than needed";
        }
    }
}

// A wider window gives its width to the address fields; short fields (numbers, sizes, colours) keep
// theirs. A higher one gives room to the code box. The window never goes below its size.
TEST_P(EveryWindowLayout, AnEnlargedWindowGivesItsWidthToTheAddresses) {
    auto* code = window_->findChild<QPlainTextEdit*>(QString::fromStdString(module_->codeBox.name));
    ASSERT_NE(code, nullptr);
    const QSize codeBefore = code->size();
    std::map<const Control*, int> before; // the fields in sight (those on the first page of a tab control)
    for (const Control* c : allControls(*module_))
        if (auto* edit = window_->findChild<QLineEdit*>(QString::fromStdString(c->name));
            edit && edit->isVisibleTo(window_.get()))
            before[c] = edit->width();

    window_->resize(module_->width + 600, module_->height + 150);
    settle();
    EXPECT_GT(code->width(), codeBefore.width());
    EXPECT_GT(code->height(), codeBefore.height());
    for (const auto& [c, width] : before) {
        auto* edit = window_->findChild<QLineEdit*>(QString::fromStdString(c->name));
        if (contentOf(*c) == FieldContent::Address) {
            EXPECT_GT(edit->width(), width + 20) << c->name;
        } else if (contentOf(*c) == FieldContent::Short) {
            EXPECT_EQ(edit->width(), width) << c->name;
        }
    }
    EXPECT_EQ(window_->minimumSize(), QSize(module_->width, module_->height));
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryWindowLayout, ::testing::ValuesIn(allKeys()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

int main(int argc, char** argv) {
    ornavo::testing::useOffscreenDesktop();
    QApplication app(argc, argv);
    app::applySkin(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
