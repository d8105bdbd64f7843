// Game 1's jungle: the background (1024 x 896, ground line at y 548), the grassy platform
// tile (200 x 128, walked on at y 8, tiled side by side) and the vines that hang below the
// middle row of platforms.
#include <cmath>

#include "art.h"
#include "paint.h"
#include "style.h"

namespace {
void Leaf(cairo_t* cr, double x, double y, double len, double angle, Col c) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, len * 0.3, -len * 0.35, len * 0.8, -len * 0.3, len, 0);
  cairo_curve_to(cr, len * 0.8, len * 0.3, len * 0.3, len * 0.35, 0, 0);
  cairo_close_path(cr);
  FillVertical(cr, -len * 0.35, len * 0.35, Lighter(c, 0.15), Darker(c, 0.15));
  SetCol(cr, Darker(c, 0.45));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_move_to(cr, 2, 0);
  cairo_line_to(cr, len * 0.85, 0);
  SetCol(cr, Darker(c, 0.35), 0.6);
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
  cairo_restore(cr);
}

// A layer of jungle trees: trunks and round crowns in one flat-ish tone.
void TreeLayer(cairo_t* cr, uint64_t seed, int count, double baseY, double scale, Col trunk, Col crown, double outline) {
  Noise n(seed);
  for (int i = 0; i < count; ++i) {
    const double x = (i + n.Range(0.1, 0.9)) * 1024.0 / count;
    const double h = n.Range(220, 340) * scale;
    RoundRectPath(cr, x - 12 * scale, baseY - h, 24 * scale, h + 20, 8 * scale);
    Shape(cr, baseY - h, baseY, Lighter(trunk, 0.1), Darker(trunk, 0.1), outline);
    for (int k = 0; k < 4; ++k) {
      const double cx = x + n.Range(-60, 60) * scale, cy = baseY - h + n.Range(-30, 30) * scale;
      const double r = n.Range(50, 80) * scale;
      cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
      FillBall(cr, cx, cy, r, Lighter(crown, 0.12), Darker(crown, 0.08));
      if (outline > 0) {
        SetCol(cr, Darker(crown, 0.4));
        cairo_set_line_width(cr, outline);
        cairo_stroke(cr);
      } else {
        cairo_new_path(cr);
      }
    }
  }
}

void Vine(cairo_t* cr, double x, double y0, double y1, double sway, uint64_t seed) {
  Noise n(seed);
  cairo_move_to(cr, x, y0);
  cairo_curve_to(cr, x + sway, y0 + (y1 - y0) * 0.35, x - sway, y0 + (y1 - y0) * 0.7, x + sway * 0.3, y1);
  SetCol(cr, kInk);
  cairo_set_line_width(cr, 6.5);
  cairo_stroke_preserve(cr);
  SetCol(cr, Hex(0x4a9a2a));
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
  for (double y = y0 + 14; y < y1 - 4; y += n.Range(12, 18)) {
    const double t = (y - y0) / (y1 - y0);
    const double vx = x + sway * (t < 0.5 ? t * 2 : 2 - t * 2) * 0.6;
    const bool right = (static_cast<int>(y) / 7) % 2;
    Leaf(cr, vx, y, n.Range(12, 17), right ? 0.5 : M_PI - 0.5, Hex(0x5ac83a));
  }
}
}  // namespace

