// The list of laser bolts in flight.
#include "games/shots.h"

#include "app/sound_control.h"

std::vector<Shot> Shots(3);
int ShotCount = 0;

void ResetShots() {
    Shots.assign(3, Shot{});
    ShotCount = 0;
}

void AddShot(float x, float y, float angle) {
    ++ShotCount;
    if (ShotCount >= static_cast<int>(Shots.size())) Shots.resize(ShotCount + 2);
    Shots[ShotCount] = Shot{x, y, angle};
    PlayEffect(LaserSound, 10);
}
