// Game 2's space background, 1024 x 1024, drawn at y -60: the rocket stands at (512, 380)
// of the picture, so the middle stays dark and calm.
#include <cmath>

#include "art.h"
#include "paint.h"
#include "style.h"

namespace {
void Nebula(cairo_t* cr, double x, double y, double r, Col c, double alpha) {
  cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, r);
  cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, alpha);
  cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
}
}  // namespace

Pixels DrawSpace() {
  return Paint(1024, 1024, Finish::Solid, [](cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, 1024, 1024);
    FillVertical(cr, 0, 1024, Hex(0x141a4a), Hex(0x2a1a5a));
    cairo_new_path(cr);
    Nebula(cr, 180, 260, 320, Hex(0x8a3ac8), 0.45);
    Nebula(cr, 860, 720, 360, Hex(0x2a8ac8), 0.40);
    Nebula(cr, 760, 160, 220, Hex(0xe84a9a), 0.30);
    Nebula(cr, 240, 820, 260, Hex(0x3ac8a8), 0.25);
    // Stars: many faint, some bright with a twinkle.
    Noise n(77);
    for (int i = 0; i < 420; ++i) {
      const double x = n.Range(0, 1024), y = n.Range(0, 1024), r = n.Range(0.5, 1.6);
      cairo_arc(cr, x, y, r, 0, 2 * M_PI);
      SetCol(cr, Mix(kWhite, Hex(0xbcd8ff), n.Unit()), n.Range(0.4, 1.0));
      cairo_fill(cr);
    }
    for (int i = 0; i < 24; ++i) {
      const double x = n.Range(0, 1024), y = n.Range(0, 1024), r = n.Range(4, 8);
      StarPath(cr, x, y, r, r * 0.22, 4, 0);
      SetCol(cr, Hex(0xfff8d8), 0.9);
      cairo_fill(cr);
    }
    // A ringed planet on the right and a small moon up on the left.
    cairo_save(cr);
    cairo_translate(cr, 880, 560);
    cairo_rotate(cr, -0.3);
    EllipsePath(cr, 0, 0, 150, 34);
    SetCol(cr, Hex(0xffd08a), 0.8);
    cairo_set_line_width(cr, 10);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_arc(cr, 880, 560, 90, 0, 2 * M_PI);
    ShapeBall(cr, 880, 560, 90, Hex(0xffb07a), Hex(0xb84a3a), 4);
    cairo_save(cr);
    cairo_arc(cr, 880, 560, 88, 0, 2 * M_PI);
    cairo_clip(cr);
    for (int i = 0; i < 4; ++i) {
      EllipsePath(cr, 880, 500 + i * 34, 110, 8);
      SetCol(cr, Hex(0x8a2a2a), 0.25);
      cairo_fill(cr);
    }
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, 880, 560);
    cairo_rotate(cr, -0.3);
    cairo_arc(cr, 0, 0, 1, 0, 0);
    cairo_new_path(cr);
    cairo_scale(cr, 150, 34);
    cairo_arc(cr, 0, 0, 1, 0, M_PI);
    cairo_restore(cr);
    SetCol(cr, Hex(0xffe0a8), 0.95);
    cairo_set_line_width(cr, 10);
    cairo_stroke(cr);
    cairo_arc(cr, 150, 200, 46, 0, 2 * M_PI);
    ShapeBall(cr, 150, 200, 46, Hex(0xe8ecf8), Hex(0x7a84a8), 3);
    const double craters[3][3] = {{136, 186, 10}, {166, 216, 8}, {142, 222, 5}};
    for (auto& c : craters) {
      cairo_arc(cr, c[0], c[1], c[2], 0, 2 * M_PI);
      SetCol(cr, Hex(0x8a94b8), 0.7);
      cairo_fill(cr);
    }
  });
}
