// The jetpack robot (200 x 200, facing right, treads on y 198, head top near y 10) in its
// idle, driving, stopping, lift-off and flying frames, and the workshop's claw and arm.
#include <cmath>

#include "art.h"
#include "figure.h"
#include "paint.h"
#include "style.h"

namespace {
constexpr Col kMetal = Hex(0xdfe6f2), kMetalDark = Hex(0x8e9ab4), kTrim = Hex(0xff8a1f);

struct RobotPose {
  double lean = 0;      // degrees, + = forwards
  double crouch = 0;    // body lowered by this many pixels
  double flame = 0;     // jet flame length, 0 = off
  double tread = 0;     // tread pattern offset (driving)
  double armDeg = 10;   // arm swing, degrees from down
  bool eyesClosed = false;
  bool lampOn = true;
  double tuck = 0;      // 0..1: treads pulled up under the body in flight
};

void Flame(cairo_t* cr, double x, double y, double len) {
  if (len <= 0) return;
  cairo_move_to(cr, x - 9, y);
  cairo_curve_to(cr, x - 10, y + len * 0.5, x - 3, y + len * 0.8, x, y + len);
  cairo_curve_to(cr, x + 3, y + len * 0.8, x + 10, y + len * 0.5, x + 9, y);
  cairo_close_path(cr);
  Shape(cr, y, y + len, Hex(0xfff6b0), Hex(0xff5a10), 2.4);
  cairo_move_to(cr, x - 4, y);
  cairo_curve_to(cr, x - 4, y + len * 0.4, x - 1, y + len * 0.55, x, y + len * 0.6);
  cairo_curve_to(cr, x + 1, y + len * 0.55, x + 4, y + len * 0.4, x + 4, y);
  cairo_close_path(cr);
  SetCol(cr, kWhite, 0.9);
  cairo_fill(cr);
}

void Treads(cairo_t* cr, const RobotPose& p) {
  const double top = 160 - p.tuck * 4, bottom = 198 - p.tuck * 12;
  RoundRectPath(cr, 62, top, 92, bottom - top, 15);
  Shape(cr, top, bottom, Hex(0x5a6078), Hex(0x2a2e40), 3);
  // Tread blocks slide along the belt as the robot drives.
  cairo_save(cr);
  RoundRectPath(cr, 62, top, 92, bottom - top, 15);
  cairo_clip(cr);
  SetCol(cr, Hex(0x8a90a8));
  for (int i = -1; i < 10; ++i) {
    const double x = 64 + i * 11 + std::fmod(p.tread, 11.0);
    cairo_rectangle(cr, x, top + 1, 5, 4);
    cairo_rectangle(cr, x, bottom - 5, 5, 4);
  }
  cairo_fill(cr);
  cairo_restore(cr);
  for (double wx : {78.0, 108.0, 138.0}) {
    const double wy = (top + bottom) / 2;
    cairo_arc(cr, wx, wy, 9, 0, 2 * M_PI);
    ShapeBall(cr, wx, wy, 9, Hex(0xc8d0e0), Hex(0x5a6078), 2.4);
    const double a = p.tread / 9.0;
    cairo_move_to(cr, wx + 5 * std::cos(a), wy + 5 * std::sin(a));
    cairo_line_to(cr, wx - 5 * std::cos(a), wy - 5 * std::sin(a));
    SetCol(cr, Hex(0x3a3f55));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
}

void Arm(cairo_t* cr, Pt shoulder, double deg, bool front) {
  const Pt elbow = Swing(shoulder, 20, deg);
  const Pt hand = Swing(elbow, 18, deg - 25);
  const Pt j[3] = {shoulder, elbow, hand};
  Limb(cr, j, 3, 8, front ? kMetalDark : Darker(kMetalDark, 0.2), 2.6);
  cairo_arc(cr, elbow.x, elbow.y, 5, 0, 2 * M_PI);
  ShapeBall(cr, elbow.x, elbow.y, 5, kTrim, Darker(kTrim, 0.3), 2);
  // A two-finger gripper.
  cairo_arc(cr, hand.x, hand.y, 7, 0, 2 * M_PI);
  ShapeBall(cr, hand.x, hand.y, 7, kMetal, kMetalDark, 2.4);
}

Pixels Robot(const RobotPose& p) {
  return Paint(200, 200, Finish::Holes, [&](cairo_t* cr) {
    Treads(cr, p);
    cairo_save(cr);
    // The body pivots on the tread axle.
    cairo_translate(cr, 108, 170);
    cairo_rotate(cr, p.lean * M_PI / 180);
    cairo_translate(cr, -108, -170 + p.crouch);
    // Jet pack on the back (left, since the robot faces right).
    Flame(cr, 48, 152, p.flame);
    RoundRectPath(cr, 30, 92, 28, 58, 9);
    Shape(cr, 92, 150, Hex(0xff6a6a), Hex(0xb01e28), 3);
    RoundRectPath(cr, 38, 146, 20, 10, 3);
    Shape(cr, 146, 156, Hex(0x8a90a8), Hex(0x3a3f55), 2.4);
    Arm(cr, {68, 106}, p.armDeg - 12, false);
    // Neck and torso.
    RoundRectPath(cr, 96, 80, 22, 16, 4);
    Shape(cr, 80, 96, kMetalDark, Darker(kMetalDark, 0.3), 2.4);
    RoundRectPath(cr, 56, 92, 100, 74, 18);
    Shape(cr, 92, 166, Lighter(kMetal, 0.4), kMetalDark, 3.2);
    Gloss(cr, 94, 102, 30, 6, 0.5);
    // Chest light panel.
    RoundRectPath(cr, 100, 112, 40, 26, 7);
    Shape(cr, 112, 138, Hex(0x3a3f58), Hex(0x1d2030), 2.4);
    const Col lights[3] = {kAnswerGreen, kAnswerYellow, kAnswerRed};
    for (int i = 0; i < 3; ++i) {
      cairo_arc(cr, 110 + i * 10, 125, 3.6, 0, 2 * M_PI);
      SetCol(cr, p.lampOn || i != 1 ? Lighter(lights[i], 0.2) : Darker(lights[i], 0.5));
      cairo_fill(cr);
    }
    // Head: a rounded box with a screen face.
    RoundRectPath(cr, 60, 16, 96, 68, 22);
    Shape(cr, 16, 84, Lighter(kMetal, 0.4), kMetalDark, 3.2);
    RoundRectPath(cr, 78, 28, 72, 44, 14);
    Shape(cr, 28, 72, Hex(0x2a4a6a), Hex(0x122236), 2.6);
    for (double ex : {104.0, 132.0}) {
      if (p.eyesClosed) {
        cairo_move_to(cr, ex - 7, 48);
        cairo_line_to(cr, ex + 7, 48);
        SetCol(cr, Hex(0x7ff0ff));
        cairo_set_line_width(cr, 3.5);
        cairo_stroke(cr);
      } else {
        EllipsePath(cr, ex, 46, 7, 9);
        SetCol(cr, Hex(0x7ff0ff));
        cairo_fill(cr);
        cairo_arc(cr, ex + 2, 43, 2.4, 0, 2 * M_PI);
        SetCol(cr, kWhite);
        cairo_fill(cr);
      }
    }
    cairo_arc(cr, 118, 60, 7, 0.15 * M_PI, 0.85 * M_PI);
    SetCol(cr, Hex(0x7ff0ff));
    cairo_set_line_width(cr, 2.6);
    cairo_stroke(cr);
    Gloss(cr, 96, 22, 24, 4, 0.6);
    // Ear bolt and antenna.
    cairo_arc(cr, 64, 50, 7, 0, 2 * M_PI);
    ShapeBall(cr, 64, 50, 7, kTrim, Darker(kTrim, 0.3), 2.4);
    cairo_move_to(cr, 84, 16);
    cairo_line_to(cr, 78, 6);
    SetCol(cr, kInk);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_move_to(cr, 84, 16);
    cairo_line_to(cr, 78, 6);
    SetCol(cr, kMetalDark);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_arc(cr, 77, 6, 4.5, 0, 2 * M_PI);
    ShapeBall(cr, 77, 6, 4.5, p.lampOn ? Hex(0xfff27a) : Hex(0xc8a040), p.lampOn ? Hex(0xff8a10) : Hex(0x7a5a20), 2);
    Arm(cr, {148, 106}, p.armDeg, true);
    cairo_restore(cr);
  });
}
}  // namespace

Pixels DrawRobotIdle(int frame) {
  RobotPose p;
  p.crouch = frame;
  p.lampOn = frame == 0;
  return Robot(p);
}

Pixels DrawRobotDrive(int frame) {
  RobotPose p;
  p.lean = 6;
  p.tread = frame * 5.5;
  p.armDeg = -20;
  p.crouch = frame;
  return Robot(p);
}

Pixels DrawRobotBored(int frame) {
  // Stopping after a drive: the body rocks forwards, back, and settles.
  const double lean[4] = {12, 6, -4, 1};
  RobotPose p;
  p.lean = lean[frame];
  p.armDeg = 10 + lean[frame] * 2;
  p.eyesClosed = frame == 3;
  return Robot(p);
}

Pixels DrawRobotGoFly(int frame) {
  // Lift-off: crouch, jet lights up, treads fold, full thrust.
  const double crouch[4] = {6, 3, 0, 0}, flame[4] = {8, 18, 30, 40}, tuck[4] = {0, 0.3, 0.7, 1};
  RobotPose p;
  p.crouch = crouch[frame];
  p.flame = flame[frame];
  p.tuck = tuck[frame];
  p.armDeg = 20 + frame * 15;
  return Robot(p);
}

Pixels DrawRobotFly(int frame) {
  // Hovering: the flame flickers (the game plays 0 1 2 1).
  const double flame[3] = {40, 34, 44};
  RobotPose p;
  p.flame = flame[frame];
  p.tuck = 1;
  p.lean = 4;
  p.armDeg = 70 + frame * 5;
  p.crouch = frame == 1 ? -1 : 0;
  return Robot(p);
}

Pixels DrawGrabber() {
  // The claw: rod from the top edge (continued above by the arm picture), a hub, and two
  // fingers closing round a gem that hangs at (78..142, 180..244) below it.
  return Paint(220, 220, Finish::Alpha, [](cairo_t* cr) {
    RoundRectPath(cr, 102, -10, 16, 122, 5);
    cairo_pattern_t* p = cairo_pattern_create_linear(102, 0, 118, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.55, 0.58, 0.66);
    cairo_pattern_add_color_stop_rgb(p, 0.4, 0.92, 0.94, 0.98);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.45, 0.48, 0.56);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    Outline(cr, 3);
    // Fingers, drawn before the hub so their roots hide under it.
    for (int side = -1; side <= 1; side += 2) {
      cairo_save(cr);
      cairo_translate(cr, 110, 0);
      cairo_scale(cr, side, 1);
      cairo_move_to(cr, 14, 140);
      cairo_curve_to(cr, 44, 150, 50, 182, 34, 212);
      cairo_line_to(cr, 24, 206);
      cairo_curve_to(cr, 34, 184, 30, 160, 8, 152);
      cairo_close_path(cr);
      Shape(cr, 140, 212, Hex(0xffb43c), Hex(0xd86a10), 3);
      cairo_arc(cr, 29, 209, 6, 0, 2 * M_PI);
      ShapeBall(cr, 29, 209, 6, Hex(0x8a90a8), Hex(0x3a3f55), 2.4);
      cairo_restore(cr);
    }
    RoundRectPath(cr, 78, 108, 64, 44, 14);
    Shape(cr, 108, 152, Hex(0xe4e8f2), Hex(0x7a84a0), 3);
    cairo_arc(cr, 110, 130, 8, 0, 2 * M_PI);
    ShapeBall(cr, 110, 130, 8, Hex(0xff8a8a), Hex(0xc8141e), 2.4);
    for (double bx : {88.0, 132.0}) {
      cairo_arc(cr, bx, 130, 3, 0, 2 * M_PI);
      ShapeBall(cr, bx, 130, 3, kWhite, Hex(0x7a84a0), 1.5);
    }
  });
}

Pixels DrawGrabberArm() {
  // The rod again, the full height of the picture, with a joint collar: it continues the claw
  // upwards out of the screen.
  return Paint(220, 220, Finish::Alpha, [](cairo_t* cr) {
    cairo_rectangle(cr, 102, -4, 16, 228);
    cairo_pattern_t* p = cairo_pattern_create_linear(102, 0, 118, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.55, 0.58, 0.66);
    cairo_pattern_add_color_stop_rgb(p, 0.4, 0.92, 0.94, 0.98);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.45, 0.48, 0.56);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    Outline(cr, 3);
    RoundRectPath(cr, 96, 96, 28, 22, 5);
    Shape(cr, 96, 118, Hex(0xffb43c), Hex(0xd86a10), 3);
  });
}
