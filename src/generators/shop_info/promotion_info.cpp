// "店铺促销信息-正反换图特效": a 950-pixel row of three 310-pixel promotion tiles. Each tile shows
// picture A as its background; while the pointer rests on it a Popup shows picture B over it, linked to
// the tile's address. The tile height is the user's; the width field is shown for information only.
// Professional and basic editions.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "generators/catalogue.h"

#include <string>

namespace ornavo {
namespace {

constexpr int kTiles = 3;

const char* const kPictureA = "编辑框_图片地址A";
const char* const kPictureB = "编辑框_图片地址B";
const char* const kLink = "编辑框_链接地址";
const char* const kWidth = "编辑框_图片宽";
const char* const kHeight = "编辑框_图片高";
const char* const kCode = "超级编辑框_F33代码生成";

// Class number that ties a tile's anchor to its Popup, and the gap to the next tile.
struct Tile {
    const char* number;
    const char* marginRight;
};
const Tile kTilePlaces[kTiles] = {{"2055789", "10px"}, {"2055790", "10px"}, {"2055791", "0px"}};

std::string professional(const Form& f) {
    const std::string gif = placeholderGif();
    const std::string& h = f.text(kHeight);
    std::string out =
        "<div class=\"skin-box tb-module\">\r\n\t<s class=\"skin-box-tp\"></s>\r\n\t<div "
        "class=\"skin-box-bd clear-fix\">\r\n\t\t<div class=\"new\" style=\"padding-bottom: 1px; "
        "padding-left: 0px; width: 950px; padding-right: 0px; overflow: hidden; padding-top: "
        "1px\">\r\n\t\t\t<ul>\r\n\t\t\t\t";
    for (int k = 1; k <= kTiles; ++k) {
        const Tile& t = kTilePlaces[k - 1];
        const std::string row = twoDigits(k);
        const std::string cls = std::string("zfm01lpmb") + t.number;
        // Picture A is a background of the anchor; its position value is broken over two lines.
        out +=
            std::string(
                "<li style=\"width: 310px; display: inline; margin-bottom: 1px; float: left; overflow: "
                "hidden; margin-right: ") +
            t.marginRight +
            "\">\r\n\t\t\t\t\t<h1 style=\"width: 310px; float: left\">\r\n\t\t\t\t\t\t<span><a class=\"" +
            cls + "\" style=\"width: 310px; display: block; background: url(" + f.text(kPictureA + row) +
            ") no-repeat center \r\ncenter; height: " + h +
            "px\"></a></span></h1>\r\n\t\t\t\t\t<div class=\"J_TWidget\" data-widget-config=\"{'trigger':'." +
            cls + "','align':{ 'node':'." + cls +
            "','offset':[0,0], 'points':['cc','cc'] }}\" data-widget-type=\"Popup\" style=\"display: "
            "none\">\r\n\t\t\t\t\t\t<span><a href=\"" +
            f.text(kLink + row) + "\" target=\"_blank\"><img data-ks-lazyload=\"" + f.text(kPictureB + row) +
            "\" src=\"" + gif + "\" style=\"width: 310px; height: " + h +
            "px\" /></a></span></div>\r\n\t\t\t\t</li>" + (k < kTiles ? "\r\n\t\t\t\t" : "");
    }
    // The frame has a top edge but no bottom edge.
    return out + "\r\n\t\t\t</ul>\r\n\t\t</div>\r\n\t</div>\r\n</div>";
}

} // namespace

ModuleSpec promotionInfoModule() {
    ModuleSpec m;
    m.caption = "店铺促销信息-正反换图特效";
    m.width = 750;
    m.height = 453;

    const std::string pictures = makerServer() + "/Tessaly/upload/images/131104/f33/";
    auto files = [pictures](std::vector<const char*> names) {
        std::vector<std::string> texts;
        for (const char* name : names)
            texts.push_back(pictures + name);
        return rowTexts(texts);
    };
    Control width = field(kWidth, "图片尺寸：", "310");
    Control height = field(kHeight, "", "92", "px;");
    width.columns = height.columns = 5;
    m.sections = {
        {"模块样式", {line({picture("图片框1", "/Tessaly/samples/F33.jpg", 600, 58)})}},
        {"模块设置",
         {
             table(numberedTable(
                 "图片编号",
                 {{"图片地址A（鼠标未移至显示）", kPictureA, files({"sc1.jpg", "sc2.jpg", "sc3.jpg"})},
                  {"图片地址B（鼠标移至显示）", kPictureB, files({"sc3.jpg", "sc1.jpg", "sc2.jpg"})},
                  {"链接地址", kLink, sameText(marketHome())}},
                 kTiles)),
             line({width, height,
                   label("标签11", "图片尺寸为宽300px,高不限,可用于制作促销活动，宝贝分类，宝贝展示等。")}),
         }},
    };
    m.codeBox = codeBox(kCode);

    // The width field keeps its text: it only tells the user the tiles' fixed width.
    std::vector<std::string> clearTargets = namesByColumn({kLink, kPictureB, kPictureA}, kTiles, 1);
    clearTargets.push_back(kCode);
    clearTargets.push_back(kHeight);

    auto [pro, basic] = editionButtons("按钮_F33专业版代码", "按钮_F33基础版代码", professional);
    m.buttons = {
        pro,
        basic,
        copyButton("按钮_F33复制代码"),
        clearButton("按钮_F33清空内容", "清空内容", clearTargets),
        previewButton("按钮_F33预览"),
        exitButton("按钮_F33退出"),
    };
    return m;
}

} // namespace ornavo
