#pragma once
// The identity text of a main window: four groups of eight capital letters and the time the
// window was made, e.g. "QWERTYUI-ASDFGHJK-ZXCVBNMQ-WERTYUIO 2026-12-05 14:08:35".

#include "common/date_time.h"

#include <random>
#include <string>

namespace sg {

// Uniform numbers in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

// Seeded once from the system's entropy, so windows made in the same second differ.
class SystemRandomSource final : public RandomSource {
public:
    SystemRandomSource();
    double next() override;

private:
    std::mt19937_64 m_engine;
    std::uniform_real_distribution<double> m_uniform { 0.0, 1.0 };
};

// Each letter is the character 65 + round(r x 25) (halves to even).
std::string makeWindowId(RandomSource& random, const LocalDateTime& now);

} // namespace sg
