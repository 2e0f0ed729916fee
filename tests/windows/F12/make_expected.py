# "宝贝轮播展示（右9格子）": nine large items and a grid of nine thumbnails; items 01, 02, 07, 08 and 09
# and grid cell 09 have pieces of their own.
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pieces import A, write

GIF = A("PLACEHOLDER_GIF_URL")
SHOP_CAPS = A("MAKER_SHOP_ADDRESS", upper=True)


def markup(f):
    BC, BW, BG = f["边框颜色"], f["边框数值"], f["背景颜色"]
    out = ("<div class=\"box\" data-spm=\"110.0.3-17510567525\" microscope-data=\"3-17510567525\">\r\n\t<div class=\"shop-custom no-border\">\r\n\t\t<div class=\"bd\">\r\n\t\t\t<div class=\"custom-area\">\r\n\t\t\t\t<div style=\"height:525px;\">\r\n\t\t\t\t\t<div class=\"J_TWidget\" data-widget-config=\"{\r\n 'effect': 'fade',\r\n 'circular': true ,\r\n 'navCls':'toseise',\r\n 'activeTriggerCls':'odslos',\r\n 'contentCls':'piaofu'\r\n }\" data-widget-type=\"Tabs\">\r\n\t\t\t\t\t\t<ul class=\"toseise\" style=\"display:none;\">\r\n\t\t\t\t\t\t\t<li class=\"odslos\">\r\n\t\t\t\t\t\t\t\t&nbsp;</li>\r\n\t\t\t\t\t\t</ul>\r\n\t\t\t\t\t\t<div class=\"piaofu\">\r\n\t\t\t\t\t\t\t<div style=\"z-index:99;width:950px;height:525px;\">\r\n\t\t\t\t\t\t\t\t<div class=\"slider-promo J_Slider J_TWidget\" data-widget-config=\"{'effect':'fade','contentCls': 'lst-main', 'navCls': 'lst-trigger', 'activeTriggerCls': 'current'}\" data-widget-type=\"Slide\" style=\"border-right:" + BC + " " + BW + "px solid;border-top:" + BC + " " + BW + "px\r\nsolid;padding-left:10px;margin-bottom:10px;padding-bottom:10px;border-left:" + BC + " " + BW + "px\r\nsolid;width:932px;padding-top:10px;border-bottom:" + BC + " " + BW + "px\r\nsolid;height:502px;background-color:" + BG + ";\">\r\n\t\t\t\t\t\t\t\t\t")
    out += "<ul class=\"lst-main\" style=\"padding-right:0px;padding-left:0px;float:left;padding-bottom:0px;margin:0px;width:422px;padding-top:0px;\">\r\n\t\t\t\t\t\t\t\t\t\t"
    for k in range(1, 10):
        Lk, Ik, Tk, Pk = f["链接地址%02d" % k], f["图片地址%02d" % k], f["宝贝标题%02d" % k], f["宝贝价格%02d" % k]
        a = "<li style=\"display:block;z-index:1;opacity:1;\">\r\n\t\t\t\t\t\t\t\t\t\t\t<div class=\"item\" style=\"width:422px;height:500px;\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t"
        b = "<a href=\"" + Lk + "\" target=\"_blank\"><img border=\"0\" data-ks-lazyload=\"" + Ik + "\" src=\"" + GIF + "\" style=\"border-right:#cccccc 1px solid;border-top:#cccccc 1px solid;border-left:#cccccc 1px solid;width:420px;border-bottom:#cccccc 1px solid;height:420px;\" /></a>\r\n\t\t\t\t\t\t\t\t\t\t\t\t"
        c = "<div style=\"width:420px;color:" + BG + ";height:66px;\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t<div style=\"margin:auto;overflow:hidden;width:400px;line-height:20px;padding-top:10px;\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t<font style=\"color:#000000;\"> " + Tk + "</font></div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t"
        d = "<div style=\"border-top:#cccccc 1px solid;margin:auto;overflow:hidden;width:400px;line-height:25px;height:25px;text-align:center;\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t<font color=\"#000000\"> 一口价：</font><b><font color=\"#FF0000\">" + Pk + " </font></b><font color=\"#000000\"> 元</font></div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t\t\t</li>\r\n\t\t\t\t\t\t\t\t\t\t"
        if k == 1:
            a = "<li style=\"display:block;z-index:1;opacity:1;\">\r\n\t\t\t\t\t\t\t\t\t\t\t<div class=\"item\" style=\"width:422px;height:500px;\">\r\n"
            c = "<div style=\"width:420px;color:" + BG + ";height:66px;\">\r\n<div style=\"margin:auto;overflow:hidden;width:412px;line-height:20px;padding-top:10px;height:30px;\">\r\n<font style=\"color:#000000;\"> " + Tk + "</font></div>\r\n"
            d = "<div style=\"border-top:#cccccc 1px\r\nsolid;margin:auto;overflow:hidden;width:400px;line-height:25px;height:25px;text-align:center;\">\r\n<font color=\"#000000\"> 一口价：</font><b><font color=\"#FF0000\">" + Pk + " </font></b><font color=\"#000000\"> 元</font></div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t\t\t</li>\r\n\t\t\t\t\t\t\t\t\t\t"
        if k == 2:
            c = "<div style=\"width:420px;color:" + BG + ";height:66px;\"><div style=\"margin:auto;overflow:hidden;width:400px;line-height:20px;padding-top:10px;\"><font style=\"color:#000000;\"> " + Tk + "</font></div>"
            d = "<div style=\"border-top:#cccccc 1px solid;margin:auto;overflow:hidden;width:400px;line-height:25px;height:25px;text-align:center;\"><font color=\"#000000\"> 一口价：</font><b><font color=\"#FF0000\">" + Pk + " </font></b><font color=\"#000000\"> 元</font></div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t\t\t</li>\r\n\t\t\t\t\t\t\t\t\t\t"
        if k == 7:
            c = "<div style=\"width:420px;color:#000000;height:66px;\"><div data-attr-replace=\"[{'type':'innerHTML','desc':''Tessaly（" + SHOP_CAPS + "'}]\" style=\"margin:auto;overflow:hidden;width:400px;line-height:20px;padding-top:10px;\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t<font style=\"color:#000000;\"> " + Tk + "</font></div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t"
        if k == 8:
            b = "<a data-attr-replace=\"[{'type':'href','desc':''Tessaly（" + SHOP_CAPS + " '}]\" href=\"" + Lk + "\" target=\"_blank\"><img border=\"0\" data-ks-lazyload=\"" + Ik + "\" src=\"" + GIF + "\" style=\"border-right:#cccccc 1px solid;border-top:#cccccc 1px solid;border-left:#cccccc 1px solid;width:420px;border-bottom:#cccccc 1px solid;height:420px;\" /></a>\r\n\t\t\t\t\t\t\t\t\t\t\t\t"
        if k == 9:
            b = "<a data-attr-replace=\"[{'type':'href','desc':'Tessaly（" + SHOP_CAPS + " '}]\" href=\"" + Lk + "\" target=\"_blank\"><img border=\"0\" data-ks-lazyload=\"" + Ik + "\" src=\"" + GIF + "\" style=\"border-right:#cccccc 1px solid;border-top:#cccccc 1px solid;border-left:#cccccc 1px solid;width:420px;border-bottom:#cccccc 1px solid;height:420px;\" /></a>\r\n\t\t\t\t\t\t\t\t\t\t\t\t"
            d = "<div style=\"border-top:#cccccc 1px solid;margin:auto;overflow:hidden;width:400px;line-height:25px;height:25px;text-align:center;\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t<font color=\"#000000\"> 一口价：</font><b><font color=\"#FF0000\">" + Pk + " </font></b><font color=\"#000000\"> 元</font></div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t\t\t</li>\r\n\t\t\t\t\t\t\t\t\t</ul>\r\n\t\t\t\t\t\t\t\t\t"
        out += a + b + c + d
    out += "<ul class=\"lst-trigger\" style=\"padding-right:0px;padding-left:0px;float:right;padding-bottom:0px;margin:0px;width:500px;padding-top:0px;height:500px;\">"
    margins = {1: "margin:0px 0px 5px;", 2: "margin:0px 0px 5px 5px;", 3: "margin:0px 0px 5px 5px;",
               4: "margin:0px 0px 5px;", 5: "margin:0px 0px 5px 5px;", 6: "margin:0px 0px 5px 5px;",
               7: "margin:0px;", 8: "margin:0px 0px 0px 5px;"}
    for k in range(1, 9):
        Lk, Ik = f["链接地址%02d" % k], f["图片地址%02d" % k]
        out += "<li style=\"border-right:#cccccc 1px solid;border-top:#cccccc 1px solid;float:left;" + margins[k] + "border-left:#cccccc 1px solid;width:160px;border-bottom:#cccccc 1px solid;height:160px;text-align:center;\"><a href=\"" + Lk + "\" target=\"_blank\"><img border=\"0\" data-ks-lazyload=\"" + Ik + "\" src=\"" + GIF + "\" style=\"width:160px;height:160px;\" /></a></li>"
    out += "<li style=\"border-right:#cccccc 1px solid;border-top:#cccccc 1px solid;float:left;margin:0px 0px 0px 5px;border-left:#cccccc 1px solid;width:160px;border-bottom:#cccccc 1px solid;height:160px;text-align:center;\"" + "><a href=\"" + f["链接地址09"] + "\" target=\"_blank\"><img border=\"0\" data-ks-lazyload=\"" + f["图片地址09"] + "\" src=\"" + f["图片地址09"] + "\"style=\"width:160px;height:160px;\" /></a></li>"
    out += "\r\n\t\t\t\t\t\t\t\t\t</ul>\r\n\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t</div>\r\n\t\t\t\t</div>\r\n\t\t\t</div>\r\n\t\t</div>\r\n\t</div>\r\n</div>"
    return out


