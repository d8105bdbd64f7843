// The game's 8-bit text is Windows-1252: this maps each byte to the character the font must draw.
#pragma once

// The Unicode character for a Windows-1252 byte, or 0 for the control codes and the five bytes
// the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D).
char32_t Windows1252ToUnicode(int byte);
