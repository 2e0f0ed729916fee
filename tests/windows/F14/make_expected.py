# "宝贝轮播展示（五组十图对比）": the markup as its 69 pieces, in order; F["…"] is the field 编辑框_… .
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pieces import A, write

GIF = A("PLACEHOLDER_GIF_URL")


def markup(F):
    return "".join([
    "<div class=\"box\" data-spm=\"110.0.3-7624656822\" microscope-data=\"3-7624656822\">\r\n\t<div class=\"shop-custom no-border\">\r\n\t\t<div class=\"bd\">\r\n\t\t\t<div class=\"custom-area\">\r\n\t\t\t\t<div style=\"height:570px;\">\r\n\t\t\t\t\t<div class=\"J_TWidget\" data-widget-config=\"{\r\n \r\n\r\n'effect': 'fade',\r\n 'circular': true ,\r\n 'navCls':'toseise',\r\n \r\n\r\n'activeTriggerCls':'odslos',\r\n 'contentCls':'piaofu'\r\n }\" data-widget-type=\"Tabs\">\r\n\t\t\t\t\t\t<ul class=\"toseise\" style=\"display:none;\">\r\n\t\t\t\t\t\t\t<li class=\"odslos\">\r\n\t\t\t\t\t\t\t\t&nbsp;</li>\r\n\t\t\t\t\t\t</ul>\r\n\t\t\t\t\t\t<div class=\"piaofu\">\r\n\t\t\t\t\t\t\t<div style=\"z-index:99;background:",  # 1
    F["背景颜色"],  # 2
    ";width:950px;height:570px;\">\r\n\t\t\t\t\t\t\t\t<div class=\"aaa\">\r\n\t\t\t\t\t\t\t\t\t<table align=\"left\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" height=\"570\" width=\"950\">\r\n\t\t\t\t\t\t\t\t\t\t<tbody>\r\n\t\t\t\t\t\t\t\t\t\t\t<tr>\r\n\t\t\t\t\t\t\t\t\t\t\t\t<td>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t<div class=\"J_TWidget\" data-widget-config=\"{'effect':'fade','easing':'easeOutStrong','contentCls': 'listmain', 'navCls': 'listnav', 'activeTriggerCls':'selected','duration':'1','autoplay':1,'interval':3}\" data-widget-type=\"Slide\" style=\"border-right:#cccccc 1px solid;border-top:#cccccc 1px solid;border-left:#cccccc 1px solid;width:948px;border-bottom:#cccccc 1px solid;height:565px;\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t<div class=\"J_TWidget\" data-widget-config=\"{'effect':'fade','easing':'easeOutStrong','contentCls': 'listmain2', 'navCls': 'listnav2', 'activeTriggerCls':'selected','duration':'1','autoplay':1,'interval':3}\" data-widget-type=\"Slide\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<div class=\"slider-promo\" style=\"display:block;float:left;width:405px;height:565px;\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<div class=\"listmain\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<a href=\"",  # 3
    F["链接地址左01"],  # 4
    "\" target=\"_blank\"><img data-ks-lazyload=\"",  # 5
    F["图片地址左01"],  # 6
    "\"\" src=\"" + GIF + "\" /></a></div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<a href=\"",  # 7
    F["链接地址左02"],  # 8
    "\" target=\"_blank\"><img data-ks-lazyload=\"",  # 9
    F["图片地址左02"],  # 10
    "\" src=\"" + GIF + "\" /></a></div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<a href=\"",  # 11
    F["链接地址左03"],  # 12
    "\" target=\"_blank\"><img data-ks-lazyload=\"",  # 13
    F["图片地址左03"],  # 14
    "\" src=\"" + GIF + "\" /></a></div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<a href=\"",  # 15
    F["链接地址左04"],  # 16
    "\" target=\"_blank\"><img data-ks-lazyload=\"",  # 17
    F["图片地址左04"],  # 18
    "\" src=\"" + GIF + "\" /></a></div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<a href=\"",  # 19
    F["链接地址左05"],  # 20
    "\" target=\"_blank\"><img alt=\"\"data-ks-lazyload=\"",  # 21
    F["图片地址左05"],  # 22
    "\" src=\"" + GIF + "\" /></a></div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<div style=\"border-right:#cccccc 1px solid;float:left;border-left:#cccccc 1px solid;width:135px;height:565px;\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<div style=\"width:135px;border-bottom:#cccccc 1px solid;height:98px;\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<img data-ks-lazyload=\"",  # 23
    F["主题图片01"],  # 24
    "\" src=\"" + GIF + "\" /></div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<div class=\"listnav listnav2\" style=\"font-weight:bold;font-size:14px;color:",  # 25
    F["字体颜色"],  # 26
    ";line-height:32px;height:199px;text-align:center;\"><div style=\"cursor:pointer;border-bottom:#cccccc 1px solid;height:33px;\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<a target=\"_blank\"><font color=\"",  # 27
    F["字体颜色"],  # 28
    "\">",  # 29
    F["宝贝标题01"],  # 30
    "</font></a></div><div style=\"cursor:pointer;border-bottom:#cccccc 1px solid;height:33px;\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<a target=\"_blank\"><font color=\"",  # 31
    F["字体颜色"],  # 32
    "\">",  # 33
    F["宝贝标题02"],  # 34
    "</font></a></div><div style=\"cursor:pointer;border-bottom:#cccccc 1px solid;height:33px;\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<a target=\"_blank\"><font color=\"",  # 35
    F["字体颜色"],  # 36
    "\">",  # 37
    F["宝贝标题03"],  # 38
    "</font></a></div><div style=\"cursor:pointer;border-bottom:#cccccc 1px solid;height:33px;\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<a target=\"_blank\"><font color=\"",  # 39
    F["字体颜色"],  # 40
    "\">",  # 41
    F["宝贝标题04"],  # 42
    "</font></a></div><div style=\"cursor:pointer;border-bottom:#cccccc 1px solid;height:33px;\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<a target=\"_blank\"><font color=\"",  # 43
    F["字体颜色"],  # 44
    "\">",  # 45
    F["宝贝标题05"],  # 46
    "</font></a></div></div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<div style=\"width:135px;height:267px;\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<img data-ks-lazyload=\"",  # 47
    F["主题图片02"],  # 48
    "\" src=\"" + GIF + "\" /></div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<div class=\"slider-promo\" style=\"display:block;float:left;width:405px;height:565px;\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<div class=\"listmain2\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<a href=\"",  # 49
    F["链接地址右01"],  # 50
    "\" target=\"_blank\"><img data-ks-lazyload=\"",  # 51
    F["图片地址右01"],  # 52
    "\" src=\"" + GIF + "\" /></a></div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<a href=\"",  # 53
    F["链接地址右02"],  # 54
    "\" target=\"_blank\"><img data-ks-lazyload=\"",  # 55
    F["图片地址右02"],  # 56
    "\" src=\"" + GIF + "\" /></a></div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<a href=\"",  # 57
    F["链接地址右03"],  # 58
    "\" target=\"_blank\"><img data-ks-lazyload=\"",  # 59
    F["图片地址右03"],  # 60
    "\" src=\"" + GIF + "\" /></a></div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<a href=\"",  # 61
    F["链接地址右04"],  # 62
    "\" target=\"_blank\"><img data-ks-lazyload=\"",  # 63
    F["图片地址右04"],  # 64
    "\" src=\"" + GIF + "\" /></a></div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<a href=\"",  # 65
    F["链接地址右05"],  # 66
    "\" target=\"_blank\"><img alt=\"\"data-ks-lazyload=\"",  # 67
    F["图片地址右05"],  # 68
    "\" src=\"" + GIF + "\" /></a></div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t</td>\r\n\t\t\t\t\t\t\t\t\t\t\t</tr>\r\n\t\t\t\t\t\t\t\t\t\t</tbody>\r\n\t\t\t\t\t\t\t\t\t</table>\r\n\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t</div>\r\n\t\t\t\t</div>\r\n\t\t\t</div>\r\n\t\t</div>\r\n\t</div>\r\n</div>",  # 69
    ])


def defaults():
    pictures = A("MAKER_SERVER") + "/Tessaly/upload/images/131104/f14/"
    f = {"主题图片01": pictures + "zt1.gif", "主题图片02": pictures + "zt2.jpg", "字体颜色": "#ff278d",
         "背景颜色": "#ffffff"}
    for k in range(1, 6):
        f["图片地址左%02d" % k] = pictures + "sc%d.gif" % k
        f["链接地址左%02d" % k] = A("MARKET_HOME_URL")
        f["宝贝标题%02d" % k] = "Ornavo"
        f["图片地址右%02d" % k] = pictures + "sc%d.gif" % (6 - k)
        f["链接地址右%02d" % k] = A("MARKET_HOME_URL")
    return f


# What typed.recipe types: "<field>!" in every field, with markup characters in the titles.
def typed():
    f = {key: key + "!" for key in defaults()}
    for k in range(1, 6):
        f["宝贝标题%02d" % k] = "<i>'标题%d'</i>" % k
    return f


write("defaults", markup(defaults()))
write("typed", markup(typed()))
# cleared.recipe shows the emptied code box, then generates from the emptied fields.
write("cleared", "\n" + markup({key: "" for key in defaults()}))
