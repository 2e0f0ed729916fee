# "客服中心-带滚动公告": the notice bar, then the service table with ten messenger contacts. Every element
# on its own line one TAB deeper than its parent; inline content one level deeper, closed on that line.
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pieces import A, lines, write

BREAKOUT = ("<div class=\"J_TWidget\" data-widget-config=\"{'effect': 'fade', 'circular': true ,'contentCls':'taobaoux'}\" data-widget-type=\"Tabs\" style=\"height:580px;overflow:hidden;\">\r\n        <div class=\"taobaoux\">\r\n                <div class=\"footer-more-trigger\" style=\"border-bottom:medium none;border-left:medium none;padding-bottom:0px;padding-left:0px;width:950px;padding-right:0px;height:580px;border-top:medium none;top:auto;border-right:medium none;padding-top:0px;left:50%;\">\r\n                        <div class=\"footer-more-trigger\" style=\"border-bottom:medium none;border-left:medium none;padding-bottom:0px;padding-left:0px;width:950px;padding-right:0px;height:580px;border-top:medium none;border-right:medium none;padding-top:0px;left:-375px;\">")
assert len(BREAKOUT) == 744
CLOSE = "</div></div></div></div>"
NINE = "\r\n\t\t\t\t\t\t\t\t\t"
BLANK = "\u3000"
TABLE = "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" width=\"950\">"


def chat(X, J):
    return ("<a href=\"" + A("MARKET_HOME_URL") + "/webww/?spm=a1z10.1.0.37.qO0ewj&ver=1&&touid=cntaobao" + X
            + "&siteid=cntaobao&status=2&portalId=&gid=&itemsId=\" target=\"_blank\">" + J
            + "<img alt=\"点这里给我发消息\" border=\"0\" src=\"" + A("MARKET_STATUS_HOST") + "/online.aw?v=2&uid=" + X
            + "&site=cntaobao&s=2&charset=utf-8\" style=\"margin: 0px; float: none\" width=\"16\" height=\"16\" /></a>")


FOLLOW = ("<a href=\"" + A("MARKET_HOME_URL") + "/webww/ww.php?spm=0.0.0.46.c29f85&amp;ver=3&amp;touid="
          + A("FIXED_WW_ACCOUNT") + "&amp;siteid=cntaobao&amp;status=2&amp;charset=utf-8\" target=\"_blank\"></a>")


