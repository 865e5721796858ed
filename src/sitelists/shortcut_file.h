#pragma once
// Internet shortcut (.url) files: the address they hold and the page name their file
// name gives.

#include "sitelists/list_records.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace sg {

// The address of a shortcut file: the rest of the "URL=" line that directly follows the
// "[InternetShortcut]" line (both in any case; a line ends with CR LF or a bare LF), cut
// to maxLength characters (260 fit a site list record). Empty when the path is a
// directory, the file is shorter than 30 bytes, has no such lines, or the address is empty
// or has no line end. nullopt when the file cannot be read or is longer than
// kMaxShortcutFileLength (no shortcut is).
inline constexpr std::size_t kMaxShortcutUrlLength = std::size_t(-1); // the whole address
std::optional<std::string> ReadShortcutUrl(
    const std::filesystem::path& path, std::size_t maxLength = kSiteUrlWidth);
inline constexpr std::size_t kMaxShortcutFileLength = 1 << 20;

// The same over the bytes of a file.
std::string shortcutUrlFromBytes(
    std::span<const std::uint8_t> file, std::size_t maxLength = kSiteUrlWidth);

// The page name of a shortcut file: the file name before its last ".url" (any case), cut
// to 140 characters; empty when ".url" is missing or starts the name.
std::string ShortcutName(std::string_view fileName);

} // namespace sg
