#pragma once
// Every module window of the program.

#include "framework/registry.h"

namespace ornavo {

const Registry& moduleRegistry();

// The main window's two catalogue pages.
enum class Edition { Professional, Basic };
struct CatalogueEntry {
    const ModuleSpec* module; // the window the button opens (only catalogue data when not available)
    CatalogueButton button;
    bool available;           // false: the window is still in development
};
// The buttons of one page in their order: by the number in the button caption, then by key.
std::vector<CatalogueEntry> cataloguePage(Edition edition);
// Catalogue data of the windows not built yet (no controls, no buttons).
std::vector<ModuleSpec> modulesInDevelopment();

// One function per module window, each in its own source file.
ModuleSpec autoCentredCarouselModule(); // F01 fullscreen/auto_centred_carousel.cpp
ModuleSpec multiGroupCarouselModule();  // F02 fullscreen/multi_group_carousel.cpp
ModuleSpec fullScreenPosterModule();    // F03 fullscreen/full_screen_poster.cpp
ModuleSpec squareDotCarouselModule();   // F04 fullscreen/square_dot_carousel.cpp
ModuleSpec imageSwapPosterModule();     // F05 fullscreen/image_swap_poster.cpp
ModuleSpec shopBackgroundModule();      // F06 fullscreen/shop_background.cpp
ModuleSpec navigationCssModule();       // F07 navigation/navigation_css.cpp
ModuleSpec navigationOverImageModule(); // F08 navigation/navigation_over_image.cpp
ModuleSpec shopSignModule();            // F09 navigation/shop_sign.cpp

} // namespace ornavo
