#pragma once
// The settings files the user saved or opened last, newest first, and the folder of the newest, kept
// in a small file of the user's state folder: "folder PATH" and "file PATH" lines (recipe escapes).

#include "result.h"

#include <string>
#include <vector>

namespace ornavo {

class RecentSettings {
  public:
    static constexpr std::size_t kMost = 8;

    // Reads the list from that file (nothing when it is missing or unreadable).
    explicit RecentSettings(std::string path);

    // The folder a file dialog starts in ("" before the first file).
    const std::string& folder() const { return folder_; }
    // The files, newest first; those that are no longer there are left out.
    std::vector<std::string> files() const;

    // Puts the file first and its folder as the folder, and writes the list.
    Status remember(const std::string& file);

  private:
    std::string path_;
    std::string folder_;
    std::vector<std::string> files_;
};

} // namespace ornavo
