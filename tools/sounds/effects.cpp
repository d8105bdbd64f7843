#include "effects.h"

#include <algorithm>
#include <array>

namespace {

// A struck metal bar: a few partials, the higher ones dying sooner.
Signal Bell(double hz, double seconds, double brightness) {
    struct Partial { double ratio, level, decay; };
    const std::array<Partial, 4> partials = {{{1.0, 1.0, 0.55}, {2.0, 0.35, 0.25}, {3.0, 0.12, 0.12},
                                              {4.2, 0.06 * brightness, 0.05}}};
    Signal s(Samples(seconds), 0.0f);
    for (std::size_t n = 0; n < s.size(); ++n) {
        const double t = Seconds(static_cast<int>(n));
        double v = 0;
        for (const Partial& p : partials)
            if (hz * p.ratio < 18000) v += p.level * Strike(t, 0.002, p.decay) * std::sin(TwoPi * hz * p.ratio * t);
        s[n] = static_cast<float>(v);
    }
    FadeEdges(s, 0.0, std::min(0.2, seconds / 2));  // no click where the ringing is cut
    return s;
}

// A soft, band-limited sawtooth tone with a gentle vibrato.
Signal Buzz(double hz, double seconds, double cutoff) {
    Signal s(Samples(seconds), 0.0f);
    Biquad lp;
    lp.LowPass(cutoff, 0.8);
    double phase = 0;
    for (std::size_t n = 0; n < s.size(); ++n) {
        const double t = Seconds(static_cast<int>(n));
        const double f = hz * (1.0 + 0.02 * std::sin(TwoPi * 7.0 * t));
        const double dt = f / SampleRate;
        phase += dt;
        phase -= std::floor(phase);
        const double saw = 2.0 * phase - 1.0 - PolyBlep(phase, dt);
        const double env = Ramp(t, 0.0, 0.015) * (1.0 - Ramp(t, seconds - 0.05, seconds));
        s[n] = static_cast<float>(env * lp.Run(static_cast<float>(saw)));
    }
    return s;
}

}  // namespace

Signal MakeGoodChime() {
    // C6, E6, G6 quickly, then C7 held over the ringing chord.
    const std::array<int, 4> notes = {84, 88, 91, 96};
    Signal s;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const bool last = i + 1 == notes.size();
        MixInto(s, Bell(NoteHz(notes[i]), 1.1 - 0.075 * i, 1.0), Samples(0.075 * i), last ? 0.8f : 0.55f);
    }
    // A sparkle an octave and a fifth above the top note, for glitter.
    MixInto(s, Bell(NoteHz(103), 0.6, 0.0), Samples(0.25), 0.12f);
    FadeEdges(s, 0.0, 0.15);
    return s;
}

Signal MakeWrongBuzz() {
    // "uh-uh": two low, muffled notes a fourth apart, the second falling a little.
    Signal s;
    MixInto(s, Buzz(196.0, 0.16, 900), 0, 1.0f);
    Signal second = Buzz(147.0, 0.32, 800);
    for (std::size_t n = 0; n < second.size(); ++n) second[n] *= static_cast<float>(1.0 - 0.5 * n / second.size());
    MixInto(s, second, Samples(0.2), 1.0f);
    FadeEdges(s, 0.002, 0.04);
    return s;
}

Signal MakePageTurn() {
    Noise noise(7);
    const double length = 0.5;
    Signal s(Samples(length), 0.0f);
    Biquad band, crackle, flap, soft;
    crackle.BandPass(4500, 2.0);
    soft.LowPass(9000, 0.7);  // paper, not hiss
    flap.LowPass(400, 0.7);
    double crackleLevel = 0;
    for (std::size_t n = 0; n < s.size(); ++n) {
        const double t = Seconds(static_cast<int>(n));
        // The swish: noise whose band rises as the page lifts, then falls as it lands.
        const double lift = t < 0.22 ? t / 0.22 : 1.0 - (t - 0.22) / 0.2;
        band.BandPass(1200 + 3500 * std::max(0.0, lift), 1.2);
        const double swish = Ramp(t, 0.0, 0.18) * (1.0 - Ramp(t, 0.2, 0.42));
        double v = swish * band.Run(noise.White());
        // Paper crinkles: sparse ticks while the page moves.
        if (t < 0.4 && noise.Uniform() < 0.004) crackleLevel = 0.5 + noise.Uniform();
        crackleLevel *= 0.995;
        v += 0.5 * crackle.Run(static_cast<float>(crackleLevel * noise.White()));
        // The soft flap as the page settles.
        v += 1.5 * Strike(t - 0.36, 0.004, 0.03) * flap.Run(noise.White());
        s[n] = soft.Run(static_cast<float>(v));
    }
    FadeEdges(s, 0.005, 0.05);
    return s;
}

