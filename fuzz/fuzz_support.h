#pragma once
// What the fuzz targets that read from a file share: a scratch folder and writing the input.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdlib.h>
#include <string>

namespace sgfuzz {

// A new folder under the system's temporary folder, removed with its content when it goes.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& tag)
    {
        std::string pattern
            = (std::filesystem::temp_directory_path() / ("sg2fuzz-" + tag + "-XXXXXX")).string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        m_path = pattern;
    }
    ~ScratchDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// The target's scratch folder for the whole run, removed at exit.
inline const std::filesystem::path& runScratchDir(const std::string& tag)
{
    static const ScratchDir dir(tag);
    return dir.path();
}

// A user data directory with its SiteLists folder, kept for the whole run.
inline const std::filesystem::path& runUserDataDir(const std::string& tag)
{
    static const std::filesystem::path& dir = [&]() -> const std::filesystem::path& {
        const auto& path = runScratchDir(tag);
        std::filesystem::create_directory(path / "SiteLists");
        return path;
    }();
    return dir;
}

// Replaces the content of the file with the input.
inline void writeInput(
    const std::filesystem::path& path, const std::uint8_t* data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

} // namespace sgfuzz
