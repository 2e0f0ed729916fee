#include "platform.h"

#include <cerrno>
#include <cstring>

// What follows the error texts is the POSIX implementation; platform_windows.cpp has Windows's.
#ifndef _WIN32
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <iconv.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#endif

namespace ornavo {

#ifndef _WIN32
namespace {

// Closes the descriptor when it goes out of scope.
class Descriptor {
  public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
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
    // Closes now; false (errno set) when closing failed.
    bool close() { return ::close(release()) == 0; }

  private:
    int fd_;
};

// Writes every byte, going on after interruptions; false with errno set otherwise.
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

Failure systemFailure(int error) {
    return Failure{errorReason(error), 0, error};
}

// A temporary this old is left over whoever wrote it: no write takes that long.
constexpr time_t kLeftoverAge = 10 * 60;

// A file that is a link is written where the link points.
std::string resolvedTarget(const std::string& path) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

// The mode a new file gets: the old file's, or what the user's file-creation mask allows.
mode_t modeFor(const std::string& path, Links links) {
    struct stat st;
    if ((links == Links::Follow ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st)) == 0 &&
        S_ISREG(st.st_mode))
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool isDirectory(const char* path) {
    struct stat st {};
    return path && path[0] == '/' && ::stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

FileIdentity identityOf(const struct stat& st) {
    FileIdentity id;
    id.device = static_cast<std::uint64_t>(st.st_dev);
    id.inode = static_cast<std::uint64_t>(st.st_ino);
    id.size = static_cast<std::uint64_t>(st.st_size);
    id.modifiedSeconds = static_cast<std::int64_t>(st.st_mtim.tv_sec);
    id.modifiedNanoseconds = static_cast<std::int64_t>(st.st_mtim.tv_nsec);
    return id;
}

Failure folderFailure(const std::string& what, const std::string& folder, int error) {
    return Failure{what + " " + folder + ": " + errorText(error), 0, error};
}

} // namespace
#endif

// ---- Errors ----

std::string errorReason(int error) {
    switch (error) {
    case ENOSPC:
        return "磁盘已满";
#ifdef EDQUOT
    case EDQUOT:
        return "超出了磁盘配额";
#endif
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
    case ELOOP:
        return "链接层层相套，找不到文件";
    case EIO:
        return "读写设备时出错";
    case EMFILE:
    case ENFILE:
        return "打开的文件太多";
    case ENOMEM:
        return "内存不足";
    case EBUSY:
        return "文件正被占用";
    case EEXIST:
        return "文件已存在";
    case EINVAL:
        return "系统不接受这个操作";
    default:
        return "系统错误 " + std::to_string(error);
    }
}

std::string errorText(int error) {
    return error ? std::strerror(error) : "unknown error";
}

// ---- Temporaries of whole-file writes ----

std::string temporaryPrefix(const std::string& path) {
    return path + ".tmp-";
}

long temporaryOwner(const std::string& rest) {
    const auto dash = rest.find('-');
    if (dash == 0 || dash == std::string::npos || dash > 9 || rest.size() != dash + 7 ||
        rest.find_first_not_of("0123456789") != dash)
        return 0;
    return std::stol(rest.substr(0, dash));
}

// ---- Whole files ----

std::string ReadFailure::reason(const std::string& limitText) const {
    switch (fault) {
    case ReadFault::Missing:
        return "文件不存在";
    case ReadFault::NotAFile:
        return error == EISDIR  ? "那是一个文件夹，不是文件"
               : error == ELOOP ? "那是一个符号链接，不是普通文件"
                                : "那不是普通文件（是管道、设备或套接字）";
    case ReadFault::TooLarge:
        return limitText.empty() ? "文件太大" : "文件超过 " + limitText;
    case ReadFault::Failed:
        break;
    }
    return "无法读取文件：" + errorReason(error);
}

std::string ReadFailure::english() const {
    switch (fault) {
    case ReadFault::Missing:
        return "no such file";
    case ReadFault::NotAFile:
        return error == EISDIR  ? "it is a folder"
               : error == ELOOP ? "it is a symbolic link"
                                : "it is not a regular file";
    case ReadFault::TooLarge:
        return "the file is too large";
    case ReadFault::Failed:
        break;
    }
    return errorText(error);
}

#ifndef _WIN32
std::optional<std::string> environmentVariable(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value ? std::optional<std::string>(value) : std::nullopt;
}

Result<std::string, ReadFailure> readFile(const std::string& path, std::size_t limit, Links links) {
    const auto failed = [](ReadFault fault, int error) { return ReadFailure{fault, error}; };
    // Not blocking: opening a pipe that nobody writes to would otherwise wait for a writer for ever.
    const int noFollow = links == Links::Refuse ? O_NOFOLLOW : 0;
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | noFollow));
    if (file.get() < 0) {
        if (errno == ELOOP && links == Links::Refuse) {
            struct stat st;
            if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode))
                return failed(ReadFault::NotAFile, ELOOP);
        }
        return failed(errno == ENOENT ? ReadFault::Missing : ReadFault::Failed, errno);
    }
    struct stat st;
    if (::fstat(file.get(), &st) != 0)
        return failed(ReadFault::Failed, errno);
    if (!S_ISREG(st.st_mode))
        return failed(ReadFault::NotAFile, S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    if (static_cast<unsigned long long>(st.st_size) > limit)
        return failed(ReadFault::TooLarge, EFBIG);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failed(ReadFault::Failed, errno);
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (bytes.size() > limit) // grew while being read
            return failed(ReadFault::TooLarge, EFBIG);
    }
    return bytes;
}

