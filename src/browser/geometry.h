#pragma once
// Positions and sizes of the main window and its controls, in twips unless named otherwise.

#include <ostream>

namespace sg {

inline constexpr double kTwipsPerPixel = 15;

struct Rect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
    bool operator==(const Rect&) const = default;
};

struct Size {
    double width = 0;
    double height = 0;

    bool operator==(const Size&) const = default;
};

// A screen position in pixels.
struct PointPx {
    int x = 0;
    int y = 0;

    bool operator==(const PointPx&) const = default;
};

// A screen rectangle in pixels.
struct RectPx {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const RectPx&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Rect& r)
{
    return out << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}

inline std::ostream& operator<<(std::ostream& out, const Size& s)
{
    return out << "{" << s.width << " x " << s.height << "}";
}

} // namespace sg
