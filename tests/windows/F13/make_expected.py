# "宝贝轮播展示（促销活动）": the markup as its 67 pieces, in order; F["…"] is the field 编辑框_… .
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pieces import A, write


def markup(F):
    return "".join([
    "<div style=\"height: 336px\">\r\n\t<div class=\"J_TWidget\" data-widget-config=\"{&#13; &#10;&#10;'effect': 'fade',&#13; 'circular': true ,&#13; 'navCls':'toseise',&#13; &#10;&#10;'activeTriggerCls':'odslos',&#13; 'contentCls':'piaofu'&#13; }\" data-widget-type=\"Tabs\">\r\n\t\t<ul class=\"toseise\" style=\"display: none\">\r\n\t\t\t<li class=\"odslos\">\r\n\t\t\t\t</li>\r\n\t\t</ul>\r\n\t\t<div class=\"piaofu\">\r\n\t\t\t<div style=\"z-index: 99; width: 950px; background: ",  # 1
    F["背景颜色"],  # 2
    "; height: 336px\">\r\n<table align=\"left\" bgcolor=\"",  # 3
    F["背景颜色"],  # 4
    "\" border=\"0\" cellpadding=\"0\"\r\ncellspacing=\"0\" class=\"\" width=\"950\">\r\n<tbody><tr><td bgcolor=\"",  # 5
    F["背景颜色"],  # 6
    "\">\r\n<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" width=\"950\">\r\n\t\t\t\t\t\t\t\t\t<tbody>\r\n\t\t\t\t\t\t\t\t\t\t<tr>\r\n\t\t\t\t\t\t\t\t\t\t\t<td width=\"100%\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t<div class=\"slider-promo J_TWidget\" data-widget-config=\"{'effect':'fade','contentCls': 'lst-main', 'navCls': 'lst-trigger', 'activeTriggerCls': 'current'}\" data-widget-type=\"Slide\" style=\"height: 336px\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t<table align=\"left\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"\" height=\"336\" width=\"950\">\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t<tbody>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<tr>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t<td>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n<div class=\"J_TWidget\" data-widget-config=\"{\r\n\r\n            'contentCls': 'slide-kun13721312924361content',\r\n\r\n            'triggerCls': 'slide-kun13721312924361triggers',\r\n\r\n            'navCls': 'slide-kun13721312924361triggers',\r\n\r\n            'triggerType': 'mouse',\r\n\r\n            'effect': 'none',\r\n\r\n            'steps': 1,\r\n\r\n            'autoplay': true,\r\n\r\n            'circular': true\r\n\r\n        }\" data-widget-type=\"Carousel\" style=\"padding:5px;margin:0px;width:938px;border:1px solid #CCCCCC;\">\r\n\t<div style=\"width:637px;height:320px;float:left;overflow:hidden;\">\r\n\t\t<ul class=\"slide-kun13721312924361content\" style=\"padding:0px;margin:0px;\">\r\n\t\t\t<li style=\"padding:0px;margin:0px;list-style-type:none;width:637px;height:320px;\">\r\n\t\t\t\t<div style=\"padding:0px;margin:0px;\">\r\n\t\t\t\t\t<div style=\"padding:0px;margin:0px;float:left;width:300px;\">\r\n\t\t\t\t\t\t<div style=\"background-color:#EEEEEE;padding:0px;margin:0px;line-height:60px;height:60px;\">\r\n\t\t\t\t\t\t\t<span style=\"float:right;width:170px;text-align:center;font-size:36px;font-weight:bold;color:#FF0000;\">￥",  # 7
    F["现价01"],  # 8
    "</span>\r\n\t\t\t\t\t\t\t<div style=\"background-color:#FF0000;color:#FFFFFF;width:120px;font-size:28px;text-align:center;font-weight:bold;\">\r\n\t\t\t\t\t\t\t\t抢购价</div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t<div style=\"margin-top:10px;font-size:14px;font-weight:bold;line-height:30px;color:#333333;\">\r\n\t\t\t\t\t\t\t<strong>促销活动:</strong></div>\r\n\t\t\t\t\t\t<div style=\"padding:0px;margin-top:10px;background-color:#333333;line-height:26px;font-size:12px;\">\r\n\t\t\t\t\t\t\t<span style=\"float:right;width:260px;text-align:left;color:#FFFFFF;\">",  # 9
    F["活动1名称01"],  # 10
    "</span>\r\n\t\t\t\t\t\t\t<div style=\"background-color:#FF0000;color:#FFFFFF;width:30px;text-align:center;font-size:18px;\">\r\n\t\t\t\t\t\t\t\t①</div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t<div style=\"padding:0px;margin-top:10px;background-color:#333333;line-height:26px;font-size:12px;\">\r\n\t\t\t\t\t\t\t<span style=\"float:right;width:260px;text-align:left;color:#FFFFFF;\">",  # 11
    F["活动2名称01"],  # 12
    "</span>\r\n\t\t\t\t\t\t\t<div style=\"background-color:#FF0000;color:#FFFFFF;width:30px;text-align:center;font-size:18px;\">\r\n\t\t\t\t\t\t\t\t②</div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t<div style=\"padding:0px;margin-top:10px;background-color:#333333;line-height:26px;font-size:12px;\">\r\n\t\t\t\t\t\t\t<span style=\"float:right;width:260px;text-align:left;color:#FFFFFF;\">",  # 13
    F["活动3名称01"],  # 14
    "</span>\r\n\t\t\t\t\t\t\t<div style=\"background-color:#FF0000;color:#FFFFFF;width:30px;text-align:center;font-size:18px;\">\r\n\t\t\t\t\t\t\t\t③</div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t<div style=\"padding:0px;margin-top:20px;background-color:#CCCCCC;color:#000000;line-height:26px;font-size:12px;\">\r\n\t\t\t\t\t\t\t<div style=\"padding:5px;margin:0px;font-size:14px;font-weight:bold;\">\r\n\t\t\t\t\t\t\t\t商品简述：</div>\r\n\t\t\t\t\t\t\t<div style=\"padding:5px 10px;margin:0px;font-size:12px;line-height:24px;\">\r\n\t\t\t\t\t\t\t\t<font color=\"#FF0000\">",  # 15
    F["宝贝标题01"],  # 16
    "</font></div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t</div>\r\n\t\t\t\t\t<div style=\"padding:0px;margin:0px;float:right;width:330px;\">\r\n\t\t\t\t\t\t<div style=\"border:1px solid #CCCCCC;padding:0px;margin:0px;width:318px;height:318px;float:left;\">\r\n\t\t\t\t\t\t\t<a href=\"",  # 17
    F["链接地址01"],  # 18
    "\" target=\"_blank\"><img border=\"0px\" height=\"318px\" src=\"",  # 19
    F["图片地址01"],  # 20
    "\" width=\"318px\" /></a></div>\r\n\t\t\t\t\t\t<div style=\"float:right;line-height:1px;font-size:1px;background-color:#999999;height:83px;margin:5px 0px 0px 0px;padding:0px;width:2px;overflow:hidden;\">\r\n\t\t\t\t\t\t\t　</div>\r\n\t\t\t\t\t</div>\r\n\t\t\t\t</div>\r\n\t\t\t</li>\r\n\t\t\t<li style=\"padding:0px;margin:0px;list-style-type:none;width:637px;height:320px;\">\r\n\t\t\t\t<div style=\"padding:0px;margin:0px;\">\r\n\t\t\t\t\t<div style=\"padding:0px;margin:0px;float:left;width:300px;\">\r\n\t\t\t\t\t\t<div style=\"background-color:#EEEEEE;padding:0px;margin:0px;line-height:60px;height:60px;\">\r\n\t\t\t\t\t\t\t<span style=\"float:right;width:170px;text-align:center;font-size:36px;font-weight:bold;color:#FF0000;\">￥",  # 21
    F["现价02"],  # 22
    "</span>\r\n\t\t\t\t\t\t\t<div style=\"background-color:#FF0000;color:#FFFFFF;width:120px;font-size:28px;text-align:center;font-weight:bold;\">\r\n\t\t\t\t\t\t\t\t抢购价</div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t<div style=\"margin-top:10px;font-size:14px;font-weight:bold;line-height:30px;color:#333333;\">\r\n\t\t\t\t\t\t\t<strong>促销活动:</strong></div>\r\n\t\t\t\t\t\t<div style=\"padding:0px;margin-top:10px;background-color:#333333;line-height:26px;font-size:12px;\">\r\n\t\t\t\t\t\t\t<span style=\"float:right;width:260px;text-align:left;color:#FFFFFF;\">",  # 23
    F["活动1名称02"],  # 24
    "</span>\r\n\t\t\t\t\t\t\t<div style=\"background-color:#FF0000;color:#FFFFFF;width:30px;text-align:center;font-size:18px;\">\r\n\t\t\t\t\t\t\t\t①</div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t<div style=\"padding:0px;margin-top:10px;background-color:#333333;line-height:26px;font-size:12px;\">\r\n\t\t\t\t\t\t\t<span style=\"float:right;width:260px;text-align:left;color:#FFFFFF;\">",  # 25
    F["活动2名称02"],  # 26
    "</span>\r\n\t\t\t\t\t\t\t<div style=\"background-color:#FF0000;color:#FFFFFF;width:30px;text-align:center;font-size:18px;\">\r\n\t\t\t\t\t\t\t\t②</div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t<div style=\"padding:0px;margin-top:10px;background-color:#333333;line-height:26px;font-size:12px;\">\r\n\t\t\t\t\t\t\t<span style=\"float:right;width:260px;text-align:left;color:#FFFFFF;\">",  # 27
    F["活动3名称02"],  # 28
    "</span>\r\n\t\t\t\t\t\t\t<div style=\"background-color:#FF0000;color:#FFFFFF;width:30px;text-align:center;font-size:18px;\">\r\n\t\t\t\t\t\t\t\t③</div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t<div style=\"padding:0px;margin-top:20px;background-color:#CCCCCC;color:#000000;line-height:26px;font-size:12px;\">\r\n\t\t\t\t\t\t\t<div style=\"padding:5px;margin:0px;font-size:14px;font-weight:bold;\">\r\n\t\t\t\t\t\t\t\t商品简述：</div>\r\n\t\t\t\t\t\t\t<div style=\"padding:5px 10px;margin:0px;font-size:12px;line-height:24px;\">\r\n\t\t\t\t\t\t\t\t<font color=\"#FF0000\">",  # 29
    F["宝贝标题02"],  # 30
    "</font></div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t</div>\r\n\t\t\t\t\t<div style=\"padding:0px;margin:0px;float:right;width:330px;\">\r\n\t\t\t\t\t\t<div style=\"border:1px solid #CCCCCC;padding:0px;margin:0px;width:318px;height:318px;float:left;\">\r\n\t\t\t\t\t\t\t<a href=\"",  # 31
    F["链接地址02"],  # 32
    "\" target=\"_blank\"><img border=\"0px\" height=\"318px\" src=\"",  # 33
    F["图片地址02"],  # 34
    "\" width=\"318px\" /></a></div>\r\n\t\t\t\t\t\t<div style=\"float:right;line-height:1px;font-size:1px;background-color:#999999;height:83px;margin:118px 0px 0px 0px;padding:0px;width:2px;overflow:hidden;\">\r\n\t\t\t\t\t\t\t　</div>\r\n\t\t\t\t\t</div>\r\n\t\t\t\t</div>\r\n\t\t\t</li>\r\n\t\t\t<li style=\"padding:0px;margin:0px;list-style-type:none;width:637px;height:320px;\">\r\n\t\t\t\t<div style=\"padding:0px;margin:0px;\">\r\n\t\t\t\t\t<div style=\"padding:0px;margin:0px;float:left;width:300px;\">\r\n\t\t\t\t\t\t<div style=\"background-color:#EEEEEE;padding:0px;margin:0px;line-height:60px;height:60px;\">\r\n\t\t\t\t\t\t\t<span style=\"float:right;width:170px;text-align:center;font-size:36px;font-weight:bold;color:#FF0000;\">￥",  # 35
    F["现价03"],  # 36
    "</span>\r\n\t\t\t\t\t\t\t<div style=\"background-color:#FF0000;color:#FFFFFF;width:120px;font-size:28px;text-align:center;font-weight:bold;\">\r\n\t\t\t\t\t\t\t\t抢购价</div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t<div style=\"margin-top:10px;font-size:14px;font-weight:bold;line-height:30px;color:#333333;\">\r\n\t\t\t\t\t\t\t<strong>促销活动:</strong></div>\r\n\t\t\t\t\t\t<div style=\"padding:0px;margin-top:10px;background-color:#333333;line-height:26px;font-size:12px;\">\r\n\t\t\t\t\t\t\t<span style=\"float:right;width:260px;text-align:left;color:#FFFFFF;\">",  # 37
    F["活动1名称03"],  # 38
    "</span>\r\n\t\t\t\t\t\t\t<div style=\"background-color:#FF0000;color:#FFFFFF;width:30px;text-align:center;font-size:18px;\">\r\n\t\t\t\t\t\t\t\t①</div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t<div style=\"padding:0px;margin-top:10px;background-color:#333333;line-height:26px;font-size:12px;\">\r\n\t\t\t\t\t\t\t<span style=\"float:right;width:260px;text-align:left;color:#FFFFFF;\">",  # 39
    F["活动2名称03"],  # 40
    "</span>\r\n\t\t\t\t\t\t\t<div style=\"background-color:#FF0000;color:#FFFFFF;width:30px;text-align:center;font-size:18px;\">\r\n\t\t\t\t\t\t\t\t②</div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t<div style=\"padding:0px;margin-top:10px;background-color:#333333;line-height:26px;font-size:12px;\">\r\n\t\t\t\t\t\t\t<span style=\"float:right;width:260px;text-align:left;color:#FFFFFF;\">",  # 41
    F["活动3名称03"],  # 42
    "</span>\r\n\t\t\t\t\t\t\t<div style=\"background-color:#FF0000;color:#FFFFFF;width:30px;text-align:center;font-size:18px;\">\r\n\t\t\t\t\t\t\t\t③</div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t<div style=\"padding:0px;margin-top:20px;background-color:#CCCCCC;color:#000000;line-height:26px;font-size:12px;\">\r\n\t\t\t\t\t\t\t<div style=\"padding:5px;margin:0px;font-size:14px;font-weight:bold;\">\r\n\t\t\t\t\t\t\t\t商品简述：</div>\r\n\t\t\t\t\t\t\t<div style=\"padding:5px 10px;margin:0px;font-size:12px;line-height:24px;\">\r\n\t\t\t\t\t\t\t\t<font color=\"#FF0000\">",  # 43
    F["宝贝标题03"],  # 44
    "</font></div>\r\n\t\t\t\t\t\t</div>\r\n\t\t\t\t\t</div>\r\n\t\t\t\t\t<div style=\"padding:0px;margin:0px;float:right;width:330px;\">\r\n\t\t\t\t\t\t<div style=\"border:1px solid #CCCCCC;padding:0px;margin:0px;width:318px;height:318px;float:left;\">\r\n\t\t\t\t\t\t\t<a href=\"",  # 45
    F["链接地址03"],  # 46
    "\" target=\"_blank\"><img border=\"0px\" height=\"318px\" src=\"",  # 47
    F["图片地址03"],  # 48
    "\" width=\"318px\" /></a></div>\r\n\t\t\t\t\t\t<div style=\"float:right;line-height:1px;font-size:1px;background-color:#999999;height:83px;margin:230px 0px 0px 0px;padding:0px;width:2px;overflow:hidden;\">\r\n\t\t\t\t\t\t\t　</div>\r\n\t\t\t\t\t</div>\r\n\t\t\t\t</div>\r\n\t\t\t</li>\r\n\t\t</ul>\r\n\t</div>\r\n\t<div style=\"width:300px;height:320px;float:right;\">\r\n\t\t<ul class=\"slide-kun13721312924361triggers\" style=\"padding:5px 0px 0px 0px;margin:0px;\">\r\n\t\t\t<li style=\"padding:0px;margin:0px;height:83px;width:300px;list-style-type:none;\">\r\n\t\t\t\t<div style=\"padding:0px;margin:0px;border:solid 1px #CCCCCC;\">\r\n\t\t\t\t\t<div style=\"width:80px;height:80px;float:left;\">\r\n\t\t\t\t\t\t<img border=\"0px\" height=\"80px\" src=\"",  # 49
    F["图片地址01"],  # 50
    "\" width=\"80px\" /></div>\r\n\t\t\t\t\t<div style=\"width:218px;float:right;padding:0px;margin:0px;\">\r\n\t\t\t\t\t\t<div style=\"height:50px;padding:0px 10px;margin:0px;line-height:20px;font-size:12px;overflow:hidden;\">\r\n\t\t\t\t\t\t\t<font color=\"#FF0000\">",  # 51
    F["宝贝标题01"],  # 52
    "</font></div>\r\n\t\t\t\t\t\t<div style=\"height:30px;background-color:#DDDDDD;line-height:30px;font-size:14px;color:#333333;text-align:center;font-weight:bold;\">\r\n\t\t\t\t\t\t\t<s>原价:￥",  # 53
    F["原价01"],  # 54
    "</s></div>\r\n\t\t\t\t\t</div>\r\n\t\t\t\t\t<div style=\"clear:both;height:1px;overflow:hidden;padding:0px;margin:0px;\">\r\n\t\t\t\t\t\t　</div>\r\n\t\t\t\t</div>\r\n\t\t\t</li>\r\n\t\t\t<li style=\"padding:0px;margin:30px 0px 0px 0px;height:83px;width:300px;list-style-type:none;\">\r\n\t\t\t\t<div style=\"padding:0px;margin:0px;border:solid 1px #CCCCCC;\">\r\n\t\t\t\t\t<div style=\"width:80px;height:80px;float:left;\">\r\n\t\t\t\t\t\t<img border=\"0px\" height=\"80px\" src=\"",  # 55
    F["图片地址02"],  # 56
    "\" width=\"80px\" /></div>\r\n\t\t\t\t\t<div style=\"width:218px;float:right;padding:0px;margin:0px;\">\r\n\t\t\t\t\t\t<div style=\"height:50px;padding:0px 10px;margin:0px;line-height:20px;font-size:12px;overflow:hidden;\">\r\n\t\t\t\t\t\t\t<font color=\"#FF0000\">",  # 57
    F["宝贝标题02"],  # 58
    "</font></div>\r\n\t\t\t\t\t\t<div style=\"height:30px;background-color:#DDDDDD;line-height:30px;font-size:14px;color:#333333;text-align:center;font-weight:bold;\">\r\n\t\t\t\t\t\t\t<s>原价:￥",  # 59
    F["原价02"],  # 60
    "</s></div>\r\n\t\t\t\t\t</div>\r\n\t\t\t\t\t<div style=\"clear:both;height:1px;overflow:hidden;padding:0px;margin:0px;\">\r\n\t\t\t\t\t\t　</div>\r\n\t\t\t\t</div>\r\n\t\t\t</li>\r\n\t\t\t<li style=\"padding:0px;margin:30px 0px 0px 0px;height:83px;width:300px;list-style-type:none;\">\r\n\t\t\t\t<div style=\"padding:0px;margin:0px;border:solid 1px #CCCCCC;\">\r\n\t\t\t\t\t<div style=\"width:80px;height:80px;float:left;\">\r\n\t\t\t\t\t\t<img border=\"0px\" height=\"80px\" src=\"",  # 61
    F["图片地址03"],  # 62
    "\" width=\"80px\" /></div>\r\n\t\t\t\t\t<div style=\"width:218px;float:right;padding:0px;margin:0px;\">\r\n\t\t\t\t\t\t<div style=\"height:50px;padding:0px 10px;margin:0px;line-height:20px;font-size:12px;overflow:hidden;\">\r\n\t\t\t\t\t\t\t<font color=\"#FF0000\">",  # 63
    F["宝贝标题03"],  # 64
    "</font></div>\r\n\t\t\t\t\t\t<div style=\"height:30px;background-color:#DDDDDD;line-height:30px;font-size:14px;color:#333333;text-align:center;font-weight:bold;\">\r\n\t\t\t\t\t\t\t<s>原价:￥",  # 65
    F["原价03"],  # 66
    "</s></div>\r\n\t\t\t\t\t</div>\r\n\t\t\t\t\t<div style=\"clear:both;height:1px;overflow:hidden;padding:0px;margin:0px;\">\r\n\t\t\t\t\t\t　</div>\r\n\t\t\t\t</div>\r\n\t\t\t</li>\r\n\t\t</ul>\r\n\t</div>\r\n\t<div style=\"clear:both;height:1px;overflow:hidden;padding:0px;margin:0px;\">\r\n\t\t　</div>\r\n</div>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t</td>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t</tr>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t</tbody>\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t</table>\r\n\t\t\t\t\t\t\t\t\t\t\t\t</div>\r\n\t\t\t\t\t\t\t\t\t\t\t</td>\r\n\t\t\t\t\t\t\t\t\t\t</tr>\r\n\t\t\t\t\t\t\t\t\t</tbody>\r\n\t\t\t\t\t\t\t\t</table>\r\n\t\t\t\t\t\t\t</td>\r\n\t\t\t\t\t\t</tr>\r\n\t\t\t\t\t</tbody>\r\n\t\t\t\t</table>\r\n\t\t\t</div>\r\n\t\t</div>\r\n\t</div>\r\n</div>",  # 67
    ])


