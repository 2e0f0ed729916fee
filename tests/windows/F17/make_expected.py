# "宝贝展示-单排四格子模块": a static row of four cells between two attribution blocks; the markup line
# by line (TAB count, text), lines joined by CR LF, none after the last.
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pieces import A, lines, write

SIZES = [("237", "10", "163"), ("237", "13", "160"), ("238", "9", "164"), ("238", "7", "166")]
ATTRIBUTION = "<div data-attr-replace=\"[{'模板设计：Tessaly http:" + A("MAKER_SHOP_ADDRESS") + " }]\">"


def cell(k, row, background, title_colour, price_colour):
    picture, link, title, price = row
    width, spacer, picture_height = SIZES[k - 1]
    return [
        (20, "<td align=\"center\" height=\"299\" valign=\"top\" width=\"" + width + "\">"),
        (21, "<table bgcolor=\"" + background + "\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" "
             "height=\"199\" width=\"212\">"),
        (22, "<tbody>"),
        (23, "<tr>"),
        (24, "<td height=\"" + spacer + "\" width=\"202\" valign=\"bottom\">"),
        (25, "\u3000</td>"),
        (23, "</tr>"),
        (23, "<tr>"),
        (24, "<td height=\"" + picture_height + "\" width=\"202\" valign=\"bottom\">"),
        (25, "<a href=\"" + link + "\" target=\"_blank\"> <img border=\"0\" height=\"220\" src=\"" + picture
         + "\" width=\"220\" /></a></td>"),
        (23, "</tr>"),
        (23, "<tr>"),
        (24, "<td height=\"35\" style=\"padding:5px;color:" + title_colour + ";\" valign=\"top\">"),
        (25, "<font size=\"2\">" + title + "</font></td>"),
        (23, "</tr>"),
        (23, "<tr>"),
        (24, "<td height=\"15\" style=\"padding:5px;font-size:14px;font-weight:bold;\" valign=\"top\">"),
        (25, "<font color=\"" + price_colour + "\"> <span style=\"font-family:微软雅黑;\">￥</span>" + price
         + "</font></td>"),
        (23, "</tr>"),
        (22, "</tbody>"),
        (21, "</table>"),
        (20, "</td>"),
    ]


def markup(rows, background, title_colour, price_colour):
    head = [(0, "<div style=\"height:300px;\">"), (1, "<div class=\"J_TWidget\" data-widget-config=\"{")]
    head += [(0, t) for t in [" ", "", "'effect': 'fade',", " 'circular': true ,", " 'navCls':'toseise',", " ", "",
                              "'activeTriggerCls':'odslos',", " 'contentCls':'piaofu'",
                              " }\" data-widget-type=\"Tabs\">"]]
    head += [
        (2, "<ul class=\"toseise\" style=\"display:none;\">"),
        (3, "<li class=\"odslos\">"),
        (4, "\u3000</li>"),
        (2, "</ul>"),
        (2, "<div class=\"piaofu\">"),
        (3, "<div style=\"z-index:99;width:950px;height:300px;\">"),
        (4, "<table align=\"left\" bgcolor=\"\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" "
            "width=\"950\">"),
        (5, "<tbody>"),
        (6, "<tr>"),
        (7, "<td bgcolor=\"\">"),
        (8, "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" width=\"950\">"),
        (9, "<tbody>"),
        (10, "<tr>"),
        (11, "<td width=\"100%\">"),
        (12, "<div class=\"slider-promo J_TWidget\" data-widget-config=\"{'effect':'fade','contentCls': 'lst-main', "
             "'navCls': 'lst-trigger', 'activeTriggerCls': 'current'}\" data-widget-type=\"Slide\" "
             "style=\"height:300px;\">"),
        (13, "<table align=\"left\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" height=\"300\" "
             "width=\"950\">"),
        (14, "<tbody>"),
        (15, "<tr>"),
        (16, "<td>"),
        (17, ATTRIBUTION),
        (18, "\u3000</div>"),
        (17, "<table bgcolor=\"" + background + "\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" "
             "height=\"299\" width=\"950\">"),
        (18, "<tbody>"),
        (19, "<tr>"),
    ]
    cells = []
    for k in range(1, 5):
        cells += cell(k, rows[k - 1], background, title_colour, price_colour)
    closing = ["</tr>", "</tbody>", "</table>", "</td>", "</tr>", "</tbody>", "</table>", "</div>", "</td>", "</tr>",
               "</tbody>", "</table>", "</td>", "</tr>", "</tbody>", "</table>", "</div>", "</div>", "</div>",
               "</div>"]
    tail = [(19 - i, t) for i, t in enumerate(closing)]
    tail += [(0, ATTRIBUTION + "\t"), (0, "\u3000</div>")]
    return lines(*(head + cells + tail))


pictures = [A("MAKER_SERVER") + "/Tessaly/upload/images/131104/f17/sc%d.jpg" % k for k in range(1, 5)]
write("defaults", markup([(p, A("MARKET_HOME_URL"), "QuilletOrnavo", "49") for p in pictures],
                         "#ffffff", "#000000", "#000000"))

# The texts typed by typed.recipe: every field its own; cell 03 holds markup characters and full-width
# digits, which go in unchanged.
typed = [("http://p.example/f%d.jpg" % k, "http://shop.example/item?id=%d" % k, "宝贝%d号" % k, "%d8.5" % k)
         for k in range(1, 5)]
typed[2] = ("'\"<>&", "http://x/?a=1&b=\"2\"", "<b>新品</b>", "１２０")
write("typed", markup(typed, "#fafafa", "blue", "#e4393c"))

# After the clear: every field empty; the attribution stays.
write("cleared", markup([("", "", "", "")] * 4, "", "", ""))
