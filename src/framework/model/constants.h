#pragma once
// Fixed addresses and account names that generated markup and default field texts contain. Each has
// a default chosen at build time (CMake cache variables) and may be overridden at run time by the
// environment variable ORNAVO_<NAME>, so the maker's site can be served from loopback.

#include <string>
#include <vector>

namespace ornavo {

#define ORNAVO_ADDRESS_LIST(X)                                                                               \
    X(PLACEHOLDER_GIF_URL)                                                                                   \
    X(MARKET_IMAGE_HOST)                                                                                     \
    X(MAKER_SERVER)                                                                                          \
    X(MAKER_IMAGE_HOST)                                                                                      \
    X(MARKET_HOME_URL)                                                                                       \
    X(MARKET_STATUS_HOST)                                                                                    \
    X(MAKER_SHOP_ADDRESS)                                                                                    \
    X(MAKER_IM_NUMBER)                                                                                       \
    X(MAKER_WW_ACCOUNT)                                                                                      \
    X(FIXED_WW_ACCOUNT)                                                                                      \
    X(CACHE_HOST_IPV4)                                                                                       \
    X(IM_CONTACT_URL)                                                                                        \
    X(SOFTWARE_SHARE_URL)

enum class Address {
#define ORNAVO_ADDRESS_ENUM(name) name,
    ORNAVO_ADDRESS_LIST(ORNAVO_ADDRESS_ENUM)
#undef ORNAVO_ADDRESS_ENUM
};

// The value in effect: the environment override when set (even to the empty text), else the default.
std::string address(Address which);
const char* addressName(Address which);
std::string compiledDefault(Address which);
std::vector<Address> allAddresses();

// Short spellings for the generators.
inline std::string placeholderGif() {
    return address(Address::PLACEHOLDER_GIF_URL);
}
inline std::string makerServer() {
    return address(Address::MAKER_SERVER);
}
inline std::string makerImageHost() {
    return address(Address::MAKER_IMAGE_HOST);
}
inline std::string marketHome() {
    return address(Address::MARKET_HOME_URL);
}
inline std::string marketImageHost() {
    return address(Address::MARKET_IMAGE_HOST);
}
inline std::string marketStatusHost() {
    return address(Address::MARKET_STATUS_HOST);
}
inline std::string makerShop() {
    return address(Address::MAKER_SHOP_ADDRESS);
}
inline std::string makerImNumber() {
    return address(Address::MAKER_IM_NUMBER);
}
inline std::string makerWwAccount() {
    return address(Address::MAKER_WW_ACCOUNT);
}

} // namespace ornavo
