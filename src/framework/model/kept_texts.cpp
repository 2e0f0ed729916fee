#include "kept_texts.h"

#include "file_store.h"
#include "settings_writer.h"

#include <cstdio>
#include <sys/stat.h>

namespace ornavo {

namespace {

bool exists(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

// path.damaged, or path.damaged-2, -3, … when that is taken.
std::string setAsideName(const std::string& path) {
    std::string name = path + ".damaged";
    for (int n = 2; exists(name) && n < 1000; ++n)
        name = path + ".damaged-" + std::to_string(n);
    return name;
}

} // namespace

KeptTexts::KeptTexts(const Form& form, const Registry& registry, std::string folder, Clock clock)
    : form_(form), registry_(registry), folder_(std::move(folder)),
      path_(folder_ + "/" + form.module().key + kSettingsSuffix),
      clock_(clock ? std::move(clock) : Clock([] { return std::chrono::steady_clock::now(); })) {}

KeptTexts::Earlier KeptTexts::readEarlier() {
    Earlier earlier;
    std::string text;
    const ReadResult read = readFileUpTo(path_, kSettingsSizeLimit, text);
    if (read == ReadResult::Missing)
        return earlier;
    SettingsRead r = read == ReadResult::Read ? readSettings(text, form_.module(), registry_)
                                              : readSettingsFile(path_, form_.module(), registry_);
    if (!r.settings) {
        earlier.problem = r.problem;
        const std::string aside = setAsideName(path_);
        if (std::rename(path_.c_str(), aside.c_str()) == 0)
            earlier.setAside = aside;
        return earlier;
    }
    kept_ = text;
    if (r.settings->snapshot != form_.snapshot())
        earlier.settings = std::move(r.settings);
    return earlier;
}

void KeptTexts::changed() {
    if (!dirty_)
        dirtySince_ = clock_();
    dirty_ = true;
}

std::optional<std::chrono::milliseconds> KeptTexts::due() const {
    if (!dirty_)
        return std::nullopt;
    auto at = dirtySince_;
    if (lastWrite_ && *lastWrite_ + kInterval > at)
        at = *lastWrite_ + kInterval;
    const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(at - clock_());
    return std::max(wait, std::chrono::milliseconds(0));
}

std::string KeptTexts::poll() {
    const auto wait = due();
    if (!wait || wait->count() > 0)
        return {};
    return write();
}

std::string KeptTexts::flush() {
    return dirty_ ? write() : std::string();
}

std::string KeptTexts::write() {
    dirty_ = false;
    const std::string text = settingsText(form_, registry_);
    if (text == kept_)
        return {};
    lastWrite_ = clock_();
    if (text.size() > kSettingsSizeLimit)
        return "内容超过 1 MiB";
    std::string reason = makeFolders(folder_);
    if (reason.empty())
        reason = writeWholeFile(path_, text);
    if (reason.empty())
        kept_ = text;
    else
        dirty_ = true; // tried again after the interval
    return reason;
}

} // namespace ornavo
