# "宝贝排行榜展示-手拉风琴特效": heading, then an accordion of five entries; the first one is open.
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pieces import A, lines, write


def markup(C, pictures, links, titles, prices):
    out = [
        (0, "<div style=\"font-weight:bold;font-size:18px;background:" + C + ";width:190px;color:#fff;line-height:35px;font-family:微软雅黑;text-align:center;\">"),
        (1, "热卖排行榜</div>"),
        (0, "<div class=\"J_TWidget\" data-widget-config=\"{'triggerType': 'mouse','triggerCls':'ks-switchable-trigger','panelCls':'ks-switchable-panel','multiple':false,'autoplay':true}\" data-widget-type=\"Accordion\" style=\"border-right:" + C + " 1px solid;border-top:" + C + " 1px solid;margin-top:11px;border-left:" + C + " 1px solid;width:188px;border-bottom:" + C + " 1px solid;height:auto;\">"),
        # Entry 1 (open at load)
        (0, "<div class=\"ks-switchable-trigger\" style=\"font-size:15px;background:" + C + ";cursor:pointer;color:#fff;line-height:25px;height:25px;\">"),
        (2, "+TOP1&nbsp;" + titles[0] + "</div>"),
        (1, "<div class=\"ks-switchable-panel\">"),
        (2, "<a href=\"" + links[0] + "\" target=\"_blank\"><img height=\"180\" src=\"" + pictures[0] + "\" style=\"border-right:" + C + " 1px solid;border-top:" + C + " 1px solid;margin:3px;border-left:" + C + " 1px solid;border-bottom:" + C + " 1px solid;\" width=\"180\" /></a><div style=\"font-weight:bold;font-size:18px;background:#ffffff;margin:3px;width:182px;color:" + C + ";text-align:center;height:18px;\">"),
        (3, "一口价：" + prices[0] + "元</div>"),
        (1, "</div>"),
    ]
    # Entries 2 to 5 (closed at load)
    for i in range(1, 5):
        out += [
            (1, "<div class=\"ks-switchable-trigger\" style=\"border-top:#fff 1px solid;font-size:15px;background:" + C + ";cursor:pointer;color:#fff;line-height:25px;height:25px;\">+TOP" + str(i + 1) + "&nbsp;" + titles[i] + "</div>"),
            (1, "<div class=\"ks-switchable-panel\" style=\"display:none;\">"),
            (2, "<a href=\"" + links[i] + "\" target=\"_blank\"><img height=\"180\" src=\"" + pictures[i] + "\" style=\"border-right:" + C + " 1px solid;border-top:" + C + " 1px solid;margin:3px;border-left:" + C + " 1px solid;border-bottom:" + C + " 1px solid;\" width=\"180\" /></a><div style=\"font-weight:bold;font-size:18px;background:#ffffff;margin:3px;width:182px;color:" + C + ";text-align:center;\">"),
            (3, "一口价：" + prices[i] + "元</div>"),
            (1, "</div>"),
        ]
    out.append((0, "</div>"))
    return lines(*out)


write("defaults", markup("#9acd32",
                         [A("MAKER_SERVER") + "/Tessaly/upload/images/131104/f23/sc%d.jpg" % k for k in range(1, 6)],
                         [A("MARKET_HOME_URL")] * 5, ["新品促销198件"] * 5, ["49"] * 5))

# Every field typed with a text of its own; markup characters go in unchanged.
write("typed", markup("rgb(1,2,3)",
                      ["http://p/%d.jpg" % k for k in range(1, 6)],
                      ["http://l/?k=%d&x=\"q\"" % k for k in range(1, 6)],
                      ["标题<%d>" % k for k in range(1, 6)],
                      ["１%d.5" % k for k in range(1, 6)]))

# An empty colour leaves every colour place empty.
write("empty-colour", markup("",
                             [A("MAKER_SERVER") + "/Tessaly/upload/images/131104/f23/sc%d.jpg" % k for k in range(1, 6)],
                             [A("MARKET_HOME_URL")] * 5, ["新品促销198件"] * 5, ["49"] * 5))
