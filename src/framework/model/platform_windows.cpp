// The model's calls to the operating system on Windows (platform.cpp has the POSIX ones). Texts stay
// UTF-8 inside; every path becomes UTF-16 at the call, so names in any script work whatever the
// system's ANSI code page. Failures carry errno values (translated from the system's error codes), so
// the callers and the error texts are the same on every system.
//
// A function added to platform.h gets its counterpart here, usually built from the helpers below:
// wide()/narrow() for texts, Handle for what the system opens, failureFromLastError() for errors.

#ifdef _WIN32

#include "platform.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <istream>
#include <streambuf>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

namespace ornavo {

namespace {

// ---- Texts ----

std::wstring wide(const std::string& utf8, UINT codePage = CP_UTF8, DWORD flags = 0) {
    if (utf8.empty())
        return {};
    const int size = static_cast<int>(utf8.size());
    const int n = ::MultiByteToWideChar(codePage, flags, utf8.data(), size, nullptr, 0);
    if (n <= 0)
        return {};
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(codePage, flags, utf8.data(), size, out.data(), n);
    return out;
}

std::string narrow(const std::wstring& text) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (n <= 0)
        return {};
    std::string out(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, out.data(), n, nullptr, nullptr);
    return out;
}

// An environment variable as the user set it (not through the ANSI code page).
std::optional<std::string> variable(const std::wstring& name) {
    std::wstring value(256, L'\0');
    for (;;) {
        ::SetLastError(ERROR_SUCCESS);
        const DWORD n =
            ::GetEnvironmentVariableW(name.c_str(), value.data(), static_cast<DWORD>(value.size()));
        if (n == 0)
            return ::GetLastError() == ERROR_ENVVAR_NOT_FOUND ? std::nullopt : std::optional<std::string>("");
        if (n < value.size()) {
            value.resize(n);
            return narrow(value);
        }
        value.resize(n);
    }
}

std::string environment(const wchar_t* name) {
    return variable(name).value_or(std::string());
}

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

// "C:\x", "\\server\share\x" or "\x": a path that does not depend on the current folder.
bool isAbsolute(const std::string& path) {
    if (path.size() >= 3 && path[1] == ':' && isSeparator(path[2]))
        return true;
    return path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1]);
}

// ---- Errors ----

int errnoFrom(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_NETWORK_ACCESS_DENIED:
    case ERROR_CANNOT_MAKE:
        return EACCES;
    case ERROR_PRIVILEGE_NOT_HELD:
        return EPERM;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_FILE_TOO_LARGE:
        return EFBIG;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_BUSY:
    case ERROR_USER_MAPPED_FILE:
        return EBUSY;
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW:
        return ENAMETOOLONG;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_CANT_RESOLVE_FILENAME:
        return ELOOP;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    case ERROR_TOO_MANY_OPEN_FILES:
        return EMFILE;
    case ERROR_DIR_NOT_EMPTY:
        return ENOTEMPTY;
    case ERROR_NOT_SAME_DEVICE:
        return EXDEV;
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:
        return EPIPE;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_PARAMETER:
        return EINVAL;
    default:
        return EIO;
    }
}

int lastErrno() {
    return errnoFrom(::GetLastError());
}

Failure systemFailure(int error) {
    return Failure{errorReason(error), 0, error};
}

Failure failureFromLastError() {
    return systemFailure(lastErrno());
}

Failure folderFailure(const std::string& what, const std::string& folder, int error) {
    return Failure{what + " " + folder + ": " + errorText(error), 0, error};
}

// Closes the handle when it goes out of scope.
class Handle {
  public:
    explicit Handle(HANDLE h = INVALID_HANDLE_VALUE) : h_(h) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
    HANDLE release() {
        const HANDLE h = h_;
        h_ = INVALID_HANDLE_VALUE;
        return h;
    }
    // Closes now; false (the last error set) when closing failed.
    bool close() {
        const HANDLE h = release();
        return h == INVALID_HANDLE_VALUE || h == nullptr || ::CloseHandle(h);
    }

