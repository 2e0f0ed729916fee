#pragma once
// What a page's modules do to each other, and the page's copies that keep them apart.
//
// The marketplace's widget library finds a pop-up's trigger and anchor by class across the whole
// page, and element ids and module numbers are the page's, not the module's: two modules of the same
// kind on one page cross-wire (pointing at the second opens the first one's pop-ups). So the page's
// copy of each later module of a kind gets names of its own wherever they would repeat an earlier
// module's: a recorded renaming, applied to that copy only. A module that appears once, and the
// first of each kind, keep their window's code byte for byte.
//
// The check reports, by module and page line, what still goes wrong: names repeated across kinds,
// markup that does not close what it opens, a navigation style left unfinished or one that restyles
// every module's frame, two navigation styles that overwrite each other, more than one shop sign,
// code of the other edition; and, as notes, what the page's copies renamed.

#include "page.h"

#include <cstddef>
#include <string>
#include <vector>

namespace ornavo {

// ---- Names and renaming ----

// The names a module's markup gives the page: classes its pop-ups find their trigger and anchor by,
// element ids, and the marketplace's module numbers (data-widgetid). An id that holds one of the
// module numbers (id="shop600731806") goes with that number.
struct PageNames {
    std::vector<std::string> popupClasses, elementIds, widgetNumbers; // each in order of first use
};
PageNames namesIn(const std::string& markup);

// Applies the renaming where markup uses each name: class attributes and ".name" in widget
// configurations and style sheets for pop-up classes; id attributes, "#name" and links to "#name" for
// ids; data-widgetid, data-id, data-spm, microscope-data, ids and comments for module numbers.
std::string applyRenaming(const std::string& markup, const Renaming& renaming);
// Undoes it: applyRenaming with every name back to what it was. The new names never occur in the
// window's code, so this gives that code back byte for byte.
std::string revertRenaming(const std::string& markup, const Renaming& renaming);

// The page: every module replayed alone (replayPage), and the page's copies of later modules of a
// repeated kind renamed where their names would repeat an earlier shown module's. Hidden modules are
// not on the page: they take no names and are not renamed.
PageResult<std::vector<RenderedModule>> renderPage(const Page& page, const Registry& registry,
                                                   const std::string& pageFolder);
// The renaming step alone, on modules already replayed.
void renameRepeatedKinds(const Page& page, std::vector<RenderedModule>& modules);

// ---- Weight ----

struct PageWeight {
    std::size_t bytes = 0;    // as the marketplace stores the code: GBK, "&#N;" for what GBK lacks
    std::size_t pictures = 0; // distinct picture addresses (the lazy-load placeholder not counted)
    std::size_t widgets = 0;  // elements the marketplace turns into widgets (J_TWidget)
    PageWeight& operator+=(const PageWeight& o) {
        bytes += o.bytes;
        pictures += o.pictures;
        widgets += o.widgets;
        return *this;
    }
};
PageWeight weighCode(const std::string& code);
// Every shown module's page copy (pictures counted once per module).
PageWeight weighPage(const Page& page, const std::vector<RenderedModule>& modules);

// ---- Markup and style sheet balance ----

// Elements a markup opens but does not close, and closes without having opened, by tag name (lower
// case), in order of first appearance; void elements and what comments and raw text hold do not
// count.
struct TagBalance {
    std::string tag;
    int unclosed = 0; // opened more often than closed (negative: closed more often than opened)
};
std::vector<TagBalance> tagBalance(const std::string& markup);

// What a style sheet leaves open at its end: an unfinished comment or string, brackets, blocks.
struct StyleEnd {
    bool comment = false, string = false;
    int parentheses = 0, blocks = 0;
    bool unfinished() const { return comment || string || parentheses > 0 || blocks > 0; }
};
StyleEnd styleEnd(const std::string& css);
// Whether any rule of the style sheet styles the marketplace's module frame itself (its subject is a
// skin-box, skin-box-tp, skin-box-bd, skin-box-bt or tb-module element), which every module has.
bool restylesModuleFrames(const std::string& css);

// ---- The check ----

enum class Severity { Error, Warning, Note };
const char* severityWord(Severity severity); // "error", "warning", "note"

struct PageFinding {
    Severity severity = Severity::Warning;
    int module = -1; // index of the module it concerns; -1 for the page as a whole
    int line = 0;    // the page line (the module's `module` line); 0 when not read from a file
    std::string chinese, english;
};
// Findings in page order, over the shown modules (hidden ones are not on the page).
std::vector<PageFinding> checkPage(const Page& page, const std::vector<RenderedModule>& modules);
bool hasErrors(const std::vector<PageFinding>& findings);

// ---- What the user pastes ----

enum class CopyState {
    NeverCopied,
    Changed,   // the page's copy differs from the one last copied
    Unchanged, // the page's copy is the one last copied
};
struct PasteEntry {
    std::size_t module = 0; // index in the page
    std::string destination; // "店铺招牌", "导航 → 显示设置", "自定义内容区 3", "侧栏自定义内容区 1"
    std::string code; // the page's copy
    CopyState state = CopyState::NeverCopied;
};
// Every shown module in page order; custom-content areas are counted in each column from 1.
std::vector<PasteEntry> pasteList(const Page& page, const std::vector<RenderedModule>& modules);

} // namespace ornavo
