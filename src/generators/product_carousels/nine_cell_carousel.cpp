// "宝贝轮播展示（右9格子）": nine products in a 950 x 525 box. The left side shows one product at a
// time (420 x 420 picture, title, price); a three-by-three grid of 160 x 160 thumbnails on the right is
// the navigation of a fading Slide widget inside a one-entry Tabs widget. Every picture links to its
// product and waits for lazy loading, except the ninth thumbnail, which shows at once.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "generators/catalogue.h"

#include <string>

namespace ornavo {
namespace {

constexpr int kProducts = 9;

const char* const kImage = "编辑框_图片地址";
const char* const kLink = "编辑框_链接地址";
const char* const kTitle = "编辑框_宝贝标题";
const char* const kPrice = "编辑框_宝贝价格";
const char* const kBorderWidth = "编辑框_边框数值";
const char* const kBorderColour = "编辑框_边框颜色";
const char* const kBackground = "编辑框_背景颜色";
const char* const kCode = "超级编辑框_F12代码生成";

std::string row(const char* prefix, int k) {
    return prefix + twoDigits(k);
}

// The maker's shop address in capital letters, as the attribution attributes write it.
std::string shopInCapitals() {
    std::string shop = makerShop();
    for (char& c : shop)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return shop;
}

// The large item of product k: its list entry, the linked picture, the title area and the price line.
// Products 03 to 06 use the common pieces; the others differ in the pieces named below.
void largeItem(std::string& out, const Form& f, int k, const std::string& gif, const std::string& shop) {
    const std::string& Lk = f.text(row(kLink, k));
    const std::string& Ik = f.text(row(kImage, k));
    const std::string& Tk = f.text(row(kTitle, k));
    const std::string& Pk = f.text(row(kPrice, k));
    const std::string& BG = f.text(kBackground);
    static const std::string closing =
        " </font></b><font color=\"#000000\"> 元</font></div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t</div>"
        "\r\n\t\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t\t\t</li>\r\n\t\t\t\t\t\t\t\t\t\t";
    static const std::string pictureTail =
        "\" style=\"border-right:#cccccc 1px solid;border-top:#cccccc 1px solid;border-left:#cccccc 1px "
        "solid;width:420px;border-bottom:#cccccc 1px solid;height:420px;\" "
        "/></a>\r\n\t\t\t\t\t\t\t\t\t\t\t\t";

    std::string a =
        "<li style=\"display:block;z-index:1;opacity:1;\">\r\n\t\t\t\t\t\t\t\t\t\t\t<div class=\"item\" "
        "style=\"width:422px;height:500px;\">\r\n";
    if (k != 1)
        a += "\t\t\t\t\t\t\t\t\t\t\t\t";

    std::string b;
    if (k == 8)
        b = "<a data-attr-replace=\"[{'type':'href','desc':''Tessaly（" + shop + " '}]\" href=\"";
    else if (k == 9)
        b = "<a data-attr-replace=\"[{'type':'href','desc':'Tessaly（" + shop + " '}]\" href=\"";
    else
        b = "<a href=\"";
    b += Lk + "\" target=\"_blank\"><img border=\"0\" data-ks-lazyload=\"" + Ik + "\" src=\"" + gif +
         pictureTail;

    std::string c;
    if (k == 1)
        c = "<div style=\"width:420px;color:" + BG +
            ";height:66px;\">\r\n<div "
            "style=\"margin:auto;overflow:hidden;width:412px;line-height:20px;padding-top:"
            "10px;height:30px;\">\r\n<font style=\"color:#000000;\"> " +
            Tk + "</font></div>\r\n";
    else if (k == 2)
        c = "<div style=\"width:420px;color:" + BG +
            ";height:66px;\"><div "
            "style=\"margin:auto;overflow:hidden;width:400px;line-height:20px;padding-top:10px;"
            "\"><font style=\"color:#000000;\"> " +
            Tk + "</font></div>";
    else if (k == 7)
        c = "<div style=\"width:420px;color:#000000;height:66px;\"><div "
            "data-attr-replace=\"[{'type':'innerHTML','desc':''Tessaly（" +
            shop +
            "'}]\" "
            "style=\"margin:auto;overflow:hidden;width:400px;line-height:20px;padding-top:10px;\">"
            "\r\n\t\t\t\t"
            "\t\t\t\t\t\t\t\t\t\t<font style=\"color:#000000;\"> " +
            Tk + "</font></div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t";
    else
        c = "<div style=\"width:420px;color:" + BG +
            ";height:66px;\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t<div "
            "style=\"margin:auto;overflow:hidden;width:400px;line-height:20px;padding-top:10px;\">"
            "\r\n\t\t\t\t\t\t\t\t"
            "\t\t\t\t\t\t<font style=\"color:#000000;\"> " +
            Tk + "</font></div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t";

    static const std::string priceBox =
        "margin:auto;overflow:hidden;width:400px;line-height:25px;height:25px;text-align:center;\">";
    const std::string priceText = "<font color=\"#000000\"> 一口价：</font><b><font color=\"#FF0000\">" + Pk;
    std::string d;
    if (k == 1)
        d = "<div style=\"border-top:#cccccc 1px\r\nsolid;" + priceBox + "\r\n" + priceText + closing;
    else if (k == 2)
        d = "<div style=\"border-top:#cccccc 1px solid;" + priceBox + priceText + closing;
    else if (k == 9)
        // The last item also closes the list of large items.
        d = "<div style=\"border-top:#cccccc 1px solid;" + priceBox + "\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t" +
            priceText +
            " </font></b><font color=\"#000000\"> "
            "元</font></div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t"
            "\t\t\t</div>\r\n\t\t\t\t\t\t\t\t\t\t</li>\r\n\t\t\t\t\t\t\t\t\t</ul>\r\n\t\t\t\t\t\t\t\t\t";
    else
        d = "<div style=\"border-top:#cccccc 1px solid;" + priceBox + "\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t" +
            priceText + closing;
    out += a;
    out += b;
    out += c;
    out += d;
}

// Margins that lay the grid out in three rows of three.
const char* const kCellMargins[kProducts] = {
    "margin:0px 0px 5px;", "margin:0px 0px 5px 5px;", "margin:0px 0px 5px 5px;",
    "margin:0px 0px 5px;", "margin:0px 0px 5px 5px;", "margin:0px 0px 5px 5px;",
    "margin:0px;",         "margin:0px 0px 0px 5px;", "margin:0px 0px 0px 5px;",
};

void gridCell(std::string& out, const Form& f, int k, const std::string& gif) {
    const std::string& Lk = f.text(row(kLink, k));
    const std::string& Ik = f.text(row(kImage, k));
    out += std::string("<li style=\"border-right:#cccccc 1px solid;border-top:#cccccc 1px "
                       "solid;float:left;") +
           kCellMargins[k - 1] +
           "border-left:#cccccc 1px solid;width:160px;border-bottom:#cccccc 1px "
           "solid;height:160px;text-align:center;\"><a href=\"" +
           Lk + "\" target=\"_blank\"><img border=\"0\" data-ks-lazyload=\"" + Ik + "\" src=\"";
    // The ninth thumbnail shows its own picture at once; no blank stands before its style.
    if (k == kProducts) {
        out += Ik;
        out += "\"style=\"width:160px;height:160px;\" /></a></li>";
    } else {
        out += gif;
        out += "\" style=\"width:160px;height:160px;\" /></a></li>";
    }
}

std::string generate(const Form& f) {
    const std::string& BC = f.text(kBorderColour);
    const std::string& BW = f.text(kBorderWidth);
    const std::string& BG = f.text(kBackground);
    const std::string gif = placeholderGif();
    const std::string shop = shopInCapitals();

    std::string out;
    out.reserve(16 * 1024);
    out +=
        "<div class=\"box\" data-spm=\"110.0.3-17510567525\" microscope-data=\"3-17510567525\">\r\n\t<div "
        "class=\"shop-custom no-border\">\r\n\t\t<div class=\"bd\">\r\n\t\t\t<div "
        "class=\"custom-area\">\r\n\t\t\t\t<div "
        "style=\"height:525px;\">\r\n\t\t\t\t\t<div class=\"J_TWidget\" data-widget-config=\"{\r\n 'effect': "
        "'fade',\r\n "
        "'circular': true ,\r\n 'navCls':'toseise',\r\n 'activeTriggerCls':'odslos',\r\n "
        "'contentCls':'piaofu'\r\n }\" "
        "data-widget-type=\"Tabs\">\r\n\t\t\t\t\t\t<ul class=\"toseise\" "
        "style=\"display:none;\">\r\n\t\t\t\t\t\t\t<li "
        "class=\"odslos\">\r\n\t\t\t\t\t\t\t\t&nbsp;</li>\r\n\t\t\t\t\t\t</ul>\r\n\t\t\t\t\t\t<div "
        "class=\"piaofu\">\r\n\t\t\t\t\t\t\t<div "
        "style=\"z-index:99;width:950px;height:525px;\">\r\n\t\t\t\t\t\t\t\t<div "
        "class=\"slider-promo J_Slider J_TWidget\" data-widget-config=\"{'effect':'fade','contentCls': "
        "'lst-main', "
        "'navCls': 'lst-trigger', 'activeTriggerCls': 'current'}\" data-widget-type=\"Slide\" "
        "style=\"border-right:" +
        BC + " " + BW + "px solid;border-top:" + BC + " " + BW +
        "px\r\nsolid;padding-left:10px;margin-bottom:10px;padding-bottom:10px;border-left:" + BC + " " + BW +
        "px\r\nsolid;width:932px;padding-top:10px;border-bottom:" + BC + " " + BW +
        "px\r\nsolid;height:502px;background-color:" + BG + ";\">\r\n\t\t\t\t\t\t\t\t\t";
    out += "<ul class=\"lst-main\" "
           "style=\"padding-right:0px;padding-left:0px;float:left;padding-bottom:0px;margin:0px;width:422px;"
           "padding-top:"
           "0px;\">\r\n\t\t\t\t\t\t\t\t\t\t";
    for (int k = 1; k <= kProducts; ++k)
        largeItem(out, f, k, gif, shop);
    out += "<ul class=\"lst-trigger\" "
           "style=\"padding-right:0px;padding-left:0px;float:right;padding-bottom:0px;margin:0px;width:500px;"
           "padding-"
           "top:0px;height:500px;\">";
    for (int k = 1; k <= kProducts; ++k)
        gridCell(out, f, k, gif);
    out += "\r\n\t\t\t\t\t\t\t\t\t</ul>\r\n\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t</"
           "div>\r\n\t\t\t\t"
           "\t</div>\r\n\t\t\t\t</div>\r\n\t\t\t</div>\r\n\t\t</div>\r\n\t</div>\r\n</div>";
    return out;
}

std::vector<std::string> clearTargets() {
    std::vector<std::string> targets = namesByColumn({kImage, kLink, kTitle, kPrice}, 1, kProducts);
    targets.insert(targets.end(), {kBackground, kBorderColour, kBorderWidth, kCode});
    return targets;
}

} // namespace

ModuleSpec nineCellCarouselModule() {
    const std::string images = makerServer() + "/Tessaly/upload/images/131104/f12/sc";
    ModuleSpec m;
    m.caption = "宝贝轮播展示（右9格子）";
    m.width = 750;
    m.height = 734;
    m.top = 0;
    m.sections = {
        {"模块样例", {line({picture("图片框1", "/Tessaly/samples/F12.jpg", 400, 210)})}},
        {"模块设置（图片尺寸：420x420px）",
         {
             // The nine products, with the three shared settings at their right.
             panels({{"",
                      {table(numberedTable("图片编号",
                                           {{"图片地址", kImage,
                                             [images](int k) { return images + std::to_string(k) + ".jpg"; }},
                                            {"链接地址", kLink, sameText("http://" + makerShop())},
                                            {"宝贝标题", kTitle, sameText("QuilletOrnavo")},
                                            {"宝贝价格", kPrice, sameText("49")}},
                                           kProducts))}},
                     {"",
                      {line({field(kBorderWidth, "边框数值：", "1", "px;")}),
                       line({field(kBorderColour, "边框颜色：", "#000000")}),
                       line({field(kBackground, "背景颜色：", "#ffffff")}),
                       line({colourButton("按钮_选色器")})}}}),
         }},
    };
    m.codeBox = codeBox(kCode);
    m.buttons = {
        generateButton("按钮_F12一键生成", "一键生成", generate),
        copyButton("按钮_F12复制代码"),
        clearButton("按钮_F12清空内容", "清空内容", clearTargets()),
        previewButton("按钮_F12预览"),
        exitButton("按钮_F12退出"),
    };
    return m;
}

} // namespace ornavo
