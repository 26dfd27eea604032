#include "base/product.h"
#include "help/help_texts.h"

// The two credit texts end in the contact address of the product facts. That address is a
// pointer, not a literal, so each text is put together once, on first use, and kept. The
// notices and the default address are short enough for the About box, in their own fonts.

namespace {

constexpr std::string_view kNotices =
    "Copyright \xA9 2026 Glimmerjig|"
    "MIT licence|"
    "Art and sounds made here|";

// The address as a large-text line, then the blank lines before the text starts again.
std::string ContactEnding()
{
    return std::string(kNotices) + "|" + kContactEmail + "\t|||||";
}

}  // namespace

const std::string& CreditsText()
{
    static const std::string text =
        "BITMAP1^|Glimmerjig^|Design,|Algorithm and Programming|for Windows95\xA9,|"
        "Windows98\xA9,|Windows Me\xA9,|Windows NT\xA9,|Windows 2000\xA9|by||Zorvath^|" +
        ContactEnding();
    return text;
}

const std::string& AboutPageText()
{
    static const std::string text =
        "BITMAP1^|Glimmerjig^|Design, Algorithm and|Programming for Windows95 \xA9|"
        "Windows98\xA9, Windows Me\xA9, Windows NT\xA9,|and Windows 2000\xA9|by||Zorvath^|" +
        ContactEnding();
    return text;
}
