#pragma once
// What every command of the data tool gets, and how it reports.

#include "common/date_time.h"
#include "settings/settings.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace sg::tool {

// A command's words were wrong: usage line, exit 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The command could not be done: the message on stderr, exit 1.
struct CommandFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct CommandContext {
    std::filesystem::path dataDir; // the UserDataDir worked on
    LocalDateTime now;
    std::vector<std::string> args; // the words after the command's two names
    // Where a long document goes piece by piece while it is made (see emit).
    std::ostream* out = nullptr;
    // Failures of parts of a command that still printed the rest: each on stderr, exit 1.
    mutable std::vector<std::string> problems;

    // Hands the document's text made so far to out, so that no document is held whole.
    void emit(std::string text) const;
    // True when the program runs on the data folder; unset: it is taken as not running.
    std::function<bool(const std::filesystem::path&)> programRunsOn;

    // The settings file with the loading checks applied; CommandFailure when unreadable.
    Settings loadSettings() const;
    // Saves the settings by the saving rule; CommandFailure when it cannot be written.
    void saveSettings(const Settings& s) const;
    // The sub-folder, made when missing.
    std::filesystem::path subDir(const char* name) const;
};

// Each returns the JSON document to print.
std::string settingsCommand(const std::string& verb, const CommandContext& ctx);
std::string listsCommand(const std::string& verb, const CommandContext& ctx);
std::string historyCommand(const std::string& verb, const CommandContext& ctx);

} // namespace sg::tool
