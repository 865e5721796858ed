#pragma once
// File helpers shared by every data file: bounded reads, crash-safe rewrites, existence
// checks and the other calls on paths. The program's file system calls live in common/.

#include "common/file_handle.h"
#include "common/record_codec.h"

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace sg {

// Error number given by DirMissing/FileMissing when the path exists but is of the other kind.
inline constexpr std::int32_t kWrongKind = 9909;
// Error numbers of the reads below besides the system's: the path holds something other
// than a regular file (a directory, a FIFO, a device); the file is larger than its format
// can hold (EFBIG).
inline constexpr int kNotAFile = 9910;
inline constexpr int kFileTooLarge = EFBIG;

// 0 when the path is a directory, 9909 when it exists and is not, else the error number.
std::int32_t DirMissing(const std::filesystem::path& path);
// 0 when the path exists and is not a directory, 9909 when it is one, else the error number.
std::int32_t FileMissing(const std::filesystem::path& path);

// The status of what the path names (links followed); nullopt when it cannot be read.
std::optional<FileStatus> pathStatus(const std::filesystem::path& path);

// What a path names. Links are followed only when asked.
enum class PathKind { Missing, File, Directory, Link, Other, Unknown };
PathKind pathKind(const std::filesystem::path& path, bool followLinks = false);

// The content of a regular file of at most maxBytes; nullopt when it cannot be read, is not
// a regular file or is larger (error then tells which).
std::optional<Bytes> readWholeFile(
    const std::filesystem::path& path, std::size_t maxBytes, int* error = nullptr);
// The first count bytes of a regular file (all of a shorter one); nullopt as above.
std::optional<Bytes> readFileStart(
    const std::filesystem::path& path, std::size_t count, int* error = nullptr);
// The error as text for messages: "not a regular file", "larger than its format can hold",
// or the system's text.
std::string fileErrorText(int error);

// Replaces the file with exactly these bytes: written to a hidden temporary file in the
// same directory, flushed to disk and renamed over the old file, so a crash or a full disk
// leaves either the old content or the new one. A linked file is replaced where it lives;
// an existing file keeps its permissions, a new one gets those the umask allows. False on
// failure (the old file stays).
bool writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
// Copies a regular file a piece at a time, replacing the target the same crash-safe way.
bool copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to);
// Makes a file that does not exist yet with exactly these bytes; a write that fails
// removes it again. 0, or the error number (EEXIST when something is there already).
int createFileWith(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// The file is gone: true also when there was none; a directory is not removed (false).
bool removeFile(const std::filesystem::path& path);
// Makes the directory and its missing parents; made tells whether this call made it.
bool makeDirectories(const std::filesystem::path& dir, bool* made = nullptr);
bool removeEmptyDirectory(const std::filesystem::path& dir);
bool renamePath(const std::filesystem::path& from, const std::filesystem::path& to);
// Swaps two paths in one step. 0, or the error number (EINVAL or ENOSYS where the file
// system cannot).
int exchangePaths(const std::filesystem::path& a, const std::filesystem::path& b);
bool setPathMode(const std::filesystem::path& path, std::uint32_t mode);
// The permission bits; nullopt when the path cannot be read.
std::optional<std::uint32_t> pathMode(const std::filesystem::path& path);
// Flushes the directory's entries to disk (after renames in it); errors are ignored.
void syncDirectory(const std::filesystem::path& dir);
// The path with its links resolved (the missing end kept as it is); nullopt on an error.
std::optional<std::filesystem::path> resolvedPath(const std::filesystem::path& path);

} // namespace sg
