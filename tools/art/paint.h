// Small building blocks shared by the picture drawers: painting a canvas into finished pixels,
// shadows made from a sprite's outline, blurs and a fixed-seed noise source.
#pragma once
#include <cairo.h>

#include <cstdint>
#include <functional>

#include "canvas.h"
#include "png_out.h"

Pixels Paint(int width, int height, Finish how, const std::function<void(cairo_t*)>& draw);

// A multiply-blend shadow of a sprite: white where the sprite casts no shadow, grey below it.
// The silhouette is taken at the sprite's own place (the game offsets the shadow when drawing),
// shrunk towards the centre by `shrink`, softened by `blur` pixels, at most `darkness` (0..1) dark.
Pixels ShadowOf(const Pixels& sprite, int blur, double darkness, double shrink = 1.0);

// Three box passes approximate a Gaussian; works on one float channel in place.
void BlurChannel(float* data, int width, int height, int radius, bool wrap);

// A deterministic generator for textures (xorshift), so every run draws the same grain.
struct Noise {
  uint64_t state;
  explicit Noise(uint64_t seed) : state(seed * 0x9E3779B97F4A7C15ull + 1) {}
  uint64_t Next() {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
  }
  double Unit() { return (Next() >> 11) * (1.0 / 9007199254740992.0); }  // 0 <= v < 1
  double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
};

// Smooth value noise in 0..1 that wraps every `period` cells (for tileable textures).
double TileNoise(double x, double y, int period, uint32_t seed);

// Draws finished pixels (as loaded in mode 12, or mode 4 when `holes`) into a cairo drawing,
// scaled, with the top-left corner at (x, y): lets one picture reuse another as an icon.
void PaintPixels(cairo_t* cr, const Pixels& pic, double x, double y, double scale, bool holes = false);
