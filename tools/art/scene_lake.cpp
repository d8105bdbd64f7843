// Game 4's lake, seen from above, in three layers the game blends together:
//   BG4.png (1024 x 768)     the lake bed and what floats on it, drawn first;
//   water2.png (900 x 900)   tiled over it as source + destination squared;
//   water.png (800 x 800)    tiled over that at alpha 100 (black is a hole).
// The squaring darkens and deepens the bed, so BG4 stores the square root of the colours
// meant to be seen (less the caustic layer's average light); water2 adds a dim web of
// caustics and water adds scattered bright wave crests.
#include <algorithm>
#include <cmath>
#include <vector>

#include "art.h"
#include "paint.h"
#include "style.h"

namespace {
constexpr double kCausticMean = 0.045;  // average light water2 adds

void LilyPad(cairo_t* cr, double x, double y, double r, double turn, bool flower) {
  cairo_move_to(cr, x, y);
  cairo_arc(cr, x, y, r, turn + 0.35, turn + 2 * M_PI - 0.05);
  cairo_close_path(cr);
  ShapeBall(cr, x, y, r, Hex(0x8ad85a), Hex(0x3a8a2a), 2.5);
  for (int i = 0; i < 5; ++i) {
    const double a = turn + 0.9 + i * 1.1;
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + r * 0.8 * std::cos(a), y + r * 0.8 * std::sin(a));
  }
  SetCol(cr, Hex(0x2a6a22), 0.5);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  if (flower) {
    for (int i = 0; i < 6; ++i) {
      const double a = i * M_PI / 3;
      EllipsePath(cr, x + 7 * std::cos(a), y + 7 * std::sin(a), 6, 6);
      ShapeBall(cr, x + 7 * std::cos(a), y + 7 * std::sin(a), 6, Hex(0xffd8e8), Hex(0xff7aa8), 1.5);
    }
    cairo_arc(cr, x, y, 4, 0, 2 * M_PI);
    SetCol(cr, Hex(0xfff27a));
    cairo_fill(cr);
  }
}

void Fish(cairo_t* cr, double x, double y, double s, double turn) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, turn);
  cairo_scale(cr, s, s);
  cairo_move_to(cr, 16, 0);
  cairo_curve_to(cr, 10, -8, -8, -8, -12, 0);
  cairo_curve_to(cr, -8, 8, 10, 8, 16, 0);
  cairo_close_path(cr);
  cairo_move_to(cr, -10, 0);
  cairo_line_to(cr, -20, -7);
  cairo_line_to(cr, -20, 7);
  cairo_close_path(cr);
  SetCol(cr, Hex(0xff9a3a), 0.85);
  cairo_fill(cr);
  cairo_restore(cr);
}

// The lake as it should look once the water layers are on it.
void LakeScene(cairo_t* cr) {
  cairo_pattern_t* deep = cairo_pattern_create_radial(560, 300, 60, 512, 340, 720);
  cairo_pattern_add_color_stop_rgb(deep, 0, 0.13, 0.40, 0.58);
  cairo_pattern_add_color_stop_rgb(deep, 0.6, 0.20, 0.52, 0.64);
  cairo_pattern_add_color_stop_rgb(deep, 1, 0.36, 0.68, 0.66);
  cairo_set_source(cr, deep);
  cairo_paint(cr);
  cairo_pattern_destroy(deep);
  // Sandy shallows and stones on the bed near the edges, softened as if under water.
  Noise n(131);
  for (int i = 0; i < 26; ++i) {
    const double side = n.Unit();
    double x, y;
    if (side < 0.5) {
      x = n.Range(0, 1024), y = side < 0.25 ? n.Range(-20, 60) : n.Range(560, 800);
    } else {
      x = side < 0.75 ? n.Range(-20, 80) : n.Range(950, 1044), y = n.Range(0, 768);
    }
    const double r = n.Range(50, 110);
    cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, r);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.62, 0.72, 0.56, 0.55);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.62, 0.72, 0.56, 0);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
  }
  for (int i = 0; i < 16; ++i) {
    const double x = n.Range(0, 1024), y = n.Range(0, 768), r = n.Range(10, 26);
    if (std::fabs(x - 512) < 330 && std::fabs(y - 330) < 230) continue;
    EllipsePath(cr, x, y, r * 1.3, r);
    FillBall(cr, x, y, r * 1.3, Hex(0x8aa0a0), Hex(0x4a6a72));
    SetCol(cr, Hex(0x2a4a58), 0.6);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  // Waving water weed.
  for (int i = 0; i < 10; ++i) {
    const double x = n.Range(0, 1024), y = n.Range(0, 768);
    if (std::fabs(x - 512) < 300 && std::fabs(y - 330) < 200) continue;
    for (int k = 0; k < 4; ++k) {
      cairo_move_to(cr, x, y);
      cairo_curve_to(cr, x + n.Range(-20, 20), y - 20, x + n.Range(-30, 30), y - 40, x + n.Range(-30, 30), y - n.Range(40, 70));
      SetCol(cr, Hex(0x2a7a4a), 0.6);
      cairo_set_line_width(cr, 5);
      cairo_stroke(cr);
    }
  }
  Fish(cr, 240, 420, 1.2, 0.4);
  Fish(cr, 270, 450, 1.0, 0.3);
  Fish(cr, 820, 180, 1.1, 2.6);
  // Lily pads float at the surface near the edges.
  LilyPad(cr, 70, 70, 40, 0.5, true);
  LilyPad(cr, 130, 40, 26, 2.0, false);
  LilyPad(cr, 960, 90, 36, 3.5, false);
  LilyPad(cr, 990, 380, 30, 1.0, true);
  LilyPad(cr, 40, 330, 30, 4.0, false);
  LilyPad(cr, 60, 560, 36, 5.0, true);
  LilyPad(cr, 940, 560, 42, 2.4, true);
}

