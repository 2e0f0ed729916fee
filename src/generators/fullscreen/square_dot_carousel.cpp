// "全屏海报轮播(方点导航)": three lazy-loaded full-width posters that fade into one another, with a row
// of three square dots cut from one coloured sprite laid over them. The carousel box is pulled left by
// the centring offset so it sits centred on the shop's 950-pixel column; a spacer box of fixed height
// keeps the next module at its distance.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "framework/model/markup.h"
#include "framework/model/text.h"
#include "generators/catalogue.h"
#include "generators/fullscreen/centring.h"

namespace ornavo {
namespace {

const char* const kImage[] = {"编辑框_图片地址01", "编辑框_图片地址02", "编辑框_图片地址03"};
const char* const kLink[] = {"编辑框_链接地址01", "编辑框_链接地址02", "编辑框_链接地址03"};
const char* const kWidth = "编辑框_图片宽";
const char* const kHeight = "编辑框_图片高";
const char* const kSpacer = "编辑框_模版占位";
const char* const kCentring = "编辑框_居中调整";
const char* const kDotsTop = "编辑框_离顶距";
const char* const kDotsLeft = "编辑框_靠左距";
const char* const kCode = "超级编辑框_F04全屏海报轮播方点";

// Window variable: address of the dot sprite of the picked colour.
const char* const kDotSprite = "dot sprite";

// The centring offset that suits the professional edition's first system template.
void onWidth(Form& form) {
    form.setText(kCentring, centring::columnOffset(form, kWidth));
}

// The dot row sits 20 pixels above the posters' bottom.
void onHeight(Form& form) {
    form.setText(kSpacer, centring::spacerHeight(form, kHeight));
    form.setText(kDotsTop, numberToText(static_cast<double>(fieldInteger(form, kHeight)) - 20.0));
}

Handler dotColour(const char* path) {
    return [path](Form& form) { form.setVar(kDotSprite, makerServer() + path); };
}

std::string posterItem(const Form& f, int k) {
    return "<li style=\"width: " + f.text(kWidth) + "px; height: " + f.text(kHeight) +
           "px\">\r\n<span><span><span><a href=\"" + f.text(kLink[k]) +
           "\" target=\"_blank\"><img border=\"0\" data-ks-lazyload=\"" + f.text(kImage[k]) + "\" src=\"" +
           placeholderGif() + "\" /></a></span></span></span></li>";
}

// One dot: the sprite at its own place in the row "-11px"; the first dot starts as the active one.
std::string dotItem(const std::string& sprite, int j) {
    static const char* const offsets[] = {"0px", "-26px", "-52px"};
    const std::string item =
        j == 0 ? "<li class=\"hidden\" style=\"display: inline; float: left; cursor: pointer\">"
               : "<li style=\"display: inline; float: left; margin-left: 15px; cursor: pointer\">";
    return item + "\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t<div style=\"width: 11px; background: url(" + sprite +
           ") no-repeat " + offsets[j] +
           " -11px; height: "
           "11px\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t<span><span><span>&nbsp;</span></span></span></div>"
           "\r\n\t\t\t\t\t\t\t\t\t\t\t\t</li>";
}

std::string generate(const Form& f) {
    const std::string& w = f.text(kWidth);
    const std::string& h = f.text(kHeight);
    const std::string& dot = f.var(kDotSprite);

    std::string code =
        markup::customAreaC("1089367219", markup::attributionTitleOneSlash()) + "\r\n\t\t\t\t\t" +
        markup::kFrameOpen + "\r\n\t\t\t\t\t\t" + markup::kFrameTop + "\r\n\t\t\t\t\t\t" +
        markup::kFrameBodyOpen +
        "\r\n\t\t\t\t\t\t\t<div class=\"J_TWidget\" data-widget-config=\"{'effect': 'fade', 'circular': "
        "true ,'contentCls':'piao1364140569272fu'}\" data-widget-type=\"Tabs\">\r\n\t\t\t\t\t\t\t\t<div "
        "class=\"piao1364140569272fu\" style=\"height: " +
        f.text(kSpacer) + "px\">\r\n\t\t\t\t\t\t\t\t\t";

    code +=
        "<div class=\"J_TWidget\" data-widget-config=\"{&#13;&#10;&#13;&#10;            'contentCls': "
        "'slide-kun1364140569272content',&#13;&#10;&#13;&#10;            'triggerCls': "
        "'slide-kun1364140569272triggers',&#13;&#10;&#13;&#10;            'navCls': "
        "'slide-kun1364140569272triggers',&#13;&#10;&#13;&#10;            'triggerType': "
        "'mouse',&#13;&#10;&#13;&#10;            'effect': "
        "'fade',&#13;&#10;&#13;&#10;&#9;&#9;&#9;'prevBtnCls':'prev',&#13;&#10;&#13;&#10;&#9;&#9;&#9;'"
        "nextBtnCls':"
        "'next',&#13;&#10;&#13;&#10;            'steps': 1,&#13;&#10;&#13;&#10;            'autoplay': "
        "true,&#13;&#10;&#13;&#10;&#9;&#9;&#9;'viewSize':[" +
        w +
        "],&#13;&#10;&#13;&#10;            'circular': true&#13;&#10;&#13;&#10;        }\" "
        "data-widget-type=\"Carousel\" style=\"z-index: 10; padding-bottom: 0px; margin: 0px; padding-left: "
        "0px; width: " +
        w + "px; padding-right: 0px; top: 0px; padding-top: 0px; left:" + f.text(kCentring) +
        "px\">\r\n\t\t\t\t\t\t\t\t\t\t";

    code += "<div class=\"J_TWidget g_foot\" "
            "data-widget-config=\"{'effect':'fade','easing':'easeBothStrong','autoplay':true,'contentCls':'"
            "yezidian_"
            "content_jumeiyoupin20121203','navCls':'yezidian_nav_jumeiyoupin20121203','activeTriggerCls':'"
            "hidden'}"
            "\" data-widget-type=\"Slide\" style=\"padding-bottom: 0px; margin: 0px; padding-left: 0px; "
            "padding-right: 0px; height: " +
            h + "px; top: 0px; padding-top: 0px; left: 0px\">\r\n<div style=\"height: " + h +
            "px; overflow: hidden\">\r\n<ul class=\"yezidian_content_jumeiyoupin20121203\">\r\n";
    for (int k = 0; k < 3; ++k)
        code += posterItem(f, k);
    code += "</ul>\r\n\t\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t\t\t\t";

    // The dot row borrows the page's absolutely positioned class.
    code += "<ul class=\"yezidian_nav_jumeiyoupin20121203 footer-more-trigger\" style=\"z-index: 99; "
            "border-bottom: 0px; border-left: 0px; padding-bottom: 0px; line-height: 11px; text-indent: 0px; "
            "padding-left: 0px; width: 70px; padding-right: 0px; background: url(" +
            dot + ") no-repeat 0px 0px; height: 11px; border-top: 0px; top:" + f.text(kDotsTop) +
            "px; border-right: 0px; padding-top: 0px; left: " + f.text(kDotsLeft) + "px\">\r\n";
    for (int j = 0; j < 3; ++j)
        code += (j == 0 ? "" : "\r\n\t\t\t\t\t\t\t\t\t\t\t\t") + dotItem(dot, j);

    code += "\r\n\t\t\t\t\t\t\t\t\t\t\t</ul>"
            "\r\n\t\t\t\t\t\t\t\t\t\t</div>"
            "\r\n\t\t\t\t\t\t\t\t\t</div>"
            "\r\n\t\t\t\t\t\t\t\t</div>"
            "\r\n\t\t\t\t\t\t\t</div>"
            "\r\n\t\t\t\t\t\t</div>"
            "\r\n\t\t\t\t\t\t<s class=\"skin-box-bt\"></s></div>"
            "\r\n\t\t\t\t</div>";
    return code;
}

Table posterTable() {
    Table t;
    t.numberCaption = "图片编号";
    t.columns = {"图片地址", "链接地址"};
    static const char* const numbers[] = {"01", "02", "03"};
    static const char* const images[] = {"/Tessaly/upload/images/131018/qplb/qplb1.jpg",
                                         "/Tessaly/upload/images/131018/qplb/qplb2.jpg",
                                         "/Tessaly/upload/images/131018/qplb/qplb3.jpg"};
    for (int k = 0; k < 3; ++k)
        t.rows.push_back(
            {numbers[k],
             {field(kImage[k], "", makerServer() + images[k]), field(kLink[k], "", marketHome())}});
    return t;
}

} // namespace

ModuleSpec squareDotCarouselModule() {
    ModuleSpec m;
    m.caption = "全屏海报轮播(方点导航)";
    m.width = 754;
    m.height = 706;
    m.top = 0;
    m.sections = {
        {"模块样例", {line({picture("图片框1", "/Tessaly/samples/F04.jpg", 600, 156)})}},
        {"模块设置",
         {
             table(posterTable()),
             line({withHandler(field(kWidth, "图片尺寸", "1920"), onWidth),
                   withHandler(field(kHeight, "", "500", "px;"), onHeight)}),
             line(
                 {field(kSpacer, "模版占位：", "480", "px;"), field(kCentring, "居中调整：", "-485", "px;")}),
         }},
        {"导航点设置",
         {
             line({field(kDotsTop, "离顶距：", "470", "px;"), field(kDotsLeft, "靠左距：", "930", "px;")}),
             line({label("标签_颜色", "颜色："),
                   inColour(radio("单选框_红色", "红色",
                                  dotColour("/Tessaly/upload/images/131031/fangdianlunbo/yanse/hongse.png")),
                            "#e02020"),
                   inColour(radio("单选框_粉色", "粉色",
                                  dotColour("/Tessaly/upload/images/131031/fangdianlunbo/yanse/fense.gif")),
                            "#f060a0"),
                   inColour(radio("单选框_蓝色", "蓝色",
                                  dotColour("/Tessaly/upload/images/131031/fangdianlunbo/yanse/lanse.gif")),
                            "#2060e0"),
                   inColour(radio("单选框_绿色", "绿色",
                                  dotColour("/Tessaly/upload/images/131031/fangdianlunbo/yanse/lvse.gif")),
                            "#20a040"),
                   inColour(radio("单选框_黑色", "黑色",
                                  dotColour("/Tessaly/upload/images/131031/fangdianlunbo/yanse/heise.gif")),
                            "#000000")}),
         }},
        {"模块说明",
         {
             line({label("标签19", "模版占位：与下一模版的距离调整，如果浏览器出现数字1，请适当调小数值.")}),
             line({label("标签20", "居中位置：软件自动计算为专业版第一套系统模版的参数，如果是基础版，"
                                   "数值在默认计算的结果上加190，如果您使用的是专业版")}),
             line({label("标签21", "第二套模版，参数为默认计算的值减240px,如果不居中，请自行浏览调整.")}),
         }},
    };
    m.codeBox = codeBox(kCode);
    m.variables = {kDotSprite};
    m.buttons = {
        generateButton("按钮_F04一键生成", "一键生成", generate),
        copyButton("按钮_F04复制代码"),
        clearButton("按钮_F04清空代码", "清空内容",
                    {kLink[2], kLink[1], kLink[0], kImage[2], kImage[1], kImage[0], kHeight, kWidth,
                     kCentring, kSpacer, kDotsLeft, kDotsTop, kCode}),
        previewButton("按钮_F04预览"),
        exitButton("按钮_F04退出"),
    };
    return m;
}

} // namespace ornavo
