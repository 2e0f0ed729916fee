#include "kept_texts.h"

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

// folder/KEY.ornavo for the first copy, folder/KEY-N.ornavo for the N-th.
std::string keptName(const std::string& folder, const std::string& key, int copy) {
    return folder + "/" + key + (copy > 1 ? "-" + std::to_string(copy) : std::string()) + kSettingsSuffix;
}

} // namespace

KeptTexts::KeptTexts(const Form& form, const Registry& registry, std::string folder, Clock clock)
    : form_(form), registry_(registry), folder_(std::move(folder)),
      path_(keptName(folder_, form.module().key, 1)),
      clock_(clock ? std::move(clock) : Clock([] { return std::chrono::steady_clock::now(); })) {
    // Where no lock can be had at all (a folder that cannot be made or written), nothing can be kept
    // either: the usual name stays, and the first write says why it failed.
    if (!makeFolders(folder_))
        return;
    for (int copy = 1; copy <= kMostCopies; ++copy) {
        const std::string path = keptName(folder_, form.module().key, copy);
        Result<std::optional<FileLock>> lock = FileLock::take(path + ".lock");
        if (!lock)
            return;
        if (*lock) {
            lock_ = std::move(*lock);
            path_ = path;
            besideAnotherCopy_ = copy > 1;
            removeWriteLeftovers(path_, Links::Refuse);
            return;
        }
    }
    // So many copies at once: one more name, after this process.
    path_ = folder_ + "/" + form.module().key + "-" + std::to_string(processId()) + kSettingsSuffix;
    besideAnotherCopy_ = true;
}

KeptTexts::Earlier KeptTexts::readEarlier() {
    Earlier earlier;
    Result<std::string, ReadFailure> text = readFile(path_, kSettingsSizeLimit, Links::Refuse);
    if (!text && text.failure().fault == ReadFault::Missing)
        return earlier;
    SettingsRead r = text ? readSettings(*text, form_.module(), registry_)
                          : SettingsRead(settingsReadProblem(text.failure()));
    if (!r) {
        earlier.problem = r.failure();
        const std::string aside = setAsideName(path_);
        if (renameFile(path_, aside))
            earlier.setAside = aside;
        return earlier;
    }
    kept_ = *text;
    if (!sameAsWindow(*r, form_))
        earlier.settings = std::move(r.value());
    return earlier;
}

void KeptTexts::changed() {
    if (finished_)
        return;
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

Status KeptTexts::finish() {
    if (finished_)
        return {};
    Status written = flush();
    finished_ = true;
    dirty_ = false;
    lock_.reset();
    return written;
}

Status KeptTexts::discard() {
    dirty_ = false;
    kept_.clear();
    return removeFile(path_);
}

Status KeptTexts::write() {
    dirty_ = false;
    // Too large whatever they hold: not worth writing out every second while the user types.
    if (const std::size_t least = settingsSizeAtLeast(form_); least > kSettingsSizeLimit) {
        lastWrite_ = clock_();
        return Failure{settingsTooLargeReason()};
    }
    const std::string text = settingsText(form_, registry_);
    if (text == kept_)
        return {};
    lastWrite_ = clock_();
    if (!fitsSettingsFile(text))
        return Failure{settingsTooLargeReason()};
    Status written = makeFolders(folder_);
    if (written)
        written = writeFile(path_, text, Links::Refuse);
    if (written) {
        kept_ = text;
        return {};
    }
    dirty_ = true; // tried again after the interval
    return written;
}

} // namespace ornavo
