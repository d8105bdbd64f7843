#include "engines.h"

namespace {

constexpr int BoatFiring = 700;        // samples per cylinder firing: 63 Hz
constexpr int BoatFirings = 120;
constexpr int CopterBlade = 2205;      // samples per blade pass: 20 Hz
constexpr int CopterBlades = 36;

// Renders a loop by feeding the generator sample indices wrapped to the loop for three laps and
// keeping the last: by then every filter has settled into the loop, so sample 0 follows the last
// sample exactly as any sample follows the one before it. The file starts at `start`, a calm point
// of the engine cycle, so the seam never sits on a pop.
template <class Generator>
Signal RenderLoop(int length, int start, Generator next) {
    Signal out(length, 0.0f);
    for (int lap = 0; lap < 3; ++lap)
        for (int n = 0; n < length; ++n) {
            const float v = next(n);
            if (lap == 2) out[(n + length - start) % length] = v;
        }
    // No steady offset: the game changes the loops' volume every frame, and an offset would
    // turn each change into a tick.
    double mean = 0;
    for (float v : out) mean += v;
    mean /= length;
    for (float& v : out) v -= static_cast<float>(mean);
    return out;
}

Signal NoiseTable(int length, std::uint32_t seed) {
    Noise noise(seed);
    Signal table(length);
    for (float& v : table) v = noise.White();
    return table;
}

// A sine that completes exactly `cycles` periods over the loop.
double LoopSine(int n, int length, int cycles) {
    return std::sin(TwoPi * static_cast<double>((static_cast<long long>(n) * cycles) % length) / length);
}

}  // namespace

int BoatLoopLength() { return BoatFiring * BoatFirings; }
int CopterLoopLength() { return CopterBlade * CopterBlades; }

Signal MakeBoatMotor() {
    const int length = BoatLoopLength();
    const Signal noise = NoiseTable(length, 21);
    // Two-stroke engines fire unevenly: each firing gets its own strength.
    Noise pick(22);
    std::vector<double> firing(BoatFirings);
    for (double& f : firing) f = 0.75 + 0.5 * pick.Uniform();
    Biquad exhaust, pipe, body, water, waterLow;
    exhaust.BandPass(150, 2.5);
    pipe.BandPass(520, 3.0);
    body.LowPass(1800, 0.7);
    water.BandPass(700, 0.8);
    waterLow.LowPass(1500, 0.7);
    return RenderLoop(length, BoatFiring / 2, [&](int n) {
        const int cycle = n / BoatFiring, at = n % BoatFiring;
        const double t = Seconds(at);
        // Each firing: a sharp pop of noise and pressure that rings in the exhaust.
        const double pop = firing[cycle] * (std::exp(-t / 0.0025) * noise[n] + 1.5 * std::exp(-t / 0.004));
        const float popF = static_cast<float>(pop);
        double v = 1.6 * exhaust.Run(popF) + 0.9 * pipe.Run(popF) + 0.25 * body.Run(popF);
        // The gearbox hums at ten times the firing rate.
        v += 0.05 * LoopSine(n, length, BoatFirings * 10);
        // Water slapping the hull, swelling slowly (three swells per loop).
        const double swell = 0.6 + 0.4 * LoopSine(n, length, 3);
        v += 0.25 * swell * water.Run(waterLow.Run(noise[(n * 7 + 13) % length]));
        return static_cast<float>(v);
    });
}

Signal MakeCopterRotor() {
    const int length = CopterLoopLength();
    const Signal noise = NoiseTable(length, 31);
    Biquad slapLow, slapBand, hiss, hissHigh;
    slapLow.LowPass(900, 0.7);
    slapBand.BandPass(240, 1.5);
    hiss.BandPass(2500, 1.0);
    hissHigh.LowPass(6000, 0.7);
    const int whineCycles = length * 1200 / SampleRate;  // about 1200 Hz, whole periods per loop
    return RenderLoop(length, CopterBlade / 2, [&](int n) {
        const double t = Seconds(n % CopterBlade);
        // Each blade pass: a chop of air with a low thump.
        const double chop = std::exp(-t / 0.018);
        const float air = static_cast<float>(chop * noise[n]);
        double v = 1.2 * slapLow.Run(air) + 2.0 * slapBand.Run(air);
        v += 0.5 * std::exp(-t / 0.03) * std::sin(TwoPi * 70.0 * t);
        // The turbine: a steady whine and its octave, swaying slightly with the blades.
        const double sway = 1.0 - 0.25 * chop;
        v += 0.07 * sway * (LoopSine(n, length, whineCycles) + 0.4 * LoopSine(n, length, 2 * whineCycles));
        // Jet hiss, pulsing with the blades.
        v += 0.12 * (1.0 - 0.4 * chop) * hiss.Run(hissHigh.Run(noise[(n * 5 + 101) % length]));
        return static_cast<float>(v);
    });
}
