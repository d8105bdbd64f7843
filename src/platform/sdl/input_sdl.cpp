// Mouse and keyboard from SDL events. The pointer is our own: relative mouse movement
// moves it and it is clamped to the surface, so steering by mouse never stalls at a
// screen edge. Keys are reported by PC set-1 scan code through one table.
#include <SDL2/SDL.h>

#include <cstring>
#include <string>

#include "platform/input.h"
#include "platform/sdl/sdl_video.h"
#include "platform/video.h"

namespace {

int PointerX = 0, PointerY = 0;
float MovedX = 0, MovedY = 0;
bool ButtonDown = false;
bool ButtonWentDown = false;   // a press since the last reading, so a quick click is never lost
bool Captured = false;
bool CloseRequested = false;
SDL_Scancode LastPressed = SDL_SCANCODE_UNKNOWN;
unsigned char Characters[256];   // the character each key gave when last pressed

// SDL scancode -> PC set-1 scan code (extended keys as 0x80 + code).
int SetOneCode(SDL_Scancode s) {
    static int table[SDL_NUM_SCANCODES];
    static bool built = false;
    if (!built) {
        std::memset(table, 0, sizeof table);
        auto set = [](SDL_Scancode k, int v) { table[k] = v; };
        set(SDL_SCANCODE_ESCAPE, 1);
        const SDL_Scancode digits[10] = {SDL_SCANCODE_1, SDL_SCANCODE_2, SDL_SCANCODE_3, SDL_SCANCODE_4,
                                         SDL_SCANCODE_5, SDL_SCANCODE_6, SDL_SCANCODE_7, SDL_SCANCODE_8,
                                         SDL_SCANCODE_9, SDL_SCANCODE_0};
        for (int i = 0; i < 10; ++i) set(digits[i], 2 + i);
        set(SDL_SCANCODE_MINUS, 12);
        set(SDL_SCANCODE_EQUALS, 13);
        set(SDL_SCANCODE_BACKSPACE, 14);
        set(SDL_SCANCODE_TAB, 15);
        const char* rows[3] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
        const int starts[3] = {16, 30, 44};
        for (int r = 0; r < 3; ++r)
            for (int i = 0; rows[r][i]; ++i)
                set(static_cast<SDL_Scancode>(SDL_SCANCODE_A + (rows[r][i] - 'A')), starts[r] + i);
        set(SDL_SCANCODE_LEFTBRACKET, 26);
        set(SDL_SCANCODE_RIGHTBRACKET, 27);
        set(SDL_SCANCODE_RETURN, 28);
        set(SDL_SCANCODE_LCTRL, 29);
        set(SDL_SCANCODE_SEMICOLON, 39);
        set(SDL_SCANCODE_APOSTROPHE, 40);
        set(SDL_SCANCODE_GRAVE, 41);
        set(SDL_SCANCODE_LSHIFT, 42);
        set(SDL_SCANCODE_BACKSLASH, 43);
        set(SDL_SCANCODE_COMMA, 51);
        set(SDL_SCANCODE_PERIOD, 52);
        set(SDL_SCANCODE_SLASH, 53);
        set(SDL_SCANCODE_RSHIFT, 54);
        set(SDL_SCANCODE_KP_MULTIPLY, 55);
        set(SDL_SCANCODE_LALT, 56);
        set(SDL_SCANCODE_SPACE, 57);
        set(SDL_SCANCODE_CAPSLOCK, 58);
        for (int i = 0; i < 10; ++i) set(static_cast<SDL_Scancode>(SDL_SCANCODE_F1 + i), 59 + i);
        set(SDL_SCANCODE_NUMLOCKCLEAR, 69);
        set(SDL_SCANCODE_SCROLLLOCK, 70);
        set(SDL_SCANCODE_KP_7, 71);
        set(SDL_SCANCODE_KP_8, 72);
        set(SDL_SCANCODE_KP_9, 73);
        set(SDL_SCANCODE_KP_MINUS, 74);
        set(SDL_SCANCODE_KP_4, 75);
        set(SDL_SCANCODE_KP_5, 76);
        set(SDL_SCANCODE_KP_6, 77);
        set(SDL_SCANCODE_KP_PLUS, 78);
        set(SDL_SCANCODE_KP_1, 79);
        set(SDL_SCANCODE_KP_2, 80);
        set(SDL_SCANCODE_KP_3, 81);
        set(SDL_SCANCODE_KP_0, 82);
        set(SDL_SCANCODE_KP_PERIOD, 83);
        set(SDL_SCANCODE_NONUSBACKSLASH, 86);
        set(SDL_SCANCODE_F11, 87);
        set(SDL_SCANCODE_F12, 88);
        set(SDL_SCANCODE_KP_ENTER, 0x9C);
        set(SDL_SCANCODE_RCTRL, 0x9D);
        set(SDL_SCANCODE_KP_DIVIDE, 0xB5);
        set(SDL_SCANCODE_RALT, 0xB8);
        set(SDL_SCANCODE_HOME, 0xC7);
        set(SDL_SCANCODE_UP, 0xC8);
        set(SDL_SCANCODE_PAGEUP, 0xC9);
        set(SDL_SCANCODE_LEFT, 0xCB);
        set(SDL_SCANCODE_RIGHT, 0xCD);
        set(SDL_SCANCODE_END, 0xCF);
        set(SDL_SCANCODE_DOWN, 0xD0);
        set(SDL_SCANCODE_PAGEDOWN, 0xD1);
        set(SDL_SCANCODE_INSERT, 0xD2);
        set(SDL_SCANCODE_DELETE, 0xD3);
        set(SDL_SCANCODE_LGUI, 0xDB);
        set(SDL_SCANCODE_RGUI, 0xDC);
        built = true;
    }
    return (s >= 0 && s < SDL_NUM_SCANCODES) ? table[s] : 0;
}

// One character of typed UTF-8 text in Windows-1252, 0 when it has none there.
int ToWindows1252(const char* text) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    unsigned code = 0;
    if (p[0] < 0x80) code = p[0];
    else if ((p[0] & 0xE0) == 0xC0 && p[1]) code = ((p[0] & 0x1Fu) << 6) | (p[1] & 0x3Fu);
    else if ((p[0] & 0xF0) == 0xE0 && p[1] && p[2]) code = ((p[0] & 0x0Fu) << 12) | ((p[1] & 0x3Fu) << 6) | (p[2] & 0x3Fu);
    else return 0;
    if (code >= 0x20 && code < 0x7F) return static_cast<int>(code);
    if (code >= 0xA0 && code <= 0xFF) return static_cast<int>(code);
    static const unsigned short high[32] = {0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
                                            0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
    for (int i = 0; i < 32; ++i)
        if (high[i] && high[i] == code) return 0x80 + i;
    return 0;
}

void Pump() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
            case SDL_QUIT: CloseRequested = true; break;
            case SDL_WINDOWEVENT:
                if (event.window.event == SDL_WINDOWEVENT_CLOSE) CloseRequested = true;
                break;
            case SDL_MOUSEMOTION:
                MovedX += static_cast<float>(event.motion.xrel);
                MovedY += static_cast<float>(event.motion.yrel);
                break;
            case SDL_MOUSEBUTTONDOWN:
                if (event.button.button == SDL_BUTTON_LEFT) {
                    ButtonDown = true;
                    ButtonWentDown = true;
                }
                break;
            case SDL_MOUSEBUTTONUP:
                if (event.button.button == SDL_BUTTON_LEFT) ButtonDown = false;
                break;
            case SDL_KEYDOWN:
                if (!event.key.repeat) LastPressed = event.key.keysym.scancode;
                break;
            case SDL_TEXTINPUT: {
                int code = SetOneCode(LastPressed);
                int ch = ToWindows1252(event.text.text);
                if (code > 0 && ch > 0) Characters[code] = static_cast<unsigned char>(ch);
                break;
            }
            default: break;
        }
    }
}

}  // namespace

