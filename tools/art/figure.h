// Helpers for drawing jointed cartoon figures: limbs as outlined strokes, and two-bone legs
// and arms placed by angles.
#pragma once
#include <cairo.h>

#include "style.h"

struct Pt {
  double x, y;
};

// A point `len` away from `from` at `deg` degrees from straight down, turning towards +x.
Pt Swing(Pt from, double len, double deg);

// A limb through the given joints: an ink stroke under a coloured one, round ends.
void Limb(cairo_t* cr, const Pt* joints, int count, double width, Col colour, double outline = 3);
