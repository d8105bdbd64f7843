// Things the games put in play: gems, bomb, rocks, rocket and laser bolt, rings and ripples,
// the boat, the coffins and their splinters, and the sparkle and explosion effects.
#include <cmath>
#include <vector>

#include "art.h"
#include "lettering.h"
#include "paint.h"
#include "style.h"

namespace {
void BlackGround(cairo_t* cr) {
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
}

void Polygon(cairo_t* cr, std::initializer_list<std::pair<double, double>> pts) {
  bool first = true;
  for (auto [x, y] : pts) {
    if (first)
      cairo_move_to(cr, x, y);
    else
      cairo_line_to(cr, x, y);
    first = false;
  }
  cairo_close_path(cr);
}

void Facet(cairo_t* cr, Col c, std::initializer_list<std::pair<double, double>> pts) {
  Polygon(cr, pts);
  SetCol(cr, c);
  cairo_fill_preserve(cr);
  SetCol(cr, Darker(c, 0.45), 0.5);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}
}  // namespace

Pixels DrawGem(int choice) {
  const Col c = kAnswer[choice - 1];
  return Paint(64, 64, Finish::Alpha, [&](cairo_t* cr) {
    // A cut gem: crown (table and side facets) above a pointed pavilion.
    const double l = 5, r = 59, top = 12, girdle = 26, tip = 59;
    Facet(cr, Lighter(c, 0.55), {{20, top}, {44, top}, {38, girdle}, {26, girdle}});
    Facet(cr, Lighter(c, 0.25), {{l + 6, top + 4}, {20, top}, {26, girdle}, {l, girdle}});
    Facet(cr, Mix(c, kWhite, 0.1), {{44, top}, {r - 6, top + 4}, {r, girdle}, {38, girdle}});
    Facet(cr, Darker(c, 0.05), {{l, girdle}, {26, girdle}, {32, tip}});
    Facet(cr, Lighter(c, 0.15), {{26, girdle}, {38, girdle}, {32, tip}});
    Facet(cr, Darker(c, 0.3), {{38, girdle}, {r, girdle}, {32, tip}});
    Polygon(cr, {{20, top}, {44, top}, {r - 6, top + 4}, {r, girdle}, {32, tip}, {l, girdle}, {l + 6, top + 4}});
    Outline(cr, 2.6);
    // Glints.
    StarPath(cr, 22, 17, 6, 1.8, 4, 0);
    SetCol(cr, kWhite);
    cairo_fill(cr);
    cairo_move_to(cr, 12, 29);
    cairo_line_to(cr, 22, 44);
    SetCol(cr, kWhite, 0.6);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
  });
}

Pixels DrawBomb() {
  return Paint(86, 86, Finish::Alpha, [](cairo_t* cr) {
    // Fuse and spark first, the ball over the fuse's root.
    cairo_move_to(cr, 56, 24);
    cairo_curve_to(cr, 62, 12, 70, 14, 72, 8);
    SetCol(cr, kInk);
    cairo_set_line_width(cr, 6);
    cairo_stroke_preserve(cr);
    SetCol(cr, Hex(0xd8b888));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    StarPath(cr, 73, 8, 9, 3.5, 8, 0);
    ShapeBall(cr, 73, 8, 9, Hex(0xfffbd0), Hex(0xff8a10), 1.5);
    RoundRectPath(cr, 46, 18, 16, 14, 3);
    cairo_save(cr);
    cairo_restore(cr);
    Shape(cr, 18, 32, Hex(0x8a90a8), Hex(0x4a4f66), 2.5);
    cairo_arc(cr, 40, 50, 31, 0, 2 * M_PI);
    ShapeBall(cr, 40, 50, 31, Hex(0x6a7090), Hex(0x1e2030), 3);
    Gloss(cr, 31, 37, 12, 7, 0.6);
    // A friendly warning: a little skull-free lightning mark.
    Polygon(cr, {{42, 40}, {32, 54}, {40, 54}, {36, 66}, {48, 50}, {40, 50}});
    SetCol(cr, Hex(0xffd21f));
    cairo_fill_preserve(cr);
    Outline(cr, 1.6);
  });
}

