// Reads arbitrary bytes as CatList.dab, writes the categories back and reads them again:
// must never crash, and the second read must give the same categories.
#include "sitelists/list_files.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdlib.h>

namespace {

// A user data directory with its SiteLists folder, removed at exit.
struct FuzzDataDir {
    FuzzDataDir()
    {
        std::string pattern
            = (std::filesystem::temp_directory_path() / "sg2fuzz-cat-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        path = pattern;
        std::filesystem::create_directory(path / "SiteLists");
    }
    ~FuzzDataDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::filesystem::path path;
};

const std::filesystem::path& userDataDir()
{
    static const FuzzDataDir dir;
    return dir.path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto& dir = userDataDir();
    {
        std::ofstream out(sg::categoryListPath(dir), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const auto categories = sg::LoadCategories(dir);
    if (!categories)
        std::abort();
    (void)sg::NextSiteFileNumber(dir);
    std::vector<sg::CategoryEntry> entries;
    for (const auto& category : *categories)
        entries.push_back({ category.name, category.siteFileName });
    if (!sg::SaveCategories(dir, entries) || sg::LoadCategories(dir) != categories)
        std::abort();
    return 0;
}
