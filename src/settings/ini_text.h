#pragma once
// Text files in the INI format that Qt's QSettings (IniFormat) reads and writes: sections of
// keys with text values, written byte for byte as QSettings writes them.

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace sg {

// The keys of an INI file by section. The section "" is the one QSettings writes as
// [General]; keys are kept as they appear in the file (QSettings' escaped form).
class IniText {
public:
    // Reads the text as QSettings does: "[section]" lines, "key=value" lines (blanks around
    // both trimmed), lines starting with ';' or '#' and lines without '=' skipped, a value
    // unescaped and unquoted, ending at an unquoted ';'. A later key of the same name wins.
    static IniText parse(std::string_view text);

    // The value as QSettings' value().toString() gives it: nullopt when the key is missing,
    // empty for a list (an unquoted ',' in the value).
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    // The file as QSettings writes it: sections in name order with [General] first and an
    // empty line between sections, each key as key=value in key order, lines ended by LF,
    // values escaped and quoted by QSettings' rules.
    std::string text() const;

    // One value escaped and quoted as QSettings writes a text value.
    static std::string escapeValue(std::string_view value);

private:
    struct Value {
        std::string text; // unescaped
        bool list = false;
        std::optional<std::string> raw; // as read, written back unchanged
    };
    std::map<std::string, std::map<std::string, Value>, std::less<>> m_sections;
};

} // namespace sg
