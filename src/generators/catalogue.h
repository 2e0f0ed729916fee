#pragma once
// The module catalogue: every module window of the program, with the buttons of the main window's two
// catalogue pages that open it.

#include "framework/model/registry.h"

#include <optional>
#include <string>
#include <vector>

namespace ornavo {

// One row of the catalogue: the module's key (its number on the professional page), its two
// catalogue buttons and the function that describes its window.
struct CatalogueRow {
    const char* key;
    CatalogueButton professional;
    std::optional<CatalogueButton> basic; // absent: the basic page does not offer the window
    ModuleSpec (*describe)();
};
const std::vector<CatalogueRow>& catalogueRows();

// Every module window that is built, with key and catalogue buttons from its row; each is described the
// first time it is asked for.
const Registry& moduleRegistry();

// The main window's two catalogue pages.
enum class Edition { Professional, Basic };
struct CatalogueEntry {
    std::string key;
    CatalogueButton button;
    // The window the button opens (described when first asked for).
    const ModuleSpec& module() const { return *moduleRegistry().byKey(key); }
};
// The buttons of one page in their order: by the number in the button caption, then by key.
std::vector<CatalogueEntry> cataloguePage(Edition edition);

// One function per module window, each in its own source file under generators/<subsystem>/.
ModuleSpec autoCentredCarouselModule();     // F01 fullscreen/auto_centred_carousel.cpp
ModuleSpec multiGroupCarouselModule();      // F02 fullscreen/multi_group_carousel.cpp
ModuleSpec fullScreenPosterModule();        // F03 fullscreen/full_screen_poster.cpp
ModuleSpec squareDotCarouselModule();       // F04 fullscreen/square_dot_carousel.cpp
ModuleSpec imageSwapPosterModule();         // F05 fullscreen/image_swap_poster.cpp
ModuleSpec shopBackgroundModule();          // F06 fullscreen/shop_background.cpp
ModuleSpec navigationCssModule();           // F07 navigation/navigation_css.cpp
ModuleSpec navigationOverImageModule();     // F08 navigation/navigation_over_image.cpp
ModuleSpec shopSignModule();                // F09 navigation/shop_sign.cpp
ModuleSpec accordionCarouselModule();       // F10 adverts/accordion_carousel.cpp
ModuleSpec bannerTitleCarouselModule();     // F11 adverts/banner_title_carousel.cpp
ModuleSpec nineCellCarouselModule();        // F12 product_carousels/nine_cell_carousel.cpp
ModuleSpec promotionCarouselModule();       // F13 product_carousels/promotion_carousel.cpp
ModuleSpec fiveGroupCarouselModule();       // F14 product_carousels/five_group_carousel.cpp
ModuleSpec flipDisplayModule();             // F15 product_displays/flip_display.cpp
ModuleSpec magnifierDisplayModule();        // F16 product_displays/magnifier_display.cpp
ModuleSpec fourCellDisplayModule();         // F17 product_displays/four_cell_display.cpp
ModuleSpec threeCellDisplayModule();        // F18 product_displays/three_cell_display.cpp
ModuleSpec threeFaceCarouselModule();       // F19 product_carousels/three_face_carousel.cpp
ModuleSpec merryGoRoundCarouselModule();    // F20 product_carousels/merry_go_round_carousel.cpp
ModuleSpec splitWindowCarouselModule();     // F21 product_carousels/split_window_carousel.cpp
ModuleSpec pagedGridCarouselModule();       // F22 product_carousels/paged_grid_carousel.cpp
ModuleSpec rankingAccordionModule();        // F23 product_displays/ranking_accordion.cpp
ModuleSpec fourCellMagnifierModule();       // F24 product_displays/four_cell_magnifier.cpp
ModuleSpec thumbnailCarouselModule();       // F25 adverts/thumbnail_carousel.cpp
ModuleSpec rotation3dCarouselModule();      // F26 product_carousels/rotation_3d_carousel.cpp
ModuleSpec blindsCarouselModule();          // F27 adverts/blinds_carousel.cpp
ModuleSpec roundDotCarouselModule();        // F28 adverts/round_dot_carousel.cpp
ModuleSpec squareDotAdvertCarouselModule(); // F29 adverts/square_dot_advert_carousel.cpp
ModuleSpec arrowCarouselModule();           // F30 adverts/arrow_carousel.cpp
ModuleSpec irregularFlipDisplayModule();    // F31 product_displays/irregular_flip_display.cpp
ModuleSpec irregularMaskDisplayModule();    // F32 product_displays/irregular_mask_display.cpp
ModuleSpec promotionInfoModule();           // F33 shop_info/promotion_info.cpp
ModuleSpec serviceCentreModule();           // F34 shop_info/service_centre.cpp
ModuleSpec activityBarModule();             // F35 shop_info/activity_bar.cpp

} // namespace ornavo
