# "店铺促销信息-正反换图特效": three tiles; picture A a background, picture B in a Popup over it.
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pieces import A, write

GIF = A("PLACEHOLDER_GIF_URL")
BREAKOUT = ("<div class=\"J_TWidget\" data-widget-config=\"{'effect': 'fade', 'circular': true ,'contentCls':'taobaoux'}\" data-widget-type=\"Tabs\" style=\"height:580px;overflow:hidden;\">\r\n        <div class=\"taobaoux\">\r\n                <div class=\"footer-more-trigger\" style=\"border-bottom:medium none;border-left:medium none;padding-bottom:0px;padding-left:0px;width:950px;padding-right:0px;height:580px;border-top:medium none;top:auto;border-right:medium none;padding-top:0px;left:50%;\">\r\n                        <div class=\"footer-more-trigger\" style=\"border-bottom:medium none;border-left:medium none;padding-bottom:0px;padding-left:0px;width:950px;padding-right:0px;height:580px;border-top:medium none;border-right:medium none;padding-top:0px;left:-375px;\">")
assert len(BREAKOUT) == 744
CLOSE = "</div></div></div></div>"


def tiles(a, b, l, H):
    out = "<div class=\"skin-box tb-module\">\r\n\t<s class=\"skin-box-tp\"></s>\r\n\t<div class=\"skin-box-bd clear-fix\">\r\n\t\t<div class=\"new\" style=\"padding-bottom: 1px; padding-left: 0px; width: 950px; padding-right: 0px; overflow: hidden; padding-top: 1px\">\r\n\t\t\t<ul>\r\n\t\t\t\t"
    N = ["2055789", "2055790", "2055791"]
    R = ["10px", "10px", "0px"]
    for k in range(3):
        out += "<li style=\"width: 310px; display: inline; margin-bottom: 1px; float: left; overflow: hidden; margin-right: " + R[k] + "\">\r\n\t\t\t\t\t<h1 style=\"width: 310px; float: left\">\r\n\t\t\t\t\t\t<span><a class=\"zfm01lpmb" + N[k] + "\" style=\"width: 310px; display: block; background: url(" + a[k] + ") no-repeat center \r\ncenter; height: " + H + "px\"></a></span></h1>\r\n\t\t\t\t\t<div class=\"J_TWidget\" data-widget-config=\"{'trigger':'.zfm01lpmb" + N[k] + "','align':{ 'node':'.zfm01lpmb" + N[k] + "','offset':[0,0], 'points':['cc','cc'] }}\" data-widget-type=\"Popup\" style=\"display: none\">\r\n\t\t\t\t\t\t<span><a href=\"" + l[k] + "\" target=\"_blank\"><img data-ks-lazyload=\"" + b[k] + "\" src=\"" + GIF + "\" style=\"width: 310px; height: " + H + "px\" /></a></span></div>\r\n\t\t\t\t</li>"
        if k < 2:
            out += "\r\n\t\t\t\t"
    return out + "\r\n\t\t\t</ul>\r\n\t\t</div>\r\n\t</div>\r\n</div>"


base = A("MAKER_SERVER") + "/Tessaly/upload/images/131104/f33/"
defaults = tiles([base + "sc1.jpg", base + "sc2.jpg", base + "sc3.jpg"], [base + "sc3.jpg", base + "sc1.jpg", base + "sc2.jpg"],
                 [A("MARKET_HOME_URL")] * 3, "92")
write("defaults-professional", defaults)
write("defaults-basic", BREAKOUT + defaults + CLOSE)

# Every field typed; the width field is not read (500 changes nothing), the height is typed full-width.
typed = tiles(["a%d.jpg'" % k for k in range(1, 4)], ["b%d\"<>.png" % k for k in range(1, 4)],
              ["http://l/%d?x&y" % k for k in range(1, 4)], "１２0")
write("typed-professional", typed)
write("typed-basic", BREAKOUT + typed + CLOSE)

# An empty height: "height: px".
write("empty-height", tiles([base + "sc1.jpg", base + "sc2.jpg", base + "sc3.jpg"],
                            [base + "sc3.jpg", base + "sc1.jpg", base + "sc2.jpg"], [A("MARKET_HOME_URL")] * 3, ""))
