#pragma once
// ASCII letter-case helpers for comparing addresses and titles.

#include <string>
#include <string_view>

namespace sg {

std::string lowerAscii(std::string_view text);
std::string upperAscii(std::string_view text);
// Equal when the texts differ at most in the case of ASCII letters.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

} // namespace sg
