#pragma once
// The preview page: the code box's content inside a saved copy of a professional-edition shop page,
// written as "test.html" into a folder that only the user can reach, so the marketplace's own style
// sheets and scripts bring the widget markup to life in a browser.

#include <stdexcept>
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
// Throws PreviewError when the code is not valid UTF-8.
std::string previewPageBytes(const std::string& code);

inline constexpr const char* kPreviewFileName = "test.html";

// A failed write of the preview page; folder() names the folder it was meant for.
class PreviewError : public std::runtime_error {
public:
    PreviewError(const std::string& message, std::string folder)
        : std::runtime_error(message), folder_(std::move(folder)) {}
    const std::string& folder() const { return folder_; }

private:
    std::string folder_;
};

// Where the page goes unless told otherwise: "ornavo" in the user's runtime folder
// ($XDG_RUNTIME_DIR) when there is one, else "ornavo-<uid>" in the temporary folder ($TMPDIR or
// /tmp). Only computes the path.
std::string defaultPreviewFolder();

// Creates the folder with mode 0700 when it is missing. An existing one must be a real directory
// (not a link) owned by the user; group and other permissions are taken away. Throws PreviewError.
void ensurePrivateFolder(const std::string& folder);

// Writes the page for the code as folder/test.html and returns that path. The file is written in
// full under a temporary name and then renamed over "test.html", so a link planted under that name
// is replaced, never followed. Temporaries left by writes that were killed half-way are removed.
// Throws PreviewError.
std::string writePreviewPage(const std::string& code, const std::string& folder = defaultPreviewFolder());

// Deletes folder/test.html when it is the page this process wrote there last; a page that another
// running copy of the program wrote since is left to that copy. True when this process's page is
// gone afterwards (also when it never wrote one there).
bool removePreviewPage(const std::string& folder = defaultPreviewFolder());

} // namespace ornavo
