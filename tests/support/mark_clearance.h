#pragma once

#include <QFont>
#include <QString>
#include <string>

// The marks over the letters of `text` as `font` draws them at device scale `scale`: one line
// for each mark that touches its letter (ink next to ink, a pixel counting as ink when it is at
// least half covered), that stands over a capital with no empty row between them, that runs
// the two dots of a diaeresis into one, or that is not drawn at all; empty when every mark
// stands clear.
std::string MarkFaults(const QString& text, const QFont& font, qreal scale);

// The spacing of the letters of `text` as `font` draws it at device scale `scale`: one line for
// each two neighbouring characters inside a word whose gap (the blank columns between their
// ink) is as wide as the narrowest gap a space leaves between two letters or digits of the
// text; empty when letters are evenly spaced, and for a text without such a space, which has
// no gap to measure against.
std::string SpacingFaults(const QString& text, const QFont& font, qreal scale);
