#pragma once
// Markup written line by line, as the module windows write theirs: every line begins with its count of
// TABs, lines are joined by CR LF and none follows the last.

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

    explicit TabbedLines(std::size_t reserve = 0) { out_.reserve(reserve); }

    // Starts a line: its TABs, then the pieces joined with nothing between them. Every line counts, an
    // empty first one too, so that the line after it begins with CR LF.
    template <typename... Pieces> TabbedLines& add(int tabs, const Pieces&... pieces) {
        if (started_)
            out_ += "\r\n";
        out_.append(static_cast<std::size_t>(tabs), '\t');
        return extend(pieces...);
    }
    // Continues the current line; before any line, it writes the first.
    template <typename... Pieces> TabbedLines& extend(const Pieces&... pieces) {
        started_ = true;
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
    bool started_ = false;
};

} // namespace ornavo
