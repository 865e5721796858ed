#pragma once
// What the browser loads for a text given as an address: an address or a local path as it
// stands, and words that are no address ("weather radar") as a web search for them.

#include <string>
#include <string_view>

namespace sg {

// The text itself when it names a scheme, a local path, a host with a dot or a port, or
// "localhost"; else the search service's address for the words (under kAutoSearchPrefix,
// so search pages are not logged), the words percent-encoded with "+" for blanks.
std::string addressToLoad(std::string_view text);

} // namespace sg
