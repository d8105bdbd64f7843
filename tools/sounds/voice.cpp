#include "voice.h"

#include <algorithm>

namespace {

VoicePoint At(const std::vector<VoicePoint>& course, double t) {
    if (t <= course.front().time) return course.front();
    if (t >= course.back().time) return course.back();
    std::size_t i = 1;
    while (course[i].time < t) ++i;
    const VoicePoint& a = course[i - 1];
    const VoicePoint& b = course[i];
    const double u = (t - a.time) / (b.time - a.time);
    auto mix = [u](double x, double y) { return x + (y - x) * u; };
    return {t, mix(a.pitch, b.pitch), mix(a.f1, b.f1), mix(a.f2, b.f2), mix(a.f3, b.f3),
            mix(a.voiced, b.voiced), mix(a.breath, b.breath), mix(a.hiss, b.hiss)};
}

}  // namespace

Signal SpeakVoice(const std::vector<VoicePoint>& course, std::uint32_t seed) {
    Noise noise(seed);
    const int length = Samples(course.back().time + 0.05);
    Signal out(length, 0.0f);
    Resonator r1, r2, r3, r4;
    r4.Set(4300, 300);  // a child's fourth formant hardly moves
    Biquad hissBand, hissHigh, hissLow, dcBlock;
    hissBand.BandPass(4000, 0.9);
    hissLow.LowPass(8000, 0.7);
    hissHigh.HighPass(1800, 0.7);
    dcBlock.HighPass(70, 0.7);
    double phase = 0, wobble = 0;
    for (int n = 0; n < length; ++n) {
        const double t = Seconds(n);
        const VoicePoint p = At(course, t);
        // A little irregularity keeps the buzz from sounding like a machine.
        wobble += 0.002 * (noise.White() - wobble);
        const double pitch = p.pitch * (1.0 + 0.012 * std::sin(TwoPi * 6.0 * t) + 4.0 * wobble);
        phase += pitch / SampleRate;
        phase -= std::floor(phase);
        double buzz = 0;
        const int harmonics = std::max(1, static_cast<int>(7000.0 / pitch));
        for (int k = 1; k <= harmonics; ++k) buzz += std::sin(TwoPi * k * phase) / std::pow(k, 1.1);
        const double source = 0.35 * p.voiced * buzz + p.breath * noise.White();
        r1.Set(p.f1, 90);
        r2.Set(p.f2, 120);
        r3.Set(p.f3, 180);
        float v = r4.Run(r3.Run(r2.Run(r1.Run(static_cast<float>(source)))));
        v += static_cast<float>(p.hiss) * hissLow.Run(hissBand.Run(hissHigh.Run(noise.White())));
        out[n] = dcBlock.Run(v);
    }
    return out;
}
