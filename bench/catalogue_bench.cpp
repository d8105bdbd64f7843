// Time to read and decode every picture of the catalogue (the pictures' share of start-up).
#include <chrono>
#include <cstdio>

#include "app/catalogue.h"
#include "app/reset.h"
#include "platform/fake/fake_platform.h"
#include "platform/files.h"
#include "platform/video.h"

int main(int argc, char** argv) {
    SetWorkingFolder(argc > 1 ? argv[1] : QB_GAME_DIR);
    const int runs = 5;
    double best = 1e9, total = 0;
    for (int i = 0; i < runs; ++i) {
        FakePlatformReset();
        ResetGameState();
        OpenGameWindow("bench", 1024, 768);
        OpenDrawingSurface(true, 1024, 768, "bench");
        const auto start = std::chrono::steady_clock::now();
        LoadPictures();
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        best = ms < best ? ms : best;
        total += ms;
    }
    int loaded = 0;
    for (const CatalogueFile& f : CatalogueFiles()) loaded += !f.path.empty();
    std::printf("catalogue: %d pictures read and decoded in %.1f ms (best of %d), mean %.1f ms\n", loaded, best, runs,
                total / runs);
    return 0;
}
