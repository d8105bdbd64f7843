// Frame pacing and pointer input. The game advances in ticks of 10 ms: linear motion is
// scaled by FrameFactor, multiplicative easing repeats FrameTicks times.
#pragma once
#include <cstdint>

extern const float TickMs;
extern std::uint64_t LastTick;
extern float FrameFactor;   // length of the last frame in ticks, 0.0 .. 3.0
extern int FrameTicks;      // FrameFactor rounded halves away from zero, at least 1

extern int PointerX, PointerY;
extern float PointerDeltaX, PointerDeltaY;
extern int PointerHeld, PointerClicked;

void MeasureFrame();
void ReadPointer();
void ResetFrameState();