Pixels DrawSparkle() {
  return Paint(80, 80, Finish::Light, [](cairo_t* cr) {
    BlackGround(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(40, 40, 0, 40, 40, 26);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.9, 0.85, 0.6);
    cairo_pattern_add_color_stop_rgb(p, 1, 0, 0, 0);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    for (int pass = 0; pass < 2; ++pass) {
      StarPath(cr, 40, 40, pass ? 36 : 24, pass ? 3.5 : 2.5, 4, pass ? 0 : 45);
      cairo_pattern_t* q = cairo_pattern_create_radial(40, 40, 0, 40, 40, pass ? 36 : 24);
      cairo_pattern_add_color_stop_rgb(q, 0, 1, 1, 0.95);
      cairo_pattern_add_color_stop_rgb(q, 0.5, 1.0, 0.85, 0.4);
      cairo_pattern_add_color_stop_rgb(q, 1, 0.1, 0.05, 0);
      cairo_set_source(cr, q);
      cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
      cairo_fill(cr);
      cairo_pattern_destroy(q);
    }
  });
}

Pixels DrawBoom() {
  return Paint(200, 200, Finish::Alpha, [](cairo_t* cr) {
    Noise n(5);
    const int spikes = 14;
    auto burst = [&](double outer, double inner, double turn) {
      cairo_new_path(cr);
      for (int i = 0; i < spikes * 2; ++i) {
        const double a = turn + i * M_PI / spikes;
        const double r = (i % 2 == 0) ? outer * n.Range(0.85, 1.0) : inner * n.Range(0.9, 1.1);
        if (i == 0)
          cairo_move_to(cr, 100 + r * std::cos(a), 100 + r * std::sin(a));
        else
          cairo_line_to(cr, 100 + r * std::cos(a), 100 + r * std::sin(a));
      }
      cairo_close_path(cr);
    };
    burst(96, 62, 0);
    ShapeBall(cr, 100, 100, 96, Hex(0xffb43c), Hex(0xe03a1a), 4);
    burst(68, 44, 0.2);
    ShapeBall(cr, 100, 100, 68, Hex(0xfff3a0), Hex(0xffa020), 3);
    cairo_arc(cr, 100, 100, 30, 0, 2 * M_PI);
    FillBall(cr, 100, 100, 30, kWhite, Hex(0xfff0a0));
    cairo_new_path(cr);
  });
}

Pixels DrawBoomGlow() {
  return Paint(200, 200, Finish::Light, [](cairo_t* cr) {
    BlackGround(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(100, 100, 0, 100, 100, 100);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.85, 0.5);
    cairo_pattern_add_color_stop_rgb(p, 0.35, 0.8, 0.4, 0.1);
    cairo_pattern_add_color_stop_rgb(p, 0.7, 0.25, 0.08, 0.0);
    cairo_pattern_add_color_stop_rgb(p, 1, 0, 0, 0);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
  });
}

Pixels DrawRock() {
  return Paint(136, 136, Finish::Alpha, [](cairo_t* cr) {
    Noise n(17);
    const int k = 11;
    std::vector<double> rad(k);
    for (double& r : rad) r = n.Range(52, 64);
    cairo_new_path(cr);
    for (int i = 0; i <= k; ++i) {
      const double a0 = i * 2 * M_PI / k, a1 = (i + 1) * 2 * M_PI / k;
      const double r0 = rad[i % k], r1 = rad[(i + 1) % k];
      const double x0 = 68 + r0 * std::cos(a0), y0 = 68 + r0 * std::sin(a0);
      const double x1 = 68 + r1 * std::cos(a1), y1 = 68 + r1 * std::sin(a1);
      if (i == 0) cairo_move_to(cr, x0, y0);
      if (i < k) {
        const double am = (a0 + a1) / 2, rm = (r0 + r1) / 2 * 1.06;
        cairo_curve_to(cr, x0, y0, 68 + rm * std::cos(am), 68 + rm * std::sin(am), x1, y1);
      }
    }
    cairo_close_path(cr);
    ShapeBall(cr, 68, 68, 66, Hex(0xb8a896), Hex(0x5a4a40), 4);
    const double craters[5][3] = {{50, 52, 12}, {86, 82, 15}, {84, 40, 8}, {46, 92, 8}, {100, 60, 6}};
    for (auto& c : craters) {
      EllipsePath(cr, c[0], c[1], c[2], c[2] * 0.85);
      FillBall(cr, c[0] + c[2] * 0.5, c[1] + c[2] * 0.5, c[2] * 1.5, Hex(0x9a8a7a), Hex(0x4a3c34));
      Outline(cr, 2.2, Hex(0x3a2e28));
      cairo_arc(cr, c[0], c[1], c[2], 1.0 * M_PI, 1.6 * M_PI);
      SetCol(cr, Hex(0x2a201c), 0.4);
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
    }
    Gloss(cr, 52, 34, 22, 10, 0.25);
  });
}

