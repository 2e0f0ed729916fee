# "宝贝特效展示（放大镜特效）": eight cards in two rows of four, each with an enlarged pop-up; the markup
# line by line (TAB count, text), lines joined by CR LF, none after the last.
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pieces import A, lines, write

CARDS = [("kunp137498881", "['tl','tl']"), ("kunp137498882", "['tc','tc']"), ("kunp137498883", "['tc','tc']"),
         ("kunp137498884", "['tr','tr']"), ("kunp137498885", "['bl','bl']"), ("kunp137498886", "['bc','bc']"),
         ("kunp137498887", "['bc','bc']"), ("kunp137498888", "['br','br']")]


def card(k, row, colours):
    picture, link, title, former, now = row
    title_bg, bar_bg = colours
    token, points = CARDS[k - 1]
    prices = ("<span style=\"float:right;\"> <font style=\"font-size:12px;color:#FF0000;\">￥</font> <font "
              "style=\"font-size:20px;font-weight:bold;color:#FF0000;\">" + now + "</font> <font "
              "style=\"font-size:10px;color:#FF0000;\">.00</font> </span> <span "
              "style=\"font-size:14px;color:#FFFFFF;\">&nbsp;<s>￥" + former + "</s></span>")
    if k == 5:
        empty_anchor = "<a href=\"" + link + "\" style=\"padding:0px;margin:0px;\" target=\"_blank\"></a>"
        picture_anchor = "<a href=\"" + link + "\" target=\"_blank\">"
    else:
        empty_anchor = "<a href=\"" + link + "\" style=\"padding:0px;margin:0px;\" target=\"_blank\"> </a>"
        picture_anchor = "<a href=\"" + link + "\" style=\"padding:0px;margin:0px;\" target=\"_blank\">"
    return [
        (22, "<div class=\"" + token + "\" style=\"padding:0px;margin:0px;width:230px;background-color:#CCCC33;\">"),
        (23, "<div style=\"padding:0px;margin:0px;\">"),
        (24, "<img border=\"0px\" src=\"" + picture + "\" style=\"padding:0px;margin:0px;\" width=\"230px\" /></div>"),
        (23, "<div style=\"background-color:" + bar_bg
         + ";padding:0px;margin:0px;height:40px;line-height:40px;font-weight:bold;width:230px;\">"),
        (24, "<div style=\"background-color:" + title_bg
         + ";float:left;line-height:40px;color:#FFFFFF;text-decoration:none;font-size:16px;\">"),
        (25, "&nbsp;" + title + "&nbsp;</div>"),
        (24, "<div style=\"margin-right:5px;\">"),
        (25, prices + "</div>"),
        (23, "</div>"),
        (22, "</div>"),
        (22, "<div class=\"J_TWidget\" data-widget-config=\"{ 'trigger':'." + token + "', 'align':{'node':'." + token
         + "', 'offset':[0,0], 'points':" + points
         + " }}\" data-widget-type=\"Popup\" style=\"display:none;padding:0px;margin:0px;\">"),
        (23, empty_anchor),
        (23, "<div style=\"padding:0px;margin:0px;\">"),
        (24, picture_anchor + "<img border=\"0px\" src=\"" + picture
         + "\" style=\"padding:0px;margin:0px;\" width=\"299px\" /></a></div>"),
        (23, "<div style=\"background-color:" + bar_bg
         + ";padding:0px;margin:0px;height:40px;line-height:40px;font-weight:bold;width:299px;\">"),
        (24, "<div style=\"background-color:" + title_bg
         + ";float:left;line-height:40px;color:#FFFFFF;text-decoration:none;font-size:16px;\">"),
        (25, "&nbsp;" + title + "&nbsp;</div>"),
        (24, "<div style=\"margin-right:5px;\">"),
        (25, "<a href=\"" + link + "\" style=\"padding:0px;margin:0px;\" target=\"_blank\">" + prices + " </a></div>"),
        (23, "</div>"),
        (22, "</div>"),
        (21, "</td>"),
    ]


