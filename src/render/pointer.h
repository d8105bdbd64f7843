// The pointer picture (glove or wand) with its soft shadow, drawn on top of every frame.
#pragma once

struct PointerSprite {
    int PointerQuad = 0;
    int PointerShadow = 0;
    int PointerOffsetX = 0;
    int PointerOffsetY = 0;
};

extern PointerSprite CurrentPointer;
extern PointerSprite SavedPointer;   // exactly one earlier pointer, no deeper history

void SetPointerSprite(int quad, int shadow, int offsetX, int offsetY);
void RestorePointerSprite();
void DrawPointer();
void ResetPointerSprites();
