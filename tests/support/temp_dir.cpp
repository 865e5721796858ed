#include "support/temp_dir.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>

namespace sgtest {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "sg2test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

void writeBytes(const std::filesystem::path& path, const sg::Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(
        reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

sg::Bytes readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return sg::Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string readText(const std::filesystem::path& path)
{
    const sg::Bytes bytes = readBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

sg::Bytes bytesOf(const std::string& text)
{
    return sg::Bytes(text.begin(), text.end());
}

sg::Bytes filled(std::size_t count, std::uint8_t value)
{
    return sg::Bytes(count, value);
}

sg::Bytes padded(const std::string& text, std::size_t width)
{
    sg::Bytes bytes = bytesOf(text);
    bytes.resize(width, ' ');
    return bytes;
}

sg::Bytes operator+(sg::Bytes a, const sg::Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<std::string> namesIn(const std::filesystem::path& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace sgtest
