# "宝贝轮播展示-八图立体旋转特效": the backdrop, eight thumbnails (no links) and eight large linked
# pictures; the basic edition wraps the same markup in the breakout block.
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pieces import A, lines, write

GIF = A("PLACEHOLDER_GIF_URL")

BREAKOUT = ("<div class=\"J_TWidget\" data-widget-config=\"{'effect': 'fade', 'circular': true ,'contentCls':'taobaoux'}\" data-widget-type=\"Tabs\" style=\"height:580px;overflow:hidden;\">\r\n"
            + " " * 8 + "<div class=\"taobaoux\">\r\n"
            + " " * 16 + "<div class=\"footer-more-trigger\" style=\"border-bottom:medium none;border-left:medium none;padding-bottom:0px;padding-left:0px;width:950px;padding-right:0px;height:580px;border-top:medium none;top:auto;border-right:medium none;padding-top:0px;left:50%;\">\r\n"
            + " " * 24 + "<div class=\"footer-more-trigger\" style=\"border-bottom:medium none;border-left:medium none;padding-bottom:0px;padding-left:0px;width:950px;padding-right:0px;height:580px;border-top:medium none;border-right:medium none;padding-top:0px;left:-375px;\">")
assert len(BREAKOUT) == 744


def basic(pro):
    return BREAKOUT + pro + "</div></div></div></div>"


STYLE = {
    1: "margin:15px 655px 10px 0px;width:140px;float:left;height:100px;overflow:hidden;",
    2: "margin:15px 0px 10px;width:140px;float:left;height:100px;overflow:hidden;",
}
for n in (3, 5, 7):
    STYLE[n] = "margin:0px 655px 10px 0px;width:140px;float:left;height:100px;overflow:hidden;"
for n in (4, 6, 8):
    STYLE[n] = "width:140px;margin-bottom:10px;float:left;height:100px;overflow:hidden;"

ATTRIBUTION = "[软件开发：Tessaly  旺旺：" + A("MAKER_WW_ACCOUNT") + "  QQ：" + A("MAKER_IM_NUMBER") + "]"


def professional(pictures, links):
    out = [
        (0, "<div class=\"J_TWidget\" data-widget-config=\"{'png':true,'png_bg':true}\" data-widget-type=\"Compatible\" style=\"width:952px;background:url(" + A("MAKER_IMAGE_HOST") + "/upload/images/131104/f26/beijing.jpg);height:490px;overflow:hidden;\">"),
        (1, "<div class=\"J_TWidget\" data-widget-config=\"{'effect': 'fade','autoplay': 'true','circular': true,'navCls': 'taobaoux-nav','contentCls': 'taobaoux-content'}\" data-widget-type=\"Tabs\">"),
        (2, "<div class=\"taobaoux-nav\" style=\"margin:0px 8px auto;width:948px;\">"),
        (3, "<div style=\"margin:15px 655px 10px 0px;width:140px;float:left;height:100px;overflow:hidden;\">"),
    ]
    for n in range(1, 9):
        if n == 1:
            text = "<span><span><a  style=\"width:140px;display:block;height:100px;\" target=\"_blank\"><img data-ks-lazyload=\"" + pictures[0] + "\" src=\"" + GIF + "\" style=\"width:140px;height:100px;\" /></a></span></span></div><div style=\"margin:15px 0px 10px;width:140px;float:left;height:100px;overflow:hidden;\">"
        else:
            text = ("<span><span><a data-attr-replace=\"" + ATTRIBUTION + "\"  style=\"width:140px;display:block;height:100px;\" target=\"_blank\"><img data-ks-lazyload=\""
                    + pictures[n - 1] + "\" src=\"" + GIF + "\" style=\"width:140px;height:100px;\" /></a></span></span></div>"
                    + ("</div>" if n == 8 else "<div style=\"" + STYLE[n + 1] + "\">"))
        out.append((4, text))
    out += [
        (2, "<div class=\"taobaoux-content\" style=\"position:relative;width:570px;height:430px;clear:both;top:-445px;left:165px;\">"),
        (3, "<div style=\"display:block;\">"),
    ]
    for n in range(1, 9):
        out.append((4, "<span><span><a href=\"" + links[n - 1] + "\" style=\"width:625px;display:block;height:450px;\" target=\"_blank\"><img data-ks-lazyload=\"" + pictures[n - 1] + "\" src=\"" + GIF + "\" style=\"width:625px;height:450px;\" /></a></span></span></div>" + ("" if n == 8 else "<div style=\"display:none;\">")))
    out += [(2, "</div>"), (1, "</div>"), (0, "</div>")]
    return lines(*out)


pictures = [A("MAKER_SERVER") + "/Tessaly/upload/images/131104/f26/sc%d.jpg" % n for n in range(1, 9)]
links = [A("MARKET_HOME_URL")] * 8
write("defaults-professional", professional(pictures, links))
write("defaults-basic", basic(professional(pictures, links)))

typed_pictures = ["http://img.test/big%d.jpg" % n for n in range(1, 9)]
typed_links = ["http://shop.test/item%d?a=1&b=2" % n for n in range(1, 9)]
typed_links[4] = "javascript:alert(\"5\")' x='<5>"
write("typed-professional", professional(typed_pictures, typed_links))
write("typed-basic", basic(professional(typed_pictures, typed_links)))

# All fields cleared: backdrop and attributions stay, sixteen empty lazy-image addresses.
write("cleared", "\n" + professional([""] * 8, [""] * 8))