Signal MakeLaserZap() {
    const double length = 0.3;
    Signal s(Samples(length), 0.0f);
    double phase = 0, phase2 = 0;
    for (std::size_t n = 0; n < s.size(); ++n) {
        const double t = Seconds(static_cast<int>(n));
        const double hz = 250 + 1900 * std::exp(-t / 0.065);
        phase += hz / SampleRate;
        phase2 += 1.5 * hz / SampleRate;
        const double warble = 1.0 + 0.3 * std::sin(TwoPi * 35 * t);
        const double tone = std::sin(TwoPi * phase + 1.2 * warble * std::sin(TwoPi * phase2));
        s[n] = static_cast<float>(Strike(t, 0.002, 0.09) * std::tanh(2.0 * tone));
    }
    FadeEdges(s, 0.0, 0.03);
    return s;
}

Signal MakeExplosion() {
    Noise noise(11);
    const double length = 1.6;
    Signal s(Samples(length), 0.0f);
    Biquad roar, rumble, debris;
    debris.BandPass(1800, 1.0);
    double brown = 0, crack = 0, thumpPhase = 0;
    for (std::size_t n = 0; n < s.size(); ++n) {
        const double t = Seconds(static_cast<int>(n));
        // The body: noise whose brightness falls away as the blast dies.
        roar.LowPass(300 + 5000 * std::exp(-t / 0.18), 0.9);
        double v = 0.9 * Strike(t, 0.004, 0.32) * roar.Run(noise.White());
        // A deep thump that drops in pitch.
        thumpPhase += (35 + 60 * std::exp(-t / 0.08)) / SampleRate;
        v += 0.9 * Strike(t, 0.003, 0.22) * std::sin(TwoPi * thumpPhase);
        // Rumble: slow, low noise that lasts longest.
        brown = 0.995 * brown + 0.05 * noise.White();
        rumble.LowPass(180, 0.7);
        v += 1.2 * Strike(t, 0.02, 0.55) * rumble.Run(static_cast<float>(brown));
        // Crackles of debris: short bursts of noise, fewer and weaker as the blast settles.
        if (t > 0.05 && t < 0.8 && noise.Uniform() < 0.0012) crack = 0.8 - t;
        crack *= 0.996;
        v += 1.2 * crack * debris.Run(noise.White());
        s[n] = static_cast<float>(v);
    }
    SoftClip(s, 1.8f);
    FadeEdges(s, 0.0, 0.2);
    return s;
}

Signal MakeWoodBreak() {
    Noise noise(13);
    const double length = 0.65;
    Signal s(Samples(length), 0.0f);
    // Wood rings briefly at a handful of frequencies; every crack strikes them afresh, a little
    // detuned each time. The first crack is the lid giving way, the later, brighter ones are splinters.
    struct Mode { double hz, decay, level; };
    const std::array<Mode, 5> modes = {{{330, 0.050, 1.0}, {760, 0.035, 0.8}, {1320, 0.025, 0.6},
                                         {2150, 0.016, 0.45}, {3400, 0.010, 0.3}}};
    struct Crack { double time, level, brightness; };
    std::vector<Crack> cracks = {{0.0, 1.0, 1.0}, {0.014, 0.75, 1.3}};
    double when = 0.06;
    for (int i = 0; i < 9; ++i) {
        cracks.push_back({when, 0.5 * std::exp(-when / 0.22) * (0.6 + 0.4 * noise.Uniform()), 1.6 + noise.Uniform()});
        when += 0.02 + 0.05 * noise.Uniform();
    }
    Biquad clickTone;
    clickTone.LowPass(5000, 0.7);
    for (const Crack& c : cracks) {
        const int at = Samples(c.time);
        for (const Mode& m : modes) {
            const double hz = m.hz * c.brightness * (0.92 + 0.16 * noise.Uniform());
            if (hz > 15000) continue;
            const double phase = TwoPi * noise.Uniform();
            const int span = Samples(m.decay * 7);
            for (int i = 0; i < span && at + i < static_cast<int>(s.size()); ++i) {
                const double t = Seconds(i);
                s[at + i] += static_cast<float>(c.level * m.level * Strike(t, 0.0005, m.decay) * std::sin(TwoPi * hz * t + phase));
            }
        }
        // The dry snap of the fibres: a few milliseconds of noise.
        for (int i = 0; i < Samples(0.004) && at + i < static_cast<int>(s.size()); ++i)
            s[at + i] += static_cast<float>(0.6 * c.level * (1.0 - Seconds(i) / 0.004) * clickTone.Run(noise.White()));
    }
    SoftClip(s, 2.0f);
    FadeEdges(s, 0.0, 0.08);
    return s;
}
