// "广告图轮播-方点导航轮播": the round-dot advert carousel with square dots, its own default images and
// its own catalogue key; everything else is the round-dot window's.

#include "generators/adverts/dot_carousel.h"
#include "generators/catalogue.h"

namespace ornavo {

ModuleSpec squareDotAdvertCarouselModule() {
    return adverts::dotCarouselModule({"F29", "广告图轮播-方点导航轮播", "/Tessaly/upload/images/131104/f29/",
                                       "/upload/images/131104/f29/fangdian.png"});
}

} // namespace ornavo
