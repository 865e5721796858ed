#include "settings/settings_codec.h"

#include "common/record_codec.h"
#include "settings/settings_layout.h"

#include <algorithm>
#include <utility>

namespace sg {
namespace {

struct Decoder {
    const RecordReader& in;
    void operator()(std::string_view, std::size_t at, float& v) { v = in.f32(at); }
    void operator()(std::string_view, std::size_t at, std::int16_t& v) { v = in.i16(at); }
    void operator()(std::string_view, std::size_t at, std::int32_t& v) { v = in.i32(at); }
    void operator()(std::string_view, std::size_t at, bool& v) { v = in.i16(at) != 0; }
    void operator()(std::string_view, std::size_t at, double& v) { v = in.f64(at); }
    void operator()(std::string_view, std::size_t at, std::size_t width, std::string& v)
    {
        v = in.text(at, width);
    }
    template <std::size_t N>
    void operator()(std::string_view, std::size_t at, std::array<float, N>& values)
    {
        for (std::size_t i = 0; i < N; ++i)
            values[i] = in.f32(at + 4 * i);
    }
};

struct Encoder {
    RecordWriter& out;
    void operator()(std::string_view, std::size_t at, const float& v) { out.f32(at, v); }
    void operator()(std::string_view, std::size_t at, const std::int16_t& v) { out.i16(at, v); }
    void operator()(std::string_view, std::size_t at, const std::int32_t& v) { out.i32(at, v); }
    void operator()(std::string_view, std::size_t at, const bool& v) { out.i16(at, v ? -1 : 0); }
    void operator()(std::string_view, std::size_t at, const double& v) { out.f64(at, v); }
    void operator()(std::string_view, std::size_t at, std::size_t width, const std::string& v)
    {
        out.text(at, width, v);
    }
    template <std::size_t N>
    void operator()(std::string_view, std::size_t at, const std::array<float, N>& values)
    {
        for (std::size_t i = 0; i < N; ++i)
            out.f32(at + 4 * i, values[i]);
    }
};

// The first record of bytes, completed from a blank record when short.
std::vector<std::uint8_t> wholeRecord(std::span<const std::uint8_t> bytes)
{
    std::vector<std::uint8_t> record = blankSettingsRecord();
    std::copy_n(bytes.begin(), std::min(bytes.size(), record.size()), record.begin());
    return record;
}

} // namespace

Settings decodeSettings(std::span<const std::uint8_t> bytes)
{
    Settings s;
    s.Bytes = wholeRecord(bytes);
    const RecordReader reader(s.Bytes);
    settings_layout::forEachField(s, Decoder { reader });
    return s;
}

std::vector<std::uint8_t> encodeSettings(const Settings& s, const PerWindowSettings& window)
{
    std::vector<std::uint8_t> record = blankSettingsRecord();
    const std::vector<std::uint8_t> asRead = wholeRecord(s.Bytes);
    for (const auto& field : settings_layout::kKeptReserved) {
        const auto from = asRead.begin() + static_cast<std::ptrdiff_t>(field.offset);
        std::copy_n(from, field.length, record.begin() + static_cast<std::ptrdiff_t>(field.offset));
    }

    Settings values = s;
    values.RefreshInterval = window.RefreshInterval;
    values.TimerControlsSwapped = window.TimerControlsSwapped;
    values.CycleButton1State = window.CycleButton1State;
    values.CycleButton2State = window.CycleButton2State;

    RecordWriter writer(record);
    writer.i16(settings_layout::kZeroedReservedOffset, 0);
    settings_layout::forEachField(std::as_const(values), Encoder { writer });
    return record;
}

} // namespace sg
