#pragma once
// Everything the model asks of the operating system, in one place: files read whole and written
// whole, the folders the program keeps its files in, a private folder for the preview page, a scratch
// file, and the GBK code page. No other model file calls the system. platform.cpp implements it for
// POSIX systems, platform_windows.cpp for Windows; a port to another system has one more such file
// to write and nothing else. Texts and paths are UTF-8 on every system; error numbers are errno values.

#include "result.h"

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ornavo {

// ---- Errors ----

// An error number as the user reads it (Chinese).
std::string errorReason(int error);
// An error number in the system's own words (English), for the command line.
std::string errorText(int error);

// ---- The environment ----

// A variable of the process's environment, in UTF-8 (on Windows too, whatever its code page); nothing
// when it is not set.
std::optional<std::string> environmentVariable(const std::string& name);

// ---- Whole files ----

enum class ReadFault {
    Missing,  // no such file
    NotAFile, // a folder, a pipe, a device, a socket: never opened for reading
    TooLarge, // larger than the limit
    Failed,   // the system refused (error says why)
};
struct ReadFailure {
    ReadFault fault = ReadFault::Failed;
    int error = 0;
    // Why, for the user (Chinese); `limitText` names the limit of a file that is too large ("1 MiB").
    std::string reason(const std::string& limitText = {}) const;
    // The same in English, for the command line.
    std::string english() const;
};

// What a file operation does with a path that is a symbolic link.
enum class Links {
    Follow, // reads or writes the file the link points to (files the user names)
    Refuse, // reads nothing (NotAFile), and a write replaces the link itself (the program's own files)
};

// Reads a whole regular file of at most `limit` bytes. Anything that is not a regular file is refused
// at once, without waiting for it (a pipe with no writer, a terminal, a device).
Result<std::string, ReadFailure> readFile(const std::string& path, std::size_t limit,
                                          Links links = Links::Follow);

// Writes the bytes to `path` through a temporary file beside it, flushed to the disk and then renamed
// over the old file, so that a reader sees the old file or the new one, never a part. On any failure
// the old file stays as it was and the temporary one is removed; temporaries that earlier writes of
// the same path left behind when they were killed are removed after a write (removeWriteLeftovers).
Status writeFile(const std::string& path, const std::string& bytes, Links links = Links::Follow);
// Removes the temporaries of interrupted writes of `path` (links not followed): those of processes
// that no longer run, and any older than ten minutes. Those of running writers are theirs to finish.
void removeWriteLeftovers(const std::string& path, Links links = Links::Follow);
// Temporaries of a write of `path` are named path + ".tmp-" + the writer's process number + "-" + six
// characters (and were path + ".tmp-" + six characters before they carried the number).
std::string temporaryPrefix(const std::string& path);
// The writing process that what follows a temporary's prefix names; 0 when it names none.
long temporaryOwner(const std::string& rest);

// Creates the folder and the folders above it that are missing (readable by the user only).
Status makeFolders(const std::string& path);

// Whether a regular file is there (links followed); whether anything is there (links not followed).
bool isRegularFile(const std::string& path);
bool pathExists(const std::string& path);
Status renameFile(const std::string& from, const std::string& to);
// Removes a file (a link itself, not what it points at); one that is not there is no failure.
Status removeFile(const std::string& path);

// ---- Paths and folders ----

// What separates a folder from the names in it ("/"; "\\" on Windows, which takes "/" as well).
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif
inline std::string pathInFolder(const std::string& folder, const std::string& name) {
    return folder + kPathSeparator + name;
}

// "/a/b/c.txt" → "/a/b" and "c.txt"; a name without a folder is in ".". On Windows both separators
// count, and a drive's root ("C:\\") is kept whole.
std::string folderOf(const std::string& path);
std::string fileNameOf(const std::string& path);

// The program's folder in the user's state folder: $XDG_STATE_HOME/ornavo, or ~/.local/state/ornavo
// (an XDG_STATE_HOME that is not an absolute path does not count). On Windows: %LOCALAPPDATA%\\Ornavo.
std::string stateFolder();
// Where the preview page goes unless told otherwise: "ornavo" in the user's runtime folder
// ($XDG_RUNTIME_DIR) when there is one, else "ornavo-<uid>" in the temporary folder ($TMPDIR or /tmp).
// On Windows: "ornavo" in the user's own temporary folder (%TEMP%). Only computes the path.
std::string defaultPreviewFolder();

// ---- A folder only the user can reach ----

// What tells one written file from another written later under the same name.
struct FileIdentity {
    std::uint64_t device = 0, inode = 0, size = 0;
    std::int64_t modifiedSeconds = 0, modifiedNanoseconds = 0;
    bool operator==(const FileIdentity& o) const {
        return device == o.device && inode == o.inode && size == o.size &&
               modifiedSeconds == o.modifiedSeconds && modifiedNanoseconds == o.modifiedNanoseconds;
    }
};

// A folder the user owns, closed to everybody else, held open: every later call works through the
// open folder, so it cannot be swapped for a link between the check and the write. Failures carry the
// system's error number and an English reason (they name the folder).
class PrivateFolder {
  public:
    // Creates the folder (mode 0700) when missing (unless told not to: then a missing one fails with
    // ENOENT). An existing one must be a real folder (not a link) owned by the user; group and other
    // permissions are taken away.
    static Result<PrivateFolder> open(const std::string& path, bool create = true);
    PrivateFolder(PrivateFolder&& other) noexcept;
    PrivateFolder& operator=(PrivateFolder&& other) noexcept;
    ~PrivateFolder();

    const std::string& path() const { return path_; }
    // Creates a new file of that name (mode 0600), never following or replacing anything there, writes
    // the bytes and returns what identifies it. An existing name fails with EEXIST.
    Result<FileIdentity> createFile(const std::string& name, const std::string& bytes);
    // Renames within the folder; what has the new name (a planted link too) is replaced, not followed.
    Status rename(const std::string& from, const std::string& to);
    void remove(const std::string& name);
    // The file of that name, links not followed; nothing when there is none (a failure otherwise).
    Result<std::optional<FileIdentity>> identity(const std::string& name) const;

    struct Entry {
        std::string name;
        bool regular = false;
        std::int64_t ageSeconds = 0; // since it was last written
    };
    std::vector<Entry> entries() const;

  private:
#ifdef _WIN32
    // The folder's handle, held without leave to delete or rename the folder.
    PrivateFolder(std::string path, void* handle) : path_(std::move(path)), handle_(handle) {}
    std::string path_;
    void* handle_ = nullptr;
#else
    PrivateFolder(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}
    std::string path_;
    int fd_ = -1;
#endif
};

// ---- Locks between running copies of the program ----

// A lock that one running copy of the program holds on a name (a file, made when missing, that is
// never written) until it lets go or ends; the system lets go of it when the process dies, however it
// dies. Another holder, in this process too, is refused.
class FileLock {
  public:
    // Takes the lock; nothing when another holder has it; a failure (Chinese reason) when it cannot be
    // made or taken at all (a read-only folder).
    static Result<std::optional<FileLock>> take(const std::string& path);
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

  private:
#ifdef _WIN32
    // The lock file's handle, which holds the lock on its first byte.
    explicit FileLock(void* handle) : handle_(handle) {}
    void* handle_ = nullptr;
#else
    explicit FileLock(int handle) : handle_(handle) {}
    int handle_ = -1;
#endif
};

// ---- Processes ----

long processId();
// False only when the system says that no process has that number.
bool processRunning(long id);
// Ends the process at once, whatever it is doing (a renderer caught in a script that never ends);
// false when it could not be ended (no such process, or not this user's).
bool endProcess(long id);

// ---- Scratch ----

// An unnamed temporary file to write and read back (gone when the stream is); the failure's reason is
// English, naming the temporary folder. (On Windows the file has a name until the stream closes it;
// the system deletes it then, also when the program is killed.)
Result<std::unique_ptr<std::iostream>> openScratchFile();

// ---- The GBK code page ----

// Converts whole texts between UTF-8 and GBK, strictly: any sequence that is not valid in the source
// or that the target cannot hold fails the conversion. GBK is the same on every system: its
// user-defined areas, which Windows's code page 936 maps to private-use characters, are not text.
class CodePageConverter {
  public:
    enum class Direction { Utf8ToGbk, GbkToUtf8 };
    explicit CodePageConverter(Direction direction);
    ~CodePageConverter();
    CodePageConverter(const CodePageConverter&) = delete;
    CodePageConverter& operator=(const CodePageConverter&) = delete;

    // Appends the converted input to `out`; false (with `out` unchanged) when it cannot be converted.
    bool convert(const std::string& in, std::string& out);

  private:
    void* handle_;
#ifdef _WIN32
    Direction direction_;
#endif
};

} // namespace ornavo
