# "广告图轮播-方向箭头轮播": a fixed-size Carousel with two arrow buttons and four linked images.
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pieces import A, write

GIF = A("PLACEHOLDER_GIF_URL")
SHOP = A("MAKER_SHOP_ADDRESS")


def carousel(images, links, left, right, top):
    item = ("\" target=_blank data-attr-replace=\"[ {'type':'href','desc':'" + SHOP + "'}]\"><img alt=\"\" src=\"" + GIF
            + "\" data-attr-replace=\"[" + SHOP + "]\" data-ks-lazyload=\"")
    return ("\r\n<DIV class=\"slider-promo J_Slider J_TWidget\" style=\"WIDTH: 950px; HEIGHT: 460px\">\r\n<DIV style=\""
            "BORDER-RIGHT: #999999 0px double; BORDER-TOP: #999999 0px double; BORDER-LEFT: #999999 0px double; "
            "BORDER-BOTTOM: #999999 0px double\">\r\n<DIV class=\"J_TWidget hotrecommend clearfix\" data-widget-type=\""
            "Carousel\" data-widget-config=\"{'effect':'scrollx','easing':'easeOutStrong','steps':1,'viewSize':[850],"
            "'prevBtnCls':'prev','nextBtnCls':'next','lazyDataType':'img-src','navCls':'nav','contentCls':'content',"
            "'activeTriggerCls':'selected','autoplay':'true',' OVERFLOW':'hidden'}\">\r\n<DIV class=prev style=\"FLOAT: "
            "right; WIDTH: 45px; CURSOR: pointer; PADDING-TOP: "
            + top
            + "px; \"><img  src=\"" + GIF + "\" width=45 data-ks-lazyload=\""
            + right
            + "\"></DIV>\r\n<DIV class=next style=\"FLOAT: left; WIDTH: 45px; CURSOR: pointer; PADDING-TOP: "
            + top
            + "px; \"><img  src=\"" + GIF + "\" width=45 data-ks-lazyload=\""
            + left
            + "\"></DIV>\r\n<DIV class=contentwarp style=\"MARGIN: auto; OVERFLOW: hidden; WIDTH: 854px; TOP: 3px; "
            "HEIGHT: 460px\">\r\n<ul class=content><li><A href=\""
            + links[0] + item + images[0]
            + "\"></A> <li><A href=\""
            + links[1] + item + images[1]
            + "\"></A> <li><A href=\""
            + links[2] + item + images[2]
            + "\"></A> <li><A href=\""
            + links[3] + item + images[3]
            + "\"></A> </li>\r\n\r\n\r\n\r\n</ul></DIV></DIV></DIV></DIV></TD>")


D = A("MAKER_SERVER") + "/Tessaly/upload/images/131104/f30/"
write("defaults", carousel([D + "sc1.jpg", D + "sc4.jpg", D + "sc5.jpg", D + "sc6.jpg"], [A("MARKET_HOME_URL")] * 4,
                           D + "zuojiantou.gif", D + "youjiantou.gif", "130"))
write("typed", carousel(["I1", "I2", "I3\"x", "I4"], ["L1", "L2", "L3", "L4?a=1&b=2"], "left.png", "right.png", "88"))
# Clear keeps the distance from the top; empty arrows leave their lazy-load values empty.
write("cleared", carousel([""] * 4, [""] * 4, "", "", "130"))
