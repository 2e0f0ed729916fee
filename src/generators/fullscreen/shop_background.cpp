// "店铺全屏背景": a one-rule style sheet that puts a picture behind the whole shop page, either tiled or
// shown once, centred and fixed while the page scrolls. The shop owner pastes it into the display
// settings of the navigation module, so the window has no preview.

#include "framework/model/constants.h"
#include "framework/model/form.h"
#include "generators/catalogue.h"

namespace ornavo {
namespace {

const char* const kPicture = "编辑框_图片链接";
const char* const kCode = "超级编辑框_F06代码";

// Window variable: what follows the picture address up to the end of the rule.
const char* const kRuleEnding = "rule ending";

// Until a display kind is chosen the rule ending is empty and the rule stays open after the address.
std::string generate(const Form& f) {
    return "body{background-image:url(" + f.text(kPicture) + f.var(kRuleEnding);
}

} // namespace

ModuleSpec shopBackgroundModule() {
    ModuleSpec m;
    m.caption = "店铺全屏背景";
    m.width = 865;
    m.height = 550;
    m.sections = {
        {"模块样例", {line({picture("图片框1", "/Tessaly/samples/F06.jpg", 480, 200)})}},
        {"模块设置",
         {
             line({field(kPicture, "背景图片链接（请先上传到图片空间）",
                         makerServer() +
                             "/Tessaly/upload/images/131031/xuanfubeijing/Tessaly_xuanfubeijing.jpg")}),
             line({label("标签_背景设置", "背景设置："),
                   choiceRadio("单选框_悬浮固定", "悬浮固定", kRuleEnding,
                               ");background-repeat:no-repeat;background-position:center;background-"
                               "attachment:fixed;}",
                               "background"),
                   choiceRadio("单选框_平铺", "平铺", kRuleEnding,
                               ");background-repeat:repeat;background-position:center;;}", "background")}),
         }},
        {"模块说明",
         {
             line({label("标签3", "1、如果不选择平铺，实现全屏建议使用图片尺寸在1920x950px")}),
             line({label("标签4",
                         "2、背景显示于页面最底层，如果专业版已经添加背景颜色，必须删除才可以实现效果.")}),
             line({label("标签5", "3、代码安装方法：移动到导航条→编辑→显示设置→空白处粘贴代码→确定保存")}),
         }},
    };
    m.codeBox = codeBox(kCode);
    m.buttons = {
        generateButton("按钮_F06一键生成", "一键生成", generate),
        copyButton("按钮_F06复制代码"),
        clearButton("按钮_F06清空代码", "清空内容", {kPicture, kCode}),
        exitButton("按钮_F06退出"),
    };
    return m;
}

} // namespace ornavo
