// The drawing surface's size and mode, set once at start-up.
#pragma once
#include <string>

extern int ScreenWidth, ScreenHeight, ScreenDepth;
extern int CenterX, CenterY;
extern int Windowed;              // 1 = in a window, 0 = full screen
extern std::string WindowTitle;   // "Quillbrook Rizizer - " and the subject's name

void ResetScreenState();
