// Reads arbitrary bytes as an Internet shortcut file and as a shortcut file name: must
// never crash.
#include "fuzz_support.h"
#include "sitelists/shortcut_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::filesystem::path path = sgfuzz::runScratchDir("url") / "Fuzz.url";
    sgfuzz::writeInput(path, data, size);
    const auto url = sg::ReadShortcutUrl(path);
    if (!url || *url != sg::shortcutUrlFromBytes(std::span(data, size)))
        std::abort();
    const std::string name(reinterpret_cast<const char*>(data), size);
    (void)sg::ShortcutName(name);
    return 0;
}
