# "广告图轮播-带缩略图": a slide widget with five large images and a row of five thumbnails.
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pieces import A, write


def carousel(effect, large, thumbs, links, bw, bh, sw, sh, upper, total):
    s = ("<div class=\"slider-promo J_TWidget\" data-widget-config=\"{'effect': '" + effect + "','triggerType':"
         "'mouse','duration': 0.5,'autoplay':true,'navCls': 'lst-trigger','contentCls': 'lst-main','activeTriggerCls':"
         " 'current'}\" data-widget-type=\"Slide\" style=\"width: " + bw + "px; height: " + total + "px\">\r\n\t<div "
         "style=\"overflow: hidden; height: " + upper + "px\">\r\n\t\t<div class=\"lst-main\">")
    for k in range(5):
        s += ("<div>\r\n\t\t\t\t<a href=\"" + links[k] + "\" style=\"width: " + bw + "px; height: " + bh + "px\" "
              "target=\"_blank\"><img height=\"" + bh + "\" src=\"" + large[k] + "\" width=\"" + bw + "\" /></a></div>")
    s += "</div>\r\n\t</div>\r\n\t"
    s += ("<div class=\"lst-trigger\" style=\" filter: progid:DXImageTransform.Microsoft.Alpha(opacity=100); left: 0px;"
          " margin-bottom: 0px; width: " + bw + "px; cursor: pointer; line-height: " + sh + "px; height: " + sh
          + "px; text-align: center; opacity: 1\">\r\n\t\t\r\n\t\t\r\n\t\t")
    s += ("<div class=\"current\" style=\"float: left; width: 20%; height: " + sh + "px; left: 1px\">\r\n\t\t\t<img "
          "border=\"0\" src=\"" + thumbs[0] + "\" width=" + sw + " height=\"" + sh + "\"></div>\r\n\t\t\t\r\n\t\t\t\r\n"
          "\t\t")
    s += ("<div style=\"float: left; width: 20%; height: " + sh + "px;; left: 1px\">\r\n\t\t\t\t\t\t<img border=\"0\" "
          "src=\"" + thumbs[1] + "\" width=" + sw + " height=\"" + sh + "\"></div>\r\n\r\n\t\t")
    s += ("<div style=\"float: left; width: 20%; height: " + sh + "px; left: 1px\">\r\n\t\t\t\t\t<img border=\"0\" "
          "src=\"" + thumbs[2] + "\" width=" + sw + " height=\"" + sh + "\"></div>\r\n\r\n\t\t")
    s += ("<div style=\"float: left; width: 20%; height: " + sh + "px; left: 1px\">\r\n\t\t\t<img border=\"0\" "
          "src=\"" + thumbs[3] + "\" width=" + sw + " height=\"" + sh + "\"></div>\r\n\r\n\t\t")
    s += ("<div style=\"float: left; width: 20%; height: " + sh + "px; left: 1px\">\r\n\t\t\t<img border=\"0\" "
          "src=\"" + thumbs[4] + "\" width=" + sw + " height=\"" + sh + "\"></div>\r\n</div>\r\n</div>")
    return s


D = A("MAKER_SERVER") + "/Tessaly/upload/images/131104/f25/"
LARGE = [D + "dsc%d.jpg" % k for k in range(1, 6)]
THUMBS = [D + "xsc%d.jpg" % k for k in range(1, 6)]
HOME = [A("MARKET_HOME_URL")] * 5

write("defaults-fade", carousel("fade", LARGE, THUMBS, HOME, "950", "450", "180", "85", "455", "540"))
# Before any pick the effect is empty.
write("defaults-no-mode", carousel("", LARGE, THUMBS, HOME, "950", "450", "180", "85", "455", "540"))
# Every field typed; the heights carry units and blanks, which the sums pass over.
write("typed-scrolly", carousel("scrolly", ["B%d" % k for k in range(1, 6)], ["S%d" % k for k in range(1, 6)],
                                ["L1", "L2", "L3?a=1&b=\"2\"", "L4", "L5"], "760", "300px", "150", " 60",
                                "305", "365"))
# Heights typed in full-width digits count with their values.
write("full-width-heights", carousel("fade", LARGE, THUMBS, HOME, "950", "４００", "180", "９０", "405", "495"))
# Clear empties every field and the list, but the effect picked before stays.
write("cleared", carousel("scrolly", [""] * 5, [""] * 5, [""] * 5, "", "", "", "", "5", "5"))
