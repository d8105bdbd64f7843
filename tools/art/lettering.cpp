#include "lettering.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <string>

namespace {
const char* const kFontDir = "/usr/share/fonts/truetype/liberation/";
const char* const kFontFiles[] = {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf",
                                  "LiberationSans-BoldItalic.ttf", "LiberationSerif-Bold.ttf",
                                  "LiberationSerif-BoldItalic.ttf", "LiberationSansNarrow-Bold.ttf"};
constexpr int kFaceCount = 6;
FT_Library Library = nullptr;
FT_Face FtFaces[kFaceCount] = {};
cairo_font_face_t* CairoFaces[kFaceCount] = {};
cairo_font_options_t* Options = nullptr;
}  // namespace

bool LoadFonts() {
  if (FT_Init_FreeType(&Library) != 0) {
    std::fprintf(stderr, "forge_art: FreeType did not start\n");
    return false;
  }
  for (int i = 0; i < kFaceCount; ++i) {
    const std::string path = std::string(kFontDir) + kFontFiles[i];
    if (FT_New_Face(Library, path.c_str(), 0, &FtFaces[i]) != 0) {
      std::fprintf(stderr, "forge_art: font %s is missing (install fonts-liberation)\n", path.c_str());
      return false;
    }
    CairoFaces[i] = cairo_ft_font_face_create_for_ft_face(FtFaces[i], 0);
  }
  // Unhinted outlines: lettering is drawn as paths at many sizes and must not snap to pixels.
  Options = cairo_font_options_create();
  cairo_font_options_set_hint_style(Options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(Options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_antialias(Options, CAIRO_ANTIALIAS_GRAY);
  return true;
}

void FreeFonts() {
  for (int i = 0; i < kFaceCount; ++i) {
    if (CairoFaces[i]) cairo_font_face_destroy(CairoFaces[i]);
    CairoFaces[i] = nullptr;
  }
  // The FT faces belong to cairo's caches until the faces above are gone; the process ends next.
  if (Options) cairo_font_options_destroy(Options);
  Options = nullptr;
}

void UseFont(cairo_t* cr, Face face, double size) {
  cairo_set_font_face(cr, CairoFaces[static_cast<int>(face)]);
  cairo_set_font_size(cr, size);
  cairo_set_font_options(cr, Options);
}

double TextWidth(cairo_t* cr, const char* text) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, text, &e);
  return e.x_advance;
}

void TextPathAt(cairo_t* cr, const char* text, double x, double baseline) {
  cairo_move_to(cr, x, baseline);
  cairo_text_path(cr, text);
}

void TextPathCentered(cairo_t* cr, const char* text, double cx, double cy) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, text, &e);
  cairo_text_extents_t cap;
  cairo_text_extents(cr, "H", &cap);
  TextPathAt(cr, text, cx - e.x_advance / 2, cy - cap.y_bearing / 2);
}

double Letter(cairo_t* cr, const char* text, double cx, double cy, const LetterStyle& s) {
  cairo_save(cr);
  UseFont(cr, s.face, s.size);
  cairo_text_extents_t cap;
  cairo_text_extents(cr, "H", &cap);
  const double top = cy + cap.y_bearing / 2, bottom = cy - cap.y_bearing / 2;
  if (s.shadow > 0) {
    cairo_new_path(cr);
    TextPathCentered(cr, text, cx + s.shadow, cy + s.shadow);
    SetCol(cr, kInk, s.shadowAlpha);
    if (s.outline > 0) {
      cairo_set_line_width(cr, s.outline);
      cairo_stroke_preserve(cr);
    }
    cairo_fill(cr);
  }
  cairo_new_path(cr);
  TextPathCentered(cr, text, cx, cy);
  if (s.outline > 0) {
    SetCol(cr, s.ink);
    cairo_set_line_width(cr, s.outline);
    cairo_stroke_preserve(cr);
  }
  FillVertical(cr, top, bottom, s.top, s.bottom);
  if (s.highlight > 0) {
    // Glossy letters: a soft white band over the upper part of the glyphs.
    cairo_save(cr);
    cairo_clip(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, top, 0, cy);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, s.highlight);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, cx - 4000, top - s.size, 8000, cy - top + s.size);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
  }
  cairo_new_path(cr);
  const double w = TextWidth(cr, text);
  cairo_restore(cr);
  return w;
}
