#pragma once
// What this machine tells the start-up sequence.

#include "startup/startup_sequence.h"

#include <string>

namespace sg::platform {

// The executable's folder, the per-user data home, the primary screen in twips and the
// installed font families, with the given command line. Needs the QApplication.
StartupEnvironment startupEnvironment(std::string commandLine);

} // namespace sg::platform
