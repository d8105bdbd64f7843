// The forge's shared look: palette, outlines, soft shading and common shapes.
#pragma once
#include <cairo.h>

#include <cstdint>

struct Col {
  double r, g, b;
};

constexpr Col Hex(uint32_t rgb) {
  return {((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0};
}

// Dark lines: near-black so that pictures loaded with "black is a hole" keep them.
inline constexpr Col kInk = Hex(0x14141e);
inline constexpr Col kWhite = Hex(0xffffff);
// The four answer colours, one hue each, used by buttons, gems and coffins alike.
inline constexpr Col kAnswerBlue = Hex(0x2e7be6);
inline constexpr Col kAnswerYellow = Hex(0xffcc1a);
inline constexpr Col kAnswerRed = Hex(0xe8353b);
inline constexpr Col kAnswerGreen = Hex(0x35b84a);
inline constexpr Col kAnswer[4] = {kAnswerBlue, kAnswerYellow, kAnswerRed, kAnswerGreen};

Col Mix(Col a, Col b, double t);
Col Lighter(Col c, double t);  // towards white
Col Darker(Col c, double t);   // towards black

void SetCol(cairo_t* cr, Col c, double alpha = 1.0);

// Paths (they start a new sub-path and leave the current path for the caller to fill or stroke).
void RoundRectPath(cairo_t* cr, double x, double y, double w, double h, double r);
void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry);
void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double turnDeg);

// Fills the current path with a vertical gradient, keeping the path.
void FillVertical(cairo_t* cr, double y0, double y1, Col top, Col bottom);
// Fills the current path with a ball-like shade lit from the upper left, keeping the path.
void FillBall(cairo_t* cr, double cx, double cy, double r, Col light, Col dark);
// Strokes the current path in ink and clears it.
void Outline(cairo_t* cr, double width, Col ink = kInk);
// A soft white gloss in the upper part of a shape's box.
void Gloss(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha);

// Vertical gradient fill plus ink outline of the current path, which is consumed.
void Shape(cairo_t* cr, double y0, double y1, Col top, Col bottom, double outline);
// Ball shade plus ink outline of the current path, which is consumed.
void ShapeBall(cairo_t* cr, double cx, double cy, double r, Col light, Col dark, double outline);
// A soft dark blob under an object, as if it stood on something.
void DropShadow(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha);
