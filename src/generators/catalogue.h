#pragma once
// The module catalogue: every module window of the program, with the buttons of the main window's two
// catalogue pages that open it.

#include "framework/registry.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace ornavo {

// A catalogue entry whose window is not built yet: its buttons answer "模块开发中！！".
struct InDevelopment {
    const char* caption; // the caption the window will have
};

// One row of the catalogue: the module's key (its number on the professional page), its two
// catalogue buttons and either the function that describes its window or InDevelopment.
struct CatalogueRow {
    const char* key;
    CatalogueButton professional;
    std::optional<CatalogueButton> basic; // absent: the basic page does not offer the window
    std::variant<ModuleSpec (*)(), InDevelopment> window;
};
const std::vector<CatalogueRow>& catalogueRows();

// Every module window that is built, with key and catalogue buttons from its row.
const Registry& moduleRegistry();

// The main window's two catalogue pages.
enum class Edition { Professional, Basic };
struct CatalogueEntry {
    std::string key;
    std::string caption;      // the caption of the window the button opens
    CatalogueButton button;
    const ModuleSpec* module; // nullptr: the window is still in development
};
// The buttons of one page in their order: by the number in the button caption, then by key.
std::vector<CatalogueEntry> cataloguePage(Edition edition);

// One function per module window, each in its own source file under generators/<subsystem>/.
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
