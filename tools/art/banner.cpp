#include "banner.h"

#include <cmath>

#include "canvas.h"
#include "emblem.h"
#include "lettering.h"
#include "style.h"

Pixels DrawBanner() {
  constexpr int W = 418, H = 78;
  Canvas c = NewCanvas(W, H);
  cairo_t* cr = c.cr;

  // Sky ground with a soft sun glow behind the emblem.
  cairo_rectangle(cr, 0, 0, W, H);
  FillVertical(cr, 0, H, Hex(0x5cc2f5), Hex(0x2b78d6));
  cairo_new_path(cr);
  cairo_pattern_t* glow = cairo_pattern_create_radial(40, 38, 4, 40, 38, 70);
  cairo_pattern_add_color_stop_rgba(glow, 0, 1, 1, 0.85, 0.55);
  cairo_pattern_add_color_stop_rgba(glow, 1, 1, 1, 0.85, 0);
  cairo_set_source(cr, glow);
  cairo_paint(cr);
  cairo_pattern_destroy(glow);

  // Two rolling hills along the bottom.
  cairo_move_to(cr, 0, 66);
  cairo_curve_to(cr, 90, 52, 180, 78, 260, 66);
  cairo_curve_to(cr, 320, 58, 380, 60, W, 64);
  cairo_line_to(cr, W, H);
  cairo_line_to(cr, 0, H);
  cairo_close_path(cr);
  FillVertical(cr, 56, H, Hex(0x8fdc5a), Hex(0x45a83a));
  cairo_new_path(cr);
  cairo_move_to(cr, 150, 78);
  cairo_curve_to(cr, 230, 64, 330, 66, W, 72);
  cairo_line_to(cr, W, H);
  cairo_close_path(cr);
  SetCol(cr, Hex(0x3a9432));
  cairo_fill(cr);

  // Little coloured stars in the four answer colours.
  const double stars[4][3] = {{392, 14, 6}, {404, 38, 4.5}, {96, 12, 4}, {84, 56, 3.5}};
  for (int i = 0; i < 4; ++i) {
    StarPath(cr, stars[i][0], stars[i][1], stars[i][2], stars[i][2] * 0.45, 5, 8 * i);
    SetCol(cr, Lighter(kAnswer[i], 0.15));
    cairo_fill_preserve(cr);
    Outline(cr, 1.2);
  }

  DrawEmblem(cr, 40, 38, 31);

  // The game's name, fitted between the emblem and the right edge.
  LetterStyle name;
  name.face = Face::SansBold;
  name.size = 36;
  cairo_save(cr);
  UseFont(cr, name.face, name.size);
  const double fit = 300.0 / TextWidth(cr, "Quillbrook Rizizer");
  cairo_restore(cr);
  if (fit < 1) name.size *= fit;
  name.top = Hex(0xfff27a);
  name.bottom = Hex(0xffa91f);
  name.outline = 4;
  name.shadow = 2;
  name.highlight = 0.5;
  Letter(cr, "Quillbrook Rizizer", 233, 28, name);

  LetterStyle pub;
  pub.face = Face::SansBoldItalic;
  pub.size = 14;
  pub.top = kWhite;
  pub.bottom = Hex(0xe8f4ff);
  pub.outline = 3;
  pub.ink = Hex(0x1d3f7a);
  Letter(cr, "Quillbrook Learning", 233, 56, pub);

  // A thin dark frame so the picture sits cleanly in the window.
  cairo_rectangle(cr, 0.5, 0.5, W - 1, H - 1);
  Outline(cr, 1, Hex(0x1d3f7a));

  Pixels out = FinishCanvas(c, Finish::Opaque24);
  FreeCanvas(c);
  return out;
}
