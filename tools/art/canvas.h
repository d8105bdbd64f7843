// A Cairo drawing surface for one picture and the ways a finished picture is turned into file pixels.
#pragma once
#include <cairo.h>

#include "png_out.h"

struct Canvas {
  int width = 0;
  int height = 0;
  cairo_surface_t* surface = nullptr;
  cairo_t* cr = nullptr;
};

Canvas NewCanvas(int width, int height);
void FreeCanvas(Canvas& c);

// How the game treats the picture's pixels decides how the forge finishes them.
enum class Finish {
  Alpha,     // load mode 12: the picture's own soft alpha
  Holes,     // load mode 4 sprite: half-covered pixels and more become opaque, the rest pure black
             // (a hole); a pure black that should show is lifted to near-black
  Light,     // load mode 4 glow or paper/shadow picture drawn on an opaque ground: colours kept
             // as they are, pure black stays black (a hole, or "no light" when added)
  Solid,     // load mode 4 scene (backgrounds, title): fully opaque, a pure black lifted to near-black
  Opaque24,  // 24-bit picture without alpha (the options window's banner), flattened on its ground
};

Pixels FinishCanvas(const Canvas& c, Finish how);
