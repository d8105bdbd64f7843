#include "app/keys.h"

#include <cstring>

#include "platform/input.h"

namespace {
unsigned char Down[256];
unsigned char ReleaseMark[256];   // KeyReleased saw the key down
unsigned char TypeMark[256];      // TypedText saw the key down

bool Valid(int key) { return key >= 0 && key < 256; }
}  // namespace

void ReadKeyboard() { ReadKeyboardState(Down); }

int KeyDown(int key) { return Valid(key) && Down[key] ? 1 : 0; }

int KeyReleased(int key) {
    if (!Valid(key)) return 0;
    if (Down[key]) {
        ReleaseMark[key] = 1;
        return 0;
    }
    if (ReleaseMark[key]) {
        ReleaseMark[key] = 0;
        return 1;
    }
    return 0;
}

std::string TypedText() {
    std::string typed;
    for (int key = 0; key <= 254; ++key) {
        if (Down[key]) {
            TypeMark[key] = 1;
        } else if (TypeMark[key]) {
            TypeMark[key] = 0;
            if (key == KeyEnter || key == KeyBackspace) continue;
            int ch = KeyCharacter(key);
            if (ch > 0 && ch < 256) typed += static_cast<char>(ch);
        }
    }
    return typed;
}

void ResetKeys() {
    std::memset(Down, 0, sizeof Down);
    std::memset(ReleaseMark, 0, sizeof ReleaseMark);
    std::memset(TypeMark, 0, sizeof TypeMark);
}
