#include "browser/address_display.h"

#include "browser/text_case.h"

namespace sg {

std::string AddressDisplayForm(std::string_view address)
{
    if (address.size() < 8 || lowerAscii(address.substr(0, 8)) != "file:///")
        return std::string(address);
    const std::string_view path = address.substr(7);
    std::string shown;
    shown.reserve(path.size());
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path.compare(i, 3, "%20") == 0) {
            shown += ' ';
            i += 2;
        } else {
            shown += path[i];
        }
    }
    return shown;
}

std::string addressBoxTextFor(std::string_view locationUrl)
{
    if (upperAscii(locationUrl) == "HTTP:///")
        return "http://";
    return AddressDisplayForm(locationUrl);
}

} // namespace sg
