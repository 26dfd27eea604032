// libFuzzer target: arbitrary bytes as a launch target. The URL handed to the desktop is
// printable ASCII without blanks, begins with its scheme, has only well-formed escapes, and is
// left as it is when given again (nothing is encoded twice).
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "launch/launch_url.h"

namespace {

void Check(bool rule)
{
    if (!rule)
        std::abort();
}

bool StartsWithScheme(std::string_view url)
{
    if (url.rfind("mailto:", 0) == 0)
        return true;
    const std::size_t end = url.find("://");
    if (end == std::string_view::npos || end == 0 || !std::isalpha(static_cast<unsigned char>(url[0])))
        return false;
    for (const char c : url.substr(0, end))
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.')
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string url = LaunchUrl(std::string_view(reinterpret_cast<const char*>(data), size));
    Check(StartsWithScheme(url));
    for (std::size_t i = 0; i < url.size(); ++i) {
        const auto c = static_cast<unsigned char>(url[i]);
        Check(c > 0x20 && c < 0x7F);
        if (c == '%')
            Check(i + 2 < url.size() && std::isxdigit(static_cast<unsigned char>(url[i + 1])) &&
                  std::isxdigit(static_cast<unsigned char>(url[i + 2])));
    }
    Check(LaunchUrl(url) == url);
    return 0;
}
