#pragma once
// The files the program keeps for the user (saved settings, kept texts, the recent list): written
// whole or not at all, read only up to a limit, and the user's state folder they live in.

#include <cstddef>
#include <string>

namespace ornavo {

// Writes the bytes to `path` through a temporary file beside it, flushed to the disk and then renamed
// over the old file, so that a reader sees the old file or the new one, never a part. On any failure
// the old file stays as it was, the temporary one is removed, and the reason is returned (Chinese);
// "" when written.
std::string writeWholeFile(const std::string& path, const std::string& bytes);

enum class ReadResult { Read, Missing, TooLarge, Failed };
// Reads a whole regular file of at most `limit` bytes; `reason` says why it failed (Chinese).
ReadResult readFileUpTo(const std::string& path, std::size_t limit, std::string& bytes,
                        std::string* reason = nullptr);

// Creates the folder and the folders above it that are missing (readable by the user only);
// "" when it is there, or the reason.
std::string makeFolders(const std::string& path);

// The program's folder in the user's state folder: $XDG_STATE_HOME/ornavo, or ~/.local/state/ornavo
// (an XDG_STATE_HOME that is not an absolute path does not count).
std::string stateFolder();

// "/a/b/c.txt" → "/a/b" and "c.txt"; a name without a folder is in ".".
std::string folderOf(const std::string& path);
std::string fileNameOf(const std::string& path);

// An error number as the user reads it.
std::string failureReason(int error);

} // namespace ornavo
