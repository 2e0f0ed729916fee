// "客服中心-带滚动公告": a 950-pixel customer-service panel. A coloured top bar with an icon, five
// notices that scroll upwards (a Slide widget) and a follow-us image link; below it a table with the
// service picture, five pre-sales and five after-sales messenger contacts (chat links with the
// account's online-status icon) and the buyers' group. Professional and basic editions.
//
// Layout of the markup: every element starts on a line of its own, one TAB deeper than the element
// holding it (the outer box at none); inline content stands on its own line one level deeper and is
// followed directly by its element's closing tag. Two places keep the marketplace editor's own
// breaks: the notice items, and the contacts from the fourth pre-sales one on, which continue on
// lines of nine TABs (the depth of the contact cells' content).

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "framework/model/tabbed_lines.h"
#include "generators/catalogue.h"

#include <string>

namespace ornavo {
namespace {

constexpr int kRows = 5;

const char* const kNotice = "编辑框_公告";
const char* const kNoticeLink = "编辑框_公告链接";
const char* const kPreSales = "编辑框_售前";
const char* const kAfterSales = "编辑框_售后";
const char* const kServicePicture = "编辑框_客服中心";
const char* const kFollowUs = "编辑框_关注我们";
const char* const kGroup = "编辑框_群号";
const char* const kBarColour = "编辑框_公告条颜色";
const char* const kBackground = "编辑框_背景颜色";
const char* const kCode = "超级编辑框_F34代码生成";

const char* const kSampleGroup = "100235789";

// A contact continues on a new line at the depth of the contact cells' content.
const std::string kContinue = "\r\n" + std::string(9, '\t');

std::string tableOpen() {
    return "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" width=\"950\">";
}

// The messenger chat link of an account with its online-status icon; `joint` stands between the link
// and the icon.
std::string chatLink(const std::string& account, const std::string& joint) {
    return "<a href=\"" + marketHome() + "/webww/?spm=a1z10.1.0.37.qO0ewj&ver=1&&touid=cntaobao" + account +
           "&siteid=cntaobao&status=2&portalId=&gid=&itemsId=\" target=\"_blank\">" + joint +
           "<img alt=\"点这里给我发消息\" border=\"0\" src=\"" + address(Address::MARKET_STATUS_HOST) +
           "/online.aw?v=2&uid=" + account +
           "&site=cntaobao&s=2&charset=utf-8\" style=\"margin: 0px; float: none\" width=\"16\" height=\"16\" "
           "/></a>";
}

// The empty link to the shop's fixed messenger account written after each after-sales contact.
std::string followLink() {
    return "<a href=\"" + marketHome() +
           "/webww/ww.php?spm=0.0.0.46.c29f85&amp;ver=3&amp;touid=" + address(Address::FIXED_WW_ACCOUNT) +
           "&amp;siteid=cntaobao&amp;status=2&amp;charset=utf-8\" target=\"_blank\"></a>";
}

std::string contactsHead(const char* title) {
    return std::string("<span style=\"font-size: 12px; color: rgb(0,0,0)\"><span style=\"font-size: "
                       "14px\"><strong>") +
           title + "</strong></span>";
}

std::string preSales(const Form& f) {
    auto chat = [&f](int k) { return chatLink(f.text(kPreSales + twoDigits(k)), k <= 3 ? "" : kContinue); };
    return contactsHead("售前客服：") + "客服01:&nbsp;" + chat(1) + "&nbsp;&nbsp; 客服02:&nbsp;" + chat(2) +
           "&nbsp;&nbsp; 客服03:&nbsp;" + chat(3) + "&nbsp;&nbsp; 客服04: " + kContinue + chat(4) +
           "&nbsp;&nbsp;&nbsp; 客服05: " + kContinue + chat(5) + " </span>";
}

std::string afterSales(const Form& f) {
    auto chat = [&f](int k) { return chatLink(f.text(kAfterSales + twoDigits(k)), kContinue); };
    const std::string follow = followLink();
    return contactsHead("售后客服：") + "售后01: " + kContinue + chat(1) + follow +
           "&nbsp;&nbsp; 售后02: " + kContinue + chat(2) + "&nbsp;" + follow +
           "&nbsp;&nbsp;售后03: " + kContinue + chat(3) + follow + "&nbsp;&nbsp; 售后04: " + kContinue +
           chat(4) + "&nbsp;" + follow + "&nbsp;&nbsp; 售后05: " + kContinue + chat(5) + follow + "</span>";
}

std::string panel(const Form& f) {
    const std::string& b = f.text(kBarColour);
    const std::string images = makerImageHost() + "/upload/images/131104/f34/";
    TabbedLines l;
    l.add(0, "<div style=\"background: ", f.text(kBackground), "\">");
    l.add(1, tableOpen());
    l.add(2, "<tbody>");

    // The notice bar.
    l.add(3, "<tr>");
    l.add(4, "<td bgcolor=\"", b, "\" width=\"11\">");
    l.add(5, "　</td>");
    l.add(4, "<td align=\"middle\" bgcolor=\"", b, "\" height=\"25\" valign=\"center\" width=\"20\">");
    l.add(5, "<img height=\"14\" width=\"20\" src=\"", images, "T2CACQXhRaXXXXXXXX-816706254.gif\" /></td>");
    l.add(4, "<td align=\"left\" bgcolor=\"", b, "\" valign=\"center\" width=\"826\">");
    l.add(5, "<div class=\"J_TWidget\" "
             "data-widget-config=\"{'contentCls':'news-items','hasTriggers':false,'effect':"
             "'scrolly','easing':'bounceBoth','interval':2,'duration':1}\" data-widget-type=\"Slide\" "
             "style=\"height:12px;overflow:hidden;width:408px;\">");
    l.add(6, "<ul class=\"news-items\">");
    std::string items;
    for (int k = 1; k <= kRows; ++k) {
        const std::string row = twoDigits(k);
        items +=
            "<li>\r\n\t\t\t<span><a href=\"" + f.text(kNoticeLink + row) +
            "\" target=\"_blank\"> <span style=\"color:#FFFFFF;\"><span style=\"font-size:10px;\"><span>" +
            f.text(kNotice + row) + "</span></span></span> </a></span></li>";
    }
    l.add(7, items);
    l.add(6, "</ul>");
    l.add(5, "</div>");
    l.add(4, "</td>");
    l.add(4, "<td bgcolor=\"", b, "\" valign=\"center\" width=\"93\">");
    l.add(5, "<a href=\"", f.text(kFollowUs),
          "\" target=\"_blank\"><img height=\"11\" width=\"75\" border=\"0\" src=\"", images,
          "T2lsmRXg0XXXXXXXXX-816706254.gif\" /></a></td>");
    l.add(3, "</tr>");

    // The service table.
    l.add(3, "<tr>");
    l.add(4, "<td colspan=\"4\">");
    l.add(5, tableOpen());
    l.add(6, "<tbody>");
    l.add(7, "<tr>");
    l.add(8, "<td rowspan=\"4\" width=\"156\">");
    l.add(9, "<a target=\"_blank\"><img height=\"83\" width=\"156\" border=\"0\" src=\"",
          f.text(kServicePicture), "\" /></a></td>");
    l.add(8, "<td height=\"23\" width=\"597\">");
    l.add(9, "<span style=\"color: rgb(0,0,0)\">&nbsp;</span></td>");
    l.add(8, "<td width=\"197\">");
    l.add(9, "<span style=\"color: rgb(0,0,0)\">&nbsp;</span></td>");
    l.add(7, "</tr>");
    l.add(7, "<tr>");
    l.add(8, "<td height=\"20\">");
    l.add(9, preSales(f), "</td>");
    l.add(8, "<td width=\"197\">");
    l.add(9, "<span style=\"color: rgb(0,0,0)\"><span style=\"font-size: 12px\"></span></span>");
    l.add(9, "<p class=\"ww-view\" style=\"text-align: center\">");
    l.add(10, "<span style=\"font-size: 12px; color: rgb(0,0,0)\"><a href=\"", marketHome(),
          "/go/act/other/wwgroup.php?spm=0.0.0.46.c29f85&amp;uid=&amp;tribeid=", f.text(kGroup),
          "\" target=\"_blank\"><img alt=\"点击参观该群\" src=\"", images,
          "T1fdykXgtiXXXXXXXX-63-20.gif\" style=\"margin: 0px; float: none\" border=\"0\" /></a></span></p>");
    l.add(8, "</td>");
    l.add(7, "</tr>");
    l.add(7, "<tr>");
    l.add(8, "<td height=\"20\">");
    l.add(9, afterSales(f), "</td>");
    l.add(8, "<td style=\"text-align: center\" width=\"197\">");
    l.add(9, "&nbsp;<span style=\"color: rgb(102,102,102)\"><span style=\"font-size: "
             "12px\">买家交流群</span></span></td>");
    l.add(7, "</tr>");
    l.add(7, "<tr>");
    l.add(8, "<td height=\"20\">");
    l.add(9, "　</td>");
    l.add(8, "<td width=\"197\">");
    l.add(9, "　</td>");
    l.add(7, "</tr>");
    l.add(6, "</tbody>");
    l.add(5, "</table>");
    l.add(4, "</td>");
    l.add(3, "</tr>");
    l.add(2, "</tbody>");
    l.add(1, "</table>");
    l.add(0, "</div>");
    return l.take();
}

} // namespace

ModuleSpec serviceCentreModule() {
    ModuleSpec m;
    m.caption = "客服中心-带滚动公告";
    m.width = 949;
    m.height = 548;

    // A short field of a fixed width in characters.
    auto sized = [](Control c, int columns) {
        c.columns = columns;
        return c;
    };
    m.sections = {
        {"模块样式", {line({picture("图片框1", "/Tessaly/samples/F34.jpg", 600, 71)})}},
        {"模块设置",
         {
             table(numberedTable("",
                                 {{"滚动公告文字信息", kNotice,
                                   [](int k) { return "第" + std::to_string(k) + "条滚动公告信息"; }},
                                  {"公告信息链接", kNoticeLink, sameText(marketHome())},
                                  {"售前客服（旺旺号）", kPreSales, sameText(makerWwAccount())},
                                  {"售后客服（旺旺号）", kAfterSales, sameText(makerWwAccount())}},
                                 kRows)),
             // The single fields in two rows, so that the window needs no sideways scrolling.
             line({field(kServicePicture, "客服中心图片：",
                         makerServer() + "/Tessaly/upload/images/131104/f34/kefu.gif"),
                   field(kFollowUs, "》关注我们《链接：", marketHome())}),
             line({sized(field(kGroup, "旺旺交流群号：", kSampleGroup), 10),
                   sized(field(kBarColour, "公告条颜色：", "#000000"), 8),
                   sized(field(kBackground, "客服区背景颜色：", "#FFFFFF"), 8), colourButton("按钮_选色器")}),
         }},
    };
    m.codeBox = codeBox(kCode);

    std::vector<std::string> clearTargets{kGroup};
    const auto numbered = namesByColumn({kAfterSales, kPreSales, kNotice, kNoticeLink}, kRows, 1);
    clearTargets.insert(clearTargets.end(), numbered.begin(), numbered.end());
    // The service picture goes last, after the code box.
    clearTargets.insert(clearTargets.end(), {kBarColour, kBackground, kFollowUs, kCode, kServicePicture});

    auto [pro, basic] = editionButtons("按钮_F34专业版代码", "按钮_F34基础版代码", panel);
    m.buttons = {
        pro,
        basic,
        copyButton("按钮_F34复制代码"),
        clearButton("按钮_F34清空内容", "清空内容", clearTargets),
        previewButton("按钮_F34预览"),
        exitButton("按钮_F34退出"),
    };
    return m;
}

} // namespace ornavo
