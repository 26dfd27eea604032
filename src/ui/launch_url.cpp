#include "ui/launch_url.h"

#include "base/product.h"

#include <array>

namespace {

// Code points of the Windows-1252 bytes 0x80..0x9F. The five bytes the code page leaves
// undefined stand for the C1 controls of the same value.
constexpr std::array<char32_t, 32> kCp1252Upper = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::string_view kMailScheme = "mailto:";
constexpr std::string_view kWebPrefix = "https://";

// ASCII classes, independent of the locale the window system has set.
bool IsAlpha(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsHex(char c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

char ToLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The characters a URL carries as they are: the unreserved and the reserved ones.
bool IsUrlCharacter(char c)
{
    return IsAlpha(c) || IsDigit(c)
        || std::string_view("-._~:/?#[]@!$&'()*+,;=").find(c) != std::string_view::npos;
}

void AppendEscape(std::string& url, unsigned char byte)
{
    constexpr std::string_view kHex = "0123456789ABCDEF";
    url += '%';
    url += kHex[byte >> 4];
    url += kHex[byte & 0xF];
}

void AppendUtf8Escaped(std::string& url, char32_t code)
{
    if (code < 0x80) {
        AppendEscape(url, static_cast<unsigned char>(code));
    } else if (code < 0x800) {
        AppendEscape(url, static_cast<unsigned char>(0xC0 | (code >> 6)));
        AppendEscape(url, static_cast<unsigned char>(0x80 | (code & 0x3F)));
    } else {
        AppendEscape(url, static_cast<unsigned char>(0xE0 | (code >> 12)));
        AppendEscape(url, static_cast<unsigned char>(0x80 | ((code >> 6) & 0x3F)));
        AppendEscape(url, static_cast<unsigned char>(0x80 | (code & 0x3F)));
    }
}

void AppendEncoded(std::string& url, std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        const bool isEscape = c == '%' && i + 2 < text.size() && IsHex(text[i + 1]) && IsHex(text[i + 2]);
        if (isEscape || IsUrlCharacter(c))
            url += c;
        else if (byte >= 0x80 && byte < 0xA0)
            AppendUtf8Escaped(url, kCp1252Upper[byte - 0x80]);
        else
            AppendUtf8Escaped(url, byte);
    }
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (ToLower(text[i]) != prefix[i])
            return false;
    }
    return true;
}

// A scheme (a letter, then letters, digits, '+', '-' or '.') followed by "://".
bool HasSchemeAndAuthority(std::string_view target)
{
    const std::size_t colon = target.find("://");
    if (colon == std::string_view::npos || colon == 0 || !IsAlpha(target[0]))
        return false;
    for (std::size_t i = 0; i < colon; ++i) {
        const char c = target[i];
        if (!IsAlpha(c) && !IsDigit(c) && c != '+' && c != '-' && c != '.')
            return false;
    }
    return true;
}

}  // namespace

std::string LaunchUrl(std::string_view target)
{
    std::string url;
    if (StartsWithNoCase(target, kMailScheme)) {
        target.remove_prefix(kMailScheme.size());
        while (!target.empty() && (target.front() == ' ' || target.front() == '\t'))
            target.remove_prefix(1);
        url = kMailScheme;
    } else if (!HasSchemeAndAuthority(target)) {
        url = kWebPrefix;
    }
    AppendEncoded(url, target);
    return url;
}

std::string MailTarget()
{
    return std::string("mailTo: ") + kContactEmail + "?subject=About Game Glimmerjig";
}
