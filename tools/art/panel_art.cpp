// The question panel: bottom bar, blackboard, professor, choice buttons, top strip and hearts.
#include <cmath>

#include "art.h"
#include "lettering.h"
#include "paint.h"
#include "style.h"

namespace {
constexpr int kBarW = 256, kBarH = 200;
constexpr Col kBarTop = Hex(0x4757b8), kBarBottom = Hex(0x252c6e);

// The bar's body; `corners` rounds the outer top corner of an end piece (-1 left, 1 right, 0 none).
void BarBody(cairo_t* cr, int corners) {
  const double r = 30;
  cairo_new_path(cr);
  if (corners < 0) {
    cairo_move_to(cr, 0, kBarH);
    cairo_line_to(cr, 0, r);
    cairo_arc(cr, r, r, r, M_PI, 1.5 * M_PI);
    cairo_line_to(cr, kBarW, 0);
    cairo_line_to(cr, kBarW, kBarH);
  } else if (corners > 0) {
    cairo_move_to(cr, 0, kBarH);
    cairo_line_to(cr, 0, 0);
    cairo_arc(cr, kBarW - r, r, r, 1.5 * M_PI, 2 * M_PI);
    cairo_line_to(cr, kBarW, kBarH);
  } else {
    cairo_rectangle(cr, 0, 0, kBarW, kBarH);
  }
  cairo_close_path(cr);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  FillVertical(cr, 0, kBarH, kBarTop, kBarBottom);
  cairo_new_path(cr);
  // A quiet pattern of dots on a 32-pixel grid, so the pieces line up at every 256-pixel join.
  for (int y = 24; y < kBarH; y += 32)
    for (int x = ((y / 32) % 2) * 16 + 8; x < kBarW; x += 32) {
      cairo_arc(cr, x, y, 2.2, 0, 2 * M_PI);
      SetCol(cr, kWhite, 0.07);
      cairo_fill(cr);
    }
  // Top rim: an ink edge and a light band that reads as the lip of a desk.
  cairo_rectangle(cr, 0, 0, kBarW, 14);
  FillVertical(cr, 0, 14, Hex(0x8e9cf0), Hex(0x5766c4));
  cairo_new_path(cr);
  cairo_rectangle(cr, 0, 14, kBarW, 3);
  SetCol(cr, Hex(0x1f255e), 0.8);
  cairo_fill(cr);
  cairo_restore(cr);
  // Outline only along the top (and the rounded corner); the bottom and joins stay open.
  cairo_new_path(cr);
  if (corners < 0) {
    cairo_move_to(cr, 1.5, kBarH);
    cairo_line_to(cr, 1.5, r);
    cairo_arc(cr, r, r, r - 1.5, M_PI, 1.5 * M_PI);
    cairo_line_to(cr, kBarW, 1.5);
  } else if (corners > 0) {
    cairo_move_to(cr, 0, 1.5);
    cairo_arc(cr, kBarW - r, r, r - 1.5, 1.5 * M_PI, 2 * M_PI);
    cairo_line_to(cr, kBarW - 1.5, kBarH);
  } else {
    cairo_move_to(cr, 0, 1.5);
    cairo_line_to(cr, kBarW, 1.5);
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  Outline(cr, 3);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
}
}  // namespace

Pixels DrawBarLeft() {
  return Paint(kBarW, kBarH, Finish::Alpha, [](cairo_t* cr) { BarBody(cr, -1); });
}
Pixels DrawBarMid() {
  return Paint(kBarW, kBarH, Finish::Solid, [](cairo_t* cr) { BarBody(cr, 0); });
}
Pixels DrawBarRight() {
  return Paint(kBarW, kBarH, Finish::Alpha, [](cairo_t* cr) { BarBody(cr, 1); });
}

Pixels DrawBlackboard() {
  return Paint(360, 360, Finish::Alpha, [](cairo_t* cr) {
    // Wooden frame; the slate inside must hold text from x 14 to 334, starting at y 80.
    RoundRectPath(cr, 3, 34, 354, 324, 14);
    FillVertical(cr, 34, 358, Hex(0xc98a4b), Hex(0x8a5326));
    Outline(cr, 3);
    // Wood grain along the frame.
    Noise n(7);
    cairo_save(cr);
    RoundRectPath(cr, 3, 34, 354, 324, 14);
    cairo_clip(cr);
    SetCol(cr, Hex(0x6b3c18), 0.35);
    cairo_set_line_width(cr, 1.2);
    for (int i = 0; i < 9; ++i) {
      const double y = 37 + n.Range(0, 6);
      cairo_move_to(cr, 10 + i * 38, y);
      cairo_curve_to(cr, 20 + i * 38, y + 2, 30 + i * 38, y - 1, 44 + i * 38, y + 1);
      cairo_stroke(cr);
    }
    cairo_restore(cr);
    RoundRectPath(cr, 12, 43, 336, 306, 6);
    FillVertical(cr, 43, 349, Hex(0x3c7259), Hex(0x24513d));
    Outline(cr, 2.5, Hex(0x2a1a0e));
    // Old chalk smudges: wide, faint, uneven.
    cairo_save(cr);
    RoundRectPath(cr, 13, 44, 334, 304, 6);
    cairo_clip(cr);
    for (int i = 0; i < 7; ++i) {
      const double x = n.Range(30, 330), y = n.Range(60, 330), rx = n.Range(30, 70);
      cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, rx);
      cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.07);
      cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
      cairo_set_source(cr, p);
      cairo_paint(cr);
      cairo_pattern_destroy(p);
    }
    // Light falls on the slate from the top.
    cairo_rectangle(cr, 0, 44, 360, 40);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 44, 0, 84);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.10);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
    // Chalk marks in the top corners, above the first line of the question.
    LetterStyle chalk;
    chalk.face = Face::SansBold;
    chalk.size = 13;
    chalk.top = kWhite;
    chalk.bottom = kWhite;
    chalk.outline = 0;
    cairo_push_group(cr);
    Letter(cr, "A B C", 44, 58, chalk);
    SetCol(cr, kWhite);
    cairo_set_line_width(cr, 2);
    StarPath(cr, 330, 58, 8, 3.5, 5, 0);
    cairo_stroke(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, 0.6);
    // Corner nails.
    const double nails[4][2] = {{14, 40}, {346, 40}, {14, 352}, {346, 352}};
    for (auto& nl : nails) {
      cairo_arc(cr, nl[0], nl[1], 3, 0, 2 * M_PI);
      ShapeBall(cr, nl[0], nl[1], 3, Hex(0xf2e6c8), Hex(0x8c7a55), 1);
    }
    // Chalk tray along the bottom edge.
    RoundRectPath(cr, 40, 340, 280, 14, 5);
    Shape(cr, 340, 354, Hex(0xb77a40), Hex(0x7a4a22), 2);
    RoundRectPath(cr, 240, 334, 36, 8, 4);
    Shape(cr, 334, 342, kWhite, Hex(0xdddddd), 1.5);
  });
}

