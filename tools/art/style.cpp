#include "style.h"

#include <cmath>

Col Mix(Col a, Col b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Col Lighter(Col c, double t) { return Mix(c, kWhite, t); }
Col Darker(Col c, double t) { return Mix(c, Col{0, 0, 0}, t); }

void SetCol(cairo_t* cr, Col c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void RoundRectPath(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::fmin(r, std::fmin(w, h) / 2);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_close_path(cr);
  cairo_restore(cr);
}

void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double turnDeg) {
  cairo_new_sub_path(cr);
  for (int i = 0; i < points * 2; ++i) {
    const double a = (turnDeg - 90) * M_PI / 180 + i * M_PI / points;
    const double r = (i % 2) ? inner : outer;
    if (i == 0)
      cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    else
      cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
  }
  cairo_close_path(cr);
}

void FillVertical(cairo_t* cr, double y0, double y1, Col top, Col bottom) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
}

void FillBall(cairo_t* cr, double cx, double cy, double r, Col light, Col dark) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.4, r * 0.05, cx, cy, r * 1.05);
  cairo_pattern_add_color_stop_rgb(p, 0, light.r, light.g, light.b);
  cairo_pattern_add_color_stop_rgb(p, 1, dark.r, dark.g, dark.b);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
}

void Outline(cairo_t* cr, double width, Col ink) {
  SetCol(cr, ink);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void Gloss(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
  cairo_save(cr);
  EllipsePath(cr, cx, cy, rx, ry);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, cy - ry, 0, cy + ry);
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, alpha);
  cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  cairo_restore(cr);
}

void Shape(cairo_t* cr, double y0, double y1, Col top, Col bottom, double outline) {
  FillVertical(cr, y0, y1, top, bottom);
  if (outline > 0)
    Outline(cr, outline);
  else
    cairo_new_path(cr);
}

void ShapeBall(cairo_t* cr, double cx, double cy, double r, Col light, Col dark, double outline) {
  FillBall(cr, cx, cy, r, light, dark);
  if (outline > 0)
    Outline(cr, outline);
  else
    cairo_new_path(cr);
}

void DropShadow(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(p, 0, kInk.r, kInk.g, kInk.b, alpha);
  cairo_pattern_add_color_stop_rgba(p, 0.6, kInk.r, kInk.g, kInk.b, alpha * 0.7);
  cairo_pattern_add_color_stop_rgba(p, 1, kInk.r, kInk.g, kInk.b, 0);
  cairo_set_source(cr, p);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  cairo_restore(cr);
}
