#include "base/sound_switch.h"

bool g_bSound = false;
