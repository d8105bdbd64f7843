#include "figure.h"

#include <cmath>

Pt Swing(Pt from, double len, double deg) {
  const double a = deg * M_PI / 180;
  return {from.x + len * std::sin(a), from.y + len * std::cos(a)};
}

void Limb(cairo_t* cr, const Pt* joints, int count, double width, Col colour, double outline) {
  for (int pass = 0; pass < 2; ++pass) {
    cairo_move_to(cr, joints[0].x, joints[0].y);
    for (int i = 1; i < count; ++i) cairo_line_to(cr, joints[i].x, joints[i].y);
    if (pass == 0) {
      SetCol(cr, kInk);
      cairo_set_line_width(cr, width + 2 * outline);
    } else {
      SetCol(cr, colour);
      cairo_set_line_width(cr, width);
    }
    cairo_stroke(cr);
  }
}
