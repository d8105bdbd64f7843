// Lettering with the Liberation fonts, loaded straight from their files so every machine
// draws the same glyphs.
#pragma once
#include <cairo.h>

#include "style.h"

enum class Face { Sans, SansBold, SansBoldItalic, SerifBold, SerifBoldItalic, NarrowBold };

// False (with a message) when a font file is missing; the forge cannot letter without them.
bool LoadFonts();
void FreeFonts();

void UseFont(cairo_t* cr, Face face, double size);
double TextWidth(cairo_t* cr, const char* text);
// Adds the text's outline to the path, centred on cx, with the capital letters centred on cy.
void TextPathCentered(cairo_t* cr, const char* text, double cx, double cy);
void TextPathAt(cairo_t* cr, const char* text, double x, double baseline);

struct LetterStyle {
  Face face = Face::SansBold;
  double size = 40;
  Col top = kWhite;
  Col bottom = kWhite;
  double outline = 4;          // dark outline width; 0 = none
  Col ink = kInk;
  double shadow = 0;           // drop shadow offset down-right; 0 = none
  double shadowAlpha = 0.35;
  double highlight = 0.0;      // strength (0..1) of a white gloss over the upper half
};

// Cartoon lettering: drop shadow, thick outline, gradient fill. Returns the text width.
double Letter(cairo_t* cr, const char* text, double cx, double cy, const LetterStyle& s);
