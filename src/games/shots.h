// The laser bolts of game 2. Game 2 moves, tests and draws them; the screens empty the list.
#pragma once
#include <vector>

struct Shot {
    float X = 0, Y = 0;   // centre
    float Angle = 0;      // degrees, 0 = straight up, growing clockwise
};

extern std::vector<Shot> Shots;   // bolts in flight are 1..ShotCount; element 0 is never used
extern int ShotCount;

void ResetShots();
void AddShot(float x, float y, float angle);   // also plays the laser sound
