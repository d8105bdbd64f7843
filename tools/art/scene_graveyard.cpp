// Game 5's moonlit graveyard, 1024 x 768. The coffins stand across the middle (y 194..454,
// bobbing 70 either way), so the sky and ground stay dark and quiet behind them.
#include <cmath>
#include <tuple>
#include <utility>

#include "art.h"
#include "lettering.h"
#include "paint.h"
#include "style.h"

namespace {
void Tombstone(cairo_t* cr, double x, double y, double w, double h, double tilt) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, tilt);
  cairo_move_to(cr, -w / 2, 0);
  cairo_line_to(cr, -w / 2, -h + w / 2);
  cairo_arc(cr, 0, -h + w / 2, w / 2, M_PI, 2 * M_PI);
  cairo_line_to(cr, w / 2, 0);
  cairo_close_path(cr);
  Shape(cr, -h, 0, Hex(0x9aa0c0), Hex(0x5a5f80), 3);
  cairo_move_to(cr, -w * 0.25, -h * 0.55);
  cairo_line_to(cr, w * 0.25, -h * 0.55);
  cairo_move_to(cr, -w * 0.2, -h * 0.4);
  cairo_line_to(cr, w * 0.2, -h * 0.4);
  SetCol(cr, Hex(0x4a4f6a), 0.8);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void BareTree(cairo_t* cr, double x, double y, double s) {
  auto branch = [&](auto&& self, double bx, double by, double len, double angle, double width, int depth) -> void {
    const double ex = bx + len * std::cos(angle), ey = by + len * std::sin(angle);
    cairo_move_to(cr, bx, by);
    cairo_line_to(cr, ex, ey);
    SetCol(cr, Hex(0x1e1a30));
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
    if (depth == 0) return;
    self(self, ex, ey, len * 0.68, angle - 0.45, width * 0.62, depth - 1);
    self(self, ex, ey, len * 0.62, angle + 0.5, width * 0.6, depth - 1);
  };
  branch(branch, x, y, 120 * s, -M_PI / 2 - 0.08, 20 * s, 5);
}

void Fence(cairo_t* cr, double y) {
  for (int x = -10; x < 1034; x += 26) {
    cairo_move_to(cr, x, y + 40);
    cairo_line_to(cr, x, y);
    cairo_line_to(cr, x + 4, y - 8);
    cairo_line_to(cr, x + 8, y);
    cairo_line_to(cr, x + 8, y + 40);
    cairo_close_path(cr);
    SetCol(cr, Hex(0x2a2848));
    cairo_fill(cr);
  }
  cairo_rectangle(cr, 0, y + 8, 1024, 5);
  cairo_rectangle(cr, 0, y + 28, 1024, 5);
  SetCol(cr, Hex(0x2a2848));
  cairo_fill(cr);
}
}  // namespace

Pixels DrawGraveyard() {
  return Paint(1024, 768, Finish::Solid, [](cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, 1024, 768);
    FillVertical(cr, 0, 520, Hex(0x1a1a48), Hex(0x5a3a8a));
    cairo_new_path(cr);
    Noise n(191);
    for (int i = 0; i < 120; ++i) {
      const double x = n.Range(0, 1024), y = n.Range(0, 380), r = n.Range(0.6, 1.8);
      cairo_arc(cr, x, y, r, 0, 2 * M_PI);
      SetCol(cr, kWhite, n.Range(0.4, 0.9));
      cairo_fill(cr);
    }
    // The moon with its halo.
    cairo_pattern_t* halo = cairo_pattern_create_radial(820, 120, 50, 820, 120, 260);
    cairo_pattern_add_color_stop_rgba(halo, 0, 1, 0.97, 0.8, 0.45);
    cairo_pattern_add_color_stop_rgba(halo, 1, 1, 0.97, 0.8, 0);
    cairo_set_source(cr, halo);
    cairo_paint(cr);
    cairo_pattern_destroy(halo);
    cairo_arc(cr, 820, 120, 62, 0, 2 * M_PI);
    ShapeBall(cr, 820, 120, 62, Hex(0xfffbe8), Hex(0xf0d890), 0);
    for (auto [x, y, r] : {std::tuple{800.0, 100.0, 12.0}, {846.0, 140.0, 9.0}, {818, 152, 6.0}}) {
      cairo_arc(cr, x, y, r, 0, 2 * M_PI);
      SetCol(cr, Hex(0xe8d49a), 0.6);
      cairo_fill(cr);
    }
    // Little bats against the moon.
    for (auto [x, y] : {std::pair{760.0, 70.0}, {880.0, 190.0}, {700.0, 160.0}}) {
      cairo_move_to(cr, x - 14, y - 4);
      cairo_curve_to(cr, x - 8, y - 8, x - 4, y - 2, x, y);
      cairo_curve_to(cr, x + 4, y - 2, x + 8, y - 8, x + 14, y - 4);
      cairo_curve_to(cr, x + 8, y + 2, x + 4, y + 4, x, y + 3);
      cairo_curve_to(cr, x - 4, y + 4, x - 8, y + 2, x - 14, y - 4);
      SetCol(cr, Hex(0x1e1a30));
      cairo_fill(cr);
    }
    // Far hills, a bare tree and the fence.
    cairo_move_to(cr, 0, 400);
    cairo_curve_to(cr, 200, 330, 380, 360, 520, 390);
    cairo_curve_to(cr, 680, 420, 840, 340, 1024, 370);
    cairo_line_to(cr, 1024, 768);
    cairo_line_to(cr, 0, 768);
    cairo_close_path(cr);
    FillVertical(cr, 330, 520, Hex(0x3a2a6a), Hex(0x2a2050));
    cairo_new_path(cr);
    BareTree(cr, 110, 430, 1.6);
    Fence(cr, 392);
    // Ground with tombstones in front of the fence.
    cairo_move_to(cr, 0, 440);
    cairo_curve_to(cr, 300, 420, 700, 450, 1024, 430);
    cairo_line_to(cr, 1024, 768);
    cairo_line_to(cr, 0, 768);
    cairo_close_path(cr);
    Shape(cr, 420, 768, Hex(0x3a6a5a), Hex(0x1a3a3a), 3);
    Tombstone(cr, 240, 470, 54, 80, -0.08);
    Tombstone(cr, 560, 462, 46, 66, 0.06);
    Tombstone(cr, 900, 476, 60, 90, -0.05);
    Tombstone(cr, 420, 520, 40, 56, 0.1);
    for (int i = 0; i < 60; ++i) {
      const double x = n.Range(0, 1024), y = n.Range(470, 560);
      cairo_move_to(cr, x, y);
      cairo_line_to(cr, x - 3, y - 10);
      cairo_move_to(cr, x, y);
      cairo_line_to(cr, x + 3, y - 9);
      SetCol(cr, Hex(0x5a9a7a), 0.8);
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
    }
    // Low mist drifting over the ground.
    for (int i = 0; i < 8; ++i) {
      const double x = i * 140 + n.Range(-30, 30), y = n.Range(470, 530);
      cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, 110);
      cairo_pattern_add_color_stop_rgba(p, 0, 0.85, 0.85, 1, 0.25);
      cairo_pattern_add_color_stop_rgba(p, 1, 0.85, 0.85, 1, 0);
      cairo_set_source(cr, p);
      cairo_save(cr);
      cairo_translate(cr, x, y);
      cairo_scale(cr, 1, 0.35);
      cairo_translate(cr, -x, -y);
      cairo_arc(cr, x, y, 110, 0, 2 * M_PI);
      cairo_fill(cr);
      cairo_restore(cr);
      cairo_pattern_destroy(p);
    }
  });
}
