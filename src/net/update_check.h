#pragma once
// The update check run at start-up: ask the maker's site for the newest version and, when it names
// another version than this one, offer to open the download address. It runs beside everything else:
// starting it returns at once, and each step follows when the site's answer arrives.

#include "framework/model/version.h"

#include <functional>
#include <string>

class QObject;

namespace ornavo::net {

inline constexpr const char* kUpdateQuestion = "你的软件不是最新版本是否要更新！";

struct UpdateCheckHooks {
    using TextReceiver = std::function<void(const std::string& text)>;
    // Reads a text from an address and hands it to the receiver, at once or later; empty means
    // net::fetchText.
    std::function<void(const std::string& address, TextReceiver done)> fetchText;
    // Shows the update question (OK and Cancel, question icon); true for OK.
    std::function<bool(const std::string& question)> askUpdate;
    // Opens an address in the default browser.
    std::function<void(const std::string& address)> openAddress;
};

enum class UpdateOutcome {
    UpToDate,       // the site names this version
    VersionUnknown, // no version could be read: nothing is asked
    Declined,       // a newer version was offered and the user cancelled
    Opened,         // the download address was opened
    NoDownload,     // the user agreed, but the site gave no usable download address
};

// Starts the check. The version is read from MAKER_SERVER + kVersionPath and compared, without
// surrounding blanks and line ends, with programVersion(); the download address comes from
// MAKER_SERVER + kDownloadAddressPath and is opened only when it is an http or https address.
// `finished` (if given) receives the outcome. Once `context` (if given) is destroyed, the check stops
// where it stands: no question, no address opened, no outcome.
void startUpdateCheck(UpdateCheckHooks hooks, const QObject* context,
                      std::function<void(UpdateOutcome)> finished = {});

} // namespace ornavo::net
