// Where the four corners of a quad land on the surface. The real renderer and the
// recording fake both use this, so a test sees exactly the geometry that is drawn.
#pragma once
#include "platform/video.h"

struct QuadShape {
    int width = 0, height = 0;   // drawn size
    float angle = 0;             // degrees, clockwise about the centre
    bool shaped = false;         // corners set explicitly by ShapeQuad
    QuadCorner corners[4];       // clockwise from the texture's top-left, offsets from the draw position
};

// Corners on the surface for a draw at (x, y), clockwise from the texture's top-left.
void PlaceQuad(const QuadShape& shape, float x, float y, QuadCorner out[4]);
