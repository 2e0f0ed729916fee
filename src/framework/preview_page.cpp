#include "preview_page.h"

#include "text.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

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

std::string temporaryName() {
    static unsigned counter = 0;
    return std::string(".") + kPreviewFileName + "." + std::to_string(::getpid()) + "." + std::to_string(++counter);
}

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
    const bool written = writeAll(file.get(), bytes);
    int error = errno;
    const bool closed = ::close(file.release()) == 0;
    if (written && !closed)
        error = errno;
    // rename() replaces whatever has the name, a planted link included, without following it.
    if (!written || !closed || ::renameat(dir.get(), temporary.c_str(), dir.get(), kPreviewFileName) != 0) {
        if (written && closed)
            error = errno;
        ::unlinkat(dir.get(), temporary.c_str(), 0);
        fail("cannot write the preview page in", folder, error);
    }
    return folder + "/" + kPreviewFileName;
}

bool removePreviewPage(const std::string& folder) {
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (dir.get() < 0)
        return errno == ENOENT;
    return ::unlinkat(dir.get(), kPreviewFileName, 0) == 0 || errno == ENOENT;
}

} // namespace ornavo