Status writeFile(const std::string& path, const std::string& bytes, Links links) {
    const std::string target = links == Links::Follow ? resolvedTarget(path) : path;
    // Named after the writing process, so that a write killed half-way can be told from one going on.
    std::string temporary = temporaryPrefix(target) + std::to_string(::getpid()) + "-XXXXXX";
    Descriptor file(::mkstemp(temporary.data()));
    if (file.get() < 0)
        return systemFailure(errno);
    const auto fail = [&] {
        const int error = errno;
        ::unlink(temporary.c_str());
        return systemFailure(error);
    };
    if (::fchmod(file.get(), modeFor(target, links)) != 0 || !writeAll(file.get(), bytes) ||
        ::fsync(file.get()) != 0)
        return fail();
    if (!file.close() || ::rename(temporary.c_str(), target.c_str()) != 0)
        return fail();
    // The rename itself reaches the disk with the folder.
    Descriptor folder(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
    removeWriteLeftovers(target, Links::Refuse);
    return {};
}

void removeWriteLeftovers(const std::string& path, Links links) {
    const std::string target = links == Links::Follow ? resolvedTarget(path) : path;
    const std::string prefix = fileNameOf(temporaryPrefix(target));
    const std::string folder = folderOf(target);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    const time_t now = ::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::string leftover = folder + "/" + name;
        struct stat st;
        if (::lstat(leftover.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        const long owner = temporaryOwner(name.substr(prefix.size()));
        const bool stale = now - st.st_mtime > kLeftoverAge;
        if (stale || (owner > 0 && owner != ::getpid() && !processRunning(owner)))
            ::unlink(leftover.c_str());
    }
    ::closedir(dir);
}

Status makeFolders(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode) ? Status() : Status(systemFailure(ENOTDIR));
    const std::string parent = folderOf(path);
    if (parent != path && parent != "." && parent != "/")
        if (Status made = makeFolders(parent); !made)
            return made;
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        return systemFailure(errno);
    return {};
}

bool isRegularFile(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool pathExists(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

Status renameFile(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) != 0)
        return systemFailure(errno);
    return {};
}

Status removeFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
        return systemFailure(errno);
    return {};
}

// ---- Paths and folders ----

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

std::string stateFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && state[0] == '/')
        return std::string(state) + "/ornavo";
    const char* home = std::getenv("HOME");
    return std::string(home && home[0] ? home : ".") + "/.local/state/ornavo";
}

std::string defaultPreviewFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (isDirectory(runtime))
        return std::string(runtime) + "/ornavo";
    const char* tmp = std::getenv("TMPDIR");
    const std::string base = isDirectory(tmp) ? std::string(tmp) : std::string("/tmp");
    return base + "/ornavo-" + std::to_string(::geteuid());
}

// ---- A folder only the user can reach ----

