// "单张全屏海报（换图/正反效果）": one full-width poster with a front and a back picture; while the mouse
// rests on the poster a pop-up puts the back picture over the front one. It is the square-dot carousel's
// construction with a single slide: the box is pulled left by the centring offset onto the middle of
// the shop's 950-pixel column, and a spacer of fixed height keeps the next module at its distance.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "framework/model/markup.h"
#include "framework/model/text.h"
#include "generators/catalogue.h"
#include "generators/fullscreen/centring.h"

namespace ornavo {
namespace {

const char* const kFront = "编辑框_正面图";
const char* const kBack = "编辑框_反面图";
const char* const kLink = "编辑框_链接地址";
const char* const kWidth = "编辑框_图片宽";
const char* const kHeight = "编辑框_图片高";
const char* const kSpacer = "编辑框_模版占位";
const char* const kCentring = "编辑框_居中调整";
const char* const kCode = "超级编辑框_F05代码";

void onWidth(Form& form) {
    form.setText(kCentring, centring::columnOffset(form, kWidth));
}
void onHeight(Form& form) {
    form.setText(kSpacer, centring::spacerHeight(form, kHeight));
}

std::string generate(const Form& f) {
    const std::string& w = f.text(kWidth);
    const std::string& link = f.text(kLink);

    std::string code =
        markup::customAreaC("1326078419", markup::attributionTitleHttp()) + "\r\n\t" + markup::kFrameOpen +
        "\r\n\t\t" + markup::kFrameTop + "\r\n\t\t" + markup::kFrameBodyOpen +
        "\r\n\t\t\t<div class=\"J_TWidget\" data-widget-config=\"{'effect': 'fade', 'circular': true "
        ",'contentCls':'piao1363578252975fu'}\" data-widget-type=\"Tabs\">\r\n\t\t\t\t<div "
        "class=\"piao1363578252975fu\" style=\"height: " +
        f.text(kSpacer) + "px\">\r\n\t\t\t\t\t";

    code +=
        "<div class=\"J_TWidget\" data-widget-config=\"{&#13;&#10;            'contentCls': "
        "'slide-kun1363578252975content',&#13;&#10;            'triggerCls': "
        "'slide-kun1363578252975triggers',&#13;&#10;            'navCls': "
        "'slide-kun1363578252975triggers',&#13;&#10;            'triggerType': 'mouse',&#13;&#10;            "
        "'effect': "
        "'fade',&#13;&#10;&#9;&#9;&#9;'prevBtnCls':'prev',&#13;&#10;&#9;&#9;&#9;'nextBtnCls':'next',"
        "&#13;&#10;            'steps': 1,&#13;&#10;            'autoplay': "
        "true,&#13;&#10;&#9;&#9;&#9;'viewSize':[" +
        w +
        "],&#13;&#10;            'circular': true&#13;&#10;        }\" data-widget-type=\"Carousel\" "
        "style=\"z-index: 10; padding-bottom: 0px; margin: 0px; padding-left: 0px; width: " +
        w + "px; padding-right: 0px; top: 0px; padding-top: 0px; left: " + f.text(kCentring) +
        "px\">\r\n\t\t\t\t\t\t";

    // An empty pop-up the page expects before the first slide.
    code += "<div class=\"J_TWidget\" "
            "data-widget-config=\"{'trigger':'.first1363578252975trigger','align':{'node':'."
            "first1363578252975trigger',"
            "'offset':[0,0],'points':['cc','cc']}}\" data-widget-type=\"Popup\" style=\"display: "
            "none\">\r\n\t\t\t\t\t\t\t<span>&nbsp;</span></div>\r\n\t\t\t\t\t\t";

    // The poster box with the front picture; its class "a48352" triggers the back picture's pop-up.
    code += "<div class=\"sub a48352\" style=\"width: " + w + "px; float: left; height: " + f.text(kHeight) +
            "px; margin-left: 5px\">\r\n<span><span><a href=\"" + link +
            "\" target=\"_blank\"><img data-ks-lazyload=\"" + f.text(kFront) + "\" src=\"" +
            placeholderGif() + "\" /></a></span></span>\r\n\t\t\t\t\t\t\t";

    code += "<div class=\"J_TWidget hidden\" "
            "data-widget-config=\"{'trigger':'.a48352','align':{'node':'.a48352','offset':[0,0],'points':['"
            "cc','cc']"
            "}}\" data-widget-type=\"Popup\" style=\"visibility: hidden; top: 100px; left: "
            "2px\">\r\n\t\t\t\t\t\t\t\t<div>\r\n\t\t\t\t\t\t\t\t\t<span><span><a href=\"" +
            link + "\" target=\"_blank\"><img data-ks-lazyload=\"" + f.text(kBack) + "\" src=\"" +
            placeholderGif() +
            "\" /></a></span></span></div>\r\n\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t";

    code += "<ul class=\"slide-kun1363578252975triggers\" style=\"padding-bottom: 0px; margin: 0px; "
            "padding-left: "
            "0px; padding-right: 0px; display: none; padding-top: 0px\">"
            "\r\n\t\t\t\t\t\t\t<li>\r\n\t\t\t\t\t\t\t\t<span>&nbsp;</span></li>"
            "\r\n\t\t\t\t\t\t\t<li>\r\n\t\t\t\t\t\t\t\t<span>&nbsp;</span></li>"
            "\r\n\t\t\t\t\t\t</ul>\r\n\t\t\t\t\t</div>\r\n\t\t\t\t</div>\r\n\t\t\t</div>\r\n\t\t</"
            "div>\r\n\t</div>"
            "\r\n</div>";
    return code;
}

} // namespace

ModuleSpec imageSwapPosterModule() {
    ModuleSpec m;
    m.caption = "单张全屏海报（换图/正反效果）";
    m.width = 735;
    m.height = 603;
    m.sections = {
        {"模块效果", {line({picture("图片框1", "/Tessaly/samples/F05.jpg", 600, 156)})}},
        {"模块设置",
         {
             line({field(kFront, "正面图地址（鼠标未移至显示）",
                         makerServer() + "/Tessaly/upload/images/131018/qplb/qplb2.jpg")}),
             line({field(kBack, "反面图地址（鼠标移至显示）",
                         makerServer() + "/Tessaly/upload/images/131018/qplb/qplb3.jpg")}),
             line({field(kLink, "点击海报打开链接地址", marketHome())}),
             line({withHandler(field(kWidth, "图片尺寸：", "1920"), onWidth),
                   withHandler(field(kHeight, "", "500", "px;"), onHeight)}),
             line(
                 {field(kSpacer, "模版占位：", "480", "px;"), field(kCentring, "居中调整：", "-485", "px;")}),
         }},
        {"模块说明",
         {
             line({label("标签11", "模版占位：与下一模版的距离调整，如果浏览器出现数字1，请适当调小数值.")}),
             line({label("标签12", "居中位置：软件自动计算为专业版第一套系统模版的参数，如果是基础版，"
                                   "数值在默认计算的结果上加190，如果您使用的是专业版")}),
             line({label("标签13", "第二套模版，参数为默认计算的值减240px,如果不居中，请自行浏览调整.")}),
         }},
    };
    m.codeBox = codeBox(kCode);
    m.buttons = {
        generateButton("按钮_F05一键生成", "一键生成", generate),
        copyButton("按钮_F05复制代码"),
        clearButton("按钮_F05清空代码", "清空内容",
                    {kHeight, kWidth, kBack, kFront, kCentring, kSpacer, kLink, kCode}),
        previewButton("按钮_F05预览"),
        exitButton("按钮_F05退出"),
    };
    return m;
}

} // namespace ornavo
