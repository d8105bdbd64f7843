#include "music.h"

#include <algorithm>
#include <array>
#include <map>
#include <tuple>

#include "instruments.h"
#include "tune.h"

namespace {

constexpr double SecondsPerBeat = 60.0 / TuneTempo;
constexpr float MusicPeak = 0.56f;  // -5 dB

struct Mixer {
    StereoLoop out;
    int length;
    explicit Mixer(int samples) : out{Signal(samples, 0.0f), Signal(samples, 0.0f)}, length(samples) {}
    // pan -1 (left) .. 1 (right), equal power.
    void Add(const Signal& s, int at, float gain, float pan) {
        const double angle = (pan + 1.0) * Pi / 4.0;
        const float l = gain * static_cast<float>(std::cos(angle)), r = gain * static_cast<float>(std::sin(angle));
        for (std::size_t i = 0, n = static_cast<std::size_t>(at); i < s.size(); ++i, ++n) {
            if (n == static_cast<std::size_t>(length)) n = 0;
            out.left[n] += l * s[i];
            out.right[n] += r * s[i];
        }
    }
};

// The tune repeats itself a lot (the same chord tones, the same drum hits), so each distinct
// note is rendered once and reused.
class NoteCache {
public:
    template <class Render>
    const Signal& Get(Part part, int midi, int samples, std::uint32_t variant, Render render) {
        const auto key = std::make_tuple(static_cast<int>(part), midi, samples, variant);
        auto found = notes_.find(key);
        if (found == notes_.end()) found = notes_.emplace(key, render()).first;
        return found->second;
    }

private:
    std::map<std::tuple<int, int, int, std::uint32_t>, Signal> notes_;
};

int Offset(int n, int delay, int length) { return ((n - delay) % length + length) % length; }

// Echoes bouncing between the sides, repeating three eighths apart; computed as taps on the dry
// part so they wrap round the loop like everything else.
void AddEcho(Mixer& mix, const Signal& dry, float send) {
    const int delay = static_cast<int>(std::lround(0.75 * SecondsPerBeat * SampleRate));
    for (int n = 0; n < mix.length; ++n) {
        float gain = send;
        for (int tap = 1; tap <= 4; ++tap, gain *= 0.45f) {
            const float v = gain * dry[Offset(n, tap * delay, mix.length)];
            (tap % 2 ? mix.out.left : mix.out.right)[n] += v;
        }
    }
}

// A small room: a few early reflections, different on each side, so the band does not sound
// pasted onto silence.
void AddRoom(StereoLoop& mix, const Signal& dry, int length) {
    struct Tap { double ms; float gain; bool left; };
    const std::array<Tap, 8> taps = {{{13, 0.16f, true}, {17, 0.15f, false}, {29, 0.12f, true}, {37, 0.11f, false},
                                      {47, 0.09f, true}, {53, 0.08f, false}, {71, 0.06f, true}, {83, 0.05f, false}}};
    for (const Tap& tap : taps) {
        const int delay = Samples(tap.ms / 1000.0);
        Signal& side = tap.left ? mix.left : mix.right;
        for (int n = 0; n < length; ++n) side[n] += tap.gain * dry[Offset(n, delay, length)];
    }
}

}  // namespace

int MusicLoopLength() { return static_cast<int>(std::lround(TuneBars * BeatsPerBar * SecondsPerBeat * SampleRate)); }

StereoLoop MakeMusic() {
    const int length = MusicLoopLength();
    Mixer mix(length);
    Signal echoSend(length, 0.0f), roomSend(length, 0.0f);
    auto send = [length](Signal& bus, const Signal& s, int at, float gain) {
        for (std::size_t i = 0, n = static_cast<std::size_t>(at); i < s.size(); ++i, ++n) {
            if (n == static_cast<std::size_t>(length)) n = 0;
            bus[n] += gain * s[i];
        }
    };
    NoteCache cache;
    std::uint32_t hit = 0;  // drum hits cycle through a few noise variants so repeats are not identical
    for (const NoteEvent& e : TuneNotes()) {
        const int at = static_cast<int>(std::lround(e.beat * SecondsPerBeat * SampleRate));
        const double seconds = e.beats * SecondsPerBeat;
        const int held = Samples(seconds);
        auto note = [&](auto render) -> const Signal& { return cache.Get(e.part, e.midi, held, 0, render); };
        const std::uint32_t variant = 1000 + hit++ % 5;
        auto drum = [&](auto render) -> const Signal& { return cache.Get(e.part, 0, 0, variant, render); };
        switch (e.part) {
            case Part::Lead: {
                const Signal& s = note([&] { return PlayLead(e.midi, seconds); });
                mix.Add(s, at, 0.30f * e.level, 0.05f);
                send(echoSend, s, at, 0.30f * e.level);
                send(roomSend, s, at, 0.30f * e.level);
                break;
            }
            case Part::Glock: {
                const Signal& s = note([&] { return PlayGlock(e.midi); });
                mix.Add(s, at, 0.22f * e.level, -0.35f);
                send(echoSend, s, at, 0.22f * e.level);
                break;
            }
            case Part::Bass: mix.Add(note([&] { return PlayBass(e.midi, seconds); }), at, 0.42f * e.level, 0.0f); break;
            case Part::Stab: {
                const Signal& s = note([&] { return PlayStab(e.midi, seconds); });
                mix.Add(s, at, 0.12f * e.level, 0.3f);
                send(roomSend, s, at, 0.12f * e.level);
                break;
            }
            case Part::Pad: {
                const Signal& s = note([&] { return PlayPad(e.midi, seconds); });
                mix.Add(s, at, 0.10f * e.level, e.midi % 2 ? -0.4f : 0.4f);
                send(roomSend, s, at, 0.10f * e.level);
                break;
            }
            case Part::MusicBox: {
                const Signal& s = note([&] { return PlayMusicBox(e.midi); });
                mix.Add(s, at, 0.16f * e.level, -0.4f);
                send(echoSend, s, at, 0.10f * e.level);
                break;
            }
            case Part::Kick: mix.Add(drum([] { return PlayKick(); }), at, 0.55f * e.level, 0.0f); break;
            case Part::Snare: {
                const Signal& s = drum([&] { return PlaySnare(variant); });
                mix.Add(s, at, 0.22f * e.level, -0.1f);
                send(roomSend, s, at, 0.22f * e.level);
                break;
            }
            case Part::Hat: mix.Add(drum([&] { return PlayHat(variant, false); }), at, 0.10f * e.level, 0.35f); break;
            case Part::OpenHat: mix.Add(drum([&] { return PlayHat(variant, true); }), at, 0.08f * e.level, 0.35f); break;
        }
    }
    AddEcho(mix, echoSend, 0.22f);
    AddRoom(mix.out, roomSend, length);

    // A touch of saturation tames the drum peaks. The game plays the music at volume 10 under
    // effects played at 8 to 50, so it is mastered 5 dB below full scale to leave them room on top.
    float peak = std::max(Peak(mix.out.left), Peak(mix.out.right));
    for (Signal* side : {&mix.out.left, &mix.out.right}) {
        Scale(*side, 1.0f / peak);
        SoftClip(*side, 1.2f);
    }
    peak = std::max(Peak(mix.out.left), Peak(mix.out.right));
    for (Signal* side : {&mix.out.left, &mix.out.right}) Scale(*side, MusicPeak / peak);
    return mix.out;
}
