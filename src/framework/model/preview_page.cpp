#include "preview_page.h"

#include "text.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

// The head and tail are embedded from src/framework/preview/ at build time.
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

[[noreturn]] void fail(const std::string& what, const std::string& folder, int error) {
    throw PreviewError(what + " " + folder + ": " + std::strerror(error), folder);
}

// Closes the descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

bool isDirectory(const char* path) {
    struct stat st {};
    return path && path[0] == '/' && ::stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

// Opens the folder, creating it 0700 when missing, and makes sure that it is the user's own and
// closed to everybody else. The descriptor is what later calls work through, so the folder cannot be
// swapped for a link between the check and the write.
int openPrivateFolder(const std::string& folder) {
    if (folder.empty())
        throw PreviewError("no folder for the preview page", folder);
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        fail("cannot create the folder", folder, errno);
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (dir.get() < 0) {
        if (errno == ELOOP || errno == ENOTDIR)
            throw PreviewError("the folder " + folder + " is a link or not a folder", folder);
        fail("cannot open the folder", folder, errno);
    }
    struct stat st {};
    if (::fstat(dir.get(), &st) != 0)
        fail("cannot examine the folder", folder, errno);
    if (st.st_uid != ::geteuid())
        throw PreviewError("the folder " + folder + " belongs to another user", folder);
    if ((st.st_mode & 077) != 0 && ::fchmod(dir.get(), 0700) != 0)
        fail("cannot make the folder private", folder, errno);
    return dir.release();
}

// The page is first written under ".test.html.<pid>.<n>", a name of the writing process's own.
const std::string kTemporaryPrefix = std::string(".") + kPreviewFileName + ".";

std::string temporaryName() {
    static unsigned counter = 0;
    return kTemporaryPrefix + std::to_string(::getpid()) + "." + std::to_string(++counter);
}

// The writing process of a temporary name; 0 for any other name.
pid_t temporaryOwner(const std::string& name) {
    if (name.compare(0, kTemporaryPrefix.size(), kTemporaryPrefix) != 0)
        return 0;
    const std::string rest = name.substr(kTemporaryPrefix.size());
    const std::size_t dot = rest.find('.');
    if (dot == 0 || dot == std::string::npos || dot + 1 == rest.size() || dot > 9)
        return 0;
    if (rest.find_first_not_of("0123456789") != dot ||
        rest.find_first_not_of("0123456789", dot + 1) != std::string::npos)
        return 0;
    return static_cast<pid_t>(std::stol(rest.substr(0, dot)));
}

// A write that was killed half-way leaves its temporary behind: the temporaries of processes that no
// longer run, and any older than an hour (their number may have been reused), are removed. Those of
// running copies are theirs to finish.
void removeLeftovers(int dir) {
    const int listing = ::dup(dir);
    if (listing < 0)
        return;
    DIR* entries = ::fdopendir(listing);
    if (!entries) {
        ::close(listing);
        return;
    }
    std::vector<std::string> stale;
    const time_t now = ::time(nullptr);
    while (const dirent* entry = ::readdir(entries)) {
        const std::string name = entry->d_name;
        const pid_t owner = temporaryOwner(name);
        if (owner <= 0 || owner == ::getpid())
            continue;
        struct stat st {};
        if (::fstatat(dir, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode))
            continue;
        const bool gone = ::kill(owner, 0) != 0 && errno == ESRCH;
        if (gone || now - st.st_mtime > 3600)
            stale.push_back(name);
    }
    ::closedir(entries);
    for (const std::string& name : stale)
        ::unlinkat(dir, name.c_str(), 0);
}

// What tells the page this process wrote last from a page another running copy wrote since: each
// write makes a new file.
struct PageIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    struct timespec modified {};
    off_t size = 0;

    static PageIdentity of(const struct stat& st) { return {st.st_dev, st.st_ino, st.st_mtim, st.st_size}; }
    bool operator==(const PageIdentity& o) const {
        return device == o.device && inode == o.inode && modified.tv_sec == o.modified.tv_sec &&
               modified.tv_nsec == o.modified.tv_nsec && size == o.size;
    }
};

std::mutex writtenMutex;
std::map<std::string, PageIdentity> written; // folder → the page this process wrote there last

bool writeAll(int fd, const std::string& bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

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

std::string previewPageBytes(const std::string& code) {
    std::optional<std::string> bytes = utf8ToGbk(previewPageText(code), Unencodable::NumericReference);
    if (!bytes)
        throw std::invalid_argument("the code is not valid UTF-8 text");
    return std::move(*bytes);
}

std::string defaultPreviewFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (isDirectory(runtime))
        return std::string(runtime) + "/ornavo";
    const char* tmp = std::getenv("TMPDIR");
    const std::string base = isDirectory(tmp) ? std::string(tmp) : std::string("/tmp");
    return base + "/ornavo-" + std::to_string(::geteuid());
}

void ensurePrivateFolder(const std::string& folder) { ::close(openPrivateFolder(folder)); }

std::string writePreviewPage(const std::string& code, const std::string& folder) {
    std::string bytes;
    try {
        bytes = previewPageBytes(code);
    } catch (const std::invalid_argument& e) {
        throw PreviewError(std::string("cannot write the preview page: ") + e.what(), folder);
    }
    Descriptor dir(openPrivateFolder(folder));

    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = temporaryName();
        fd = ::openat(dir.get(), temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        fail("cannot write the preview page in", folder, errno);

    Descriptor file(fd);
    const bool complete = writeAll(file.get(), bytes);
    int error = errno;
    struct stat st {};
    const bool examined = complete && ::fstat(file.get(), &st) == 0;
    if (complete && !examined)
        error = errno;
    const bool closed = ::close(file.release()) == 0;
    if (examined && !closed)
        error = errno;
    // rename() replaces whatever has the name, a planted link included, without following it.
    if (!examined || !closed || ::renameat(dir.get(), temporary.c_str(), dir.get(), kPreviewFileName) != 0) {
        if (examined && closed)
            error = errno;
        ::unlinkat(dir.get(), temporary.c_str(), 0);
        fail("cannot write the preview page in", folder, error);
    }
    {
        const std::lock_guard<std::mutex> lock(writtenMutex);
        written[folder] = PageIdentity::of(st);
    }
    removeLeftovers(dir.get());
    return folder + "/" + kPreviewFileName;
}

bool removePreviewPage(const std::string& folder) {
    const std::lock_guard<std::mutex> lock(writtenMutex);
    const auto mine = written.find(folder);
    if (mine == written.end())
        return true; // no page of this process's own there
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (dir.get() < 0 && errno != ENOENT)
        return false;
    struct stat st {};
    if (dir.get() >= 0 && ::fstatat(dir.get(), kPreviewFileName, &st, AT_SYMLINK_NOFOLLOW) == 0) {
        // A page another running copy has written since is that copy's to remove.
        if (PageIdentity::of(st) == mine->second && ::unlinkat(dir.get(), kPreviewFileName, 0) != 0 &&
            errno != ENOENT)
            return false;
    } else if (dir.get() >= 0 && errno != ENOENT) {
        return false;
    }
    written.erase(mine);
    return true;
}

} // namespace ornavo
