// Scripted mouse and keyboard: tests set the state before each frame.
#include <cstring>

#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_reset.h"
#include "platform/input.h"
#include "platform/video.h"

namespace {

int X = 0, Y = 0;
float PendingX = 0, PendingY = 0;
bool Button = false;
bool Captured = false;
bool Close = false;
unsigned char Keys[256];
int Characters[256];
bool CharactersSet[256];

// What a US keyboard gives without modifiers, by set-1 scan code.
int UsCharacter(int code) {
    static const char* row1 = "1234567890-=";   // 2..13
    static const char* row2 = "qwertyuiop[]";   // 16..27
    static const char* row3 = "asdfghjkl;'`";   // 30..41
    static const char* row4 = "\\zxcvbnm,./";   // 43..53
    if (code >= 2 && code <= 13) return row1[code - 2];
    if (code >= 16 && code <= 27) return row2[code - 16];
    if (code >= 30 && code <= 41) return row3[code - 30];
    if (code >= 43 && code <= 53) return row4[code - 43];
    if (code == 57) return ' ';
    return 0;
}

}  // namespace

void ResetFakeInput() {
    X = Y = 0;
    PendingX = PendingY = 0;
    Button = Captured = Close = false;
    std::memset(Keys, 0, sizeof Keys);
    std::memset(Characters, 0, sizeof Characters);
    std::memset(CharactersSet, 0, sizeof CharactersSet);
}

void FakeMoveMouse(float dx, float dy) {
    PendingX += dx;
    PendingY += dy;
}
void FakeSetMouseButton(bool down) { Button = down; }
void FakeSetKey(int scanCode, bool down) {
    if (scanCode >= 0 && scanCode < 256) Keys[scanCode] = down ? 1 : 0;
}
void FakeSetKeyCharacter(int scanCode, int character) {
    if (scanCode >= 0 && scanCode < 256) {
        Characters[scanCode] = character;
        CharactersSet[scanCode] = true;
    }
}
void FakeRequestClose() { Close = true; }
bool FakePointerCaptured() { return Captured; }
int FakePointerX() { return X; }
int FakePointerY() { return Y; }

void ReadMouse(MouseReading& out) {
    if (Captured && SurfaceActive()) {
        X += static_cast<int>(PendingX);
        Y += static_cast<int>(PendingY);
        out.dx = PendingX;
        out.dy = PendingY;
        out.leftDown = Button ? 1 : 0;
    } else {
        out.dx = out.dy = 0;
        out.leftDown = 0;
    }
    PendingX = PendingY = 0;
    if (X < 0) X = 0;
    if (Y < 0) Y = 0;
    if (X > 1023) X = 1023;
    if (Y > 767) Y = 767;
    out.x = X;
    out.y = Y;
}

void PlacePointer(int x, int y) {
    X = x;
    Y = y;
}

void CapturePointer() { Captured = true; }

void ReadKeyboardState(unsigned char down[256]) { std::memcpy(down, Keys, 256); }

int KeyCharacter(int scanCode) {
    if (scanCode < 0 || scanCode > 255) return 0;
    if (CharactersSet[scanCode]) return Characters[scanCode];
    switch (scanCode) {
        case 71: return '7';
        case 72: return '8';
        case 73: return '9';
        case 75: return '4';
        case 76: return '5';
        case 77: return '6';
        case 79: return '1';
        case 80: return '2';
        case 81: return '3';
        case 82: return '0';
        case 83: return '.';
        case 0xB5: return '/';
        default: return UsCharacter(scanCode);
    }
}

bool PollWindowClose() {
    bool close = Close;
    Close = false;
    return close;
}
