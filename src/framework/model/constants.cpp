#include "constants.h"

#include "constants_defaults.h"
#include "platform.h"

#include <optional>

namespace ornavo {

const char* addressName(Address which) {
    switch (which) {
#define ORNAVO_ADDRESS_NAME(name)                                                                            \
    case Address::name:                                                                                      \
        return #name;
        ORNAVO_ADDRESS_LIST(ORNAVO_ADDRESS_NAME)
#undef ORNAVO_ADDRESS_NAME
    }
    return "";
}

std::string compiledDefault(Address which) {
    switch (which) {
#define ORNAVO_ADDRESS_DEFAULT(name)                                                                         \
    case Address::name:                                                                                      \
        return ORNAVO_DEFAULT_##name;
        ORNAVO_ADDRESS_LIST(ORNAVO_ADDRESS_DEFAULT)
#undef ORNAVO_ADDRESS_DEFAULT
    }
    return "";
}

std::string address(Address which) {
    const std::string variable = std::string("ORNAVO_") + addressName(which);
    if (std::optional<std::string> value = environmentVariable(variable))
        return *value;
    return compiledDefault(which);
}

std::vector<Address> allAddresses() {
    return {
#define ORNAVO_ADDRESS_ITEM(name) Address::name,
        ORNAVO_ADDRESS_LIST(ORNAVO_ADDRESS_ITEM)
#undef ORNAVO_ADDRESS_ITEM
    };
}

} // namespace ornavo