Pixels DrawRocket() {
  // Nose up; the game turns it about the picture's centre.
  return Paint(100, 100, Finish::Alpha, [](cairo_t* cr) {
    // Flame under the tail.
    cairo_move_to(cr, 40, 80);
    cairo_curve_to(cr, 40, 90, 46, 94, 50, 99);
    cairo_curve_to(cr, 54, 94, 60, 90, 60, 80);
    cairo_close_path(cr);
    Shape(cr, 80, 99, Hex(0xfff3a0), Hex(0xff6a10), 2);
    // Fins.
    for (int s = -1; s <= 1; s += 2) {
      Polygon(cr, {{50 + s * 12, 52}, {50 + s * 27, 74}, {50 + s * 27, 88}, {50 + s * 11, 80}});
      Shape(cr, 52, 88, Hex(0xff6a6a), Hex(0xc0182a), 2.5);
    }
    // Body.
    cairo_move_to(cr, 50, 3);
    cairo_curve_to(cr, 68, 20, 68, 56, 62, 84);
    cairo_line_to(cr, 38, 84);
    cairo_curve_to(cr, 32, 56, 32, 20, 50, 3);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(34, 0, 66, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.80, 0.84, 0.92);
    cairo_pattern_add_color_stop_rgb(p, 0.35, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.62, 0.66, 0.78);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    Outline(cr, 2.8);
    // Red nose cone.
    cairo_move_to(cr, 50, 3);
    cairo_curve_to(cr, 58, 10, 62, 17, 63.5, 24);
    cairo_curve_to(cr, 56, 21, 44, 21, 36.5, 24);
    cairo_curve_to(cr, 38, 17, 42, 10, 50, 3);
    cairo_close_path(cr);
    Shape(cr, 3, 24, Hex(0xff6a6a), Hex(0xc0182a), 2.5);
    // Porthole.
    cairo_arc(cr, 50, 42, 9, 0, 2 * M_PI);
    ShapeBall(cr, 50, 42, 9, Hex(0xa8e8ff), Hex(0x2a7ac8), 3);
    Gloss(cr, 47, 38, 4, 2.5, 0.8);
    // Centre fin.
    RoundRectPath(cr, 47, 62, 6, 24, 3);
    Shape(cr, 62, 86, Hex(0xff6a6a), Hex(0xc0182a), 2);
  });
}

