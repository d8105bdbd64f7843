// The notepad that slides up for the name, the revision pages and the report card; its OK
// button and turning ring; the name page and the five grade cards. The pages are multiplied
// onto the notepad's paper, so they are ink on pure white.
#include <cmath>
#include <string>

#include "art.h"
#include "lettering.h"
#include "paint.h"
#include "style.h"

namespace {
constexpr Col kPageInk = Hex(0x2a3a8c);

void PaperGround(cairo_t* cr) {
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
}

// Lettering in ink for the paper pages: no outline, no shadow.
void Ink(cairo_t* cr, const char* text, double cx, double cy, Face face, double size, Col c) {
  LetterStyle s;
  s.face = face;
  s.size = size;
  s.top = c;
  s.bottom = c;
  s.outline = 0;
  Letter(cr, text, cx, cy, s);
}
}  // namespace

Pixels DrawNotepad() {
  // Placed at (CenterX - 290, y): pages land on (100..460, 120..480), the OK button on
  // (356..476, 422..542) and its ring on (346..486, 412..552), all on the paper.
  return Paint(580, 580, Finish::Alpha, [](cairo_t* cr) {
    DropShadow(cr, 296, 560, 270, 18, 0.35);
    // Cardboard back.
    RoundRectPath(cr, 34, 50, 518, 522, 22);
    Shape(cr, 50, 572, Hex(0x5a8fd8), Hex(0x2d5aa8), 4);
    // Two sheets under the top one, a little askew.
    for (int i = 2; i >= 1; --i) {
      cairo_save(cr);
      cairo_translate(cr, 290, 310);
      cairo_rotate(cr, i == 2 ? 0.018 : -0.012);
      RoundRectPath(cr, -242 + i * 2, -240 + i * 3, 484, 492, 10);
      cairo_restore(cr);
      Shape(cr, 70, 560, Hex(0xf4f1e6), Hex(0xe2dcc8), 2.5);
    }
    RoundRectPath(cr, 46, 68, 488, 488, 10);
    FillVertical(cr, 68, 556, Hex(0xfffef8), Hex(0xfbf6e6));
    Outline(cr, 3);
    // Spiral binding across the top.
    for (int i = 0; i < 14; ++i) {
      const double x = 76 + i * 33;
      cairo_arc(cr, x, 86, 6, 0, 2 * M_PI);
      SetCol(cr, Hex(0x3a3f55));
      cairo_fill(cr);
      cairo_move_to(cr, x - 4, 86);
      cairo_curve_to(cr, x - 8, 62, x + 8, 44, x + 8, 66);
      SetCol(cr, kInk);
      cairo_set_line_width(cr, 7);
      cairo_stroke_preserve(cr);
      SetCol(cr, Hex(0xc8ccd8));
      cairo_set_line_width(cr, 3.5);
      cairo_stroke(cr);
    }
  });
}

Pixels DrawOkButton() {
  return Paint(120, 120, Finish::Alpha, [](cairo_t* cr) {
    DropShadow(cr, 62, 66, 56, 56, 0.35);
    cairo_arc(cr, 60, 58, 52, 0, 2 * M_PI);
    ShapeBall(cr, 60, 58, 52, Hex(0x9cf07e), Hex(0x1f8e36), 4);
    cairo_arc(cr, 60, 58, 43, 0, 2 * M_PI);
    SetCol(cr, kWhite, 0.5);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    Gloss(cr, 58, 34, 32, 16, 0.55);
    LetterStyle s;
    s.size = 42;
    s.top = kWhite;
    s.bottom = Hex(0xe6ffe0);
    s.outline = 6;
    s.shadow = 2;
    Letter(cr, "OK", 60, 60, s);
  });
}

Pixels DrawOkRing() {
  // A ring of dots in the four answer colours around the OK button; the game turns it.
  return Paint(140, 140, Finish::Alpha, [](cairo_t* cr) {
    cairo_arc(cr, 70, 70, 64, 0, 2 * M_PI);
    SetCol(cr, kInk);
    cairo_set_line_width(cr, 9);
    cairo_stroke(cr);
    cairo_arc(cr, 70, 70, 64, 0, 2 * M_PI);
    SetCol(cr, Hex(0xfff2c0));
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    for (int i = 0; i < 16; ++i) {
      const double a = i * M_PI / 8;
      const double x = 70 + 64 * std::cos(a), y = 70 + 64 * std::sin(a);
      cairo_arc(cr, x, y, 5, 0, 2 * M_PI);
      ShapeBall(cr, x, y, 5, Lighter(kAnswer[i % 4], 0.4), kAnswer[i % 4], 2);
    }
  });
}

