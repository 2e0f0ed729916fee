#pragma once
// Markup pieces that many module windows write: the marketplace's module frame and custom-area
// wrappers, the basic-edition breakout wrapper and the maker's attribution texts. Each is literal
// text; nothing here computes, escapes or checks anything.

#include <string>

namespace ornavo::markup {

// Wrapper that moves a 950-pixel module out of the basic edition's narrow column (744 bytes), and the
// four closing tags that end it.
extern const char* const kBasicEditionBreakout;
extern const char* const kBasicEditionClose;
// Basic-edition code of a window: the breakout wrapper around its professional-edition code.
std::string basicEdition(const std::string& professionalCode);

// Module frame, lower-case form.
extern const char* const kFrameOpen;     // <div class="skin-box tb-module">
extern const char* const kFrameTop;      // <s class="skin-box-tp"></s>
extern const char* const kFrameBodyOpen; // <div class="skin-box-bd clear-fix">
extern const char* const kFrameBottom;   // <s class="skin-box-bt"></s>
// Module frame, upper-case form.
extern const char* const kFrameOpenUpper;     // <DIV class="skin-box tb-module"><S class=skin-box-tp>…
extern const char* const kFrameBodyOpenUpper; // <DIV class="skin-box-bd clear-fix"><span>
extern const char* const kFrameBottomUpper;   // <S class=skin-box-bt><strong></strong></S>

// Custom-content module wrappers as the marketplace page writes them.
extern const char* const kCustomAreaA;
extern const char* const kCustomAreaB;
// The line after variant B's opening element: TAB, the cache-info comment with the fixed host address.
std::string customAreaBCacheComment();
// Variant C: the module number and the attribution text in its title.
std::string customAreaC(const std::string& number, const std::string& title);

// Attribution texts naming the maker.
std::string attributionTitleColon();     // "TessalyOrnavo：" + shop
std::string attributionTitleHttp();      // "TessalyOrnavo  http://" + shop
std::string attributionTitleOneSlash();  // "TessalyOrnavo http:/" + shop
std::string attributionTitleSoftware();  // "软件开发：Tessaly   http://" + shop
std::string attributionReplaceContact(); // "[软件开发：Tessaly  旺旺：" + WW + "  QQ：" + IM + "]"
std::string attributionReplaceCode();    // "[{'代码开发：Tessaly http:" + shop + " }]"
std::string attributionReplaceDesign();  // "[{'模板设计：Tessaly http:" + shop + " }]"
std::string attributionReplaceOrnavo();  // "[{ Ornavo：" + shop + "}]"
extern const char* const kAttributionReplaceMaker; // "[代码制作:Tessaly'}]"

} // namespace ornavo::markup