Pixels DrawLaser() {
  // A bolt pointing up, centred in the picture.
  return Paint(64, 64, Finish::Alpha, [](cairo_t* cr) {
    for (int pass = 0; pass < 3; ++pass) {
      const double w = 16 - pass * 5, h = 27 - pass * 3;
      EllipsePath(cr, 32, 32, w / 2, h);
      const Col c = pass == 0 ? Hex(0xff3a8a) : pass == 1 ? Hex(0xff9ad0) : kWhite;
      SetCol(cr, c, pass == 0 ? 0.55 : 1.0);
      cairo_fill(cr);
    }
    EllipsePath(cr, 32, 32, 5.5, 24);
    SetCol(cr, Hex(0x8a0a40), 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  });
}

Pixels DrawRing() {
  return Paint(96, 96, Finish::Alpha, [](cairo_t* cr) {
    // A life ring: red and white quarters, a rope around it.
    const double ro = 45, ri = 27, rm = (ro + ri) / 2;
    for (int i = 0; i < 8; ++i) {
      const double a0 = i * M_PI / 4, a1 = (i + 1) * M_PI / 4;
      cairo_new_path(cr);
      cairo_arc(cr, 48, 48, ro, a0, a1);
      cairo_arc_negative(cr, 48, 48, ri, a1, a0);
      cairo_close_path(cr);
      const Col c = (i % 2) ? Hex(0xf4f4f8) : Hex(0xe8353b);
      FillBall(cr, 48, 48, ro, Lighter(c, 0.3), Darker(c, 0.2));
      cairo_new_path(cr);
    }
    // Tube shading: light on the upper left of the tube, dark on its inner rim.
    cairo_arc(cr, 48, 48, rm, 0, 2 * M_PI);
    cairo_pattern_t* p = cairo_pattern_create_radial(48, 48, ri, 48, 48, ro);
    cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0.25);
    cairo_pattern_add_color_stop_rgba(p, 0.45, 1, 1, 1, 0.25);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0.2);
    cairo_set_source(cr, p);
    cairo_set_line_width(cr, ro - ri);
    cairo_stroke(cr);
    cairo_pattern_destroy(p);
    cairo_arc(cr, 48, 48, ro, 0, 2 * M_PI);
    Outline(cr, 3);
    cairo_arc(cr, 48, 48, ri, 0, 2 * M_PI);
    Outline(cr, 3);
    // Rope loops on the white quarters.
    for (int i = 0; i < 4; ++i) {
      const double a = (i * 2 + 1.5) * M_PI / 4;
      cairo_arc(cr, 48, 48, rm, a - 0.25, a + 0.25);
      SetCol(cr, Hex(0xc8a060));
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
    }
  });
}

Pixels DrawRoundShadow() {
  return Paint(82, 82, Finish::Light, [](cairo_t* cr) {
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(41, 41, 0, 41, 41, 40);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.55, 0.58, 0.62);
    cairo_pattern_add_color_stop_rgb(p, 0.7, 0.62, 0.65, 0.70);
    cairo_pattern_add_color_stop_rgb(p, 1, 1, 1, 1);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
  });
}

Pixels DrawRipple() {
  // Added onto the water at fading alpha: a soft ring of light.
  return Paint(128, 128, Finish::Alpha, [](cairo_t* cr) {
    cairo_pattern_t* p = cairo_pattern_create_radial(64, 64, 0, 64, 64, 63);
    cairo_pattern_add_color_stop_rgba(p, 0.0, 1, 1, 1, 0);
    cairo_pattern_add_color_stop_rgba(p, 0.72, 1, 1, 1, 0.05);
    cairo_pattern_add_color_stop_rgba(p, 0.88, 0.9, 0.97, 1, 0.55);
    cairo_pattern_add_color_stop_rgba(p, 0.95, 1, 1, 1, 0.3);
    cairo_pattern_add_color_stop_rgba(p, 1.0, 1, 1, 1, 0);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
  });
}

Pixels DrawBoat() {
  // Seen from above, bow up.
  return Paint(120, 120, Finish::Alpha, [](cairo_t* cr) {
    // Outboard motor behind the stern.
    RoundRectPath(cr, 52, 100, 16, 16, 4);
    Shape(cr, 100, 116, Hex(0x5a6078), Hex(0x2a2e40), 2.5);
    auto hull = [&](double inset) {
      cairo_new_path(cr);
      cairo_move_to(cr, 60, 6 + inset * 1.6);
      cairo_curve_to(cr, 84 - inset, 26, 88 - inset, 60, 86 - inset, 102 - inset);
      cairo_line_to(cr, 34 + inset, 102 - inset);
      cairo_curve_to(cr, 32 + inset, 60, 36 + inset, 26, 60, 6 + inset * 1.6);
      cairo_close_path(cr);
    };
    hull(0);
    cairo_pattern_t* p = cairo_pattern_create_linear(32, 0, 88, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.85, 0.25, 0.15);
    cairo_pattern_add_color_stop_rgb(p, 0.4, 1.0, 0.50, 0.30);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.75, 0.18, 0.12);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    Outline(cr, 3);
    hull(6);
    Shape(cr, 10, 100, Hex(0xfff6e4), Hex(0xe4d4b4), 2);
    // Deck planks.
    SetCol(cr, Hex(0xc8b088), 0.8);
    cairo_set_line_width(cr, 1.2);
    for (int i = 1; i < 4; ++i) {
      cairo_move_to(cr, 40 + i * 10, 30);
      cairo_line_to(cr, 40 + i * 10, 94);
    }
    cairo_stroke(cr);
    // Windscreen and seat.
    cairo_move_to(cr, 42, 48);
    cairo_curve_to(cr, 50, 40, 70, 40, 78, 48);
    cairo_line_to(cr, 76, 54);
    cairo_curve_to(cr, 68, 48, 52, 48, 44, 54);
    cairo_close_path(cr);
    Shape(cr, 40, 54, Hex(0xb8ecff), Hex(0x4a9ad8), 2);
    RoundRectPath(cr, 44, 70, 32, 16, 5);
    Shape(cr, 70, 86, Hex(0x5a9ae8), Hex(0x2a5aa8), 2);
    Gloss(cr, 52, 24, 6, 10, 0.5);
  });
}

