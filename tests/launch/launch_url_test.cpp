// Launch targets become URLs that xdg-open opens and never takes for anything else.
#include <gtest/gtest.h>
#include <string>

#include "launch/launch_url.h"

namespace {

struct UrlCase {
    const char* what;
    std::string target;
    std::string url;
};

TEST(LaunchUrlTest, TargetsBecomeUrls)
{
    const UrlCase cases[] = {
        {"mail target", "mailTo: someone@example.org?subject=About Game Glimmerjig",
         "mailto:someone@example.org?subject=About%20Game%20Glimmerjig"},
        {"mail scheme in any case, no blank", "MAILTO:a@b.example", "mailto:a@b.example"},
        {"bare web host", "www.glimmerjig.example", "https://www.glimmerjig.example"},
        {"host with path and query", "host.example/a b?q=1&r=[2]#top",
         "https://host.example/a%20b?q=1&r=[2]#top"},
        {"URL with scheme kept", "http://host.example/x", "http://host.example/x"},
        {"not a scheme before ://", "1x://y", "https://1x://y"},
        {"quotes, angle brackets, backslash", "h.example/\"<a>\\'b'",
         "https://h.example/%22%3Ca%3E%5C'b'"},
        {"braces, bar, caret, grave", "h.example/{|}^`", "https://h.example/%7B%7C%7D%5E%60"},
        {"control bytes", std::string("h.example/\t\n\r\x1F\x7F") + std::string(1, '\0'),
         "https://h.example/%09%0A%0D%1F%7F%00"},
        {"escapes kept, stray percent encoded", "h.example/%41%4g%", "https://h.example/%41%254g%25"},
        {"UTF-8 letters as their bytes", "mailTo: a@b?subject=Zażółć © €",
         "mailto:a@b?subject=Za%C5%BC%C3%B3%C5%82%C4%87%20%C2%A9%20%E2%82%AC"},
        {"bytes that are no UTF-8 as they are", "h.example/\x80\xFF", "https://h.example/%80%FF"},
        {"escape after a letter of several bytes", "h.example/€%41", "https://h.example/%E2%82%AC%41"},
        {"leading dash", "-h.example", "https://-h.example"},
        {"leading dash after the mail scheme", "mailTo: -x@y", "mailto:-x@y"},
        {"leading blank", " h.example", "https://%20h.example"},
    };
    for (const UrlCase& c : cases)
        EXPECT_EQ(LaunchUrl(c.target), c.url) << c.what;
}

}  // namespace
