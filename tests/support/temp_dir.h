#pragma once
// A fresh directory under the system temp folder, removed with everything in it.

#include "common/record_codec.h"

#include <filesystem>
#include <string>
#include <vector>

namespace sgtest {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// Test file helpers.
void writeBytes(const std::filesystem::path& path, const sg::Bytes& bytes);
sg::Bytes readBytes(const std::filesystem::path& path);
std::string readText(const std::filesystem::path& path);
// Bytes from text written byte for byte (each char is one byte).
sg::Bytes bytesOf(const std::string& text);
// count bytes of value.
sg::Bytes filled(std::size_t count, std::uint8_t value);
// A text field as stored: the text's bytes padded with blanks to width.
sg::Bytes padded(const std::string& text, std::size_t width);
// Concatenation.
sg::Bytes operator+(sg::Bytes a, const sg::Bytes& b);
// The names in a folder, sorted.
std::vector<std::string> namesIn(const std::filesystem::path& dir);

} // namespace sgtest
