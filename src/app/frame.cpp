#include "app/frame.h"

#include <cmath>

#include "platform/clock.h"
#include "platform/input.h"

const float TickMs = 10.0f;
std::uint64_t LastTick = 0;
float FrameFactor = 1.0f;
int FrameTicks = 1;

int PointerX = 0, PointerY = 0;
float PointerDeltaX = 0, PointerDeltaY = 0;
int PointerHeld = 0, PointerClicked = 0;

void MeasureFrame() {
    const std::uint64_t now = TickCount();
    FrameFactor = static_cast<float>(static_cast<double>(now - LastTick) / TickMs);
    LastTick = now;
    // A stall never counts as more than three ticks: the game slows down instead of jumping.
    if (FrameFactor > 3.0f) FrameFactor = 3.0f;
    FrameTicks = static_cast<int>(std::lround(FrameFactor));
    if (FrameTicks < 1) FrameTicks = 1;
}

void ReadPointer() {
    PointerClicked = 0;
    MouseReading mouse;
    ReadMouse(mouse);
    PointerX = mouse.x;
    PointerY = mouse.y;
    PointerDeltaX = mouse.dx;
    PointerDeltaY = mouse.dy;
    if (mouse.leftDown) {
        if (PointerHeld == 0) PointerClicked = 1;
        PointerHeld = 1;
    } else {
        PointerHeld = 0;
    }
}

void ResetFrameState() {
    LastTick = TickCount();
    FrameFactor = 1.0f;
    FrameTicks = 1;
    PointerX = PointerY = 0;
    PointerDeltaX = PointerDeltaY = 0;
    PointerHeld = PointerClicked = 0;
}