Result<PrivateFolder> PrivateFolder::open(const std::string& path, bool create) {
    if (path.empty())
        return Failure{"no folder given", 0, EINVAL};
    if (create && ::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        return folderFailure("cannot create the folder", path, errno);
    Descriptor dir(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (dir.get() < 0) {
        if (errno == ELOOP || errno == ENOTDIR)
            return Failure{"the folder " + path + " is a link or not a folder", 0, errno};
        return folderFailure("cannot open the folder", path, errno);
    }
    struct stat st {};
    if (::fstat(dir.get(), &st) != 0)
        return folderFailure("cannot examine the folder", path, errno);
    if (st.st_uid != ::geteuid())
        return Failure{"the folder " + path + " belongs to another user", 0, EPERM};
    if ((st.st_mode & 077) != 0 && ::fchmod(dir.get(), 0700) != 0)
        return folderFailure("cannot make the folder private", path, errno);
    return PrivateFolder(path, dir.release());
}

PrivateFolder::PrivateFolder(PrivateFolder&& other) noexcept : path_(std::move(other.path_)), fd_(other.fd_) {
    other.fd_ = -1;
}

PrivateFolder& PrivateFolder::operator=(PrivateFolder&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        path_ = std::move(other.path_);
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

PrivateFolder::~PrivateFolder() {
    if (fd_ >= 0)
        ::close(fd_);
}

Result<FileIdentity> PrivateFolder::createFile(const std::string& name, const std::string& bytes) {
    Descriptor file(::openat(fd_, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (file.get() < 0)
        return Failure{errorText(errno), 0, errno};
    struct stat st {};
    if (!writeAll(file.get(), bytes) || ::fstat(file.get(), &st) != 0 || !file.close()) {
        const int error = errno;
        ::unlinkat(fd_, name.c_str(), 0);
        return Failure{errorText(error), 0, error};
    }
    return identityOf(st);
}

Status PrivateFolder::rename(const std::string& from, const std::string& to) {
    if (::renameat(fd_, from.c_str(), fd_, to.c_str()) != 0)
        return Failure{errorText(errno), 0, errno};
    return {};
}

void PrivateFolder::remove(const std::string& name) {
    ::unlinkat(fd_, name.c_str(), 0);
}

Result<std::optional<FileIdentity>> PrivateFolder::identity(const std::string& name) const {
    struct stat st {};
    if (::fstatat(fd_, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
        return std::optional<FileIdentity>(identityOf(st));
    if (errno == ENOENT)
        return std::optional<FileIdentity>();
    return Failure{errorText(errno), 0, errno};
}

std::vector<PrivateFolder::Entry> PrivateFolder::entries() const {
    std::vector<Entry> all;
    const int listing = ::dup(fd_);
    if (listing < 0)
        return all;
    DIR* dir = ::fdopendir(listing);
    if (!dir) {
        ::close(listing);
        return all;
    }
    ::rewinddir(dir);
    const time_t now = ::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        Entry e;
        e.name = entry->d_name;
        if (e.name == "." || e.name == "..")
            continue;
        struct stat st {};
        if (::fstatat(fd_, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
            e.regular = S_ISREG(st.st_mode);
            e.ageSeconds = static_cast<std::int64_t>(now - st.st_mtime);
        }
        all.push_back(std::move(e));
    }
    ::closedir(dir);
    return all;
}

// ---- Locks between running copies of the program ----

Result<std::optional<FileLock>> FileLock::take(const std::string& path) {
    Descriptor file(
        ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600));
    if (file.get() < 0)
        return systemFailure(errno);
    struct stat st;
    if (::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return systemFailure(EINVAL);
    // An open file description of its own: a second take in this process is refused as well.
    while (::flock(file.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        if (errno == EWOULDBLOCK)
            return std::optional<FileLock>();
        return systemFailure(errno);
    }
    return std::optional<FileLock>(FileLock(file.release()));
}

FileLock::FileLock(FileLock&& other) noexcept : handle_(other.handle_) {
    other.handle_ = -1;
}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        if (handle_ >= 0)
            ::close(handle_);
        handle_ = other.handle_;
        other.handle_ = -1;
    }
    return *this;
}

FileLock::~FileLock() {
    if (handle_ >= 0)
        ::close(handle_);
}

// ---- Processes ----

long processId() {
    return static_cast<long>(::getpid());
}

bool processRunning(long id) {
    return !(::kill(static_cast<pid_t>(id), 0) != 0 && errno == ESRCH);
}

bool endProcess(long id) {
    return id > 0 && ::kill(static_cast<pid_t>(id), SIGKILL) == 0;
}

// ---- Scratch ----

Result<std::unique_ptr<std::iostream>> openScratchFile() {
    const char* tmp = std::getenv("TMPDIR");
    const std::string folder = tmp && tmp[0] ? std::string(tmp) : std::string("/tmp");
    std::string path = folder + "/ornavo-recipe-XXXXXX";
    Descriptor fd(::mkstemp(path.data()));
    if (fd.get() < 0)
        return Failure{errorText(errno) + " (" + folder + ")", 0, errno};
    auto stream = std::make_unique<std::fstream>(path, std::ios::in | std::ios::out | std::ios::trunc |
                                                           std::ios::binary);
    // Unnamed from now on: the open stream keeps the file until it goes.
    ::unlink(path.c_str());
    if (!stream->is_open())
        return Failure{"cannot open " + path, 0, EIO};
    return std::unique_ptr<std::iostream>(std::move(stream));
}

// ---- The GBK code page ----

CodePageConverter::CodePageConverter(Direction direction)
    : handle_(direction == Direction::Utf8ToGbk ? iconv_open("GBK", "UTF-8") : iconv_open("UTF-8", "GBK")) {}

CodePageConverter::~CodePageConverter() {
    if (handle_ != reinterpret_cast<void*>(-1))
        iconv_close(static_cast<iconv_t>(handle_));
}

bool CodePageConverter::convert(const std::string& in, std::string& out) {
    if (handle_ == reinterpret_cast<void*>(-1))
        return false;
    const auto cd = static_cast<iconv_t>(handle_);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string buffer(in.size() * 4 + 16, '\0');
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char* dst = buffer.data();
    std::size_t dstLeft = buffer.size();
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1))
        return false;
    if (iconv(cd, nullptr, nullptr, &dst, &dstLeft) == static_cast<std::size_t>(-1))
        return false;
    out.append(buffer.data(), buffer.size() - dstLeft);
    return true;
}
#endif

} // namespace ornavo
