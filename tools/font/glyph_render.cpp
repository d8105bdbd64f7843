#include "glyph_render.h"

#include <algorithm>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "code_page.h"

namespace {

// The no-break space draws as nothing, like the space; its own glyph in the font may differ in shape
// data but must measure the same.
bool Blank(int code) { return code == 0x20 || code == 0xA0; }

// FreeType's bitmap box comes from the outline's rounded control box and can carry empty rows or
// columns; cutting them off makes Rise the top of the ink that is drawn and the atlas rectangle tight.
void TrimToInk(RenderedGlyph& g) {
    int x0 = g.width, x1 = -1, y0 = g.height, y1 = -1;
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            if (g.coverage[static_cast<std::size_t>(y) * g.width + x] > 0) {
                x0 = std::min(x0, x); x1 = std::max(x1, x);
                y0 = std::min(y0, y); y1 = std::max(y1, y);
            }
    if (x1 < 0) {  // no ink at all: a blank
        g.left = g.top = g.width = g.height = 0;
        g.coverage.clear();
        return;
    }
    std::vector<unsigned char> ink;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) ink.push_back(g.coverage[static_cast<std::size_t>(y) * g.width + x]);
    g.left += x0;
    g.top -= y0;
    g.width = x1 - x0 + 1;
    g.height = y1 - y0 + 1;
    g.coverage = std::move(ink);
}

}  // namespace

bool RenderFont(const std::string& fontPath, int pixelSize, RenderedFont& out, std::string& error) {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) return error = "FreeType did not start", false;
    FT_Face face = nullptr;
    if (FT_New_Face(library, fontPath.c_str(), 0, &face) != 0) {
        FT_Done_FreeType(library);
        return error = "cannot open " + fontPath, false;
    }
    bool ok = FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize)) == 0;
    if (!ok) error = "font cannot be sized";
    // The ascender, rounded up, is the text line's top: every glyph hangs from it.
    out.ascender = static_cast<int>((face->size->metrics.ascender + 63) >> 6);
    out.glyphs.clear();
    for (int code = 1; ok && code <= 255; ++code) {
        const char32_t unicode = Windows1252ToUnicode(code);
        if (unicode == 0) continue;
        const FT_UInt index = FT_Get_Char_Index(face, unicode);
        // Light hinting snaps the glyphs to the pixel grid vertically (crisp baselines and x-heights)
        // while keeping their shapes and advances true horizontally.
        if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) != 0) {
            error = "the font has no usable glyph for character " + std::to_string(code);
            ok = false;
            break;
        }
        const FT_GlyphSlot slot = face->glyph;
        RenderedGlyph g{code, 0, 0, static_cast<int>((slot->advance.x + 32) >> 6), 0, 0, {}};
        const FT_Bitmap& bitmap = slot->bitmap;
        if (!Blank(code) && bitmap.width > 0 && bitmap.rows > 0) {
            g.left = slot->bitmap_left;
            g.top = slot->bitmap_top;
            g.width = static_cast<int>(bitmap.width);
            g.height = static_cast<int>(bitmap.rows);
            g.coverage.resize(static_cast<std::size_t>(g.width) * g.height);
            for (int y = 0; y < g.height; ++y) {
                const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
                for (int x = 0; x < g.width; ++x) g.coverage[static_cast<std::size_t>(y) * g.width + x] = row[x];
            }
            TrimToInk(g);
        }
        out.glyphs.push_back(std::move(g));
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return ok;
}
