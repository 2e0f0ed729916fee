#pragma once
// A page as the page board edits it: the page, the file it came from or was saved to, every change
// the user makes kept for undo and redo, and the page as the buyer sees it (every module replayed
// alone, the page's copies of repeated kinds renamed), replayed again only for the modules that
// changed. Marks of what was copied are no change of the page's plan: undo and redo keep them.

#include "page.h"
#include "page_check.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace ornavo {

class PageBoard {
  public:
    explicit PageBoard(const Registry& registry);

    const Page& page() const { return page_; }
    // The file the page came from or was saved to last ("" for a page never saved).
    const std::string& file() const { return file_; }
    // Where linked settings files are found: the page file's folder ("." before the first save).
    std::string folder() const;
    // Whether the page differs from what its file holds (a new page: whether it holds anything).
    bool modified() const;
    // Counts every change, undo and redo, and every new page: what is shown may be stale when it
    // differs from the count it was made at.
    std::uint64_t revision() const { return revision_; }

    // ---- Whole pages (no step of undo: the history starts anew) ----
    void newPage(std::string name, PageEdition edition = PageEdition::Professional);
    PageStatus open(const std::string& path);
    // To the page's own file; fails when it has none.
    PageStatus save();
    PageStatus saveAs(const std::string& path);
    // Takes a page kept elsewhere (after a crash) as one change of the page at hand.
    void restore(Page page, const std::string& what);

    // ---- Changes: each one step of undo; false, changing nothing, when it cannot be made ----
    bool setName(std::string name);
    bool setEdition(PageEdition edition);
    bool add(PageModule module, std::optional<std::size_t> at = std::nullopt);
    bool move(std::size_t from, std::size_t to);
    // Moves it to `to` and into `area` at once (dragged into another area of the page).
    bool place(std::size_t from, std::size_t to, PageArea area);
    bool duplicate(std::size_t index);
    bool remove(std::size_t index);
    bool setHidden(std::size_t index, bool hidden);
    bool setLabel(std::size_t index, std::string label);
    bool setArea(std::size_t index, PageArea area);
    // The module's settings as its window left them (an embedded module; false for a linked one or
    // when nothing changed).
    bool setSettings(std::size_t index, const std::string& settingsText);
    // The linked file's present bytes become the ones the page takes.
    bool acceptLinkedFile(std::size_t index, const std::string& fileBytes);
    // The page's copy of the module's code as it is now was copied.
    bool markCopied(std::size_t index);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // What the next undo or redo takes back or does again ("移动模块").
    std::string undoName() const;
    std::string redoName() const;
    bool undo();
    bool redo();

    // ---- The page as shown ----
    // One entry per module of the page, in page order: its rendering, or why its settings do not run.
    struct Shown {
        RenderedModule module;
        std::optional<PageProblem> problem;
    };
    const std::vector<Shown>& shown();
    // The rendered modules alone, aligned with the page (a module that does not run shows no code).
    std::vector<RenderedModule> rendered();
    std::vector<PageFinding> findings();
    std::vector<PasteEntry> pasteList();
    PageWeight weight(std::size_t index);
    PageWeight pageWeight();
    // Modules whose linked file is no longer what the page took (changed, or gone).
    std::vector<std::size_t> changedLinks() const;

  private:
    // Makes a change as one step of undo; false (and nothing kept) when `change` made none.
    template <typename Change> bool step(const char* name, Change change);
    void changed();
    // Copied marks of the page now, by module number, put on a page taken from the history.
    void keepCopiedMarks(Page& page) const;

    const Registry& registry_;
    Page page_;
    std::string file_;
    std::string savedText_; // what the file holds, as this board wrote or read it
    std::uint64_t revision_ = 0;
    struct History {
        std::string name;
        Page page;
    };
    std::vector<History> undo_, redo_;
    // Replays by what decides them (key, area, settings or linked file): the same settings are
    // replayed once.
    std::map<std::string, std::pair<RenderedModule, std::optional<PageProblem>>> replays_;
    std::vector<Shown> shown_;
    std::uint64_t shownAt_ = UINT64_MAX;
};

} // namespace ornavo
