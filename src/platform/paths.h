#pragma once
// Where this machine keeps the program's folders.

#include <filesystem>

namespace sg::platform {

// The per-user data home (the XDG data home, normally ~/.local/share).
std::filesystem::path profileDir();

} // namespace sg::platform
