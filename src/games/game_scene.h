// How a game plugs into the screens: its set-up, its per-frame logic and its drawing.
// The quiz code dispatches through this table and never names a game.
#pragma once

struct GameScene {
    void (*Enter)();    // builds a fresh scene for the open question
    void (*Update)();   // one frame of the game's logic
    void (*Draw)();     // draws the scene (the particles follow in the same call)
};

// The scene of game n (1..5), or nullptr while that game is not in the program.
const GameScene* GameSceneFor(int n);
