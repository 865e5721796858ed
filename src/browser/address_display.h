#pragma once
// How an address is shown in an address box.

#include <string>
#include <string_view>

namespace sg {

// A "file:///" address (any letter case) is shown as its path: from its eighth character
// on, so the leading "/" stays, with every "%20" shown as a blank. Any other address is
// shown as it is.
std::string AddressDisplayForm(std::string_view address);

// The address box text after a navigation: "http://" for a page whose address is
// "HTTP:///" in any case, else the AddressDisplayForm of the address.
std::string addressBoxTextFor(std::string_view locationUrl);

} // namespace sg
