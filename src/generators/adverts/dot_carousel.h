#pragma once
// The advert carousels with a dot navigation: three lazy-loaded images that fade into one another, with
// three dots cut from one sprite laid over them where the user puts them. The round-dot and the
// square-dot windows differ only in caption, catalogue key, default image folder and dot sprite.

#include "framework/model/module_description.h"

namespace ornavo::adverts {

struct DotCarousel {
    const char* key;         // "F28": names the code box, the buttons and the sample picture
    const char* caption;     // window caption
    const char* imageFolder; // folder of the default images under the maker's server
    const char* sprite;      // path of the dot sprite on the maker's image host
};

ModuleSpec dotCarouselModule(const DotCarousel& style);

} // namespace ornavo::adverts
