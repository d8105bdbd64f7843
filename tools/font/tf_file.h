// The game's font file: an 8-byte signature, 18-byte glyph records (nine little-endian int16s),
// an int16 0 that ends the list, then the atlas as a PNG with alpha.
#pragma once
#include <vector>

struct GlyphRecord {
    int code, offsetX, offsetY, advance, rise, atlasX, atlasY, width, height;
};

std::vector<unsigned char> BuildFontFile(const std::vector<GlyphRecord>& records, const std::vector<unsigned char>& atlasPng);
