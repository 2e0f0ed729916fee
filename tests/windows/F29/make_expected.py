# "广告图轮播-方点导航轮播": the round-dot carousel's markup with the square-dot sprite.
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "F28"))
from pieces import A, write
from make_expected import carousel

SPRITE = "/upload/images/131104/f29/fangdian.png"
D = A("MAKER_SERVER") + "/Tessaly/upload/images/131104/f29/"
HOME = [A("MARKET_HOME_URL")] * 3

write("defaults", carousel([D + "sc1.jpg", D + "sc2.jpg", D + "sc3.jpg"], HOME, "950", "450", "435", "420", SPRITE))
write("typed", carousel(["a.jpg", "b.jpg", "c&d.jpg"], ["x", "y", "z"], "600", " 250", "280", "220", SPRITE))
write("cleared", carousel([""] * 3, [""] * 3, "", "", "435", "-30", SPRITE))
