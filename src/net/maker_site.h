#pragma once
// The files the program reads from the maker's site, and how what it reads there is taken in.

#include <optional>
#include <string>

namespace ornavo::net {

// Paths below MAKER_SERVER.
inline constexpr const char* kAnnouncementPath = "/Tessaly/gg/zxzhushou/gonggao.txt";
inline constexpr const char* kMaterialAddressPath = "/Tessaly/upload/baidupan/mm/dz.txt";
inline constexpr const char* kMaterialPasswordPath = "/Tessaly/upload/baidupan/mm/mm.txt";
inline constexpr const char* kVersionPath = "/Tessaly/gg/zxzhushou/banben.txt";
inline constexpr const char* kDownloadAddressPath = "/Tessaly/gg/zxzhushou/xiazai.txt";
inline constexpr const char* kColourTablePath = "/Tessaly/zx/ysb/ysb.html";
// Advert slot 1 to 4: its picture and the file holding its link.
std::string advertPicturePath(int slot);
std::string advertLinkPath(int slot);

// MAKER_SERVER followed by the path.
std::string makerFile(const std::string& path);

// A text fetched from the site (GBK, as the site keeps its texts) as the program's UTF-8. Text that is
// not GBK but valid UTF-8 is taken as it is; anything else gives the empty text.
std::string siteTextToUtf8(const std::string& fetched);

// An address from the site that may be handed to the browser: the text without surrounding blanks and
// line ends, when that is an http or https address with a host and no blanks or control characters
// inside. std::nullopt for anything else.
std::optional<std::string> browsableAddress(const std::string& fetched);

} // namespace ornavo::net
