#pragma once
// List file bytes written out by hand, and a user data folder holding SiteLists, for the list
// tests.

#include "support/file_size_limit.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
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

using Pages = std::vector<std::pair<std::string, std::string>>;

inline sg::Bytes pagesBytes(const Pages& pages)
{
    sg::Bytes bytes;
    for (const auto& [name, url] : pages)
        bytes = bytes + siteBytes(name, url);
    return bytes;
}

// Every file and folder under dir by its relative path, with its bytes ("/" for a folder).
using Tree = std::map<std::string, sg::Bytes>;
inline Tree treeOf(const std::filesystem::path& dir)
{
    Tree tree;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir))
        tree[std::filesystem::relative(entry.path(), dir).string()]
            = entry.is_directory() ? bytesOf("/") : readBytes(entry.path());
    return tree;
}

class ListFolderTest : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directory(lists()); }
    const std::filesystem::path& data() const { return m_dir.path(); }
    std::filesystem::path lists() const { return m_dir / "SiteLists"; }
    std::filesystem::path catList() const { return lists() / "CatList.dab"; }
    std::filesystem::path siteFile(int n) const
    {
        return lists() / ("Sites0000" + std::to_string(n) + ".dab");
    }
    // CatList.dab with these categories numbered 1, 2, ... and their site files.
    void writeLists(const std::vector<std::pair<std::string, Pages>>& categories)
    {
        sg::Bytes cat;
        for (std::size_t i = 0; i < categories.size(); ++i) {
            cat = cat + categoryBytes(categories[i].first, static_cast<std::uint8_t>(i + 1));
            writeBytes(siteFile(static_cast<int>(i + 1)), pagesBytes(categories[i].second));
        }
        writeBytes(catList(), cat);
    }

    TempDir m_dir;
};

} // namespace sgtest
