#pragma once
// The update check run at start-up: ask the maker's site for the newest version and, when it names
// another version than this one, offer to open the download address.

#include "framework/prompter.h"
#include "framework/version.h"

#include <functional>
#include <string>

namespace ornavo::net {

inline constexpr const char* kUpdateQuestion = "你的软件不是最新版本是否要更新！";

struct UpdateCheckHooks {
    // Reads a text from an address; empty means net::fetchText.
    std::function<std::string(const std::string& address)> fetchText;
    // Shows the update question (OK and Cancel, question icon); true for OK.
    std::function<bool(const std::string& question)> askUpdate;
    // Opens an address in the default browser.
    std::function<void(const std::string& address)> openAddress;
};

enum class UpdateOutcome {
    UpToDate,        // the site names this version
    VersionUnknown,  // no version could be read: nothing is asked
    Declined,        // a newer version was offered and the user cancelled
    Opened,          // the download address was opened
    NoDownload,      // the user agreed, but the site gave no usable download address
};

// The version is read from MAKER_SERVER + kVersionPath and compared, without surrounding blanks and
// line ends, with programVersion(); the download address comes from MAKER_SERVER + kDownloadAddressPath
// and is opened only when it is an http or https address.
UpdateOutcome runUpdateCheck(const UpdateCheckHooks& hooks);
// The same with the question asked through a prompter: its Yes stands for OK.
UpdateOutcome runUpdateCheck(Prompter& prompter, std::function<void(const std::string& address)> openAddress);

} // namespace ornavo::net