// Tileable Voronoi edges: bright where two cells meet, like light focused by waves.
float CausticAt(const std::vector<double>& px, const std::vector<double>& py, int cells, double cell, double x,
                double y) {
  const int cx = static_cast<int>(x / cell), cy = static_cast<int>(y / cell);
  double d1 = 1e9, d2 = 1e9;
  for (int j = -1; j <= 1; ++j)
    for (int i = -1; i <= 1; ++i) {
      const int gx = cx + i, gy = cy + j;
      const int wx = (gx % cells + cells) % cells, wy = (gy % cells + cells) % cells;
      const double ox = px[wy * cells + wx] + (gx - wx) * cell, oy = py[wy * cells + wx] + (gy - wy) * cell;
      const double d = std::hypot(x - ox, y - oy);
      if (d < d1) {
        d2 = d1;
        d1 = d;
      } else if (d < d2) {
        d2 = d;
      }
    }
  return static_cast<float>(std::exp(-(d2 - d1) / 9.0));
}
}  // namespace

Pixels DrawLake() {
  Pixels p = Paint(1024, 768, Finish::Solid, LakeScene);
  for (Rgba& c : p.px) {
    auto root = [](uint8_t v) {
      const double t = std::max(0.0, v / 255.0 - kCausticMean);
      return static_cast<uint8_t>(std::clamp(std::lround(std::sqrt(t) * 255), 1L, 255L));
    };
    c = {root(c.r), root(c.g), root(c.b), 255};
  }
  return p;
}

Pixels DrawWaterDeep() {
  constexpr int kSize = 900, kCells = 9;
  constexpr double kCell = kSize / static_cast<double>(kCells);
  Noise n(151);
  std::vector<double> px(kCells * kCells), py(kCells * kCells);
  for (int j = 0; j < kCells; ++j)
    for (int i = 0; i < kCells; ++i) {
      px[j * kCells + i] = (i + n.Range(0.15, 0.85)) * kCell;
      py[j * kCells + i] = (j + n.Range(0.15, 0.85)) * kCell;
    }
  Pixels out;
  out.width = out.height = kSize;
  out.px.resize(static_cast<size_t>(kSize) * kSize);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      // Two webs at different scales; the finer one fainter.
      const float a = CausticAt(px, py, kCells, kCell, x, y);
      const float b = CausticAt(px, py, kCells, kCell, std::fmod(x * 2.0 + 150, kSize), std::fmod(y * 2.0 + 310, kSize));
      const float v = 0.10f * a + 0.05f * b + 0.012f;
      auto ch = [&](float k) { return static_cast<uint8_t>(std::clamp(std::lround(v * k * 255), 0L, 255L)); };
      Rgba& o = out.at(x, y);
      o = {ch(0.75f), ch(1.0f), ch(1.05f), 255};
      if (o.r == 0 && o.g == 0 && o.b == 0) o.a = 0;
    }
  return out;
}

Pixels DrawWaterTop() {
  // Wave crests on black: black is a hole in this layer, so only the crests tint the lake.
  return Paint(800, 800, Finish::Holes, [](cairo_t* cr) {
    Noise n(171);
    for (int i = 0; i < 70; ++i) {
      const double x = n.Range(0, 800), y = n.Range(0, 800), len = n.Range(24, 60), bend = n.Range(4, 10);
      const double w = n.Range(2.5, 4.5);
      for (int ox = -800; ox <= 800; ox += 800)
        for (int oy = -800; oy <= 800; oy += 800) {
          cairo_move_to(cr, x + ox - len / 2, y + oy);
          cairo_curve_to(cr, x + ox - len / 4, y + oy - bend, x + ox + len / 4, y + oy - bend, x + ox + len / 2, y + oy);
          cairo_set_source_rgb(cr, 0.80, 0.94, 1.0);
          cairo_set_line_width(cr, w);
          cairo_stroke(cr);
        }
    }
  });
}
