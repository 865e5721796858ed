#pragma once
// Decoding the settings record into working values and encoding it by the saving rule.

#include "settings/settings.h"

#include <cstdint>
#include <span>
#include <vector>

namespace sg {

// The working values of a record, text trimmed of blanks, no checks applied. Bytes shorter
// than a record are completed from a blank record; bytes after the record are ignored.
Settings decodeSettings(std::span<const std::uint8_t> bytes);

// The 1670 record bytes: every named field from its working value, the per-window values
// from the closing window, FontBold as -1 or 0, text cut or padded to its width, the reserved
// field at 24 as 0 and the other reserved fields as read.
std::vector<std::uint8_t> encodeSettings(const Settings& s, const PerWindowSettings& window);

} // namespace sg
