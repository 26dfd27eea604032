#pragma once

// ALSA's library prints its own configuration errors to standard error when there is no
// sound card, a dozen lines for each attempt. This installs a silent error handler in it, if
// it is present, before SDL loads it; SDL's own message is reported once by the player.
void SilenceAlsaErrors();
