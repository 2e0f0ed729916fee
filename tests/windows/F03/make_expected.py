# "全屏海报": one poster centred by two nested boxes; the list picks give class, styles and target.
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pieces import A, write

def poster(height, box_class, outer, inner, link, target, image, width):
    return ("<div style=\"height:" + height + "px;\">\r\n<div class=\"" + box_class + "\"\r\nstyle=\"" + outer
            + "\">\r\n<div class=\"" + box_class + "\"\r\nstyle=\"" + inner
            + "\">\r\n<!--可以HTML代码替换本区域  开始-->\r\n<a href=\"" + link + "\" target=\"" + target
            + "\">\r\n<img src=\"" + image + "\"width=\"" + width + "px\"height=\"" + height
            + "px\"border=\"0\" />\r\n</a>\r\n<!--可以HTML代码替换本区域  结束-->\r\n</div>\r\n</div>\r\n</div>")

image = A("MAKER_SERVER") + "/Tessaly/upload/images/131018/qplb/qplb2.jpg"

# Defaults, market store, new window: offset 1920 / -2.
write("defaults-market-store", poster("500", "footer-more-trigger", "left:50%;top:auto;border:none;padding:0;",
                                      "left:-960px;top:auto;border:none;padding:0;", A("MARKET_HOME_URL"), "_blank",
                                      image, "1920"))

# Every field typed, Tmall store, same window: an odd width gives a half-pixel offset.
write("typed-tmall", poster("3０0", "sn-simple-logo", "padding:0px;left:50%;top:auto;",
                            "padding:0px;left:-500.5px;top:auto;", "http://x/?a=1&b=\"2\"", "_self",
                            "<img src='p'>", "1001"))
