// Mouse and keyboard of the drawing surface, and its window events.
#pragma once

struct MouseReading {
    int x = 0, y = 0;          // pointer on the surface, kept inside it
    float dx = 0, dy = 0;      // movement since the last reading
    int leftDown = 0;
};

// Reads the mouse. While the surface is inactive or the pointer is not captured,
// the position and button keep their last values and the movement is 0.
void ReadMouse(MouseReading& out);
void PlacePointer(int x, int y);
void CapturePointer();

// Keys by PC set-1 scan code (1 Escape, 14 Backspace, 28 Enter, 63 F5, 64 F6, ...).
void ReadKeyboardState(unsigned char down[256]);
// The Windows-1252 character that the key gives under the current layout and modifiers, 0 for none.
int KeyCharacter(int scanCode);

// Takes one pending window event; true when it asks to close the game window.
bool PollWindowClose();
