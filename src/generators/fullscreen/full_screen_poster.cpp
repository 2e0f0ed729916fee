// "全屏海报": one linked poster as wide as the screen, centred on the shop's 950-pixel column by two
// nested boxes of a class the marketplace page positions absolutely.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "framework/model/text.h"
#include "generators/catalogue.h"

namespace ornavo {
namespace {

const char* const kWidth = "编辑框_海报宽度";
const char* const kHeight = "编辑框_海报高度";
const char* const kTarget = "组合框_链接打开方式";
const char* const kShopKind = "组合框_店铺类型";
const char* const kImage = "编辑框_图片地址";
const char* const kLink = "编辑框_链接地址";
const char* const kCode = "超级编辑框_全屏海报代码";

// Window variables.
const char* const kBoxClass = "box class";
const char* const kOuterStyle = "outer style";
const char* const kInnerStyle = "inner style";
const char* const kLinkTarget = "link target";

// The offset is taken from the width at the moment the shop kind is picked.
void onShopKind(Form& form) {
    const std::string& kind = form.text(kShopKind);
    const std::string offset = numberToText(static_cast<double>(fieldInteger(form, kWidth)) / -2.0);
    if (kind == "集市店铺") {
        form.setVar(kBoxClass, "footer-more-trigger");
        form.setVar(kOuterStyle, "left:50%;top:auto;border:none;padding:0;");
        form.setVar(kInnerStyle, "left:" + offset + "px;top:auto;border:none;padding:0;");
    } else if (kind == "天猫店铺") {
        form.setVar(kBoxClass, "sn-simple-logo");
        form.setVar(kOuterStyle, "padding:0px;left:50%;top:auto;");
        form.setVar(kInnerStyle, "padding:0px;left:" + offset + "px;top:auto;");
    }
}

std::string generate(const Form& f) {
    return "<div style=\"height:" + f.text(kHeight) + "px;\">\r\n<div class=\"" + f.var(kBoxClass) +
           "\"\r\nstyle=\"" + f.var(kOuterStyle) + "\">\r\n<div class=\"" + f.var(kBoxClass) +
           "\"\r\nstyle=\"" + f.var(kInnerStyle) +
           "\">\r\n<!--可以HTML代码替换本区域  开始-->\r\n<a href=\"" + f.text(kLink) + "\" target=\"" +
           f.var(kLinkTarget) + "\">\r\n<img src=\"" + f.text(kImage) + "\"width=\"" + f.text(kWidth) +
           "px\"height=\"" + f.text(kHeight) +
           "px\"border=\"0\" />\r\n</a>\r\n<!--可以HTML代码替换本区域  结束-->\r\n</div>\r\n</div>\r\n</div>";
}

} // namespace

ModuleSpec fullScreenPosterModule() {
    ModuleSpec m;
    m.caption = "全屏海报";
    m.width = 885;
    m.height = 579;
    m.sections = {
        {"模块样例", {line({picture("图片框_全屏海报", "/Tessaly/samples/F03.jpg", 600, 156)})}},
        // The note stands between the sample and the settings.
        {"",
         {line(
             {label("标签1", "注：全屏轮播代码分集市和天猫两个版本，生成代码的时候要注意选择对应的版本代码，"
                             "用于全屏海报的图片宽度最好大于等于1680px")})}},
        {"模块设置",
         {
             line({field(kWidth, "海报宽度：", "1920", "px;"), field(kHeight, "海报高度：", "500", "px;"),
                   choiceList(kTarget, "链接打开方式：", {{"新窗口", "_blank"}, {"本窗口", "_self"}},
                              kLinkTarget),
                   list(kShopKind, "店铺类型：", {"集市店铺", "天猫店铺"}, onShopKind)}),
             line({field(kImage, "图片地址：",
                         makerServer() + "/Tessaly/upload/images/131018/qplb/qplb2.jpg")}),
             line({field(kLink, "链接地址：", marketHome())}),
         }},
    };
    m.codeBox = codeBox(kCode);
    m.variables = {kBoxClass, kOuterStyle, kInnerStyle};
    m.buttons = {
        generateButton("按钮_全屏海报一键生成", "一键生成", generate),
        copyButton("按钮_全屏海报复制代码"),
        previewButton("按钮_全屏海报在线预览"),
        clearButton("按钮_全屏海报清空内容", "清空内容",
                    {kCode, kLink, kImage, kHeight, kWidth, kTarget, kShopKind}),
        exitButton("按钮_全屏海报退出"),
    };
    return m;
}

} // namespace ornavo
