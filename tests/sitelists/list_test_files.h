#pragma once
// List file bytes written out by hand, for the list tests.

#include "support/file_size_limit.h"
#include "support/temp_dir.h"

#include <string>

namespace sgtest {

// A CatList.dab record: the name padded to 158 bytes, then the number (below 256).
inline sg::Bytes categoryBytes(const std::string& name, std::uint8_t number)
{
    return bytesOf(name) + filled(158 - name.size(), ' ') + sg::Bytes({ number, 0 });
}

// A site list record: the name padded to 140 bytes, the address padded to 260.
inline sg::Bytes siteBytes(const std::string& name, const std::string& url)
{
    return bytesOf(name) + filled(140 - name.size(), ' ') + bytesOf(url)
        + filled(260 - url.size(), ' ');
}

} // namespace sgtest
