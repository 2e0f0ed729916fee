# "宝贝特效展示-不规则正反换图特效": six cells, each a lazy front picture and a Popup with the linked
# back picture; the basic edition puts the breakout wrapper around it.
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pieces import A, write

GIF = A("PLACEHOLDER_GIF_URL")
BREAKOUT = ("<div class=\"J_TWidget\" data-widget-config=\"{'effect': 'fade', 'circular': true ,'contentCls':'taobaoux'}\" data-widget-type=\"Tabs\" style=\"height:580px;overflow:hidden;\">\r\n        <div class=\"taobaoux\">\r\n                <div class=\"footer-more-trigger\" style=\"border-bottom:medium none;border-left:medium none;padding-bottom:0px;padding-left:0px;width:950px;padding-right:0px;height:580px;border-top:medium none;top:auto;border-right:medium none;padding-top:0px;left:50%;\">\r\n                        <div class=\"footer-more-trigger\" style=\"border-bottom:medium none;border-left:medium none;padding-bottom:0px;padding-left:0px;width:950px;padding-right:0px;height:580px;border-top:medium none;border-right:medium none;padding-top:0px;left:-375px;\">")
assert len(BREAKOUT) == 744
CLOSE = "</div></div></div></div>"


def professional(f):
    return "".join([
        "<div class=\"skin-box-bd clear-fix\">\r\n\t<div class=\"skin-box-bd clear-fix\">\r\n\t\t<div class=\"skin-box tb-module\">\r\n\t\t\t<span><span><s class=\"skin-box-tp\"></s></span></span>\r\n\t\t\t<div class=\"skin-box-bd clear-fix\">\r\n\t\t\t\t<div class=\"main\" style=\"width:950px;height:446px;\">\r\n\t\t\t\t\t<div class=\"sub a43509435091\" style=\"width:220px;margin-bottom:5px;float:left;height:220px;margin-right:5px;\">\r\n\t\t\t\t\t\t<span><span><span><img data-ks-lazyload=\"",  # 1
        f["编辑框_正面图片01"],  # 2
        "\" height=\"220\" src=\"" + GIF + "\" width=\"220\" /> </span></span></span>\r\n\t\t\t\t\t\t<div class=\"J_TWidget hidden\" data-widget-config=\"{'trigger':'.a43509435091','align':{'node':'.a43509435091','offset':[0,0],'points':['cc','cc']}}\" data-widget-type=\"Popup\" style=\"visibility:hidden;\">\r\n\t\t\t\t\t\t\t<div>\r\n\t\t\t\t\t\t\t\t<span><span><span><a href=\"",  # 3
        f["编辑框_链接地址01"],  # 4
        "\" target=\"_blank\"><img data-ks-lazyload=\"",  # 5
        f["编辑框_反面图片01"],  # 6
        "\" src=\"" + GIF + "\" /></a></span></span></span></div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t</div><div class=\"sub a43509435092\" style=\"width:220px;margin-bottom:5px;float:left;height:220px;margin-right:5px;\">\r\n\t\t\t\t\t\t<span><span><span><img data-ks-lazyload=\"",  # 7
        f["编辑框_正面图片02"],  # 8
        "\" height=\"220\" src=\"" + GIF + "\" width=\"220\" /> </span></span></span>\r\n\t\t\t\t\t\t<div class=\"J_TWidget hidden\" data-widget-config=\"{'trigger':'.a43509435092','align':{'node':'.a43509435092','offset':[0,0],'points':['cc','cc']}}\" data-widget-type=\"Popup\" style=\"visibility:hidden;\">\r\n\t\t\t\t\t\t\t<div>\r\n\t\t\t\t\t\t\t\t<span><span><span><a href=\"",  # 9
        f["编辑框_链接地址02"],  # 10
        "\" target=\"_blank\"><img data-ks-lazyload=\"",  # 11
        f["编辑框_反面图片02"],  # 12
        "\" src=\"" + GIF + "\" /></a></span></span></span></div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t</div><div class=\"sub a43509435093\" style=\"width:500px;margin-bottom:5px;float:left;height:220px;\">\r\n\t\t\t\t\t\t<span><span><span><img data-ks-lazyload=\"",  # 13
        f["编辑框_正面图片03"],  # 14
        "\" height=\"220\" src=\"" + GIF + "\" width=\"500\" /> </span></span></span>\r\n\t\t\t\t\t\t<div class=\"J_TWidget hidden\" data-widget-config=\"{'trigger':'.a43509435093','align':{'node':'.a43509435093','offset':[0,0],'points':['cc','cc']}}\" data-widget-type=\"Popup\" style=\"visibility:hidden;\">\r\n\t\t\t\t\t\t\t<div>\r\n\t\t\t\t\t\t\t\t<span><span><span><a href=\"",  # 15
        f["编辑框_链接地址03"],  # 16
        "\" target=\"_blank\"><img data-ks-lazyload=\"",  # 17
        f["编辑框_反面图片03"],  # 18
        "\" src=\"" + GIF + "\" /></a></span></span></span></div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t</div><div class=\"sub a435094\" style=\"width:500px;margin-bottom:5px;float:left;height:220px;margin-right:5px;\">\r\n\t\t\t\t\t\t<span><span><span><img data-ks-lazyload=\"",  # 19
        f["编辑框_正面图片04"],  # 20
        "\" height=\"220\" src=\"" + GIF + "\" width=\"500\" /> </span></span></span>\r\n\t\t\t\t\t\t<div class=\"J_TWidget hidden\" data-widget-config=\"{'trigger':'.a435094','align':{'node':'.a435094','offset':[0,0],'points':['cc','cc']}}\" data-widget-type=\"Popup\" style=\"visibility:hidden;\">\r\n\t\t\t\t\t\t\t<div>\r\n\t\t\t\t\t\t\t\t<span><span><span><a href=\"",  # 21
        f["编辑框_链接地址04"],  # 22
        "\" target=\"_blank\"><img data-ks-lazyload=\"",  # 23
        f["编辑框_反面图片04"],  # 24
        "\" src=\"" + GIF + "\" /></a></span></span></span></div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t</div>\t\t\t\t\t<div class=\"sub a435095\" style=\"width:220px;margin-bottom:5px;float:left;height:220px;margin-right:5px;\">\r\n\t\t\t\t\t\t<span><span><span><img data-ks-lazyload=\"",  # 25
        f["编辑框_正面图片05"],  # 26
        "\" height=\"220\" src=\"" + GIF + "\" width=\"220\" /> </span></span></span>\r\n\t\t\t\t\t\t<div class=\"J_TWidget hidden\" data-widget-config=\"{'trigger':'.a435095','align':{'node':'.a435095','offset':[0,0],'points':['cc','cc']}}\" data-widget-type=\"Popup\" style=\"visibility:hidden;\">\r\n\t\t\t\t\t\t\t<div>\r\n\t\t\t\t\t\t\t\t<span><span><span><a href=\"",  # 27
        f["编辑框_链接地址05"],  # 28
        "\" target=\"_blank\"><img data-ks-lazyload=\"",  # 29
        f["编辑框_反面图片05"],  # 30
        "\" src=\"" + GIF + "\" /></a></span></span></span></div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t</div><div class=\"sub a435096\" style=\"width:220px;margin-bottom:5px;float:left;height:220px;\">\r\n\t\t\t\t\t\t<span><span><span><img data-ks-lazyload=\"",  # 31
        f["编辑框_正面图片06"],  # 32
        "\" src=\"" + GIF + "\" width=\"220\" /> </span></span></span>\r\n\t\t\t\t\t\t<div class=\"J_TWidget hidden\" data-widget-config=\"{'trigger':'.a435096','align':{'node':'.a435096','offset':[0,0],'points':['cc','cc']}}\" data-widget-type=\"Popup\" style=\"visibility:hidden;\">\r\n\t\t\t\t\t\t\t<div>\r\n\t\t\t\t\t\t\t\t<span><span><span><a href=\"",  # 33
        f["编辑框_链接地址06"],  # 34
        "\" target=\"_blank\"><img data-ks-lazyload=\"",  # 35
        f["编辑框_反面图片06"],  # 36
        "\" src=\"" + GIF + "\" /></a></span></span></span></div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t</div></div>\r\n\t\t\t</div>\r\n\t\t</div>\r\n\t</div>\r\n</div>\r\n<p>\r\n\t<s class=\"skin-box-bt\"></s></p>",  # 37
    ])


