#include "registry.h"

#include <set>
#include <stdexcept>

namespace ornavo {

namespace {

void requireDistinct(const std::vector<std::string>& keys) {
    std::set<std::string> seen;
    for (const std::string& key : keys)
        if (!seen.insert(key).second)
            throw std::logic_error("two modules share the key " + key);
}

} // namespace

Registry::Registry(std::vector<ModuleSpec> modules)
    : modules_(std::move(modules)), described_(modules_.size(), true) {
    for (const ModuleSpec& m : modules_)
        keys_.push_back(m.key);
    requireDistinct(keys_);
}

Registry::Registry(std::vector<Source> sources)
    : sources_(std::move(sources)), modules_(sources_.size()), described_(sources_.size(), false) {
    for (const Source& s : sources_)
        keys_.push_back(s.key);
    requireDistinct(keys_);
}

const ModuleSpec& Registry::at(std::size_t index) const {
    if (!described_[index]) {
        ModuleSpec m = sources_[index].describe();
        m.key = keys_[index];
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
    for (std::size_t i = 0; i < keys_.size(); ++i)
        if (keys_[i] == key)
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
