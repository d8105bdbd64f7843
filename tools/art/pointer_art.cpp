// The pointer pictures: the glove (hot spot at its fingertip, (28, 16)) and the magic wand
// (hot spot at its star, (38, 16)).
#include <cmath>
#include <tuple>

#include "art.h"
#include "hand.h"
#include "paint.h"
#include "style.h"

Pixels DrawGlove() {
  return Paint(80, 80, Finish::Alpha, [](cairo_t* cr) { DrawGloveHand(cr, 28, 16, 0.92, 0); });
}

Pixels DrawWand() {
  return Paint(128, 128, Finish::Alpha, [](cairo_t* cr) {
    // Stick from just below the star down to the lower right.
    cairo_move_to(cr, 44, 24);
    cairo_line_to(cr, 112, 112);
    SetCol(cr, kInk);
    cairo_set_line_width(cr, 13);
    cairo_stroke(cr);
    cairo_move_to(cr, 44, 24);
    cairo_line_to(cr, 112, 112);
    cairo_pattern_t* p = cairo_pattern_create_linear(40, 30, 52, 22);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.55, 0.30, 0.85);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.28, 0.12, 0.50);
    cairo_set_source(cr, p);
    cairo_set_line_width(cr, 7.5);
    cairo_stroke(cr);
    cairo_pattern_destroy(p);
    // Gold bands and a gold end cap.
    for (double t : {0.30, 0.82}) {
      const double x = 44 + 68 * t, y = 24 + 88 * t;
      cairo_save(cr);
      cairo_translate(cr, x, y);
      cairo_rotate(cr, std::atan2(88, 68));
      RoundRectPath(cr, -4, -6, 8, 12, 2);
      cairo_restore(cr);
      Shape(cr, y - 6, y + 6, Hex(0xffe27a), Hex(0xd89a10), 2);
    }
    // The star at the tip: its centre is the hot spot.
    StarPath(cr, 38, 16, 15, 6.5, 5, -12);
    ShapeBall(cr, 38, 16, 15, Hex(0xfff7b0), Hex(0xffb400), 2.6);
    Gloss(cr, 36, 11, 5, 3, 0.8);
    // Twinkles around it.
    for (auto [x, y, r] : {std::tuple{62.0, 10.0, 5.0}, {14.0, 34.0, 4.0}, {60.0, 40.0, 3.0}}) {
      StarPath(cr, x, y, r, r * 0.35, 4, 0);
      SetCol(cr, Hex(0xfff4a8));
      cairo_fill_preserve(cr);
      Outline(cr, 1.3);
    }
  });
}
