#include "common/folder.h"

#include "common/temporary_names.h"

#include <cerrno>
#include <dirent.h>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace sg {
namespace {

PathKind kindOf(unsigned char type)
{
    switch (type) {
    case DT_REG:
        return PathKind::File;
    case DT_DIR:
        return PathKind::Directory;
    case DT_LNK:
        return PathKind::Link;
    case DT_UNKNOWN:
        return PathKind::Unknown;
    default:
        return PathKind::Other;
    }
}

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

std::string randomSuffix()
{
    thread_local std::mt19937 generator { std::random_device {}() };
    static constexpr char kHex[] = "0123456789abcdef";
    std::string suffix(8, '0');
    for (char& c : suffix)
        c = kHex[generator() % 16];
    return suffix;
}

bool isSuffix(std::string_view text)
{
    if (text.size() < 6 || text.size() > 8)
        return false;
    for (const char c : text) {
        const bool alnum
            = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!alnum)
            return false;
    }
    return true;
}

} // namespace

std::filesystem::path temporarySibling(const std::filesystem::path& target, std::string_view tag)
{
    return target.parent_path()
        / ("." + target.filename().string() + "." + std::string(tag) + "-" + randomSuffix());
}

TemporaryName readTemporaryName(std::string_view name)
{
    static constexpr struct {
        std::string_view tag;
        TemporaryKind kind;
    } kTags[] = {
        { ".tmp-", TemporaryKind::File },
        { ".new-", TemporaryKind::NewFolder },
        { ".old-", TemporaryKind::OldFolder },
    };
    if (name.size() < 2 || name.front() != '.')
        return {};
    const std::size_t dash = name.rfind('-');
    if (dash == std::string_view::npos || dash < 5 || !isSuffix(name.substr(dash + 1)))
        return {};
    for (const auto& [tag, kind] : kTags) {
        const std::size_t at = dash + 1 - tag.size();
        if (name.substr(at, tag.size()) == tag && at > 1)
            return { kind, std::string(name.substr(1, at - 1)) };
    }
    return {};
}

FolderListing listFolder(const std::filesystem::path& dir)
{
    FolderListing listing;
    const std::unique_ptr<DIR, DirCloser> handle(::opendir(dir.c_str()));
    if (!handle) {
        listing.error = errno;
        return listing;
    }
    while (true) {
        errno = 0;
        const dirent* entry = ::readdir(handle.get());
        if (!entry) {
            if (errno != 0) {
                listing.error = errno;
                listing.entries.clear();
            }
            return listing;
        }
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        PathKind kind = kindOf(entry->d_type);
        if (kind == PathKind::Unknown)
            kind = pathKind(dir / name);
        listing.entries.push_back({ std::string(name), kind });
    }
}

bool removeTree(const std::filesystem::path& dir)
{
    const PathKind kind = pathKind(dir);
    if (kind == PathKind::Missing)
        return true;
    if (kind != PathKind::Directory)
        return removeFile(dir);
    const FolderListing listing = listFolder(dir);
    for (const FolderEntry& entry : listing.entries) {
        if (entry.kind == PathKind::Directory)
            removeTree(dir / entry.name);
        else
            removeFile(dir / entry.name);
    }
    removeEmptyDirectory(dir);
    return pathKind(dir) == PathKind::Missing;
}

std::optional<std::filesystem::path> makeTemporarySiblingFolder(
    const std::filesystem::path& target, std::string_view tag)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path dir = temporarySibling(target, tag);
        if (::mkdir(dir.c_str(), 0777) == 0)
            return dir;
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

bool removeLeftoverTemporaries(const std::filesystem::path& dir)
{
    const FolderListing listing = listFolder(dir);
    for (const FolderEntry& entry : listing.entries) {
        const TemporaryName temporary = readTemporaryName(entry.name);
        const std::filesystem::path path = dir / entry.name;
        switch (temporary.kind) {
        case TemporaryKind::None:
            break;
        case TemporaryKind::File:
            if (entry.kind == PathKind::File)
                removeFile(path);
            break;
        case TemporaryKind::NewFolder:
            if (entry.kind == PathKind::Directory)
                removeTree(path);
            break;
        case TemporaryKind::OldFolder:
            if (entry.kind != PathKind::Directory)
                break;
            if (pathKind(dir / temporary.target) == PathKind::Missing)
                renamePath(path, dir / temporary.target);
            else
                removeTree(path);
            break;
        }
    }
    return listing.ok();
}

} // namespace sg