Pixels DrawProfessor() {
  return Paint(210, 210, Finish::Alpha, [](cairo_t* cr) {
    const Col feather = Hex(0x8a5fc0), featherDark = Hex(0x553a8a);
    // Pointer stick held out to the upper right: its chalk tip at (190, 30) is where the taps show.
    cairo_move_to(cr, 132, 150);
    cairo_line_to(cr, 188, 32);
    cairo_set_line_width(cr, 9);
    SetCol(cr, kInk);
    cairo_stroke(cr);
    cairo_move_to(cr, 132, 150);
    cairo_line_to(cr, 188, 32);
    cairo_set_line_width(cr, 5);
    SetCol(cr, Hex(0xd19a52));
    cairo_stroke(cr);
    cairo_arc(cr, 190, 29, 6, 0, 2 * M_PI);
    ShapeBall(cr, 190, 29, 6, kWhite, Hex(0xd8d8e8), 2);
    // Ear tufts.
    for (int s = -1; s <= 1; s += 2) {
      cairo_move_to(cr, 92 + s * 40, 78);
      cairo_line_to(cr, 92 + s * 58, 44);
      cairo_line_to(cr, 92 + s * 24, 66);
      cairo_close_path(cr);
      Shape(cr, 44, 78, feather, featherDark, 3);
    }
    // Body.
    EllipsePath(cr, 92, 136, 64, 72);
    ShapeBall(cr, 92, 136, 72, Lighter(feather, 0.3), featherDark, 3.5);
    // Belly with feather scallops.
    EllipsePath(cr, 92, 158, 42, 46);
    FillVertical(cr, 112, 204, Hex(0xf4e3c3), Hex(0xd7b98a));
    cairo_new_path(cr);
    SetCol(cr, Hex(0xb08a5a), 0.8);
    cairo_set_line_width(cr, 2);
    for (int row = 0; row < 3; ++row)
      for (int i = -2 + (row % 2); i <= 2; i += 2) {
        const double x = 92 + i * 11, y = 150 + row * 14;
        cairo_arc(cr, x, y, 6, 0.15 * M_PI, 0.85 * M_PI);
        cairo_stroke(cr);
      }
    EllipsePath(cr, 92, 158, 42, 46);
    Outline(cr, 2.5);
    // Face disc.
    EllipsePath(cr, 92, 104, 52, 36);
    FillVertical(cr, 68, 140, Hex(0xf8ecd4), Hex(0xe3c99f));
    Outline(cr, 3);
    // Eyes behind round spectacles, looking up at the stick.
    for (int s = -1; s <= 1; s += 2) {
      const double ex = 92 + s * 23, ey = 102;
      cairo_arc(cr, ex, ey, 19, 0, 2 * M_PI);
      SetCol(cr, kWhite);
      cairo_fill(cr);
      cairo_arc(cr, ex + 5, ey - 4, 9, 0, 2 * M_PI);
      ShapeBall(cr, ex + 5, ey - 4, 9, Hex(0x7a4a1a), Hex(0x2a1606), 0);
      cairo_arc(cr, ex + 6, ey - 5, 4.5, 0, 2 * M_PI);
      SetCol(cr, kInk);
      cairo_fill(cr);
      cairo_arc(cr, ex + 3, ey - 8, 2.6, 0, 2 * M_PI);
      SetCol(cr, kWhite);
      cairo_fill(cr);
      cairo_arc(cr, ex, ey, 20, 0, 2 * M_PI);
      SetCol(cr, kInk);
      cairo_set_line_width(cr, 5);
      cairo_stroke_preserve(cr);
      SetCol(cr, Hex(0xe0b040));
      cairo_set_line_width(cr, 2.5);
      cairo_stroke(cr);
    }
    cairo_move_to(cr, 89, 100);
    cairo_line_to(cr, 95, 100);
    SetCol(cr, Hex(0xe0b040));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // Beak.
    cairo_move_to(cr, 84, 118);
    cairo_line_to(cr, 100, 118);
    cairo_line_to(cr, 92, 134);
    cairo_close_path(cr);
    Shape(cr, 118, 134, Hex(0xffb43c), Hex(0xe07a10), 2.5);
    // Wing folded on the left, wing holding the stick on the right.
    cairo_move_to(cr, 34, 120);
    cairo_curve_to(cr, 20, 150, 26, 185, 48, 200);
    cairo_curve_to(cr, 52, 170, 50, 140, 34, 120);
    cairo_close_path(cr);
    Shape(cr, 120, 200, feather, featherDark, 3);
    cairo_move_to(cr, 146, 126);
    cairo_curve_to(cr, 160, 132, 150, 156, 128, 162);
    cairo_curve_to(cr, 118, 160, 124, 140, 146, 126);
    cairo_close_path(cr);
    Shape(cr, 126, 162, Lighter(feather, 0.15), featherDark, 3);
    // Mortarboard with a golden tassel.
    cairo_move_to(cr, 92, 30);
    cairo_line_to(cr, 146, 46);
    cairo_line_to(cr, 92, 62);
    cairo_line_to(cr, 38, 46);
    cairo_close_path(cr);
    Shape(cr, 30, 62, Hex(0x4a4f6a), Hex(0x23263a), 3);
    cairo_move_to(cr, 66, 56);
    cairo_line_to(cr, 66, 72);
    cairo_curve_to(cr, 80, 78, 104, 78, 118, 72);
    cairo_line_to(cr, 118, 56);
    cairo_line_to(cr, 92, 62);
    cairo_close_path(cr);
    Shape(cr, 56, 78, Hex(0x3a3f58), Hex(0x1d2030), 3);
    cairo_move_to(cr, 92, 46);
    cairo_curve_to(cr, 120, 46, 138, 52, 140, 70);
    cairo_set_line_width(cr, 4.5);
    SetCol(cr, kInk);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 2.5);
    SetCol(cr, Hex(0xffcf3a));
    cairo_stroke(cr);
    RoundRectPath(cr, 135, 68, 10, 16, 3);
    Shape(cr, 68, 84, Hex(0xffe070), Hex(0xe0a010), 2);
    cairo_arc(cr, 92, 46, 4, 0, 2 * M_PI);
    ShapeBall(cr, 92, 46, 4, Hex(0xffe070), Hex(0xe0a010), 1.5);
  });
}

