#pragma once
// Where a module window's sample picture comes from. The path in a window's description names a file
// of the maker's site ("/Tessaly/samples/F03.jpg"); the program carries those pictures built in, so a
// window shows its sample at once and without the site. A path marked remote ("remote:" followed by
// the path) is fetched from MAKER_SERVER when the window opens instead.

#include <string>

namespace ornavo {

inline constexpr const char* kRemotePictureMark = "remote:";

// The description's text for a sample picture fetched from the maker's site.
inline std::string remotePicture(const std::string& path) {
    return kRemotePictureMark + path;
}

struct SamplePictureSource {
    bool remote = false;
    std::string path; // below MAKER_SERVER when remote, otherwise the built-in picture's path
};

inline SamplePictureSource samplePictureSource(const std::string& text) {
    const std::string mark = kRemotePictureMark;
    if (text.compare(0, mark.size(), mark) == 0)
        return {true, text.substr(mark.size())};
    return {false, text};
}

} // namespace ornavo