FIELDS = ["图片地址", "宝贝标题", "链接地址", "原价", "现价", "活动1名称", "活动2名称", "活动3名称"]


def defaults():
    f = {"背景颜色": "#FFFFFF"}
    for k, (was, now) in enumerate([("308", "208"), ("208", "108"), ("108", "49")], start=1):
        f["图片地址%02d" % k] = A("MAKER_SERVER") + "/Tessaly/upload/images/131104/f13/sc%d.jpg" % k
        f["宝贝标题%02d" % k] = "QuilletOrnavo"
        f["链接地址%02d" % k] = A("MARKET_HOME_URL")
        f["原价%02d" % k], f["现价%02d" % k] = was, now
        f["活动1名称%02d" % k], f["活动2名称%02d" % k], f["活动3名称%02d" % k] = "买即送", "满百送礼包", "咨询就有礼"
    return f


# What typed.recipe types: "<field><row>!" with a markup character or a full-width space in some.
def typed():
    f = {"背景颜色": "rgb(9,8,7)"}
    for k in range(1, 4):
        for name in FIELDS:
            f["%s%02d" % (name, k)] = "%s%d<&\"　" % (name, k)
    return f


write("defaults", markup(defaults()))
write("typed", markup(typed()))
# cleared.recipe shows the emptied code box, then generates from the emptied fields.
write("cleared", "\n" + markup({key: "" for key in defaults()}))
