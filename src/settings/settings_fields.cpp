#include "settings/settings_fields.h"

#include "common/cp1252.h"
#include "common/record_codec.h"
#include "settings/settings_layout.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace sg {
namespace {

struct Lister {
    std::vector<SettingsField>& out;
    void add(std::string_view name, SettingsFieldValue value)
    {
        out.push_back({ std::string(name), std::move(value) });
    }
    void operator()(std::string_view n, std::size_t, const float& v) { add(n, double { v }); }
    void operator()(std::string_view n, std::size_t, const std::int16_t& v)
    {
        add(n, std::int64_t { v });
    }
    void operator()(std::string_view n, std::size_t, const std::int32_t& v)
    {
        add(n, std::int64_t { v });
    }
    void operator()(std::string_view n, std::size_t, const bool& v) { add(n, v); }
    void operator()(std::string_view n, std::size_t, const double& v) { add(n, fromOleDate(v)); }
    void operator()(std::string_view n, std::size_t, std::size_t, const std::string& v)
    {
        add(n, v);
    }
    template <std::size_t N>
    void operator()(std::string_view n, std::size_t, const std::array<float, N>& values)
    {
        add(n, std::vector<double>(values.begin(), values.end()));
    }
};

std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

std::optional<float> parseFloat(std::string_view text)
{
    const std::string trimmed = trimBlanks(text);
    double value = 0;
    const char* end = trimmed.data() + trimmed.size();
    const auto [ptr, ec] = std::from_chars(trimmed.data(), end, value);
    if (trimmed.empty() || ec != std::errc {} || ptr != end || !std::isfinite(value)
        || std::fabs(value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(value);
}

// Finds the field named by the request and sets it; records what went wrong otherwise.
class Setter {
public:
    Setter(std::string_view name, std::optional<std::size_t> index, std::string_view text)
        : m_name(name)
        , m_index(index)
        , m_text(text)
    {
    }

    bool found() const { return m_found; }
    const std::optional<std::string>& error() const { return m_error; }

    void operator()(std::string_view n, std::size_t, float& v)
    {
        if (claim(n) && scalar())
            assignFloat(v, m_text, m_name);
    }
    void operator()(std::string_view n, std::size_t, std::int16_t& v) { integer(n, v); }
    void operator()(std::string_view n, std::size_t, std::int32_t& v) { integer(n, v); }
    void operator()(std::string_view n, std::size_t, bool& v)
    {
        if (!claim(n) || !scalar())
            return;
        const std::string t = trimBlanks(m_text);
        if (t == "true" || t == "1" || t == "-1")
            v = true;
        else if (t == "false" || t == "0")
            v = false;
        else
            fail(m_name + ": " + quoted(m_text) + " is not true, false, 1, 0 or -1");
    }
    void operator()(std::string_view n, std::size_t, double& v)
    {
        if (!claim(n) || !scalar())
            return;
        const auto t = parseIso(trimBlanks(m_text));
        // OLE dates are defined for the years 100 to 9999 only.
        if (!t || t->year < 100)
            fail(m_name + ": " + quoted(m_text) + " is not a date and time YYYY-MM-DD HH:MM:SS");
        else
            v = toOleDate(*t);
    }
    void operator()(std::string_view n, std::size_t, std::size_t width, std::string& v)
    {
        if (!claim(n) || !scalar())
            return;
        if (toCp1252(m_text).size() > width)
            fail(m_name + ": text longer than " + std::to_string(width) + " bytes");
        else
            v = m_text;
    }
    template <std::size_t N>
    void operator()(std::string_view n, std::size_t, std::array<float, N>& values)
    {
        if (!claim(n))
            return;
        if (m_index) {
            if (*m_index < 1 || *m_index > N) {
                fail(m_name + ": index " + std::to_string(*m_index) + " is outside 1.."
                    + std::to_string(N));
                return;
            }
            const std::string element = m_name + "[" + std::to_string(*m_index) + "]";
            assignFloat(values[*m_index - 1], m_text, element);
            return;
        }
        std::array<float, N> parsed {};
        std::size_t count = 0;
        std::size_t start = 0;
        while (true) {
            const std::size_t comma = m_text.find(',', start);
            const std::string_view item = m_text.substr(
                start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
            if (count < N) {
                const auto value = parseFloat(item);
                if (!value) {
                    fail(m_name + ": " + quoted(item) + " is not a number");
                    return;
                }
                parsed[count] = *value;
            }
            ++count;
            if (comma == std::string_view::npos)
                break;
            start = comma + 1;
        }
        if (count != N) {
            fail(m_name + ": expected " + std::to_string(N) + " comma-separated values, got "
                + std::to_string(count));
            return;
        }
        values = parsed;
    }

private:
    bool claim(std::string_view fieldName)
    {
        if (m_found || fieldName != m_name)
            return false;
        m_found = true;
        return true;
    }

    bool scalar()
    {
        if (m_index)
            fail(m_name + " is a single value, not a group");
        return !m_index;
    }

    void fail(std::string message) { m_error = std::move(message); }

    void assignFloat(float& target, std::string_view text, const std::string& what)
    {
        if (const auto value = parseFloat(text))
            target = *value;
        else
            fail(what + ": " + quoted(text) + " is not a finite number");
    }

    template <class Int> void integer(std::string_view n, Int& v)
    {
        if (!claim(n) || !scalar())
            return;
        const auto value = parseInteger(m_text);
        constexpr auto lo = std::numeric_limits<Int>::min();
        constexpr auto hi = std::numeric_limits<Int>::max();
        if (!value)
            fail(m_name + ": " + quoted(m_text) + " is not a whole number");
        else if (*value < lo || *value > hi)
            fail(m_name + ": " + std::to_string(*value) + " is outside " + std::to_string(lo) + ".."
                + std::to_string(hi));
        else
            v = static_cast<Int>(*value);
    }

    std::string m_name;
    std::optional<std::size_t> m_index;
    std::string_view m_text;
    bool m_found = false;
    std::optional<std::string> m_error;
};

std::string formatNumber(double value)
{
    char buf[64];
    const float narrow = static_cast<float>(value);
    // Fields hold floats: print the shortest text that reads back as the same float.
    const auto result = static_cast<double>(narrow) == value
        ? std::to_chars(buf, buf + sizeof buf, narrow)
        : std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, result.ptr);
}

} // namespace

std::optional<std::int64_t> parseInteger(std::string_view text)
{
    const std::string trimmed = trimBlanks(text);
    std::int64_t value = 0;
    const char* end = trimmed.data() + trimmed.size();
    const auto [ptr, ec] = std::from_chars(trimmed.data(), end, value);
    if (trimmed.empty() || ec != std::errc {} || ptr != end)
        return std::nullopt;
    return value;
}

std::vector<SettingsField> settingsFields(const Settings& s)
{
    std::vector<SettingsField> fields;
    settings_layout::forEachField(s, Lister { fields });
    return fields;
}

std::string formatFieldValue(const SettingsFieldValue& value)
{
    struct Formatter {
        std::string operator()(double v) const { return formatNumber(v); }
        std::string operator()(std::int64_t v) const { return std::to_string(v); }
        std::string operator()(bool v) const { return v ? "true" : "false"; }
        std::string operator()(const std::string& v) const { return v; }
        std::string operator()(const LocalDateTime& v) const { return formatIso(v); }
        std::string operator()(const std::vector<double>& values) const
        {
            std::string text;
            for (std::size_t i = 0; i < values.size(); ++i)
                text += (i ? "," : "") + formatNumber(values[i]);
            return text;
        }
    };
    return std::visit(Formatter {}, value);
}

std::optional<std::string> setSettingsField(
    Settings& s, std::string_view name, std::string_view valueText)
{
    std::string_view base = name;
    std::optional<std::size_t> index;
    if (const auto open = name.find('['); open != std::string_view::npos) {
        const std::string_view digits = name.substr(open + 1, name.size() - open - 2);
        std::size_t i = 0;
        const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), i);
        if (name.back() != ']' || digits.empty() || ec != std::errc {}
            || ptr != digits.data() + digits.size())
            return "Malformed field name " + quoted(name) + " (expected Name or Name[i])";
        base = name.substr(0, open);
        index = i;
    }

    Settings changed = s;
    Setter setter(base, index, valueText);
    settings_layout::forEachField(changed, setter);
    if (!setter.found())
        return "Unknown settings field " + quoted(base);
    if (setter.error())
        return setter.error();
    s = std::move(changed);
    return std::nullopt;
}

} // namespace sg
