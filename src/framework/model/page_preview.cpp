#include "page_preview.h"

#include "platform.h"
#include "text.h"

namespace ornavo {

namespace {

// Where the page around a single module's code is cut open (lines of the preview page's head and
// tail): the shop sign module, the navigation module after it, the body area, and the comment after
// the content area.
const char* const kSignModule = "<div class=\"J_TModule\" data-widgetid=\"4191063543\"";
const char* const kNavigationModule = "<div class=\"J_TModule\" data-widgetid=\"4191063544\"";
const char* const kBodyArea = "<div id=\"bd\">";
const char* const kHeadEnd = "</head>";
const char* const kAfterContent = "<!-- 自定义区 -->";

// The start of the line that holds `mark` (from `from` on); npos when there is none.
std::size_t lineOf(const std::string& text, const std::string& mark, std::size_t from = 0) {
    const std::size_t at = text.find(mark, from);
    if (at == std::string::npos)
        return at;
    const std::size_t lineEnd = text.rfind('\n', at);
    return lineEnd == std::string::npos ? 0 : lineEnd + 1;
}

// The slots' filler, defined before the first of them: sets the code as the content of the slot the
// calling script stands in (a style sheet before it, or the span in the module frame around it).
const char* const kFillScript =
    "<script>\r\n"
    "window.ornavoFill = function (code) {\r\n"
    "    var script = document.currentScript, before = script.previousElementSibling;\r\n"
    "    if (before && before.tagName === 'STYLE') {\r\n"
    "        before.textContent = code;\r\n"
    "        return;\r\n"
    "    }\r\n"
    "    script.parentNode.querySelector('.skin-box-bd > span').innerHTML = code;\r\n"
    "};\r\n"
    "</script>\r\n";

// The two-column layout of side-column modules, for pages without the marketplace's style sheets.
const char* const kLayoutStyle = "<style>\r\n"
                                 "    #content .design-page .grid-s5m0 .col-sub {\r\n"
                                 "        float: left;\r\n"
                                 "        width: 190px;\r\n"
                                 "    }\r\n"
                                 "    #content .design-page .grid-s5m0 .col-main {\r\n"
                                 "        float: right;\r\n"
                                 "        width: 750px;\r\n"
                                 "    }\r\n"
                                 "    #content .design-page .grid-s5m0:after {\r\n"
                                 "        content: \"\";\r\n"
                                 "        display: block;\r\n"
                                 "        clear: both;\r\n"
                                 "    }\r\n"
                                 "</style>\r\n";

std::string fill(const std::string& code) {
    return "<script>ornavoFill(" + asciiScriptString(code) + ");</script>";
}

// One custom-content module (or the shop sign) holding a module's code.
std::string slot(const PageModule& m, const std::string& code, const std::string& indent) {
    const bool sign = m.area == PageArea::Sign;
    const std::string widget = std::to_string((sign ? 4191063500LL : 4257007200LL) + m.id);
    const std::string component = sign ? "5001" : "5003";
    std::string out = indent + "<div class=\"J_TModule\" data-widgetid=\"" + widget + "\" id=\"shop" +
                      widget + "\" data-componentid=\"" + component + "\" data-title=\"" +
                      (sign ? "店铺招牌" : "自定义内容区") + "\" data-ornavo-slot=\"" + std::to_string(m.id) +
                      "\">\r\n";
    out += indent + "    <div class=\"skin-box tb-module tshop-pbsm " +
           (sign ? "tshop-pbsm-shop-custom-banner" : "tshop-pbsm-shop-self-defined") + "\">\r\n";
    out += indent + "        <s class=\"skin-box-tp\"><b></b></s>\r\n";
    out += indent + "        <div class=\"skin-box-bd clear-fix\"><span></span></div>\r\n";
    out += indent + "        <s class=\"skin-box-bt\"><b></b></s>\r\n";
    out += indent + "    </div>\r\n";
    out += indent + "    " + fill(code) + "\r\n";
    out += indent + "    <script>\r\nif(window.TShop && window.TShop.ModUtil)\r\nTShop.ModUtil.initMod(" +
           "document.getElementById(\"shop" + widget + "\"), 1);\r\n" + indent + "    </script>\r\n";
    out += indent + "</div>\r\n";
    return out;
}

bool shownIn(const PageModule& m, PageArea area) {
    return !m.hidden && m.area == area;
}

} // namespace

std::string asciiScriptString(const std::string& utf8) {
    static const char* const hex = "0123456789abcdef";
    auto unit = [](std::string& out, unsigned value) {
        out += "\\u";
        for (int shift = 12; shift >= 0; shift -= 4)
            out += hex[(value >> shift) & 0xF];
    };
    std::string out = "\"";
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        std::size_t length = utf8Sequence(utf8, i, cp);
        if (length == 0) { // not UTF-8: the byte as the character of that number
            cp = static_cast<unsigned char>(utf8[i]);
            length = 1;
        }
        i += length;
        if (cp >= 0x20 && cp < 0x7F && cp != '"' && cp != '\\' && cp != '<' && cp != '>' && cp != '&') {
            out += static_cast<char>(cp);
        } else if (cp == '\\' || cp == '"') {
            out += '\\';
            out += static_cast<char>(cp);
        } else if (cp > 0xFFFF) {
            const char32_t v = cp - 0x10000;
            unit(out, 0xD800 + static_cast<unsigned>(v >> 10));
            unit(out, 0xDC00 + static_cast<unsigned>(v & 0x3FF));
        } else {
            unit(out, static_cast<unsigned>(cp));
        }
    }
    return out + "\"";
}

