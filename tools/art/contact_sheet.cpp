// The contact sheet: every picture on a labelled cell, shown the way the game blends it.
#include <cairo.h>

#include <algorithm>
#include <cstdio>

#include "lettering.h"
#include "review.h"
#include "style.h"

namespace {
constexpr int kCols = 6, kRows = 4, kCellW = 260, kCellH = 292, kPicBox = 240;

// A cairo surface holding the picture as the game would see it (mode 4 black is a hole).
cairo_surface_t* ToSurface(const Pixels& p, int loadMode) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, p.width, p.height);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < p.height; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < p.width; ++x) {
      const Rgba& c = p.at(x, y);
      uint32_t a = c.a;
      if (loadMode == 4) a = (c.r == 0 && c.g == 0 && c.b == 0) ? 0 : 255;
      row[x] = (a << 24) | ((c.r * a / 255) << 16) | ((c.g * a / 255) << 8) | (c.b * a / 255);
    }
  }
  cairo_surface_mark_dirty(s);
  return s;
}

void Checker(cairo_t* cr, double x, double y, double w, double h) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  for (int j = 0; j * 12 < h; ++j)
    for (int i = 0; i * 12 < w; ++i) {
      const double v = ((i + j) % 2) ? 0.80 : 0.92;
      cairo_set_source_rgb(cr, v, v, v);
      cairo_rectangle(cr, x + i * 12, y + j * 12, 12, 12);
      cairo_fill(cr);
    }
  cairo_restore(cr);
}
}  // namespace

bool WriteContactSheets(const std::string& dir, const std::vector<ArtEntry>& list, const std::vector<Pixels>& pics) {
  const int perPage = kCols * kRows;
  const int pages = (static_cast<int>(list.size()) + perPage - 1) / perPage;
  bool ok = true;
  for (int page = 0; page < pages; ++page) {
    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kCols * kCellW, kRows * kCellH + 40);
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, 0.33, 0.35, 0.42);
    cairo_paint(cr);
    char title[80];
    std::snprintf(title, sizeof title, "Quillbrook Rizizer pictures - page %d of %d", page + 1, pages);
    UseFont(cr, Face::SansBold, 20);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_move_to(cr, 12, 28);
    cairo_show_text(cr, title);
    for (int slot = 0; slot < perPage; ++slot) {
      const size_t i = static_cast<size_t>(page * perPage + slot);
      if (i >= list.size()) break;
      const ArtEntry& e = list[i];
      const Pixels& p = pics[i];
      const double cx = (slot % kCols) * kCellW + 10, cy = 40 + (slot / kCols) * kCellH + 6;
      // Ground for the picture: a checkerboard for ordinary pictures, black for light that is
      // added, and the picture itself for multiplied ones (white means "no change").
      if (e.shown == Shown::Normal)
        Checker(cr, cx, cy, kPicBox, kPicBox);
      else {
        if (e.shown == Shown::Multiply)
          cairo_set_source_rgb(cr, 1, 1, 1);
        else
          cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_rectangle(cr, cx, cy, kPicBox, kPicBox);
        cairo_fill(cr);
      }
      const double scale = std::min(4.0, std::min(static_cast<double>(kPicBox) / p.width, static_cast<double>(kPicBox) / p.height));
      const double dw = p.width * scale, dh = p.height * scale;
      cairo_surface_t* s = ToSurface(p, e.loadMode);
      cairo_save(cr);
      cairo_translate(cr, cx + (kPicBox - dw) / 2, cy + (kPicBox - dh) / 2);
      cairo_scale(cr, scale, scale);
      cairo_set_source_surface(cr, s, 0, 0);
      cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
      if (e.shown == Shown::Glow || e.shown == Shown::Water) cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
      cairo_paint(cr);
      cairo_restore(cr);
      cairo_surface_destroy(s);
      cairo_rectangle(cr, cx - 0.5, cy - 0.5, kPicBox + 1, kPicBox + 1);
      cairo_set_source_rgb(cr, 0.15, 0.15, 0.2);
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
      char label[160];
      const char* how = e.shown == Shown::Multiply ? " multiply" : e.shown == Shown::Glow ? " glow" : e.shown == Shown::Water ? " water" : "";
      std::snprintf(label, sizeof label, "%dx%d  mode %d%s", p.width, p.height, e.loadMode, how);
      UseFont(cr, Face::SansBold, 14);
      cairo_set_source_rgb(cr, 1, 1, 1);
      cairo_move_to(cr, cx, cy + kPicBox + 18);
      cairo_show_text(cr, e.file.c_str());
      UseFont(cr, Face::Sans, 12);
      cairo_set_source_rgb(cr, 0.85, 0.87, 0.95);
      cairo_move_to(cr, cx, cy + kPicBox + 34);
      cairo_show_text(cr, label);
    }
    cairo_destroy(cr);
    char name[64];
    std::snprintf(name, sizeof name, "/contact_%02d.png", page + 1);
    ok = cairo_surface_write_to_png(sheet, (dir + name).c_str()) == CAIRO_STATUS_SUCCESS && ok;
    cairo_surface_destroy(sheet);
  }
  return ok;
}
