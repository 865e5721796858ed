// Reads arbitrary bytes as CatList.dab, writes the categories back and reads them again:
// must never crash, and the second read must give the same categories.
#include "fuzz_support.h"
#include "sitelists/list_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto& dir = sgfuzz::runUserDataDir("cat");
    sgfuzz::writeInput(sg::categoryListPath(dir), data, size);
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
