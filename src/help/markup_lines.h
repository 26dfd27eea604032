#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

// A picture text written line by line and joined at compile time into one constant string:
// each piece is one line with its separator. The text lines are the literals the catalogue
// tools find, each with the comment above it, so a translator sees one line at a time and never
// the markup round it.

template <std::size_t N>
struct MarkupLines {
    std::array<char, N> chars;
    constexpr std::string_view View() const { return {chars.data(), N}; }
};

namespace markup_lines {

// A literal's characters with `tail` after them (the terminator dropped).
template <std::size_t N, std::size_t T>
constexpr MarkupLines<N - 1 + T> With(const char (&text)[N], const std::array<char, T>& tail)
{
    MarkupLines<N - 1 + T> line{};
    for (std::size_t i = 0; i + 1 < N; ++i)
        line.chars[i] = text[i];
    for (std::size_t i = 0; i < T; ++i)
        line.chars[N - 1 + i] = tail[i];
    return line;
}

}  // namespace markup_lines

// A line of large text.
template <std::size_t N>
constexpr auto Large(const char (&text)[N])
{
    return markup_lines::With(text, std::array{'\t', '|'});
}

// A line of plain text.
template <std::size_t N>
constexpr auto Plain(const char (&text)[N])
{
    return markup_lines::With(text, std::array{'|'});
}

// A line that shows the named picture.
template <std::size_t N>
constexpr auto Picture(const char (&name)[N])
{
    return markup_lines::With(name, std::array{'^', '|'});
}

// A blank line.
inline constexpr MarkupLines<1> kBlank{{'|'}};

// The lines in order, as one text; the empty line after the last separator ends it.
template <std::size_t... N>
constexpr MarkupLines<(N + ...)> Lines(const MarkupLines<N>&... lines)
{
    MarkupLines<(N + ...)> text{};
    std::size_t at = 0;
    ((std::copy(lines.chars.begin(), lines.chars.end(), text.chars.begin() + static_cast<std::ptrdiff_t>(at)),
      at += N),
     ...);
    return text;
}
