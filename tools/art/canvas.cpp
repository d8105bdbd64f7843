#include "canvas.h"

#include <cstdint>

Canvas NewCanvas(int width, int height) {
  Canvas c;
  c.width = width;
  c.height = height;
  c.surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  c.cr = cairo_create(c.surface);
  cairo_set_antialias(c.cr, CAIRO_ANTIALIAS_GOOD);
  cairo_set_line_join(c.cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(c.cr, CAIRO_LINE_CAP_ROUND);
  return c;
}

void FreeCanvas(Canvas& c) {
  if (c.cr) cairo_destroy(c.cr);
  if (c.surface) cairo_surface_destroy(c.surface);
  c.cr = nullptr;
  c.surface = nullptr;
}

namespace {
uint8_t Unpremultiply(uint32_t channel, uint32_t alpha) {
  if (alpha == 0) return 0;
  uint32_t v = (channel * 255 + alpha / 2) / alpha;
  return static_cast<uint8_t>(v > 255 ? 255 : v);
}
}  // namespace

Pixels FinishCanvas(const Canvas& c, Finish how) {
  cairo_surface_flush(c.surface);
  Pixels out;
  out.width = c.width;
  out.height = c.height;
  out.px.resize(static_cast<size_t>(c.width) * c.height);
  const unsigned char* data = cairo_image_surface_get_data(c.surface);
  const int stride = cairo_image_surface_get_stride(c.surface);
  for (int y = 0; y < c.height; ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < c.width; ++x) {
      const uint32_t p = row[x];
      const uint32_t a = p >> 24, r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
      Rgba& o = out.at(x, y);
      switch (how) {
        case Finish::Alpha:
          o = {Unpremultiply(r, a), Unpremultiply(g, a), Unpremultiply(b, a), static_cast<uint8_t>(a)};
          break;
        case Finish::Holes:
          if (a < 128) {
            o = {0, 0, 0, 0};
          } else {
            o = {Unpremultiply(r, a), Unpremultiply(g, a), Unpremultiply(b, a), 255};
            if (o.r == 0 && o.g == 0 && o.b == 0) o = {20, 20, 30, 255};
          }
          break;
        case Finish::Solid:
          o = {static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b), 255};
          if (r == 0 && g == 0 && b == 0) o = {1, 1, 2, 255};
          break;
        case Finish::Light:
        case Finish::Opaque24:
          // Premultiplied colour is the colour over black, which is what these pictures mean.
          o = {static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b), 255};
          if (how == Finish::Light && r == 0 && g == 0 && b == 0) o.a = 0;
          break;
      }
    }
  }
  return out;
}
