#pragma once
// Case-blind search of a text in the raw Windows-1252 bytes of a history record's Title and
// Url fields, so that a search decodes only the records it keeps.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace sg {

// Lower case of each Windows-1252 byte: the ASCII and Latin-1 capitals and Š Œ Ž Ÿ; every
// other byte is its own lower case.
extern const std::array<std::uint8_t, 256> kCp1252Lower;

// UTF-8 text as Windows-1252 bytes ('?' for what the code page cannot hold), lower-cased
// with kCp1252Lower: the form in which a search text is compared.
std::string foldedCp1252(std::string_view utf8);

// The part of a field between its first and last byte that is not a blank.
struct FieldExtent {
    std::size_t begin = 0;
    std::size_t end = 0;
};
FieldExtent trimmedExtent(const std::uint8_t* field, std::size_t width);

// One search text, found in a field when the field, trimmed of blanks at both ends and
// lower-cased, contains the lower-cased text. The text is used as typed (blanks at its ends
// count); an empty text is in every field.
class FieldMatcher {
public:
    explicit FieldMatcher(std::string_view utf8Text);

    // record: the 512 bytes of a history record.
    bool inTitle(const std::uint8_t* record) const;
    bool inUrl(const std::uint8_t* record) const;

private:
    // A test of eight bytes at once against a byte of the text: a byte b may match when
    // (b | mask) == value; every byte whose lower case is the text's byte passes it.
    struct ByteFilter {
        std::uint64_t mask = 0;
        std::uint64_t value = 0;
    };
    static ByteFilter filterFor(std::uint8_t folded);
    // Reads up to 7 bytes past the field's end, which a record always has after its Title
    // and Url fields.
    bool inField(const std::uint8_t* field, std::size_t width) const;
    bool matchesAt(const std::uint8_t* at) const;

    std::string m_needle; // folded bytes
    bool m_blankAtAnEnd = false;
    ByteFilter m_first;
    ByteFilter m_last;
};

} // namespace sg
