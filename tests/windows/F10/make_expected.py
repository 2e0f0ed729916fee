# "950手拉风琴轮播特效": four title strips, each followed by its image panel, and a fifth strip that closes.
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pieces import A, write

SHOP = A("MAKER_SHOP_ADDRESS")
GIF = A("PLACEHOLDER_GIF_URL")

STRIP = ("<DIV class=zu style=\"BORDER-RIGHT: #dddddd 1px solid; FLOAT: left; PADDING-BOTTOM: 0px; OVERFLOW: hidden;"
         " WIDTH: 30px; CURSOR: pointer; PADDING-TOP: 0px; HEIGHT: ")
ACTIVE = ("<DIV class=\"zu ks-active\" style=\"BORDER-RIGHT: #dddddd 1px solid; FLOAT: left; PADDING-BOTTOM: 0px;"
          " OVERFLOW: hidden; WIDTH: 30px; CURSOR: pointer;PADDING-TOP: 0px; HEIGHT: ")


def accordion(images, titles, links, w, h, bg, tc):
    s = ("<DIV class=J_TModule microscope-data=\"5003-67941621\" data-spm=\"110.0.5003-67941621\" data-title=\"自定义内容区\""
         " data-componentid=\"5003\" data-widgetid=\"67941621\">\r\n<DIV class=\"skin-box tb-module\"><S class=skin-box-tp>"
         "<strong></strong></S>\r\n<DIV class=\"skin-box-bd clear-fix\"><span>\r\n")
    s += ("<DIV class=J_TWidget style=\"WIDTH: 950px; HEIGHT: " + h + "px\" data-widget-config=\"{'effect': 'fade',"
          " 'circular': true ,'contentCls':'piaofu' }\" data-widget-type=\"Tabs\">\r\n<DIV class=piaofu>\r\n"
          "<DIV class=\"J_Slider J_TWidget\" style=\"WIDTH: 950px; HEIGHT: " + h + "px\">\r\n"
          "<DIV style=\"BORDER-RIGHT: #dddddd 1px solid; BORDER-TOP: #dddddd 1px solid; OVERFLOW: hidden; BORDER-LEFT:"
          " #dddddd 1px solid; WIDTH: 948px; BORDER-BOTTOM: #dddddd 1px solid; HEIGHT: " + h + "px\">\r\n"
          "<DIV class=J_TWidget data-widget-config=\"{'triggerType': 'mouse','autoplay':true, 'triggerCls':'zu',"
          " 'panelCls':'ci', 'multiple':false,'hasTriggers':true}\" data-widget-type=\"Accordion\">\r\n"
          "<DIV class=\"J_TWidget section2\" style=\"FLOAT: left; MARGIN-LEFT: 0px; WIDTH: 950px; HEIGHT: " + h
          + "px\">\r\n")
    for k in range(4):
        s += ((ACTIVE if k == 2 else STRIP) + h + "px; BACKGROUND-COLOR: " + bg + "\" align=center>\r\n"
              "<TABLE cellSpacing=0 cellPadding=0 width=15 border=0>\r\n<TBODY>\r\n<TR>\r\n<TD height=" + h
              + "><A style=\"font-weight: normal; COLOR:" + tc + "; LINE-HEIGHT: 14px\" data-attr-replace=\"[{ Ornavo："
              + SHOP + "}]\">" + titles[k] + "</A></TD></TR></TBODY></TABLE></DIV>")
        if k == 0:
            s += ("\r\n<DIV class=ci style=\"DISPLAY: block; FLOAT: left; OVERFLOW: hidden; WIDTH: " + w + "px; HEIGHT:"
                  + h)
        else:
            s += ("<DIV class=\"ci te\" style=\"DISPLAY: none; FLOAT: left; OVERFLOW: hidden; WIDTH: " + w
                  + "px; HEIGHT: " + h)
        s += ("px\"><A target=_blank href=\"" + links[k] + "\" data-attr-replace=\"[]\"><img style=\"WIDTH: " + w
              + "px; HEIGHT: " + h + "px\" src=\"" + GIF + "\" border=0 data-ks-lazyload=\"" + images[k]
              + "\" data-attr-replace=\"[ ]\"></A></DIV>")
    s += ("<DIV class=zu style=\"BORDER-RIGHT: #dddddd 1px solid; FLOAT: left; PADDING-BOTTOM: 0px; OVERFLOW: hidden;"
          " WIDTH: 30px; CURSOR: pointer; PADDING-TOP: 0px;HEIGHT: " + h + "px; BACKGROUND-COLOR: " + bg
          + "\" align=center>\r\n<TABLE cellSpacing=0 cellPadding=0 width=15 border=0>\r\n<TBODY>\r\n<TR>\r\n\r\n"
          "</DIV></DIV></DIV></DIV>\r\n<ul class=ks-switchable-nav>\r\n<li class=ks-active></li></ul></DIV></DIV>"
          "</span></DIV><S class=skin-box-bt><strong></strong></S></DIV></DIV>")
    return s


D = A("MAKER_SERVER") + "/Tessaly/upload/images/131104/F10/"
HOME = A("MARKET_HOME_URL")

write("defaults", accordion([D + "fengqin1.jpg", D + "fengqin2.jpg", D + "fengqin3.jpg", D + "fengqin1.jpg"],
                            ["QuilletOrnavo"] * 4, [HOME] * 4, "825", "350", "#fd9382", "#ffffff"))

# Every field typed (the width keeps 825); markup characters go in unchanged.
write("typed", accordion(["i1.jpg", "i2.jpg", "\"i3'.jpg", "i4.jpg"],
                         ["标题一", "<b>T2</b>", "T&3", "T4"],
                         ["http://l1/", "http://l2/?a=1&b=2", "http://l3/", "http://l4/"],
                         "825", "３２0", "red", "rgb(1,2,3)"))

# After clear: only the width keeps its text.
write("cleared", accordion([""] * 4, [""] * 4, [""] * 4, "825", "", "", ""))
