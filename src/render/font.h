// Bitmap fonts in the game's own ".tf" file format: a signature, glyph records and a
// PNG atlas that holds every glyph's picture.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

// One character of a font. All zeros means undefined: not drawn, not measured, no pen move.
struct GlyphEntry {
    bool Defined = false;
    int OffsetX = 0, OffsetY = 0;   // from the pen to the picture's top-left corner
    int Advance = 0;                // pen move after the glyph
    int Rise = 0;                   // baseline up to the picture's top edge
    int Width = 0, Height = 0;      // picture size in the atlas and on the surface at scale 1
    float U0 = 0, V0 = 0, U1 = 0, V1 = 0;   // the picture's rectangle as texture coordinates
};

struct BitmapFont {
    int FontNumber = 0;
    float DefaultScale = 1.0f;
    int DefaultAlpha = 255;
    int DefaultColour = 0xFFFFFF;   // 0x00BBGGRR
    float DefaultSlant = 0.0f;      // degrees
    int AtlasQuad = 0;
    GlyphEntry Glyphs[256];         // indexed by the 8-bit character code
};

constexpr int MainFont = 0;          // the number "Helv20.tf" is loaded as
constexpr int HighestFontNumber = 65535;

// Font number -> loaded font or nullptr. Entries 0 and 1 always exist.
extern std::vector<BitmapFont*> FontTable;

// Loads a font file and enters it under number. nullptr on any failure; the entry
// (and any font already in it) is then left as it was.
BitmapFont* LoadFont(int number, const std::string& path);
// The same from a file already in memory.
BitmapFont* LoadFontFromMemory(int number, const unsigned char* bytes, std::size_t size);
void FreeFont(BitmapFont* font);
BitmapFont* FindFont(int number);   // nullptr when no font is loaded under number

// Frees every font and puts the text drawing state back to its start-up values.
void ResetFonts();
