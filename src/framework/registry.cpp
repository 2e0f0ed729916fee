#include "registry.h"

#include <set>
#include <stdexcept>

namespace ornavo {

Registry::Registry(std::vector<ModuleSpec> modules) : modules_(std::move(modules)) {
    std::set<std::string> keys;
    for (const ModuleSpec& m : modules_)
        if (!keys.insert(m.key).second)
            throw std::logic_error("two modules share the key " + m.key);
}

const ModuleSpec* Registry::byKey(const std::string& key) const {
    for (const ModuleSpec& m : modules_)
        if (m.key == key)
            return &m;
    return nullptr;
}

const ModuleSpec* Registry::byCaption(const std::string& caption) const {
    for (const ModuleSpec& m : modules_)
        if (m.caption == caption)
            return &m;
    return nullptr;
}

} // namespace ornavo
