#include "markup.h"

#include "constants.h"

namespace ornavo::markup {

const char* const kBasicEditionBreakout =
    "<div class=\"J_TWidget\" data-widget-config=\"{'effect': 'fade', 'circular': true "
    ",'contentCls':'taobaoux'}\" data-widget-type=\"Tabs\" style=\"height:580px;overflow:hidden;\">\r\n"
    "        <div class=\"taobaoux\">\r\n"
    "                <div class=\"footer-more-trigger\" style=\"border-bottom:medium none;border-left:medium "
    "none;padding-bottom:0px;padding-left:0px;width:950px;padding-right:0px;height:580px;border-top:medium "
    "none;top:auto;border-right:medium none;padding-top:0px;left:50%;\">\r\n"
    "                        <div class=\"footer-more-trigger\" style=\"border-bottom:medium "
    "none;border-left:medium "
    "none;padding-bottom:0px;padding-left:0px;width:950px;padding-right:0px;height:580px;border-top:medium "
    "none;border-right:medium none;padding-top:0px;left:-375px;\">";

const char* const kBasicEditionClose = "</div></div></div></div>";

std::string basicEdition(const std::string& professionalCode) {
    return kBasicEditionBreakout + professionalCode + kBasicEditionClose;
}

const char* const kFrameOpen = "<div class=\"skin-box tb-module\">";
const char* const kFrameTop = "<s class=\"skin-box-tp\"></s>";
const char* const kFrameBodyOpen = "<div class=\"skin-box-bd clear-fix\">";
const char* const kFrameBottom = "<s class=\"skin-box-bt\"></s>";
const char* const kFrameOpenUpper =
    "<DIV class=\"skin-box tb-module\"><S class=skin-box-tp><strong></strong></S>";
const char* const kFrameBodyOpenUpper = "<DIV class=\"skin-box-bd clear-fix\"><span>";
const char* const kFrameBottomUpper = "<S class=skin-box-bt><strong></strong></S>";

const char* const kCustomAreaA =
    "<DIV class=J_TModule microscope-data=\"5003-67941621\" data-spm=\"110.0.5003-67941621\" "
    "data-title=\"自定义内容区\" data-componentid=\"5003\" data-widgetid=\"67941621\">";

const char* const kCustomAreaB =
    "<div class=\"J_TModule\" data-componentid=\"5003\" data-spm=\"110.0.5003-600731806\" "
    "data-title=\"自定义内容区\" data-widgetid=\"600731806\" id=\"shop600731806\" "
    "microscope-data=\"5003-600731806\">";

std::string customAreaBCacheComment() {
    return "\t<!-- cache-info: componentId=5003 cacheKey=i-600731806-8 cachedTime=2013-03-24 11:02:02 "
           "putHost=" +
           address(Address::CACHE_HOST_IPV4) + " expireTime=14400 -->";
}

std::string customAreaC(const std::string& number, const std::string& title) {
    return "<div data-componentid=\"5003\" data-spm=\"110.0.5003-" + number + "\" data-title=\"" + title +
           "\" data-widgetid=\"" + number + "\">";
}

std::string attributionTitleColon() {
    return "TessalyOrnavo：" + makerShop();
}
std::string attributionTitleHttp() {
    return "TessalyOrnavo  http://" + makerShop();
}
std::string attributionTitleOneSlash() {
    return "TessalyOrnavo http:/" + makerShop();
}
std::string attributionTitleSoftware() {
    return "软件开发：Tessaly   http://" + makerShop();
}
std::string attributionReplaceContact() {
    return "[软件开发：Tessaly  旺旺：" + makerWwAccount() + "  QQ：" + makerImNumber() + "]";
}
std::string attributionReplaceCode() {
    return "[{'代码开发：Tessaly http:" + makerShop() + " }]";
}
std::string attributionReplaceDesign() {
    return "[{'模板设计：Tessaly http:" + makerShop() + " }]";
}
std::string attributionReplaceOrnavo() {
    return "[{ Ornavo：" + makerShop() + "}]";
}
const char* const kAttributionReplaceMaker = "[代码制作:Tessaly'}]";

} // namespace ornavo::markup
