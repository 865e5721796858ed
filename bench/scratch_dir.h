#pragma once
// A fresh folder under the system's temporary folder for a benchmark's files.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace sgbench {

inline std::optional<std::filesystem::path> makeScratchDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "sg2bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        return std::nullopt;
    }
    return std::filesystem::path(pattern);
}

} // namespace sgbench
