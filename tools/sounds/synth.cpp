#include "synth.h"

#include <algorithm>

void Biquad::LowPass(double hz, double q) {
    const double w = TwoPi * hz / SampleRate, cw = std::cos(w), alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    b0 = (1 - cw) / 2 / a0; b1 = (1 - cw) / a0; b2 = b0;
    a1 = -2 * cw / a0; a2 = (1 - alpha) / a0;
}

void Biquad::HighPass(double hz, double q) {
    const double w = TwoPi * hz / SampleRate, cw = std::cos(w), alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    b0 = (1 + cw) / 2 / a0; b1 = -(1 + cw) / a0; b2 = b0;
    a1 = -2 * cw / a0; a2 = (1 - alpha) / a0;
}

void Biquad::BandPass(double hz, double q) {
    const double w = TwoPi * hz / SampleRate, cw = std::cos(w), alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    b0 = alpha / a0; b1 = 0; b2 = -alpha / a0;
    a1 = -2 * cw / a0; a2 = (1 - alpha) / a0;
}

void Resonator::Set(double hz, double bandwidth) {
    const double r = std::exp(-Pi * bandwidth / SampleRate);
    c = -r * r;
    b = 2 * r * std::cos(TwoPi * hz / SampleRate);
    a = 1 - b - c;
}

void FadeEdges(Signal& s, double fadeInSeconds, double fadeOutSeconds) {
    const int n = static_cast<int>(s.size());
    const int in = std::min(n, Samples(fadeInSeconds)), out = std::min(n, Samples(fadeOutSeconds));
    for (int i = 0; i < in; ++i) s[i] *= static_cast<float>(Ramp(i, 0, in));
    for (int i = 0; i < out; ++i) s[n - 1 - i] *= static_cast<float>(Ramp(i, 0, out));
}

void MixInto(Signal& into, const Signal& part, int at, float gain) {
    if (at < 0) return;
    if (into.size() < at + part.size()) into.resize(at + part.size(), 0.0f);
    for (std::size_t i = 0; i < part.size(); ++i) into[at + i] += gain * part[i];
}

float Peak(const Signal& s) {
    float p = 0;
    for (float v : s) p = std::max(p, std::fabs(v));
    return p;
}

float ShortTermLoudness(const Signal& s) {
    const std::size_t window = static_cast<std::size_t>(Samples(0.05));
    double sum = 0, best = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        sum += static_cast<double>(s[i]) * s[i];
        if (i >= window) sum -= static_cast<double>(s[i - window]) * s[i - window];
        best = std::max(best, sum);
    }
    const double count = static_cast<double>(std::min(window, std::max<std::size_t>(s.size(), 1)));
    return static_cast<float>(std::sqrt(std::max(0.0, best) / count));
}

void Scale(Signal& s, float gain) {
    for (float& v : s) v *= gain;
}

void SoftClip(Signal& s, float drive) {
    const float norm = std::tanh(drive);
    for (float& v : s) v = std::tanh(v * drive) / norm;
}
