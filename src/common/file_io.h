#pragma once
// File helpers shared by every data file: whole reads, crash-safe rewrites, existence checks.

#include "common/record_codec.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace sg {

// Error number given by DirMissing/FileMissing when the path exists but is of the other kind.
inline constexpr std::int32_t kWrongKind = 9909;

// 0 when the path is a directory, 9909 when it exists and is not, else the error number.
std::int32_t DirMissing(const std::filesystem::path& path);
// 0 when the path exists and is not a directory, 9909 when it is one, else the error number.
std::int32_t FileMissing(const std::filesystem::path& path);

// The whole content of a regular file; nullopt when it cannot be read or is a directory.
std::optional<Bytes> readWholeFile(const std::filesystem::path& path);

// Replaces the file with exactly these bytes: written to a temporary file in the same
// directory, flushed to disk and renamed over the old file, so a crash or a full disk
// leaves either the old content or the new one. False on failure (the old file stays).
bool writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// Copies a file, replacing the target the same crash-safe way. False on failure.
bool copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace sg
