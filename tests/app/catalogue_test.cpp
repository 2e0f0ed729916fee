// The two catalogue pages: every button in its order and place, with its caption and the window it
// opens; the placeholders answer with a notice.

#include "app_test_support.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

using namespace ornavo;
using namespace ornavo::testing;
using app::MainWindow;

namespace {

struct Row {
    const char* button;
    const char* caption;
    const char* window;
};

const std::vector<Row> kProfessional = {
    {"按钮_F01全屏海报轮播", "F01-全屏海报轮播（带缩略图）", "Ornavo-全屏海报轮播（自动居中）"},
    {"按钮_F02全屏海报轮播", "F02-全屏海报轮播（多组合）", "全屏海报轮播"},
    {"按钮_F03全屏海报", "F03-全屏海报", "全屏海报"},
    {"按钮_F04全屏海报轮播方点导航", "F04-全屏海报轮播（方点导航）", "全屏海报轮播(方点导航)"},
    {"按钮_F05单张全屏海报切换图", "F05-单张全屏海报（正反换图）", "单张全屏海报（换图/正反效果）"},
    {"按钮_F06店铺全屏背景", "F06-店铺全屏背景（悬浮固定）", "店铺全屏背景"},
    {"按钮_F07纯颜色导航CSS生成", "F07-导航CSS生成(纯颜色导航)", "店铺导航CSS生成模块"},
    {"按钮_F08图片导航CSS代码生成", "F08-导航CSS代码(图片导航变色)", "导航变色效果（图片颜色底图）"},
    {"按钮_F09自定义店招", "F09-自定义店招（带滚动公告）", "自定义店招（带滚动公告）"},
    {"按钮_F10950手拉风琴轮播特效", "F10-950手拉风琴轮播特效", "950手拉风琴轮播特效"},
    {"按钮_F11图片轮播底部带标题", "F11-图片轮播（底部带宝贝标题）", "950通栏-图片轮播（带底部宝贝标题）"},
    {"按钮_F12宝贝9格子轮播", "F12-宝贝轮播展示（右九格子）", "宝贝轮播展示（右9格子）"},
    {"按钮_F13宝贝轮播展示促销活动", "F13-宝贝轮播展示（促销活动）", "宝贝轮播展示（促销活动）"},
    {"按钮_F14宝贝轮播展示五组对比", "F14-宝贝轮播展示(五组对比)", "宝贝轮播展示（五组十图对比）"},
    {"按钮_F15宝贝特效展示正反换图", "F15-宝贝特效展示（正反换图）", "宝贝特效展示（正反换图）"},
    {"按钮_F16宝贝特效展示放大镜", "F16-宝贝特效展示（放大镜）", "宝贝特效展示（放大镜特效）"},
    {"按钮_宝贝四格子展示", "F17-宝贝格子展示（四格子模块）", "宝贝展示-单排四格子模块"},
    {"按钮_F18宝贝三格子展示", "F18-宝贝格子展示（三格子模块）", "宝贝展示-单排三格子模块"},
    {"按钮_F19宝贝轮播展示三面样式", "F19-宝贝轮播展示（三面样式）", "宝贝轮播展示-三面样式轮播"},
    {"按钮_F20宝贝轮播展示旋转木马", "F20-宝贝轮播展示（旋转木马）", "宝贝轮播展示-旋转木马轮播"},
    {"按钮_F21宝贝轮播展示左右窗口", "F21-宝贝轮播展示（左右窗口）", "宝贝轮播展示-左右分窗特效"},
    {"按钮_F22宝贝轮播展示分页格子", "F22-宝贝轮播展示（分页格子）", "宝贝轮播展示-分页格子"},
    {"按钮_F23宝贝排行榜展示手拉风琴", "F23-宝贝排行榜展示（手拉风琴）", "宝贝排行榜展示-手拉风琴特效"},
    {"按钮_F24宝贝展示四格放大镜", "F24-宝贝特效展示（四格放大镜）", "宝贝特效展示-四格放大镜"},
    {"按钮_F25广告图轮播带缩略图", "F25-广告图轮播（带缩略图）", "广告图轮播-带缩略图"},
    {"按钮_F26宝贝轮播展示立体旋转", "F26-宝贝轮播展示（立体旋转）", "宝贝轮播展示-八图立体旋转特效"},
    {"按钮_F27广告图轮播百叶窗", "F27-广告图轮播（百叶窗特效）", "广告图轮播-SDK百叶窗渐变特效"},
    {"按钮_F28广告图轮播圆点导航", "F28-广告图轮播（圆点导航）", "广告图轮播-圆点导航轮播"},
    {"按钮_F29广告图轮播方点导航", "F29-广告图轮播（方点导航）", "广告图轮播-方点导航轮播"},
    {"按钮_F30广告图轮播方向箭头", "F30-广告图轮播（方向箭头）", "广告图轮播-方向箭头轮播"},
    {"按钮_F31宝贝特效展示正反换图", "F31-宝贝特效展示（正反换图）", "宝贝特效展示-不规则正反换图特效"},
    {"按钮_F32宝贝特效展示遮罩特效", "F32-宝贝特效展示（遮罩特效）", "宝贝特效展示-不规则遮罩特效"},
    {"按钮_F33店铺促销信息正反换图", "F33-店铺促销信息（正反换图）", "店铺促销信息-正反换图特效"},
    {"按钮_F34客服中心带滚动公告", "F34-客服中心（带滚动公告）", "客服中心-带滚动公告"},
    {"按钮_F35店铺滚动活动信息栏", "F35-店铺滚动活动信息栏", "店铺滚动活动信息栏"},
};

const std::vector<Row> kBasic = {
    {"按钮_F01基础全屏海报轮播方点导航", "F01-全屏海报轮播（方点导航）", "全屏海报轮播(方点导航)"},
    {"按钮_F02基础单张全屏海报正反换图", "F02-单张全屏海报（正反换图）", "单张全屏海报（换图/正反效果）"},
    {"按钮_F03基础店铺全屏背景悬浮固定", "F03-店铺全屏背景（悬浮固定）", "店铺全屏背景"},
    {"按钮_F04基础纯颜色导航CSS生成", "F04-纯颜色导航CSS生成", "店铺导航CSS生成模块"},
    {"按钮_F05基础导航CSS代码图片导航变色", "F05-导航CSS代码(图片导航变色)", "导航变色效果（图片颜色底图）"},
    {"按钮_F06基础自定义店招带滚动公告", "F06-自定义店招（带滚动公告）", "自定义店招（带滚动公告）"},
    {"按钮_F07基础950手拉风琴轮播特效", "F07-950手拉风琴轮播特效", "950手拉风琴轮播特效"},
    {"按钮_F08基础图片轮播底部带宝贝标题", "F08-图片轮播（底部带宝贝标题）",
     "950通栏-图片轮播（带底部宝贝标题）"},
    {"按钮_F09基础宝贝轮播展示促销活动", "F09-宝贝轮播展示（促销活动）", "宝贝轮播展示（促销活动）"},
    {"按钮_F10基础宝贝特效展示正反换图", "F10-宝贝特效展示（正反换图）", "宝贝特效展示（正反换图）"},
    {"按钮_F11宝贝格子展示四格子模块", "F11-宝贝格子展示（四格子模块）", "宝贝展示-单排四格子模块"},
    {"按钮_F12宝贝格子展示三格子模块", "F12-宝贝格子展示（三格子模块）", "宝贝展示-单排三格子模块"},
    {"按钮_F13基础版宝贝轮播展示三面样式", "F13-宝贝轮播展示（三面样式）", "宝贝轮播展示-三面样式轮播"},
    {"按钮_F14基础宝贝轮播展示旋转木马", "F14-宝贝轮播展示（旋转木马）", "宝贝轮播展示-旋转木马轮播"},
    {"按钮_F15基础宝贝轮播展示左右窗口", "F15-宝贝轮播展示（左右窗口）", "宝贝轮播展示-左右分窗特效"},
    {"按钮_F16基础版宝贝排行榜展示手拉风琴", "F16-宝贝排行榜展示（手拉风琴）", "宝贝排行榜展示-手拉风琴特效"},
    {"按钮_F17基础宝贝特效展示四格放大镜", "F17-宝贝特效展示（四格放大镜）", "宝贝特效展示-四格放大镜"},
    {"按钮_F18基础广告图轮播带缩略图", "F18-广告图轮播（带缩略图）", "广告图轮播-带缩略图"},
    {"按钮_F19基础宝贝轮播展示立体旋转", "F19-宝贝轮播展示（立体旋转）", "宝贝轮播展示-八图立体旋转特效"},
    {"按钮_F20基础广告图轮播百叶窗特效", "F20-广告图轮播（百叶窗特效）", "广告图轮播-SDK百叶窗渐变特效"},
    {"按钮_F21基础广告图轮播圆点导航", "F21-广告图轮播（圆点导航）", "广告图轮播-圆点导航轮播"},
    {"按钮_F22基础广告图轮播方点导航", "F22-广告图轮播（方点导航）", "广告图轮播-方点导航轮播"},
    {"按钮_F23基础宝贝特效展示正反换图", "F23-宝贝特效展示（正反换图）", "宝贝特效展示-不规则正反换图特效"},
    {"按钮_F24基础宝贝特效展示遮罩特效", "F24-宝贝特效展示（遮罩特效）", "宝贝特效展示-不规则遮罩特效"},
    {"按钮_F25基础店铺促销信息正反换图", "F25-店铺促销信息（正反换图）", "店铺促销信息-正反换图特效"},
    {"按钮_F26基础客服中心带滚动公告", "F26-客服中心（带滚动公告）", "客服中心-带滚动公告"},
    {"按钮_F26基础版店铺滚动活动信息栏", "F26-店铺滚动活动信息栏", "店铺滚动活动信息栏"},
};

const int kColumns[] = {14, 210, 406, 603};
const int kRows[] = {35, 70, 105, 141, 178, 215, 252, 289, 326};

// The caption of the window a catalogue button opens.
std::string windowCaptionOf(const std::string& key) {
    const ModuleSpec* module = moduleRegistry().byKey(key);
    return module ? module->caption : "(none)";
}

class Catalogue : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(shell.services());
        window->show();
    }
    void TearDown() override { window.reset(); }

    // The page's buttons from top to bottom, left to right.
    std::vector<QPushButton*> buttonsOf(int page) {
        window->pages()->setCurrentIndex(page);
        QWidget* w = window->pages()->widget(page);
        std::vector<QPushButton*> buttons;
        for (QPushButton* b : w->findChildren<QPushButton*>())
            if (b->property("role").toString() == QStringLiteral("catalogue"))
                buttons.push_back(b);
        std::sort(buttons.begin(), buttons.end(), [](QPushButton* a, QPushButton* b) {
            return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
        });
        return buttons;
    }

    void checkPage(int page, const std::vector<Row>& rows, const char* placeholder,
                   const char* placeholderCaption) {
        const std::vector<QPushButton*> buttons = buttonsOf(page);
        ASSERT_EQ(buttons.size(), rows.size() + 1);
        for (std::size_t i = 0; i <= rows.size(); ++i) {
            QPushButton* b = buttons[i];
            const bool isPlaceholder = i == rows.size();
            SCOPED_TRACE(b->objectName().toStdString());
            EXPECT_EQ(b->objectName().toStdString(), isPlaceholder ? placeholder : rows[i].button);
            EXPECT_EQ(b->text().toStdString(), isPlaceholder ? placeholderCaption : rows[i].caption);
            EXPECT_EQ(inTabs(b, window->pages()), QRect(kColumns[i % 4], kRows[i / 4], 190, 32));
            if (!isPlaceholder) {
                EXPECT_EQ(windowCaptionOf(b->property("module").toString().toStdString()), rows[i].window);
            }
        }
    }

    FakeShell shell;
    std::unique_ptr<MainWindow> window;
};

} // namespace

