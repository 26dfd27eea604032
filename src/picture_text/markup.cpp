#include "picture_text/markup.h"

std::vector<std::string> CutLines(std::string_view text, char separator)
{
    std::vector<std::string> lines;
    for (;;) {
        const std::size_t end = text.find(separator);
        lines.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos)
            return lines;
        text.remove_prefix(end + 1);
    }
}

LineClass ClassifyLine(std::string_view line)
{
    if (line.empty())
        return {LineKind::kBlank, line};
    const std::string_view unmarked = line.substr(0, line.size() - 1);
    switch (line.back()) {
    case kMarkers[1]: return {LineKind::kMedium, unmarked};
    case kMarkers[2]: return {LineKind::kSmall, unmarked};
    case kMarkers[0]: return {LineKind::kLarge, unmarked};
    case kMarkers[3]: return {LineKind::kPicture, unmarked};
    default: return {LineKind::kPlain, line};
    }
}
