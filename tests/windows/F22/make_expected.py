# "宝贝轮播展示-分页格子": five tabs on one line, five pages of eight framed cells; the markup ends with
# a line break.
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pieces import A, lines, write

GIF = A("PLACEHOLDER_GIF_URL")
BOX = "<div style=\"margin-top: 4px; width: 230px; height: 230px; margin-left: 4px\">"


def cell(g, k, v):
    """The lines of cell k (1-8) of group g (1-5), with its separator line where it has one."""
    B = v["border"]
    out = []
    if k == 1:
        out.append((15, "<td height=\"237\" width=\"237\">" + BOX))
    elif k == 5:
        out.append((15, "<td height=\"237\">" + BOX))
    elif k in (2, 3, 4):
        out.append((15, "</td><td width=\"237\">"))
        out.append((16, BOX.replace("margin-left: 4px", "margin-left: 5px") if k == 4 else BOX))
    else:
        out.append((15, "</td><td>"))
        out.append((0, BOX))
    frame = "<div style=\"border-bottom: " + B + " 1px solid; border-left: " + B + " 1px solid; padding-bottom: 4px; padding-left: 4px; width: 220px; padding-right: 4px; height: 220px; border-top: " + B + " 1px solid; border-right: " + B + " 1px solid; padding-top: 4px\">"
    if k == 4 and g >= 2:
        frame = frame.replace("<div style=\"border-bottom: ", "<div style=\"border-bottom:", 1)
    out.append((17, frame))
    img = "<img data-ks-lazyload=\"" if (g, k) in [(1, 5), (1, 6), (2, 6), (2, 7), (2, 8)] else "<img border=\"0\" data-ks-lazyload=\""
    G = v["groups"][g - 1]
    out.append((18, "<span><span><a href=\"" + G["links"][k - 1] + "\" target=\"_blank\">" + img + G["pictures"][k - 1] + "\" height=\"220\" src=\"" + GIF + "\" width=\"220\" /></a></span></span></div>"))
    out.append((16, "</div>"))
    return out


def page(g, v):
    out = [
        (9, "<div class=\"ks-tab\" style=\"width: 950px; display: block; float: left\">"),
        (10, "<ul>"),
        (11, "<li style=\"width: 948px; margin-left: 1px\">"),
        (12, "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" width=\"948\">"),
        (13, "<tbody>"),
        (14, "<tr>"),
    ]
    for k in (1, 2, 3, 4):
        out += cell(g, k, v)
    out += [(15, "</td></tr>"), (14, "<tr>")]
    for k in (5, 6, 7, 8):
        out += cell(g, k, v)
    out += [
        (15, "</td></tr>"),
        (13, "</tbody>"),
        (12, "</table>"),
        (11, "</li>"),
        (10, "</ul>"),
        (9, "</div>"),
    ]
    return out


def markup(v):
    BG = v["background"]
    tabs = ""
    for g in range(1, 6):
        G = v["groups"][g - 1]
        tabs += ("<li class=\"ks-active\" style=\"text-align: center;" if g == 3 else "<li style=\"text-align: center;") + " line-height: 25px; width: 100px; background: " + G["background"] + "; float: left; height: 25px; margin-left: 5px\"><span><span><span style=\"color: #FFFFFF\">" + G["title"] + "</span></span></span></li>"
    out = [
        (0, "<div class=\"skin-box-bd clear-fix\">"),
        (1, "<div align=\"left\" class=\"tb-module\" style=\"width: 950px; float: left; height: 500px\">"),
        (2, "<div class=\"J_TWidget biaoqian\" data-widget-config=\"{'effect': '" + v["effect"] + "','autoplay': true,'navCls':'ks-switchable-nav','contentCls':'ks-switchable-content'}\" data-widget-type=\"Tabs\" style=\"border-bottom: rgb(0,0,0) 1px; position: relative; border-left: rgb(0,0,0) 1px; background-color: " + BG + "; width: 950px; height: 500px; border-top: rgb(0,0,0) 1px; border-right: rgb(0,0,0) 1px\">"),
        (3, "<div style=\"border-bottom: rgb(91,146,192) 2px solid; width: 950px; float: left; height: 25px\">"),
        (4, "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" width=\"950\">"),
        (5, "<tbody>"),
        (6, "<tr>"),
        (7, "<td height=\"25\" valign=\"center\">"),
        (8, "<ul class=\"ks-switchable-nav\" style=\"width: 950px; float: left; height: 25px; color: " + BG + "; font-size: 12px\">"),
        (0, tabs + "</ul>"),
        (7, "</td>"),
        (6, "</tr>"),
        (6, "<tr>"),
        (7, "<td valign=\"center\">"),
        (8, "<div class=\"ks-switchable-content\" style=\"width: 950px; float: left; left: -1px; transition-property: none; transition-timing-function: linear\">"),
    ]
    for g in range(1, 6):
        if g == 3:
            out.append((0, ""))
        out += page(g, v)
    out += [
        (8, "</div>"),
        (7, "</td>"),
        (6, "</tr>"),
        (5, "</tbody>"),
        (4, "</table>"),
        (3, "</div>"),
        (2, "</div>"),
        (1, "</div>"),
        (0, "</div>"),
        (0, ""),
    ]
    return lines(*out)


DIGITS = [[1, 2, 3, 4, 5, 6, 7, 8], [8, 7, 6, 5, 4, 3, 2, 1], [4, 5, 6, 7, 1, 3, 8, 2],
          [5, 8, 6, 7, 3, 2, 4, 1], [4, 1, 5, 6, 2, 3, 1, 8]]


def default_group(g):
    return dict(pictures=[A("MAKER_SERVER") + "/Tessaly/upload/images/131104/f22/sc%d.jpg" % d for d in DIGITS[g - 1]],
                links=[A("MARKET_HOME_URL")] * 8, title="Ornavo%d" % g,
                background="#CA0000" if g in (1, 3, 5) else "#2B2B2B")


def empty_group():
    return dict(pictures=[""] * 8, links=[""] * 8, title="", background="")


def values(effect, groups, background="#C8E3E3", border="#7EBEBE"):
    return dict(effect=effect, groups=groups, background=background, border=border)


defaults = [default_group(g) for g in range(1, 6)]
write("defaults-fade", markup(values("fade", defaults)))
write("no-effect-yet", markup(values("", defaults)))

# A text of its own in all 92 fields (see typed.recipe), with the left-right effect.
typed = [dict(pictures=["http://img.test/g%dp%d.jpg" % (g, k) for k in range(1, 9)],
              links=["http://shop.test/g%d/i%d?x=1&y=2" % (g, k) for k in range(1, 9)],
              title="组%d标题" % g, background="#%d0%d0%d0" % (g, g, g)) for g in range(1, 6)]
typed[3]["title"] = "<b>\"4\" & '四'</b>"
write("typed-scrollx", markup(values("scrollx", typed, background="rgb(9,8,7)", border="#123456")))

# Group 2 cleared (Yes), group 4's clear answered No, fade.
g2 = [default_group(g) for g in range(1, 6)]
g2[1] = empty_group()
write("group-two-cleared", markup(values("fade", g2)))

# Clear all after picking left-right: the list shows nothing, the effect stays.
write("clear-all-keeps-effect", "\n" + markup(values("scrollx", [empty_group()] * 5, background="", border="")))
