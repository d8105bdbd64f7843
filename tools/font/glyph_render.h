// Renders the font's characters with FreeType into antialiased coverage bitmaps with their metrics.
#pragma once
#include <string>
#include <vector>

struct RenderedGlyph {
    int code;              // Windows-1252 byte
    int left;              // pen x to the picture's left edge
    int top;               // baseline up to the picture's top edge
    int advance;           // whole pixels
    int width, height;     // of the picture; 0 for blank characters
    std::vector<unsigned char> coverage;  // width * height, 0..255, rows top to bottom
};

struct RenderedFont {
    int ascender;          // baseline up to the top of the text line, whole pixels
    std::vector<RenderedGlyph> glyphs;  // in code order
};

// Renders every printable Windows-1252 character of the font file at `pixelSize`.
// Returns false with `error` set when the font cannot be opened or a character is missing from it.
bool RenderFont(const std::string& fontPath, int pixelSize, RenderedFont& out, std::string& error);
