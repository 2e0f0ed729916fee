#include "catalogue.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace ornavo {

const std::vector<CatalogueRow>& catalogueRows() {
    static const std::vector<CatalogueRow> rows = {
        {"F01",
         {"按钮_F01全屏海报轮播", "F01-全屏海报轮播（带缩略图）"},
         std::nullopt,
         &autoCentredCarouselModule},
        {"F02",
         {"按钮_F02全屏海报轮播", "F02-全屏海报轮播（多组合）"},
         std::nullopt,
         &multiGroupCarouselModule},
        {"F03", {"按钮_F03全屏海报", "F03-全屏海报"}, std::nullopt, &fullScreenPosterModule},
        {"F04",
         {"按钮_F04全屏海报轮播方点导航", "F04-全屏海报轮播（方点导航）"},
         {{"按钮_F01基础全屏海报轮播方点导航", "F01-全屏海报轮播（方点导航）"}},
         &squareDotCarouselModule},
        {"F05",
         {"按钮_F05单张全屏海报切换图", "F05-单张全屏海报（正反换图）"},
         {{"按钮_F02基础单张全屏海报正反换图", "F02-单张全屏海报（正反换图）"}},
         &imageSwapPosterModule},
        {"F06",
         {"按钮_F06店铺全屏背景", "F06-店铺全屏背景（悬浮固定）"},
         {{"按钮_F03基础店铺全屏背景悬浮固定", "F03-店铺全屏背景（悬浮固定）"}},
         &shopBackgroundModule},
        {"F07",
         {"按钮_F07纯颜色导航CSS生成", "F07-导航CSS生成(纯颜色导航)"},
         {{"按钮_F04基础纯颜色导航CSS生成", "F04-纯颜色导航CSS生成"}},
         &navigationCssModule},
        {"F08",
         {"按钮_F08图片导航CSS代码生成", "F08-导航CSS代码(图片导航变色)"},
         {{"按钮_F05基础导航CSS代码图片导航变色", "F05-导航CSS代码(图片导航变色)"}},
         &navigationOverImageModule},
        {"F09",
         {"按钮_F09自定义店招", "F09-自定义店招（带滚动公告）"},
         {{"按钮_F06基础自定义店招带滚动公告", "F06-自定义店招（带滚动公告）"}},
         &shopSignModule},
        {"F10",
         {"按钮_F10950手拉风琴轮播特效", "F10-950手拉风琴轮播特效"},
         {{"按钮_F07基础950手拉风琴轮播特效", "F07-950手拉风琴轮播特效"}},
         &accordionCarouselModule},
        {"F11",
         {"按钮_F11图片轮播底部带标题", "F11-图片轮播（底部带宝贝标题）"},
         {{"按钮_F08基础图片轮播底部带宝贝标题", "F08-图片轮播（底部带宝贝标题）"}},
         &bannerTitleCarouselModule},
        {"F12",
         {"按钮_F12宝贝9格子轮播", "F12-宝贝轮播展示（右九格子）"},
         std::nullopt,
         &nineCellCarouselModule},
        {"F13",
         {"按钮_F13宝贝轮播展示促销活动", "F13-宝贝轮播展示（促销活动）"},
         {{"按钮_F09基础宝贝轮播展示促销活动", "F09-宝贝轮播展示（促销活动）"}},
         &promotionCarouselModule},
        {"F14",
         {"按钮_F14宝贝轮播展示五组对比", "F14-宝贝轮播展示(五组对比)"},
         std::nullopt,
         &fiveGroupCarouselModule},
        {"F15",
         {"按钮_F15宝贝特效展示正反换图", "F15-宝贝特效展示（正反换图）"},
         {{"按钮_F10基础宝贝特效展示正反换图", "F10-宝贝特效展示（正反换图）"}},
         &flipDisplayModule},
        {"F16",
         {"按钮_F16宝贝特效展示放大镜", "F16-宝贝特效展示（放大镜）"},
         std::nullopt,
         &magnifierDisplayModule},
        {"F17",
         {"按钮_宝贝四格子展示", "F17-宝贝格子展示（四格子模块）"},
         {{"按钮_F11宝贝格子展示四格子模块", "F11-宝贝格子展示（四格子模块）"}},
         &fourCellDisplayModule},
        {"F18",
         {"按钮_F18宝贝三格子展示", "F18-宝贝格子展示（三格子模块）"},
         {{"按钮_F12宝贝格子展示三格子模块", "F12-宝贝格子展示（三格子模块）"}},
         &threeCellDisplayModule},
        {"F19",
         {"按钮_F19宝贝轮播展示三面样式", "F19-宝贝轮播展示（三面样式）"},
         {{"按钮_F13基础版宝贝轮播展示三面样式", "F13-宝贝轮播展示（三面样式）"}},
         &threeFaceCarouselModule},
        {"F20",
         {"按钮_F20宝贝轮播展示旋转木马", "F20-宝贝轮播展示（旋转木马）"},
         {{"按钮_F14基础宝贝轮播展示旋转木马", "F14-宝贝轮播展示（旋转木马）"}},
         &merryGoRoundCarouselModule},
        {"F21",
         {"按钮_F21宝贝轮播展示左右窗口", "F21-宝贝轮播展示（左右窗口）"},
         {{"按钮_F15基础宝贝轮播展示左右窗口", "F15-宝贝轮播展示（左右窗口）"}},
         &splitWindowCarouselModule},
        {"F22",
         {"按钮_F22宝贝轮播展示分页格子", "F22-宝贝轮播展示（分页格子）"},
         std::nullopt,
         &pagedGridCarouselModule},
        {"F23",
         {"按钮_F23宝贝排行榜展示手拉风琴", "F23-宝贝排行榜展示（手拉风琴）"},
         {{"按钮_F16基础版宝贝排行榜展示手拉风琴", "F16-宝贝排行榜展示（手拉风琴）"}},
         &rankingAccordionModule},
        {"F24",
         {"按钮_F24宝贝展示四格放大镜", "F24-宝贝特效展示（四格放大镜）"},
         {{"按钮_F17基础宝贝特效展示四格放大镜", "F17-宝贝特效展示（四格放大镜）"}},
         &fourCellMagnifierModule},
        {"F25",
         {"按钮_F25广告图轮播带缩略图", "F25-广告图轮播（带缩略图）"},
         {{"按钮_F18基础广告图轮播带缩略图", "F18-广告图轮播（带缩略图）"}},
         &thumbnailCarouselModule},
        {"F26",
         {"按钮_F26宝贝轮播展示立体旋转", "F26-宝贝轮播展示（立体旋转）"},
         {{"按钮_F19基础宝贝轮播展示立体旋转", "F19-宝贝轮播展示（立体旋转）"}},
         &rotation3dCarouselModule},
        {"F27",
         {"按钮_F27广告图轮播百叶窗", "F27-广告图轮播（百叶窗特效）"},
         {{"按钮_F20基础广告图轮播百叶窗特效", "F20-广告图轮播（百叶窗特效）"}},
         &blindsCarouselModule},
        {"F28",
         {"按钮_F28广告图轮播圆点导航", "F28-广告图轮播（圆点导航）"},
         {{"按钮_F21基础广告图轮播圆点导航", "F21-广告图轮播（圆点导航）"}},
         &roundDotCarouselModule},
        {"F29",
         {"按钮_F29广告图轮播方点导航", "F29-广告图轮播（方点导航）"},
         {{"按钮_F22基础广告图轮播方点导航", "F22-广告图轮播（方点导航）"}},
         &squareDotAdvertCarouselModule},
        {"F30",
         {"按钮_F30广告图轮播方向箭头", "F30-广告图轮播（方向箭头）"},
         std::nullopt,
         &arrowCarouselModule},
        {"F31",
         {"按钮_F31宝贝特效展示正反换图", "F31-宝贝特效展示（正反换图）"},
         {{"按钮_F23基础宝贝特效展示正反换图", "F23-宝贝特效展示（正反换图）"}},
         &irregularFlipDisplayModule},
        {"F32",
         {"按钮_F32宝贝特效展示遮罩特效", "F32-宝贝特效展示（遮罩特效）"},
         {{"按钮_F24基础宝贝特效展示遮罩特效", "F24-宝贝特效展示（遮罩特效）"}},
         &irregularMaskDisplayModule},
        {"F33",
         {"按钮_F33店铺促销信息正反换图", "F33-店铺促销信息（正反换图）"},
         {{"按钮_F25基础店铺促销信息正反换图", "F25-店铺促销信息（正反换图）"}},
         &promotionInfoModule},
        {"F34",
         {"按钮_F34客服中心带滚动公告", "F34-客服中心（带滚动公告）"},
         {{"按钮_F26基础客服中心带滚动公告", "F26-客服中心（带滚动公告）"}},
         &serviceCentreModule},
        {"F35",
         {"按钮_F35店铺滚动活动信息栏", "F35-店铺滚动活动信息栏"},
         {{"按钮_F26基础版店铺滚动活动信息栏", "F26-店铺滚动活动信息栏"}},
         &activityBarModule},
    };
    return rows;
}

const Registry& moduleRegistry() {
    static const Registry registry = [] {
        std::vector<Registry::Source> sources;
        for (const CatalogueRow& row : catalogueRows())
            sources.push_back({row.key, [&row] {
                                   ModuleSpec m = row.describe();
                                   m.professionalButton = row.professional;
                                   m.basicButton = row.basic;
                                   return m;
                               }});
        return Registry(std::move(sources));
    }();
    return registry;
}

std::vector<CatalogueEntry> cataloguePage(Edition edition) {
    std::vector<CatalogueEntry> page;
    for (const CatalogueRow& row : catalogueRows()) {
        const CatalogueButton* button = edition == Edition::Professional ? &row.professional
                                        : row.basic                      ? &*row.basic
                                                                         : nullptr;
        if (!button)
            continue;
        page.push_back({row.key, *button});
    }
    // "F26-…" → 26
    auto number = [](const CatalogueEntry& e) { return std::atoi(e.button.caption.c_str() + 1); };
    std::stable_sort(page.begin(), page.end(), [&](const CatalogueEntry& a, const CatalogueEntry& b) {
        return number(a) != number(b) ? number(a) < number(b) : a.key < b.key;
    });
    return page;
}

} // namespace ornavo
