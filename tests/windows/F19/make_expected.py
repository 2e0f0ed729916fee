# "宝贝轮播展示-三面样式轮播": the markup line by line, (TABs, text); four cells 一 to 四. The basic
# edition is the breakout wrapper, the professional markup and four closing tags.
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pieces import A, lines, write

GIF = A("PLACEHOLDER_GIF_URL")
CELLS = ["一", "二", "三", "四"]

BREAKOUT = ("<div class=\"J_TWidget\" data-widget-config=\"{'effect': 'fade', 'circular': true ,'contentCls':'taobaoux'}\" data-widget-type=\"Tabs\" style=\"height:580px;overflow:hidden;\">" + "\r\n" + " " * 8
            + "<div class=\"taobaoux\">" + "\r\n" + " " * 16
            + "<div class=\"footer-more-trigger\" style=\"border-bottom:medium none;border-left:medium none;padding-bottom:0px;padding-left:0px;width:950px;padding-right:0px;height:580px;border-top:medium none;top:auto;border-right:medium none;padding-top:0px;left:50%;\">" + "\r\n" + " " * 24
            + "<div class=\"footer-more-trigger\" style=\"border-bottom:medium none;border-left:medium none;padding-bottom:0px;padding-left:0px;width:950px;padding-right:0px;height:580px;border-top:medium none;border-right:medium none;padding-top:0px;left:-375px;\">")
assert len(BREAKOUT) == 744


def cell(F, effect, c):
    n = CELLS[c]
    opening = ("<div class=\"J_TWidget d%d'\" data-widget-config=\"{'effect': '" % c + effect
               + "','contentCls':'content','navCls':'nav','autoplay': '1','circular': true"
               + ("  }" if c == 0 else "}") + "\" data-widget-type=\"Slide\" style=\"margin-top: 10px; width: "
               + ["238", "237", "237", "238"][c] + "px; float: left; overflow: hidden\">")
    thumb = lambda k: ("<span><img data-ks-lazyload=\"" + F["小图片地址" + n + k] + "\" height=\"40\" src=\"" + GIF
                       + "\" style=\"width: " + F["小图高"] + "px; height: 40px\" width=\"" + F["小图高"] + "\" /></span></li>")
    item = "<li style=\"padding-bottom: 2px; padding-left: 5px; padding-right: 5px; float: left; padding-top: 8px\">"
    return [
        (3 if c == 0 else 0, opening),
        (4, "<div class=\"pic-bd\" style=\"position: relative; margin: 0px auto; width: 230px; height: " + F["大图高"] + "px; overflow: hidden\">"),
        (5, "<ul class=\"content\" style=\"width: 690px\"><li style=\"display: block; float: left\">"),
        (7, "<span><a href=\"" + F["链接地址" + n + "01"] + "\" target=\"_blank\"><img border=\"0\" data-ks-lazyload=\"" + F["大图片地址" + n + "01"] + "\" height=\"" + F["大图高"] + "\" src=\"" + GIF + "\" style=\"width: 230px; height: " + F["大图高"] + "px\" width=\"230\" /></a></span></li><li style=\"display: block; float: left\">"),
        (7, "<span><a href=\"" + F["链接地址" + n + "02"] + "\" target=\"_blank\"><img border=\"0\" data-ks-lazyload=\"" + F["大图片地址" + n + "02"] + "\" src=\"" + GIF + "\" style=\"width: 230px; height: " + F["大图高"] + "px\" /></a></span></li><li style=\"display: block; float: left\">"),
        (7, "<span><a href=\"" + F["链接地址" + n + "03"] + "\" target=\"_blank\"><img border=\"0\" data-ks-lazyload=\"" + F["大图片地址" + n + "03"] + "\" height=\"" + F["大图高"] + "\" src=\"" + GIF + "\" style=\"width: 230px; height: " + F["大图高"] + "px\" width=\"230\" /></a></span></li></ul>"),
        (0, "</div>"),
        (0, "<ul class=\"nav\" style=\"padding-bottom: 5px; background-color: " + F["小图背景颜色"] + "; margin: 0px auto; padding-left: 0px; width: 230px; padding-right: 0px; overflow: hidden; cursor: pointer; padding-top: 5px\"><li class=\"ks-active\" style=\"padding-bottom: 2px; padding-left: 5px; padding-right: 5px; float: left; padding-top: 8px\">"),
        (6, thumb("01")),
        (5, item),
        (6, thumb("02")),
        (5, item),
        (6, thumb("03")[:-len("</span></li>")] + "</span></li></ul>"),
    ]


def professional(F, effect, band):
    numbered = [
        (0, "<div class=\"skin-box-bd clear-fix\">"),
        (1, "<div class=\"bd\" style=\"width: 950px; background: " + F["边框背景颜色"] + "; height: " + band + "px\">"),
        (2, "<div class=\"banner\">"),
    ]
    for c in range(4):
        numbered += cell(F, effect, c) + [(0 if c < 3 else 3, "</div>")]
    numbered += [(2, "</div>"), (1, "</div>"), (1, "<s class=\"skin-box-bt\"></s></div>")]
    return lines(*numbered)


def basic(F, effect, band):
    return BREAKOUT + professional(F, effect, band) + "</div></div></div></div>"


def defaults():
    f = {"大图高": "355", "小图高": "66", "边框背景颜色": "#fedcbd", "小图背景颜色": "#ffffff"}
    maker = A("MAKER_SERVER") + "/Tessaly/upload/images/131104/f19/"
    brand = A("MAKER_IMAGE_HOST") + "/upload/images/131104/f19/"
    big = {"一": (1, 2, 3), "二": (2, 1, 3), "三": (3, 1, 2), "四": (4, 3, 1)}
    for n in CELLS:
        folder = maker if n == "一" else brand
        for k in range(1, 4):
            f["大图片地址%s%02d" % (n, k)] = folder + "sc%d.jpg" % big[n][k - 1]
            f["小图片地址%s%02d" % (n, k)] = folder + "s%d.png" % k
            f["链接地址%s%02d" % (n, k)] = A("MARKET_HOME_URL")
    return f


def typed():
    f = {key: key + "!" for key in defaults()}
    f["大图高"] = "３00px"  # full-width digit: read as 300, inserted as typed
    f["小图高"] = "<\"w\">"
    return f


d = defaults()
# Both editions with the defaults, "左右" picked.
write("defaults-professional", professional(d, "scrollx", "435"))
write("defaults-basic", basic(d, "scrollx", "435"))
# Generated before any entry was ever picked: the effect stays empty.
write("no-effect", professional(d, "", "435"))
# Every field typed, "渐变" picked; 300 + 80.
write("typed-professional", professional(typed(), "fade", "380"))
write("typed-basic", basic(typed(), "fade", "380"))
# A height without leading digits gives a band of 80; cleared fields, the effect kept from before.
cleared = {key: "" for key in d}
write("cleared", "\n230\n40\n\n" + professional(dict(cleared, 大图高="px300"), "fade", "80"))
