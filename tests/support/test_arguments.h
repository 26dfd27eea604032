#pragma once

// What a widget test program was told on its command line besides gtest's own flags.

// --arial-face=FACE: the face "Arial" is to resolve to in this run; null when not said.
extern const char* g_expectedArialFace;

// Runs the widget tests of the program with a QApplication on the given Qt platform
// (QT_QPA_PLATFORM, with its options), after reading the program's own arguments.
int RunWidgetTests(int argc, char** argv, const char* platform);
