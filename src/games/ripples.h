// The ripples on the water of game 4. Game 4 fades, grows and draws them; the screens
// empty the list.
#pragma once
#include <vector>

struct Ripple {
    float X = 0, Y = 0;             // centre
    float Width = 0, Height = 0;    // drawn size
    float Growth = 0;               // added to width and height every frame
    float Angle = 0;
    float Spin = 0;                 // added to Angle every frame
    float Alpha = 0;
    int FadeMode = 0;               // 0 ring ripple (from 255, 1.5 a tick), 1 wake (from 220, 3 a tick)
};

extern std::vector<Ripple> Ripples;   // live ripples are 1..RippleCount; element 0 is never used
extern int RippleCount;

// Passed as the angle: a random angle 0..360.
constexpr float RandomRippleAngle = -999999.0f;

void ResetRipples();
void AddRipple(float x, float y, float width, float height, float growth, float angle, float spin, int mode);
