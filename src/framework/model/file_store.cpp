#include "file_store.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ornavo {

namespace {

// Closes the descriptor when it goes out of scope.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A file that is a link is written where the link points.
std::string resolvedTarget(const std::string& path) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

// The mode a new file gets: the old file's, or what the user's file-creation mask allows.
mode_t modeFor(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::string failureReason(int error) {
    switch (error) {
    case ENOSPC:
        return "磁盘已满";
    case EDQUOT:
        return "超出了磁盘配额";
    case EFBIG:
        return "文件超出了允许的大小";
    case EROFS:
        return "该位置是只读的";
    case EACCES:
    case EPERM:
        return "没有权限";
    case ENOENT:
        return "文件或文件夹不存在";
    case ENOTDIR:
        return "路径中有一项不是文件夹";
    case EISDIR:
        return "那是一个文件夹";
    case ENAMETOOLONG:
        return "文件名太长";
    default:
        return std::strerror(error);
    }
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string fileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string writeWholeFile(const std::string& path, const std::string& bytes) {
    const std::string target = resolvedTarget(path);
    std::string temporary = target + ".tmp-XXXXXX";
    Descriptor file;
    file.fd = ::mkstemp(temporary.data());
    if (file.fd < 0)
        return failureReason(errno);
    const auto fail = [&] {
        const int error = errno;
        ::unlink(temporary.c_str());
        return failureReason(error);
    };
    if (::fchmod(file.fd, modeFor(target)) != 0 || !writeAll(file.fd, bytes) || ::fsync(file.fd) != 0)
        return fail();
    const int fd = file.fd;
    file.fd = -1;
    if (::close(fd) != 0 || ::rename(temporary.c_str(), target.c_str()) != 0)
        return fail();
    // The rename itself reaches the disk with the folder.
    Descriptor folder;
    folder.fd = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder.fd >= 0)
        ::fsync(folder.fd);
    return {};
}

ReadResult readFileUpTo(const std::string& path, std::size_t limit, std::string& bytes, std::string* reason) {
    const auto failed = [&](int error, ReadResult result) {
        if (reason)
            *reason = failureReason(error);
        return result;
    };
    Descriptor file;
    file.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file.fd < 0)
        return failed(errno, errno == ENOENT ? ReadResult::Missing : ReadResult::Failed);
    struct stat st;
    if (::fstat(file.fd, &st) != 0)
        return failed(errno, ReadResult::Failed);
    if (!S_ISREG(st.st_mode))
        return failed(S_ISDIR(st.st_mode) ? EISDIR : EINVAL, ReadResult::Failed);
    if (static_cast<unsigned long long>(st.st_size) > limit)
        return ReadResult::TooLarge;
    bytes.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failed(errno, ReadResult::Failed);
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (bytes.size() > limit) // grew while being read
            return ReadResult::TooLarge;
    }
    return ReadResult::Read;
}

std::string makeFolders(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode) ? std::string() : failureReason(ENOTDIR);
    const std::string parent = folderOf(path);
    if (parent != path && parent != "." && parent != "/") {
        const std::string reason = makeFolders(parent);
        if (!reason.empty())
            return reason;
    }
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        return failureReason(errno);
    return {};
}

std::string stateFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && state[0] == '/')
        return std::string(state) + "/ornavo";
    const char* home = std::getenv("HOME");
    return std::string(home && home[0] ? home : ".") + "/.local/state/ornavo";
}

} // namespace ornavo
