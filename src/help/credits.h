#pragma once

#include <string_view>

// The English credits, every line ended by its separator: from the first picture to the
// author's banner in the About box's narrow column and on Help's About tab, then the notices
// under the banner. Their lines of text are looked up under "AboutBoxCredits",
// "HelpAboutPage" and "CreditsNotices".
extern const std::string_view kBoxCredits;
extern const std::string_view kTabCredits;
extern const std::string_view kCreditNotices;
