#include "recent_settings.h"

#include "platform.h"
#include "recipe_text.h"

#include <algorithm>
#include <sstream>

namespace ornavo {

namespace {
constexpr std::size_t kListSizeLimit = 64 * 1024;
} // namespace

RecentSettings::RecentSettings(std::string path) : path_(std::move(path)) {
    const Result<std::string, ReadFailure> text = readFile(path_, kListSizeLimit);
    if (!text)
        return;
    std::istringstream in(*text);
    RecipeLineReader lines(in);
    std::string line;
    while (lines.next(line)) {
        if (line.compare(0, 7, "folder ") == 0)
            folder_ = unescapeRecipeText(line.substr(7));
        else if (line.compare(0, 5, "file ") == 0 && files_.size() < kMost)
            files_.push_back(unescapeRecipeText(line.substr(5)));
    }
}

std::vector<std::string> RecentSettings::files() const {
    std::vector<std::string> there;
    for (const std::string& file : files_)
        if (isRegularFile(file))
            there.push_back(file);
    return there;
}

Status RecentSettings::remember(const std::string& file) {
    files_.erase(std::remove(files_.begin(), files_.end(), file), files_.end());
    files_.insert(files_.begin(), file);
    if (files_.size() > kMost)
        files_.resize(kMost);
    folder_ = folderOf(file);
    std::string text = "# Ornavo: recent settings files\nfolder " + escapeRecipeText(folder_) + "\n";
    for (const std::string& f : files_)
        text += "file " + escapeRecipeText(f) + "\n";
    if (Status made = makeFolders(folderOf(path_)); !made)
        return made;
    return writeFile(path_, text);
}

} // namespace ornavo
