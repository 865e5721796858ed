#include "common/file_io.h"
#include "json_writer.h"
#include "settings/settings.h"
#include "sitelists/bookmark_transfer.h"
#include "sitelists/list_backup.h"
#include "sitelists/list_files.h"
#include "sitelists/list_operations.h"
#include "tool_command.h"

namespace sg::tool {
namespace {

// The value of a list operation that went through; its message otherwise.
template <typename T> T valueOf(ListResult<T> result, const std::string& what)
{
    if (result.ok())
        return std::move(result.value);
    if (!result.message.empty())
        throw CommandFailure(result.message);
    if (result.status == ListStatus::NotFound)
        throw CommandFailure("no category is named " + what);
    throw CommandFailure("nothing to do: the name is empty");
}

void writeSite(JsonWriter& json, const SiteRecord& site)
{
    json.beginObject().key("name").value(site.SiteName).key("url").value(site.SiteUrl);
    json.endObject();
}

std::string categoryJson(const Category& c)
{
    JsonWriter json;
    json.beginObject().key("name").value(c.name).key("file").value(c.siteFileName);
    return json.endObject().text();
}

void needArgs(const CommandContext& ctx, std::size_t count, bool orMore, const char* usage)
{
    if (ctx.args.size() < count || (!orMore && ctx.args.size() != count))
        throw UsageError(usage);
}

// Every category with its pages, one category at a time. A site list file that cannot be
// read gives its category an "error" in place of its "sites", and the others still show.
std::string show(const CommandContext& ctx)
{
    int error = 0;
    const auto categories = LoadCategories(ctx.dataDir, &error);
    if (!categories)
        throw CommandFailure(
            "cannot read " + categoryListPath(ctx.dataDir).string() + ": " + fileErrorText(error));
    JsonWriter json;
    json.beginArray();
    for (const auto& c : *categories) {
        json.beginObject().key("name").value(c.name).key("file").value(c.siteFileName);
        const auto sites = LoadSites(ctx.dataDir, c.siteFileName, &error);
        if (sites) {
            json.key("sites").beginArray();
            for (const auto& site : *sites)
                writeSite(json, site);
            json.endArray();
        } else {
            const std::string problem
                = "cannot read " + c.siteFileName + ": " + fileErrorText(error);
            json.key("error").value(problem);
            ctx.problems.push_back(problem);
        }
        json.endObject();
        ctx.emit(json.take());
    }
    return json.endArray().take();
}

std::string backup(const CommandContext& ctx)
{
    Settings s = ctx.loadSettings();
    const auto files = valueOf(backUpSiteLists(ctx.dataDir), "");
    s.LastBackupTime = toOleDate(ctx.now);
    ctx.saveSettings(s);
    JsonWriter json;
    json.beginObject().key("files").beginArray();
    for (const auto& f : files)
        json.value(f);
    return json.endArray().endObject().text();
}

} // namespace

std::string listsCommand(const std::string& verb, const CommandContext& ctx)
{
    ctx.subDir("SiteLists");
    if (verb == "show") {
        needArgs(ctx, 0, false, "lists show");
        return show(ctx);
    }
    if (verb == "add-category") {
        needArgs(ctx, 1, false, "lists add-category NAME");
        return categoryJson(valueOf(addCategory(ctx.dataDir, ctx.args[0]), ctx.args[0]));
    }
    if (verb == "delete-category") {
        needArgs(ctx, 1, false, "lists delete-category NAME");
        return categoryJson(valueOf(deleteCategory(ctx.dataDir, ctx.args[0]), ctx.args[0]));
    }
    if (verb == "add-site") {
        needArgs(ctx, 3, false, "lists add-site CATEGORY NAME URL");
        const auto site = valueOf(
            addPageToCategory(ctx.dataDir, ctx.args[0], ctx.args[1], ctx.args[2]), ctx.args[0]);
        JsonWriter json;
        writeSite(json, site);
        return json.text();
    }
    if (verb == "import-url") {
        needArgs(ctx, 2, true, "lists import-url CATEGORY FILE...");
        const std::vector<std::filesystem::path> files(ctx.args.begin() + 1, ctx.args.end());
        const auto added = valueOf(importShortcuts(ctx.dataDir, ctx.args[0], files), ctx.args[0]);
        JsonWriter json;
        json.beginArray();
        for (const auto& site : added)
            writeSite(json, site);
        return json.endArray().text();
    }
    if (verb == "import-bookmarks") {
        needArgs(ctx, 1, false, "lists import-bookmarks FILE");
        const auto counts = valueOf(importBookmarks(ctx.dataDir, ctx.args[0]), "");
        JsonWriter json;
        json.beginObject().key("categoriesAdded").value(std::int64_t(counts.categoriesAdded));
        json.key("categoriesExisting").value(std::int64_t(counts.categoriesExisting));
        json.key("pagesAdded").value(std::int64_t(counts.pagesAdded));
        json.key("linksSkipped").value(std::int64_t(counts.linksSkipped));
        return json.endObject().text();
    }
    if (verb == "export-bookmarks") {
        needArgs(ctx, 1, false, "lists export-bookmarks FILE");
        const auto counts = valueOf(exportBookmarks(ctx.dataDir, ctx.args[0]), "");
        JsonWriter json;
        json.beginObject().key("categories").value(std::int64_t(counts.categories));
        json.key("pages").value(std::int64_t(counts.pages));
        return json.endObject().text();
    }
    if (verb == "backup") {
        needArgs(ctx, 0, false, "lists backup");
        return backup(ctx);
    }
    throw UsageError("unknown command lists " + verb);
}

} // namespace sg::tool
