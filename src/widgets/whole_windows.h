#pragma once

class QApplication;

// On Wayland, where the compositor places windows in logical pixels: every window (the main
// window, its dialogs and message boxes) keeps the size it gives itself and the size Qt's
// layouts give it, and takes a few logical pixels more at the right and bottom edge where that
// size, with the frame Qt draws round it where the compositor draws none, would cover part
// of a device pixel at the screen's scale (base/whole_device.h), again
// whenever the scale changes. The controls stay where they are.
void KeepWindowsWholeOnDevice(QApplication& app);
