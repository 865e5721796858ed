#include "startup/instance_message.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace sg {
namespace {

constexpr std::string_view kMagic = "SG2I";
constexpr std::size_t kVersionAt = 4;
constexpr std::size_t kKindAt = 5;
constexpr std::size_t kLengthAt = 6;

bool knownKind(std::uint8_t kind)
{
    return kind == static_cast<std::uint8_t>(InstanceRequestKind::OpenWindow)
        || kind == static_cast<std::uint8_t>(InstanceRequestKind::Ask);
}

} // namespace

std::optional<Bytes> encodeInstanceRequest(const InstanceRequest& request)
{
    if (request.text.size() > kMaxInstanceTextBytes || request.text.find('\0') != std::string::npos)
        return std::nullopt;
    Bytes bytes(kInstanceHeaderBytes + request.text.size());
    std::copy(kMagic.begin(), kMagic.end(), bytes.begin());
    bytes[kVersionAt] = kInstanceProtocolVersion;
    bytes[kKindAt] = static_cast<std::uint8_t>(request.kind);
    RecordWriter(bytes).i32(kLengthAt, static_cast<std::int32_t>(request.text.size()));
    std::copy(request.text.begin(), request.text.end(), bytes.begin() + kInstanceHeaderBytes);
    return bytes;
}

InstanceRead readInstanceRequest(std::span<const std::uint8_t> received)
{
    const auto magic = received.first(std::min(received.size(), kMagic.size()));
    if (!std::equal(magic.begin(), magic.end(), kMagic.begin()))
        return { InstanceReadStatus::Malformed, {} };
    if (received.size() > kVersionAt && received[kVersionAt] != kInstanceProtocolVersion)
        return { InstanceReadStatus::UnknownVersion, {} };
    if (received.size() > kKindAt && !knownKind(received[kKindAt]))
        return { InstanceReadStatus::Malformed, {} };
    if (received.size() < kInstanceHeaderBytes)
        return { InstanceReadStatus::Incomplete, {} };
    const auto length = static_cast<std::uint32_t>(RecordReader(received).i32(kLengthAt));
    if (length > kMaxInstanceTextBytes)
        return { InstanceReadStatus::Malformed, {} };
    const std::size_t total = kInstanceHeaderBytes + length;
    if (received.size() < total)
        return { InstanceReadStatus::Incomplete, {} };
    const auto text = received.subspan(kInstanceHeaderBytes, length);
    // One request a connection: bytes after it, or a NUL in it, make it no request of ours.
    if (received.size() > total || std::find(text.begin(), text.end(), 0) != text.end())
        return { InstanceReadStatus::Malformed, {} };
    const auto kind = static_cast<InstanceRequestKind>(received[kKindAt]);
    if (kind == InstanceRequestKind::Ask && length > 0)
        return { InstanceReadStatus::Malformed, {} };
    return { InstanceReadStatus::Complete, { kind, std::string(text.begin(), text.end()) } };
}

std::string instanceSocketName(const std::filesystem::path& userDataDir)
{
    // FNV-1a over the path: two data folders get two sockets, a path of any length one name.
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : userDataDir.string()) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    char name[40];
    std::snprintf(
        name, sizeof name, "instance-%016llx.socket", static_cast<unsigned long long>(hash));
    return name;
}

} // namespace sg
