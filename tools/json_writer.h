#pragma once
// A small writer of compact JSON documents (UTF-8) for the data tool's output.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sg::tool {

class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    // The member name of the next value, inside an object.
    JsonWriter& key(std::string_view name);
    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(const std::string& text) { return value(std::string_view(text)); }
    JsonWriter& value(std::int64_t number);
    JsonWriter& value(int number) { return value(static_cast<std::int64_t>(number)); }
    // Shortest text that reads back as the same double; NaN and infinities as null.
    JsonWriter& value(double number);
    JsonWriter& value(bool flag);
    JsonWriter& null();

    const std::string& text() const { return m_out; }
    // The text written since the last take, which a long document hands on piece by piece.
    std::string take() { return std::exchange(m_out, std::string()); }

private:
    void separate();
    std::string m_out;
    std::vector<bool> m_first; // per open container: no member written yet
    bool m_afterKey = false;
};

// The text as a JSON string literal, quotes included.
std::string jsonQuoted(std::string_view text);

} // namespace sg::tool
