// The page board's model without a window: the order of its modules, undo and redo of every change,
// duplicates that get names of their own, hidden modules, what changed since it was copied, and a
// replay only of what changed.

#include "support/page_support.h"

#include "framework/model/page_board.h"
#include "framework/model/platform.h"

#include <gtest/gtest.h>

using namespace ornavo;
using namespace ornavo::testing;

namespace {

std::vector<std::string> keysOf(const Page& page) {
    std::vector<std::string> keys;
    for (const PageModule& m : page.modules)
        keys.push_back(m.key + (m.hidden ? "(hidden)" : "") +
                       (m.label == description(m.key).caption ? "" : ":" + m.label));
    return keys;
}

PageBoard boardOf(const std::vector<std::string>& keys) {
    PageBoard board(registry());
    for (const std::string& key : keys)
        EXPECT_TRUE(board.add(embeddedModule(description(key), settingsOf(key)))) << key;
    return board;
}

using Keys = std::vector<std::string>;

} // namespace

// Every change is one step back and forth, named for the user; a change that changes nothing is no
// step; a new change forgets what could be done again.
TEST(PageBoard, EveryChangeIsUndoneAndRedoneAsOneStep) {
    PageBoard board = boardOf({"F09", "F03", "F15", "F34"});
    ASSERT_EQ(keysOf(board.page()), (Keys{"F09", "F03", "F15", "F34"}));
    const struct {
        const char* name;
        std::function<bool(PageBoard&)> change;
        Keys after;
    } changes[] = {
        {"移动模块", [](PageBoard& b) { return b.move(3, 1); }, {"F09", "F34", "F03", "F15"}},
        {"隐藏模块", [](PageBoard& b) { return b.setHidden(2, true); }, {"F09", "F34", "F03(hidden)", "F15"}},
        {"重命名模块",
         [](PageBoard& b) { return b.setLabel(0, "店招"); },
         {"F09:店招", "F34", "F03(hidden)", "F15"}},
        {"复制模块",
         [](PageBoard& b) { return b.duplicate(3); },
         {"F09:店招", "F34", "F03(hidden)", "F15", "F15"}},
        {"删除模块", [](PageBoard& b) { return b.remove(1); }, {"F09:店招", "F03(hidden)", "F15", "F15"}},
    };
    std::vector<Keys> states = {keysOf(board.page())};
    for (const auto& c : changes) {
        ASSERT_TRUE(c.change(board)) << c.name;
        EXPECT_EQ(board.undoName(), c.name);
        EXPECT_EQ(keysOf(board.page()), c.after) << c.name;
        states.push_back(c.after);
    }
    // Nothing changes: no step.
    EXPECT_FALSE(board.setHidden(1, true));
    EXPECT_FALSE(board.move(1, 1));
    EXPECT_FALSE(board.remove(9));
    EXPECT_EQ(board.undoName(), "删除模块");

    for (std::size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_TRUE(board.undo());
        EXPECT_EQ(keysOf(board.page()), states[i - 1]) << i;
    }
    EXPECT_TRUE(board.canUndo()) << "adding the modules was undoable too";
    for (std::size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(board.redo());
        EXPECT_EQ(keysOf(board.page()), states[i]) << i;
    }
    EXPECT_FALSE(board.redo());
    board.undo();
    ASSERT_TRUE(board.move(0, 2));
    EXPECT_FALSE(board.canRedo()) << "a new change keeps nothing to redo";
}

// A duplicate keeps its settings but not its names: the page's copy of the later one gets pop-up
// classes and ids of its own, the first stays its window's code byte for byte; a hidden copy takes
// none of the page's names.
TEST(PageBoard, ADuplicateGetsNamesOfItsOwnOnThePage) {
    PageBoard board = boardOf({"F15"});
    const std::string alone = board.shown()[0].module.pageCode;
    ASSERT_TRUE(board.duplicate(0));
    const auto& shown = board.shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].module.pageCode, alone);
    EXPECT_EQ(shown[1].module.windowCode, alone);
    EXPECT_NE(shown[1].module.pageCode, alone);
    EXPECT_FALSE(shown[1].module.renaming.empty());
    EXPECT_EQ(revertRenaming(shown[1].module.pageCode, shown[1].module.renaming), alone);
    EXPECT_NE(board.page().modules[0].id, board.page().modules[1].id);

    ASSERT_TRUE(board.setHidden(0, true));
    EXPECT_EQ(board.shown()[1].module.pageCode, alone) << "the only one shown keeps its names";
    const std::vector<PasteEntry> paste = board.pasteList();
    ASSERT_EQ(paste.size(), 1u) << "a hidden module is not pasted";
    EXPECT_EQ(paste[0].module, 1u);
}

