#pragma once
// Text as a fixed-width Windows-1252 field holds it: cut on the encoded byte count.

#include <cstddef>
#include <string>
#include <string_view>

namespace sg {

// The number of bytes the UTF-8 text takes once encoded as Windows-1252.
std::size_t encodedLength(std::string_view utf8);

// The longest leading part of the UTF-8 text whose Windows-1252 encoding fits in width
// bytes, cut between characters (the text stays valid UTF-8 where it was).
std::string cutToEncodedLength(std::string_view utf8, std::size_t width);

// The text as it reads back from a field of this width: encoded, cut to the width,
// decoded and trimmed of blanks.
std::string storedFieldText(std::string_view utf8, std::size_t width);

} // namespace sg
