#pragma once
// The outside programs the menu starts: a program at a path, and the desktop's mail program
// for a new message.

#include <string>

namespace sg::platform {

// Starts the program at this path on its own (it outlives this program); an empty path or
// one that names no program does nothing.
void startProgram(const std::string& path);

// The desktop's mail program opens a new, empty message (a "mailto:" address).
void openNewMail();

} // namespace sg::platform
