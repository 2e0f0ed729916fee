#include "maker_site.h"

#include "framework/model/constants.h"
#include "framework/model/text.h"

namespace ornavo::net {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool startsWithNoCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i])
            return false;
    }
    return true;
}

} // namespace

std::string advertPicturePath(int slot) {
    return "/Tessaly/upload/guanggaowei/ggw" + std::to_string(slot) + ".gif";
}

std::string advertLinkPath(int slot) {
    return "/Tessaly/upload/guanggaowei/ggw" + std::to_string(slot) + ".txt";
}

std::string makerFile(const std::string& path) {
    return makerServer() + path;
}

std::string siteTextToUtf8(const std::string& fetched) {
    if (std::optional<std::string> text = gbkToUtf8(fetched))
        return *text;
    if (utf8ToGbk(fetched, Unencodable::NumericReference))
        return fetched;
    return {};
}

std::optional<std::string> browsableAddress(const std::string& fetched) {
    std::size_t begin = 0, end = fetched.size();
    while (begin < end && isBlank(fetched[begin]))
        ++begin;
    while (end > begin && isBlank(fetched[end - 1]))
        --end;
    const std::string address = fetched.substr(begin, end - begin);

    std::size_t hostStart;
    if (startsWithNoCase(address, "http://"))
        hostStart = 7;
    else if (startsWithNoCase(address, "https://"))
        hostStart = 8;
    else
        return std::nullopt;
    if (hostStart >= address.size() || address[hostStart] == '/' || address[hostStart] == ':')
        return std::nullopt;
    for (unsigned char c : address)
        if (c <= 0x20 || c == 0x7f)
            return std::nullopt;
    return address;
}

} // namespace ornavo::net
