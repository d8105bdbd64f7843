#include "games/jumper.h"

float PlayerX = 0, PlayerY = 0, PlayerVY = 0;
int PlayerFacing = 0;
int PlayerSprite = 0;
int PlayerFrame = 0;
float PlayerFrameTimer = 0;

float ZombieX = 0;
int ZombieGoingRight = 0, ZombieFrame = 1;
float ZombieFrameTimer = 0;

float BatX = 0;
int BatGoingRight = 0, BatFrame = 1;
float BatFrameTimer = 0;

int PlatformLayout[3][7];
int GemX[5], GemY[5];

const GameScene JumperScene = {JumperEnter, JumperUpdate, JumperDraw};

void ResetJumper() {
    PlayerX = PlayerY = PlayerVY = 0;
    PlayerFacing = 0;
    PlayerSprite = 0;
    PlayerFrame = 0;
    PlayerFrameTimer = 0;
    ZombieX = 0;
    ZombieGoingRight = 0;
    ZombieFrame = 1;
    ZombieFrameTimer = 0;
    BatX = 0;
    BatGoingRight = 0;
    BatFrame = 1;
    BatFrameTimer = 0;
    for (auto& row : PlatformLayout)
        for (int& cell : row) cell = 0;
    for (int k = 0; k < 5; ++k) GemX[k] = GemY[k] = -1;
}