Pixels DrawJungle() {
  return Paint(1024, 896, Finish::Solid, [](cairo_t* cr) {
    // Misty green daylight behind the trees.
    cairo_rectangle(cr, 0, 0, 1024, 896);
    FillVertical(cr, 0, 560, Hex(0xbfeed8), Hex(0xeafbe0));
    cairo_new_path(cr);
    cairo_pattern_t* sun = cairo_pattern_create_radial(700, 120, 10, 700, 120, 420);
    cairo_pattern_add_color_stop_rgba(sun, 0, 1, 1, 0.85, 0.8);
    cairo_pattern_add_color_stop_rgba(sun, 1, 1, 1, 0.85, 0);
    cairo_set_source(cr, sun);
    cairo_paint(cr);
    cairo_pattern_destroy(sun);
    TreeLayer(cr, 41, 7, 600, 1.2, Hex(0x9ac8a8), Hex(0xa8dab0), 0);
    TreeLayer(cr, 42, 6, 620, 1.0, Hex(0x7aa86a), Hex(0x7cc47a), 2);
    // Far bushes along the ground.
    Noise n(43);
    for (int i = 0; i < 18; ++i) {
      const double x = i * 60 + n.Range(-10, 10), r = n.Range(40, 60);
      cairo_arc(cr, x, 540, r, 0, 2 * M_PI);
      FillBall(cr, x, 540, r, Hex(0x6ab85a), Hex(0x3a8a3a));
      SetCol(cr, Hex(0x2a5a2a));
      cairo_set_line_width(cr, 2.5);
      cairo_stroke(cr);
    }
    // Ground under the platform strip.
    cairo_rectangle(cr, 0, 540, 1024, 356);
    FillVertical(cr, 540, 896, Hex(0x8a5a32), Hex(0x4a2e18));
    cairo_new_path(cr);
    // Canopy leaves and hanging vines along the top edge.
    for (int i = 0; i < 9; ++i) Vine(cr, 40 + i * 118 + n.Range(-20, 20), -10, n.Range(80, 170), n.Range(-14, 14), 50 + i);
    for (int i = 0; i < 40; ++i)
      Leaf(cr, n.Range(-20, 1044), n.Range(-20, 20), n.Range(40, 70), n.Range(0.3, 2.8), i % 2 ? Hex(0x3aa83a) : Hex(0x5ac84a));
  });
}

Pixels DrawPlatform() {
  return Paint(200, 128, Finish::Alpha, [](cairo_t* cr) {
    // Earth body with a rounded underside; the ends are straight so tiles join into one ground.
    cairo_move_to(cr, 0, 8);
    cairo_line_to(cr, 200, 8);
    cairo_line_to(cr, 200, 62);
    cairo_curve_to(cr, 170, 70, 150, 96, 100, 98);
    cairo_curve_to(cr, 50, 96, 30, 70, 0, 62);
    cairo_close_path(cr);
    Shape(cr, 8, 98, Hex(0xb07a48), Hex(0x6a4224), 3);
    Noise n(61);
    for (int i = 0; i < 9; ++i) {
      const double x = 14 + i * 21 + n.Range(-4, 4), y = n.Range(34, 64), r = n.Range(4, 8);
      if (y > 60 + (1 - std::fabs(x - 100) / 100) * 26) continue;
      EllipsePath(cr, x, y, r * 1.3, r);
      ShapeBall(cr, x, y, r * 1.3, Hex(0xc8c0b0), Hex(0x7a7468), 1.8);
    }
    // Grass: a band with rounded tufts along the top edge, the same at both ends.
    cairo_move_to(cr, 0, 24);
    for (int i = 0; i < 10; ++i) {
      const double x = i * 20;
      cairo_curve_to(cr, x + 4, 34, x + 16, 34, x + 20, 24);
    }
    cairo_line_to(cr, 200, 4);
    for (int i = 10; i > 0; --i) {
      const double x = i * 20;
      cairo_curve_to(cr, x - 6, 0, x - 14, 0, x - 20, 4);
    }
    cairo_close_path(cr);
    FillVertical(cr, 0, 34, Hex(0x9ae85a), Hex(0x3aa83a));
    SetCol(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (int i = 0; i < 10; ++i) {
      cairo_move_to(cr, i * 20 + 6, 10);
      cairo_curve_to(cr, i * 20 + 9, 7, i * 20 + 13, 7, i * 20 + 15, 10);
    }
    SetCol(cr, kWhite, 0.45);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  });
}

Pixels DrawVines() {
  // Drawn just behind a middle-row platform's top edge, so the top ~60 rows are hidden.
  return Paint(140, 140, Finish::Alpha, [](cairo_t* cr) {
    Vine(cr, 26, 0, 132, 10, 71);
    Vine(cr, 74, 0, 104, -8, 72);
    Vine(cr, 116, 0, 124, 8, 73);
  });
}
