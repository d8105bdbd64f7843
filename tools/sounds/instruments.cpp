#include "instruments.h"

namespace {

double Saw(double phase, double dt) { return 2.0 * phase - 1.0 - PolyBlep(phase, dt); }

// A held note's loudness: attack, fall to a sustain level, release after the note ends.
double HeldEnvelope(double t, double held, double attack, double sustain, double fall, double release) {
    auto at = [&](double u) {
        if (u < attack) return u / attack;
        return sustain + (1.0 - sustain) * std::exp(-(u - attack) / fall);
    };
    if (t < held) return at(t);
    return at(held) * std::exp(-(t - held) / release);
}

}  // namespace

Signal PlayLead(int midi, double seconds) {
    const double hz = NoteHz(midi), held = seconds * 0.9;
    Signal s(Samples(held + 0.3), 0.0f);
    Biquad tone;
    double phase = 0;
    for (std::size_t n = 0; n < s.size(); ++n) {
        const double t = Seconds(static_cast<int>(n));
        const double vibrato = 1.0 + 0.004 * Ramp(t, 0.12, 0.3) * std::sin(TwoPi * 5.5 * t);
        const double dt = hz * vibrato / SampleRate;
        phase += dt;
        phase -= std::floor(phase);
        double shifted = phase + 0.25;
        shifted -= std::floor(shifted);
        const double pulse = Saw(phase, dt) - Saw(shifted, dt);
        tone.LowPass(2400 + 2600 * std::exp(-t / 0.08), 0.7);  // brighter at the start of each note
        s[n] = static_cast<float>(HeldEnvelope(t, held, 0.006, 0.6, 0.2, 0.05) * tone.Run(static_cast<float>(pulse)));
    }
    return s;
}

Signal PlayGlock(int midi) {
    const double hz = NoteHz(midi);
    Signal s(Samples(0.9), 0.0f);
    for (std::size_t n = 0; n < s.size(); ++n) {
        const double t = Seconds(static_cast<int>(n));
        double v = std::sin(TwoPi * hz * t) * Strike(t, 0.001, 0.35);
        if (hz * 2.76 < 18000) v += 0.25 * std::sin(TwoPi * hz * 2.76 * t) * Strike(t, 0.001, 0.08);
        s[n] = static_cast<float>(v);
    }
    return s;
}

Signal PlayBass(int midi, double seconds) {
    const double hz = NoteHz(midi), held = seconds * 0.85;
    Signal s(Samples(held + 0.15), 0.0f);
    Biquad tone;
    tone.LowPass(900, 0.8);
    double phase = 0;
    for (std::size_t n = 0; n < s.size(); ++n) {
        const double t = Seconds(static_cast<int>(n));
        const double dt = hz / SampleRate;
        phase += dt;
        phase -= std::floor(phase);
        const double body = std::sin(TwoPi * phase) + 0.25 * std::sin(2 * TwoPi * phase);
        const double edge = 0.3 * tone.Run(static_cast<float>(Saw(phase, dt))) * std::exp(-t / 0.05);
        s[n] = static_cast<float>(HeldEnvelope(t, held, 0.004, 0.5, 0.25, 0.03) * (body + edge));
    }
    return s;
}

Signal PlayStab(int midi, double seconds) {
    const double hz = NoteHz(midi);
    Signal s(Samples(seconds + 0.1), 0.0f);
    Biquad tone;
    tone.LowPass(2500, 0.7);
    double phase = 0;
    for (std::size_t n = 0; n < s.size(); ++n) {
        const double t = Seconds(static_cast<int>(n));
        const double dt = hz / SampleRate;
        phase += dt;
        phase -= std::floor(phase);
        s[n] = static_cast<float>(Strike(t, 0.003, 0.07) * tone.Run(static_cast<float>(Saw(phase, dt))));
    }
    return s;
}

Signal PlayPad(int midi, double seconds) {
    const double hz = NoteHz(midi);
    Signal s(Samples(seconds + 0.4), 0.0f);
    Biquad tone;
    tone.LowPass(1300, 0.6);
    double a = 0, b = 0.37;
    for (std::size_t n = 0; n < s.size(); ++n) {
        const double t = Seconds(static_cast<int>(n));
        const double da = hz * 1.003 / SampleRate, db = hz * 0.997 / SampleRate;
        a += da; a -= std::floor(a);
        b += db; b -= std::floor(b);
        const double env = Ramp(t, 0.0, 0.25) * (1.0 - Ramp(t, seconds - 0.05, seconds + 0.35));
        s[n] = static_cast<float>(env * tone.Run(static_cast<float>(0.5 * (Saw(a, da) + Saw(b, db)))));
    }
    return s;
}

Signal PlayMusicBox(int midi) {
    const double hz = NoteHz(midi);
    Signal s(Samples(0.6), 0.0f);
    for (std::size_t n = 0; n < s.size(); ++n) {
        const double t = Seconds(static_cast<int>(n));
        const double v = std::sin(TwoPi * hz * t) * Strike(t, 0.002, 0.22) +
                         0.2 * std::sin(TwoPi * hz * 3 * t) * Strike(t, 0.001, 0.05);
        s[n] = static_cast<float>(v);
    }
    return s;
}

Signal PlayKick() {
    Signal s(Samples(0.3), 0.0f);
    double phase = 0;
    for (std::size_t n = 0; n < s.size(); ++n) {
        const double t = Seconds(static_cast<int>(n));
        phase += (48 + 110 * std::exp(-t / 0.03)) / SampleRate;
        s[n] = static_cast<float>(Strike(t, 0.002, 0.12) * std::sin(TwoPi * phase));
    }
    FadeEdges(s, 0.0, 0.03);
    return s;
}

Signal PlaySnare(std::uint32_t seed) {
    Noise noise(seed);
    Signal s(Samples(0.25), 0.0f);
    Biquad band;
    band.BandPass(1800, 0.8);
    for (std::size_t n = 0; n < s.size(); ++n) {
        const double t = Seconds(static_cast<int>(n));
        const double body = 0.5 * std::sin(TwoPi * 190 * t) * Strike(t, 0.001, 0.04);
        s[n] = static_cast<float>(body + 1.4 * Strike(t, 0.001, 0.07) * band.Run(noise.White()));
    }
    FadeEdges(s, 0.0, 0.03);
    return s;
}

Signal PlayHat(std::uint32_t seed, bool open) {
    Noise noise(seed);
    Signal s(Samples(open ? 0.35 : 0.08), 0.0f);
    Biquad high;
    high.HighPass(7000, 0.7);
    for (std::size_t n = 0; n < s.size(); ++n) {
        const double t = Seconds(static_cast<int>(n));
        s[n] = static_cast<float>(Strike(t, 0.001, open ? 0.1 : 0.018) * high.Run(noise.White()));
    }
    FadeEdges(s, 0.0, 0.01);
    return s;
}
