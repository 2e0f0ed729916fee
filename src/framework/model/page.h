#pragma once
// A whole shop page as one file: its name and edition, then its modules in page order. Each module
// stands in an area of the page (the shop sign, the navigation's style, the 950-pixel body, the
// 190-pixel side column), has a label and a hidden flag, and holds its window's settings: embedded
// line by line, or as a link to a settings file together with that file's SHA-256, so that a file
// changed behind the page's back is noticed rather than taken.
//
// The file is UTF-8 text, one statement a line, written whole and atomically:
//
//   # Ornavo 2.0.1, page format 1
//   name 夏季首页
//   edition professional
//
//   module 1 F09 sign
//   label 自定义店招（带滚动公告）
//   settings
//   | # Ornavo 2.0.1, settings format 1 — F09 自定义店招（带滚动公告）
//   | open F09
//   | …
//   | print
//
//   module 2 F15 body
//   label 新品
//   hidden
//   copied <sha256 of the code as last copied>
//   link sha256:<sha256 of the file> settings/f15.ornavo
//
// Every module is replayed in a run of its own (window variables never carry over from one module to
// the next), so its code is exactly what its window shows for the same settings.

#include "form.h"
#include "registry.h"
#include "result.h"
#include "settings_reader.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace ornavo {

inline constexpr const char* kPageSuffix = ".ornavo-page";
// The format of the page files this program writes, named in their head line.
inline constexpr int kPageFormat = 1;
// Larger page files are neither read nor written; no page holds more modules.
inline constexpr std::size_t kPageSizeLimit = std::size_t(16) << 20;
inline constexpr std::size_t kPageModuleLimit = 100;

enum class PageEdition { Professional, Basic };
const char* editionWord(PageEdition edition); // "professional", "basic"
const char* editionName(PageEdition edition); // "专业版", "基础版"

enum class PageArea {
    Sign,       // the shop sign module (店铺招牌)
    Navigation, // the navigation module's display settings: style sheets
    Body,       // the 950-pixel main column (full-screen modules included)
    Side,       // the 190-pixel side column
};
const char* areaWord(PageArea area); // "sign", "navigation", "body", "side"
const char* areaName(PageArea area); // "店铺招牌", "导航", "主体", "侧栏"
std::optional<PageArea> areaFromWord(const std::string& word);
// The areas a module window's code may stand in; the first is where it goes unless told otherwise.
std::vector<PageArea> areasFor(const std::string& key);

struct PageModule {
    int id = 0; // the module's own number on its page, kept through moves (the preview's slot)
    std::string key;
    PageArea area = PageArea::Body;
    std::string label;
    bool hidden = false;
    std::string settings;   // embedded: the settings file's lines, each ended by LF
    std::string link;       // linked: the settings file's path as written (relative: to the page's folder)
    std::string linkHash;   // linked: SHA-256 of the file's bytes when it was linked
    std::string copiedHash; // SHA-256 of the page's copy of the code when it was last copied; "" never

    // Where it was read from (0 for a module that was not read from a file): the `module` line, and
    // the line of the first embedded settings line.
    int line = 0;
    int settingsLine = 0;

    bool linked() const { return !link.empty(); }
    // Equal in everything the file holds (not where it was read from).
    bool sameAs(const PageModule& other) const;
};

struct Page {
    std::string name;
    PageEdition edition = PageEdition::Professional;
    std::vector<PageModule> modules;

    bool sameAs(const Page& other) const;
};

// Why a page cannot be read, written or replayed: the line of the page file it concerns (0 for the
// file as a whole), and the reason for the user (Chinese, naming the line: "第 3 行：…") and for
// ornavo-gen (English, "line 3: …").
struct PageProblem {
    int line = 0;
    std::string chinese;
    std::string english;
};
template <typename T> using PageResult = Result<T, PageProblem>;
using PageStatus = Result<void, PageProblem>;

// ---- The file ----