Pixels DrawNamePage() {
  // The name is typed at (34, 78) of this page; the OK button covers its lower right corner.
  return Paint(360, 360, Finish::Light, [](cairo_t* cr) {
    PaperGround(cr);
    Ink(cr, "What is your name?", 180, 36, Face::SansBold, 28, kPageInk);
    // Writing line with a pencil resting at its end.
    cairo_move_to(cr, 28, 110);
    cairo_line_to(cr, 330, 110);
    SetCol(cr, Hex(0x6a7ab8));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, 290, 148);
    cairo_rotate(cr, -0.5);
    RoundRectPath(cr, -40, -6, 70, 12, 2);
    SetCol(cr, Hex(0xffc83a));
    cairo_fill_preserve(cr);
    SetCol(cr, Hex(0x7a5a20));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_move_to(cr, 30, -6);
    cairo_line_to(cr, 46, 0);
    cairo_line_to(cr, 30, 6);
    cairo_close_path(cr);
    SetCol(cr, Hex(0xf2d2a8));
    cairo_fill_preserve(cr);
    SetCol(cr, Hex(0x7a5a20));
    cairo_stroke(cr);
    cairo_move_to(cr, 40, -2.5);
    cairo_line_to(cr, 46, 0);
    cairo_line_to(cr, 40, 2.5);
    SetCol(cr, Hex(0x444466));
    cairo_fill(cr);
    RoundRectPath(cr, -48, -6, 10, 12, 3);
    SetCol(cr, Hex(0xff9aa8));
    cairo_fill(cr);
    cairo_restore(cr);
    Ink(cr, "Type it on the line,", 130, 200, Face::Sans, 19, kPageInk);
    Ink(cr, "then press OK.", 110, 228, Face::Sans, 19, kPageInk);
    // A dotted arrow curving down to the OK button below right.
    cairo_move_to(cr, 140, 252);
    cairo_curve_to(cr, 150, 300, 200, 340, 238, 352);
    const double dashes[] = {6, 6};
    cairo_set_dash(cr, dashes, 2, 0);
    SetCol(cr, Hex(0x3aa04a));
    cairo_set_line_width(cr, 3.5);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    cairo_move_to(cr, 246, 354);
    cairo_line_to(cr, 228, 340);
    cairo_line_to(cr, 226, 358);
    cairo_close_path(cr);
    cairo_fill(cr);
  });
}

Pixels DrawGradeCard(int grade) {
  // grade 1..5 = AA, A, B, C, F. The report is written over the card from (20, 50) down to
  // about y 200, so the grade stamp sits in the lower right.
  static const char* const letters[6] = {"", "AA", "A", "B", "C", "F"};
  static const char* const praise[6] = {"", "Superstar!", "Great work!", "Good job!", "Keep going!", "Try again!"};
  static const Col inks[6] = {kPageInk, Hex(0xd89a00), Hex(0x1e9e3a), Hex(0x2e6fd6), Hex(0xe07810), Hex(0xd8262e)};
  const Col ink = inks[grade];
  return Paint(360, 360, Finish::Light, [&](cairo_t* cr) {
    PaperGround(cr);
    Ink(cr, "Report Card", 180, 22, Face::SansBold, 22, kPageInk);
    cairo_move_to(cr, 20, 40);
    cairo_line_to(cr, 340, 40);
    SetCol(cr, Hex(0x8a9ad0));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    const double cx = 262, cy = 262;
    // Rosette for the top grades, a round stamp for the others.
    if (grade <= 2) {
      for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, cx + side * 12, cy + 40);
        cairo_line_to(cr, cx + side * 34, cy + 96);
        cairo_line_to(cr, cx + side * 22, cy + 88);
        cairo_line_to(cr, cx + side * 14, cy + 100);
        cairo_line_to(cr, cx - side * 2, cy + 44);
        cairo_close_path(cr);
        SetCol(cr, Lighter(ink, 0.2));
        cairo_fill_preserve(cr);
        SetCol(cr, Darker(ink, 0.35));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
      }
      StarPath(cr, cx, cy, 74, 60, 20, 0);
      SetCol(cr, Lighter(ink, 0.55));
      cairo_fill_preserve(cr);
      SetCol(cr, ink);
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
    }
    cairo_arc(cr, cx, cy, 56, 0, 2 * M_PI);
    SetCol(cr, Lighter(ink, 0.8));
    cairo_fill_preserve(cr);
    SetCol(cr, ink);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, 47, 0, 2 * M_PI);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    Ink(cr, letters[grade], cx, cy + 2, Face::SerifBold, grade == 1 ? 50 : 64, ink);
    if (grade == 1) {
      for (int i = -1; i <= 1; ++i) {
        StarPath(cr, cx + i * 20, cy - 34 + std::abs(i) * 4, 7, 3, 5, 0);
        SetCol(cr, ink);
        cairo_fill(cr);
      }
    }
    Ink(cr, praise[grade], 110, 316, Face::SansBoldItalic, 22, ink);
  });
}
