#pragma once

// Where RandomCell takes its seed. The default is the clock in whole seconds since 1970;
// tests pass their own source. nullptr restores the clock.
void SetRandomSeedSource(unsigned (*source)());
