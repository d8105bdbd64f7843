// Game 3's workshop: the background (1024 x 896), the metal floor tile (200 x 200, driven on
// at y 8) and the foreground corner (400 x 400 at (-8, 0), in front of everything).
#include <cmath>

#include "art.h"
#include "paint.h"
#include "style.h"

namespace {
void Gear(cairo_t* cr, double cx, double cy, double r, int teeth, Col c, double turn) {
  cairo_new_path(cr);
  for (int i = 0; i < teeth * 4; ++i) {
    const double a = turn + i * M_PI / (teeth * 2);
    const double rr = (i % 4 < 2) ? r : r * 0.82;
    if (i == 0)
      cairo_move_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
    else
      cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
  }
  cairo_close_path(cr);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, cx, cy, r * 0.3, 2 * M_PI, 0);
  ShapeBall(cr, cx, cy, r, Lighter(c, 0.3), Darker(c, 0.2), 3);
}

void Pipe(cairo_t* cr, double x0, double y0, double x1, double y1, double w, Col c) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  SetCol(cr, kInk);
  cairo_set_line_width(cr, w + 6);
  cairo_stroke_preserve(cr);
  SetCol(cr, c);
  cairo_set_line_width(cr, w);
  cairo_stroke_preserve(cr);
  SetCol(cr, kWhite, 0.3);
  cairo_set_line_width(cr, w * 0.3);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
}
}  // namespace

Pixels DrawWorkshop() {
  return Paint(1024, 896, Finish::Solid, [](cairo_t* cr) {
    // Warm plank wall.
    cairo_rectangle(cr, 0, 0, 1024, 896);
    FillVertical(cr, 0, 560, Hex(0xe8c08a), Hex(0xc8945a));
    cairo_new_path(cr);
    Noise n(91);
    for (int x = 0; x < 1024; x += 64) {
      cairo_move_to(cr, x + 0.5, 0);
      cairo_line_to(cr, x + 0.5, 560);
      SetCol(cr, Hex(0x9a6a3a), 0.6);
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
      for (int k = 0; k < 3; ++k) {
        const double y = n.Range(40, 520);
        EllipsePath(cr, x + n.Range(16, 48), y, 5, 2.5);
        SetCol(cr, Hex(0x9a6a3a), 0.4);
        cairo_fill(cr);
      }
    }
    // Ceiling beam and rail the claws run on.
    cairo_rectangle(cr, 0, 0, 1024, 40);
    FillVertical(cr, 0, 40, Hex(0x8a5a32), Hex(0x5a3a1e));
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 40, 1024, 10);
    SetCol(cr, Hex(0x8e9ab4));
    cairo_fill(cr);
    // Windows with a blue sky and a cloud.
    for (double wx : {300.0, 660.0}) {
      RoundRectPath(cr, wx, 110, 140, 120, 8);
      Shape(cr, 110, 230, Hex(0x9ad8ff), Hex(0xd8f2ff), 5);
      cairo_arc(cr, wx + 50, 150, 14, 0, 2 * M_PI);
      cairo_arc(cr, wx + 70, 144, 18, 0, 2 * M_PI);
      cairo_arc(cr, wx + 92, 152, 13, 0, 2 * M_PI);
      SetCol(cr, kWhite);
      cairo_fill(cr);
      cairo_move_to(cr, wx + 70, 110);
      cairo_line_to(cr, wx + 70, 230);
      cairo_move_to(cr, wx, 170);
      cairo_line_to(cr, wx + 140, 170);
      SetCol(cr, Hex(0x8a5a32));
      cairo_set_line_width(cr, 6);
      cairo_stroke(cr);
      RoundRectPath(cr, wx, 110, 140, 120, 8);
      Outline(cr, 5);
    }
    // Pegboard with tools.
    RoundRectPath(cr, 80, 280, 180, 150, 8);
    Shape(cr, 280, 430, Hex(0xd8b890), Hex(0xb8946a), 3);
    for (int j = 0; j < 6; ++j)
      for (int i = 0; i < 8; ++i) {
        cairo_arc(cr, 96 + i * 21, 294 + j * 24, 2, 0, 2 * M_PI);
        SetCol(cr, Hex(0x7a5a3a));
        cairo_fill(cr);
      }
    // Wrench and hammer.
    cairo_save(cr);
    cairo_translate(cr, 130, 350);
    cairo_rotate(cr, 0.3);
    RoundRectPath(cr, -6, -40, 12, 80, 5);
    Shape(cr, -40, 40, Hex(0xdfe6f2), Hex(0x8e9ab4), 2.5);
    cairo_arc(cr, 0, -44, 13, 0, 2 * M_PI);
    ShapeBall(cr, 0, -44, 13, Hex(0xdfe6f2), Hex(0x8e9ab4), 2.5);
    cairo_rectangle(cr, -4, -62, 8, 16);
    SetCol(cr, Hex(0xd8b890));
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, 210, 350);
    cairo_rotate(cr, -0.25);
    RoundRectPath(cr, -5, -30, 10, 74, 4);
    Shape(cr, -30, 44, Hex(0xe8a060), Hex(0xa86a30), 2.5);
    RoundRectPath(cr, -22, -46, 44, 18, 4);
    Shape(cr, -46, -28, Hex(0x8a90a8), Hex(0x4a4f66), 2.5);
    cairo_restore(cr);
    // Shelf with paint tins in the answer colours.
    RoundRectPath(cr, 560, 330, 260, 14, 4);
    Shape(cr, 330, 344, Hex(0xa86a3a), Hex(0x6a4224), 3);
    for (int i = 0; i < 4; ++i) {
      const double x = 580 + i * 60;
      RoundRectPath(cr, x, 290, 40, 40, 5);
      Shape(cr, 290, 330, Lighter(kAnswer[i], 0.3), Darker(kAnswer[i], 0.2), 3);
      cairo_rectangle(cr, x + 6, 302, 28, 14);
      SetCol(cr, kWhite, 0.8);
      cairo_fill(cr);
    }
    Gear(cr, 900, 300, 60, 10, Hex(0xb8c0d0), 0.1);
    Gear(cr, 960, 380, 36, 8, Hex(0xffb43c), 0.3);
    // Skirting board behind the floor tiles.
    cairo_rectangle(cr, 0, 500, 1024, 60);
    FillVertical(cr, 500, 560, Hex(0x8a5a32), Hex(0x5a3a1e));
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 560, 1024, 336);
    FillVertical(cr, 560, 896, Hex(0x4a4f66), Hex(0x2a2e40));
    cairo_new_path(cr);
  });
}

