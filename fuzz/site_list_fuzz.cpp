// Reads arbitrary bytes as a site list file, appends a page under a unique name and reads
// it again: must never crash, and the pages before the append must read the same.
#include "sitelists/list_files.h"

#include <algorithm>
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
            = (std::filesystem::temp_directory_path() / "sg2fuzz-sites-XXXXXX").string();
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
    const std::string file = "Sites00001.dab";
    {
        std::ofstream out(sg::siteListsDir(dir) / file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const auto sites = sg::LoadSites(dir, file);
    if (!sites)
        std::abort();
    const auto names = sg::siteNames(*sites);
    const std::string title(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 200));
    const std::string name = sg::MakeUniqueSiteName(title, names);
    if (!sg::AppendSite(dir, file, { name, "http://fuzz/" }))
        std::abort();
    const auto after = sg::LoadSites(dir, file);
    if (!after || after->size() != sites->size() + 1
        || !std::equal(sites->begin(), sites->end(), after->begin()))
        std::abort();
    for (const auto& existing : *sites) {
        if (existing.SiteName == after->back().SiteName)
            std::abort();
    }
    return 0;
}
