#pragma once
// What this machine tells the start-up sequence.

#include "startup/startup_sequence.h"

#include <string>

namespace sg::platform {

// The executable's folder, the per-user data home, the primary screen in twips and the
// installed font families, with the given command line. Needs the QApplication.
StartupEnvironment startupEnvironment(std::string commandLine);

// True when the web engine would refuse to start: the program runs as root and nothing
// switched the engine's sandbox off (QTWEBENGINE_DISABLE_SANDBOX, --no-sandbox).
bool engineRefusesRoot();

// True when there is a display to show a window on.
bool displayAvailable();

} // namespace sg::platform
