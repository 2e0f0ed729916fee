#pragma once
// The whole page in the preview's shop page: the shop sign module holding the page's sign, the
// navigation styles in the page's head as the navigation module's display settings put them there
// (one style sheet, the modules' styles one after another), and in the body one custom-content module
// per shown module in page order, each in a 950-pixel layout of its own (a module placed by offsets
// measures them from its layout), side-column modules one after another in the side column of a
// layout whose 750-pixel main column stays empty.
//
// Each module's markup is parsed on its own into its slot (an inline script sets it as the slot's
// content while the page loads), so markup that does not close what it opens stays in its module, as
// it does in the marketplace's editor; the widgets then start once for the whole page. Every slot
// carries data-ornavo-slot with its module's number on the page, and the navigation style sheet
// data-ornavo-slot="navigation": ornavoPreview.replaceSlot(slot, code) in the preview runtime puts new
// code into one slot and starts its widgets.

#include "page.h"
#include "preview_page.h"

#include <optional>
#include <string>
#include <vector>

namespace ornavo {

inline constexpr const char* kPagePreviewFileName = "page.html";
inline constexpr const char* kNavigationSlot = "navigation";

// The shown navigation modules' page copies one after another, as pasted into the one box.
std::string navigationStyleText(const Page& page, const std::vector<RenderedModule>& modules);

// The page (UTF-8; the modules' code stands in it only as ASCII script strings).
std::string pagePreviewText(const Page& page, const std::vector<RenderedModule>& modules);
// As written: GBK bytes, as the preview page is.
std::optional<std::string> pagePreviewBytes(const Page& page, const std::vector<RenderedModule>& modules);

// Writes folder/page.html (the folder made when missing), replacing an older one only once the new
// one is complete, and returns its path.
Result<std::string, PreviewFailure>
writePagePreview(const Page& page, const std::vector<RenderedModule>& modules, const std::string& folder);

// The text as a JavaScript string literal made of ASCII only: quotes, backslashes, control characters,
// "<", ">", "&" and everything beyond ASCII as escapes, so that it can stand in any script element of
// a page in any code page.
std::string asciiScriptString(const std::string& utf8);

} // namespace ornavo