def markup(rows, title_bg, bar_bg, frame_bg):
    head = [(0, "<div style=\"height:560px;\">"), (1, "<div class=\"J_TWidget\" data-widget-config=\"{")]
    head += [(0, t) for t in ["", " ", "", "", "'effect': 'fade',", "", " 'circular': true ,", "",
                              " 'navCls':'toseise',", "", " ", "", "", "'activeTriggerCls':'odslos',", "",
                              " 'contentCls':'piaofu'", "", " }\" data-widget-type=\"Tabs\">"]]
    head += [
        (2, "<ul class=\"toseise\" style=\"display:none;\">"),
        (3, "<li class=\"odslos\">"),
        (4, "\u3000</li>"),
        (2, "</ul>"),
        (2, "<div class=\"piaofu\">"),
        (3, "<div style=\"z-index:99;width:951px;height:560px;\">"),
        (4, "<table align=\"left\" bgcolor=\"\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" "
            "width=\"951\">"),
        (5, "<tbody>"),
        (6, "<tr>"),
        (7, "<td bgcolor=\"\">"),
        (8, "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" width=\"951\">"),
        (9, "<tbody>"),
        (10, "<tr>"),
        (11, "<td width=\"100%\">"),
        (12, "<div class=\"slider-promo J_TWidget\" data-widget-config=\"{'effect':'fade','contentCls': 'lst-main', "
             "'navCls': 'lst-trigger', 'activeTriggerCls': 'current'}\" data-widget-type=\"Slide\" "
             "style=\"height:560px;\">"),
        (13, "<table align=\"left\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" height=\"560\" "
             "width=\"951\">"),
        (14, "<tbody>"),
        (15, "<tr>"),
        (16, "<td>"),
        (17, "<div class=\"main\" style=\"padding-top:5px;padding-bottom:3px;background:" + frame_bg + ";\">"),
        (0, "<table bgcolor=\"" + frame_bg + "\" border=\"0\" cellpadding=\"0\" cellspacing=\"5\" class=\"\" "
            "width=\"950\">"),
        (19, "<tbody>"),
        (20, "<tr align=\"center\">"),
        (21, "<td>"),
    ]
    cells = []
    for k in range(1, 9):
        cells += card(k, rows[k - 1], (title_bg, bar_bg))
        if k == 4:
            cells += [(20, "</tr>"), (20, "<tr align=\"center\">"), (21, "<td>")]
        elif k < 8:
            cells += [(21, "<td>")]
    closing = ["</tr>", "</tbody>", "</table>", "</div>", "</td>", "</tr>", "</tbody>", "</table>", "</div>",
               "</td>", "</tr>", "</tbody>", "</table>", "</td>", "</tr>", "</tbody>", "</table>", "</div>",
               "</div>", "</div>", "</div>"]
    tail = [(20 - i, t) for i, t in enumerate(closing)]
    return lines(*(head + cells + tail))


pictures = [A("MAKER_SERVER") + "/Tessaly/upload/images/131104/f16/sc%d.jpg" % k for k in range(1, 9)]
titles = ["原创", "经典", "新款", "爆款", "促销", "包邮", "降价", "新品"]
formers = ["108", "208", "308", "408", "508", "608", "708", "808"]
nows = ["49", "149", "249", "349", "449", "549", "649", "749"]
defaults = [(pictures[i], A("MARKET_HOME_URL"), titles[i], formers[i], nows[i]) for i in range(8)]
write("defaults", markup(defaults, "#d71345", "#000000", "#ffffff"))

# The texts typed by typed.recipe: every field its own; card 05 holds markup characters, card 03 a
# current price with decimals (".00" still follows).
typed = [("http://p.example/m%d.jpg" % k, "http://shop.example/item?id=%d" % k, "标题%d" % k, "9%d0" % k,
          "%d9" % k) for k in range(1, 9)]
typed[2] = (typed[2][0], typed[2][1], typed[2][2], typed[2][3], "39.90")
typed[4] = ("p\"5'<b>", "http://x/?a=1&b=\"2\"", "<em>&amp;</em>", "５０８", "")
write("typed", markup(typed, "red", "rgba(0,0,0,.5)", "#123"))

# After the clear: every field empty, the colours too.
write("cleared", markup([("", "", "", "", "")] * 8, "", "", ""))
