#pragma once

#include <string>
#include <vector>

// Environment variables the game sets for the libraries it loads (what the desktop's mixer
// shows of it), which the programs it starts must not inherit: a browser started with them
// would show in the mixer as the game. A variable the player has set is left as it is.
void SetOwnVariable(const std::string& name, const std::string& value);

// The names of the variables SetOwnVariable has set, for a child's environment to drop.
std::vector<std::string> OwnVariables();
