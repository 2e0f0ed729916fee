#pragma once
// Everything the model asks of the operating system, in one place: files read whole and written
// whole, the folders the program keeps its files in, a private folder for the preview page, a scratch
// file, and the GBK code page. No other model file calls the system; a port to another system has
// this file's implementation to write and nothing else.

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

// Creates the folder and the folders above it that are missing (readable by the user only).
Status makeFolders(const std::string& path);

// Whether a regular file is there (links followed); whether anything is there (links not followed).
bool isRegularFile(const std::string& path);
bool pathExists(const std::string& path);
Status renameFile(const std::string& from, const std::string& to);
// Removes a file (a link itself, not what it points at); one that is not there is no failure.
Status removeFile(const std::string& path);

// ---- Paths and folders ----

// "/a/b/c.txt" → "/a/b" and "c.txt"; a name without a folder is in ".".
std::string folderOf(const std::string& path);
std::string fileNameOf(const std::string& path);

// The program's folder in the user's state folder: $XDG_STATE_HOME/ornavo, or ~/.local/state/ornavo
// (an XDG_STATE_HOME that is not an absolute path does not count).
std::string stateFolder();
// Where the preview page goes unless told otherwise: "ornavo" in the user's runtime folder
// ($XDG_RUNTIME_DIR) when there is one, else "ornavo-<uid>" in the temporary folder ($TMPDIR or /tmp).
// Only computes the path.
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
    PrivateFolder(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}
    std::string path_;
    int fd_ = -1;
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
    explicit FileLock(int handle) : handle_(handle) {}
    int handle_ = -1;
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
// English, naming the temporary folder.
Result<std::unique_ptr<std::iostream>> openScratchFile();

// ---- The GBK code page ----

// Converts whole texts between UTF-8 and GBK, strictly: any sequence that is not valid in the source
// or that the target cannot hold fails the conversion.
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
};

} // namespace ornavo
