#include "compose.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "lettering.h"
#include "style.h"

Frame NewFrame(int width, int height, float r, float g, float b) {
  Frame f;
  f.width = width;
  f.height = height;
  f.rgb.resize(static_cast<size_t>(width) * height * 3);
  for (size_t i = 0; i < f.rgb.size(); i += 3) {
    f.rgb[i] = r;
    f.rgb[i + 1] = g;
    f.rgb[i + 2] = b;
  }
  return f;
}

namespace {
struct Texel {
  float r, g, b, a;
};

Texel Fetch(const Pixels& pic, int loadMode, int x, int y) {
  x = std::clamp(x, 0, pic.width - 1);
  y = std::clamp(y, 0, pic.height - 1);
  const Rgba& p = pic.at(x, y);
  float a = p.a / 255.0f;
  if (loadMode == 4) a = (p.r == 0 && p.g == 0 && p.b == 0) ? 0.0f : 1.0f;
  return {p.r / 255.0f, p.g / 255.0f, p.b / 255.0f, a};
}

Texel Sample(const Pixels& pic, int loadMode, double u, double v) {
  const double fx = u - 0.5, fy = v - 0.5;
  const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
  const float tx = static_cast<float>(fx - x0), ty = static_cast<float>(fy - y0);
  const Texel a = Fetch(pic, loadMode, x0, y0), b = Fetch(pic, loadMode, x0 + 1, y0);
  const Texel c = Fetch(pic, loadMode, x0, y0 + 1), d = Fetch(pic, loadMode, x0 + 1, y0 + 1);
  auto lerp = [](float p, float q, float t) { return p + (q - p) * t; };
  auto mix = [&](float pa, float pb, float pc, float pd) {
    return lerp(lerp(pa, pb, tx), lerp(pc, pd, tx), ty);
  };
  return {mix(a.r, b.r, c.r, d.r), mix(a.g, b.g, c.g, d.g), mix(a.b, b.b, c.b, d.b), mix(a.a, b.a, c.a, d.a)};
}
}  // namespace

void Put(Frame& f, const Pixels& pic, int loadMode, int x, int y, int w, int h, Blend blend, int alpha) {
  if (w <= 0 || h <= 0 || pic.width == 0) return;
  const float va = alpha / 255.0f;
  const double sx = static_cast<double>(pic.width) / w, sy = static_cast<double>(pic.height) / h;
  for (int j = std::max(0, -y); j < h && y + j < f.height; ++j)
    for (int i = std::max(0, -x); i < w && x + i < f.width; ++i) {
      const Texel t = (w == pic.width && h == pic.height) ? Fetch(pic, loadMode, i, j)
                                                         : Sample(pic, loadMode, (i + 0.5) * sx, (j + 0.5) * sy);
      float* d = &f.rgb[(static_cast<size_t>(y + j) * f.width + (x + i)) * 3];
      const float src[3] = {t.r, t.g, t.b};
      for (int c = 0; c < 3; ++c) {
        float v = d[c];
        switch (blend) {
          case kBlendNormal:
            v = src[c] * t.a * va + v * (1 - t.a * va);
            break;
          case kBlendMultiply:
            v = v * src[c];
            break;
          case kBlendSquare:
            v = src[c] + v * v;
            break;
          case kBlendGlow:
            v = src[c] * t.a * va + v;
            break;
        }
        d[c] = std::min(v, 1.0f);
      }
    }
}

void PutText(Frame& f, const std::string& text, double x, double top, double size, uint32_t rgb) {
  // Lettering is drawn on a small surface just big enough for it, then laid over the frame.
  cairo_surface_t* probe = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
  cairo_t* pc = cairo_create(probe);
  UseFont(pc, Face::Sans, size);
  cairo_font_extents_t fe;
  cairo_font_extents(pc, &fe);
  const int w = static_cast<int>(std::ceil(TextWidth(pc, text.c_str()))) + 4;
  const int h = static_cast<int>(std::ceil(fe.ascent + fe.descent)) + 4;
  cairo_destroy(pc);
  cairo_surface_destroy(probe);
  const int ox = static_cast<int>(std::floor(x)) - 2, oy = static_cast<int>(std::floor(top)) - 2;
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(s);
  UseFont(cr, Face::Sans, size);
  SetCol(cr, Hex(rgb));
  cairo_move_to(cr, x - ox, top - oy + fe.ascent);
  cairo_show_text(cr, text.c_str());
  cairo_destroy(cr);
  cairo_surface_flush(s);
  const unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < h; ++y) {
    if (oy + y < 0 || oy + y >= f.height) continue;
    const uint32_t* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int xx = 0; xx < w; ++xx) {
      if (ox + xx < 0 || ox + xx >= f.width) continue;
      const uint32_t p = row[xx];
      const float a = (p >> 24) / 255.0f;
      if (a == 0) continue;
      float* d = &f.rgb[(static_cast<size_t>(oy + y) * f.width + (ox + xx)) * 3];
      d[0] = ((p >> 16) & 255) / 255.0f + d[0] * (1 - a);
      d[1] = ((p >> 8) & 255) / 255.0f + d[1] * (1 - a);
      d[2] = (p & 255) / 255.0f + d[2] * (1 - a);
    }
  }
  cairo_surface_destroy(s);
}

Pixels FrameToPixels(const Frame& f) {
  Pixels out;
  out.width = f.width;
  out.height = f.height;
  out.px.resize(static_cast<size_t>(f.width) * f.height);
  for (size_t i = 0; i < out.px.size(); ++i) {
    auto c = [&](int k) { return static_cast<uint8_t>(std::lround(std::clamp(f.rgb[i * 3 + k], 0.0f, 1.0f) * 255)); };
    out.px[i] = {c(0), c(1), c(2), 255};
  }
  return out;
}
