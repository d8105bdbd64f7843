#include "app/random.h"
#include "games/game_scene.h"
#include "games/jumper.h"

// Each game adds its scene here; a game not yet in the program has no entry.
namespace {
const GameScene* Scenes[6] = {nullptr, &JumperScene, nullptr, nullptr, nullptr, nullptr};
}

const GameScene* GameSceneFor(int n) {
    if (n < 1 || n > 5) return nullptr;
    return Scenes[n];
}

void SetGameScene(int n, const GameScene* scene) {
    if (n >= 1 && n <= 5) Scenes[n] = scene;
}

bool GameInProgram(int n) { return GameSceneFor(n) != nullptr; }

int RandomGameInProgram() {
    int games[5], count = 0;
    for (int n = 1; n <= 5; ++n)
        if (GameInProgram(n)) games[count++] = n;
    if (count == 0) return 0;
    // With every game present this is one draw of 0..4, the game's usual pick.
    return games[Random(count - 1)];
}

int NextGameInProgram(int after) {
    for (int step = 1; step <= 5; ++step) {
        const int n = (after - 1 + step) % 5 + 1;
        if (GameInProgram(n)) return n;
    }
    return after;
}
