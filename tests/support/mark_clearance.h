#pragma once

#include <QFont>
#include <QString>
#include <string>

// How dark, on white, a pixel half covered and a third covered are.
inline constexpr int kHalfCovered = 128;
inline constexpr int kThirdCovered = 85;

// The marks over the letters of `text` as `font` draws them at device scale `scale`: one line
// for each mark that touches its letter (ink next to ink, a pixel counting as ink when it is at
// least as dark as `ink`), that stands over a capital with no empty row between them, that runs
// the two dots of a diaeresis into one, or that is not drawn at all; empty when every mark
// stands clear.
std::string MarkFaults(const QString& text, const QFont& font, qreal scale, int ink = kHalfCovered);

// The spacing of the letters of `text` as `font` draws it at device scale `scale`: one line for
// each two neighbouring characters inside a word whose gap (the blank columns between their
// ink) is as wide as the narrowest gap a space leaves between two letters or digits of the
// text; empty when letters are evenly spaced, and for a text without such a space, which has
// no gap to measure against.
std::string SpacingFaults(const QString& text, const QFont& font, qreal scale);
