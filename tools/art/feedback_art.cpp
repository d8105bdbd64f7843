// Answer feedback: the countdown clock, tick and cross, the flying "Correct!", "Wrong!" and
// "Oops!" pictures, and the professor's tap ripple.
#include <cmath>

#include "art.h"
#include "lettering.h"
#include "paint.h"
#include "style.h"

namespace {
// A glowing line for pictures that are added onto the screen: a wide faint stroke under a
// narrow bright one.
void GlowStroke(cairo_t* cr, Col c, double width) {
  for (int i = 3; i >= 0; --i) {
    SetCol(cr, c, i == 0 ? 1.0 : 0.16);
    cairo_set_line_width(cr, width * (1 + i * 1.1));
    cairo_stroke_preserve(cr);
  }
  cairo_new_path(cr);
}

void BlackGround(cairo_t* cr) {
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
}

// A star-burst badge behind a feedback word.
void Burst(cairo_t* cr, double cx, double cy, double outer, double inner, int points, Col light, Col dark) {
  StarPath(cr, cx, cy, outer, inner, points, 0);
  FillBall(cr, cx, cy, outer, light, dark);
  Outline(cr, 5);
}

void FeedbackWord(cairo_t* cr, const char* word, Col top, Col bottom, double size) {
  LetterStyle s;
  s.size = size;
  s.top = top;
  s.bottom = bottom;
  s.outline = 9;
  s.shadow = 5;
  s.highlight = 0.45;
  Letter(cr, word, 200, 206, s);
}

void Sparkle(cairo_t* cr, double x, double y, double r, Col c) {
  StarPath(cr, x, y, r, r * 0.38, 4, 0);
  SetCol(cr, c);
  cairo_fill_preserve(cr);
  Outline(cr, 2.5);
}
}  // namespace

Pixels DrawTimerFace() {
  return Paint(64, 64, Finish::Light, [](cairo_t* cr) {
    BlackGround(cr);
    cairo_arc(cr, 32, 32, 25, 0, 2 * M_PI);
    cairo_pattern_t* p = cairo_pattern_create_radial(32, 32, 10, 32, 32, 25);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.02, 0.06, 0.10);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.10, 0.22, 0.32);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_arc(cr, 32, 32, 26, 0, 2 * M_PI);
    GlowStroke(cr, Hex(0x7fe0ff), 2.2);
    for (int i = 0; i < 12; ++i) {
      const double a = i * M_PI / 6;
      const double r0 = (i % 3 == 0) ? 17 : 20;
      cairo_move_to(cr, 32 + r0 * std::sin(a), 32 - r0 * std::cos(a));
      cairo_line_to(cr, 32 + 22 * std::sin(a), 32 - 22 * std::cos(a));
      SetCol(cr, Hex(0xc8f4ff), i % 3 == 0 ? 1.0 : 0.7);
      cairo_set_line_width(cr, i % 3 == 0 ? 2.4 : 1.5);
      cairo_stroke(cr);
    }
  });
}

Pixels DrawTimerHand() {
  // The hand points to twelve o'clock; the game turns the picture about its centre.
  return Paint(64, 64, Finish::Light, [](cairo_t* cr) {
    BlackGround(cr);
    cairo_move_to(cr, 32, 34);
    cairo_line_to(cr, 32, 11);
    GlowStroke(cr, Hex(0xffe88a), 2.6);
    cairo_arc(cr, 32, 32, 3.5, 0, 2 * M_PI);
    SetCol(cr, Hex(0xfff6c8));
    cairo_fill(cr);
  });
}

Pixels DrawTick() {
  return Paint(240, 240, Finish::Alpha, [](cairo_t* cr) {
    DropShadow(cr, 124, 200, 80, 16, 0.3);
    cairo_move_to(cr, 30, 128);
    cairo_line_to(cr, 64, 94);
    cairo_line_to(cr, 98, 130);
    cairo_line_to(cr, 180, 34);
    cairo_line_to(cr, 214, 68);
    cairo_line_to(cr, 100, 200);
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetCol(cr, kInk);
    cairo_set_line_width(cr, 26);
    cairo_stroke_preserve(cr);
    SetCol(cr, kWhite);
    cairo_set_line_width(cr, 14);
    cairo_stroke_preserve(cr);
    FillVertical(cr, 34, 200, Hex(0x8ff07a), Hex(0x1f9a36));
    cairo_new_path(cr);
    cairo_move_to(cr, 44, 122);
    cairo_line_to(cr, 64, 104);
    cairo_move_to(cr, 186, 46);
    cairo_line_to(cr, 200, 60);
    SetCol(cr, kWhite, 0.7);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
  });
}

