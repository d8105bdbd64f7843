#include "emblem.h"

#include <cmath>

#include "style.h"

namespace {
void LeftPagePath(cairo_t* cr, double s) {
  // Pages rise towards their outer edges like a book lying open.
  cairo_move_to(cr, 0, -0.20 * s);
  cairo_curve_to(cr, -0.20 * s, -0.36 * s, -0.45 * s, -0.40 * s, -0.66 * s, -0.32 * s);
  cairo_line_to(cr, -0.66 * s, 0.36 * s);
  cairo_curve_to(cr, -0.45 * s, 0.26 * s, -0.20 * s, 0.28 * s, 0, 0.42 * s);
  cairo_close_path(cr);
}

void Quill(cairo_t* cr, double s) {
  // Feather from the nib (lower left) up to the plume (upper right).
  cairo_save(cr);
  cairo_translate(cr, 0.18 * s, 0.20 * s);
  cairo_rotate(cr, -0.85);
  const double len = 1.05 * s, wide = 0.17 * s;
  cairo_new_path(cr);
  cairo_move_to(cr, 0.16 * len, 0);
  cairo_curve_to(cr, 0.35 * len, -wide * 1.3, 0.85 * len, -wide * 1.1, len, -0.02 * s);
  cairo_curve_to(cr, 0.80 * len, wide * 0.9, 0.40 * len, wide * 1.1, 0.16 * len, 0);
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, -wide, 0, wide);
  cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.55, 0.35);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.82, 0.16, 0.22);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  Outline(cr, 0.045 * s);
  // Notches in the vane and the shaft.
  SetCol(cr, kInk, 0.55);
  cairo_set_line_width(cr, 0.025 * s);
  for (int i = 0; i < 3; ++i) {
    const double x = (0.45 + i * 0.16) * len;
    cairo_move_to(cr, x, -0.005 * s);
    cairo_line_to(cr, x + 0.09 * len, -wide * 0.85);
    cairo_stroke(cr);
  }
  cairo_move_to(cr, 0.02 * len, 0);
  cairo_line_to(cr, 0.93 * len, -0.015 * s);
  SetCol(cr, Hex(0xfff1c9));
  cairo_set_line_width(cr, 0.035 * s);
  cairo_stroke(cr);
  // The nib.
  cairo_move_to(cr, -0.06 * s, 0);
  cairo_line_to(cr, 0.17 * len, -0.05 * s);
  cairo_line_to(cr, 0.17 * len, 0.05 * s);
  cairo_close_path(cr);
  SetCol(cr, Hex(0x3a3f55));
  cairo_fill_preserve(cr);
  Outline(cr, 0.03 * s);
  cairo_restore(cr);
}
}  // namespace

void DrawBookAndQuill(cairo_t* cr, double cx, double cy, double r) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy + 0.06 * r);
  const double s = r;
  // Cover peeking out below the pages.
  cairo_new_path(cr);
  cairo_move_to(cr, 0, -0.10 * s);
  cairo_curve_to(cr, -0.3 * s, -0.24 * s, -0.6 * s, -0.24 * s, -0.74 * s, -0.22 * s);
  cairo_line_to(cr, -0.74 * s, 0.46 * s);
  cairo_curve_to(cr, -0.45 * s, 0.36 * s, -0.2 * s, 0.40 * s, 0, 0.52 * s);
  cairo_curve_to(cr, 0.2 * s, 0.40 * s, 0.45 * s, 0.36 * s, 0.74 * s, 0.46 * s);
  cairo_line_to(cr, 0.74 * s, -0.22 * s);
  cairo_curve_to(cr, 0.6 * s, -0.24 * s, 0.3 * s, -0.24 * s, 0, -0.10 * s);
  cairo_close_path(cr);
  FillVertical(cr, -0.2 * s, 0.5 * s, Hex(0x3f8ee8), Hex(0x1d4fa8));
  Outline(cr, 0.05 * s);
  for (int side = -1; side <= 1; side += 2) {
    cairo_save(cr);
    cairo_scale(cr, side, 1);
    cairo_new_path(cr);
    LeftPagePath(cr, s);
    FillVertical(cr, -0.4 * s, 0.4 * s, Hex(0xfffdf4), Hex(0xf0e4c4));
    Outline(cr, 0.045 * s);
    SetCol(cr, Hex(0x8fa3c8));
    cairo_set_line_width(cr, 0.03 * s);
    for (int i = 0; i < 4; ++i) {
      const double y = (-0.14 + i * 0.13) * s;
      cairo_move_to(cr, -0.12 * s, y + 0.02 * s);
      cairo_curve_to(cr, -0.28 * s, y - 0.06 * s, -0.44 * s, y - 0.08 * s, -0.56 * s, y - 0.05 * s);
      cairo_stroke(cr);
    }
    cairo_restore(cr);
  }
  Quill(cr, s);
  cairo_restore(cr);
}

void DrawEmblem(cairo_t* cr, double cx, double cy, double r) {
  cairo_save(cr);
  cairo_new_path(cr);
  EllipsePath(cr, cx + r * 0.05, cy + r * 0.08, r, r);
  SetCol(cr, kInk, 0.3);
  cairo_fill(cr);
  EllipsePath(cr, cx, cy, r, r);
  SetCol(cr, kWhite);
  cairo_fill_preserve(cr);
  Outline(cr, r * 0.07);
  EllipsePath(cr, cx, cy, r * 0.84, r * 0.84);
  FillBall(cr, cx, cy, r * 0.84, Hex(0xffe27a), Hex(0xf5a623));
  Outline(cr, r * 0.04);
  DrawBookAndQuill(cr, cx - r * 0.03, cy + r * 0.02, r * 0.78);
  cairo_restore(cr);
}
