// Game 1, the platform jumper: a kid runs along the ground and two rows of floating
// platforms to reach the gem of the chosen colour, while a zombie walks the ground and
// a bat flies across the middle of the screen.
#pragma once

#include "games/game_scene.h"

// The kid. PlayerY is the feet line (548 on the ground); the picture is drawn from PlayerX - 75.
extern float PlayerX, PlayerY, PlayerVY;
extern int PlayerFacing;          // 0 = facing right, 1 = facing left (mirrored)
extern int PlayerSprite;          // current animation picture
extern int PlayerFrame;
extern float PlayerFrameTimer;

extern float ZombieX;             // horizontal centre
extern int ZombieGoingRight, ZombieFrame;   // frame 1..9
extern float ZombieFrameTimer;

extern float BatX;                // horizontal centre
extern int BatGoingRight, BatFrame;         // frame 1..4
extern float BatFrameTimer;

// [row][column]: row 1 the middle row, row 2 the top row, columns 1..6; 1 = gap, 0 = platform.
// Index 0 of both is unused.
extern int PlatformLayout[3][7];

// Top-left corner of gem k (answer choice 1..4); -1 = not yet placed, -80 = collected.
extern int GemX[5], GemY[5];

// Where the rows stand and where the kid's feet rest on them.
constexpr int GroundFeetY = 548;
constexpr int MiddleFeetY = 378;
constexpr int TopFeetY = 208;
constexpr int ColumnWidth = 200;

// Left edge of platform column m (1..6): -100, 100, 300, 500, 700, 900.
constexpr int JumperColumnLeft(int m) { return -100 + ColumnWidth * (m - 1); }

void JumperEnter();    // a fresh scene for the open question
void JumperUpdate();   // one frame of the game's logic
void JumperDraw();     // the scene, back to front
void ResetJumper();    // start-up values of everything above

extern const GameScene JumperScene;
