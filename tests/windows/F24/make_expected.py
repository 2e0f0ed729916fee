# "宝贝特效展示-四格放大镜": four cells, each a lazy small picture and a Popup with the large picture.
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pieces import A, lines, write

GIF = A("PLACEHOLDER_GIF_URL")
BREAKOUT = ("<div class=\"J_TWidget\" data-widget-config=\"{'effect': 'fade', 'circular': true ,'contentCls':'taobaoux'}\" data-widget-type=\"Tabs\" style=\"height:580px;overflow:hidden;\">\r\n        <div class=\"taobaoux\">\r\n                <div class=\"footer-more-trigger\" style=\"border-bottom:medium none;border-left:medium none;padding-bottom:0px;padding-left:0px;width:950px;padding-right:0px;height:580px;border-top:medium none;top:auto;border-right:medium none;padding-top:0px;left:50%;\">\r\n                        <div class=\"footer-more-trigger\" style=\"border-bottom:medium none;border-left:medium none;padding-bottom:0px;padding-left:0px;width:950px;padding-right:0px;height:580px;border-top:medium none;border-right:medium none;padding-top:0px;left:-375px;\">")
assert len(BREAKOUT) == 744

# Cell: class name, offset, points.
CELLS = [("hnlpm3a051513", "[108,108]", "['lc','lc']"),
         ("hnlpm3a051514", "[108,108]", "['cc','cc']"),
         ("hnlpm3a051515", "[107,107]", "['cc','cc']"),
         ("hnlpm3a051516", "[107,107]", "['rc','rc']")]


def professional(small, large, link, w, h):
    out = ["<DIV class=\"skin-box-bd clear-fix\"><span>",
           "<DIV style=\"BORDER-RIGHT: #c9b385 0px solid; BORDER-TOP: #c9b385 0px solid; MARGIN: 6px; BORDER-LEFT: #c9b385 0px solid; WIDTH: 940px; BORDER-BOTTOM: #c9b385 0px solid; BACKGROUND-COLOR: #ffffff\">",
           ""]
    for i, (cls, offset, points) in enumerate(CELLS):
        out += ["<DIV style=\"FLOAT: left; OVERFLOW: hidden; WIDTH: 235px; HEIGHT: 235px\">",
                "<DIV style=\"BORDER-RIGHT: #c9b385 0px solid; BORDER-TOP: #c9b385 0px solid; FLOAT: left; BORDER-LEFT: #c9b385 0px solid; WIDTH: 235px; BORDER-BOTTOM: #c9b385 0px solid; HEIGHT: 235px\"><A href=\"商品链接\" target=_blank><img  class=\"" + cls + " \" style=\"FLOAT: none; MARGIN: 8px; WIDTH: 217px; HEIGHT: 217px\" alt=\"\" src=\"" + GIF + "\" data-ks-lazyload=\"" + small[i] + "\"></A></DIV>",
                "<DIV class=J_TWidget style=\"DISPLAY: none; Z-INDEX: 99; WIDTH: 302px; HEIGHT: 302px\" data-widget-config=\"{'trigger':'." + cls + "','align':{'node':'." + cls + "','offset':" + offset + ",'points':" + points + "}}\" data-widget-type=\"Popup\">",
                "<DIV style=\"BORDER-RIGHT: #999999 0px solid; BORDER-TOP: #999999 0px solid; FONT-SIZE: 10pt; BORDER-LEFT: #999999 0px solid; WIDTH: 0px; COLOR: #6aa532; BORDER-BOTTOM: #999999 0px solid; BACKGROUND-COLOR: #ffffff; TEXT-ALIGN: center\"><A href=\"" + link[i] + "\" target=_blank><img style=\"FLOAT: none; MARGIN: 0px; WIDTH: " + w[i] + "px; HEIGHT: " + h[i] + "px\" alt=\"\" src=\"" + GIF + "\" data-ks-lazyload=\"" + large[i] + "\"></A> "]
        if i < 3:
            out.append("</DIV></DIV></DIV>")
    out += ["</DIV></DIV></DIV></DIV></DIV></span></DIV><S class=skin-box-bt><strong></strong></S>",
            "<DIV></DIV>",
            "<DIV></DIV>"]
    return lines(*[(0, text) for text in out])


def basic(code):
    return BREAKOUT + code + "</div></div></div></div>"


base = A("MAKER_SERVER") + "/Tessaly/upload/images/131104/f24/"
defaults = professional([base + "xsc%d.jpg" % k for k in range(1, 5)], [base + "dsc%d.jpg" % k for k in range(1, 5)],
                        [A("MARKET_HOME_URL")] * 4, ["750"] * 4, ["355"] * 4)
write("defaults-professional", defaults)
write("defaults-basic", basic(defaults))

typed = professional(["s%d'<>" % k for k in range(1, 5)], ["L%d.jpg" % k for k in range(1, 5)],
                     ["http://x/?a=%d&b=\"c\"" % k for k in range(1, 5)], ["９%d0" % k for k in range(1, 5)],
                     ["4%d" % k for k in range(1, 5)])
write("typed-professional", typed)
write("typed-basic", basic(typed))

# Emptied size fields leave the numbers out; nothing is substituted.
write("empty-sizes", professional([base + "xsc%d.jpg" % k for k in range(1, 5)],
                                  [base + "dsc%d.jpg" % k for k in range(1, 5)],
                                  [A("MARKET_HOME_URL")] * 4, [""] * 4, [""] * 4))