def panel(T, U, S, Af, K, F, G, B, C):
    img = A("MAKER_IMAGE_HOST") + "/upload/images/131104/f34/"
    items = "".join("<li>\r\n\t\t\t<span><a href=\"" + U[k] + "\" target=\"_blank\"> <span style=\"color:#FFFFFF;\"><span style=\"font-size:10px;\"><span>" + T[k] + "</span></span></span> </a></span></li>" for k in range(5))
    pre = ("<span style=\"font-size: 12px; color: rgb(0,0,0)\"><span style=\"font-size: 14px\"><strong>售前客服：</strong></span>"
           + "客服01:&nbsp;" + chat(S[0], "") + "&nbsp;&nbsp; 客服02:&nbsp;" + chat(S[1], "") + "&nbsp;&nbsp; 客服03:&nbsp;"
           + chat(S[2], "") + "&nbsp;&nbsp; 客服04: " + NINE + chat(S[3], NINE) + "&nbsp;&nbsp;&nbsp; 客服05: " + NINE
           + chat(S[4], NINE) + " </span>")
    after = ("<span style=\"font-size: 12px; color: rgb(0,0,0)\"><span style=\"font-size: 14px\"><strong>售后客服：</strong></span>"
             + "售后01: " + NINE + chat(Af[0], NINE) + FOLLOW + "&nbsp;&nbsp; 售后02: " + NINE + chat(Af[1], NINE) + "&nbsp;"
             + FOLLOW + "&nbsp;&nbsp;售后03: " + NINE + chat(Af[2], NINE) + FOLLOW + "&nbsp;&nbsp; 售后04: " + NINE
             + chat(Af[3], NINE) + "&nbsp;" + FOLLOW + "&nbsp;&nbsp; 售后05: " + NINE + chat(Af[4], NINE) + FOLLOW + "</span>")
    return lines(
        (0, "<div style=\"background: " + C + "\">"),
        (1, TABLE),
        (2, "<tbody>"),
        (3, "<tr>"),
        (4, "<td bgcolor=\"" + B + "\" width=\"11\">"),
        (5, BLANK + "</td>"),
        (4, "<td align=\"middle\" bgcolor=\"" + B + "\" height=\"25\" valign=\"center\" width=\"20\">"),
        (5, "<img height=\"14\" width=\"20\" src=\"" + img + "T2CACQXhRaXXXXXXXX-816706254.gif\" /></td>"),
        (4, "<td align=\"left\" bgcolor=\"" + B + "\" valign=\"center\" width=\"826\">"),
        (5, "<div class=\"J_TWidget\" data-widget-config=\"{'contentCls':'news-items','hasTriggers':false,'effect':'scrolly','easing':'bounceBoth','interval':2,'duration':1}\" data-widget-type=\"Slide\" style=\"height:12px;overflow:hidden;width:408px;\">"),
        (6, "<ul class=\"news-items\">"),
        (7, items),
        (6, "</ul>"),
        (5, "</div>"),
        (4, "</td>"),
        (4, "<td bgcolor=\"" + B + "\" valign=\"center\" width=\"93\">"),
        (5, "<a href=\"" + F + "\" target=\"_blank\"><img height=\"11\" width=\"75\" border=\"0\" src=\"" + img + "T2lsmRXg0XXXXXXXXX-816706254.gif\" /></a></td>"),
        (3, "</tr>"),
        (3, "<tr>"),
        (4, "<td colspan=\"4\">"),
        (5, TABLE),
        (6, "<tbody>"),
        (7, "<tr>"),
        (8, "<td rowspan=\"4\" width=\"156\">"),
        (9, "<a target=\"_blank\"><img height=\"83\" width=\"156\" border=\"0\" src=\"" + K + "\" /></a></td>"),
        (8, "<td height=\"23\" width=\"597\">"),
        (9, "<span style=\"color: rgb(0,0,0)\">&nbsp;</span></td>"),
        (8, "<td width=\"197\">"),
        (9, "<span style=\"color: rgb(0,0,0)\">&nbsp;</span></td>"),
        (7, "</tr>"),
        (7, "<tr>"),
        (8, "<td height=\"20\">"),
        (9, pre + "</td>"),
        (8, "<td width=\"197\">"),
        (9, "<span style=\"color: rgb(0,0,0)\"><span style=\"font-size: 12px\"></span></span>"),
        (9, "<p class=\"ww-view\" style=\"text-align: center\">"),
        (10, "<span style=\"font-size: 12px; color: rgb(0,0,0)\"><a href=\"" + A("MARKET_HOME_URL") + "/go/act/other/wwgroup.php?spm=0.0.0.46.c29f85&amp;uid=&amp;tribeid=" + G + "\" target=\"_blank\"><img alt=\"点击参观该群\" src=\"" + img + "T1fdykXgtiXXXXXXXX-63-20.gif\" style=\"margin: 0px; float: none\" border=\"0\" /></a></span></p>"),
        (8, "</td>"),
        (7, "</tr>"),
        (7, "<tr>"),
        (8, "<td height=\"20\">"),
        (9, after + "</td>"),
        (8, "<td style=\"text-align: center\" width=\"197\">"),
        (9, "&nbsp;<span style=\"color: rgb(102,102,102)\"><span style=\"font-size: 12px\">买家交流群</span></span></td>"),
        (7, "</tr>"),
        (7, "<tr>"),
        (8, "<td height=\"20\">"),
        (9, BLANK + "</td>"),
        (8, "<td width=\"197\">"),
        (9, BLANK + "</td>"),
        (7, "</tr>"),
        (6, "</tbody>"),
        (5, "</table>"),
        (4, "</td>"),
        (3, "</tr>"),
        (2, "</tbody>"),
        (1, "</table>"),
        (0, "</div>"))


defaults = panel(["第%d条滚动公告信息" % k for k in range(1, 6)], [A("MARKET_HOME_URL")] * 5, [A("MAKER_WW_ACCOUNT")] * 5,
                 [A("MAKER_WW_ACCOUNT")] * 5, A("MAKER_SERVER") + "/Tessaly/upload/images/131104/f34/kefu.gif",
                 A("MARKET_HOME_URL"), "100235789", "#000000", "#FFFFFF")
write("defaults-professional", defaults)
write("defaults-basic", BREAKOUT + defaults + CLOSE)

typed = panel(["公告<%d>" % k for k in range(1, 6)], ["http://n/%d?a&b" % k for k in range(1, 6)],
              ["pre%d" % k for k in range(1, 6)], ["after'%d" % k for k in range(1, 6)], "http://k/kefu.png",
              "http://follow/\"us\"", "778899", "rgb(9,8,7)", "#123456")
write("typed-professional", typed)
write("typed-basic", BREAKOUT + typed + CLOSE)

# Emptied accounts: "touid=cntaobao" ends there and the status image's uid is empty.
write("empty-accounts", panel(["第%d条滚动公告信息" % k for k in range(1, 6)], [A("MARKET_HOME_URL")] * 5, [""] * 5, [""] * 5,
                              A("MAKER_SERVER") + "/Tessaly/upload/images/131104/f34/kefu.gif", A("MARKET_HOME_URL"),
                              "100235789", "#000000", "#FFFFFF"))
