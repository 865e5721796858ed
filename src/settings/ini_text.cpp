#include "settings/ini_text.h"

#include "common/utf8.h"

#include <cstdint>

namespace sg {
namespace {

constexpr std::string_view kGeneralHeader = "[General]";

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    return (c | 0x20) - 'a' + 10;
}

std::string_view trimSpaces(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

struct Unescaped {
    std::string text;
    bool list = false;
};

// A value as QSettings unescapes it: quotes group, backslash escapes, blanks outside quotes
// trimmed from each end, an unquoted ';' ends the value, an unquoted ',' makes it a list.
Unescaped unescapeValue(std::string_view raw)
{
    Unescaped result;
    std::string item;
    bool quoted = false;
    bool list = false;
    std::size_t keepUpTo = 0; // item length up to the last character that is not a blank
    const auto add = [&](char c, bool fromQuotesOrEscape) {
        item += c;
        if (fromQuotesOrEscape || (c != ' ' && c != '\t'))
            keepUpTo = item.size();
    };
    std::size_t i = 0;
    while (i < raw.size()) {
        const char c = raw[i];
        if (c == '"') {
            quoted = !quoted;
            ++i;
        } else if (!quoted && c == ';') {
            break;
        } else if (!quoted && c == ',') {
            list = true;
            item.clear();
            keepUpTo = 0;
            ++i;
        } else if (c == '\\' && i + 1 < raw.size()) {
            const char e = raw[i + 1];
            i += 2;
            switch (e) {
            case 'a':
                add('\a', true);
                break;
            case 'b':
                add('\b', true);
                break;
            case 'f':
                add('\f', true);
                break;
            case 'n':
                add('\n', true);
                break;
            case 'r':
                add('\r', true);
                break;
            case 't':
                add('\t', true);
                break;
            case 'v':
                add('\v', true);
                break;
            case '"':
            case '\'':
            case '?':
            case '\\':
                add(e, true);
                break;
            case 'x': {
                std::uint32_t cp = 0;
                while (i < raw.size() && isHexDigit(raw[i]) && cp <= 0x10FFFF)
                    cp = cp * 16 + static_cast<std::uint32_t>(hexValue(raw[i++]));
                std::string utf8;
                appendUtf8(utf8, static_cast<char32_t>(cp));
                for (const char u : utf8)
                    add(u, true);
                break;
            }
            default:
                if (e >= '0' && e <= '7') {
                    std::uint32_t cp = static_cast<std::uint32_t>(e - '0');
                    while (i < raw.size() && raw[i] >= '0' && raw[i] <= '7' && cp <= 0x10FFFF)
                        cp = cp * 8 + static_cast<std::uint32_t>(raw[i++] - '0');
                    std::string utf8;
                    appendUtf8(utf8, static_cast<char32_t>(cp));
                    for (const char u : utf8)
                        add(u, true);
                }
                break; // any other escaped character is dropped with its backslash
            }
        } else {
            add(c, quoted);
            ++i;
        }
    }
    if (list)
        return { {}, true };
    result.text = item.substr(0, keepUpTo);
    // A text that starts with '@' is written with a second one in front.
    if (result.text.starts_with("@@"))
        result.text.erase(0, 1);
    return result;
}

} // namespace

IniText IniText::parse(std::string_view text)
{
    IniText ini;
    std::string section;
    while (!text.empty()) {
        const std::size_t eol = text.find_first_of("\r\n");
        std::string_view line = text.substr(0, eol);
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
        line = trimSpaces(line);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            const std::string_view name = line.substr(
                1, close == std::string_view::npos ? std::string_view::npos : close - 1);
            // [General] in any case holds the keys outside every section.
            std::string lower(name);
            for (char& c : lower)
                c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
            section = lower == "general" ? std::string() : std::string(name);
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            continue;
        const std::string_view key = trimSpaces(line.substr(0, eq));
        if (key.empty())
            continue;
        const std::string_view raw = trimSpaces(line.substr(eq + 1));
        const Unescaped value = unescapeValue(raw);
        ini.m_sections[section][std::string(key)] = { value.text, value.list, std::string(raw) };
    }
    return ini;
}

std::optional<std::string> IniText::value(std::string_view section, std::string_view key) const
{
    const auto s = m_sections.find(section);
    if (s == m_sections.end())
        return std::nullopt;
    const auto k = s->second.find(std::string(key));
    if (k == s->second.end())
        return std::nullopt;
    return k->second.list ? std::string() : k->second.text;
}

void IniText::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    m_sections[std::string(section)][std::string(key)] = { std::string(value), false, {} };
}

std::string IniText::escapeValue(std::string_view value)
{
    std::string out = value.starts_with('@') ? "@" : "";
    bool needsQuotes = false;
    bool escapeNextIfHexDigit = false;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == ';' || c == ',' || c == '=')
            needsQuotes = true;
        if (escapeNextIfHexDigit && isHexDigit(c)) {
            static constexpr char kDigits[] = "0123456789abcdef";
            out += "\\x";
            out += kDigits[static_cast<unsigned char>(c) >> 4];
            out += kDigits[static_cast<unsigned char>(c) & 0xF];
            continue;
        }
        escapeNextIfHexDigit = false;
        switch (c) {
        case '\0':
            out += "\\0";
            escapeNextIfHexDigit = true;
            break;
        case '\a':
            out += "\\a";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\v':
            out += "\\v";
            break;
        case '"':
        case '\\':
            out += '\\';
            out += c;
            break;
        default:
            if (static_cast<unsigned char>(c) <= 0x1F) {
                static constexpr char kDigits[] = "0123456789abcdef";
                out += "\\x";
                if (c >= 0x10)
                    out += kDigits[c >> 4];
                out += kDigits[c & 0xF];
                escapeNextIfHexDigit = true;
            } else {
                out += c; // UTF-8 bytes and DEL are written as they are
            }
        }
    }
    if (needsQuotes || (!out.empty() && (out.front() == ' ' || out.back() == ' ')))
        out = '"' + out + '"';
    return out;
}

std::string IniText::text() const
{
    std::string out;
    bool first = true;
    for (const auto& [section, keys] : m_sections) {
        if (!first)
            out += '\n';
        first = false;
        out += section.empty() ? std::string(kGeneralHeader) : "[" + section + "]";
        out += '\n';
        for (const auto& [key, value] : keys) {
            out += key;
            out += '=';
            out += value.raw ? *value.raw : escapeValue(value.text);
            out += '\n';
        }
    }
    return out;
}

} // namespace sg
