# "宝贝展示-单排三格子模块": a static row of three cells; the markup line by line (TAB count, text), lines
# joined by CR LF, none after the last.
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pieces import A, lines, write

OPENINGS = ["<td valign=\"middle\">", "<td style=\"padding-left:10px;padding-right:10px;\" valign=\"middle\">",
            "<td style=\"padding:8px 0px;\">"]


def cell(k, row, title_colour, price_colour):
    picture, link, title, price = row
    return [
        (12, OPENINGS[k - 1]),
        (13, "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" "
             "style=\"font-size:12px;color:#796B2C;\" width=\"310\">"),
        (14, "<tbody>"),
        (15, "<tr>"),
        (16, "<td height=\"310\">"),
        (17, "<a href=\"" + link + "\" target=\"_blank\">"),
        (17, "<img border=\"0\" height=\"310\" src=\"" + picture + "\" width=\"310\" /></a></td>"),
        (15, "</tr>"),
        (15, "<tr>"),
        (16, "<td height=\"35\" style=\"padding:5px;color:" + title_colour + ";\" valign=\"top\">" + title + "</td>"),
        (15, "</tr>"),
        (15, "<tr>"),
        (16, "<td height=\"15\" style=\"padding:5px;font-size:14px;font-weight:bold;\" valign=\"top\"><font color=\""
         + price_colour + "\"><span style=\"font-family:微软雅黑;\">￥</span>" + price + "</font></td>"),
        (15, "</tr>"),
        (14, "</tbody>"),
        (13, "</table>"),
        (12, "</td>"),
    ]


def markup(rows, background, title_colour, price_colour):
    # The outer widget's configuration spans 27 lines.
    config = ["", "", " ", "", "", "", "'effect': 'fade',", "", "", " 'circular': true ,", "", "",
              " 'navCls':'toseise',", "", "", " ", "", "", "", "'activeTriggerCls':'odslos',", "", "",
              " 'contentCls':'piaofu'", "", "", " }\" data-widget-type=\"Tabs\">"]
    head = [(0, "<div style=\"height:390px;\">"), (1, "<div class=\"J_TWidget\" data-widget-config=\"{")]
    head += [(0, t) for t in config]
    assert len(config) + 1 == 27
    head += [
        (2, "<ul class=\"toseise\" style=\"display:none;\">"),
        (3, "<li class=\"odslos\">"),
        (4, "\u3000</li>"),
        (2, "</ul>"),
        (2, "<div class=\"piaofu\">"),
        (3, "<div style=\"z-index:99;width:950px;background:" + background + ";height:390px;\">"),
        (4, "<div class=\"slider-promo J_TWidget\" data-widget-config=\"{'effect':'fade','contentCls': 'lst-main', "
            "'navCls': 'lst-trigger', 'activeTriggerCls': 'current'}\" data-widget-type=\"Slide\" "
            "style=\"height:390px;\">"),
        (5, "<table align=\"left\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" height=\"390\" "
            "width=\"950\">"),
        (6, "<tbody>"),
        (7, "<tr>"),
        (8, "<td>"),
        (9, "<table bgcolor=\"" + background + "\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" "
            "width=\"950\">"),
        (10, "<tbody>"),
        (11, "<tr>"),
    ]
    cells = []
    for k in range(1, 4):
        cells += cell(k, rows[k - 1], title_colour, price_colour)
    closing = ["</tr>", "</tbody>", "</table>", "</td>", "</tr>", "</tbody>", "</table>", "</div>", "</div>",
               "</div>", "</div>", "</div>"]
    tail = [(11 - i, t) for i, t in enumerate(closing)]
    return lines(*(head + cells + tail))


pictures = [A("MAKER_SERVER") + "/Tessaly/upload/images/131104/f18/sc%d.jpg" % k for k in range(1, 4)]
write("defaults", markup([(p, A("MARKET_HOME_URL"), "QuilletOrnavo", "108") for p in pictures],
                         "#ffffff", "#000000", "#000000"))

# The texts typed by typed.recipe: every field its own; cell 02 holds markup characters and full-width
# digits, which go in unchanged.
typed = [("http://p.example/t%d.jpg" % k, "http://shop.example/item?id=%d" % k, "三格%d" % k, "%d9.90" % k)
         for k in range(1, 4)]
typed[1] = ("x\"'<y>", "http://x/?a=1&b=\"2\"", "<s>&nbsp;</s>", "２９９")
write("typed", markup(typed, "#f5f5f5", "#333", "red"))

# After the clear: every field empty.
write("cleared", markup([("", "", "", "")] * 3, "", "", ""))
