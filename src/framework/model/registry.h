#pragma once
// All module window descriptions, found by catalogue key or by caption. A registry made from sources
// describes a module the first time it is asked for (a run that opens one window describes that one
// only); the descriptions stay where they are for the registry's life.

#include "module_description.h"

#include <functional>
#include <string>
#include <vector>

namespace ornavo {

class Registry {
  public:
    explicit Registry(std::vector<ModuleSpec> modules);
    // A module's key and the function that describes it (the key is set on the description).
    struct Source {
        std::string key;
        std::function<ModuleSpec()> describe;
    };
    explicit Registry(std::vector<Source> sources);

    // Every module, in order (all of them described).
    const std::vector<ModuleSpec>& all() const;
    const ModuleSpec* byKey(const std::string& key) const;
    const ModuleSpec* byCaption(const std::string& caption) const;

  private:
    const ModuleSpec& at(std::size_t index) const;

    std::vector<std::string> keys_;           // of every module, in order
    std::vector<Source> sources_;             // empty for a registry made from descriptions
    mutable std::vector<ModuleSpec> modules_; // one place per module, never moved
    mutable std::vector<bool> described_;
};

} // namespace ornavo
