#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The picture-text markup: one string cut at a separator into lines; the last character of
// a line decides what the line is. Texts are UTF-8, whose characters outside ASCII hold no
// ASCII byte, so none is taken for a separator or a marker; any byte is accepted.

enum class LineKind {
    kBlank,    // empty line: only vertical space
    kLarge,    // ends in a tab: large bold text
    kMedium,   // ends in a line feed: medium bold text
    kSmall,    // ends in a carriage return: small bold text
    kPicture,  // ends in "^": the picture named by the rest of the line
    kPlain,    // ends in anything else: the whole line as thin text
};

// The markers of large, medium and small text and of a picture line, in that order.
inline constexpr std::array<char, 4> kMarkers = {'\t', '\n', '\r', '^'};

// n separators give n + 1 lines in text order; an empty text is one empty line. Separators
// belong to no line and cannot be escaped.
std::vector<std::string> CutLines(std::string_view text, char separator);

struct LineClass {
    LineKind kind;
    // The text drawn and measured (the line less its marker; the whole line when plain), or
    // for a picture line the picture's name. A view into the classified line.
    std::string_view shown;
};

// A marked line holding only its marker is a text line of its style with nothing to draw.
LineClass ClassifyLine(std::string_view line);
