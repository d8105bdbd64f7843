// The picture drawers, one per picture (or per frame of a series). Each returns finished pixels
// at the size the game shows the picture.
#pragma once
#include "png_out.h"

// Question panel
Pixels DrawBarLeft();
Pixels DrawBarMid();
Pixels DrawBarRight();
Pixels DrawProfessor();
Pixels DrawBlackboard();
Pixels DrawChoice(int choice);  // 1 blue, 2 yellow, 3 red, 4 green
Pixels DrawGreyStrip();
Pixels DrawLife();
