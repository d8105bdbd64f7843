// Start-up time and frame cost of the real program, shared by the benchmark that draws with
// the real renderer and the one that only records the drawing (the game's own cost).
#pragma once
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/game.h"
#include "app/random.h"
#include "app/reset.h"
#include "platform/fake/fake_native_window.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_reset.h"
#include "platform/files.h"
#include "quiz/notepad.h"
#include "quiz/screens.h"
#include "quiz/tip.h"

namespace frame_bench {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void Measure(const char* what, int frames) {
    std::vector<double> times;
    for (int i = 0; i < frames; ++i) {
        const auto start = Clock::now();
        if (!RunFrame()) break;
        times.push_back(Ms(Clock::now() - start));
    }
    if (times.empty()) return;
    std::sort(times.begin(), times.end());
    double sum = 0;
    for (double t : times) sum += t;
    std::printf("%-28s %5zu frames  mean %6.2f ms  median %6.2f ms  95%% %6.2f ms  max %6.2f ms\n", what,
                times.size(), sum / times.size(), times[times.size() / 2], times[times.size() * 95 / 100],
                times.back());
}

}  // namespace frame_bench
using namespace frame_bench;

inline int RunFrameBenchmark(int argc, char** argv) {
    const char* game = argc > 1 ? argv[1] : QB_GAME_DIR;
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    ResetFakeInput();
    ResetFakeClock();
    ResetFakeSound();
    ResetFakeMessages();
    ResetFakeNativeWindow();
    FakeSetProfileFolder("/nonexistent-bench-profile");
    FakeClickControl(10);   // "Start >>"
    SetWorkingFolder(game);
    ResetGameState();
    SeedRandom(7);

    const auto start = Clock::now();
    if (!StartProgram()) {
        std::fprintf(stderr, "the game did not start in %s\n", game);
        return 1;
    }
    // The options window's own two-second pause runs on the scripted clock, so this is loading alone.
    std::printf("start-up (descriptor, sounds, surface, font, %s pictures, questions): %.0f ms\n", "all",
                Ms(Clock::now() - start));

    Measure("hub", 300);
    StudentName = "Ann";
    EnterScreen(1);
    if (TipShown) CloseTip();
    Measure("game 1 with the panel", 300);
    ShutDownGame();
    return 0;
}
