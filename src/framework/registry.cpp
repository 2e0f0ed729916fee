#include "registry.h"

#include <set>
#include <stdexcept>

namespace ornavo {

namespace {

template <typename Keys> void requireDistinct(const Keys& keys) {
    std::set<std::string> seen;
    for (const std::string& key : keys)
        if (!seen.insert(key).second)
            throw std::logic_error("two modules share the key " + key);
}

} // namespace

Registry::Registry(std::vector<ModuleSpec> modules)
    : modules_(std::move(modules)), described_(modules_.size(), true) {
    std::vector<std::string> keys;
    for (const ModuleSpec& m : modules_)
        keys.push_back(m.key);
    requireDistinct(keys);
}

Registry::Registry(std::vector<Source> sources)
    : sources_(std::move(sources)), modules_(sources_.size()), described_(sources_.size(), false) {
    std::vector<std::string> keys;
    for (const Source& s : sources_)
        keys.push_back(s.key);
    requireDistinct(keys);
}

const ModuleSpec& Registry::at(std::size_t index) const {
    if (!described_[index]) {
        ModuleSpec m = sources_[index].describe();
        m.key = sources_[index].key;
        modules_[index] = std::move(m);
        described_[index] = true;
    }
    return modules_[index];
}

const std::vector<ModuleSpec>& Registry::all() const {
    for (std::size_t i = 0; i < modules_.size(); ++i)
        at(i);
    return modules_;
}

const ModuleSpec* Registry::byKey(const std::string& key) const {
    for (std::size_t i = 0; i < modules_.size(); ++i)
        if ((sources_.empty() ? modules_[i].key : sources_[i].key) == key)
            return &at(i);
    return nullptr;
}

const ModuleSpec* Registry::byCaption(const std::string& caption) const {
    for (const ModuleSpec& m : all())
        if (m.caption == caption)
            return &m;
    return nullptr;
}

} // namespace ornavo
