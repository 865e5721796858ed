#include "sitelists/field_text.h"

#include "common/cp1252.h"
#include "common/record_codec.h"

namespace sg {
namespace {

// Bytes of the character at i: the longest run that encodes to a single byte is one
// valid UTF-8 sequence; anything else is a lone byte kept as itself.
std::size_t characterLength(std::string_view utf8, std::size_t i)
{
    for (std::size_t len = 4; len >= 2; --len) {
        if (i + len <= utf8.size() && toCp1252(utf8.substr(i, len)).size() == 1)
            return len;
    }
    return 1;
}

} // namespace

std::size_t encodedLength(std::string_view utf8)
{
    return toCp1252(utf8).size();
}

std::string cutToEncodedLength(std::string_view utf8, std::size_t width)
{
    std::size_t end = 0;
    for (std::size_t count = 0; count < width && end < utf8.size(); ++count)
        end += characterLength(utf8, end);
    return std::string(utf8.substr(0, end));
}

std::string storedFieldText(std::string_view utf8, std::size_t width)
{
    const std::string encoded = toCp1252(utf8);
    return trimBlanks(fromCp1252(std::string_view(encoded).substr(0, width)));
}

} // namespace sg
