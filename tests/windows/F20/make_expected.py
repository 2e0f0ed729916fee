# "宝贝轮播展示-旋转木马轮播": eight slides and eight thumbnails inside the custom-area wrapper with its
# cache comment; the basic edition wraps the same markup in the breakout block.
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pieces import A, lines, write

GIF = A("PLACEHOLDER_GIF_URL")
GREY = "rgb(204,204,204) 1px solid"

BREAKOUT = ("<div class=\"J_TWidget\" data-widget-config=\"{'effect': 'fade', 'circular': true ,'contentCls':'taobaoux'}\" data-widget-type=\"Tabs\" style=\"height:580px;overflow:hidden;\">\r\n"
            + " " * 8 + "<div class=\"taobaoux\">\r\n"
            + " " * 16 + "<div class=\"footer-more-trigger\" style=\"border-bottom:medium none;border-left:medium none;padding-bottom:0px;padding-left:0px;width:950px;padding-right:0px;height:580px;border-top:medium none;top:auto;border-right:medium none;padding-top:0px;left:50%;\">\r\n"
            + " " * 24 + "<div class=\"footer-more-trigger\" style=\"border-bottom:medium none;border-left:medium none;padding-bottom:0px;padding-left:0px;width:950px;padding-right:0px;height:580px;border-top:medium none;border-right:medium none;padding-top:0px;left:-375px;\">")
assert len(BREAKOUT) == 744


def basic(pro):
    return BREAKOUT + pro + "</div></div></div></div>"


# Slide table: picture height / width attributes and title variant; slide 03 has a blank before <img.
SLIDES = [("407", "400", "A"), ("600", "600", "B"), ("642", "629", "B"), ("496", "500", "C"),
          ("308", "310", "B"), ("642", "629", "B"), ("350", "350", "C"), ("310", "310", "D")]

ANCHOR = "<a href=\"商品链接\" style=\"color:rgb(17,17,17);\" target=\"_blank\">"


def title_line(variant, title):
    return {
        "A": "<span>" + ANCHOR + " " + title + "</a></span></div>",
        "B": "<span>" + ANCHOR + "</a> " + ANCHOR + title + "</a></span></div>",
        "C": "<span>" + ANCHOR + title + "</a></span></div>",
        "D": "<span>" + ANCHOR + "</a> " + ANCHOR + " " + title + "</a></span></div>",
    }[variant]


def slide(n, p):
    h, w, variant = SLIDES[n - 1]
    last = n == 8
    blank = " " if n == 3 else ""
    price = ("<span><font style=\"margin-left:80px;\">RMB</font> <font data-attr-replace=\"[8商品价格'}]\" style=\"color:rgb(220,0,0);font-size:25px;font-weight:800;\">" if last
             else "<span><font style=\"margin-left:80px;\">RMB</font> <font style=\"color:rgb(220,0,0);font-size:25px;font-weight:800;\">") + p["price"] + "</font></span></div>"
    sold = ("<span><font style=\"margin-left:20px;\">宝贝已售出：</font><font data-attr-replace=\"[8销售数量'}]\" style=\"font-size:16px;\">" if last
            else "<span><font style=\"margin-left:20px;\">宝贝已售出：</font><font style=\"font-size:16px;\">") + p["sales"] + "</font>件</span></div>"
    badge = ("<span><font style=\"margin:0px 5px;\">买家好评100%</font></span></div>" if last
             else "<span><font style=\"margin:0px 5px;\">买家好评</font><font>100%</font></span></div>")
    details = ("<span><font style=\"margin:0px 5px;\"> <a data-attr-replace=\"[{'type':'href','desc':'No.8的连接地址'}]\" href=\"" if last
               else "<span><font style=\"margin:0px 5px;\"> <a href=\"") + p["link"] + "\" style=\"color:rgb(255,255,255);\" target=\"_blank\">宝贝详情</a></font></span></div>"
    return [
        (6, "<li style=\"width:890px;height:310px;font-size:12px;list-style-image:none;\">"),
        (7, "<div style=\"float:left;margin-right:25px;\">"),
        (8, "<span><a href=\"" + p["link"] + "\" target=\"_blank\">" + blank + "<img border=\"0\" data-ks-lazyload=\"" + p["picture"] + "\" height=\"" + h + "\" src=\"" + GIF + "\" style=\"width:310px;height:310px;\" width=\"" + w + "\" /></a></span></div>"),
        (7, "<div style=\"margin-top:30px;background:rgb(255,255,255);float:left;color:rgb(51,51,51);\">"),
        (8, "<div style=\"font-family:微软雅黑;color:rgb(239,139,2);font-size:50px;\">"),
        (9, "<span>热销<font style=\"color:rgb(0,0,0);\"> No." + str(n) + "</font></span></div>"),
        (8, "<div style=\"margin-top:10px;width:535px;font-size:25px;\">"),
        (9, title_line(variant, p["title"])),
        (8, "<div style=\"line-height:30px;margin-top:20px;font-family:微软雅黑;height:30px;font-size:18px;\">"),
        (9, price),
        (8, "<div style=\"line-height:30px;float:left;height:20px;\">"),
        (9, sold),
        (8, "<div style=\"line-height:30px;float:left;height:20px;margin-left:20px;\">"),
        (9, "<span><font style=\"margin-left:20px;\">人气收藏指数：</font><font data-attr-replace=\"[代码制作:Tessaly'}]\" style=\"font-size:16px;\">" + p["favourites"] + "</font>人</span></div>"),
        (8, "<div style=\"height:10px;clear:both;\">"),
        (9, "&nbsp;</div>"),
        (8, "<div style=\"border-bottom:rgb(204,204,204) 1px solid;border-left:rgb(204,204,204) 1px solid;line-height:20px;width:315px;float:left;height:20px;overflow:hidden;border-top:rgb(204,204,204) 1px solid;border-right:rgb(204,204,204) 1px solid;\">"),
        (9, "<span><a href=\"" + p["link"] + "\" style=\"color:rgb(17,17,17);\" target=\"_blank\">" + p["link"] + "</a></span></div>"),
        (8, "<div style=\"line-height:20px;background:rgb(0,153,0);float:left;height:20px;color:rgb(255,255,255);margin-left:5px;\">"),
        (9, badge),
        (8, "<div style=\"line-height:20px;background:rgb(255,144,11);float:left;height:20px;color:rgb(255,255,255);margin-left:5px;\">"),
        (9, details),
        (7, "</div>"),
        (6, "</li>"),
    ]


