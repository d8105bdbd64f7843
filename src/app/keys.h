// The keyboard by PC set-1 scan code: a level (KeyDown), an edge reported once after the
// key goes up (KeyReleased), and the characters of keys released since the last call (TypedText).
#pragma once
#include <string>

enum { KeyEscape = 1, KeyBackspace = 14, KeyEnter = 28, KeyF5 = 63, KeyF6 = 64 };

void ReadKeyboard();   // takes the platform's keyboard state for this frame
int KeyDown(int key);
int KeyReleased(int key);
std::string TypedText();
void ResetKeys();
