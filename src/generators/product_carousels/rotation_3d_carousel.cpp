// "宝贝轮播展示-八图立体旋转特效": eight product pictures on a fixed backdrop that gives the stage its
// three-dimensional look: one large linked picture in the middle that fades from product to product by
// itself, and two columns of four thumbnails (tabs, without links) on either side. Professional and
// basic edition.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "framework/model/markup.h"
#include "framework/model/tabbed_lines.h"
#include "generators/catalogue.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace ornavo {
namespace {

constexpr int kPictures = 8;

const char* const kPicture = "编辑框_图片地址";
const char* const kLink = "编辑框_链接地址";
const char* const kCode = "超级编辑框_F26代码生成";

// The columns of the numbered table, in the order of their prefixes above.
enum class Column { Picture, Link };
// The field of a column in row k, 1 … kPictures; the names are made once.
const std::string& name(Column column, int k) {
    static const NumberedFields names({kPicture, kLink}, kPictures);
    return names.at(static_cast<std::size_t>(column), k);
}

// Style of thumbnail k's box: the odd ones in the left column, the even ones 655 pixels further right.
const char* boxStyle(int k) {
    if (k == 1)
        return "margin:15px 655px 10px 0px;width:140px;float:left;height:100px;overflow:hidden;";
    if (k == 2)
        return "margin:15px 0px 10px;width:140px;float:left;height:100px;overflow:hidden;";
    if (k % 2 == 1)
        return "margin:0px 655px 10px 0px;width:140px;float:left;height:100px;overflow:hidden;";
    return "width:140px;margin-bottom:10px;float:left;height:100px;overflow:hidden;";
}

std::string professional(const Form& f) {
    const std::string gif = placeholderGif();
    TabbedLines out(8000);
    out.add(0,
            "<div class=\"J_TWidget\" data-widget-config=\"{'png':true,'png_bg':true}\" "
            "data-widget-type=\"Compatible\" style=\"width:952px;background:url(",
            makerImageHost(), "/upload/images/131104/f26/beijing.jpg);height:490px;overflow:hidden;\">");
    out.add(1,
            "<div class=\"J_TWidget\" data-widget-config=\"{'effect': 'fade','autoplay': 'true','circular': "
            "true,'navCls': 'taobaoux-nav','contentCls': 'taobaoux-content'}\" data-widget-type=\"Tabs\">");
    out.add(2, "<div class=\"taobaoux-nav\" style=\"margin:0px 8px auto;width:948px;\">");
    out.add(3, "<div style=\"", boxStyle(1), "\">");
    // Every thumbnail but the first carries the maker's attribution; none has a link. Each line closes
    // its box and opens the next one; the last closes the navigation too.
    const std::string attributed = "data-attr-replace=\"" + markup::attributionReplaceContact() + "\" ";
    for (int k = 1; k <= kPictures; ++k) {
        const std::string_view next = k == kPictures ? "</div>" : boxStyle(k + 1);
        const bool last = k == kPictures;
        out.add(
            4, "<span><span><a ", k == 1 ? "" : attributed,
            " style=\"width:140px;display:block;height:100px;\" target=\"_blank\"><img data-ks-lazyload=\"",
            f.text(name(Column::Picture, k)), "\" src=\"", gif,
            "\" style=\"width:140px;height:100px;\" /></a></span></span></div>", last ? "" : "<div style=\"",
            next, last ? "" : "\">");
    }
    out.add(2,
            "<div class=\"taobaoux-content\" style=\"position:relative;width:570px;height:430px;clear:both;"
            "top:-445px;left:165px;\">");
    out.add(3, "<div style=\"display:block;\">");
    for (int k = 1; k <= kPictures; ++k)
        out.add(4, "<span><span><a href=\"", f.text(name(Column::Link, k)),
                "\" style=\"width:625px;display:block;height:450px;\" target=\"_blank\"><img "
                "data-ks-lazyload=\"",
                f.text(name(Column::Picture, k)), "\" src=\"", gif,
                "\" style=\"width:625px;height:450px;\" /></a></span></span></div>",
                k == kPictures ? "" : "<div style=\"display:none;\">");
    out.add(2, "</div>");
    out.add(1, "</div>");
    out.add(0, "</div>");
    return out.take();
}

std::vector<std::string> clearTargets() {
    std::vector<std::string> targets = namesByColumn({kPicture, kLink}, 1, kPictures);
    targets.push_back(kCode);
    return targets;
}

} // namespace

ModuleSpec rotation3dCarouselModule() {
    auto [pro, basic] = editionButtons("按钮_F26专业版代码", "按钮_F26基础版代码", professional);
    ModuleSpec m;
    m.caption = "宝贝轮播展示-八图立体旋转特效";
    m.width = 534;
    m.height = 680;
    m.sections = {
        {"模块样例", {line({picture("图片框_F26模块样例", "/Tessaly/samples/F26.jpg", 447, 225)})}},
        {"模块设置（图片尺寸：625x450px）",
         {table(numberedTable("图片编号",
                              {{"图片地址", kPicture,
                                [](int k) {
                                    return makerServer() + "/Tessaly/upload/images/131104/f26/sc" +
                                           std::to_string(k) + ".jpg";
                                }},
                               {"链接地址", kLink, sameText(marketHome())}},
                              kPictures))}},
    };
    m.codeBox = codeBox(kCode);
    m.buttons = {
        pro,
        basic,
        copyButton("按钮_F26复制代码"),
        clearButton("按钮_F26清空内容", "清空内容", clearTargets()),
        previewButton("按钮_F26预览"),
        exitButton("按钮_F26退出"),
    };
    return m;
}

} // namespace ornavo
