#include "page_board.h"

#include "platform.h"
#include "sha256.h"

#include <algorithm>

namespace ornavo {

namespace {

// How many changes undo reaches back.
constexpr std::size_t kHistory = 200;

bool validIndex(const Page& page, std::size_t index) {
    return index < page.modules.size();
}

// What decides a module's replay: the same key, area, edition and settings give the same code.
std::string replayKey(const Page& page, const PageModule& m, const std::string& folder) {
    std::string key = m.key + '\n' + areaWord(m.area) + '\n' + editionWord(page.edition) + '\n';
    if (m.linked()) {
        // The file as it is now: one changed behind the page's back is replayed again (and refused).
        const std::string path = linkedPath(m.link, folder);
        const Result<std::string, ReadFailure> bytes = readFile(path, kPageSizeLimit);
        return key + "link\n" + path + '\n' + m.linkHash + '\n' + (bytes ? sha256Hex(*bytes) : "-");
    }
    return key + "settings\n" + m.settings;
}

} // namespace

PageBoard::PageBoard(const Registry& registry) : registry_(registry) {
    newPage({});
}

std::string PageBoard::folder() const {
    return file_.empty() ? std::string(".") : folderOf(file_);
}

bool PageBoard::modified() const {
    if (file_.empty())
        return !page_.modules.empty();
    return pageText(page_) != savedText_;
}

void PageBoard::newPage(std::string name, PageEdition edition) {
    page_ = Page();
    page_.name = std::move(name);
    page_.edition = edition;
    file_.clear();
    savedText_.clear();
    undo_.clear();
    redo_.clear();
    changed();
}

PageStatus PageBoard::open(const std::string& path) {
    PageResult<Page> read = readPageFile(path, registry_);
    if (!read)
        return read.failure();
    page_ = std::move(*read);
    file_ = path;
    savedText_ = pageText(page_);
    undo_.clear();
    redo_.clear();
    changed();
    return {};
}

PageStatus PageBoard::save() {
    if (file_.empty())
        return PageProblem{0, "页面还没有文件名", "the page has no file yet"};
    return saveAs(file_);
}

PageStatus PageBoard::saveAs(const std::string& path) {
    if (PageStatus written = writePageFile(path, page_); !written)
        return written;
    // Linked files are found from the page's folder: a page saved elsewhere keeps them only where
    // their links are absolute or the folder is the same.
    file_ = path;
    savedText_ = pageText(page_);
    ++revision_;
    return {};
}

void PageBoard::restore(Page page, const std::string& what) {
    undo_.push_back({what, page_});
    redo_.clear();
    page_ = std::move(page);
    changed();
}

template <typename Change> bool PageBoard::step(const char* name, Change change) {
    Page before = page_;
    if (!change(page_) || page_.sameAs(before)) {
        page_ = std::move(before);
        return false;
    }
    undo_.push_back({name, std::move(before)});
    if (undo_.size() > kHistory)
        undo_.erase(undo_.begin());
    redo_.clear();
    changed();
    return true;
}

bool PageBoard::setName(std::string name) {
    return step("重命名页面", [&](Page& p) {
        p.name = std::move(name);
        return true;
    });
}

bool PageBoard::setEdition(PageEdition edition) {
    return step("改变版本", [&](Page& p) {
        p.edition = edition;
        return true;
    });
}

bool PageBoard::add(PageModule module, std::optional<std::size_t> at) {
    const std::size_t where = at ? *at : page_.modules.size();
    return step("加入模块", [&](Page& p) { return insertModule(p, where, std::move(module)); });
}

bool PageBoard::move(std::size_t from, std::size_t to) {
    return step("移动模块", [&](Page& p) { return moveModule(p, from, to); });
}

bool PageBoard::place(std::size_t from, std::size_t to, PageArea area) {
    return step("移动模块", [&](Page& p) {
        if (!validIndex(p, from) || !validIndex(p, to))
            return false;
        if (p.modules[from].area != area && !setModuleArea(p, from, area))
            return false;
        return from == to || moveModule(p, from, to);
    });
}

bool PageBoard::duplicate(std::size_t index) {
    return step("复制模块", [&](Page& p) { return duplicateModule(p, index); });
}

bool PageBoard::remove(std::size_t index) {
    return step("删除模块", [&](Page& p) { return removeModule(p, index); });
}

bool PageBoard::setHidden(std::size_t index, bool hidden) {
    return step(hidden ? "隐藏模块" : "显示模块", [&](Page& p) { return setModuleHidden(p, index, hidden); });
}

bool PageBoard::setLabel(std::size_t index, std::string label) {
    return step("重命名模块", [&](Page& p) { return setModuleLabel(p, index, std::move(label)); });
}

bool PageBoard::setArea(std::size_t index, PageArea area) {
    return step("移到其他位置", [&](Page& p) { return setModuleArea(p, index, area); });
}

bool PageBoard::setSettings(std::size_t index, const std::string& settingsText) {
    if (!validIndex(page_, index) || page_.modules[index].linked())
        return false;
    return step("修改模块设置", [&](Page& p) {
        const PageModule& m = p.modules[index];
        // Normalised as the page keeps embedded settings: the same lines, each ended by LF.
        PageModule updated = embeddedModule(*registry_.byKey(m.key), settingsText);
        p.modules[index].settings = updated.settings;
        return true;
    });
}

bool PageBoard::acceptLinkedFile(std::size_t index, const std::string& fileBytes) {
    return step("更新链接的设置", [&](Page& p) { return ornavo::acceptLinkedFile(p, index, fileBytes); });
}

bool PageBoard::markCopied(std::size_t index) {
    if (!validIndex(page_, index))
        return false;
    const std::vector<Shown>& now = shown();
    if (now[index].problem)
        return false;
    if (!markModuleCopied(page_, index, now[index].module.pageCode))
        return false;
    ++revision_; // the page's plan is the same: shown() stays as it was
    shownAt_ = revision_;
    return true;
}

std::string PageBoard::undoName() const {
    return undo_.empty() ? std::string() : undo_.back().name;
}

std::string PageBoard::redoName() const {
    return redo_.empty() ? std::string() : redo_.back().name;
}

void PageBoard::keepCopiedMarks(Page& page) const {
    for (PageModule& m : page.modules)
        if (const auto now = moduleIndexById(page_, m.id))
            m.copiedHash = page_.modules[*now].copiedHash;
}

bool PageBoard::undo() {
    if (undo_.empty())
        return false;
    History last = std::move(undo_.back());
    undo_.pop_back();
    keepCopiedMarks(last.page);
    redo_.push_back({last.name, std::move(page_)});
    page_ = std::move(last.page);
    changed();
    return true;
}

bool PageBoard::redo() {
    if (redo_.empty())
        return false;
    History next = std::move(redo_.back());
    redo_.pop_back();
    keepCopiedMarks(next.page);
    undo_.push_back({next.name, std::move(page_)});
    page_ = std::move(next.page);
    changed();
    return true;
}

void PageBoard::changed() {
    ++revision_;
}

const std::vector<PageBoard::Shown>& PageBoard::shown() {
    // Linked files may change on disk at any time: a page with links is looked at again each time.
    const bool links = std::any_of(page_.modules.begin(), page_.modules.end(),
                                   [](const PageModule& m) { return m.linked(); });
    if (shownAt_ == revision_ && !links)
        return shown_;
    const std::string pageFolder = folder();
    std::map<std::string, std::pair<RenderedModule, std::optional<PageProblem>>> kept;
    std::vector<Shown> modules;
    modules.reserve(page_.modules.size());
    for (std::size_t i = 0; i < page_.modules.size(); ++i) {
        const std::string key = replayKey(page_, page_.modules[i], pageFolder);
        auto known = replays_.find(key);
        if (known == replays_.end()) {
            PageResult<RenderedModule> replayed = replayModule(page_, i, registry_, pageFolder);
            std::pair<RenderedModule, std::optional<PageProblem>> entry;
            if (replayed) {
                entry.first = std::move(*replayed);
            } else {
                entry.first.description = registry_.byKey(page_.modules[i].key);
                entry.second = replayed.failure();
            }
            known = replays_.emplace(key, std::move(entry)).first;
        }
        kept.insert(*known);
        modules.push_back({known->second.first, known->second.second});
    }
    replays_ = std::move(kept); // what no module uses any more is let go
    std::vector<RenderedModule> rendering;
    rendering.reserve(modules.size());
    for (const Shown& s : modules)
        rendering.push_back(s.module);
    renameRepeatedKinds(page_, rendering);
    for (std::size_t i = 0; i < modules.size(); ++i)
        modules[i].module = std::move(rendering[i]);
    shown_ = std::move(modules);
    shownAt_ = revision_;
    return shown_;
}

std::vector<RenderedModule> PageBoard::rendered() {
    std::vector<RenderedModule> out;
    for (const Shown& s : shown())
        out.push_back(s.module);
    return out;
}

std::vector<PageFinding> PageBoard::findings() {
    std::vector<PageFinding> all;
    const std::vector<Shown>& now = shown();
    for (std::size_t i = 0; i < now.size(); ++i)
        if (now[i].problem)
            all.push_back({Severity::Error, static_cast<int>(i), page_.modules[i].line,
                           now[i].problem->chinese, now[i].problem->english});
    std::vector<PageFinding> checked = checkPage(page_, rendered());
    all.insert(all.end(), checked.begin(), checked.end());
    return all;
}

std::vector<PasteEntry> PageBoard::pasteList() {
    return ornavo::pasteList(page_, rendered());
}

PageWeight PageBoard::weight(std::size_t index) {
    const std::vector<Shown>& now = shown();
    return index < now.size() ? weighCode(now[index].module.pageCode) : PageWeight();
}

PageWeight PageBoard::pageWeight() {
    return weighPage(page_, rendered());
}

std::vector<std::size_t> PageBoard::changedLinks() const {
    std::vector<std::size_t> changed;
    const std::string pageFolder = folder();
    for (std::size_t i = 0; i < page_.modules.size(); ++i) {
        const PageModule& m = page_.modules[i];
        if (!m.linked())
            continue;
        const Result<std::string, ReadFailure> bytes =
            readFile(linkedPath(m.link, pageFolder), kPageSizeLimit);
        if (!bytes || sha256Hex(*bytes) != m.linkHash)
            changed.push_back(i);
    }
    return changed;
}

} // namespace ornavo
