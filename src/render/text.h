// Bitmap-font text on the drawing surface: single lines, word-wrapped boxes and measuring.
// Texts are 8-bit Windows-1252 codes, one byte a character, ending at code 0; a code the
// font does not define is skipped. Colours are 0x00BBGGRR.
#pragma once
#include <string>

// Passed as scale or slant: the font's default.
constexpr float FontDefault = -65535.0f;

// While 1, DrawTextWrapped turns a ";" in the first half of a line into a space instead of
// breaking there. The tip bubble sets it around its own call.
extern int SemicolonAsSpace;

// Draws one line whose first pen position is (x, y), the top of the line. A negative alpha,
// colour, scale or slant means the font's default. Slant is in degrees.
void DrawText(int font, float x, float y, const std::string& text, int alpha, int colour, float scale, float slant);

// Draws text in lines no wider than width, breaking also at every ";". Returns the text with
// ";" marks inserted before the word breaks it had to find; store it back in the variable
// passed as text, so later frames break at whole words.
std::string DrawTextWrapped(int font, float x, float y, const std::string& text, float width, int alpha, int colour,
                            float scale, float slant);

// The advances of the defined glyphs times scale, rounded (halves to even).
// Only FontDefault stands for the default scale here; other negative scales are used as given.
int TextWidth(int font, const std::string& text, float scale);
// The largest rise times scale among the defined glyphs (never below 0), rounded.
int TextHeight(int font, const std::string& text, float scale);
