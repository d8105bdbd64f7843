#include "games/game_scene.h"

#include "games/jumper.h"

// Each game adds its scene here; a game not yet in the program has no entry.
namespace {
const GameScene* const Scenes[6] = {nullptr, &JumperScene, nullptr, nullptr, nullptr, nullptr};
}

const GameScene* GameSceneFor(int n) {
    if (n < 1 || n > 5) return nullptr;
    return Scenes[n];
}
