// Reads arbitrary bytes as a site list file, appends a page under a unique name and reads
// it again: must never crash, and the pages before the append must read the same.
#include "fuzz_support.h"
#include "sitelists/list_files.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto& dir = sgfuzz::runUserDataDir("sites");
    const std::string file = "Sites00001.dab";
    sgfuzz::writeInput(sg::siteListsDir(dir) / file, data, size);
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
