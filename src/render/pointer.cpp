#include "render/pointer.h"

#include "app/frame.h"
#include "app/screen.h"
#include "platform/input.h"
#include "platform/video.h"
#include "render/blend.h"

PointerSprite CurrentPointer;
PointerSprite SavedPointer;

void SetPointerSprite(int quad, int shadow, int offsetX, int offsetY) {
    SavedPointer = CurrentPointer;
    CurrentPointer = PointerSprite{quad, shadow, offsetX, offsetY};
    if (quad != 0) PlacePointer(CenterX, CenterY);
}

void RestorePointerSprite() {
    CurrentPointer = SavedPointer;
    SavedPointer = PointerSprite{};
    if (CurrentPointer.PointerQuad != 0) PlacePointer(CenterX, CenterY);
}

void DrawPointer() {
    const PointerSprite& p = CurrentPointer;
    if (p.PointerQuad == 0) return;
    const int x = PointerX + p.PointerOffsetX, y = PointerY + p.PointerOffsetY;
    if (p.PointerShadow > 0) {
        SetBlend(1);
        DrawQuad(p.PointerShadow, x + 6, y + 6, 255);
        SetBlend(0);
    }
    DrawQuad(p.PointerQuad, x, y, 255);
}

void ResetPointerSprites() {
    CurrentPointer = PointerSprite{};
    SavedPointer = PointerSprite{};
}