  private:
    HANDLE h_;
};

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opens what is at the path for looking at it only; `links` false opens a link itself.
Handle openForAttributes(const std::string& path, bool links) {
    DWORD flags = FILE_FLAG_BACKUP_SEMANTICS; // folders too
    if (!links)
        flags |= FILE_FLAG_OPEN_REPARSE_POINT;
    return Handle(::CreateFileW(wide(path).c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                                flags, nullptr));
}

// Writes every byte; false with the last error set otherwise.
bool writeAll(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr))
            return false;
        if (written == 0) {
            ::SetLastError(ERROR_DISK_FULL);
            return false;
        }
        done += written;
    }
    return true;
}

// 100-nanosecond ticks since 1601 → seconds and nanoseconds since 1970.
constexpr std::int64_t kTicksTo1970 = 116444736000000000LL;

std::int64_t ticksOf(const FILETIME& t) {
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
}

FileIdentity identityOf(const BY_HANDLE_FILE_INFORMATION& info) {
    FileIdentity id;
    id.device = info.dwVolumeSerialNumber;
    id.inode = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    id.size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    const std::int64_t since1970 = ticksOf(info.ftLastWriteTime) - kTicksTo1970;
    id.modifiedSeconds = since1970 / 10000000;
    id.modifiedNanoseconds = (since1970 % 10000000) * 100;
    return id;
}

// What a name refers to, links not followed: nothing when nothing is there.
Result<std::optional<FileIdentity>> identityAt(const std::string& path) {
    Handle file = openForAttributes(path, false);
    if (!file.valid()) {
        const int error = lastErrno();
        if (error == ENOENT)
            return std::optional<FileIdentity>();
        return Failure{errorText(error), 0, error};
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file.get(), &info))
        return Failure{errorText(lastErrno()), 0, lastErrno()};
    return std::optional<FileIdentity>(identityOf(info));
}

// A file that is a link is written where the link points.
std::string resolvedTarget(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return path;
    Handle target = openForAttributes(path, true);
    if (!target.valid())
        return path;
    std::wstring final(MAX_PATH, L'\0');
    DWORD n = ::GetFinalPathNameByHandleW(target.get(), final.data(), static_cast<DWORD>(final.size()), 0);
    if (n >= final.size()) {
        final.resize(n);
        n = ::GetFinalPathNameByHandleW(target.get(), final.data(), static_cast<DWORD>(final.size()), 0);
    }
    if (n == 0 || n >= final.size())
        return path;
    final.resize(n);
    if (final.compare(0, 8, L"\\\\?\\UNC\\") == 0)
        final = L"\\\\" + final.substr(8);
    else if (final.compare(0, 4, L"\\\\?\\") == 0)
        final = final.substr(4);
    return narrow(final);
}

// A name no other write of this process or another one uses at the same time.
// "PID-NNNNNN": the writing process, and six digits of its own (as the writes of other systems name
// their temporaries), so that a write killed half-way can be told from one going on.
std::string uniqueSuffix() {
    static LONG counter = 0;
    char digits[16];
    std::snprintf(digits, sizeof digits, "%06lu",
                  static_cast<unsigned long>(::InterlockedIncrement(&counter)) % 1000000ul);
    return std::to_string(::GetCurrentProcessId()) + "-" + digits;
}

// A temporary this old is left over whoever wrote it: no write takes that long (in FILETIME ticks).
constexpr std::int64_t kLeftoverAge = 10LL * 60 * 10000000;

// Renames over what has the new name, the rename itself on the disk before it returns. A virus
// scanner or an indexer that has just opened the file holds it for a moment: a few tries, briefly.
bool replaceFile(const std::wstring& from, const std::wstring& to) {
    for (int attempt = 0;; ++attempt) {
        if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD error = ::GetLastError();
        if (attempt == 4 || (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION))
            return false;
        ::Sleep(20);
        ::SetLastError(error);
    }
}

// ---- The user's own security ----