Pixels DrawChoice(int choice) {
  const Col c = kAnswer[choice - 1];
  return Paint(290, 290, Finish::Alpha, [&](cairo_t* cr) {
    // The face spans x 12..286 and y 110..184: the text is written from x 78, centred on y 147,
    // and the tick or cross lands on (250, 147).
    DropShadow(cr, 152, 186, 140, 10, 0.35);
    RoundRectPath(cr, 12, 110, 274, 74, 37);
    Shape(cr, 110, 184, Lighter(c, 0.25), Darker(c, 0.2), 3.5);
    Gloss(cr, 149, 122, 124, 10, 0.35);
    // The light label that carries the answer text.
    RoundRectPath(cr, 72, 119, 208, 56, 22);
    FillVertical(cr, 119, 175, Mix(kWhite, c, 0.06), Mix(kWhite, c, 0.16));
    Outline(cr, 2.5, Darker(c, 0.45));
    RoundRectPath(cr, 74, 121, 204, 10, 5);
    SetCol(cr, Darker(c, 0.3), 0.10);
    cairo_fill(cr);
    // The round knob with the choice number.
    cairo_arc(cr, 44, 147, 27, 0, 2 * M_PI);
    ShapeBall(cr, 44, 147, 27, Lighter(c, 0.45), Darker(c, 0.1), 3);
    Gloss(cr, 42, 134, 16, 8, 0.6);
    const char digits[4][2] = {"1", "2", "3", "4"};
    LetterStyle s;
    s.size = 32;
    s.top = kWhite;
    s.bottom = Hex(0xe8eefc);
    s.outline = 4;
    Letter(cr, digits[choice - 1], 44, 148, s);
  });
}

Pixels DrawGreyStrip() {
  // Multiplied over the top of the game: a mid grey that darkens the scene behind the score,
  // with a crisp darker edge along the bottom.
  return Paint(1024, 48, Finish::Light, [](cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, 1024, 45);
    FillVertical(cr, 0, 45, Hex(0x7a7a84), Hex(0x9494a0));
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 45, 1024, 3);
    SetCol(cr, Hex(0x5a5a66));
    cairo_fill(cr);
  });
}

Pixels DrawLife() {
  return Paint(38, 38, Finish::Alpha, [](cairo_t* cr) {
    cairo_move_to(cr, 19, 34);
    cairo_curve_to(cr, 4, 24, 1, 15, 4, 9);
    cairo_curve_to(cr, 7, 3, 16, 2, 19, 10);
    cairo_curve_to(cr, 22, 2, 31, 3, 34, 9);
    cairo_curve_to(cr, 37, 15, 34, 24, 19, 34);
    cairo_close_path(cr);
    ShapeBall(cr, 19, 18, 17, Hex(0xff8a8e), Hex(0xc8141e), 2.2);
    Gloss(cr, 11, 10, 4.5, 3, 0.8);
  });
}
