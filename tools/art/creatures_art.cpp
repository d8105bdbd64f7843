// The zombie (nine shambling frames, 150 x 150, feet on the bottom edge) and the bat (four
// wing beats, 80 x 80). Both face left as drawn: the games start them walking and flying
// leftwards with the picture as it is, and mirror it when they turn round.
#include <cmath>

#include "art.h"
#include "figure.h"
#include "paint.h"
#include "style.h"

namespace {
constexpr Col kZombieSkin = Hex(0x9ad46a), kZombieShirt = Hex(0x8a5ac8), kZombieTrousers = Hex(0x6a5a48);

// Turns the canvas so that what is drawn facing right comes out facing left.
void FaceLeft(cairo_t* cr, double width) {
  cairo_translate(cr, width, 0);
  cairo_scale(cr, -1, 1);
}

void ZombieShoe(cairo_t* cr, Pt ankle) {
  RoundRectPath(cr, ankle.x - 8, ankle.y - 4, 24, 11, 5);
  Shape(cr, ankle.y - 4, ankle.y + 7, Hex(0x7a6a5a), Hex(0x4a3a2e), 2.6);
}

void ZombieLeg(cairo_t* cr, Pt hip, double hipDeg, double kneeDeg) {
  const Pt knee = Swing(hip, 22, hipDeg);
  const Pt ankle = Swing(knee, 22, hipDeg - kneeDeg);
  const Pt skin[2] = {knee, ankle};
  Limb(cr, skin, 2, 10, kZombieSkin, 2.6);
  const Pt trousers[3] = {hip, knee, Swing(knee, 9, hipDeg - kneeDeg)};
  Limb(cr, trousers, 3, 15, kZombieTrousers, 2.6);
  ZombieShoe(cr, ankle);
}

void ZombieArm(cairo_t* cr, Pt shoulder, double deg, double elbow, bool front) {
  const Pt e = Swing(shoulder, 20, deg);
  const Pt h = Swing(e, 20, deg + elbow);
  const Pt j[3] = {shoulder, e, h};
  Limb(cr, j, 3, 9, front ? kZombieSkin : Darker(kZombieSkin, 0.12), 2.6);
  const Pt sleeve[2] = {shoulder, Swing(shoulder, 11, deg)};
  Limb(cr, sleeve, 2, 14, front ? kZombieShirt : Darker(kZombieShirt, 0.12), 2.6);
  // Three dangling fingers.
  for (int i = -1; i <= 1; ++i) {
    const Pt f[2] = {h, Swing(h, 7, deg + elbow + 20 * i)};
    Limb(cr, f, 2, 3.5, front ? kZombieSkin : Darker(kZombieSkin, 0.12), 1.8);
  }
}

double LegReach(double hipDeg, double kneeDeg) {
  const Pt knee = Swing({0, 0}, 22, hipDeg);
  return Swing(knee, 22, hipDeg - kneeDeg).y;
}
}  // namespace

Pixels DrawZombie(int frame) {
  // One shambling stride over the nine frames (frame 1..9).
  const double phase = 2 * M_PI * (frame - 1) / 9.0;
  const double swing = std::sin(phase);
  const double backHip = -24 * swing, frontHip = 24 * swing;
  const double backKnee = 8 + 14 * std::max(0.0, swing), frontKnee = 8 + 14 * std::max(0.0, -swing);
  return Paint(150, 150, Finish::Holes, [&](cairo_t* cr) {
    FaceLeft(cr, 150);
    const double reach = std::max(LegReach(backHip, backKnee), LegReach(frontHip, frontKnee));
    const double hipY = 148 - 7 - reach;
    cairo_translate(cr, 0, hipY - 100);
    const double sway = 2 * std::cos(phase * 2);
    ZombieArm(cr, {76, 62 + sway * 0.3}, 86 + 6 * std::cos(phase), -8, false);
    ZombieLeg(cr, {66, 100}, backHip, backKnee);
    ZombieLeg(cr, {78, 100}, frontHip, frontKnee);
    // Torso in a torn shirt.
    cairo_move_to(cr, 52, 58);
    cairo_curve_to(cr, 62, 52, 84, 52, 92, 58);
    cairo_line_to(cr, 94, 96);
    cairo_line_to(cr, 86, 104);
    cairo_line_to(cr, 80, 97);
    cairo_line_to(cr, 72, 105);
    cairo_line_to(cr, 64, 97);
    cairo_line_to(cr, 56, 104);
    cairo_line_to(cr, 50, 96);
    cairo_close_path(cr);
    Shape(cr, 52, 104, Lighter(kZombieShirt, 0.2), Darker(kZombieShirt, 0.2), 2.8);
    // A patch on the shirt.
    RoundRectPath(cr, 58, 70, 12, 11, 2);
    Shape(cr, 70, 81, Hex(0xffc84a), Hex(0xe0a020), 1.8);
    cairo_move_to(cr, 60, 72);
    cairo_line_to(cr, 68, 79);
    SetCol(cr, kInk);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    // Head, tilted forward, with a tuft of hair and mismatched eyes.
    cairo_save(cr);
    cairo_translate(cr, 78, 34 + sway * 0.5);
    cairo_rotate(cr, 0.12 + 0.04 * std::sin(phase));
    EllipsePath(cr, 0, 0, 25, 23);
    ShapeBall(cr, 0, 0, 25, Lighter(kZombieSkin, 0.3), Darker(kZombieSkin, 0.15), 3);
    cairo_move_to(cr, -14, -18);
    cairo_curve_to(cr, -10, -32, -2, -26, 0, -22);
    cairo_curve_to(cr, 2, -32, 10, -30, 8, -20);
    SetCol(cr, Hex(0x3a4a2a));
    cairo_set_line_width(cr, 3.5);
    cairo_stroke(cr);
    cairo_arc(cr, 9, -4, 8.5, 0, 2 * M_PI);
    SetCol(cr, Hex(0xfffbe8));
    cairo_fill_preserve(cr);
    Outline(cr, 2);
    cairo_arc(cr, 11, -3, 3, 0, 2 * M_PI);
    SetCol(cr, kInk);
    cairo_fill(cr);
    cairo_arc(cr, 21, -2, 5.5, 0, 2 * M_PI);
    SetCol(cr, Hex(0xfffbe8));
    cairo_fill_preserve(cr);
    Outline(cr, 2);
    cairo_arc(cr, 22.5, -1, 2.2, 0, 2 * M_PI);
    SetCol(cr, kInk);
    cairo_fill(cr);
    // Droopy lids.
    cairo_arc(cr, 9, -4, 8.5, 1.1 * M_PI, 1.9 * M_PI);
    cairo_close_path(cr);
    SetCol(cr, Darker(kZombieSkin, 0.1));
    cairo_fill_preserve(cr);
    Outline(cr, 2);
    // Open mouth with one tooth, and a stitched scar.
    EllipsePath(cr, 14, 12, 7, 4.5);
    SetCol(cr, Hex(0x4a1a2a));
    cairo_fill_preserve(cr);
    Outline(cr, 2);
    cairo_rectangle(cr, 12, 7.5, 3.5, 3.5);
    SetCol(cr, kWhite);
    cairo_fill(cr);
    cairo_move_to(cr, -16, 2);
    cairo_line_to(cr, -6, 10);
    for (int i = 0; i < 3; ++i) {
      const double x = -14 + i * 3.5, y = 3.5 + i * 2.8;
      cairo_move_to(cr, x - 2, y + 2.5);
      cairo_line_to(cr, x + 2, y - 2.5);
    }
    SetCol(cr, Hex(0x3a4a2a));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_restore(cr);
    ZombieArm(cr, {84, 64 + sway * 0.3}, 84 - 6 * std::cos(phase), -6, true);
  });
}

