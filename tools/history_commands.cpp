#include "history/history_purge.h"
#include "history/history_record.h"
#include "history/history_writer.h"
#include "json_writer.h"
#include "tool_command.h"

namespace sg::tool {
namespace {

std::string add(const CommandContext& ctx)
{
    if (ctx.args.size() != 2)
        throw UsageError("history add TITLE URL");
    const Settings s = ctx.loadSettings();
    const FixedClock clock(ctx.now);
    HistoryWriter writer(ctx.subDir("History"), clock);
    writer.AddHistoryEntry(
        { s.HistoryDaysToKeep, s.StoreDuplicateUrls == 1 }, nullptr, ctx.args[0], ctx.args[1]);
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
    const auto records = readDayFile(dayFilePath(ctx.dataDir / "History", day));
    for (const auto& r : records.value_or(std::vector<HistoryRecord> {})) {
        json.beginObject().key("time").value(formatIso(r.visitDateTime()));
        json.key("hits").value(static_cast<std::int64_t>(r.Hits));
        json.key("title").value(r.Title).key("url").value(r.Url).key("host").value(r.Host);
        json.endObject();
    }
    return json.endArray().text();
}

std::string purge(const CommandContext& ctx)
{
    if (!ctx.args.empty())
        throw UsageError("history purge");
    const Settings s = ctx.loadSettings();
    JsonWriter json;
    json.beginArray();
    for (const auto& name : purgeDayFiles(ctx.dataDir / "History", ctx.now, s.HistoryDaysToKeep))
        json.value(name);
    return json.endArray().text();
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
    throw UsageError("unknown command history " + verb);
}

} // namespace sg::tool
