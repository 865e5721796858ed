#pragma once
// Conversion between in-memory UTF-8 text and the Windows-1252 bytes of the data files.

#include <string>
#include <string_view>

namespace sg {

// Encodes UTF-8 text as Windows-1252: one byte per character, '?' for a character that
// Windows-1252 cannot hold. A byte that is not valid UTF-8 is kept as the byte itself.
std::string toCp1252(std::string_view utf8);

// Decodes Windows-1252 bytes to UTF-8. The five codes Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 controls of the same value, so every
// byte survives a round trip.
std::string fromCp1252(std::string_view bytes);

} // namespace sg
