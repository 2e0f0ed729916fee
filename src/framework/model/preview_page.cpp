#include "preview_page.h"

#include "text.h"

#include <cerrno>
#include <map>
#include <mutex>

// The head and tail are embedded from src/framework/model/preview/ at build time.
namespace ornavo::preview_resources {
extern const unsigned char kPageHead[];
extern const std::size_t kPageHeadSize;
extern const unsigned char kPageTail[];
extern const std::size_t kPageTailSize;
} // namespace ornavo::preview_resources

namespace ornavo {

namespace {

std::string_view bytesOf(const unsigned char* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

PreviewFailure failure(const std::string& folder, const Failure& why) {
    return PreviewFailure{folder, why.reason, why.error};
}

PreviewFailure writeFailure(const std::string& folder, const Failure& why) {
    return PreviewFailure{folder, "cannot write the preview page in " + folder + ": " + why.reason,
                          why.error};
}

// The page is first written under ".test.html.<pid>.<n>", a name of the writing process's own.
const std::string kTemporaryPrefix = std::string(".") + kPreviewFileName + ".";

std::string temporaryName() {
    static unsigned counter = 0;
    return kTemporaryPrefix + std::to_string(processId()) + "." + std::to_string(++counter);
}

// The writing process of a temporary name; 0 for any other name.
long temporaryOwner(const std::string& name) {
    if (name.compare(0, kTemporaryPrefix.size(), kTemporaryPrefix) != 0)
        return 0;
    const std::string rest = name.substr(kTemporaryPrefix.size());
    const std::size_t dot = rest.find('.');
    if (dot == 0 || dot == std::string::npos || dot + 1 == rest.size() || dot > 9)
        return 0;
    if (rest.find_first_not_of("0123456789") != dot ||
        rest.find_first_not_of("0123456789", dot + 1) != std::string::npos)
        return 0;
    return std::stol(rest.substr(0, dot));
}

// A write that was killed half-way leaves its temporary behind: the temporaries of processes that no
// longer run, and any older than an hour (their number may have been reused), are removed. Those of
// running copies are theirs to finish.
void removeLeftovers(PrivateFolder& folder) {
    for (const PrivateFolder::Entry& entry : folder.entries()) {
        const long owner = temporaryOwner(entry.name);
        if (owner <= 0 || owner == processId() || !entry.regular)
            continue;
        if (!processRunning(owner) || entry.ageSeconds > 3600)
            folder.remove(entry.name);
    }
}

std::mutex writtenMutex;
std::map<std::string, FileIdentity> written; // folder → the page this process wrote there last

} // namespace

std::string_view previewPageHead() {
    return bytesOf(preview_resources::kPageHead, preview_resources::kPageHeadSize);
}

std::string_view previewPageTail() {
    return bytesOf(preview_resources::kPageTail, preview_resources::kPageTailSize);
}

std::string previewPageText(const std::string& code) {
    std::string page;
    page.reserve(previewPageHead().size() + code.size() + previewPageTail().size());
    page.append(previewPageHead()).append(code).append(previewPageTail());
    return page;
}

std::optional<std::string> previewPageBytes(const std::string& code) {
    return utf8ToGbk(previewPageText(code), Unencodable::NumericReference);
}

Result<std::string, PreviewFailure> ensurePrivateFolder(const std::string& folder) {
    Result<PrivateFolder> opened = PrivateFolder::open(folder);
    if (!opened)
        return failure(folder, opened.failure());
    return folder;
}

Result<std::string, PreviewFailure> writePreviewPage(const std::string& code, const std::string& folder) {
    const std::optional<std::string> bytes = previewPageBytes(code);
    if (!bytes)
        return PreviewFailure{folder, "cannot write the preview page: the code is not valid UTF-8 text", 0};
    Result<PrivateFolder> opened = PrivateFolder::open(folder);
    if (!opened)
        return failure(folder, opened.failure());
    PrivateFolder& dir = *opened;

    std::string temporary = temporaryName();
    Result<FileIdentity> created = dir.createFile(temporary, *bytes);
    for (int attempt = 1; !created && created.failure().error == EEXIST && attempt < 100; ++attempt) {
        temporary = temporaryName();
        created = dir.createFile(temporary, *bytes);
    }
    if (!created)
        return writeFailure(folder, created.failure());
    // The rename replaces whatever has the name, a planted link included, without following it.
    if (Status renamed = dir.rename(temporary, kPreviewFileName); !renamed) {
        dir.remove(temporary);
        return writeFailure(folder, renamed.failure());
    }
    {
        const std::lock_guard<std::mutex> lock(writtenMutex);
        written[folder] = *created;
    }
    removeLeftovers(dir);
    return pathInFolder(folder, kPreviewFileName);
}

bool removePreviewPage(const std::string& folder) {
    const std::lock_guard<std::mutex> lock(writtenMutex);
    const auto mine = written.find(folder);
    if (mine == written.end())
        return true; // no page of this process's own there
    Result<PrivateFolder> dir = PrivateFolder::open(folder, false);
    if (dir) {
        const Result<std::optional<FileIdentity>> page = dir->identity(kPreviewFileName);
        if (!page)
            return false;
        // A page another running copy has written since is that copy's to remove.
        if (*page && **page == mine->second) {
            dir->remove(kPreviewFileName);
            if (const auto after = dir->identity(kPreviewFileName);
                !after || (*after && **after == mine->second))
                return false;
        }
    } else if (dir.failure().error != ENOENT) {
        return false;
    }
    written.erase(mine);
    return true;
}

} // namespace ornavo
