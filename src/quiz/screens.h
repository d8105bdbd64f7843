// The six screens (0 the hub, 1..5 the games), their set-up and the per-frame dispatch.
#pragma once

extern int CurrentScreen;     // 0 = hub, n = game n
extern int RandomGameMode;    // 1 after the sixth hub button: each right answer moves to the next game

void EnterScreen(int n);
void UpdateGame();     // the current screen's logic, while no tip bubble and no notepad is up
void DrawScreen();     // the current screen's drawing, ending with the particles
void OverlayInput();   // instead of UpdateGame while the tip bubble or the notepad is up
void ResetScreens();
