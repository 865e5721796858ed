// Import of Internet shortcut favourites into the shown site list.
#include "sitelists/field_text.h"
#include "sitelists/list_editor.h"
#include "sitelists/list_files.h"
#include "sitelists/shortcut_file.h"
#include "sitelists/sitelist_messages.h"

namespace sg {

namespace msg = sitelist_messages;

std::optional<std::string> ListEditor::beginImport()
{
    if (m_view.categories.empty()) {
        tell(std::string(msg::kCreateCategoryFirst));
        return std::nullopt;
    }
    return m_view.favoritesFolder;
}

void ListEditor::importFavorites(std::span<const std::filesystem::path> files)
{
    if (files.empty() || m_view.categories.empty())
        return;
    m_view.favoritesFolder = files.front().parent_path().string();
    std::vector<std::string> names;
    for (const EditorRow& row : m_view.sites)
        names.push_back(row.name);
    bool added = false;
    bool failed = false;
    // From the last file returned to the first.
    for (auto file = files.rbegin(); file != files.rend(); ++file) {
        const auto url = ReadShortcutUrl(*file);
        if (!url) {
            failed = true;
            break;
        }
        std::string name = ShortcutName(file->filename().string());
        if (url->empty() || name.empty())
            continue;
        name = storedFieldText(MakeUniqueSiteName(name, names), kSiteNameWidth);
        names.push_back(name);
        appendSiteRow({ name, *url });
        added = true;
    }
    ++m_view.scrollToLastSite;
    // What was added before a failure is written too, so the file shows what the list does.
    if (added)
        SyncLists(2);
    if (failed)
        tell(std::string(msg::kFavoritesError));
}

} // namespace sg
