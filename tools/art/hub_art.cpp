// The hub: title art with the game's name, the publisher logo, six game buttons, the exit
// button and the sound button.
#include <cmath>

#include "art.h"
#include "emblem.h"
#include "lettering.h"
#include "paint.h"
#include "style.h"

namespace {
struct GameLook {
  const char* word;
  Col pill;
};
const GameLook kGames[7] = {{"Exit", Hex(0xe8353b)},        {"Jump!", Hex(0x3cb44a)}, {"Blast!", Hex(0x5a4ad8)},
                            {"Fly!", Hex(0xff8a1f)},        {"Sail!", Hex(0x1fa8c8)}, {"Spook!", Hex(0x8a4ac0)},
                            {"Mix!", Hex(0xe84a9a)}};

// The icon inside a button's round badge, drawn in a circle of radius r around (cx, cy).
void BadgeScene(cairo_t* cr, int game, double cx, double cy, double r) {
  cairo_save(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_clip(cr);
  const double x0 = cx - r, y0 = cy - r, d = 2 * r;
  switch (game) {
    case 1: {
      cairo_rectangle(cr, x0, y0, d, d);
      FillVertical(cr, y0, y0 + d, Hex(0x8fdcff), Hex(0xd8f4ff));
      cairo_new_path(cr);
      RoundRectPath(cr, x0 - 10, cy + r * 0.45, d + 20, r, 8);
      Shape(cr, cy + r * 0.45, cy + r, Hex(0x7ad84a), Hex(0x3a8a2a), 3);
      PaintPixels(cr, DrawKidWalk(4), cx - r * 0.95, cy - r * 0.95, r * 1.75 / 160.0, true);
      PaintPixels(cr, DrawGem(2), cx + r * 0.3, cy - r * 0.75, r * 0.55 / 64.0);
      break;
    }
    case 2: {
      cairo_rectangle(cr, x0, y0, d, d);
      FillVertical(cr, y0, y0 + d, Hex(0x1a1a4a), Hex(0x4a2a8a));
      cairo_new_path(cr);
      Noise n(3);
      for (int i = 0; i < 14; ++i) {
        cairo_arc(cr, x0 + n.Range(0, d), y0 + n.Range(0, d), n.Range(0.8, 2.0), 0, 2 * M_PI);
        SetCol(cr, kWhite, 0.9);
        cairo_fill(cr);
      }
      PaintPixels(cr, DrawRock(), cx + r * 0.1, cy - r * 0.95, r * 0.8 / 136.0);
      cairo_save(cr);
      cairo_translate(cr, cx - r * 0.15, cy + r * 0.1);
      cairo_rotate(cr, 0.5);
      PaintPixels(cr, DrawRocket(), -r * 0.65, -r * 0.65, r * 1.3 / 100.0);
      cairo_restore(cr);
      break;
    }
    case 3: {
      cairo_rectangle(cr, x0, y0, d, d);
      FillVertical(cr, y0, y0 + d, Hex(0xffd9a0), Hex(0xe8a060));
      cairo_new_path(cr);
      PaintPixels(cr, DrawRobotGoFly(3), cx - r * 0.95, cy - r * 0.8, r * 1.8 / 200.0, true);
      break;
    }
    case 4: {
      cairo_rectangle(cr, x0, y0, d, d);
      FillVertical(cr, y0, y0 + d, Hex(0x5ac8e8), Hex(0x1a78b8));
      cairo_new_path(cr);
      SetCol(cr, kWhite, 0.5);
      cairo_set_line_width(cr, 2.5);
      for (int i = 0; i < 4; ++i) {
        const double y = y0 + 14 + i * 22;
        cairo_move_to(cr, x0 + 10 + (i % 2) * 20, y);
        cairo_curve_to(cr, x0 + 20 + (i % 2) * 20, y - 5, x0 + 30 + (i % 2) * 20, y + 5, x0 + 40 + (i % 2) * 20, y);
        cairo_stroke(cr);
      }
      PaintPixels(cr, DrawRing(), cx - r * 0.95, cy - r * 0.2, r * 0.9 / 96.0);
      PaintPixels(cr, DrawGem(4), cx - r * 0.8, cy - r * 0.05, r * 0.6 / 64.0);
      cairo_save(cr);
      cairo_translate(cr, cx + r * 0.35, cy - r * 0.1);
      cairo_rotate(cr, -0.6);
      PaintPixels(cr, DrawBoat(), -r * 0.75, -r * 0.75, r * 1.5 / 120.0);
      cairo_restore(cr);
      break;
    }
    case 5: {
      cairo_rectangle(cr, x0, y0, d, d);
      FillVertical(cr, y0, y0 + d, Hex(0x2a2a6a), Hex(0x6a4aa8));
      cairo_new_path(cr);
      cairo_arc(cr, cx + r * 0.45, cy - r * 0.45, r * 0.28, 0, 2 * M_PI);
      SetCol(cr, Hex(0xfff6c0));
      cairo_fill(cr);
      PaintPixels(cr, DrawCoffin(3), cx - r * 0.85, cy - r * 0.7, r * 1.5 / 260.0);
      PaintPixels(cr, DrawWand(), cx + r * 0.05, cy - r * 0.15, r * 0.9 / 128.0);
      break;
    }
    case 6: {
      // A pinwheel of the four answer colours with a question mark: any game may come.
      for (int i = 0; i < 8; ++i) {
        cairo_move_to(cr, cx, cy);
        cairo_arc(cr, cx, cy, r * 1.5, i * M_PI / 4, (i + 1) * M_PI / 4);
        cairo_close_path(cr);
        SetCol(cr, Lighter(kAnswer[i % 4], 0.25));
        cairo_fill(cr);
      }
      cairo_arc(cr, cx, cy, r * 0.55, 0, 2 * M_PI);
      ShapeBall(cr, cx, cy, r * 0.55, kWhite, Hex(0xdde4f4), 3);
      LetterStyle s;
      s.size = r * 0.9;
      s.top = Hex(0xff7ac0);
      s.bottom = Hex(0xc81e78);
      s.outline = 4;
      Letter(cr, "?", cx, cy + 1, s);
      break;
    }
    default: {
      // Exit: a door with an arrow leaving it.
      cairo_rectangle(cr, x0, y0, d, d);
      FillVertical(cr, y0, y0 + d, Hex(0xffe0c0), Hex(0xffb890));
      cairo_new_path(cr);
      RoundRectPath(cr, cx - r * 0.55, cy - r * 0.6, r * 0.7, r * 1.25, 4);
      Shape(cr, cy - r * 0.6, cy + r * 0.65, Hex(0xc98a4b), Hex(0x8a5326), 3);
      cairo_arc(cr, cx - r * 0.0, cy + r * 0.05, r * 0.07, 0, 2 * M_PI);
      SetCol(cr, Hex(0xffe27a));
      cairo_fill(cr);
      cairo_move_to(cr, cx - r * 0.1, cy);
      cairo_line_to(cr, cx + r * 0.45, cy);
      cairo_line_to(cr, cx + r * 0.45, cy - r * 0.22);
      cairo_line_to(cr, cx + r * 0.8, cy + r * 0.05);
      cairo_line_to(cr, cx + r * 0.45, cy + r * 0.32);
      cairo_line_to(cr, cx + r * 0.45, cy + r * 0.1);
      cairo_line_to(cr, cx - r * 0.1, cy + r * 0.1);
      cairo_close_path(cr);
      Shape(cr, cy - r * 0.22, cy + r * 0.32, Hex(0x7ae86a), Hex(0x1e9e3a), 2.5);
      break;
    }
  }
  cairo_restore(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  Outline(cr, 4);
  cairo_arc(cr, cx, cy, r - 4, 0, 2 * M_PI);
  SetCol(cr, kWhite, 0.7);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
}

// A pill with the game's word and a round picture badge on its left end.
void PillButton(cairo_t* cr, int game, double cx, double cy, double pillW, double pillH, double badgeR) {
  const Col c = kGames[game].pill;
  const double left = cx - pillW / 2, top = cy - pillH / 2;
  DropShadow(cr, cx + 4, cy + pillH / 2 + 2, pillW / 2, 9, 0.35);
  RoundRectPath(cr, left, top, pillW, pillH, pillH / 2);
  Shape(cr, top, top + pillH, Lighter(c, 0.3), Darker(c, 0.2), 4);
  Gloss(cr, cx + badgeR * 0.6, top + pillH * 0.22, pillW * 0.36, pillH * 0.16, 0.45);
  const double bx = left + badgeR - 6;
  DropShadow(cr, bx + 3, cy + 5, badgeR + 2, badgeR + 2, 0.3);
  cairo_arc(cr, bx, cy, badgeR + 5, 0, 2 * M_PI);
  ShapeBall(cr, bx, cy, badgeR + 5, Hex(0xfff3c0), Hex(0xf0b030), 4);
  BadgeScene(cr, game, bx, cy, badgeR);
  LetterStyle s;
  s.size = pillH * 0.42;
  s.top = kWhite;
  s.bottom = Hex(0xf0f4ff);
  s.outline = 6;
  s.shadow = 2;
  const double textLeft = bx + badgeR + 6, textRight = left + pillW - pillH * 0.3;
  cairo_save(cr);
  UseFont(cr, s.face, s.size);
  const double w = TextWidth(cr, kGames[game].word);
  cairo_restore(cr);
  if (w > textRight - textLeft) s.size *= (textRight - textLeft) / w;
  Letter(cr, kGames[game].word, (textLeft + textRight) / 2, cy, s);
}
}  // namespace

Pixels DrawGameButton(int game) {
  // Shown 280 x 280 centred on its place on the arc; the pointer counts as over it within
  // 130 pixels sideways and 50 up or down, so the button is a wide pill about 100 tall.
  return Paint(280, 280, Finish::Alpha, [game](cairo_t* cr) { PillButton(cr, game, 140, 140, 256, 84, 46); });
}

Pixels DrawExitButton() {
  // Drawn at the bottom-left corner (0, 582); the pointer counts as over it left of x 170 and
  // between 40 and 140 pixels below the picture's top.
  return Paint(200, 200, Finish::Alpha, [](cairo_t* cr) { PillButton(cr, 0, 96, 90, 160, 76, 40); });
}

Pixels DrawMute(bool muted) {
  return Paint(64, 64, Finish::Alpha, [muted](cairo_t* cr) {
    cairo_arc(cr, 32, 32, 28, 0, 2 * M_PI);
    ShapeBall(cr, 32, 32, 28, muted ? Hex(0xc8ccd8) : Hex(0x8ad0ff), muted ? Hex(0x6a7088) : Hex(0x2a78d0), 3);
    Gloss(cr, 30, 16, 16, 7, 0.5);
    // Speaker.
    cairo_move_to(cr, 14, 26);
    cairo_line_to(cr, 22, 26);
    cairo_line_to(cr, 32, 17);
    cairo_line_to(cr, 32, 47);
    cairo_line_to(cr, 22, 38);
    cairo_line_to(cr, 14, 38);
    cairo_close_path(cr);
    Shape(cr, 17, 47, kWhite, Hex(0xdde4f4), 2.4);
    if (!muted) {
      for (int i = 0; i < 2; ++i) {
        cairo_arc(cr, 32, 32, 8 + i * 7, -0.28 * M_PI, 0.28 * M_PI);
        SetCol(cr, kInk);
        cairo_set_line_width(cr, 5.5);
        cairo_stroke_preserve(cr);
        SetCol(cr, kWhite);
        cairo_set_line_width(cr, 2.6);
        cairo_stroke(cr);
      }
    } else {
      cairo_move_to(cr, 38, 24);
      cairo_line_to(cr, 52, 40);
      cairo_move_to(cr, 52, 24);
      cairo_line_to(cr, 38, 40);
      SetCol(cr, kInk);
      cairo_set_line_width(cr, 7);
      cairo_stroke_preserve(cr);
      SetCol(cr, Hex(0xff4a4a));
      cairo_set_line_width(cr, 3.5);
      cairo_stroke(cr);
    }
  });
}

Pixels DrawLogo() {
  // Drawn at (16, about -114): its top 114 rows are above the screen, so everything sits low.
  return Paint(480, 480, Finish::Alpha, [](cairo_t* cr) {
    DrawEmblem(cr, 240, 236, 92);
    LetterStyle s;
    s.size = 58;
    s.top = Hex(0xffffff);
    s.bottom = Hex(0xdff0ff);
    s.outline = 8;
    s.ink = Hex(0x1d3f7a);
    s.shadow = 3;
    s.highlight = 0.3;
    Letter(cr, "Quillbrook", 240, 372, s);
    s.size = 36;
    s.top = Hex(0xfff27a);
    s.bottom = Hex(0xffb020);
    s.face = Face::SansBoldItalic;
    Letter(cr, "Learning", 240, 422, s);
  });
}
