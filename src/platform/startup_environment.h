#pragma once
// What this machine tells the start-up sequence.

#include "startup/startup_sequence.h"

#include <string>
#include <vector>

namespace sg::platform {

// The executable's folder, the per-user data home and the primary screen in twips, with the
// given command line. Needs the QApplication. The font families are left out: listing them
// takes time the first window shows sooner without (installedFontFamilies, after its paint).
StartupEnvironment startupEnvironment(std::string commandLine);

// The installed font families, in the system's list order.
std::vector<std::string> installedFontFamilies();

// True when the web engine would refuse to start: the program runs as root and nothing
// switched the engine's sandbox off (QTWEBENGINE_DISABLE_SANDBOX, --no-sandbox).
bool engineRefusesRoot();

// True when there is a display to show a window on.
bool displayAvailable();

} // namespace sg::platform