// The user's account, and the owner the system gives what the user creates (the same account, or the
// Administrators group for an elevated administrator).
struct Identity {
    std::string user;  // SID as text
    std::string owner; // SID as text
};

std::string sidText(PSID sid) {
    LPWSTR text = nullptr;
    if (!::ConvertSidToStringSidW(sid, &text))
        return {};
    std::string out = narrow(text);
    ::LocalFree(text);
    return out;
}

Identity currentIdentity() {
    Identity me;
    HANDLE raw = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &raw))
        return me;
    Handle token(raw);
    const auto query = [&](TOKEN_INFORMATION_CLASS what) {
        DWORD size = 0;
        ::GetTokenInformation(token.get(), what, nullptr, 0, &size);
        std::string buffer(size, '\0');
        if (size == 0 || !::GetTokenInformation(token.get(), what, buffer.data(), size, &size))
            buffer.clear();
        return buffer;
    };
    const std::string user = query(TokenUser);
    if (!user.empty())
        me.user = sidText(reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid);
    const std::string owner = query(TokenOwner);
    if (!owner.empty())
        me.owner = sidText(reinterpret_cast<const TOKEN_OWNER*>(owner.data())->Owner);
    return me;
}

// Full control for the user (and the system's own account), nothing inherited, nobody else.
struct PrivateSecurity {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    explicit PrivateSecurity(const std::string& userSid) {
        if (userSid.empty())
            return;
        const std::wstring sddl = L"D:P(A;OICI;FA;;;" + wide(userSid) + L")(A;OICI;FA;;;SY)";
        ::ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1, &descriptor,
                                                               nullptr);
    }
    ~PrivateSecurity() {
        if (descriptor)
            ::LocalFree(descriptor);
    }
    PrivateSecurity(const PrivateSecurity&) = delete;
    PrivateSecurity& operator=(const PrivateSecurity&) = delete;
};

// ---- A stream over a file handle ----

// Reads and writes a file through the system's handle, with a buffer of its own; seeking empties it.
class HandleBuffer : public std::streambuf {
  public:
    explicit HandleBuffer(HANDLE file) : file_(file) { setp(out_, out_ + sizeof out_); }
    ~HandleBuffer() override {
        sync();
        ::CloseHandle(file_);
    }

  protected:
    int overflow(int c) override {
        if (!flushOut())
            return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return flushOut() ? 0 : -1; }
    int_type underflow() override {
        if (!flushOut())
            return traits_type::eof();
        DWORD got = 0;
        if (!::ReadFile(file_, in_, sizeof in_, &got, nullptr) || got == 0)
            return traits_type::eof();
        setg(in_, in_, in_ + got);
        return traits_type::to_int_type(in_[0]);
    }
    pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode) override {
        if (!flushOut())
            return pos_type(off_type(-1));
        // What was read ahead but not yet taken is behind the system's position.
        if (dir == std::ios_base::cur)
            off -= egptr() - gptr();
        setg(in_, in_, in_);
        LARGE_INTEGER distance, now;
        distance.QuadPart = off;
        const DWORD method = dir == std::ios_base::beg   ? FILE_BEGIN
                             : dir == std::ios_base::cur ? FILE_CURRENT
                                                         : FILE_END;
        if (!::SetFilePointerEx(file_, distance, &now, method))
            return pos_type(off_type(-1));
        return pos_type(now.QuadPart);
    }
    pos_type seekpos(pos_type pos, std::ios_base::openmode which) override {
        return seekoff(off_type(pos), std::ios_base::beg, which);
    }

  private:
    bool flushOut() {
        const std::size_t pending = static_cast<std::size_t>(pptr() - pbase());
        if (pending == 0)
            return true;
        const bool ok = writeAll(file_, std::string(pbase(), pending));
        setp(out_, out_ + sizeof out_);
        if (!ok)
            errno = lastErrno();
        return ok;
    }

    HANDLE file_;
    char in_[65536];
    char out_[65536];
};

class HandleStream : public std::iostream {
  public:
    explicit HandleStream(HANDLE file) : std::iostream(nullptr), buffer_(file) { rdbuf(&buffer_); }

