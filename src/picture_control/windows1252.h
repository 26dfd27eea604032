#pragma once

#include <QString>
#include <string_view>

// Single-byte Windows-1252 text as Unicode. 0x80..0x9F map as the code page has them (0x80
// is the euro sign); its five unassigned bytes there become the C1 controls of the same
// value, as the system's own conversion does. Every other byte is its Latin-1 character.
QString FromWindows1252(std::string_view text);
