#include "browser/window_id.h"

#include <algorithm>
#include <cmath>

namespace sg {

SystemRandomSource::SystemRandomSource()
    : m_engine(std::random_device {}())
{
}

double SystemRandomSource::next()
{
    return m_uniform(m_engine);
}

std::string makeWindowId(RandomSource& random, const LocalDateTime& now)
{
    std::string id;
    for (int group = 0; group < 4; ++group) {
        if (group > 0)
            id += '-';
        for (int i = 0; i < 8; ++i) {
            const double r = std::clamp(random.next(), 0.0, 1.0);
            id += static_cast<char>('A' + static_cast<int>(std::nearbyint(r * 25)));
        }
    }
    return id + " " + formatIso(now);
}

} // namespace sg
