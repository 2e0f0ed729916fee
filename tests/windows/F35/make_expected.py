# "店铺滚动活动信息栏": style A (one quoted piece) and style B (nested tables, one TAB per level), each
# in both editions.
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pieces import A, lines, write

BREAKOUT = ("<div class=\"J_TWidget\" data-widget-config=\"{'effect': 'fade', 'circular': true ,'contentCls':'taobaoux'}\" data-widget-type=\"Tabs\" style=\"height:580px;overflow:hidden;\">\r\n        <div class=\"taobaoux\">\r\n                <div class=\"footer-more-trigger\" style=\"border-bottom:medium none;border-left:medium none;padding-bottom:0px;padding-left:0px;width:950px;padding-right:0px;height:580px;border-top:medium none;top:auto;border-right:medium none;padding-top:0px;left:50%;\">\r\n                        <div class=\"footer-more-trigger\" style=\"border-bottom:medium none;border-left:medium none;padding-bottom:0px;padding-left:0px;width:950px;padding-right:0px;height:580px;border-top:medium none;border-right:medium none;padding-top:0px;left:-375px;\">")
assert len(BREAKOUT) == 744
CLOSE = "</div></div></div></div>"
BLANK = "\u3000"


def style_a(IA, TA, CA, FA, SA):
    return "<div class=\"skin-box-bd clear-fix\" style=\"color: rgb(41, 83, 166); line-height: 1.2; overflow: visible; width: 950px; border: medium none; padding: 0px; background-image: none; background-repeat: initial initial; background-position: initial\">\r\n\t\t\t<div class=\"gg\" style=\"width: 950px; height: 51px; overflow: hidden; background-image: url('" + IA + "'); background-repeat: no-repeat no-repeat\">\r\n\t\t\t\t<marquee height=\"44\" scrollamount=\"" + SA + "\" scrolldelay=\"2\" width=\"850\" style=\"display: block; font-style: normal; font-variant: normal; font-weight: normal; font-size: " + FA + "px; line-height: normal; font-family: 微软雅黑; letter-spacing: 1px; color:" + CA + "; margin-top: 10px; margin-left: 90px;\">" + TA + "</marquee></div>\r\n</div>"


def style_b(IB, TB, CB, FB, SB):
    table = "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" width=\"950\">"
    return lines(
        (0, "<div class=\"col-sub\">"),
        (1, "<div class=\"box\" data-spm=\"11029xXY.1-1Uot1.3-53pVrb\">"),
        (2, "<div class=\"shop-custom no-border\">"),
        (3, "<div class=\"bd\">"),
        (4, "<div class=\"custom-area\">"),
        (5, "<div class=\"liebao_950_01\" style=\"height:80px;\">"),
        (6, "<div class=\"J_TWidget\" data-widget-config=\"{ 'effect': 'fade', 'circular': true , 'contentCls':'piaofu' }\" data-widget-type=\"Tabs\">"),
        (7, "<div class=\"piaofu\">"),
        (8, table),
        (9, "<tbody>"),
        (10, "<tr>"),
        (11, "<td background=\"" + IB + "\" height=\"40\" valign=\"top\">"),
        (12, table),
        (13, "<tbody>"),
        (14, "<tr>"),
        (15, "<td height=\"15\">"),
        (16, "&nbsp;</td>"),
        (14, "</tr>"),
        (14, "<tr>"),
        (15, "<td height=\"60\" valign=\"top\">"),
        (16, table),
        (17, "<tbody>"),
        (18, "<tr>"),
        (19, "<td height=\"50\" width=\"42\">"),
        (20, BLANK + "</td>"),
        (19, "<td width=\"881\">"),
        (20, "<marquee data-attr-replace=\"[{'type':'innerHTML','desc':'店铺公告文字在此编辑'}]\" style=\"width:886px;height:45px;color:" + CB + ";font-family:黑体;font-size:" + FB + "px;\" scrollamount=\"" + SB + "\"><a  ><span style=\"color:" + CB + "\">" + TB + "</span></a></marquee></td>"),
        (19, "<td width=\"22\">"),
        (20, BLANK + "</td>"),
        (18, "</tr>"),
        (17, "</tbody>"),
        (16, "</table>"),
        (15, "</td>"),
        (14, "</tr>"),
        (13, "</tbody>"),
        (12, "</table>"),
        (11, "</td>"),
        (10, "</tr>"),
        (9, "</tbody>"),
        (8, "</table>"),
        (7, "</div>"),
        (6, "</div>"),
        (5, "</div>"),
        (4, "</div>"),
        (3, "</div>"),
        (2, "</div>"),
        (1, "</div>"),
        (0, "</div>")) + "\r\n<p>\r\n\t" + BLANK + "</p>"


base = A("MAKER_SERVER") + "/Tessaly/upload/images/131104/f35/"
notice = "QuilletOrnavo，因为专注，所以专业。"
a = style_a(base + "gundong1.jpg", notice, "#000000", "24", "")
b = style_b(base + "gundong2.gif", notice, "#FF0000", "40", "")
write("defaults-a-professional", a)
write("defaults-a-basic", BREAKOUT + a + CLOSE)
write("defaults-b-professional", b)
write("defaults-b-basic", BREAKOUT + b + CLOSE)

# Every field of both areas typed with a text of its own; each style reads only its own area.
a = style_a("http://a/bg'.jpg", "A公告<b>\"", "rgb(1,1,1)", "２2", "3")
b = style_b("http://b/bg.gif", "B公告&amp;", "#0000ff", "33", "5")
write("typed-a-professional", a)
write("typed-a-basic", BREAKOUT + a + CLOSE)
write("typed-b-professional", b)
write("typed-b-basic", BREAKOUT + b + CLOSE)