  private:
    HandleBuffer buffer_;
};

} // namespace

// ---- The environment ----

std::optional<std::string> environmentVariable(const std::string& name) {
    return variable(wide(name));
}

// ---- Whole files ----

Result<std::string, ReadFailure> readFile(const std::string& path, std::size_t limit, Links links) {
    const auto failed = [](ReadFault fault, int error) { return ReadFailure{fault, error}; };
    // The program's own files are never read through a link (a symbolic link or a junction).
    if (links == Links::Refuse) {
        const DWORD attributes = ::GetFileAttributesW(wide(path).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
            return failed(ReadFault::NotAFile, ELOOP);
    }
    // A folder opens too (to be named as one); a pipe, a console or a device is never read.
    Handle file(::CreateFileW(wide(path).c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.valid()) {
        const int error = lastErrno();
        return failed(error == ENOENT ? ReadFault::Missing : ReadFault::Failed, error);
    }
    if (::GetFileType(file.get()) != FILE_TYPE_DISK)
        return failed(ReadFault::NotAFile, EINVAL);
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file.get(), &info))
        return failed(ReadFault::Failed, lastErrno());
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return failed(ReadFault::NotAFile, EISDIR);
    const std::uint64_t size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    if (size > limit)
        return failed(ReadFault::TooLarge, EFBIG);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size));
    char buffer[65536];
    for (;;) {
        DWORD n = 0;
        if (!::ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr))
            return failed(ReadFault::Failed, lastErrno());
        if (n == 0)
            break;
        bytes.append(buffer, n);
        if (bytes.size() > limit) // grew while being read
            return failed(ReadFault::TooLarge, EFBIG);
    }
    return bytes;
}

Status writeFile(const std::string& path, const std::string& bytes, Links links) {
    // A link among the program's own files is replaced, never written through.
    const std::string target = links == Links::Follow ? resolvedTarget(path) : path;
    const std::wstring temporary = wide(temporaryPrefix(target) + uniqueSuffix());
    Handle file(::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                              nullptr));
    if (!file.valid())
        return failureFromLastError();
    const auto fail = [&] {
        const int error = lastErrno();
        file.close();
        ::DeleteFileW(temporary.c_str());
        return systemFailure(error);
    };
    if (!writeAll(file.get(), bytes) || !::FlushFileBuffers(file.get()))
        return fail();
    if (!file.close() || !replaceFile(temporary, wide(target)))
        return fail();
    removeWriteLeftovers(target, Links::Refuse);
    return {};
}

