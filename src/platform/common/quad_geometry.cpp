#include "platform/common/quad_geometry.h"

#include <cmath>

void PlaceQuad(const QuadShape& shape, float x, float y, QuadCorner out[4]) {
    if (shape.shaped) {
        for (int i = 0; i < 4; ++i) out[i] = {x + shape.corners[i].x, y + shape.corners[i].y};
        return;
    }
    const float w = static_cast<float>(shape.width), h = static_cast<float>(shape.height);
    const QuadCorner local[4] = {{0, 0}, {w, 0}, {w, h}, {0, h}};
    if (shape.angle == 0.0f) {
        for (int i = 0; i < 4; ++i) out[i] = {x + local[i].x, y + local[i].y};
        return;
    }
    const double radians = shape.angle * 3.14159265358979323846 / 180.0;
    const double c = std::cos(radians), s = std::sin(radians);
    const double cx = w / 2.0, cy = h / 2.0;
    for (int i = 0; i < 4; ++i) {
        double dx = local[i].x - cx, dy = local[i].y - cy;
        out[i] = {static_cast<float>(x + cx + dx * c - dy * s), static_cast<float>(y + cy + dx * s + dy * c)};
    }
}
