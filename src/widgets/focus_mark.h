#pragma once

class QPainter;
class QRect;
class QWidget;

// The classic desktop's focus mark: a dotted rectangle inside the control that has the
// keyboard focus. Like that desktop, it stays hidden until the keyboard has moved the focus
// in the window, so a player who only uses the mouse never sees one.

// The widget has the focus and the keyboard has moved it in the widget's window.
bool ShowsFocusMark(const QWidget& widget);

// Draws the mark along the inside of rect, in the style's own dotted pattern, as thick as
// the style draws its lines at the painter's scale.
void DrawFocusMark(QPainter& painter, const QWidget& widget, const QRect& rect);
