# "广告图轮播-SDK百叶窗渐变特效": ten slices of 95 pixels over the first image; both editions.
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pieces import A, write

# slice: class, duration, offset, item with image 2 clickable, item with image 1 clickable
SLICES = [("p_sum10", "0.2", "0px", True, True), ("p_sum11", "0.3", "-95px", True, True),
          ("p_sum12", "0.4", "-190px", False, False), ("p_sum13", "0.5", "-285px", False, False),
          ("p_sum14", "0.6", "-380px", False, False), ("p_sum15", "0.7", "-475px", True, False),
          ("p_sum16", "0.8", "-570px", False, False), ("p_sum17", "0.9", "-665px", False, False),
          ("p_sum18", "1", "-760px", False, False), ("p_sum19", "1.1", "-855px", False, False)]


def item(h, offset, image, link, clickable):
    a = ("<A style=\"DISPLAY: block; WIDTH: 95px; HEIGHT: " + h + "px\" href=\"" + link + "\" target=_blank></A>"
         if clickable else "<A href=\"" + link + "\" target=_blank></A>")
    return ("<li style=\"BACKGROUND-POSITION: " + offset + " 0px; DISPLAY: block; FLOAT: left; BACKGROUND-IMAGE: url("
            + image + "); WIDTH: 95px; HEIGHT: " + h + "px\">" + a + "</li>")


def professional(i1, l1, i2, l2, w, h):
    s = ("\r\n<DIV class=\"skin-box tb-module\"><S class=skin-box-tp><strong></strong></S>\r\n<DIV class=\"skin-box-bd "
         "clear-fix\"><span>\r\n<DIV class=\"sein67 sei_sum1 -promo\" style=\"DISPLAY: block; BACKGROUND: url(" + i1
         + ") no-repeat; WIDTH: " + w + "px; HEIGHT: " + h + "px\">\r\n")
    for n, (cls, duration, offset, second, first) in enumerate(SLICES):
        ul = ("OVERFLOW: hidden; WIDTH: 190px; TOP: 0px; HEIGHT: " + h + "px\">\r\n" if n == 9
              else "WIDTH: 190px; HEIGHT: " + h + "px\">\r\n")
        s += ("<DIV class=\"yepian " + cls + "\" style=\"DISPLAY: block; FLOAT: left; OVERFLOW: hidden; WIDTH: 95px;"
              " HEIGHT: " + h + "px\">\r\n<DIV class=J_TWidget style=\"HEIGHT: " + h + "px\" data-widget-config=\"{"
              "'hasTriggers':false,'contentCls':'lst-main','autoplay':true,'effect':'scrollx','easing':'easeBothStrong',"
              "'interval':'5','duration':'" + duration + "','pauseOnHover':false}\" data-widget-type=\"Slide\">\r\n"
              "<ul class=\"stage lst-main\" style=\"" + ul)
        s += item(h, offset, i2, l2, second) + item(h, offset, i1, l1, first)
        s += "</ul></DIV></DIV>" + ("\r\n" if n < 9 else "")
    return s + "</DIV></span></DIV><S class=skin-box-bt><strong></strong></S></DIV></DIV>"


def basic(code):
    return ("<div class=\"J_TWidget\" data-widget-config=\"{'effect': 'fade', 'circular': true ,'contentCls':'taobaoux'}"
            "\" data-widget-type=\"Tabs\" style=\"height:580px;overflow:hidden;\">\r\n        <div class=\"taobaoux\">\r\n"
            "                <div class=\"footer-more-trigger\" style=\"border-bottom:medium none;border-left:medium none;"
            "padding-bottom:0px;padding-left:0px;width:950px;padding-right:0px;height:580px;border-top:medium none;"
            "top:auto;border-right:medium none;padding-top:0px;left:50%;\">\r\n                        <div "
            "class=\"footer-more-trigger\" style=\"border-bottom:medium none;border-left:medium none;padding-bottom:0px;"
            "padding-left:0px;width:950px;padding-right:0px;height:580px;border-top:medium none;border-right:medium none;"
            "padding-top:0px;left:-375px;\">" + code + "</div></div></div></div>")


D = A("MAKER_SERVER") + "/Tessaly/upload/images/131104/f27/"
HOME = A("MARKET_HOME_URL")
defaults = professional(D + "sc1.jpg", HOME, D + "sc2.jpg", HOME, "950", "400")
write("defaults-professional", defaults)
write("defaults-basic", basic(defaults))

typed = professional("one.jpg", "http://l1/?a=1&b=2", "two\".jpg", "http://l2/", "700", "300")
write("typed-professional", typed)
write("typed-basic", basic(typed))

# An empty image address gives url() wherever that image is used.
write("empty-image", professional("", HOME, D + "sc2.jpg", HOME, "950", "400"))
