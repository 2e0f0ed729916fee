#include "recent_settings.h"

#include "file_store.h"
#include "recipe.h"
#include "settings_writer.h"

#include <algorithm>
#include <sstream>
#include <sys/stat.h>

namespace ornavo {

namespace {
constexpr std::size_t kListSizeLimit = 64 * 1024;
} // namespace

RecentSettings::RecentSettings(std::string path) : path_(std::move(path)) {
    std::string text;
    if (readFileUpTo(path_, kListSizeLimit, text) != ReadResult::Read)
        return;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.compare(0, 7, "folder ") == 0)
            folder_ = unescapeRecipeText(line.substr(7));
        else if (line.compare(0, 5, "file ") == 0 && files_.size() < kMost)
            files_.push_back(unescapeRecipeText(line.substr(5)));
    }
}

std::vector<std::string> RecentSettings::files() const {
    std::vector<std::string> there;
    for (const std::string& file : files_) {
        struct stat st;
        if (::stat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode))
            there.push_back(file);
    }
    return there;
}

std::string RecentSettings::remember(const std::string& file) {
    files_.erase(std::remove(files_.begin(), files_.end(), file), files_.end());
    files_.insert(files_.begin(), file);
    if (files_.size() > kMost)
        files_.resize(kMost);
    folder_ = folderOf(file);
    std::string text = "# Ornavo: recent settings files\nfolder " + escapeRecipeText(folder_) + "\n";
    for (const std::string& f : files_)
        text += "file " + escapeRecipeText(f) + "\n";
    std::string reason = makeFolders(folderOf(path_));
    return reason.empty() ? writeWholeFile(path_, text) : reason;
}

} // namespace ornavo
