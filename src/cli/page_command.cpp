#include "page_command.h"

#include "framework/model/page.h"
#include "framework/model/page_check.h"
#include "framework/model/page_preview.h"
#include "framework/model/platform.h"
#include "framework/model/recipe.h"
#include "framework/model/settings_writer.h"
#include "generators/catalogue.h"

#include <filesystem>
#include <iostream>
#include <optional>

namespace ornavo::cli {

namespace {

constexpr int kDone = 0;
constexpr int kFound = 1; // --check found an error; also: the output could not be written
constexpr int kBadInput = RecipeRunner::kRecipeError;
constexpr int kPreviewFailed = RecipeRunner::kPreviewFailed;

int fail(const std::string& message) {
    std::cerr << "ornavo-gen: " << message << "\n";
    return kBadInput;
}

int usage(const std::string& why) {
    return fail(why + " (see ornavo-gen --help)");
}

// What went wrong with the page, naming the file: "home.ornavo-page: line 3: …".
int pageFailure(const std::string& path, const PageProblem& problem) {
    return fail(path + ": " + problem.english);
}

std::string plural(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string weightText(const PageWeight& w) {
    return plural(w.bytes, "byte", "bytes") + ", " + plural(w.pictures, "picture", "pictures") + ", " +
           plural(w.widgets, "widget", "widgets");
}

const char* stateWord(CopyState state) {
    switch (state) {
    case CopyState::NeverCopied:
        return "not-copied";
    case CopyState::Changed:
        return "changed";
    case CopyState::Unchanged:
        return "unchanged";
    }
    return "";
}

struct LoadedPage {
    Page page;
    std::vector<RenderedModule> modules;
};

std::optional<LoadedPage> load(const std::string& path, int& status) {
    PageResult<Page> page = readPageFile(path, moduleRegistry());
    if (!page) {
        status = pageFailure(path, page.failure());
        return std::nullopt;
    }
    PageResult<std::vector<RenderedModule>> modules = renderPage(*page, moduleRegistry(), folderOf(path));
    if (!modules) {
        status = pageFailure(path, modules.failure());
        return std::nullopt;
    }
    return LoadedPage{std::move(*page), std::move(*modules)};
}

// Every shown module's page copy under its head line: "=== NUMBER AREA KEY BYTES LABEL".
void printCodes(const LoadedPage& p) {
    for (std::size_t i = 0; i < p.page.modules.size(); ++i) {
        const PageModule& m = p.page.modules[i];
        if (m.hidden)
            continue;
        const std::string& code = p.modules[i].pageCode;
        std::cout << "=== " << i + 1 << " " << areaWord(m.area) << " " << m.key << " " << code.size()
                  << (m.label.empty() ? "" : " " + m.label) << "\n"
                  << code << "\n";
    }
}

int printCheck(const std::string& path, const LoadedPage& p) {
    const std::vector<PageFinding> findings = checkPage(p.page, p.modules);
    std::size_t counts[3] = {0, 0, 0};
    for (const PageFinding& f : findings) {
        ++counts[static_cast<int>(f.severity)];
        std::cout << path << ":" << (f.line > 0 ? std::to_string(f.line) + ":" : "") << " "
                  << severityWord(f.severity) << ": " << f.english << "\n";
    }
    std::size_t hidden = 0;
    for (std::size_t i = 0; i < p.page.modules.size(); ++i) {
        const PageModule& m = p.page.modules[i];
        if (m.hidden) {
            ++hidden;
            continue;
        }
        std::cout << "module " << i + 1 << " " << areaWord(m.area) << " " << m.key << ": "
                  << weightText(weighCode(p.modules[i].pageCode)) << "\n";
    }
    std::cout << "page: " << plural(p.page.modules.size() - hidden, "module", "modules") << " shown, "
              << hidden << " hidden; " << weightText(weighPage(p.page, p.modules)) << "; "
              << plural(counts[0], "error", "errors") << ", " << plural(counts[1], "warning", "warnings")
              << ", " << plural(counts[2], "note", "notes") << "\n";
    return hasErrors(findings) ? kFound : kDone;
}

void printPasteList(const LoadedPage& p) {
    for (const PasteEntry& e : pasteList(p.page, p.modules)) {
        const PageModule& m = p.page.modules[e.module];
        std::cout << e.module + 1 << "\t" << m.key << "\t" << e.destination << "\t" << stateWord(e.state)
                  << "\t" << e.code.size() << "\t" << m.label << "\n";
    }
}

// The link to a settings file as the page keeps it: relative to the page's folder, as both are
// reached from here.
std::string linkFor(const std::string& settingsPath, const std::string& pagePath) {
    namespace fs = std::filesystem;
    std::error_code ignored;
    const fs::path settings = fs::absolute(settingsPath, ignored).lexically_normal();
    const fs::path folder = fs::absolute(folderOf(pagePath), ignored).lexically_normal();
    const fs::path relative = settings.lexically_relative(folder);
    return relative.empty() ? settings.string() : relative.string();
}

std::string defaultPageName(const std::string& path) {
    std::string name = fileNameOf(path);
    const std::string suffix = kPageSuffix;
    if (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
        name.erase(name.size() - suffix.size());
    return name;
}

int writePage(const std::string& path, const Page& page) {
    if (PageStatus written = writePageFile(path, page); !written) {
        std::cerr << "ornavo-gen: " << written.failure().english << "\n";
        return kFound;
    }
    return kDone;
}

} // namespace

int pageCommand(const std::vector<std::string>& args) {
    if (args.empty())
        return usage("page needs a page file");
    const std::string& path = args[0];
    const std::string mode = args.size() > 1 ? args[1] : "";
    if ((args.size() == 2 && mode != "--check" && mode != "--paste-list") ||
        (args.size() == 3 && mode != "--preview") || args.size() > 3 ||
        (mode == "--preview" && args.size() != 3))
        return usage("page takes one of --check, --paste-list, --preview DIR");
    int status = kDone;
    const std::optional<LoadedPage> loaded = load(path, status);
    if (!loaded)
        return status;
    if (mode == "--check")
        return printCheck(path, *loaded);
    if (mode == "--paste-list") {
        printPasteList(*loaded);
        return kDone;
    }
    if (mode == "--preview") {
        const Result<std::string, PreviewFailure> written =
            writePagePreview(loaded->page, loaded->modules, args[2]);
        if (!written) {
            std::cerr << "preview failed: " << written.failure().english << "\n";
            return kPreviewFailed;
        }
        std::cerr << "preview: " << *written << "\n";
        return kDone;
    }
    printCodes(*loaded);
    return kDone;
}

int pageAddCommand(const std::vector<std::string>& args) {
    bool link = false;
    std::optional<PageArea> area;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--link") {
            link = true;
        } else if (args[i] == "--area") {
            if (i + 1 == args.size() || !(area = areaFromWord(args[i + 1])))
                return usage("--area takes sign, navigation, body or side");
            ++i;
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() < 2)
        return usage("page-add needs a page file and at least one settings file");
    const std::string pagePath = files[0];
    const Registry& registry = moduleRegistry();

    Page page;
    if (pathExists(pagePath)) {
        PageResult<Page> read = readPageFile(pagePath, registry);
        if (!read)
            return pageFailure(pagePath, read.failure());
        page = std::move(*read);
    } else {
        page.name = defaultPageName(pagePath);
    }

    std::vector<std::size_t> added;
    for (std::size_t f = 1; f < files.size(); ++f) {
        const std::string& settingsPath = files[f];
        Result<std::string, ReadFailure> text = readFile(settingsPath, kSettingsSizeLimit);
        if (!text)
            return fail("cannot read " + settingsPath + ": " + text.failure().english());
        const std::string key = settingsKeyOf(*text);
        const ModuleSpec* description = registry.byKey(key);
        if (!description)
            return fail(
                settingsPath + ": " +
                (key.empty() ? "not a settings file: it opens no module window" : "no module " + key));
        PageModule module = link ? linkedModule(*description, linkFor(settingsPath, pagePath), *text)
                                 : embeddedModule(*description, *text);
        if (area) {
            const std::vector<PageArea> allowed = areasFor(key);
            if (std::find(allowed.begin(), allowed.end(), *area) == allowed.end())
                return fail(settingsPath + ": the code of " + key + " cannot stand in " + areaWord(*area));
            module.area = *area;
        }
        if (!insertModule(page, page.modules.size(), std::move(module)))
            return fail(pagePath + ": a page holds at most " + std::to_string(kPageModuleLimit) + " modules");
        const std::size_t index = page.modules.size() - 1;
        if (PageResult<RenderedModule> replayed = replayModule(page, index, registry, folderOf(pagePath));
            !replayed)
            return fail(settingsPath + ": " + replayed.failure().english);
        added.push_back(index);
    }
    if (const int status = writePage(pagePath, page); status != kDone)
        return status;
    for (const std::size_t index : added) {
        const PageModule& m = page.modules[index];
        std::cout << "module " << index + 1 << " " << areaWord(m.area) << " " << m.key << "\n";
    }
    return kDone;
}

int pageRelinkCommand(const std::vector<std::string>& args) {
    if (args.size() < 2)
        return usage("page-relink needs a page file and the numbers of its linked modules");
    const std::string& pagePath = args[0];
    const Registry& registry = moduleRegistry();
    PageResult<Page> read = readPageFile(pagePath, registry);
    if (!read)
        return pageFailure(pagePath, read.failure());
    Page& page = *read;
    for (std::size_t a = 1; a < args.size(); ++a) {
        const std::string& text = args[a];
        std::size_t number = 0;
        if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != std::string::npos ||
            (number = std::stoul(text)) == 0 || number > page.modules.size())
            return usage("no module " + text + " on the page (modules are numbered from 1 in page order)");
        const PageModule& m = page.modules[number - 1];
        if (!m.linked())
            return fail(pagePath + ": " + moduleNameEnglish(page, number - 1) +
                        " holds its settings, it links none");
        Result<std::string, ReadFailure> file =
            readFile(linkedPath(m.link, folderOf(pagePath)), kSettingsSizeLimit);
        if (!file)
            return fail(pagePath + ": " + moduleNameEnglish(page, number - 1) +
                        ": cannot read the linked settings file " + m.link + ": " + file.failure().english());
        (void)acceptLinkedFile(page, number - 1, *file);
        if (PageResult<RenderedModule> replayed =
                replayModule(page, number - 1, registry, folderOf(pagePath));
            !replayed)
            return pageFailure(pagePath, replayed.failure());
    }
    return writePage(pagePath, page);
}

} // namespace ornavo::cli