std::string navigationStyleText(const Page& page, const std::vector<RenderedModule>& modules) {
    std::string css;
    for (std::size_t i = 0; i < page.modules.size() && i < modules.size(); ++i)
        if (shownIn(page.modules[i], PageArea::Navigation))
            css += modules[i].pageCode;
    return css;
}

std::string pagePreviewText(const Page& page, const std::vector<RenderedModule>& modules) {
    const std::string head(previewPageHead());
    const std::string tail(previewPageTail());
    const std::size_t headEnd = lineOf(head, kHeadEnd);
    const std::size_t sign = lineOf(head, kSignModule);
    const std::size_t navigation = lineOf(head, kNavigationModule);
    const std::size_t body = lineOf(head, kBodyArea);
    const std::size_t after = lineOf(tail, kAfterContent);
    if (headEnd == std::string::npos || sign == std::string::npos || navigation == std::string::npos ||
        body == std::string::npos || after == std::string::npos ||
        !(headEnd < sign && sign < navigation && navigation < body))
        return previewPageText({}); // the page no longer has the places; never reached with our page

    std::string out;
    out += head.substr(0, headEnd);
    out += kLayoutStyle;
    out += kFillScript;
    out += "<style data-ornavo-slot=\"" + std::string(kNavigationSlot) + "\"></style>" +
           fill(navigationStyleText(page, modules)) + "\r\n";
    out += head.substr(headEnd, sign - headEnd);

    // The shop sign: the page's own where it has one, else the saved page's.
    std::size_t signs = 0;
    for (std::size_t i = 0; i < page.modules.size() && i < modules.size(); ++i)
        if (shownIn(page.modules[i], PageArea::Sign) && signs++ == 0)
            out += slot(page.modules[i], modules[i].pageCode, "                        ");
    if (signs == 0)
        out += head.substr(sign, navigation - sign);
    out += head.substr(navigation, body - navigation);

    // The body: each main-column module in a layout of its own (what a module places by offsets it
    // measures from its layout), runs of side-column modules in the side column of one layout.
    out += "        <div id=\"bd\">\r\n            <div class=\"design-page\">\r\n";
    const std::string indent = "                        ";
    const std::size_t count = std::min(page.modules.size(), modules.size());
    for (std::size_t i = 0; i < count;) {
        const PageModule& m = page.modules[i];
        if (shownIn(m, PageArea::Body)) {
            out += "            <div class=\"layout grid-m0 J_TLayout\" data-componentid=\"231\" "
                   "data-context=\"bd\" data-prototypeid=\"231\">\r\n"
                   "                <div class=\"col-main\">\r\n"
                   "                    <div class=\"main-wrap J_TRegion\" data-modules=\"main\" "
                   "style=\"overflow:visible;\" data-width=\"b950\">\r\n" +
                   slot(m, modules[i].pageCode, indent) +
                   "                    </div>\r\n"
                   "                </div>\r\n"
                   "            </div>\r\n";
            ++i;
            continue;
        }
        if (!shownIn(m, PageArea::Side)) {
            ++i;
            continue;
        }
        std::string run;
        for (; i < count; ++i) {
            const PageModule& n = page.modules[i];
            if (shownIn(n, PageArea::Side))
                run += slot(n, modules[i].pageCode, indent);
            else if (shownIn(n, PageArea::Body))
                break;
        }
        out +=
            "            <div class=\"layout grid-s5m0 J_TLayout\" data-componentid=\"232\" "
            "data-context=\"bd\" data-prototypeid=\"232\">\r\n"
            "                <div class=\"col-main\">\r\n"
            "                    <div class=\"main-wrap J_TRegion\" data-modules=\"main\" "
            "data-width=\"b750\"></div>\r\n"
            "                </div>\r\n"
            "                <div class=\"col-sub J_TRegion\" data-modules=\"sub\" data-width=\"b190\">\r\n" +
            run + "                </div>\r\n            </div>\r\n";
    }
    out += "            </div>\r\n        </div>\r\n    </div>\r\n";
    out += tail.substr(after);
    return out;
}

std::optional<std::string> pagePreviewBytes(const Page& page, const std::vector<RenderedModule>& modules) {
    return utf8ToGbk(pagePreviewText(page, modules), Unencodable::NumericReference);
}

Result<std::string, PreviewFailure>
writePagePreview(const Page& page, const std::vector<RenderedModule>& modules, const std::string& into) {
    const std::string folder = into.empty() ? "." : into;
    const std::optional<std::string> bytes = pagePreviewBytes(page, modules);
    if (!bytes)
        return PreviewFailure{folder, "cannot write the page preview: the page is not valid UTF-8 text", 0};
    auto failed = [&folder](const Failure& why) {
        return PreviewFailure{folder,
                              "cannot write the page preview in " + folder + ": " +
                                  (why.error ? errorText(why.error) : why.reason),
                              why.error};
    };
    if (Status made = makeFolders(folder); !made)
        return failed(made.failure());
    const std::string path = folder + (folder.back() == '/' ? "" : "/") + kPagePreviewFileName;
    if (Status written = writeFile(path, *bytes); !written)
        return failed(written.failure());
    return path;
}

} // namespace ornavo