// Reads a page's text: its head line, name, edition and modules, each module's key known to the
// registry and its area one the key may stand in. Embedded settings are taken as text here; they
// are checked when the page is replayed.
PageResult<Page> parsePage(const std::string& text, const Registry& registry);
// The page's text. Reading it back gives the same page, and writing that gives the same bytes.
std::string pageText(const Page& page);
// The same from and to a file: read whole (at most kPageSizeLimit), written through a temporary
// file that replaces the old one only once complete.
PageResult<Page> readPageFile(const std::string& path, const Registry& registry);
PageStatus writePageFile(const std::string& path, const Page& page);

// ---- Changes a page board makes ----
// Each returns false, changing nothing, for an index beyond the page (or a page already full).

// A module holding the settings text (taken line by line, as a settings file is read), in the first
// area its key may stand in, labelled with the window's caption.
PageModule embeddedModule(const ModuleSpec& module, const std::string& settingsText);
// The key of the window a settings text opens: its first line with an action, when that is `open`;
// "" otherwise.
std::string settingsKeyOf(const std::string& settingsText);
// A module linked to a settings file at `link` whose bytes are `fileBytes`.
PageModule linkedModule(const ModuleSpec& module, const std::string& link, const std::string& fileBytes);
// Inserts at `at` (0 … size); a module without a number, or with one the page has, gets the next
// free number.
bool insertModule(Page& page, std::size_t at, PageModule module);
// Moves the module at `from` so that it stands at `to` afterwards.
bool moveModule(Page& page, std::size_t from, std::size_t to);
// A copy right after it, with a number of its own and nothing copied yet.
bool duplicateModule(Page& page, std::size_t index);
bool removeModule(Page& page, std::size_t index);
bool setModuleHidden(Page& page, std::size_t index, bool hidden);
bool setModuleLabel(Page& page, std::size_t index, std::string label);
// Only to an area the module's key may stand in.
bool setModuleArea(Page& page, std::size_t index, PageArea area);
// Records the code as the one last copied (the page's copy of the module's code).
bool markModuleCopied(Page& page, std::size_t index, const std::string& copiedCode);
// Records the linked file's present bytes as the ones the page takes (after the user saw the change).
bool acceptLinkedFile(Page& page, std::size_t index, const std::string& fileBytes);

// Index of the module with that number, nothing when none has it.
std::optional<std::size_t> moduleIndexById(const Page& page, int id);

// ---- Replaying ----

// What a page's ids become in one module's copy (page_check.h works them out and applies them).
enum class NameKind {
    PopupClass,   // a class that a pop-up finds its trigger and anchor by, across the whole page
    ElementId,    // an element's id
    WidgetNumber, // the marketplace's module number (data-widgetid, and where the markup repeats it)
};
struct Rename {
    NameKind kind = NameKind::PopupClass;
    std::string from, to;
    bool operator==(const Rename& o) const { return kind == o.kind && from == o.from && to == o.to; }
};
using Renaming = std::vector<Rename>;

// One module as the page shows it.
struct RenderedModule {
    const ModuleSpec* description = nullptr; // the module's window
    LoadedSettings settings;                 // the window as its settings leave it
    std::string windowCode; // the code box: what the module's window shows for these settings
    std::string pageCode;   // what is pasted: the window's code with the renaming applied
    Renaming renaming;      // empty: the page's copy is the window's code
    bool basicCode = false; // made by a basic-edition button
};

// Replays every module's settings, each alone on a window of its own, in page order; hidden modules
// too (their settings must be sound as well). Linked files are read relative to `pageFolder` and must
// still have the hash the page recorded. Every module's page copy is its window's code here;
// renderPage (page_check.h) gives repeated kinds their own names.
PageResult<std::vector<RenderedModule>> replayPage(const Page& page, const Registry& registry,
                                                   const std::string& pageFolder);
// One module of the page the same way (its messages name it by its place on the page).
PageResult<RenderedModule> replayModule(const Page& page, std::size_t index, const Registry& registry,
                                        const std::string& pageFolder);

// The path a linked file is read from.
std::string linkedPath(const std::string& link, const std::string& pageFolder);

// "模块 3（F15 新品）" and "module 3 (F15 新品)": how messages name the module at `index`.
std::string moduleNameChinese(const Page& page, std::size_t index);
std::string moduleNameEnglish(const Page& page, std::size_t index);

} // namespace ornavo
