#include "render/mirror.h"

#include "platform/video.h"

void MirrorQuad(int quad, float size, int mode) {
    const float s = size;
    // Corners clockwise from the texture's top-left, as offsets from the draw position.
    static const float layouts[4][4][2] = {
        {{0, 0}, {1, 0}, {1, 1}, {0, 1}},
        {{1, 0}, {0, 0}, {0, 1}, {1, 1}},
        {{0, 1}, {1, 1}, {1, 0}, {0, 0}},
        {{1, 1}, {0, 1}, {0, 0}, {1, 0}},
    };
    if (mode < 0 || mode > 3) return;
    QuadCorner corners[4];
    for (int i = 0; i < 4; ++i) corners[i] = {layouts[mode][i][0] * s, layouts[mode][i][1] * s};
    ShapeQuad(quad, corners);
}
