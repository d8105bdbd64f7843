// Places the glyph pictures on one atlas picture, in rows, each with a transparent pixel all round,
// so that bilinear filtering at a glyph's edge only ever blends in emptiness.
#pragma once
#include <vector>

struct AtlasSpot {
    int x, y;  // top-left of the glyph picture
};

struct AtlasLayout {
    int width = 0, height = 0;   // powers of two
    std::vector<AtlasSpot> spots;  // one per size given, same order
};

struct GlyphSize {
    int width, height;
};

AtlasLayout PackAtlas(const std::vector<GlyphSize>& sizes, int atlasWidth);
