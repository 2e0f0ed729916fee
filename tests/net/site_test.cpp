// The maker's site that ships with the program: every file the program reads from it, and every
// picture a module window's default texts point to, is there and is a real picture of its use.

#include "framework/model/constants.h"
#include "framework/model/sample_picture.h"
#include "framework/model/text.h"
#include "generators/catalogue.h"
#include "net/maker_site.h"
#include "net/update_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <utility>

using namespace ornavo;
using namespace ornavo::net;
namespace fs = std::filesystem;

namespace {

const fs::path kSite = ORNAVO_SITE_DIR;

std::string contents(const std::string& path) {
    std::ifstream in(kSite / path.substr(1), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

unsigned bigEndian(const std::string& b, std::size_t at, int bytes) {
    unsigned v = 0;
    for (int i = 0; i < bytes; ++i)
        v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

// Width and height read from the picture's own header (GIF, PNG or baseline/progressive JPEG).
std::optional<std::pair<unsigned, unsigned>> pictureSize(const std::string& b) {
    if (b.size() >= 10 && (b.compare(0, 6, "GIF89a") == 0 || b.compare(0, 6, "GIF87a") == 0))
        return std::make_pair(static_cast<unsigned char>(b[6]) | static_cast<unsigned char>(b[7]) << 8,
                              static_cast<unsigned char>(b[8]) | static_cast<unsigned char>(b[9]) << 8);
    if (b.size() >= 24 && b.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0 && b.compare(12, 4, "IHDR") == 0)
        return std::make_pair(bigEndian(b, 16, 4), bigEndian(b, 20, 4));
    if (b.size() >= 4 && b.compare(0, 2, "\xFF\xD8") == 0) {
        std::size_t pos = 2;
        while (pos + 9 < b.size() && static_cast<unsigned char>(b[pos]) == 0xFF) {
            const unsigned marker = static_cast<unsigned char>(b[pos + 1]);
            if (marker == 0xC0 || marker == 0xC1 || marker == 0xC2)
                return std::make_pair(bigEndian(b, pos + 7, 2), bigEndian(b, pos + 5, 2));
            pos += 2 + bigEndian(b, pos + 2, 2);
        }
    }
    return std::nullopt;
}

std::string sizeOf(const std::string& path) {
    const auto size = pictureSize(contents(path));
    return size ? std::to_string(size->first) + "x" + std::to_string(size->second) : "not a picture";
}

} // namespace

TEST(MakerSite, FilesTheMainWindowReads) {
    const std::string notice = contents(kAnnouncementPath);
    ASSERT_FALSE(notice.empty());
    const std::optional<std::string> utf8 = gbkToUtf8(notice);
    ASSERT_TRUE(utf8) << "the announcement is kept in GBK";
    EXPECT_NE(*utf8, notice) << "and holds Chinese text";
    for (int slot = 1; slot <= 4; ++slot) {
        EXPECT_EQ(contents(advertPicturePath(slot)).compare(0, 3, "GIF"), 0) << slot;
        EXPECT_EQ(sizeOf(advertPicturePath(slot)), "200x100") << slot;
        EXPECT_TRUE(browsableAddress(contents(advertLinkPath(slot)))) << slot;
    }
    EXPECT_TRUE(browsableAddress(contents(kMaterialAddressPath)));
    EXPECT_FALSE(contents(kMaterialPasswordPath).empty());
    EXPECT_EQ(contents(kVersionPath), programVersion());
    EXPECT_TRUE(browsableAddress(contents(kDownloadAddressPath)));
    const std::string table = contents(kColourTablePath);
    EXPECT_NE(table.find("#FF4400"), std::string::npos);
    EXPECT_NE(table.find("<table"), std::string::npos);
    EXPECT_TRUE(fs::is_regular_file(kSite / "Tessaly/contact/im.html"));
    EXPECT_TRUE(fs::is_regular_file(kSite / "Tessaly/share/software.html"));
}

TEST(MakerSite, PicturesHaveTheSizeOfTheirUse) {
    const std::pair<const char*, const char*> expected[] = {
        {"/Tessaly/upload/images/131018/qplb/qplb1.jpg", "1920x500"},
        {"/Tessaly/upload/images/131031/xuanfubeijing/Tessaly_xuanfubeijing.jpg", "1920x950"},
        {"/Tessaly/upload/images/131101/dianzhao/dz.jpg", "950x120"},
        {"/Tessaly/upload/images/131101/daohangcss/lvse.jpg", "950x30"},
        {"/Tessaly/upload/images/131104/f15/tx1.gif",
         "620x920"}, // the flip window's sample, at twice its box
        {"/Tessaly/upload/images/131104/f15/tx/tx9.gif", "310x460"},
        {"/Tessaly/upload/images/131104/f12/sc9.jpg", "420x420"},
        {"/Tessaly/upload/images/131104/f34/kefu.gif", "156x83"},
        {"/Tessaly/upload/images/131104/f28/yuandian.png", "70x22"},
        {"/Tessaly/upload/images/131031/fangdianlunbo/yanse/hongse.png", "70x22"},
        {"/upload/images/131104/f26/beijing.jpg", "952x490"},
        {"/upload/images/131104/f19/sc4.jpg", "230x355"},
    };
    for (const auto& [path, size] : expected)
        EXPECT_EQ(sizeOf(path), size) << path;
}

// Whatever module windows the catalogue holds: each default text on the maker's site, and each sample
// picture path, names a picture that the bundled site has.
TEST(MakerSite, EveryDefaultPictureOfTheModuleWindowsIsThere) {
    const std::string prefixes[] = {makerServer(), makerImageHost()};
    int checked = 0;
    for (const ModuleSpec& module : moduleRegistry().all()) {
        for (const Control* control : allControls(module)) {
            std::string path;
            // Built-in samples are drawn from the site's files; remote ones are fetched from it.
            if (control->kind == ControlKind::Picture && !control->text.empty())
                path = samplePictureSource(control->text).path;
            for (const std::string& prefix : prefixes)
                if (path.empty() && !prefix.empty() && control->text.rfind(prefix + "/", 0) == 0)
                    path = control->text.substr(prefix.size());
            if (path.empty())
                continue;
            ++checked;
            EXPECT_TRUE(pictureSize(contents(path))) << module.key << " " << control->name << ": " << path;
        }
    }
    EXPECT_GT(checked, 0);
}

TEST(MakerSite, StaysSmall) {
    std::uintmax_t total = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kSite / "Tessaly"))
        if (entry.is_regular_file())
            total += entry.file_size();
    EXPECT_LT(total, 4u * 1024 * 1024);
}
