#include "json_writer.h"
#include "settings/extra_settings.h"
#include "settings/settings_fields.h"
#include "tool_command.h"

#include <type_traits>

namespace sg::tool {
namespace {

void writeValue(JsonWriter& json, const SettingsFieldValue& value)
{
    std::visit(
        [&json](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, LocalDateTime>) {
                json.value(formatIso(v));
            } else if constexpr (std::is_same_v<T, std::vector<double>>) {
                json.beginArray();
                for (const double d : v)
                    json.value(d);
                json.endArray();
            } else {
                json.value(v);
            }
        },
        value);
}

// The record's fields, then those of Skyglass2.conf.
std::string showJson(const Settings& s, const ExtraSettings& extra)
{
    JsonWriter json;
    json.beginObject();
    auto fields = settingsFields(s);
    const auto extraFields = extraSettingsFields(extra);
    fields.insert(fields.end(), extraFields.begin(), extraFields.end());
    for (const auto& field : fields) {
        json.key(field.name);
        writeValue(json, field.value);
    }
    json.endObject();
    return json.text();
}

ExtraSettings loadExtraSettings(const CommandContext& ctx)
{
    const auto path = extraSettingsPath(ctx.dataDir);
    const auto extra = readExtraSettingsFile(path);
    if (!extra)
        throw CommandFailure("cannot read the settings file " + path.string());
    return *extra;
}

} // namespace

std::string settingsCommand(const std::string& verb, const CommandContext& ctx)
{
    if (verb == "show") {
        if (!ctx.args.empty())
            throw UsageError("settings show takes no arguments");
        return showJson(ctx.loadSettings(), loadExtraSettings(ctx));
    }
    if (verb == "set") {
        if (ctx.args.size() != 2)
            throw UsageError("settings set FIELD VALUE");
        // The running program writes its settings when its windows close: it would undo this.
        if (ctx.programRunsOn && ctx.programRunsOn(ctx.dataDir))
            throw CommandFailure("Skyglass2 is running on this data folder and would undo the "
                                 "change when its windows close. Close Skyglass2, then set the "
                                 "field again.");
        Settings s = ctx.loadSettings();
        ExtraSettings extra = loadExtraSettings(ctx);
        if (isExtraSettingName(ctx.args[0])) {
            // Kept in their own file; the settings record is not written.
            if (const auto error = setExtraSetting(extra, ctx.args[0], ctx.args[1]))
                throw CommandFailure(*error);
            const auto path = extraSettingsPath(ctx.dataDir);
            if (!saveExtraSettingsFile(path, extra))
                throw CommandFailure("cannot write the settings file " + path.string());
            return showJson(s, extra);
        }
        if (const auto error = setSettingsField(s, ctx.args[0], ctx.args[1]))
            throw CommandFailure(*error);
        ctx.saveSettings(s);
        return showJson(s, extra);
    }
    throw UsageError("unknown command settings " + verb);
}

} // namespace sg::tool
