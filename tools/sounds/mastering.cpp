#include "mastering.h"

#include <algorithm>

double ToDb(double amplitude) { return 20.0 * std::log10(std::max(amplitude, 1e-9)); }

Mastered MasterForVolume(Signal& s, int volume, double heardDb) {
    constexpr float ceiling = 0.966f;  // -0.3 dB
    const double target = std::pow(10.0, heardDb / 20.0) / (volume / 100.0);
    const float loud = ShortTermLoudness(s), peak = Peak(s);
    float gain = static_cast<float>(target / loud);
    const bool limited = gain * peak > ceiling;
    if (limited) gain = ceiling / peak;
    Scale(s, gain);
    return {gain, Peak(s), ShortTermLoudness(s), limited};
}
