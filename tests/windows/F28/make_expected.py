# "广告图轮播-圆点导航轮播": a layout block around a fading slide of three images and three round dots.
# Also imported by the square-dot window's script, which changes only the sprite.
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pieces import A, write

GIF = A("PLACEHOLDER_GIF_URL")
HOST = A("MAKER_IMAGE_HOST")


def carousel(images, links, w, h, left, top, sprite="/upload/images/131104/f28/yuandian.png"):
    s = ("\r\n\t\t\t\t<div class=\"layout grid-m0\" data-componentid=\"231\" data-context=\"bd\" data-id=\"503353748\" "
         "data-prototypeid=\"231\" data-widgetid=\"503353748\">\r\n\t\t\t\t\t<div class=\"col-main\">\r\n\t\t\t\t\t\t"
         "<div class=\"main-wrap\" data-modules=\"main\" data-width=\"")
    s += w
    s += ("\" style=\"overflow: visible\">\r\n\t\t\t\t\t\t\t<div data-componentid=\"5003\" data-spm=\"110.0.5003-658350553\""
          " data-title=\"TessalyOrnavo：" + A("MAKER_SHOP_ADDRESS") + "\" data-widgetid=\"658350553\">\r\n\t\t\t\t\t\t\t\t"
          "<div class=\"skin-box tb-module\">\r\n\t\t\t\t\t\t\t\t\t<span><s class=\"skin-box-tp\"></s></span>\r\n\t\t\t\t"
          "\t\t\t\t\t<div class=\"skin-box-bd clear-fix\">\r\n\t\t\t\t\t\t\t\t\t\t<div>\r\n\t\t\t\t\t\t\t\t\t\t\t<div "
          "class=\"tanchu987\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t<div class=\"J_TWidget g_foot\" data-widget-config=\"{'effect':"
          "'fade','easing':'easeBothStrong','autoplay':true,'contentCls':'yezidian_content_jumeiyoupin20121203','navCls':"
          "'yezidian_nav_jumeiyoupin20121203','activeTriggerCls':'hidden'}\" data-widget-type=\"Slide\" style=\""
          "padding-right: 0px; padding-left: 0px; left: 0px; padding-bottom: 0px; margin: 0px; width: ")
    s += w + "px; padding-top: 0px; top: 0px; height: " + h
    s += "px\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t<div style=\"overflow: hidden; width: " + w + "px; height: " + h
    s += ("px\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t<ul class=\"yezidian_content_jumeiyoupin20121203\">\r\n\t\t\t\t\t\t\t\t"
          "\t\t\t\t\t\t\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t<li style=\"width: ")
    for k in range(3):
        s += (w + "px; height: " + h + "px\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<span><span><span><a href=\"" + links[k]
              + "\" target=\"_blank\"><img border=\"0\" data-ks-lazyload=\"" + images[k] + "\" src=\"" + GIF
              + "\" width=\"" + w + "\" height=\"" + h + "\"/></a></span></span></span></li>")
        if k < 2:
            s += "<li style=\"width: "
    url = HOST + sprite
    s += ("\r\n\r\n\r\n\r\n\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t</ul>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t"
          "\t\t\t\t\t\t<ul class=\"yezidian_nav_jumeiyoupin20121203 footer-more-trigger\" style=\"border-right: 0px; "
          "padding-right: 0px; border-top: 0px; padding-left: 0px; z-index: 99; background: url(" + url
          + ") no-repeat 0px 0px; left: ")
    s += left
    s += ("px; padding-bottom: 0px; border-left: 0px; width: 70px; text-indent: 0px; line-height: 11px; padding-top: "
          "0px; border-bottom: 0px; top: ")
    s += top
    s += ("px; height: 11px\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t<li class=\"hidden\" "
          "style=\"display: inline; float: left; cursor: pointer\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<div style=\""
          "background: url(" + url + ") no-repeat 0px -11px; width: 11px; height: 11px\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t"
          "\t\t\t\t<span><span><span>&nbsp;</span></span></span></div>\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n\t\t\t\t\t\t\t"
          "\t\t\t\t\t\t\t</li>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n\t\t\t\t\t\t\t\t\t\t"
          "\t\t\t\t\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t<li style=\"display: inline; float: left; margin-left: 15px; cursor: "
          "pointer\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<div style=\"background: url(" + url + ") no-repeat -26px -11px;"
          " width: 11px; height: 11px\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<span><span><span>&nbsp;</span></span>"
          "</span></div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t    </li>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t    \r\n\t\t\t\t\t\t\t"
          "\t\t\t\t\t\t    \r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t<li style=\"display: inline; float: left; margin-left: 15px; "
          "cursor: pointer\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<div style=\"background: url(" + url + ") no-repeat "
          "-52px -11px; width: 11px; height: 11px\">\r\n" + " " * 63 + "<span><span><span>&nbsp;</span></span></span>"
          "</div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t</li>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
          "\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t</ul>\r\n\t\t"
          "\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t"
          "\t</div>\r\n\t\t\t\t\t\t\t\t\t<span><s class=\"skin-box-bt\"></s></span></div>\r\n\t\t\t\t\t\t\t</div>\r\n"
          "\t\t\t\t\t\t</div>\r\n\t\t\t\t\t</div>\r\n\t\t\t\t</div>\r\n\t\t\t</div>\r\n\t\t</div>\r\n\t\t<s class=\""
          "skin-box-bt\"></s></div>\r\n</div>")
    return s


if __name__ == "__main__":
    D = A("MAKER_SERVER") + "/Tessaly/upload/images/131104/f28/"
    HOME = [A("MARKET_HOME_URL")] * 3
    write("defaults", carousel([D + "sc1.jpg", D + "sc2.jpg", D + "sc3.jpg"], HOME, "950", "450", "435", "420"))
    # Every field typed; the height's change moves the top distance, which is typed again afterwards.
    write("typed", carousel(["I1", "I2\"'", "I3"], ["L1", "L2?a=1&b=2", "<L3>"], "790", "300", "377", "255"))
    # A height typed alone: the dots follow it (the C library reads "360px" as 360, "３６０" as 0).
    write("height-sets-top", carousel([D + "sc1.jpg", D + "sc2.jpg", D + "sc3.jpg"], HOME, "950", "360px", "435", "330"))
    write("full-width-height", carousel([D + "sc1.jpg", D + "sc2.jpg", D + "sc3.jpg"], HOME, "950", "３６０", "435", "-30"))
    # Clear keeps the left distance; emptying the height puts the dots at -30.
    write("cleared", carousel([""] * 3, [""] * 3, "", "", "435", "-30"))
