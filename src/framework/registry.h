#pragma once
// All module window descriptions, found by catalogue key or by caption.

#include "module_description.h"

#include <string>
#include <vector>

namespace ornavo {

class Registry {
public:
    explicit Registry(std::vector<ModuleSpec> modules);
    const std::vector<ModuleSpec>& all() const { return modules_; }
    const ModuleSpec* byKey(const std::string& key) const;
    const ModuleSpec* byCaption(const std::string& caption) const;

private:
    std::vector<ModuleSpec> modules_;
};

} // namespace ornavo
