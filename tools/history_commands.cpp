#include "common/file_io.h"
#include "history/day_file_reader.h"
#include "history/history_periods.h"
#include "history/history_purge.h"
#include "history/history_record.h"
#include "history/history_search.h"
#include "history/history_window_logic.h"
#include "history/history_writer.h"
#include "json_writer.h"
#include "settings/extra_settings.h"
#include "tool_command.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <variant>

namespace sg::tool {
namespace {

constexpr char kHistoryFolder[] = "History";

// The day files' folder, as it is (commands that write make it with subDir).
std::filesystem::path historyDir(const CommandContext& ctx)
{
    return ctx.dataDir / kHistoryFolder;
}

std::string add(const CommandContext& ctx)
{
    if (ctx.args.size() != 2)
        throw UsageError("history add TITLE URL");
    const Settings s = ctx.loadSettings();
    const bool logSecurePages = readExtraSettingsFile(extraSettingsPath(ctx.dataDir))
                                    .value_or(ExtraSettings {})
                                    .LogSecurePages;
    const FixedClock clock(ctx.now);
    HistoryWriter writer(ctx.subDir(kHistoryFolder), clock);
    const HistoryWrite written
        = writer.AddHistoryEntry({ s.HistoryDaysToKeep, s.StoreDuplicateUrls == 1, logSecurePages },
            nullptr, ctx.args[0], ctx.args[1]);
    if (written == HistoryWrite::Failed || written == HistoryWrite::Busy)
        throw CommandFailure("cannot write " + dayFilePath(historyDir(ctx), ctx.now).string());
    return "{}";
}

std::string show(const CommandContext& ctx)
{
    LocalDateTime day = ctx.now;
    if (ctx.args.size() == 2 && ctx.args[0] == "--day") {
        const auto parsed = parseIso(ctx.args[1]);
        if (!parsed || ctx.args[1].size() != 10)
            throw UsageError("--day takes YYYY-MM-DD");
        day = *parsed;
    } else if (!ctx.args.empty()) {
        throw UsageError("history show [--day YYYY-MM-DD]");
    }
    JsonWriter json;
    json.beginArray();
    // No file is a day without visits; a file that cannot be read is a failure. The records
    // are read and printed a chunk at a time, whatever the file's size.
    const auto path = dayFilePath(historyDir(ctx), day);
    if (FileMissing(path) == ENOENT)
        return json.endArray().take();
    std::size_t pending = 0;
    int error = 0;
    const bool read = readDayRecords(
        path,
        [&](const HistoryRecord& r) {
            json.beginObject().key("time").value(formatIso(r.visitDateTime()));
            json.key("hits").value(static_cast<std::int64_t>(r.Hits));
            json.key("title").value(r.Title).key("url").value(r.Url).key("host").value(r.Host);
            json.endObject();
            if (++pending == 1024) {
                ctx.emit(json.take());
                pending = 0;
            }
        },
        &error);
    if (!read)
        throw CommandFailure("cannot read " + path.string() + ": " + fileErrorText(error));
    return json.endArray().take();
}

std::string purge(const CommandContext& ctx)
{
    if (!ctx.args.empty())
        throw UsageError("history purge");
    const Settings s = ctx.loadSettings();
    JsonWriter json;
    json.beginArray();
    for (const auto& name : purgeDayFiles(historyDir(ctx), ctx.now, s.HistoryDaysToKeep))
        json.value(name);
    return json.endArray().text();
}

std::string periods(const CommandContext& ctx)
{
    if (!ctx.args.empty())
        throw UsageError("history periods");
    const Settings s = ctx.loadSettings();
    JsonWriter json;
    json.beginArray();
    for (const auto& item : periodSelectorItems(historyDir(ctx), s.HistoryDaysToKeep, ctx.now))
        json.value(item);
    return json.endArray().text();
}

constexpr const char* kSearchUsage = "history search --period ITEM --sort ITEM [--text T] "
                                     "[--dupes] [--show-time] [--host H]";

std::string search(const CommandContext& ctx)
{
    SearchControls controls;
    std::optional<std::string> host;
    for (std::size_t i = 0; i < ctx.args.size(); ++i) {
        const std::string& word = ctx.args[i];
        if (word == "--dupes") {
            controls.dupes = true;
            continue;
        }
        if (word == "--show-time") {
            controls.showTime = true;
            continue;
        }
        if (i + 1 >= ctx.args.size())
            throw UsageError(kSearchUsage);
        const std::string& value = ctx.args[++i];
        if (word == "--period")
            controls.period = value;
        else if (word == "--sort")
            controls.sort = value;
        else if (word == "--text")
            controls.text = value;
        else if (word == "--host")
            host = value;
        else
            throw UsageError(kSearchUsage);
    }

    const Settings s = ctx.loadSettings();
    const auto dayFiles = historyDir(ctx);
    // Only an item that the period selector holds can be selected in it.
    const auto items = periodSelectorItems(dayFiles, s.HistoryDaysToKeep, ctx.now);
    if (controls.period && std::find(items.begin(), items.end(), *controls.period) == items.end())
        controls.period.reset();

    const auto planned = host ? planHostPages(*host, controls, dayFiles, ctx.now)
                              : planSearch(controls, dayFiles, ctx.now);
    if (const auto* refused = std::get_if<SearchRefusal>(&planned))
        throw CommandFailure(refused->message);
    const SearchPlan& plan = std::get<SearchPlan>(planned);
    const std::atomic<bool> never { false };
    const SearchOutcome outcome = searchDayFiles(plan.files, plan.query, never);
    if (outcome.status != SearchStatus::Complete)
        throw CommandFailure(std::string(kSearchErrorMessage));

    JsonWriter json;
    json.beginObject().key("header").value(outcome.result.header).key("rows").beginArray();
    for (const HistoryRow& row : outcome.result.rows) {
        json.beginObject().key("title").value(row.title).key("hits").value(row.hits);
        json.key("date").value(row.date).key("url").value(row.url).endObject();
    }
    return json.endArray().endObject().text();
}

} // namespace

std::string historyCommand(const std::string& verb, const CommandContext& ctx)
{
    if (verb == "add")
        return add(ctx);
    if (verb == "show")
        return show(ctx);
    if (verb == "purge")
        return purge(ctx);
    if (verb == "periods")
        return periods(ctx);
    if (verb == "search")
        return search(ctx);
    throw UsageError("unknown command history " + verb);
}

} // namespace sg::tool