// What was copied stays copied until its code changes, through undo and redo too (copying is no
// change of the page's plan); a module edited in its window needs pasting again.
TEST(PageBoard, ChangedSinceCopiedFollowsTheCode) {
    PageBoard board = boardOf({"F03", "F34"});
    auto state = [&board](std::size_t module) {
        for (const PasteEntry& e : board.pasteList())
            if (e.module == module)
                return e.state;
        ADD_FAILURE() << "module " << module << " is not on the paste list";
        return CopyState::NeverCopied;
    };
    EXPECT_EQ(state(0), CopyState::NeverCopied);
    ASSERT_TRUE(board.markCopied(0));
    EXPECT_EQ(state(0), CopyState::Unchanged);
    EXPECT_EQ(state(1), CopyState::NeverCopied);

    const std::string edited =
        settingsOf("F03", [](Form& f) { f.setText("编辑框_链接地址", "http://example.com/new"); });
    ASSERT_TRUE(board.setSettings(0, edited));
    EXPECT_EQ(state(0), CopyState::Changed);
    ASSERT_TRUE(board.undo());
    EXPECT_EQ(state(0), CopyState::Unchanged) << "the code is the copied one again";
    ASSERT_TRUE(board.redo());
    EXPECT_EQ(state(0), CopyState::Changed);
    ASSERT_TRUE(board.markCopied(0));
    ASSERT_TRUE(board.undo()); // back to the settings before the edit: copied is what was copied last
    EXPECT_EQ(state(0), CopyState::Changed);
    EXPECT_FALSE(board.setSettings(0, board.page().modules[0].settings)) << "the same settings are no change";
}

// Saving and opening: the file holds the page, a saved page is no longer modified, and a page opened
// from a file starts a history of its own.
TEST(PageBoard, SavedPagesOpenAsTheyWere) {
    const std::string folder = scratchFolder("board");
    PageBoard board = boardOf({"F06", "F03"});
    EXPECT_TRUE(board.modified());
    EXPECT_FALSE(board.save()) << "no file yet";
    ASSERT_TRUE(board.saveAs(folder + "/page" + kPageSuffix));
    EXPECT_FALSE(board.modified());
    ASSERT_TRUE(board.markCopied(1));
    EXPECT_TRUE(board.modified()) << "the copied marks are kept in the file";
    ASSERT_TRUE(board.save());

    PageBoard other(registry());
    ASSERT_TRUE(other.open(board.file()));
    EXPECT_TRUE(other.page().sameAs(board.page()));
    EXPECT_FALSE(other.modified());
    EXPECT_FALSE(other.canUndo());
    EXPECT_EQ(other.pasteList()[1].state, CopyState::Unchanged);
    EXPECT_FALSE(other.open(folder + "/missing" + kPageSuffix));
    EXPECT_TRUE(other.page().sameAs(board.page())) << "a failed open changes nothing";
}

// A linked settings file changed behind the page's back is reported, never taken, until accepted.
TEST(PageBoard, ALinkedFileThatChangedIsOfferedNotTaken) {
    const std::string folder = scratchFolder("board-link");
    const std::string file = folder + "/poster.ornavo";
    const std::string first = settingsOf("F03");
    ASSERT_TRUE(writeFile(file, first));
    PageBoard board(registry());
    ASSERT_TRUE(board.add(linkedModule(description("F03"), file, first)));
    const std::string before = board.shown()[0].module.pageCode;
    EXPECT_TRUE(board.changedLinks().empty());

    const std::string second = settingsOf("F03", [](Form& f) { f.setText("编辑框_海报高度", "640"); });
    ASSERT_TRUE(writeFile(file, second));
    EXPECT_EQ(board.changedLinks(), std::vector<std::size_t>{0});
    EXPECT_TRUE(board.shown()[0].problem) << "a file whose hash changed is not silently replayed";
    ASSERT_TRUE(board.acceptLinkedFile(0, second));
    EXPECT_TRUE(board.changedLinks().empty());
    ASSERT_FALSE(board.shown()[0].problem);
    EXPECT_NE(board.shown()[0].module.pageCode, before);
    EXPECT_NE(board.shown()[0].module.pageCode.find("height:640px"), std::string::npos);
    ASSERT_TRUE(board.undo());
    EXPECT_EQ(board.changedLinks(), std::vector<std::size_t>{0});
}
