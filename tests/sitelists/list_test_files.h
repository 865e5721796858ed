#pragma once
// List file bytes written out by hand, and a way to make writes fail, for the list tests.

#include "support/temp_dir.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace sgtest {

// A CatList.dab record: the name padded to 158 bytes, then the number (below 256).
inline sg::Bytes categoryBytes(const std::string& name, std::uint8_t number)
{
    return bytesOf(name) + filled(158 - name.size(), ' ') + sg::Bytes({ number, 0 });
}

// A site list record: the name padded to 140 bytes, the address padded to 260.
inline sg::Bytes siteBytes(const std::string& name, const std::string& url)
{
    return bytesOf(name) + filled(140 - name.size(), ' ') + bytesOf(url)
        + filled(260 - url.size(), ' ');
}

// The names in a folder, sorted.
inline std::vector<std::string> namesIn(const std::filesystem::path& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// While it lives, writes beyond this many bytes of a file fail (EFBIG), for root as well.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace sgtest
