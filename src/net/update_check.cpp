#include "update_check.h"

#include "http_fetch.h"
#include "maker_site.h"

namespace ornavo::net {

namespace {

std::string withoutSurroundingBlanks(const std::string& text) {
    const char* blanks = " \t\r\n\v\f";
    const std::size_t begin = text.find_first_not_of(blanks);
    if (begin == std::string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(blanks) - begin + 1);
}

} // namespace

UpdateOutcome runUpdateCheck(const UpdateCheckHooks& hooks) {
    auto read = [&](const char* path) {
        const std::string address = makerFile(path);
        return hooks.fetchText ? hooks.fetchText(address) : fetchText(address);
    };
    const std::string version = withoutSurroundingBlanks(read(kVersionPath));
    // A version that could not be read says nothing about this copy being outdated.
    if (version.empty())
        return UpdateOutcome::VersionUnknown;
    if (version == programVersion())
        return UpdateOutcome::UpToDate;
    if (!hooks.askUpdate || !hooks.askUpdate(kUpdateQuestion))
        return UpdateOutcome::Declined;
    const std::optional<std::string> download = browsableAddress(read(kDownloadAddressPath));
    if (!download)
        return UpdateOutcome::NoDownload;
    if (hooks.openAddress)
        hooks.openAddress(*download);
    return UpdateOutcome::Opened;
}

UpdateOutcome runUpdateCheck(Prompter& prompter, std::function<void(const std::string& address)> openAddress) {
    UpdateCheckHooks hooks;
    hooks.askUpdate = [&prompter](const std::string& question) { return prompter.ask(question) == Answer::Yes; };
    hooks.openAddress = std::move(openAddress);
    return runUpdateCheck(hooks);
}

} // namespace ornavo::net
