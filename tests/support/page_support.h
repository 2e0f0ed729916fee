#pragma once
// Helpers for tests of page files: settings of windows as they save them, pages made of them, and
// the pages replayed.

#include "support/test_support.h"

#include "framework/model/page.h"
#include "framework/model/page_check.h"
#include "framework/model/settings_writer.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ornavo::testing {

inline const Registry& registry() {
    return moduleRegistry();
}

inline const ModuleSpec& description(const std::string& key) {
    const ModuleSpec* module = registry().byKey(key);
    if (!module)
        throw std::invalid_argument("no module " + key);
    return *module;
}

// The settings a window saves after `prepare` changed its defaults and `button` (its first generate
// button when none is named) was pressed.
inline std::string settingsOf(const std::string& key, const std::function<void(Form&)>& prepare = {},
                              const std::string& button = {}) {
    OpenWindow w(key);
    if (prepare)
        prepare(w.form());
    w.press(button.empty() ? generateButtons(w.form().module()).front() : button);
    return settingsText(w.form(), registry());
}

inline bool isBasicButton(const ModuleSpec& module, const std::string& name) {
    for (const Button* b : allButtons(module))
        if (b->name == name)
            return !b->basicOf.empty();
    return false;
}

inline std::size_t linesIn(const std::string& text) {
    return countOf(text, "\n");
}

// A page of these windows with their default settings, in this order.
inline Page pageOf(const std::vector<std::string>& keys) {
    Page page;
    for (const std::string& key : keys)
        if (!insertModule(page, page.modules.size(), embeddedModule(description(key), settingsOf(key))))
            throw std::logic_error("the page is full");
    return page;
}

// The page as it shows: every module replayed, repeated kinds renamed.
inline std::vector<RenderedModule> render(const Page& page, const std::string& folder = ".") {
    PageResult<std::vector<RenderedModule>> rendered = renderPage(page, registry(), folder);
    if (!rendered) {
        ADD_FAILURE() << rendered.failure().english;
        return {};
    }
    return std::move(*rendered);
}

// The windows whose default code has pop-ups that find their trigger by class across the page.
inline std::vector<std::string> popupKinds() {
    std::vector<std::string> keys;
    for (const ModuleSpec& module : registry().all())
        if (!namesIn(runRecipe(settingsOf(module.key)).out).popupClasses.empty())
            keys.push_back(module.key);
    return keys;
}

} // namespace ornavo::testing
