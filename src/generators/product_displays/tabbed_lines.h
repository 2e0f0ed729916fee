#pragma once
// Markup written line by line, as the product display windows write theirs: every line begins with
// its count of TABs, lines are joined by CR LF and none follows the last.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace ornavo {

class TabbedLines {
public:
    // A line of fixed text.
    struct Fixed {
        int tabs;
        const char* text;
    };

    explicit TabbedLines(std::size_t reserve) { out_.reserve(reserve); }

    // A line made of pieces joined with nothing between them.
    template <typename... Pieces> TabbedLines& add(int tabs, const Pieces&... pieces) {
        if (!empty_)
            out_ += "\r\n";
        empty_ = false;
        out_.append(static_cast<std::size_t>(tabs), '\t');
        (out_.append(std::string_view(pieces)), ...);
        return *this;
    }
    TabbedLines& add(std::initializer_list<Fixed> lines) {
        for (const Fixed& line : lines)
            add(line.tabs, line.text);
        return *this;
    }
    template <std::size_t N> TabbedLines& add(const Fixed (&lines)[N]) {
        for (const Fixed& line : lines)
            add(line.tabs, line.text);
        return *this;
    }

    std::string take() { return std::move(out_); }

private:
    std::string out_;
    bool empty_ = true;
};

} // namespace ornavo
