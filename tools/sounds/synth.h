// Building blocks of the sound forge: seeded noise, filters, oscillators and envelopes.
// Everything works on float mono signals at 44.1 kHz.
#pragma once
#include <cmath>
#include <cstdint>
#include <vector>

constexpr int SampleRate = 44100;
constexpr double Pi = 3.14159265358979323846;
constexpr double TwoPi = 2.0 * Pi;

using Signal = std::vector<float>;

inline int Samples(double seconds) { return static_cast<int>(std::lround(seconds * SampleRate)); }
inline double Seconds(int samples) { return samples / static_cast<double>(SampleRate); }
inline double NoteHz(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// White noise from a fixed seed, so every build writes the same files.
struct Noise {
    std::uint32_t state;
    explicit Noise(std::uint32_t seed) : state(seed ? seed : 0x9E3779B9u) {}
    std::uint32_t Next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    float White() { return static_cast<float>(Next() >> 8) * (2.0f / 16777216.0f) - 1.0f; }  // -1 .. 1
    double Uniform() { return (Next() >> 8) / 16777216.0; }                                    // 0 .. 1
};

// Second-order filter (Robert Bristow-Johnson's forms); coefficients may change every sample for sweeps.
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    void LowPass(double hz, double q);
    void HighPass(double hz, double q);
    void BandPass(double hz, double q);   // 0 dB at the centre
    float Run(float x) {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1; x1 = x; y2 = y1; y1 = y;
        return static_cast<float>(y);
    }
};

// Two-pole resonator with unity gain at 0 Hz, as used in cascade formant synthesis.
struct Resonator {
    double a = 1, b = 0, c = 0, y1 = 0, y2 = 0;
    void Set(double hz, double bandwidth);
    float Run(float x) {
        const double y = a * x + b * y1 + c * y2;
        y2 = y1; y1 = y;
        return static_cast<float>(y);
    }
};

struct OnePole {
    double k = 1, y = 0;
    void Set(double hz) { k = 1.0 - std::exp(-TwoPi * hz / SampleRate); }
    float Run(float x) { y += k * (x - y); return static_cast<float>(y); }
};

// Band-limited step correction for saw and pulse oscillators (phase t in 0..1, increment dt).
inline double PolyBlep(double t, double dt) {
    if (t < dt) { t /= dt; return t + t - t * t - 1.0; }
    if (t > 1.0 - dt) { t = (t - 1.0) / dt; return t * t + t + t + 1.0; }
    return 0.0;
}

// Attack ramp then exponential decay with time constant `decay` (seconds).
inline double Strike(double t, double attack, double decay) {
    if (t < 0) return 0;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / decay);
}

// Raised-cosine ramp from 0 at t0 to 1 at t1.
inline double Ramp(double t, double t0, double t1) {
    if (t <= t0) return 0;
    if (t >= t1) return 1;
    return 0.5 - 0.5 * std::cos(Pi * (t - t0) / (t1 - t0));
}

void FadeEdges(Signal& s, double fadeInSeconds, double fadeOutSeconds);
void MixInto(Signal& into, const Signal& part, int at, float gain);
float Peak(const Signal& s);
// Loudest short stretch (50 ms window RMS): how loud a short effect seems, whatever its tail.
float ShortTermLoudness(const Signal& s);
void Scale(Signal& s, float gain);
// Gentle saturation for punch without hard clipping.
void SoftClip(Signal& s, float drive);
