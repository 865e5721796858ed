#pragma once
// The messages between a second start of the program and the copy that runs on the same
// data folder. A request is "SG2I", the protocol version (1 byte), its kind (1 byte), the
// text's length (4 bytes, little-endian) and the text: at most 64 KiB, no NUL. The answer
// is one byte.

#include "common/record_codec.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace sg {

inline constexpr std::uint8_t kInstanceProtocolVersion = 1;
inline constexpr std::size_t kInstanceHeaderBytes = 10;
inline constexpr std::size_t kMaxInstanceTextBytes = 64 * 1024;

enum class InstanceRequestKind : std::uint8_t {
    OpenWindow = 1, // a second start: open a new main window, the text is its command line
    Ask = 2, // whether a copy runs (the data tool); no text
};

enum class InstanceAnswer : std::uint8_t {
    Taken = 1, // the running copy has the request
    CannotTake = 2, // it runs but cannot take it (it is ending, or speaks another version)
};

struct InstanceRequest {
    InstanceRequestKind kind = InstanceRequestKind::OpenWindow;
    std::string text;

    bool operator==(const InstanceRequest&) const = default;
};

// The request's bytes; nullopt when its text is too long or holds a NUL.
std::optional<Bytes> encodeInstanceRequest(const InstanceRequest& request);

enum class InstanceReadStatus {
    Incomplete, // more bytes are to come
    Complete,
    UnknownVersion, // the program's header with another protocol version
    Malformed, // anything else: the connection is dropped
};

struct InstanceRead {
    InstanceReadStatus status = InstanceReadStatus::Incomplete;
    InstanceRequest request; // when Complete
};

// Reads the one request of a connection from every byte received so far.
InstanceRead readInstanceRequest(std::span<const std::uint8_t> received);

// The file name of the socket of one data folder (given as an absolute, normal path).
std::string instanceSocketName(const std::filesystem::path& userDataDir);

} // namespace sg
