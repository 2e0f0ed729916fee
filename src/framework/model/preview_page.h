#pragma once
// The preview page: the code box's content inside a saved copy of a professional-edition shop page,
// written as "test.html" into a folder that only the user can reach, so the marketplace's own style
// sheets and scripts bring the widget markup to life in a browser.

#include "platform.h"
#include "result.h"

#include <optional>
#include <string>
#include <string_view>

namespace ornavo {

// The fixed page around the code (UTF-8, lines separated by CR LF). The head ends with the opening
// "<span>" of the custom-content module, the tail begins with its "</span>".
std::string_view previewPageHead();
std::string_view previewPageTail();

// Head + code + tail, nothing between them (UTF-8).
std::string previewPageText(const std::string& code);
// The page as written: GBK bytes, with a numeric character reference for every character GBK lacks.
// Nothing when the code is not valid UTF-8.
std::optional<std::string> previewPageBytes(const std::string& code);

inline constexpr const char* kPreviewFileName = "test.html";

// Why the preview page could not be written: the folder it was meant for, and the reason in English
// (naming the folder) with the system's error number.
struct PreviewFailure {
    std::string folder;
    std::string english;
    int error = 0;
};

// Creates the folder with mode 0700 when it is missing and returns it. An existing one must be a real
// directory (not a link) owned by the user; group and other permissions are taken away.
Result<std::string, PreviewFailure> ensurePrivateFolder(const std::string& folder);

// Writes the page for the code as folder/test.html and returns that path. The file is written in
// full under a temporary name and then renamed over "test.html", so a link planted under that name
// is replaced, never followed. Temporaries left by writes that were killed half-way are removed.
Result<std::string, PreviewFailure> writePreviewPage(const std::string& code,
                                                     const std::string& folder = defaultPreviewFolder());

// Deletes folder/test.html when it is the page this process wrote there last; a page that another
// running copy of the program wrote since is left to that copy. True when this process's page is
// gone afterwards (also when it never wrote one there).
bool removePreviewPage(const std::string& folder = defaultPreviewFolder());

} // namespace ornavo
