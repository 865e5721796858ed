#include "sitelists/list_editor_view.h"

namespace sg {

std::ostream& operator<<(std::ostream& out, const EditorRow& row)
{
    return out << "EditorRow{\"" << row.name << "\", \"" << row.second << "\"}";
}

std::string_view editorMenuCaption(EditorMenuItem item)
{
    static constexpr std::array<std::string_view, kEditorMenuItemCount> captions = {
        "Move &Up",
        "Move &Down",
        "Move To &Top",
        "Move To &Bottom",
        "Sort &A to Z (One Time Only)",
        "Sort List &Z to A (One Time Only)",
        "Delete &Selected",
        "&Move Selected Site(s) To Category",
        "&Copy Selected Site(s) To Category",
        "Select &All",
    };
    return captions[static_cast<std::size_t>(item)];
}

std::vector<std::size_t> ListEditorView::selectedSites() const
{
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < siteSelected.size(); ++i) {
        if (siteSelected[i])
            rows.push_back(i);
    }
    return rows;
}

} // namespace sg
