// The white cartoon glove, shared by the glove pointer and the tip bubble's clicking hints.
#pragma once
#include <cairo.h>

// Draws the glove with its index fingertip at (tipX, tipY), the hand below and to the right,
// `scale` 1 being the pointer's own size; `press` (0..1) bends the finger down a little.
void DrawGloveHand(cairo_t* cr, double tipX, double tipY, double scale, double press);