void ReadMouse(MouseReading& out) {
    Pump();
    const bool live = Captured && SurfaceActive();
    if (live) {
        PointerX += static_cast<int>(MovedX);
        PointerY += static_cast<int>(MovedY);
        out.dx = MovedX;
        out.dy = MovedY;
    } else {
        out.dx = out.dy = 0;
    }
    MovedX = MovedY = 0;
    int width = 0, height = 0;
    GameSurfaceSize(width, height);
    if (PointerX < 0) PointerX = 0;
    if (PointerY < 0) PointerY = 0;
    if (PointerX > width - 1) PointerX = width - 1;
    if (PointerY > height - 1) PointerY = height - 1;
    out.x = PointerX;
    out.y = PointerY;
    if (live) out.leftDown = (ButtonDown || ButtonWentDown) ? 1 : 0;
    else out.leftDown = 0;
    ButtonWentDown = false;
}

void PlacePointer(int x, int y) {
    PointerX = x;
    PointerY = y;
    MovedX = MovedY = 0;
}

void CapturePointer() {
    // The system cursor is hidden and held in the window; SDL warps it back to the
    // middle and reports each movement, which also works with synthetic X input.
    SDL_SetHint(SDL_HINT_MOUSE_RELATIVE_MODE_WARP, "1");
    SDL_ShowCursor(SDL_DISABLE);
    SDL_SetRelativeMouseMode(SDL_TRUE);
    Captured = true;
}

void ReadKeyboardState(unsigned char down[256]) {
    Pump();
    std::memset(down, 0, 256);
    int count = 0;
    const Uint8* keys = SDL_GetKeyboardState(&count);
    for (int s = 0; s < count; ++s)
        if (keys[s]) {
            int code = SetOneCode(static_cast<SDL_Scancode>(s));
            if (code > 0 && code < 256) down[code] = 1;
        }
}

int KeyCharacter(int scanCode) {
    // The number pad gives digits and its signs whatever the state of Num Lock.
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
        case 14: case 28: case 0x9C: return 0;   // Backspace and Enter type nothing
        default: break;
    }
    if (scanCode < 0 || scanCode > 255) return 0;
    return Characters[scanCode];
}

bool PollWindowClose() {
    Pump();
    bool close = CloseRequested;
    CloseRequested = false;
    return close;
}
