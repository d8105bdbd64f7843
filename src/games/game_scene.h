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
// Puts a scene in the table (nullptr takes it out). The program's games are there from the
// start; tests plug in stand-ins to exercise the screens with every game present.
void SetGameScene(int n, const GameScene* scene);

// The hub offers only the games the program has, so a child never lands in an empty scene.
bool GameInProgram(int n);
int RandomGameInProgram();        // one of them, evenly; 0 when there is none
int NextGameInProgram(int after);  // the one after game `after` in turn (5 wraps to 1)
