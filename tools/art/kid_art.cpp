// The kid of the platform game: idle, walking, jumping, falling and knocked dizzy. Drawn
// 160 x 160 facing right with the feet on y 158, the body centred near x 78, so every frame
// of a cycle stands on the same line.
#include <algorithm>
#include <cmath>

#include "art.h"
#include "figure.h"
#include "paint.h"
#include "style.h"

namespace {
constexpr Col kSkin = Hex(0xffcf9e), kShirt = Hex(0x2eb8a8), kShorts = Hex(0x3a5ab8);
constexpr Col kHair = Hex(0x7a4322), kShoe = Hex(0xe8353b), kCap = Hex(0xffb020);
constexpr double kThigh = 22, kShin = 21;

struct KidPose {
  double backHip, backKnee, frontHip, frontKnee;  // degrees from straight down (+ = forwards)
  double backShoulder, backElbow, frontShoulder, frontElbow;
  double lift = 0;       // extra height of the hip above standing (jumps)
  bool grounded = true;  // place the lowest foot on the ground line
  double lean = 0;       // body tilt, degrees
  int face = 0;          // 0 happy, 1 effort, 2 dizzy
  double blink = 0;
};

void Shoe(cairo_t* cr, Pt ankle, double deg) {
  cairo_save(cr);
  cairo_translate(cr, ankle.x, ankle.y);
  cairo_rotate(cr, -deg * M_PI / 180 * 0.5);
  RoundRectPath(cr, -7, -3, 19, 10, 5);
  Shape(cr, -3, 7, Lighter(kShoe, 0.2), Darker(kShoe, 0.2), 2.5);
  cairo_move_to(cr, -6, 5);
  cairo_line_to(cr, 11, 5);
  SetCol(cr, kWhite);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void Leg(cairo_t* cr, Pt hip, double hipDeg, double kneeDeg) {
  const Pt knee = Swing(hip, kThigh, hipDeg);
  const Pt ankle = Swing(knee, kShin, hipDeg - kneeDeg);
  const Pt j[3] = {hip, knee, ankle};
  Limb(cr, j, 3, 10, kSkin, 2.6);
  const Pt shorts[2] = {hip, Swing(hip, 11, hipDeg)};
  Limb(cr, shorts, 2, 14, kShorts, 2.6);
  Shoe(cr, ankle, hipDeg - kneeDeg);
}

void Arm(cairo_t* cr, Pt shoulder, double deg, double elbowDeg) {
  const Pt elbow = Swing(shoulder, 17, deg);
  const Pt hand = Swing(elbow, 16, deg + elbowDeg);
  const Pt j[3] = {shoulder, elbow, hand};
  Limb(cr, j, 3, 8.5, kSkin, 2.6);
  const Pt sleeve[2] = {shoulder, Swing(shoulder, 7, deg)};
  Limb(cr, sleeve, 2, 12, kShirt, 2.6);
  cairo_arc(cr, hand.x, hand.y, 5.5, 0, 2 * M_PI);
  ShapeBall(cr, hand.x, hand.y, 5.5, Lighter(kSkin, 0.3), Darker(kSkin, 0.1), 2.4);
}

// How far below the hip a leg reaches.
double Reach(double hipDeg, double kneeDeg) {
  const Pt knee = Swing({0, 0}, kThigh, hipDeg);
  return Swing(knee, kShin, hipDeg - kneeDeg).y;
}

void Head(cairo_t* cr, const KidPose& p) {
  // Cap back and hair.
  cairo_arc(cr, 80, 44, 29, 0, 2 * M_PI);
  ShapeBall(cr, 80, 44, 29, Lighter(kSkin, 0.35), Darker(kSkin, 0.08), 3);
  cairo_move_to(cr, 52, 48);
  cairo_curve_to(cr, 48, 30, 60, 14, 80, 14);
  cairo_curve_to(cr, 96, 14, 106, 22, 108, 32);
  cairo_line_to(cr, 70, 34);
  cairo_curve_to(cr, 66, 40, 62, 50, 58, 56);
  cairo_close_path(cr);
  Shape(cr, 14, 56, Lighter(kHair, 0.2), Darker(kHair, 0.2), 2.6);
  // Cap with its peak to the front.
  cairo_move_to(cr, 54, 30);
  cairo_curve_to(cr, 56, 8, 100, 4, 106, 28);
  cairo_close_path(cr);
  Shape(cr, 6, 30, Lighter(kCap, 0.2), Darker(kCap, 0.15), 2.8);
  cairo_move_to(cr, 96, 26);
  cairo_curve_to(cr, 108, 22, 120, 24, 124, 30);
  cairo_curve_to(cr, 116, 33, 104, 32, 96, 31);
  cairo_close_path(cr);
  Shape(cr, 22, 33, Hex(0xe8353b), Hex(0xb01e28), 2.6);
  // Ear.
  EllipsePath(cr, 66, 48, 5, 7);
  ShapeBall(cr, 66, 48, 7, Lighter(kSkin, 0.2), Darker(kSkin, 0.15), 2.2);
  // Face, looking right.
  if (p.face == 2) {
    for (double ex : {86.0, 100.0}) {
      cairo_move_to(cr, ex - 4, 39);
      cairo_line_to(cr, ex + 4, 47);
      cairo_move_to(cr, ex + 4, 39);
      cairo_line_to(cr, ex - 4, 47);
    }
    SetCol(cr, kInk);
    cairo_set_line_width(cr, 2.6);
    cairo_stroke(cr);
    EllipsePath(cr, 94, 60, 5, 4);
    SetCol(cr, Hex(0x8a2a2a));
    cairo_fill_preserve(cr);
    Outline(cr, 2);
  } else {
    for (double ex : {87.0, 101.0}) {
      if (p.blink > 0.5) {
        cairo_move_to(cr, ex - 4, 43);
        cairo_line_to(cr, ex + 4, 43);
        SetCol(cr, kInk);
        cairo_set_line_width(cr, 2.4);
        cairo_stroke(cr);
      } else {
        EllipsePath(cr, ex, 42, 4.4, 6);
        SetCol(cr, kWhite);
        cairo_fill_preserve(cr);
        Outline(cr, 1.8);
        EllipsePath(cr, ex + 1.6, 43, 2.6, 3.6);
        SetCol(cr, kInk);
        cairo_fill(cr);
        cairo_arc(cr, ex + 2.4, 41.2, 1.1, 0, 2 * M_PI);
        SetCol(cr, kWhite);
        cairo_fill(cr);
      }
    }
    // Nose, cheek and mouth.
    cairo_arc(cr, 106, 50, 3.2, 0, 2 * M_PI);
    ShapeBall(cr, 106, 50, 3.2, Lighter(kSkin, 0.2), Darker(kSkin, 0.15), 1.8);
    cairo_arc(cr, 84, 54, 4.5, 0, 2 * M_PI);
    SetCol(cr, Hex(0xff8a8a), 0.5);
    cairo_fill(cr);
    if (p.face == 1) {
      EllipsePath(cr, 97, 60, 4.5, 3.5);
      SetCol(cr, Hex(0x8a2a2a));
      cairo_fill_preserve(cr);
      Outline(cr, 1.8);
    } else {
      cairo_arc(cr, 96, 55, 7, 0.2 * M_PI, 0.8 * M_PI);
      SetCol(cr, kInk);
      cairo_set_line_width(cr, 2.4);
      cairo_stroke(cr);
    }
  }
}

void DizzyStars(cairo_t* cr) {
  const double pos[3][2] = {{58, 12}, {84, 4}, {110, 12}};
  for (auto& s : pos) {
    StarPath(cr, s[0], s[1] + 4, 6, 2.6, 5, 10);
    SetCol(cr, Hex(0xffe03a));
    cairo_fill_preserve(cr);
    Outline(cr, 1.8);
  }
}

Pixels Kid(const KidPose& p) {
  return Paint(160, 160, Finish::Holes, [&](cairo_t* cr) {
    // Standing, the hip sits so that the lower foot's sole touches y 158.
    const double reach = std::max(Reach(p.backHip, p.backKnee), Reach(p.frontHip, p.frontKnee));
    const double hipY = (p.grounded ? 158 - 7 - reach : 108) - p.lift;
    const double dy = hipY - 110;
    cairo_save(cr);
    cairo_translate(cr, 0, dy);
    cairo_translate(cr, 78, 110);
    cairo_rotate(cr, p.lean * M_PI / 180);
    cairo_translate(cr, -78, -110);
    Arm(cr, {72, 80}, p.backShoulder, p.backElbow);
    Leg(cr, {72, 108}, p.backHip, p.backKnee);
    Leg(cr, {82, 108}, p.frontHip, p.frontKnee);
    // Shirt with a star on it.
    cairo_move_to(cr, 62, 76);
    cairo_curve_to(cr, 70, 70, 88, 70, 96, 76);
    cairo_line_to(cr, 98, 110);
    cairo_curve_to(cr, 86, 114, 70, 114, 60, 110);
    cairo_close_path(cr);
    Shape(cr, 70, 114, Lighter(kShirt, 0.2), Darker(kShirt, 0.2), 2.8);
    StarPath(cr, 80, 92, 8, 3.5, 5, 0);
    SetCol(cr, Hex(0xfff27a));
    cairo_fill_preserve(cr);
    Outline(cr, 1.6);
    Head(cr, p);
    if (p.face == 2) DizzyStars(cr);
    Arm(cr, {86, 80}, p.frontShoulder, p.frontElbow);
    cairo_restore(cr);
  });
}
}  // namespace

Pixels DrawKidIdle(int frame) {
  // A gentle breath: the arms sway a little; the last frame blinks.
  KidPose p{-4, 0, 6, 0, -8, 10, 10, 12};
  p.backShoulder += frame * 2;
  p.frontShoulder -= frame * 2;
  p.lift = frame == 1 ? 1 : 0;
  p.blink = frame == 2 ? 1 : 0;
  return Kid(p);
}

Pixels DrawKidWalk(int frame) {
  // Frames 0..4 swing from one stride to the other; the game plays 0 1 2 3 4 3 2 1.
  const double t = -1.0 + frame * 0.5;
  KidPose p{-28 * t, 6 + 24 * std::max(0.0, t), 28 * t, 6 + 24 * std::max(0.0, -t), 30 * t, 20, -30 * t, 25};
  p.lean = 4;
  return Kid(p);
}

Pixels DrawKidJump() {
  KidPose p{-10, 70, 40, 80, -150, 20, 100, -25};
  p.grounded = false;
  p.lift = 6;
  p.face = 1;
  return Kid(p);
}

Pixels DrawKidFall() {
  KidPose p{-18, 20, 20, 30, 120, 20, 110, 30};
  p.grounded = false;
  p.face = 1;
  return Kid(p);
}

Pixels DrawKidDead() {
  KidPose p{-20, 10, 20, 10, 60, 30, -60, -30};
  p.grounded = false;
  p.lean = -10;
  p.face = 2;
  return Kid(p);
}
