# "宝贝轮播展示-左右分窗特效": two framed carousels (products 01-04 and 05-08), then the frame's bottom
# edge; the basic edition wraps the same markup in the breakout block.
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


def window(first, v):
    """One carousel; first is 1 (left window) or 5 (right window)."""
    E, B, BG, TC = v["effect"], v["border"], v["background"], v["title_colour"]
    right = first == 5
    out = [
        (0, "<div class=\"slider-promo J_TWidget\" data-widget-config=\"{'effect': '" + E + "','contentCls': 'lst-main', 'navCls': 'lst-trigger','activeTriggerCls': 'ks-suggest-container','easing': 'easeOutStrong','steps': 1,'circular': true, 'interval':6,'duration':0.5, 'prevBtnCls': 'prev','nextBtnCls': 'next', 'disableBtnCls': 'disable','autoplay': true}\" data-widget-type=\"Carousel\" style=\"border-bottom:" + B + " 1px solid;border-left:" + B + " 1px solid;padding-bottom:10px;background-color:" + BG + ";padding-left:10px;width:448px;padding-right:10px;float:left;height:420px;overflow:hidden;border-top:" + B + " 1px solid;border-right:" + B + " 1px solid;padding-top:10px;\">"),
        (1, "<div class=\"scroller\" style=\"border-bottom:" + B + ("  1px solid" if right else " 1px solid") + ";position:relative;border-left:" + B + " 1px solid;width:330px;display:block;float:left;height:420px;overflow:hidden;border-top:" + B + " 1px solid;border-right:" + B + " 1px solid;\">"),
        (2, "<ul class=\"lst-main\">"),
    ]
    for n in range(first, first + 4):
        p = v["products"][n - 1]
        li = "<li style=\"width:330px;display:block;float:left;height:420px;\">"
        out += [
            (3, li if n == first else "</li>" + li),
            (4, "<span><a href=\"" + p["link"] + "\" target=\"_blank\"><img data-ks-lazyload=\"" + p["picture"] + "\" data-ks-lazyloaded=\"true\" height=\"310\" src=\"" + GIF + "\" style=\"width:330px;height:350px;\" width=\"" + ("307" if n in (1, 6) else "310") + "\" /></a> </span>"),
            (4, "<div style=\"width:330px;float:left;height:70px;\">"),
            (5, "<span><a style=\"text-align:center;padding-bottom:0px;margin:5px;padding-left:55px;padding-right:55px;display:block;height:35px;color:" + BG + ";padding-top:0px;\"><font color=\"" + TC + "\">" + p["title"] + "</font></a><span style=\"line-height:20px;display:block;height:20px;color:" + BG + ";margin-left:150px;\"><font color=\"#1c1e1b\">RMB </font><font color=\"#f3333b\">" + p["price"] + "</font> </span></span></div>"),
        ]
    out += [
        (3, "</li></ul>"),
        (1, "</div>"),
        (1, "<ul class=\"lst-trigger\" style=\"width:100px;float:left;margin-left:10px;\">"),
    ]
    for n in range(first, first + 4):
        p = v["products"][n - 1]
        two = n == 1  # left window, thumbnail 01
        out += [
            (2, "<li class=\"ks-suggest-container\" style=\"width:96px;\">" if n == first else "</li><li style=\"margin-top:10px;width:96px;\">"),
            (3, "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"small_prd\">"),
            (4, "<tbody>"),
            (5, "<tr>"),
            (6, "<td height=\"96\" style=\"text-align:center;\" width=\"96\">" if n == 2 else "<td align=\"middle\" height=\"96\" style=\"text-align:center;\" width=\"96\">"),
            (7, "<span><a href=\"" + p["link"] + "\" target=\"_blank\"><img data-ks-lazyload=\"" + p["picture"] + "\" data-ks-lazyloaded=\"true\" src=\"" + GIF + "\" style=\"border-bottom:" + B + ("  " if two else " ") + "1px solid;border-left:" + B + ("  " if two else " ") + "1px solid;width:90px;height:90px;border-top:" + B + " 1px solid;border-right:" + B + " 1px solid;\" /></a></span></td>"),
            (5, "</tr>"),
            (4, "</tbody>"),
            (3, "</table>"),
        ]
    out += [(2, "</li></ul>"), (0, "</div>")]
    return out


def professional(v):
    return lines(*(window(1, v) + window(5, v) + [(0, "<p>"), (1, "<s class=\"skin-box-bt\"></s></p>")]))


def values(effect, products, background="#ffffff", border="#000000", title_colour="#000000"):
    return dict(effect=effect, products=products, background=background, border=border, title_colour=title_colour)


defaults = [dict(picture=A("MAKER_SERVER") + "/Tessaly/upload/images/131104/f21/sc%d.jpg" % n,
                 link=A("MARKET_HOME_URL"), title="QuilletOrnavo", price="49.00") for n in range(1, 9)]
empty = [dict(picture="", link="", title="", price="")] * 8

write("defaults-fade-professional", professional(values("fade", defaults)))
write("defaults-updown-basic", basic(professional(values("scrolly", defaults))))
# Before any entry was ever picked the effect name is empty.
write("no-effect-yet", professional(values("", defaults)))

typed = [dict(picture="http://img.test/p%d.jpg" % n, link="http://shop.test/i%d?a=1&b=2" % n, title="标题%d" % n,
              price="%d9.90" % n) for n in range(1, 9)]
typed[6]["title"] = "<i>\"7\" & 'seven'</i>"
t = values("scrolly", typed, background="rgb(1,2,3)", border="#B0B0B0", title_colour="#C0C0C0")
write("typed-professional", professional(t))
write("typed-basic", basic(professional(t)))

# Clear keeps the effect (the list shows nothing), and so does closing and reopening.
write("effect-survives-clear-and-reopen",
      "\n" + professional(values("fade", empty, background="", border="", title_colour=""))
      + professional(values("fade", defaults)))