Pixels DrawCoffin(int choice) {
  const Col c = kAnswer[choice - 1];
  return Paint(260, 260, Finish::Alpha, [&](cairo_t* cr) {
    auto body = [&](double inset) {
      Polygon(cr, {{130 - 52 + inset, 10 + inset}, {130 + 52 - inset, 10 + inset}, {130 + 84 - inset, 74},
                   {130 + 56 - inset, 250 - inset}, {130 - 56 + inset, 250 - inset}, {130 - 84 + inset, 74}});
    };
    body(0);
    Shape(cr, 10, 250, Lighter(c, 0.2), Darker(c, 0.35), 4.5);
    body(12);
    FillVertical(cr, 22, 238, Lighter(c, 0.3), Darker(c, 0.15));
    SetCol(cr, Darker(c, 0.5), 0.8);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    // Wood grain.
    Noise n(static_cast<uint64_t>(choice) * 13);
    cairo_save(cr);
    body(12);
    cairo_clip(cr);
    SetCol(cr, Darker(c, 0.4), 0.25);
    cairo_set_line_width(cr, 1.6);
    for (int i = 0; i < 7; ++i) {
      const double x = 70 + i * 20 + n.Range(-4, 4);
      cairo_move_to(cr, x, 20);
      cairo_curve_to(cr, x + n.Range(-8, 8), 90, x + n.Range(-8, 8), 170, x + n.Range(-4, 4), 240);
      cairo_stroke(cr);
    }
    cairo_restore(cr);
    Gloss(cr, 112, 60, 34, 36, 0.25);
    // Nails at the corners.
    const double nails[6][2] = {{84, 18}, {176, 18}, {56, 76}, {204, 76}, {82, 240}, {178, 240}};
    for (auto& p : nails) {
      cairo_arc(cr, p[0], p[1], 3.5, 0, 2 * M_PI);
      ShapeBall(cr, p[0], p[1], 3.5, Hex(0xf0f0f8), Hex(0x7a7f90), 1.3);
    }
    // A silver plaque with the choice number, as on the choice buttons.
    cairo_arc(cr, 130, 118, 34, 0, 2 * M_PI);
    ShapeBall(cr, 130, 118, 34, Hex(0xffffff), Hex(0x9aa2b8), 3.5);
    const char digits[4][2] = {"1", "2", "3", "4"};
    LetterStyle s;
    s.face = Face::SansBold;
    s.size = 44;
    s.top = Lighter(c, 0.1);
    s.bottom = Darker(c, 0.15);
    s.outline = 5;
    Letter(cr, digits[choice - 1], 130, 119, s);
    // Brass handles on the sides.
    for (int side = -1; side <= 1; side += 2) {
      RoundRectPath(cr, 130 + side * 64 - 6, 150, 12, 36, 6);
      Shape(cr, 150, 186, Hex(0xffe27a), Hex(0xc08a10), 2.5);
    }
  });
}

Pixels DrawWoodShard() {
  return Paint(80, 80, Finish::Alpha, [](cairo_t* cr) {
    Polygon(cr, {{10, 52}, {30, 36}, {52, 30}, {72, 18}, {62, 36}, {68, 40}, {44, 54}, {24, 62}});
    Shape(cr, 18, 62, Hex(0xe8b070), Hex(0x8a5224), 2.8);
    cairo_move_to(cr, 22, 52);
    cairo_line_to(cr, 58, 34);
    SetCol(cr, Hex(0x6a3a14), 0.6);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  });
}
