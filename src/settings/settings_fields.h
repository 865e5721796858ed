#pragma once
// The named settings fields as typed values, for the command-line data tool.

#include "common/date_time.h"
#include "settings/settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace sg {

// double: an F32 field; std::int64_t: an I16 or I32 field; bool: FontBold; std::string: a text
// field; LocalDateTime: LastBackupTime; std::vector<double>: a group of F32 fields.
using SettingsFieldValue
    = std::variant<double, std::int64_t, bool, std::string, LocalDateTime, std::vector<double>>;

struct SettingsField {
    std::string name;
    SettingsFieldValue value;

    bool operator==(const SettingsField&) const = default;
};

// The named fields in record order (reserved fields left out), with their working values.
std::vector<SettingsField> settingsFields(const Settings& s);

// A value as plain text: numbers shortest round-trip, arrays comma-separated, dates
// "YYYY-MM-DD HH:MM:SS", booleans "true"/"false".
std::string formatFieldValue(const SettingsFieldValue& value);

// Sets one working value from text. name is a field name, or "Name[i]" (i from 1) for one
// element of a group. Numbers are parsed strictly (finite, in the field's range), booleans are
// "true", "false", "1", "0" or "-1", dates "YYYY-MM-DD HH:MM:SS", a whole group is its
// values separated by commas. nullopt on success, else what was wrong; s is unchanged then.
std::optional<std::string> setSettingsField(
    Settings& s, std::string_view name, std::string_view valueText);

// A whole number written in decimal, blanks around it allowed; nullopt for anything else.
std::optional<std::int64_t> parseInteger(std::string_view text);

} // namespace sg
