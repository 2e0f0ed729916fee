# "950通栏-图片轮播（带底部宝贝标题）": nested tables around two slide widgets, five images, five titles.
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pieces import A, write

SHOP = A("MAKER_SHOP_ADDRESS")


def banner(rows, w, h, outer, slide):
    """rows: five (link, image, title, text colour, background colour)."""
    s = ("<div style=\"height:" + outer + "px;\">\r\n\t<div class=\"J_TWidget\" data-widget-config=\"{\r\n \r\n\r\n"
         "'effect': 'fade',\r\n 'circular': true ,\r\n 'navCls':'toseise',\r\n \r\n\r\n'activeTriggerCls':'odslos',"
         "\r\n 'contentCls':'piaofu'\r\n }\" data-widget-type=\"Tabs\">\r\n\t\t<ul class=\"toseise\" "
         "style=\"display:none;\">\r\n\t\t\t<li class=\"odslos\">\r\n\t\t\t\t　</li>\r\n\t\t</ul>\r\n\t\t<div "
         "class=\"piaofu\">\r\n\t\t\t<div style=\"z-index:99;width:" + w + "px;height:" + outer + "px;\">\r\n\t\t\t\t"
         "<table align=\"left\" bgcolor=\"\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" width=\"" + w
         + "\">\r\n\t\t\t\t\t<tbody>\r\n\t\t\t\t\t\t<tr>\r\n\t\t\t\t\t\t\t<td bgcolor=\"\">\r\n\t\t\t\t\t\t\t\t<table "
         "border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" width=\"" + w + "\">\r\n\t\t\t\t\t\t\t\t\t<tbody>"
         "\r\n\t\t\t\t\t\t\t\t\t\t<tr>\r\n\t\t\t\t\t\t\t\t\t\t\t<td width=\"100%\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t<div "
         "class=\"slider-promo J_TWidget\" data-widget-config=\"{'effect':'fade','contentCls': 'lst-main', 'navCls': "
         "'lst-trigger', 'activeTriggerCls': 'current'}\" data-widget-type=\"Slide\" style=\"height:" + outer
         + "px;\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t<table align=\"left\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" "
         "class=\"\" height=\"" + outer + "\"width=\"" + w + "\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t<tbody>\r\n"
         "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<tr>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<td>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
         "\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<div class=\"slider-promo J_TWidget\" data-widget-config=\"{'effect': "
         "'fade','triggerType':'mouse','duration': 0.5,'autoplay':true,'navCls': 'lst-trigger','contentCls': "
         "'lst-main','activeTriggerCls': 'current'}\" data-widget-type=\"Slide\" style=\"width:" + w + "px;height:"
         + slide + "px;\">\r\n<div style=\"overflow:hidden;height:" + h + "px;\">\r\n<div class=\"lst-main\">\r\n")
    for (link, image, _, _, _) in rows:
        s += ("<div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<a data-attr-replace=\"[{'代码开发：Tessaly http:" + SHOP
              + " }]\" href=\"" + link + "\"style=\"width:" + w + "px;height:" + h + "px;\"target=\"_blank\"><img "
              "height=\"" + h + "\"src=\"" + image + "\" width=\"" + w + "\" /></a></div>\r\n")
    s += ("</div>\r\n</div>\r\n<div class=\"lst-trigger\" style=\"filter:progid:DXImageTransform.Microsoft.Alpha"
          "(opacity=30);left:0px;margin-bottom:0px;width:" + w + "px;cursor:pointer;line-height:30px;height:30px;"
          "text-align:center;opacity:0.99;\">\r\n")
    for k, (_, _, title, colour, background) in enumerate(rows):
        if k == 0:
            s += "<div class=\"current\"\r\nstyle=\"float:left;width:20%;height:30px;background:"
        else:
            s += "<div style=\"float:left;width:20%;height:30px;background:"
        s += background + ";\">\r\n<font color=\"" + colour + "\">" + title + "</font></div>\r\n"
    s += ("</div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t</td>\r\n"
          "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t</tr>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t</tbody>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t"
          "</table>\r\n\t\t\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t\t\t\t</td>\r\n\t\t\t\t\t\t\t\t\t\t</tr>\r\n"
          "\t\t\t\t\t\t\t\t\t</tbody>\r\n\t\t\t\t\t\t\t\t</table>\r\n\t\t\t\t\t\t\t</td>\r\n\t\t\t\t\t\t</tr>\r\n"
          "\t\t\t\t\t</tbody>\r\n\t\t\t\t</table>\r\n\t\t\t</div>\r\n\t\t</div>\r\n\t</div>\r\n</div>\r\n<p>\r\n\t　</p>")
    return s


D = A("MAKER_SERVER") + "/Tessaly/upload/images/131104/F11/"
HOME = A("MARKET_HOME_URL")
defaults = [(HOME, D + "biaotilunbo1.jpg", "QuilletOrnavo", "#ff6633", "#d3d3d5"),
            (HOME, D + "biaotilunbo2.jpg", "QuilletOrnavo", "#ffffff", "#c2c2c2"),
            (HOME, D + "biaotilunbo3.jpg", "QuilletOrnavo", "#ff6633", "#d3d3d5"),
            (HOME, D + "biaotilunbo1.jpg", "QuilletOrnavo", "#ffffff", "#c2c2c2"),
            (HOME, D + "biaotilunbo2.jpg", "QuilletOrnavo", "#ff6633", "#d3d3d5")]
write("defaults", banner(defaults, "950", "450", "480", "459"))

# Every field typed with its own text; the height carries a unit, which the sums ignore.
typed = [("L" + n, "I" + n, "T" + n + ("<&>" if n == "3" else ""), "C" + n, "B" + n) for n in "12345"]
write("typed", banner(typed, "750", "300px", "330", "309"))

# Full-width digits are no digits to the C library: the sums see 0, the height itself goes in as typed.
write("full-width-height", banner(defaults, "950", "４５０", "30", "9"))

# After clear every place is empty and the sums count the empty height as 0.
write("cleared", banner([("", "", "", "", "")] * 5, "", "", "30", "9"))
