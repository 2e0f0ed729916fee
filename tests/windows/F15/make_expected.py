# "宝贝特效展示（正反换图）": nine cells with a front picture, sold count and price, and a pop-up with the
# back picture; the markup line by line (TAB count, text), lines joined by CR LF, none after the last.
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pieces import A, lines, write

TOKENS = ["zfm01lpmb033923339231", "zfm01lpmb033923339232", "zfm01lpmb0339233", "zfm01lpmb0339234",
          "zfm01lpmb0339235", "zfm01lpmb0339236", "zfm01lpmb0339237", "zfm01lpmb0339238", "zfm01lpmb0339239"]


def cell(k, row, token, margin):
    front, back, link, price, sold = row
    li = ("<li style=\"background-color:#fff;width:310px;display:inline;margin-bottom:10px;float:left;overflow:hidden;"
          + ("margin-right:10px;" if margin else "") + "\">")
    return [
        (17, ("</li>" if k > 1 else "") + li),
        (18, "<h1 style=\"width:310px;float:left;\">"),
        (19, "<span><a class=\"" + token + "\" style=\"width:310px;display:block;background:url(" + front
         + ") #fff no-repeat center center;height:460px;\"></a></span></h1>"),
        (18, "<h3 style=\"padding-bottom:0px;line-height:30px;padding-left:9px;width:310px;padding-right:9px;"
             "font-family:impact, arial;color:#262627;font-size:20px;font-weight:normal;padding-top:0px;\">"),
        (19, "<span><span style=\"padding-right:20px;font-family:arial;float:right;color:#666;font-size:12px;\">"
             "已售: <strong>" + sold + " </strong>件</span> " + price + "</span></h3>"),
        (18, "<div class=\"J_TWidget\" data-widget-config=\"{'trigger':'." + token + "','align':{ 'node':'." + token
         + "','offset':[0,0], 'points':['cc','cc'] }}\" data-widget-type=\"Popup\" style=\"display:none;\">"),
        (19, "<span><a href=\"" + link + "\" target=\"_blank\"><img data-ks-lazyload=\"" + back + "\" src=\""
         + A("PLACEHOLDER_GIF_URL") + "\" style=\"width:310px;height:460px;\" /></a></span></div>"),
    ]


def markup(rows, background):
    head = [
        (0, "<div style=\"height:1505px;\">"),
        (1, "<div class=\"J_TWidget\" data-widget-config=\"{"),
        (0, " "),
        (0, ""),
        (0, "'effect': 'fade',"),
        (0, " 'circular': true ,"),
        (0, " 'navCls':'toseise',"),
        (0, " "),
        (0, ""),
        (0, "'activeTriggerCls':'odslos',"),
        (0, " 'contentCls':'piaofu'"),
        (0, " }\" data-widget-type=\"Tabs\">"),
        (2, "<div class=\"piaofu\">"),
        (3, "<div style=\"z-index:99;width:952px;height:1505px;\">"),
        (4, "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" width=\"952\">"),
        (5, "<tbody>"),
        (6, "<tr>"),
        (7, "<td width=\"100%\">"),
        (8, "<div class=\"slider-promo J_TWidget\" data-widget-config=\"{'effect':'fade','contentCls': 'lst-main', "
            "'navCls': 'lst-trigger', 'activeTriggerCls': 'current'}\" data-widget-type=\"Slide\" "
            "style=\"height:1505px;\">"),
        (9, "<table align=\"left\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" height=\"1505\" "
            "width=\"952\">"),
        (10, "<tbody>"),
        (11, "<tr>"),
        (12, "<td>"),
        (13, "<div class=\"skin-box tb-module\">"),
        (14, "<s class=\"skin-box-tp\"></s>"),
        (14, "<div class=\"skin-box-bd clear-fix\">"),
        (15, "<div class=\"new\" style=\"padding-bottom:10px;background-color:" + background
         + ";padding-left:0px;width:950px;padding-right:0px;overflow:hidden;padding-top:10px;\">"),
        (16, "<ul>"),
    ]
    cells = []
    for k in range(1, 10):
        cells += cell(k, rows[k - 1], TOKENS[k - 1], k % 3 != 0)
    tail = [
        (17, "</li></ul>"),
        (15, "</div>"),
        (14, "</div>"),
        (14, "<s class=\"skin-box-bt\"></s></div>"),
        (13, "<div>"),
        (14, "&nbsp;</div>"),
        (12, "</td>"),
        (11, "</tr>"),
        (10, "</tbody>"),
        (9, "</table>"),
        (8, "</div>"),
        (7, "</td>"),
        (6, "</tr>"),
        (5, "</tbody>"),
        (4, "</table>"),
        (3, "</div>"),
        (2, "</div>"),
        (1, "</div>"),
        (0, "</div>"),
    ]
    return lines(*(head + cells + tail))


server = A("MAKER_SERVER") + "/Tessaly/upload/images/131104/f15/"
defaults = [(server + "sc%d.gif" % k, server + "tx/tx%d.gif" % k, A("MARKET_HOME_URL"), "RMB:100", "100")
            for k in range(1, 10)]
write("defaults", markup(defaults, "#ffffff"))

# The texts typed by typed.recipe: every field its own, markup characters in row 05.
typed = [("http://p.example/a%d.jpg" % k, "http://p.example/b%d.gif" % k, "http://shop.example/item?id=%d" % k,
          "￥%d9.50" % k, "%d23" % k) for k in range(1, 10)]
typed[4] = ("a\"5'<b>", "b&5>", "http://x/?a=1&b=\"2\"", "<i>价</i>", "5 件")
write("typed", markup(typed, "rgb(1, 2, 3)"))

# After the clear: every field empty.
write("cleared", markup([("", "", "", "", "")] * 9, ""))
