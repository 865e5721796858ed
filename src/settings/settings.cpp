#include "settings/settings.h"

#include "settings/settings_fields.h"
#include "settings/settings_layout.h"

#include <algorithm>
#include <variant>

namespace sg {
namespace {

using Value = std::variant<float, std::int16_t, std::int32_t, bool, double, std::string,
    std::vector<float>>;

// Every working value in record order, for comparison.
struct Collector {
    std::vector<Value>& out;
    template <class T> void operator()(std::string_view, std::size_t, const T& value)
    {
        out.emplace_back(value);
    }
    template <std::size_t N>
    void operator()(std::string_view, std::size_t, const std::array<float, N>& values)
    {
        out.emplace_back(std::vector<float>(values.begin(), values.end()));
    }
    void operator()(std::string_view, std::size_t, std::size_t, const std::string& text)
    {
        out.emplace_back(text);
    }
};

std::vector<Value> valuesOf(const Settings& s)
{
    std::vector<Value> values;
    settings_layout::forEachField(s, Collector { values });
    return values;
}

std::uint8_t byteAt(const std::vector<std::uint8_t>& bytes, std::size_t i)
{
    static const std::vector<std::uint8_t> blank = blankSettingsRecord();
    return i < bytes.size() ? bytes[i] : blank[i];
}

} // namespace

std::vector<std::uint8_t> blankSettingsRecord()
{
    std::vector<std::uint8_t> record(kSettingsRecordLength, 0);
    for (const auto& span : settings_layout::kTextSpans)
        std::fill_n(record.begin() + static_cast<std::ptrdiff_t>(span.offset), span.width, ' ');
    return record;
}

bool operator==(const Settings& a, const Settings& b)
{
    for (const auto& field : settings_layout::kKeptReserved) {
        for (std::size_t i = field.offset; i < field.offset + field.length; ++i) {
            if (byteAt(a.Bytes, i) != byteAt(b.Bytes, i))
                return false;
        }
    }
    return valuesOf(a) == valuesOf(b);
}

std::ostream& operator<<(std::ostream& out, const Settings& s)
{
    out << "Settings {\n";
    for (const auto& field : settingsFields(s))
        out << "  " << field.name << " = " << formatFieldValue(field.value) << "\n";
    return out << "}";
}

PerWindowSettings perWindowSettingsOf(const Settings& s)
{
    return { s.RefreshInterval, s.TimerControlsSwapped, s.CycleButton1State, s.CycleButton2State };
}

} // namespace sg
