#pragma once
// The hidden names of the temporary files and folders that crash-safe writes make beside
// their target, and how a leftover one is recognised.

#include <filesystem>
#include <string>
#include <string_view>

namespace sg {

enum class TemporaryKind {
    None, // not a temporary name
    File, // ".<name>.tmp-<suffix>": a file being written
    NewFolder, // ".<name>.new-<suffix>": a folder being built
    OldFolder, // ".<name>.old-<suffix>": a folder moved aside while another takes its place
};

// "." + the target's file name + "." + tag + "-" + eight random hexadecimal digits.
std::filesystem::path temporarySibling(const std::filesystem::path& target, std::string_view tag);

// The kind of a temporary name and the name of the target it was made for.
struct TemporaryName {
    TemporaryKind kind = TemporaryKind::None;
    std::string target;
};
TemporaryName readTemporaryName(std::string_view name);

} // namespace sg