Pixels DrawBat(int frame) {
  // Wings up, level, down, level again (frame 1..4).
  const double wing[5] = {0, -55, -10, 35, 0};
  const double a = wing[frame] * M_PI / 180;
  return Paint(80, 80, Finish::Holes, [&](cairo_t* cr) {
    FaceLeft(cr, 80);
    const Col fur = Hex(0x7a4ab8), membrane = Hex(0xa87ae0);
    for (int side = -1; side <= 1; side += 2) {
      cairo_save(cr);
      cairo_translate(cr, 40, 40);
      cairo_scale(cr, side, 1);
      cairo_rotate(cr, a);
      // A scalloped wing reaching out from the shoulder.
      cairo_move_to(cr, 4, -4);
      cairo_curve_to(cr, 14, -16, 28, -18, 37, -10);
      cairo_curve_to(cr, 33, -3, 34, 2, 36, 8);
      cairo_curve_to(cr, 30, 4, 26, 6, 24, 12);
      cairo_curve_to(cr, 20, 6, 14, 6, 11, 11);
      cairo_curve_to(cr, 9, 5, 6, 4, 4, 6);
      cairo_close_path(cr);
      Shape(cr, -18, 12, Lighter(membrane, 0.2), fur, 2.4);
      cairo_move_to(cr, 6, -3);
      cairo_line_to(cr, 24, 11);
      cairo_move_to(cr, 8, -4);
      cairo_line_to(cr, 35, 7);
      SetCol(cr, Darker(fur, 0.3), 0.7);
      cairo_set_line_width(cr, 1.3);
      cairo_stroke(cr);
      cairo_restore(cr);
    }
    // Ears, body and face.
    for (int side = -1; side <= 1; side += 2) {
      cairo_move_to(cr, 40 + side * 5, 30);
      cairo_line_to(cr, 40 + side * 11, 20);
      cairo_line_to(cr, 40 + side * 12, 33);
      cairo_close_path(cr);
      Shape(cr, 20, 33, Lighter(fur, 0.2), fur, 2.2);
    }
    EllipsePath(cr, 40, 42, 13, 14);
    ShapeBall(cr, 40, 42, 14, Lighter(fur, 0.35), Darker(fur, 0.25), 2.6);
    for (int side = -1; side <= 1; side += 2) {
      cairo_arc(cr, 43 + side * 5, 38, 4.2, 0, 2 * M_PI);
      SetCol(cr, Hex(0xfff27a));
      cairo_fill_preserve(cr);
      Outline(cr, 1.5);
      cairo_arc(cr, 44.2 + side * 5, 38.4, 1.8, 0, 2 * M_PI);
      SetCol(cr, kInk);
      cairo_fill(cr);
    }
    cairo_arc(cr, 44, 46, 4, 0.1 * M_PI, 0.9 * M_PI);
    SetCol(cr, kInk);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    for (int side = -1; side <= 1; side += 2) {
      cairo_move_to(cr, 44 + side * 2.5 - 1.2, 49.3);
      cairo_line_to(cr, 44 + side * 2.5, 52.5);
      cairo_line_to(cr, 44 + side * 2.5 + 1.2, 49.3);
      cairo_close_path(cr);
      SetCol(cr, kWhite);
      cairo_fill(cr);
    }
  });
}
