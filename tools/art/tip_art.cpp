// The game tip: a thought-bubble cloud (575 x 460 when fully open) and three frames of a hand
// clicking a mouse (shown hint1, hint2, hint3, hint2 over and over).
#include <cmath>

#include "art.h"
#include "hand.h"
#include "paint.h"
#include "style.h"

namespace {
// The cloud: a rounded body with a ring of puffs. The text sits in its middle from x 56,
// the picture centred on (146, 110) and the hint at (416, 80) of the fully open cloud.
void CloudPath(cairo_t* cr) {
  // A squircle body (wide enough for the text, round enough that the small trailing copies
  // read as puffs) ringed with bumps.
  const double cx = 287.5, cy = 230, a = 236, b = 180;
  auto point = [&](double t, double& x, double& y) {
    const double c = std::cos(t), s = std::sin(t);
    x = cx + a * std::copysign(std::pow(std::fabs(c), 2.0 / 3.0), c);
    y = cy + b * std::copysign(std::pow(std::fabs(s), 2.0 / 3.0), s);
  };
  cairo_new_path(cr);
  for (int i = 0; i <= 96; ++i) {
    double x, y;
    point(i * 2 * M_PI / 96, x, y);
    if (i == 0)
      cairo_move_to(cr, x, y);
    else
      cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
  Noise n(11);
  const int puffs = 20;
  for (int i = 0; i < puffs; ++i) {
    double x, y;
    point((i + 0.5) * 2 * M_PI / puffs, x, y);
    const double r = n.Range(44, 50);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  }
}

void Mouse(cairo_t* cr, bool pressed) {
  // Cable.
  cairo_move_to(cr, 75, 64);
  cairo_curve_to(cr, 75, 40, 110, 46, 120, 20);
  cairo_curve_to(cr, 126, 6, 140, 8, 146, 4);
  SetCol(cr, kInk);
  cairo_set_line_width(cr, 6);
  cairo_stroke(cr);
  cairo_move_to(cr, 75, 64);
  cairo_curve_to(cr, 75, 40, 110, 46, 120, 20);
  cairo_curve_to(cr, 126, 6, 140, 8, 146, 4);
  SetCol(cr, Hex(0x8a94aa));
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  // Body.
  cairo_move_to(cr, 75, 62);
  cairo_curve_to(cr, 112, 62, 116, 96, 114, 112);
  cairo_curve_to(cr, 112, 136, 96, 146, 75, 146);
  cairo_curve_to(cr, 54, 146, 38, 136, 36, 112);
  cairo_curve_to(cr, 34, 96, 38, 62, 75, 62);
  cairo_close_path(cr);
  ShapeBall(cr, 75, 104, 46, Hex(0xf2f5fb), Hex(0x9aa6c2), 3);
  // Left button, lit when pressed.
  cairo_move_to(cr, 73, 64);
  cairo_curve_to(cr, 50, 65, 38, 76, 37, 100);
  cairo_line_to(cr, 73, 100);
  cairo_close_path(cr);
  if (pressed)
    Shape(cr, 64, 100, Hex(0xfff27a), Hex(0xffb020), 2.5);
  else
    Shape(cr, 64, 100, Hex(0xdde6f5), Hex(0xb8c4dc), 2.5);
  cairo_move_to(cr, 75, 64);
  cairo_line_to(cr, 75, 100);
  cairo_move_to(cr, 37, 100);
  cairo_line_to(cr, 113, 100);
  SetCol(cr, kInk);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
}

void ClickRays(cairo_t* cr, double x, double y) {
  SetCol(cr, Hex(0xff8a1f));
  cairo_set_line_width(cr, 4);
  for (int i = 0; i < 5; ++i) {
    const double a = M_PI + 0.25 + i * 0.45;
    cairo_move_to(cr, x + 18 * std::cos(a), y + 18 * std::sin(a));
    cairo_line_to(cr, x + 30 * std::cos(a), y + 30 * std::sin(a));
  }
  cairo_stroke(cr);
}
}  // namespace

Pixels DrawBubble() {
  return Paint(575, 460, Finish::Alpha, [](cairo_t* cr) {
    CloudPath(cr);
    SetCol(cr, kInk);
    cairo_set_line_width(cr, 8);
    cairo_stroke_preserve(cr);
    FillVertical(cr, 0, 460, kWhite, Hex(0xd6e8fb));
    cairo_new_path(cr);
    // A soft blue shade inside the lower edge gives the cloud some body.
    cairo_save(cr);
    CloudPath(cr);
    cairo_clip(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(260, 170, 120, 287, 230, 330);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.55, 0.72, 0.92, 0.45);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
  });
}

Pixels DrawHint(int frame) {
  return Paint(150, 150, Finish::Alpha, [frame](cairo_t* cr) {
    Mouse(cr, frame == 3);
    const double tipY[4] = {0, 42, 60, 70};
    if (frame == 3) ClickRays(cr, 56, 76);
    DrawGloveHand(cr, 56, tipY[frame], 1.15, frame == 3 ? 1.0 : frame == 2 ? 0.5 : 0.0);
  });
}