Pixels DrawFloorTile() {
  return Paint(200, 200, Finish::Alpha, [](cairo_t* cr) {
    // Steel deck on top (the robot's treads rest on y 8), a hazard stripe, then the girder.
    cairo_rectangle(cr, 0, 8, 200, 22);
    FillVertical(cr, 8, 30, Hex(0xe4e8f2), Hex(0x9aa4bc));
    cairo_new_path(cr);
    for (int i = 0; i < 10; ++i) {
      cairo_save(cr);
      cairo_translate(cr, 10 + i * 20, 19);
      cairo_rotate(cr, (i % 2) ? 0.6 : -0.6);
      RoundRectPath(cr, -6, -2, 12, 4, 2);
      cairo_restore(cr);
      SetCol(cr, Hex(0x7a84a0), 0.8);
      cairo_fill(cr);
    }
    cairo_rectangle(cr, 0, 30, 200, 18);
    SetCol(cr, Hex(0xffc81a));
    cairo_fill(cr);
    cairo_save(cr);
    cairo_rectangle(cr, 0, 30, 200, 18);
    cairo_clip(cr);
    for (int i = -1; i < 11; ++i) {
      cairo_move_to(cr, i * 20, 48);
      cairo_line_to(cr, i * 20 + 10, 48);
      cairo_line_to(cr, i * 20 + 28, 30);
      cairo_line_to(cr, i * 20 + 18, 30);
      cairo_close_path(cr);
    }
    SetCol(cr, Hex(0x2a2e40));
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_rectangle(cr, 0, 48, 200, 152);
    FillVertical(cr, 48, 200, Hex(0x6a7088), Hex(0x3a3f55));
    cairo_new_path(cr);
    // Cross bracing, cut to repeat every 200 pixels.
    cairo_move_to(cr, 0, 52);
    cairo_line_to(cr, 100, 150);
    cairo_line_to(cr, 200, 52);
    cairo_move_to(cr, 0, 150);
    cairo_line_to(cr, 100, 52);
    cairo_line_to(cr, 200, 150);
    SetCol(cr, Hex(0x8a90a8));
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    for (int i = 0; i < 5; ++i) {
      cairo_arc(cr, 20 + i * 40, 19, 2.5, 0, 2 * M_PI);
      SetCol(cr, Hex(0x5a6078));
      cairo_fill(cr);
    }
    cairo_move_to(cr, 0, 8);
    cairo_line_to(cr, 200, 8);
    cairo_move_to(cr, 0, 30);
    cairo_line_to(cr, 200, 30);
    cairo_move_to(cr, 0, 48);
    cairo_line_to(cr, 200, 48);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    Outline(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  });
}

Pixels DrawWorkshopFront() {
  // The top-left corner in front of the game: a beam, a pipe down the side with a valve
  // wheel, and a hanging lamp. The score is written over the top strip, so it stays calm there.
  return Paint(400, 400, Finish::Alpha, [](cairo_t* cr) {
    Pipe(cr, 26, -10, 26, 330, 22, Hex(0x4ab86a));
    Pipe(cr, 26, 250, 120, 250, 16, Hex(0x4ab86a));
    cairo_arc(cr, 26, 250, 16, 0, 2 * M_PI);
    ShapeBall(cr, 26, 250, 16, Hex(0x8ae8a0), Hex(0x2a8a4a), 3);
    cairo_arc(cr, 26, 160, 24, 0, 2 * M_PI);
    SetCol(cr, kInk);
    cairo_set_line_width(cr, 10);
    cairo_stroke(cr);
    cairo_arc(cr, 26, 160, 24, 0, 2 * M_PI);
    SetCol(cr, Hex(0xe8353b));
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    for (int i = 0; i < 3; ++i) {
      const double a = i * M_PI / 3;
      cairo_move_to(cr, 26 + 24 * std::cos(a), 160 + 24 * std::sin(a));
      cairo_line_to(cr, 26 - 24 * std::cos(a), 160 - 24 * std::sin(a));
    }
    SetCol(cr, kInk);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_arc(cr, 26, 160, 6, 0, 2 * M_PI);
    ShapeBall(cr, 26, 160, 6, Hex(0xff8a8a), Hex(0xa81e28), 2);
    // Beam across the top with rivets.
    cairo_move_to(cr, -10, 48);
    cairo_line_to(cr, 300, 48);
    cairo_line_to(cr, 340, 0);
    cairo_line_to(cr, -10, 0);
    cairo_close_path(cr);
    Shape(cr, 0, 48, Hex(0xa86a3a), Hex(0x6a4224), 4);
    for (int i = 0; i < 6; ++i) {
      cairo_arc(cr, 60 + i * 44, 30, 3.5, 0, 2 * M_PI);
      ShapeBall(cr, 60 + i * 44, 30, 3.5, Hex(0xe4e8f2), Hex(0x7a84a0), 1.5);
    }
    // Hanging lamp.
    cairo_move_to(cr, 190, 48);
    cairo_line_to(cr, 190, 96);
    SetCol(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_pattern_t* glow = cairo_pattern_create_radial(190, 120, 4, 190, 130, 90);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.95, 0.7, 0.45);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.95, 0.7, 0);
    cairo_set_source(cr, glow);
    cairo_arc(cr, 190, 130, 90, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    cairo_move_to(cr, 166, 118);
    cairo_curve_to(cr, 170, 96, 210, 96, 214, 118);
    cairo_close_path(cr);
    Shape(cr, 96, 118, Hex(0x5ac87a), Hex(0x2a8a4a), 3);
    cairo_arc(cr, 190, 120, 9, 0, M_PI);
    ShapeBall(cr, 190, 120, 9, Hex(0xfffbe0), Hex(0xffd050), 2.5);
  });
}
