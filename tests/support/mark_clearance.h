#pragma once

#include <QFont>
#include <QString>
#include <string>

// The marks over the letters of `text` as `font` draws them at device scale `scale`: one line
// for each mark that touches its letter (ink next to ink, a pixel counting as ink when it is at
// least half covered), that runs the two dots of a diaeresis into one, or that is not drawn at
// all; empty when every mark stands clear.
std::string MarkFaults(const QString& text, const QFont& font, qreal scale);
