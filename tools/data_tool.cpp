#include "data_tool.h"

#include "common/data_lock.h"
#include "common/file_io.h"
#include "settings/settings_checks.h"
#include "settings/settings_file.h"
#include "tool_command.h"

#include <optional>

namespace sg::tool {
namespace {

constexpr const char* kUsage
    = "usage: skyglass2-data [--data-dir DIR] [--now \"YYYY-MM-DD HH:MM:SS\"] COMMAND ...\n"
      "commands: settings show | settings set FIELD VALUE | lists show |\n"
      "  lists add-category NAME | lists delete-category NAME |\n"
      "  lists add-site CATEGORY NAME URL | lists import-url CATEGORY FILE... |\n"
      "  lists import-bookmarks FILE | lists export-bookmarks FILE |\n"
      "  lists backup | history add TITLE URL | history show [--day YYYY-MM-DD] |\n"
      "  history purge | history periods |\n"
      "  history search --period ITEM --sort ITEM [--text T] [--dupes] [--show-time] [--host H]\n";

// The commands that change no file by reading it first (the purge only deletes day files);
// every other one holds the data folder's lock from its first read to its last write, as
// the program's writers do.
bool needsNoLock(const std::string& noun, const std::string& verb)
{
    if (noun == "history")
        return verb == "show" || verb == "periods" || verb == "search" || verb == "purge";
    return verb == "show";
}

} // namespace

void CommandContext::emit(std::string text) const
{
    if (out)
        *out << text;
}

Settings CommandContext::loadSettings() const
{
    const auto path = dataDir / "Skyglass.ini";
    auto s = readSettingsFile(path);
    if (!s)
        throw CommandFailure("cannot read the settings file " + path.string());
    applyLoadChecks(*s, kWindowBackgroundColor);
    return *s;
}

void CommandContext::saveSettings(const Settings& s) const
{
    const auto path = dataDir / "Skyglass.ini";
    if (const auto saved = saveSettingsFile(path, s, perWindowSettingsOf(s)); !saved)
        throw CommandFailure(saved.message);
}

std::filesystem::path CommandContext::subDir(const char* name) const
{
    const auto dir = dataDir / name;
    makeDirectories(dir);
    return dir;
}

int runDataTool(const std::vector<std::string>& args, const std::filesystem::path& defaultDataDir,
    std::ostream& out, std::ostream& err,
    std::function<bool(const std::filesystem::path&)> programRunsOn)
{
    CommandContext ctx;
    ctx.dataDir = defaultDataDir;
    ctx.programRunsOn = std::move(programRunsOn);
    std::optional<LocalDateTime> now;
    std::size_t i = 0;
    try {
        for (; i < args.size() && args[i].starts_with("--"); i += 2) {
            if (i + 1 >= args.size())
                throw UsageError(args[i] + " needs a value");
            if (args[i] == "--data-dir") {
                ctx.dataDir = args[i + 1];
            } else if (args[i] == "--now") {
                now = parseIso(args[i + 1]);
                if (!now)
                    throw UsageError("--now takes \"YYYY-MM-DD HH:MM:SS\"");
            } else {
                throw UsageError("unknown option " + args[i]);
            }
        }
        if (args.size() < i + 2)
            throw UsageError("a command has two words, such as: lists show");
        ctx.now = now ? *now : SystemClock().now();
        ctx.args.assign(args.begin() + static_cast<std::ptrdiff_t>(i) + 2, args.end());
        ctx.out = &out;
        const std::string& noun = args[i];
        const std::string& verb = args[i + 1];
        if (noun != "settings" && noun != "lists" && noun != "history")
            throw UsageError("unknown command " + noun);
        std::optional<DataLock> lock;
        if (!needsNoLock(noun, verb)) {
            makeDirectories(ctx.dataDir);
            lock.emplace(ctx.dataDir);
            if (!*lock)
                throw CommandFailure(std::string(lock->message()) + " (" + ctx.dataDir.string()
                    + (lock->error() != 0 ? ": " + fileErrorText(lock->error()) : "") + ")");
        }
        std::string json;
        if (noun == "settings")
            json = settingsCommand(verb, ctx);
        else if (noun == "lists")
            json = listsCommand(verb, ctx);
        else
            json = historyCommand(verb, ctx);
        out << json << '\n';
        for (const std::string& problem : ctx.problems)
            err << problem << '\n';
        return ctx.problems.empty() ? 0 : 1;
    } catch (const UsageError& e) {
        err << e.what() << '\n' << kUsage;
        return 2;
    } catch (const CommandFailure& e) {
        err << e.what() << '\n';
        return 1;
    }
}

} // namespace sg::tool
