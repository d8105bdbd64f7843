// The list of ripples on the water.
#include "games/ripples.h"

#include "app/random.h"

std::vector<Ripple> Ripples(3);
int RippleCount = 0;

void ResetRipples() {
    Ripples.assign(3, Ripple{});
    RippleCount = 0;
}

void AddRipple(float x, float y, float width, float height, float growth, float angle, float spin, int mode) {
    ++RippleCount;
    if (RippleCount >= static_cast<int>(Ripples.size())) Ripples.resize(RippleCount + 2);
    Ripple& r = Ripples[RippleCount];
    if (angle == RandomRippleAngle) angle = static_cast<float>(Random(360));
    // A ripple lands within four pixels of where it was asked for.
    r.X = x + Random(8) - 4;
    r.Y = y + Random(8) - 4;
    r.Width = width;
    r.Height = height;
    r.Growth = growth;
    r.Angle = angle;
    r.Spin = spin;
    r.FadeMode = mode;
    r.Alpha = mode == 1 ? 220.0f : 255.0f;
}