Pixels DrawCross() {
  return Paint(240, 240, Finish::Alpha, [](cairo_t* cr) {
    DropShadow(cr, 122, 206, 80, 14, 0.3);
    cairo_save(cr);
    cairo_translate(cr, 120, 118);
    cairo_rotate(cr, M_PI / 4);
    const double a = 84, b = 19;
    cairo_move_to(cr, -b, -a);
    cairo_line_to(cr, b, -a);
    cairo_line_to(cr, b, -b);
    cairo_line_to(cr, a, -b);
    cairo_line_to(cr, a, b);
    cairo_line_to(cr, b, b);
    cairo_line_to(cr, b, a);
    cairo_line_to(cr, -b, a);
    cairo_line_to(cr, -b, b);
    cairo_line_to(cr, -a, b);
    cairo_line_to(cr, -a, -b);
    cairo_line_to(cr, -b, -b);
    cairo_close_path(cr);
    cairo_restore(cr);
    SetCol(cr, kInk);
    cairo_set_line_width(cr, 22);
    cairo_stroke_preserve(cr);
    SetCol(cr, kWhite);
    cairo_set_line_width(cr, 10);
    cairo_stroke_preserve(cr);
    FillVertical(cr, 30, 210, Hex(0xff8a7a), Hex(0xc8141e));
    cairo_new_path(cr);
  });
}

Pixels DrawCorrect() {
  return Paint(400, 400, Finish::Alpha, [](cairo_t* cr) {
    Burst(cr, 200, 200, 180, 140, 16, Hex(0xfff6a0), Hex(0xffb820));
    cairo_arc(cr, 200, 200, 122, 0, 2 * M_PI);
    SetCol(cr, kWhite, 0.35);
    cairo_fill(cr);
    FeedbackWord(cr, "Correct!", Hex(0x9cf57e), Hex(0x1e9e3a), 66);
    Sparkle(cr, 96, 104, 20, Hex(0xfffbe0));
    Sparkle(cr, 310, 290, 16, Hex(0xfffbe0));
    Sparkle(cr, 300, 110, 12, kWhite);
    Sparkle(cr, 100, 300, 12, kWhite);
  });
}

Pixels DrawWrong() {
  return Paint(400, 400, Finish::Alpha, [](cairo_t* cr) {
    // A jagged red badge: unmistakably "no", but not frightening.
    Burst(cr, 200, 200, 176, 150, 11, Hex(0xff9a8a), Hex(0xd8262e));
    cairo_arc(cr, 200, 200, 128, 0, 2 * M_PI);
    SetCol(cr, kWhite, 0.25);
    cairo_fill(cr);
    FeedbackWord(cr, "Wrong!", kWhite, Hex(0xffd8d0), 84);
  });
}

Pixels DrawOops() {
  return Paint(400, 400, Finish::Alpha, [](cairo_t* cr) {
    // A purple splat: the question was lost to a hazard, not answered.
    Noise n(21);
    cairo_new_path(cr);
    const int lobes = 9;
    for (int i = 0; i <= lobes; ++i) {
      const double a0 = (i - 0.5) * 2 * M_PI / lobes, a1 = (i + 0.5) * 2 * M_PI / lobes;
      const double r = 150 + n.Range(0, 25);
      if (i == 0) cairo_move_to(cr, 200 + 135 * std::cos(a0), 200 + 135 * std::sin(a0));
      if (i < lobes)
        cairo_curve_to(cr, 200 + r * 1.2 * std::cos(a0 + 0.1), 200 + r * 1.2 * std::sin(a0 + 0.1),
                       200 + r * 1.2 * std::cos(a1 - 0.1), 200 + r * 1.2 * std::sin(a1 - 0.1),
                       200 + 135 * std::cos(a1), 200 + 135 * std::sin(a1));
    }
    cairo_close_path(cr);
    FillBall(cr, 200, 200, 180, Hex(0xc69af5), Hex(0x6a34b8));
    Outline(cr, 5);
    const double drops[3][3] = {{54, 330, 14}, {350, 70, 11}, {356, 320, 9}};
    for (auto& d : drops) {
      cairo_arc(cr, d[0], d[1], d[2], 0, 2 * M_PI);
      ShapeBall(cr, d[0], d[1], d[2], Hex(0xc69af5), Hex(0x6a34b8), 3.5);
    }
    FeedbackWord(cr, "Oops!", Hex(0xffe27a), Hex(0xff8a1f), 96);
  });
}

Pixels DrawTap() {
  // Added onto the screen, growing from 6 to 48 pixels: a bright ring of light.
  return Paint(48, 48, Finish::Light, [](cairo_t* cr) {
    BlackGround(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(24, 24, 0, 24, 24, 24);
    cairo_pattern_add_color_stop_rgb(p, 0.0, 0.10, 0.10, 0.08);
    cairo_pattern_add_color_stop_rgb(p, 0.55, 0.35, 0.33, 0.25);
    cairo_pattern_add_color_stop_rgb(p, 0.78, 1.0, 0.98, 0.85);
    cairo_pattern_add_color_stop_rgb(p, 0.92, 0.35, 0.33, 0.25);
    cairo_pattern_add_color_stop_rgb(p, 1.0, 0, 0, 0);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
  });
}
