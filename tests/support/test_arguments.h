#pragma once

// What a widget test program was told on its command line besides gtest's own flags.

// --arial-face=FACE: the face "Arial" is to resolve to in this run; null when not said.
extern const char* g_expectedArialFace;