def thumbnail(n, p):
    h, w, _ = SLIDES[n - 1]
    anchor = (7, "<span><a data-attr-replace=\"[{'type':'href','desc':'No." + str(n) + "的连接地址'}]\" href=\"" + p["link"] + "\" target=\"_blank\"><img border=\"0\" data-ks-lazyload=\"" + p["picture"] + "\" height=\"" + h + "\" src=\"" + GIF + "\" style=\"margin:4px;width:100px;height:100px;\" width=\"" + w + "\" /></a></span></li>")
    if n == 1:
        return [(5, "<ul class=\"nav\"><li style=\"border-bottom:rgb(204,204,204) 1px solid;border-left:rgb(204,204,204) 1px solid;width:108px;float:left;height:108px;border-top:rgb(204,204,204) 1px solid;border-right:rgb(204,204,204) 1px solid;\">"), anchor]
    return [(6, "<li style=\"border-bottom:rgb(204,204,204) 1px solid;border-left:medium none;width:108px;float:left;height:108px;border-top:rgb(204,204,204) 1px solid;border-right:rgb(204,204,204) 1px solid;\">"), anchor]


def professional(products):
    out = [
        (0, "<div class=\"J_TModule\" data-componentid=\"5003\" data-spm=\"110.0.5003-600731806\" data-title=\"自定义内容区\" data-widgetid=\"600731806\" id=\"shop600731806\" microscope-data=\"5003-600731806\">"),
        (1, "<!-- cache-info: componentId=5003 cacheKey=i-600731806-8 cachedTime=2013-03-24 11:02:02 putHost=" + A("CACHE_HOST_IPV4") + " expireTime=14400 -->"),
        (1, "<div class=\"skin-box tb-module tshop-pbsm tshop-pbsm-shop-self-defined\">"),
        (2, "<s class=\"skin-box-tp\"></s>"),
        (2, "<div class=\"skin-box-bd clear-fix\">"),
        (3, "<div class=\"J_TWidget top20\" data-widget-config=\"{'effect':'scrollx','easing':'easeOutStrong','prevBtnCls':'prev','nextBtnCls':'next','navCls':'nav','contentCls':'content','activeTriggerCls':'active','autoplay':true}\" data-widget-type=\"Carousel\" style=\"border-bottom:rgb(204,204,204) 1px solid;border-left:rgb(204,204,204) 1px solid;padding-bottom:15px;background-color:rgb(255,255,255);width:948px;height:435px;border-top:rgb(204,204,204) 1px solid;border-right:rgb(204,204,204) 1px solid;padding-top:20px;\">"),
        (4, "<div style=\"width:890px;font-family:arial;height:310px;overflow:hidden;\">"),
        (5, "<ul class=\"content\" style=\"margin-left:25px;\">"),
    ]
    for n in range(1, 9):
        out += slide(n, products[n - 1])
    out += [
        (5, "</ul>"),
        (4, "</div>"),
        (4, "<div style=\"height:20px;clear:both;\">"),
        (5, "&nbsp;</div>"),
        (4, "<div style=\"width:950px;\">"),
        (5, "<div class=\"prev\" style=\"width:26px;float:left;height:110px;cursor:pointer;margin-right:12px;\">"),
        (6, "&nbsp;</div>"),
        (5, "<div class=\"next\" style=\"width:26px;float:right;height:110px;cursor:pointer;margin-right:2px;\">"),
        (6, "&nbsp;</div>"),
    ]
    for n in range(1, 9):
        out += thumbnail(n, products[n - 1])
    out += [
        (5, "</ul>"),
        (4, "</div>"),
        (3, "</div>"),
        (2, "</div>"),
        (2, "<s class=\"skin-box-bt\"></s></div>"),
        (0, "</div>"),
    ]
    return lines(*out)


def product(picture, link, title, price, favourites, sales):
    return dict(picture=picture, link=link, title=title, price=price, favourites=favourites, sales=sales)


defaults = [product(A("MAKER_SERVER") + "/Tessaly/upload/images/131104/f20/sc" + str(n) + ".jpg", A("MARKET_HOME_URL"),
                    "QuilletOrnavo", "49.00", "50", "108") for n in range(1, 9)]
write("defaults-professional", professional(defaults))
write("defaults-basic", basic(professional(defaults)))

# A text of its own in every field (see typed.recipe); product 3's title holds markup characters.
typed = [product("http://img.test/p%d.jpg" % n, "http://shop.test/item%d?a=1&b=2" % n, "标题%d" % n,
                 "%d9.90" % n, "F%d" % n, "S%d" % n) for n in range(1, 9)]
typed[2]["title"] = "<b class=\"x\">It's & more</b>"
write("typed-professional", professional(typed))
write("typed-basic", basic(professional(typed)))

# Everything cleared: the code box shows empty, then the fixed markup with empty insertions.
write("cleared", "\n" + professional([product("", "", "", "", "", "")] * 8))
