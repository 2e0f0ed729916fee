#include "catalogue.h"

#include <algorithm>
#include <cstdlib>

namespace ornavo {

const Registry& moduleRegistry() {
    static const Registry registry({
        autoCentredCarouselModule(),
        multiGroupCarouselModule(),
        fullScreenPosterModule(),
        squareDotCarouselModule(),
        imageSwapPosterModule(),
        shopBackgroundModule(),
        navigationCssModule(),
        navigationOverImageModule(),
        shopSignModule(),
    });
    return registry;
}

std::vector<CatalogueEntry> cataloguePage(Edition edition) {
    static const std::vector<ModuleSpec> inDevelopment = modulesInDevelopment();
    std::vector<CatalogueEntry> page;
    auto add = [&](const ModuleSpec& m, bool available) {
        if (edition == Edition::Professional)
            page.push_back({&m, m.professionalButton, available});
        else if (m.basicButton)
            page.push_back({&m, *m.basicButton, available});
    };
    for (const ModuleSpec& m : moduleRegistry().all())
        add(m, true);
    for (const ModuleSpec& m : inDevelopment)
        if (!moduleRegistry().byKey(m.key))
            add(m, false);
    // "F26-…" → 26
    auto number = [](const CatalogueEntry& e) { return std::atoi(e.button.caption.c_str() + 1); };
    std::stable_sort(page.begin(), page.end(), [&](const CatalogueEntry& a, const CatalogueEntry& b) {
        return number(a) != number(b) ? number(a) < number(b) : a.module->key < b.module->key;
    });
    return page;
}

} // namespace ornavo
