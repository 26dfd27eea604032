#pragma once

// Ticks the picture-text fuzz target has run, for the replay that times them.
extern long g_fuzzTicks;
