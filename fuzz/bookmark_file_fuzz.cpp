// Reads arbitrary bytes as a bookmark file: must never crash, and what it reads must come
// back the same through the writer.
#include "sitelists/bookmark_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view html(reinterpret_cast<const char*>(data), size);
    (void)sg::isBookmarkFile(html);
    const sg::BookmarkFile file = sg::parseBookmarkFile(html);
    const sg::BookmarkFile again = sg::parseBookmarkFile(sg::formatBookmarkFile(file.folders));
    if (again.skippedLinks != 0 || again.folders != file.folders)
        std::abort();
    return 0;
}
