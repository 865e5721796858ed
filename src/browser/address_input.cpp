#include "browser/address_input.h"

#include "browser/history_gate.h"

#include <algorithm>
#include <cctype>

namespace sg {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A scheme: letters, digits, "+", "-" or "." after a letter, up to the first ":".
bool hasScheme(std::string_view text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0
        || !std::isalpha(static_cast<unsigned char>(text.front())))
        return false;
    const std::string_view scheme = text.substr(0, colon);
    const bool schemeChars = std::all_of(scheme.begin(), scheme.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
    });
    // "localhost:8080" and "radar.example:81" are hosts with ports, not schemes.
    const std::string_view rest = text.substr(colon + 1);
    const bool port = !rest.empty() && std::isdigit(static_cast<unsigned char>(rest.front()));
    return schemeChars && !port;
}

bool looksLikeAddress(std::string_view text)
{
    if (text.empty() || text.front() == '/' || text.front() == '~' || hasScheme(text))
        return true;
    if (std::any_of(text.begin(), text.end(), isBlank))
        return false;
    const std::string_view host = text.substr(0, text.find_first_of("/?#"));
    return host.find('.') != std::string_view::npos || host.find(':') != std::string_view::npos
        || host == "localhost";
}

std::string searchWords(std::string_view words)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : words) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || c == '-' || c == '_' || c == '.' || c == '~') {
            out += c;
        } else if (c == ' ') {
            out += '+';
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        }
    }
    return out;
}

} // namespace

std::string addressToLoad(std::string_view text)
{
    const std::string_view t = trimmed(text);
    if (looksLikeAddress(t))
        return std::string(text);
    return std::string(kAutoSearchPrefix) + "search?q=" + searchWords(t);
}

} // namespace sg
