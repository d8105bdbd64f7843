// forge_sounds OUTDIR: synthesises the game's sound effects, engine loops and music into OUTDIR/audio/.
#include <chrono>
#include <ctime>
#include <exception>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "effects.h"
#include "engines.h"
#include "mastering.h"
#include "music.h"
#include "ogg_file.h"
#include "voices.h"
#include "wave_file.h"

namespace {

struct EffectPlan {
    const char* file;
    std::function<Signal()> make;
    int volume;        // the loudest volume the game plays it at
    double heardDb;    // how loud it should then be heard, short-term RMS
    float density;     // saturation drive to thicken thin sounds (0 = none)
};

double Elapsed(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: forge_sounds OUTDIR\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const std::filesystem::path audio = std::filesystem::path(argv[1]) / "audio";
    std::error_code error;
    std::filesystem::create_directories(audio, error);
    if (error) {
        std::fprintf(stderr, "forge_sounds: cannot create %s\n", audio.string().c_str());
        return 1;
    }

    // The music plays at 10, near -32 dB heard; effects sit a little above it.
    const std::vector<EffectPlan> plans = {
        {"good.wav", MakeGoodChime, 40, -21, 0},
        {"wrong.wav", MakeWrongBuzz, 20, -25, 0},
        {"page.wav", MakePageTurn, 50, -25, 0},
        {"hup.wav", MakeJumpHup, 8, -27, 2.0f},
        {"hurt1.wav", MakeHurtOw, 20, -23, 0.8f},
        {"hurt2.wav", MakeHurtOof, 20, -23, 0.8f},
        {"laser.wav", MakeLaserZap, 10, -26, 0},
        {"explode.wav", MakeExplosion, 30, -20, 0},
        {"woodbreak.wav", MakeWoodBreak, 20, -23, 0},
        {"boat.wav", MakeBoatMotor, 30, -25, 0},
        {"copter.wav", MakeCopterRotor, 30, -25, 0},
    };

    bool ok = true;
    std::printf("%-14s %6s %8s %9s %8s %8s\n", "sound", "volume", "seconds", "peak dB", "loud dB", "heard dB");
    for (const EffectPlan& plan : plans) {
        Signal s = plan.make();
        if (plan.density > 0) {
            Scale(s, 1.0f / Peak(s));
            SoftClip(s, plan.density);
        }
        const Mastered m = MasterForVolume(s, plan.volume, plan.heardDb);
        std::printf("%-14s %6d %8.3f %9.1f %8.1f %8.1f%s\n", plan.file, plan.volume, Seconds(static_cast<int>(s.size())),
                    ToDb(m.peak), ToDb(m.loudness), ToDb(m.loudness * plan.volume / 100.0),
                    m.peakLimited ? "  (at the peak ceiling)" : "");
        ok = WriteWaveFile((audio / plan.file).string(), s) && ok;
    }
    const double effectsSeconds = Elapsed(start);

    const auto musicStart = std::chrono::steady_clock::now();
    StereoLoop music;
    try {
        music = MakeMusic();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "forge_sounds: %s\n", e.what());
        return 1;
    }
    const double synthSeconds = Elapsed(musicStart);
    const float loud = std::max(ShortTermLoudness(music.left), ShortTermLoudness(music.right));
    std::printf("%-14s %6d %8.3f %9.1f %8.1f %8.1f\n", "music.ogg", 10, Seconds(static_cast<int>(music.left.size())),
                ToDb(std::max(Peak(music.left), Peak(music.right))), ToDb(loud), ToDb(loud * 0.1));
    ok = WriteOggVorbis((audio / "music.ogg").string(), music, 0.4f) && ok;

    std::printf("effects %.2f s, music synthesis %.2f s, encoding %.2f s, total %.2f s (%.2f s of processor time)\n",
                effectsSeconds, synthSeconds, Elapsed(musicStart) - synthSeconds, Elapsed(start),
                static_cast<double>(std::clock()) / CLOCKS_PER_SEC);
    if (!ok) std::fprintf(stderr, "forge_sounds: could not write every file in %s\n", audio.string().c_str());
    return ok ? 0 : 1;
}
