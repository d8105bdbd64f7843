#include "hand.h"

#include <cmath>

#include "style.h"

void DrawGloveHand(cairo_t* cr, double tipX, double tipY, double scale, double press) {
  const Col glove = Hex(0xffffff), gloveShade = Hex(0xc9d3e6);
  const double outline = 2.6;
  cairo_save(cr);
  cairo_translate(cr, tipX, tipY);
  cairo_scale(cr, scale, scale);
  cairo_rotate(cr, -0.32);
  // Cuff first so the hand overlaps it.
  cairo_save(cr);
  cairo_translate(cr, 14, 58);
  cairo_rotate(cr, 0.05);
  RoundRectPath(cr, -15, -6, 32, 15, 6);
  Shape(cr, -6, 10, Hex(0xffe07a), Hex(0xe0a020), outline);
  cairo_move_to(cr, -6, -4);
  cairo_line_to(cr, -6, 8);
  cairo_move_to(cr, 5, -5);
  cairo_line_to(cr, 5, 9);
  SetCol(cr, Hex(0xb07810), 0.8);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  cairo_restore(cr);
  // Palm with three curled fingers.
  cairo_new_path(cr);
  cairo_move_to(cr, -8, 24);
  cairo_curve_to(cr, -12, 40, -4, 56, 10, 56);
  cairo_curve_to(cr, 26, 56, 36, 50, 36, 36);
  cairo_curve_to(cr, 36, 26, 30, 20, 20, 20);
  cairo_line_to(cr, 6, 20);
  cairo_close_path(cr);
  FillBall(cr, 12, 34, 30, glove, gloveShade);
  Outline(cr, outline);
  for (int i = 0; i < 3; ++i) {
    const double y = 25 + i * 9.5;
    RoundRectPath(cr, 12, y - 4.5, 24 - i * 1.5, 10, 5);
    FillBall(cr, 24, y, 14, glove, gloveShade);
    Outline(cr, outline * 0.85);
  }
  // Thumb across the palm.
  cairo_new_path(cr);
  cairo_move_to(cr, -9, 34);
  cairo_curve_to(cr, -18, 30, -20, 20, -12, 18);
  cairo_curve_to(cr, -6, 17, 0, 26, 4, 32);
  cairo_close_path(cr);
  FillBall(cr, -8, 26, 14, glove, gloveShade);
  Outline(cr, outline);
  // Index finger, bent a little when pressing.
  cairo_save(cr);
  cairo_translate(cr, 0, 24);
  cairo_rotate(cr, press * 0.18);
  cairo_translate(cr, 0, -24);
  RoundRectPath(cr, -7, 0 + press * 3, 14, 32 - press * 3, 7);
  FillBall(cr, -1, 10, 18, glove, gloveShade);
  Outline(cr, outline);
  cairo_move_to(cr, -3, 21);
  cairo_line_to(cr, 3, 21);
  SetCol(cr, gloveShade);
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
  cairo_restore(cr);
  // The three seams on the back of the glove.
  SetCol(cr, Hex(0x9aa6c0));
  cairo_set_line_width(cr, 1.4);
  for (int i = 0; i < 2; ++i) {
    cairo_move_to(cr, 4 + i * 7, 46);
    cairo_line_to(cr, 6 + i * 7, 52);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}