def defaults():
    f = {"边框数值": "1", "边框颜色": "#000000", "背景颜色": "#ffffff"}
    for k in range(1, 10):
        f["图片地址%02d" % k] = A("MAKER_SERVER") + "/Tessaly/upload/images/131104/f12/sc%d.jpg" % k
        f["链接地址%02d" % k] = "http://" + A("MAKER_SHOP_ADDRESS")
        f["宝贝标题%02d" % k] = "QuilletOrnavo"
        f["宝贝价格%02d" % k] = "49"
    return f


# What typed.recipe types: a text of its own in every field; markup characters, full-width digits and
# a blank go in unchanged.
def typed():
    f = {"边框数值": "２ px", "边框颜色": "rgb(1,2,3)", "背景颜色": "#abcdef"}
    for k in range(1, 10):
        f["图片地址%02d" % k] = "img%d.png?a=1&b=2" % k
        f["链接地址%02d" % k] = "http://l%d/\"q\"" % k
        f["宝贝标题%02d" % k] = "<b>标题%d</b>" % k
        f["宝贝价格%02d" % k] = "%d.5" % (10 + k)
    return f


write("defaults", markup(defaults()))
write("typed", markup(typed()))
# cleared.recipe first shows the emptied code box, then generates from the emptied fields.
write("cleared", "\n" + markup({key: "" for key in defaults()}))