TEST_F(Catalogue, ProfessionalPageHoldsItsButtonsInOrderAndPlace) {
    EXPECT_EQ(kProfessional.size(), 35u);
    checkPage(0, kProfessional, "按钮_模块开发", "更多模块开发中……");
}

TEST_F(Catalogue, BasicPageHoldsItsButtonsInOrderAndPlace) {
    EXPECT_EQ(kBasic.size(), 27u);
    checkPage(1, kBasic, "按钮_模块开发1", "模块开发中……");
}

TEST_F(Catalogue, EveryButtonOpensItsWindowAndThePlaceholdersSayMoreIsComing) {
    for (int page : {0, 1}) {
        const std::vector<Row>& rows = page == 0 ? kProfessional : kBasic;
        std::vector<QPushButton*> buttons = buttonsOf(page);
        ASSERT_EQ(buttons.size(), rows.size() + 1);
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            SCOPED_TRACE(buttons[i]->objectName().toStdString());
            shell.modules.clear();
            shell.notices.clear();
            QTest::mouseClick(buttons[i], Qt::LeftButton);
            if (i < rows.size()) {
                ASSERT_EQ(shell.modules.size(), 1u);
                EXPECT_EQ(shell.modules[0], rows[i].window);
                EXPECT_TRUE(shell.notices.empty());
            } else {
                EXPECT_TRUE(shell.modules.empty());
                ASSERT_EQ(shell.notices.size(), 1u);
                EXPECT_EQ(shell.notices[0].caption, "温馨提示");
                EXPECT_EQ(shell.notices[0].message, "模块开发中！！");
                EXPECT_EQ(shell.notices[0].icon, app::NoticeIcon::None);
            }
        }
    }
}

TEST_F(Catalogue, TheTwoF26ButtonsOfTheBasicPageOpenDifferentWindows) {
    buttonsOf(1);
    auto* service = window->findChild<QPushButton*>(QStringLiteral("按钮_F26基础客服中心带滚动公告"));
    auto* activity = window->findChild<QPushButton*>(QStringLiteral("按钮_F26基础版店铺滚动活动信息栏"));
    ASSERT_TRUE(service && activity);
    EXPECT_EQ(service->text().left(3), QStringLiteral("F26"));
    EXPECT_EQ(activity->text().left(3), QStringLiteral("F26"));
    EXPECT_EQ(windowCaptionOf(service->property("module").toString().toStdString()), "客服中心-带滚动公告");
    EXPECT_EQ(windowCaptionOf(activity->property("module").toString().toStdString()), "店铺滚动活动信息栏");
    // Side by side, in catalogue order.
    EXPECT_EQ(inTabs(service, window->pages()).topLeft(), QPoint(210, 252));
    EXPECT_EQ(inTabs(activity, window->pages()).topLeft(), QPoint(406, 252));
}
