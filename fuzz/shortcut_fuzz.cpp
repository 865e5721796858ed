// Reads arbitrary bytes as an Internet shortcut file and as a shortcut file name: must
// never crash.
#include "sitelists/shortcut_file.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdlib.h>

namespace {

// A folder for the shortcut file, removed at exit.
struct FuzzDir {
    FuzzDir()
    {
        std::string pattern
            = (std::filesystem::temp_directory_path() / "sg2fuzz-url-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        path = pattern;
    }
    ~FuzzDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::filesystem::path path;
};

const std::filesystem::path& shortcutPath()
{
    static const FuzzDir dir;
    static const std::filesystem::path path = dir.path / "Fuzz.url";
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    {
        std::ofstream out(shortcutPath(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const auto url = sg::ReadShortcutUrl(shortcutPath());
    if (!url || *url != sg::shortcutUrlFromBytes(std::span(data, size)))
        std::abort();
    const std::string name(reinterpret_cast<const char*>(data), size);
    (void)sg::ShortcutName(name);
    return 0;
}
