#pragma once
// What the program's command line asks for: one address or path to open, or, alone on the
// line, the usage (--help) or the version (--version), which need no window.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sg {

enum class CommandLineRequest { Open, Help, Version };

struct ProgramCommandLine {
    CommandLineRequest request = CommandLineRequest::Open;
    std::string text; // the whole command line, the words joined by one blank

    bool operator==(const ProgramCommandLine&) const = default;
};

// The words after the program's name.
ProgramCommandLine readCommandLine(const std::vector<std::string>& words);

// What --help prints: the one argument, where the user's data lives, the data tool.
std::string usageText(const std::filesystem::path& userDataDir);

// What --version prints.
std::string versionText(std::string_view version);

// Why the program does not start as root with the web engine's sandbox on, and what to do.
inline constexpr std::string_view kRootSandboxText
    = "Skyglass2 cannot start as root (the system administrator): its web engine will not "
      "run as root with its sandbox on, and the program does not switch the sandbox off by "
      "itself.\n"
      "Start Skyglass2 as a normal user. On a machine that must run it as root, such as a "
      "kiosk or a wall display, start it with the environment variable "
      "QTWEBENGINE_DISABLE_SANDBOX=1 set.";

} // namespace sg