void removeWriteLeftovers(const std::string& path, Links links) {
    const std::string target = links == Links::Follow ? resolvedTarget(path) : path;
    const std::string prefix = fileNameOf(temporaryPrefix(target));
    const std::string folder = folderOf(target);
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW(wide(pathInFolder(folder, prefix + "*")).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    FILETIME nowFile{};
    ::GetSystemTimeAsFileTime(&nowFile);
    const std::int64_t now = ticksOf(nowFile);
    do {
        const std::string name = narrow(found.cFileName);
        if (name.compare(0, prefix.size(), prefix) != 0 ||
            (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
            continue;
        const long owner = temporaryOwner(name.substr(prefix.size()));
        const bool stale = now - ticksOf(found.ftLastWriteTime) > kLeftoverAge;
        if (stale || (owner > 0 && owner != processId() && !processRunning(owner)))
            ::DeleteFileW(wide(pathInFolder(folder, name)).c_str());
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

Status makeFolders(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(wide(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? Status() : Status(systemFailure(ENOTDIR));
    const std::string parent = folderOf(path);
    if (parent != path && parent != ".")
        if (Status made = makeFolders(parent); !made)
            return made;
    if (!::CreateDirectoryW(wide(path).c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
        return failureFromLastError();
    return {};
}

bool isRegularFile(const std::string& path) {
    Handle file = openForAttributes(path, true);
    BY_HANDLE_FILE_INFORMATION info{};
    return file.valid() && ::GetFileType(file.get()) == FILE_TYPE_DISK &&
           ::GetFileInformationByHandle(file.get(), &info) &&
           !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool pathExists(const std::string& path) {
    return ::GetFileAttributesW(wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

Status renameFile(const std::string& from, const std::string& to) {
    if (!::MoveFileExW(wide(from).c_str(), wide(to).c_str(), MOVEFILE_REPLACE_EXISTING))
        return failureFromLastError();
    return {};
}

Status removeFile(const std::string& path) {
    if (!::DeleteFileW(wide(path).c_str())) {
        const int error = lastErrno();
        if (error != ENOENT)
            return systemFailure(error);
    }
    return {};
}

// ---- Paths and folders ----

std::string folderOf(const std::string& path) {
    const auto separator = path.find_last_of("\\/");
    if (separator == std::string::npos)
        return path.size() >= 2 && path[1] == ':' ? path.substr(0, 2) : ".";
    // A drive's root, or the root of the current drive, stays whole.
    if (separator == 0 || (separator == 2 && path[1] == ':'))
        return path.substr(0, separator + 1);
    return path.substr(0, separator);
}

std::string fileNameOf(const std::string& path) {
    const auto separator = path.find_last_of("\\/");
    if (separator == std::string::npos)
        return path.size() >= 2 && path[1] == ':' ? path.substr(2) : path;
    return path.substr(separator + 1);
}

std::string stateFolder() {
    std::string base = environment(L"LOCALAPPDATA");
    if (!isAbsolute(base)) {
        const std::string profile = environment(L"USERPROFILE");
        base = isAbsolute(profile) ? pathInFolder(profile, "AppData\\Local") : std::string(".");
    }
    return pathInFolder(base, "Ornavo");
}

std::string defaultPreviewFolder() {
    // The user's own temporary folder (TMP, TEMP or the profile's), with its separator at the end.
    wchar_t buffer[MAX_PATH + 2];
    const DWORD n = ::GetTempPathW(MAX_PATH + 2, buffer);
    std::string base = n > 0 && n <= MAX_PATH + 1 ? narrow(std::wstring(buffer, n)) : std::string(".\\");
    if (!isSeparator(base.back()))
        base += kPathSeparator;
    return base + "ornavo";
}

// ---- A folder only the user can reach ----

Result<PrivateFolder> PrivateFolder::open(const std::string& path, bool create) {
    if (path.empty())
        return Failure{"no folder given", 0, EINVAL};
    const Identity me = currentIdentity();
    bool created = false;
    if (create) {
        PrivateSecurity security(me.user);
        SECURITY_ATTRIBUTES attributes{sizeof attributes, security.descriptor, FALSE};
        created = ::CreateDirectoryW(wide(path).c_str(), security.descriptor ? &attributes : nullptr);
        if (!created && ::GetLastError() != ERROR_ALREADY_EXISTS)
            return folderFailure("cannot create the folder", path, lastErrno());
    }
    // Held without leave to delete: while it is open, nobody can rename the folder or put a link in
    // its place, so every later name inside it is the name in this folder.
    Handle dir(::CreateFileW(wide(path).c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | READ_CONTROL,
                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                             FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!dir.valid())
        return folderFailure("cannot open the folder", path, lastErrno());
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(dir.get(), &info))
        return folderFailure("cannot examine the folder", path, lastErrno());
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ||
        !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return Failure{"the folder " + path + " is a link or not a folder", 0,
                       (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? ELOOP : ENOTDIR};
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (::GetSecurityInfo(dir.get(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr,
                          nullptr, &descriptor) == ERROR_SUCCESS) {
        const std::string ownerSid = owner ? sidText(owner) : std::string();
        ::LocalFree(descriptor);
        if (!ownerSid.empty() && ownerSid != me.user && ownerSid != me.owner)
            return Failure{"the folder " + path + " belongs to another user", 0, EPERM};
    }
    // Whatever others were allowed is taken away: the user and the system only.
    if (!created) {
        PrivateSecurity security(me.user);
        BOOL present = FALSE, defaulted = FALSE;
        PACL acl = nullptr;
        if (security.descriptor &&
            ::GetSecurityDescriptorDacl(security.descriptor, &present, &acl, &defaulted) && present)
            ::SetNamedSecurityInfoW(wide(path).data(), SE_FILE_OBJECT,
                                    DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, nullptr,
                                    nullptr, acl, nullptr);
    }
    return PrivateFolder(path, dir.release());
}

PrivateFolder::PrivateFolder(PrivateFolder&& other) noexcept
    : path_(std::move(other.path_)), handle_(other.handle_) {
    other.handle_ = nullptr;
}

PrivateFolder& PrivateFolder::operator=(PrivateFolder&& other) noexcept {
    if (this != &other) {
        if (handle_)
            ::CloseHandle(handle_);
        path_ = std::move(other.path_);
        handle_ = other.handle_;
        other.handle_ = nullptr;
    }
    return *this;
}

PrivateFolder::~PrivateFolder() {
    if (handle_)
        ::CloseHandle(handle_);
}

Result<FileIdentity> PrivateFolder::createFile(const std::string& name, const std::string& bytes) {
    const std::string path = pathInFolder(path_, name);
    const std::wstring file16 = wide(path);
    // A new name only: whatever is there already, a link too, makes this fail.
    Handle file(::CreateFileW(file16.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file.valid()) {
        const int error = lastErrno();
        return Failure{errorText(error), 0, error};
    }
    if (!writeAll(file.get(), bytes) || !file.close()) {
        const int error = lastErrno();
        file.close();
        ::DeleteFileW(file16.c_str());
        return Failure{errorText(error), 0, error};
    }
    // Taken once the file is closed: the system may set its time of writing only then.
    Result<std::optional<FileIdentity>> written = identityAt(path);
    if (!written || !*written) {
        ::DeleteFileW(file16.c_str());
        return written ? Failure{errorText(ENOENT), 0, ENOENT} : written.failure();
    }
    return **written;
}

Status PrivateFolder::rename(const std::string& from, const std::string& to) {
    // Replaces the entry with the new name (a link itself, never what it points at).
    if (!replaceFile(wide(pathInFolder(path_, from)), wide(pathInFolder(path_, to)))) {
        const int error = lastErrno();
        return Failure{errorText(error), 0, error};
    }
    return {};
}

void PrivateFolder::remove(const std::string& name) {
    ::DeleteFileW(wide(pathInFolder(path_, name)).c_str());
}

Result<std::optional<FileIdentity>> PrivateFolder::identity(const std::string& name) const {
    return identityAt(pathInFolder(path_, name));
}

std::vector<PrivateFolder::Entry> PrivateFolder::entries() const {
    std::vector<Entry> all;
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileExW(wide(pathInFolder(path_, "*")).c_str(), FindExInfoBasic, &found,
                                       FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE)
        return all;
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    do {
        Entry e;
        e.name = narrow(found.cFileName);
        if (e.name == "." || e.name == "..")
            continue;
        e.regular = !(found.dwFileAttributes &
                      (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE));
        e.ageSeconds = (ticksOf(now) - ticksOf(found.ftLastWriteTime)) / 10000000;
        all.push_back(std::move(e));
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return all;
}

// ---- Locks between running copies of the program ----

Result<std::optional<FileLock>> FileLock::take(const std::string& path) {
    // Opened to read and write, shared, so that the next copy can open it too and find it locked.
    Handle file(::CreateFileW(wide(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file.valid())
        return failureFromLastError();
    if (::GetFileType(file.get()) != FILE_TYPE_DISK)
        return systemFailure(EINVAL);
    // A lock of this handle's own: a second take in this process is refused as well.
    OVERLAPPED at{};
    if (!::LockFileEx(file.get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
        if (::GetLastError() == ERROR_LOCK_VIOLATION || ::GetLastError() == ERROR_IO_PENDING)
            return std::optional<FileLock>();
        return failureFromLastError();
    }
    return std::optional<FileLock>(FileLock(file.release()));
}

FileLock::FileLock(FileLock&& other) noexcept : handle_(other.handle_) {
    other.handle_ = nullptr;
}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        if (handle_)
            ::CloseHandle(static_cast<HANDLE>(handle_)); // the system lets go of the lock with the handle
        handle_ = other.handle_;
        other.handle_ = nullptr;
    }
    return *this;
}

FileLock::~FileLock() {
    if (handle_)
        ::CloseHandle(static_cast<HANDLE>(handle_));
}

// ---- Processes ----

long processId() {
    return static_cast<long>(::GetCurrentProcessId());
}

bool endProcess(long id) {
    if (id <= 0)
        return false;
    Handle process(::OpenProcess(PROCESS_TERMINATE, FALSE, static_cast<DWORD>(id)));
    return process.valid() && ::TerminateProcess(process.get(), 1);
}

bool processRunning(long id) {
    Handle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(id)));
    if (!process.valid())
        return ::GetLastError() != ERROR_INVALID_PARAMETER; // no such process; denied means it runs
    DWORD code = 0;
    return !::GetExitCodeProcess(process.get(), &code) || code == STILL_ACTIVE;
}

// ---- Scratch ----

Result<std::unique_ptr<std::iostream>> openScratchFile() {
    wchar_t buffer[MAX_PATH + 2];
    const DWORD n = ::GetTempPathW(MAX_PATH + 2, buffer);
    if (n == 0 || n > MAX_PATH + 1)
        return Failure{"no temporary folder", 0, ENOENT};
    const std::string folder = narrow(std::wstring(buffer, n));
    const std::string path = folder + "ornavo-recipe-" + uniqueSuffix() + ".tmp";
    // Deleted by the system when the stream closes it, however the program ends.
    HANDLE file = ::CreateFileW(wide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const int error = lastErrno();
        return Failure{errorText(error) + " (" + folder + ")", 0, error};
    }
    return std::unique_ptr<std::iostream>(std::make_unique<HandleStream>(file));
}

// ---- The GBK code page ----

namespace {

constexpr UINT kGbkCodePage = 936;

// The user-defined areas of GBK come out of code page 936 as private-use characters; GBK proper has
// none, and neither has the conversion on other systems.
bool holdsPrivateUse(const std::wstring& text) {
    for (const wchar_t c : text)
        if (c >= 0xE000 && c <= 0xF8FF)
            return true;
    return false;
}

// Strictly: a sequence that is not valid UTF-8 fails.
bool fromUtf8(const std::string& in, std::wstring& out) {
    const int size = static_cast<int>(in.size());
    const int n = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, in.data(), size, nullptr, 0);
    if (n <= 0)
        return false;
    out.assign(static_cast<std::size_t>(n), L'\0');
    return ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, in.data(), size, out.data(), n) == n;
}

} // namespace

CodePageConverter::CodePageConverter(Direction direction) : handle_(nullptr), direction_(direction) {}

CodePageConverter::~CodePageConverter() = default;

bool CodePageConverter::convert(const std::string& in, std::string& out) {
    if (in.empty())
        return true;
    if (direction_ == Direction::GbkToUtf8) {
        const std::wstring text = wide(in, kGbkCodePage, MB_ERR_INVALID_CHARS);
        if (text.empty() || holdsPrivateUse(text))
            return false;
        out += narrow(text);
        return true;
    }
    std::wstring text;
    if (!fromUtf8(in, text) || holdsPrivateUse(text))
        return false;
    const int size = static_cast<int>(text.size());
    // No best fit: a character code page 936 lacks is never replaced by a look-alike.
    BOOL defaulted = FALSE;
    const int n = ::WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr, 0,
                                        nullptr, &defaulted);
    if (n <= 0 || defaulted)
        return false;
    std::string bytes(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, text.data(), size, bytes.data(), n, nullptr,
                          &defaulted);
    if (defaulted)
        return false;
    out += bytes;
    return true;
}

} // namespace ornavo

#endif // _WIN32
