// "广告图轮播-方点导航轮播" (F29): the round-dot window with square dots and nothing else changed.

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ornavo::testing {
namespace {

void fillTheSame(Form& f) {
    for (const Control* c : allControls(f.module()))
        if (c->kind == ControlKind::Field)
            f.setText(c->name, c->name + "=v");
}

TEST(SquareDotAdvertCarousel, DiffersFromTheRoundDotCodeOnlyInTheFourSpritePaths) {
    OpenWindow round("F28");
    OpenWindow square("F29");
    fillTheSame(round.form());
    fillTheSame(square.form());
    std::string expected = round.press("按钮_F28一键生成");
    const std::string roundSprite = "/upload/images/131104/f28/yuandian.png";
    ASSERT_EQ(countOf(expected, roundSprite), 4u);
    for (std::size_t at = expected.find(roundSprite); at != std::string::npos;
         at = expected.find(roundSprite, at))
        expected.replace(at, roundSprite.size(), "/upload/images/131104/f29/fangdian.png");
    EXPECT_EQ(square.press("按钮_F29一键生成"), expected);
}

} // namespace
} // namespace ornavo::testing