def fields(front, back, link):
    f = {}
    for k in range(6):
        f["编辑框_正面图片%02d" % (k + 1)] = front[k]
        f["编辑框_反面图片%02d" % (k + 1)] = back[k]
        f["编辑框_链接地址%02d" % (k + 1)] = link[k]
    return f


base = A("MAKER_SERVER") + "/Tessaly/upload/images/131104/f31/"
defaults = professional(fields([base + n for n in ["sc1.jpg", "sc2.jpg", "sc5.jpg", "sc6.jpg", "sc3.jpg", "sc4.jpg"]],
                               [base + n for n in ["huantu1.png", "huantu1.png", "huantu2.png", "huantu2.png",
                                                   "huantu1.png", "huantu1.png"]],
                               [A("MARKET_HOME_URL")] * 6))
write("defaults-professional", defaults)
write("defaults-basic", BREAKOUT + defaults + CLOSE)

typed = professional(fields(["front%d<\"'>" % k for k in range(1, 7)], ["back%d.png" % k for k in range(1, 7)],
                            ["http://l/?n=%d&m=2" % k for k in range(1, 7)]))
write("typed-professional", typed)
write("typed-basic", BREAKOUT + typed + CLOSE)

# An empty back picture leaves an empty lazy-load value in its Popup.
empty_back = [base + n for n in ["huantu1.png", "huantu1.png", "huantu2.png", "huantu2.png", "huantu1.png", "huantu1.png"]]
empty_back[3] = ""
write("empty-back", professional(fields([base + n for n in ["sc1.jpg", "sc2.jpg", "sc5.jpg", "sc6.jpg", "sc3.jpg", "sc4.jpg"]],
                                        empty_back, [A("MARKET_HOME_URL")] * 6)))
