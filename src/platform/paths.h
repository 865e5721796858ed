#pragma once
// Where this machine keeps the program's folders.

#include <filesystem>

namespace sg::platform {

// The per-user data home (the XDG data home, normally ~/.local/share).
std::filesystem::path profileDir();

// The folder of the shipped data: the executable's folder when it holds "Skyglass.ini",
// else <exe folder>/../share/skyglass2. Never ends in "/".
std::filesystem::path appDir();

} // namespace sg::platform
