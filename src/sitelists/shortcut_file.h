#pragma once
// Internet shortcut (.url) files: the address they hold and the page name their file
// name gives.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace sg {

// The address of a shortcut file: the rest of the "URL=" line that directly follows the
// "[InternetShortcut]" line (both in any case; a line ends with CR LF or a bare LF), cut
// to 260 characters. Empty when the path is a directory, the file is shorter than 30
// bytes, has no such lines, or the address is empty or has no line end. nullopt when the
// file cannot be read or is longer than kMaxShortcutFileLength (no shortcut is).
std::optional<std::string> ReadShortcutUrl(const std::filesystem::path& path);
inline constexpr std::size_t kMaxShortcutFileLength = 1 << 20;

// The same over the bytes of a file.
std::string shortcutUrlFromBytes(std::span<const std::uint8_t> file);

// The page name of a shortcut file: the file name before its last ".url" (any case), cut
// to 140 characters; empty when ".url" is missing or starts the name.
std::string ShortcutName(std::string_view fileName);

} // namespace sg
