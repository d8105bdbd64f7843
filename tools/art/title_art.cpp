// The hub's title art, 1024 x 939, drawn at (0, -80): the screen shows rows 80..847. The logo
// covers the top left, the subject picture the top right, the game buttons an arc on the
// right and the exit button the bottom left, so the game's name stands left of centre.
#include <cmath>
#include <string>

#include "art.h"
#include "lettering.h"
#include "paint.h"
#include "style.h"

namespace {
constexpr double kTop = 80;  // picture row shown at the top of the screen

// A word in bouncy capitals: each letter its own colour and tilt.
void BouncyWord(cairo_t* cr, const char* word, double cx, double cy, double size, const Col* colours, int colourCount,
                Col ink) {
  UseFont(cr, Face::SansBold, size);
  const double spacing = size * 0.02;
  double total = 0;
  for (const char* p = word; *p; ++p) {
    const char s[2] = {*p, 0};
    total += TextWidth(cr, s) + spacing;
  }
  double x = cx - total / 2;
  int i = 0;
  for (const char* p = word; *p; ++p, ++i) {
    const char s[2] = {*p, 0};
    const double w = TextWidth(cr, s);
    const Col c = colours[i % colourCount];
    cairo_save(cr);
    cairo_translate(cr, x + w / 2, cy + ((i % 2) ? size * 0.05 : -size * 0.03));
    cairo_rotate(cr, ((i % 3) - 1) * 0.06);
    LetterStyle st;
    st.size = size;
    st.top = Lighter(c, 0.35);
    st.bottom = Darker(c, 0.1);
    st.outline = size * 0.12;
    st.ink = ink;
    st.shadow = size * 0.05;
    st.highlight = 0.45;
    Letter(cr, s, 0, 0, st);
    cairo_restore(cr);
    x += w + spacing;
  }
}

void Cloud(cairo_t* cr, double x, double y, double s) {
  cairo_new_path(cr);
  const double puffs[5][3] = {{0, 0, 1}, {0.9, -0.35, 1.2}, {1.9, 0, 0.95}, {0.5, 0.35, 0.8}, {1.4, 0.35, 0.85}};
  for (auto& p : puffs) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + p[0] * s, y + p[1] * s, p[2] * s * 0.75, 0, 2 * M_PI);
  }
  SetCol(cr, Hex(0x4a8ac8), 0.35);
  cairo_set_line_width(cr, 6);
  cairo_stroke_preserve(cr);
  FillVertical(cr, y - s, y + s, kWhite, Hex(0xe2f0fc));
  cairo_new_path(cr);
}

void Hill(cairo_t* cr, double y, double amp, double phase, Col top, Col bottom, double bottomY) {
  cairo_move_to(cr, -10, bottomY);
  for (int x = -10; x <= 1034; x += 8)
    cairo_line_to(cr, x, y + amp * std::sin(x / 170.0 + phase) + amp * 0.5 * std::sin(x / 73.0 + phase * 2));
  cairo_line_to(cr, 1034, bottomY);
  cairo_close_path(cr);
  Shape(cr, y - amp, bottomY, top, bottom, 4);
}

void Flower(cairo_t* cr, double x, double y, Col c) {
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x, y + 14);
  SetCol(cr, Hex(0x2a6a22));
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  for (int i = 0; i < 5; ++i) {
    const double a = i * 2 * M_PI / 5;
    cairo_arc(cr, x + 5 * std::cos(a), y + 5 * std::sin(a), 4, 0, 2 * M_PI);
    SetCol(cr, c);
    cairo_fill(cr);
  }
  cairo_arc(cr, x, y, 3, 0, 2 * M_PI);
  SetCol(cr, Hex(0xfff27a));
  cairo_fill(cr);
}
}  // namespace

Pixels DrawTitle() {
  return Paint(1024, 939, Finish::Solid, [](cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, 1024, 939);
    FillVertical(cr, 0, 720, Hex(0x46b4f0), Hex(0xc8ecff));
    cairo_new_path(cr);
    // Soft sunbeams fanning out from behind the name.
    cairo_save(cr);
    for (int i = 0; i < 16; ++i) {
      const double a0 = i * M_PI / 8, a1 = a0 + M_PI / 16;
      cairo_move_to(cr, 330, kTop + 460);
      cairo_line_to(cr, 330 + 1400 * std::cos(a0), kTop + 460 + 1400 * std::sin(a0));
      cairo_line_to(cr, 330 + 1400 * std::cos(a1), kTop + 460 + 1400 * std::sin(a1));
      cairo_close_path(cr);
    }
    cairo_pattern_t* rays = cairo_pattern_create_radial(330, kTop + 460, 40, 330, kTop + 460, 700);
    cairo_pattern_add_color_stop_rgba(rays, 0, 1, 1, 1, 0.35);
    cairo_pattern_add_color_stop_rgba(rays, 1, 1, 1, 1, 0);
    cairo_set_source(cr, rays);
    cairo_fill(cr);
    cairo_pattern_destroy(rays);
    cairo_restore(cr);
    Cloud(cr, 520, kTop + 250, 40);
    Cloud(cr, 60, kTop + 420, 28);
    Cloud(cr, 600, kTop + 380, 24);
    // Hills, back to front, and the ground the footer line is written on.
    Hill(cr, kTop + 585, 22, 0.5, Hex(0xb8ea8a), Hex(0x7ac85a), 939);
    Hill(cr, kTop + 640, 18, 2.2, Hex(0x8fdc5a), Hex(0x4aa83a), 939);
    Hill(cr, kTop + 700, 10, 4.0, Hex(0x5ab840), Hex(0x2a7a2a), 939);
    cairo_rectangle(cr, 0, kTop + 722, 1024, 939 - kTop - 722);
    FillVertical(cr, kTop + 722, 939, Hex(0x2f7f2c), Hex(0x1f5a20));
    cairo_new_path(cr);
    const Col petals[4] = {kAnswerBlue, kAnswerYellow, kAnswerRed, Hex(0xffffff)};
    Noise n(31);
    for (int i = 0; i < 16; ++i) Flower(cr, 200 + n.Range(0, 420), kTop + 650 + n.Range(0, 50), petals[i % 4]);
    // The kid striding over the hill and the robot flying above, both from the games.
    PaintPixels(cr, DrawKidWalk(4), 230, kTop + 560, 0.95, true);
    PaintPixels(cr, DrawRobotFly(0), 470, kTop + 40, 0.7, true);
    // The game's name.
    const Col white[1] = {kWhite};
    BouncyWord(cr, "Quillbrook", 330, kTop + 420, 92, white, 1, Hex(0x1d3f7a));
    BouncyWord(cr, "Rizizer", 330, kTop + 522, 118, kAnswer, 4, kInk);
    const double gems[4][2] = {{64, kTop + 500}, {600, kTop + 470}, {90, kTop + 330}, {596, kTop + 560}};
    for (int k = 0; k < 4; ++k) PaintPixels(cr, DrawGem(k + 1), gems[k][0] - 24, gems[k][1] - 24, 0.75);
  });
}
