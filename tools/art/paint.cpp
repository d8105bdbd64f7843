#include "paint.h"

#include <algorithm>
#include <cmath>
#include <vector>

Pixels Paint(int width, int height, Finish how, const std::function<void(cairo_t*)>& draw) {
  Canvas c = NewCanvas(width, height);
  draw(c.cr);
  Pixels out = FinishCanvas(c, how);
  FreeCanvas(c);
  return out;
}

void BlurChannel(float* data, int width, int height, int radius, bool wrap) {
  if (radius <= 0) return;
  std::vector<float> line(static_cast<size_t>(std::max(width, height)));
  auto pass = [&](int count, int length, auto index) {
    for (int i = 0; i < count; ++i) {
      for (int k = 0; k < length; ++k) line[k] = data[index(i, k)];
      double sum = 0;
      auto sample = [&](int k) -> float {
        if (wrap) return line[((k % length) + length) % length];
        return line[std::clamp(k, 0, length - 1)];
      };
      for (int k = -radius; k <= radius; ++k) sum += sample(k);
      for (int k = 0; k < length; ++k) {
        data[index(i, k)] = static_cast<float>(sum / (2 * radius + 1));
        sum += sample(k + radius + 1) - sample(k - radius);
      }
    }
  };
  for (int n = 0; n < 3; ++n) {
    pass(height, width, [&](int y, int x) { return static_cast<size_t>(y) * width + x; });
    pass(width, height, [&](int x, int y) { return static_cast<size_t>(y) * width + x; });
  }
}

Pixels ShadowOf(const Pixels& sprite, int blur, double darkness, double shrink) {
  const int w = sprite.width, h = sprite.height;
  std::vector<float> a(static_cast<size_t>(w) * h, 0.0f);
  const double cx = w / 2.0, cy = h / 2.0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      // Sample the sprite through the shrink (nearest pixel is plenty before the blur).
      const int sx = static_cast<int>(std::floor(cx + (x + 0.5 - cx) / shrink));
      const int sy = static_cast<int>(std::floor(cy + (y + 0.5 - cy) / shrink));
      if (sx < 0 || sy < 0 || sx >= w || sy >= h) continue;
      a[static_cast<size_t>(y) * w + x] = sprite.at(sx, sy).a / 255.0f;
    }
  BlurChannel(a.data(), w, h, blur, false);
  Pixels out;
  out.width = w;
  out.height = h;
  out.px.resize(a.size());
  for (size_t i = 0; i < a.size(); ++i) {
    const auto v = static_cast<uint8_t>(std::lround(255.0 * (1.0 - darkness * a[i])));
    out.px[i] = {v, v, v, 255};
  }
  return out;
}

namespace {
double Lattice(int x, int y, int period, uint32_t seed) {
  x = ((x % period) + period) % period;
  y = ((y % period) + period) % period;
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xffffff) / 16777215.0;
}
double Smooth(double t) { return t * t * (3 - 2 * t); }
}  // namespace

double TileNoise(double x, double y, int period, uint32_t seed) {
  const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
  const double fx = Smooth(x - x0), fy = Smooth(y - y0);
  const double a = Lattice(x0, y0, period, seed), b = Lattice(x0 + 1, y0, period, seed);
  const double c = Lattice(x0, y0 + 1, period, seed), d = Lattice(x0 + 1, y0 + 1, period, seed);
  return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

void PaintPixels(cairo_t* cr, const Pixels& pic, double x, double y, double scale, bool holes) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pic.width, pic.height);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int j = 0; j < pic.height; ++j) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(j) * stride);
    for (int i = 0; i < pic.width; ++i) {
      const Rgba& c = pic.at(i, j);
      uint32_t a = c.a;
      if (holes) a = (c.r == 0 && c.g == 0 && c.b == 0) ? 0 : 255;
      row[i] = (a << 24) | ((c.r * a / 255) << 16) | ((c.g * a / 255) << 8) | (c.b * a / 255);
    }
  }
  cairo_surface_mark_dirty(s);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, scale, scale);
  cairo_set_source_surface(cr, s, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  cairo_paint(cr);
  cairo_restore(cr);
  cairo_surface_destroy(s);
}
