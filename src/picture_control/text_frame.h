#pragma once

#include <QRect>
#include <QString>

class CPictureText;
class QWidget;

// A picture text in the frames of the static control it stands for: a raised three-pixel
// frame round a sunken two-pixel edge, at geometry in parent. The outer frame is named name;
// the text fills what the frames leave and is owned by them.
CPictureText* FramedPictureText(QWidget* parent, const QRect& geometry, const QString& name);
