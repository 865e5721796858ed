#include "startup/instance_message.h"

#include <gtest/gtest.h>

using namespace sg;

namespace {

Bytes header(std::uint8_t version, std::uint8_t kind, std::uint32_t length)
{
    return { 'S', 'G', '2', 'I', version, kind, static_cast<std::uint8_t>(length),
        static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length >> 16),
        static_cast<std::uint8_t>(length >> 24) };
}

Bytes operator+(Bytes a, std::string_view b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST(InstanceMessage, RequestBytesAreHeaderThenTextAndReadBackAtOnceOnly)
{
    const Bytes bytes = header(1, 1, 9) + "http://x/";
    EXPECT_EQ(encodeInstanceRequest({ InstanceRequestKind::OpenWindow, "http://x/" }), bytes);
    EXPECT_EQ(encodeInstanceRequest({ InstanceRequestKind::Ask, "" }), header(1, 2, 0));
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        EXPECT_EQ(
            readInstanceRequest(std::span(bytes).first(n)).status, InstanceReadStatus::Incomplete)
            << n;
    }
    const InstanceRead read = readInstanceRequest(bytes);
    EXPECT_EQ(read.status, InstanceReadStatus::Complete);
    EXPECT_EQ(read.request, (InstanceRequest { InstanceRequestKind::OpenWindow, "http://x/" }));
}

TEST(InstanceMessage, AnythingButOneWellFormedRequestIsDropped)
{
    const struct {
        const char* what;
        Bytes bytes;
        InstanceReadStatus status;
    } cases[] = {
        { "another program", Bytes { 'G', 'E', 'T', ' ' }, InstanceReadStatus::Malformed },
        { "another version", header(2, 1, 0), InstanceReadStatus::UnknownVersion },
        { "unknown kind", header(1, 9, 0), InstanceReadStatus::Malformed },
        { "over 64 KiB", header(1, 1, 64 * 1024 + 1), InstanceReadStatus::Malformed },
        { "length far too big", header(1, 1, 0xFFFFFFFF), InstanceReadStatus::Malformed },
        { "NUL in the text", header(1, 1, 3) + std::string_view("a\0b", 3),
            InstanceReadStatus::Malformed },
        { "a second request", header(1, 2, 0) + "S", InstanceReadStatus::Malformed },
        { "a question with text", header(1, 2, 1) + "x", InstanceReadStatus::Malformed },
    };
    for (const auto& c : cases)
        EXPECT_EQ(readInstanceRequest(c.bytes).status, c.status) << c.what;
}

TEST(InstanceMessage, TextIsCappedAt64KiBWithoutNul)
{
    const std::string longest(64 * 1024, 'a');
    const auto bytes = encodeInstanceRequest({ InstanceRequestKind::OpenWindow, longest });
    ASSERT_TRUE(bytes);
    EXPECT_EQ(readInstanceRequest(*bytes).request.text, longest);
    EXPECT_FALSE(encodeInstanceRequest({ InstanceRequestKind::OpenWindow, longest + "a" }));
    EXPECT_FALSE(encodeInstanceRequest({ InstanceRequestKind::OpenWindow, std::string(1, '\0') }));
}

TEST(InstanceMessage, EachDataFolderHasASocketOfItsOwn)
{
    const std::string a = instanceSocketName("/home/a/.local/share/Application Data/Skyglass2");
    EXPECT_EQ(a, instanceSocketName("/home/a/.local/share/Application Data/Skyglass2"));
    EXPECT_NE(a, instanceSocketName("/home/b/.local/share/Application Data/Skyglass2"));
    EXPECT_TRUE(a.starts_with("instance-") && a.ends_with(".socket") && a.size() == 32) << a;
}
