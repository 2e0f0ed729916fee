#include "kept_texts.h"

#include "platform.h"
#include "settings_writer.h"

namespace ornavo {

namespace {

// path.damaged, or path.damaged-2, -3, … when that is taken.
std::string setAsideName(const std::string& path) {
    std::string name = path + ".damaged";
    for (int n = 2; pathExists(name) && n < 1000; ++n)
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
    Result<std::string, ReadFailure> text = readFile(path_, kSettingsSizeLimit);
    if (!text && text.failure().fault == ReadFault::Missing)
        return earlier;
    SettingsRead r = text ? readSettings(*text, form_.module(), registry_)
                          : readSettingsFile(path_, form_.module(), registry_);
    if (!r) {
        earlier.problem = r.failure();
        const std::string aside = setAsideName(path_);
        if (renameFile(path_, aside))
            earlier.setAside = aside;
        return earlier;
    }
    kept_ = *text;
    if (r->snapshot != form_.snapshot())
        earlier.settings = std::move(r.value());
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

Status KeptTexts::poll() {
    const auto wait = due();
    if (!wait || wait->count() > 0)
        return {};
    return write();
}

Status KeptTexts::flush() {
    return dirty_ ? write() : Status();
}

Status KeptTexts::discard() {
    dirty_ = false;
    kept_.clear();
    return removeFile(path_);
}

Status KeptTexts::write() {
    dirty_ = false;
    const std::string text = settingsText(form_, registry_);
    if (text == kept_)
        return {};
    lastWrite_ = clock_();
    if (text.size() > kSettingsSizeLimit)
        return Failure{"内容超过 1 MiB"};
    Status written = makeFolders(folder_);
    if (written)
        written = writeFile(path_, text);
    if (written) {
        kept_ = text;
        return {};
    }
    dirty_ = true; // tried again after the interval
    return written;
}

} // namespace ornavo
